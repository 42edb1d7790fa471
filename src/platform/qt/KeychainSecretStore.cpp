#include "KeychainSecretStore.h"

#include "platform/linux/KeyringCollection.h"

#include <qt6keychain/keychain.h>

namespace {

// Starts `job` and reports its outcome once; the job deletes itself after it finished. Jobs have
// no parent: one deleted with the store while the keyring still works on it would be answered
// after it was gone.
void run(QKeychain::Job *job, const QString &name, SecretStore::Completion completion)
{
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(name);
    QObject::connect(job, &QKeychain::Job::finished, job, [completion = std::move(completion)](QKeychain::Job *done) {
        SecretStore::Outcome outcome;
        switch (done->error()) {
        case QKeychain::NoError:
            if (auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(done))
                outcome.secret = read->textData();
            break;
        case QKeychain::EntryNotFound:
            outcome.kind = SecretStore::Outcome::Kind::notFound;
            break;
        default:
            outcome.kind = SecretStore::Outcome::Kind::unavailable;
            outcome.reason = done->errorString();
            break;
        }
        completion(std::move(outcome));
    });
    job->start();
}

} // namespace

KeychainSecretStore::KeychainSecretStore(const QString &applicationId, KeyringCollection &collection, QObject *parent)
    : QObject(parent)
    , m_applicationId(applicationId)
    , m_collection(collection)
{
    connect(&m_collection, &KeyringCollection::changed, this, [this] {
        if (onCollectionChanged)
            onCollectionChanged();
    });
}

void KeychainSecretStore::collection(std::function<void(Collection)> then)
{
    m_collection.state(std::move(then));
}

void KeychainSecretStore::read(const QString &name, Completion completion)
{
    run(new QKeychain::ReadPasswordJob(m_applicationId), name, std::move(completion));
}

void KeychainSecretStore::write(const QString &name, const QString &secret, Completion completion)
{
    auto *job = new QKeychain::WritePasswordJob(m_applicationId);
    job->setTextData(secret);
    run(job, name, std::move(completion));
}

void KeychainSecretStore::remove(const QString &name, Completion completion)
{
    run(new QKeychain::DeletePasswordJob(m_applicationId), name,
        [completion = std::move(completion)](SecretStore::Outcome outcome) {
            if (outcome.kind == SecretStore::Outcome::Kind::notFound)
                outcome.kind = SecretStore::Outcome::Kind::done;
            completion(std::move(outcome));
        });
}
