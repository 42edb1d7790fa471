#include "credentials/CredentialStore.h"
#include "platform/linux/KeyringCollection.h"
#include "platform/qt/KeychainSecretStore.h"
#include "platform/qt/NetworkTransport.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/SettingsDefaultsStore.h"
#include "support/FakeClock.h"
#include "support/FakeWebServer.h"
#include "support/BusProbe.h"
#include "support/PrivateKeyring.h"
#include "support/PrivateSessionBus.h"
#include "support/Waiting.h"
#include "usage/UsageFetcher.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString claudeKey = QStringLiteral("sessionKey");
const QString openAIKey = QStringLiteral("openAISessionKey");
const QStringList credentialKeys{claudeKey, openAIKey};

// The real keyring, except that it misbehaves once something was written, or at the first write:
// a refusal is a prompt (to create or unlock it) that the user dismissed, no answer one left open.
class FaultyAfterWrite final : public SecretStore
{
public:
    enum class Fault { none, writeRefused, writeUnanswered, readBackFails, readBackDiffers, laterWritesUnanswered };
    int writes = 0;

    FaultyAfterWrite(SecretStore &real, Fault fault)
        : m_real(real)
        , m_fault(fault)
    {
    }

    void read(const QString &name, Completion completion) override
    {
        if (!m_written || m_fault == Fault::none || m_fault == Fault::laterWritesUnanswered) {
            m_real.read(name, std::move(completion));
            return;
        }
        m_real.read(name, [this, completion = std::move(completion)](Outcome outcome) {
            if (m_fault == Fault::readBackFails)
                outcome = {Outcome::Kind::unavailable, std::nullopt, QStringLiteral("the keyring went away")};
            else if (outcome.secret)
                outcome.secret = *outcome.secret + QLatin1Char('~');
            completion(std::move(outcome));
        });
    }

    void write(const QString &name, const QString &secret, Completion completion) override
    {
        ++writes;
        if (m_fault == Fault::writeUnanswered || (m_fault == Fault::laterWritesUnanswered && writes > 1))
            return;
        if (m_fault == Fault::writeRefused) {
            QTimer::singleShot(0, [completion = std::move(completion)] {
                completion({Outcome::Kind::unavailable, std::nullopt, QStringLiteral("refused")});
            });
            return;
        }
        m_written = true;
        m_real.write(name, secret, std::move(completion));
    }

    void remove(const QString &name, Completion completion) override { m_real.remove(name, std::move(completion)); }
    void collection(std::function<void(Collection)> then) override { m_real.collection(std::move(then)); }

private:
    SecretStore &m_real;
    Fault m_fault;
    bool m_written = false;
};

// What the keyring holds under a name, read straight from it.
std::optional<QString> keyringHolds(SecretStore &keyring, const QString &name)
{
    std::optional<SecretStore::Outcome> answer;
    keyring.read(name, [&](const SecretStore::Outcome &outcome) { answer = outcome; });
    if (!waitUntil([&] { return answer.has_value(); }, 10000))
        return QStringLiteral("<no answer>");
    return answer->secret;
}

// What the settings file holds, read from disk by a store of its own.
std::optional<QString> fileHolds(const QString &path, const QString &key)
{
    return SettingsDefaultsStore(path).string(key);
}

bool loaded(CredentialStore &store)
{
    store.load();
    return waitUntil([&] { return store.isLoaded(); }, 10000);
}

} // namespace

Q_DECLARE_METATYPE(FaultyAfterWrite::Fault)

// Credentials kept in a real keyring: moving them out of the file, and never losing one.
class TestKeyringCredentials : public QObject
{
    Q_OBJECT

    PrivateSessionBus m_bus;
    PrivateKeyring m_keyring;
    QTemporaryDir m_folder;
    int m_run = 0;
    QString m_path;
    std::unique_ptr<KeyringCollection> m_collection;
    std::unique_ptr<KeychainSecretStore> m_secrets;

private slots:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
        QVERIFY(m_keyring.start());
        m_collection = std::make_unique<KeyringCollection>(KeyringCollection::Backend::secretService,
                                                           QDBusConnection::sessionBus());
    }

    // Each test has a settings file and a keyring entry name space of its own.
    void init()
    {
        ++m_run;
        m_path = m_folder.filePath(QStringLiteral("run%1/Quotabar.json").arg(m_run));
        m_secrets = std::make_unique<KeychainSecretStore>(QStringLiteral("app.quotabar.Test%1").arg(m_run), *m_collection);
    }

    void migrationMovesEveryStoredCredential_data()
    {
        QTest::addColumn<QStringList>("inFile");
        QTest::newRow("Claude only") << QStringList{claudeKey};
        QTest::newRow("both") << credentialKeys;
    }

    void migrationMovesEveryStoredCredential()
    {
        QFETCH(QStringList, inFile);
        {
            SettingsDefaultsStore file(m_path);
            file.setString(QStringLiteral("displayFormat"), QStringLiteral("Session Only"));
            for (const QString &key : inFile)
                file.setString(key, key + QStringLiteral("-secret"));
        }
        SettingsDefaultsStore file(m_path);
        CredentialStore store(file, m_secrets.get(), credentialKeys);
        QVERIFY(loaded(store));
        for (const QString &key : inFile) {
            QTRY_COMPARE_WITH_TIMEOUT(store.location(key), CredentialStore::Location::keyring, 10000);
            QCOMPARE(fileHolds(m_path, key), std::nullopt);
            QCOMPARE(keyringHolds(*m_secrets, key), key + QStringLiteral("-secret"));
        }
        QCOMPARE(fileHolds(m_path, QStringLiteral("displayFormat")), QStringLiteral("Session Only"));

        // The next start finds them in the keyring.
        SettingsDefaultsStore fileAgain(m_path);
        CredentialStore again(fileAgain, m_secrets.get(), credentialKeys);
        QCOMPARE(again.isLoaded(), false);
        QVERIFY(loaded(again));
        for (const QString &key : credentialKeys) {
            const std::optional<QString> expected =
                inFile.contains(key) ? std::optional(key + QStringLiteral("-secret")) : std::nullopt;
            QCOMPARE(again.string(key), expected);
        }
    }

    void noStepLosesTheKey_data()
    {
        QTest::addColumn<FaultyAfterWrite::Fault>("fault");
        QTest::newRow("write refused") << FaultyAfterWrite::Fault::writeRefused;
        QTest::newRow("keyring gone after the write") << FaultyAfterWrite::Fault::readBackFails;
        QTest::newRow("read back differs") << FaultyAfterWrite::Fault::readBackDiffers;
    }

    void noStepLosesTheKey()
    {
        QFETCH(FaultyAfterWrite::Fault, fault);
        SettingsDefaultsStore(m_path).setString(claudeKey, QStringLiteral("sk-kept"));
        FaultyAfterWrite keyring(*m_secrets, fault);
        SettingsDefaultsStore file(m_path);
        CredentialStore store(file, &keyring, credentialKeys);
        QVERIFY(loaded(store));
        QTRY_COMPARE_WITH_TIMEOUT(store.location(claudeKey), CredentialStore::Location::file, 10000);
        QCOMPARE(fileHolds(m_path, claudeKey), QStringLiteral("sk-kept"));
        QCOMPARE(store.string(claudeKey), QStringLiteral("sk-kept"));
    }

    // A keyring that asks the user asks once, and nothing waits for the answer: the credentials
    // the file holds are used meanwhile, and stay there if the user says no.
    void aKeyringThatAsksAsksOnce_data()
    {
        QTest::addColumn<FaultyAfterWrite::Fault>("fault");
        QTest::newRow("prompt left open") << FaultyAfterWrite::Fault::writeUnanswered;
        QTest::newRow("prompt dismissed") << FaultyAfterWrite::Fault::writeRefused;
    }

    void aKeyringThatAsksAsksOnce()
    {
        QFETCH(FaultyAfterWrite::Fault, fault);
        {
            SettingsDefaultsStore file(m_path);
            file.setString(claudeKey, QStringLiteral("sk-kept"));
            file.setString(openAIKey, QStringLiteral("tok-kept"));
        }
        FaultyAfterWrite keyring(*m_secrets, fault);
        SettingsDefaultsStore file(m_path);
        CredentialStore store(file, &keyring, credentialKeys);
        QVERIFY(loaded(store));
        QCOMPARE(store.string(claudeKey), QStringLiteral("sk-kept"));
        QCOMPARE(store.string(openAIKey), QStringLiteral("tok-kept"));
        const auto settled = fault == FaultyAfterWrite::Fault::writeRefused ? CredentialStore::Location::file
                                                                            : CredentialStore::Location::loading;
        QTRY_COMPARE_WITH_TIMEOUT(store.location(claudeKey), settled, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(store.location(openAIKey), settled, 10000);
        QCOMPARE(keyring.writes, 1);
        QCOMPARE(fileHolds(m_path, openAIKey), QStringLiteral("tok-kept"));
    }

    // A crash after the keyring took the key but before the file let go: both hold it, and the
    // next start finishes the move.
    void aCrashBetweenStepsIsFinishedNextTime()
    {
        SettingsDefaultsStore(m_path).setString(openAIKey, QStringLiteral("tok-1"));
        std::optional<SecretStore::Outcome> written;
        m_secrets->write(openAIKey, QStringLiteral("tok-1"), [&](const SecretStore::Outcome &o) { written = o; });
        QVERIFY(waitUntil([&] { return written.has_value(); }, 10000));

        SettingsDefaultsStore file(m_path);
        CredentialStore store(file, m_secrets.get(), credentialKeys);
        QCOMPARE(store.string(openAIKey), QStringLiteral("tok-1")); // usable before the keyring answers
        QVERIFY(loaded(store));
        QTRY_COMPARE_WITH_TIMEOUT(store.location(openAIKey), CredentialStore::Location::keyring, 10000);
        QCOMPARE(fileHolds(m_path, openAIKey), std::nullopt);
        QCOMPARE(keyringHolds(*m_secrets, openAIKey), QStringLiteral("tok-1"));
    }

    // A key saved while the keyring is in use ends up there, replacing the old one; Remove deletes it.
    void savingAndRemovingReachTheKeyring()
    {
        SettingsDefaultsStore file(m_path);
        CredentialStore store(file, m_secrets.get(), credentialKeys);
        QVERIFY(loaded(store));
        QCOMPARE(store.location(claudeKey), CredentialStore::Location::keyring);

        store.setString(claudeKey, QStringLiteral("sk-new"));
        QCOMPARE(store.string(claudeKey), QStringLiteral("sk-new"));
        QTRY_COMPARE_WITH_TIMEOUT(fileHolds(m_path, claudeKey), std::nullopt, 10000);
        QCOMPARE(keyringHolds(*m_secrets, claudeKey), QStringLiteral("sk-new"));

        store.remove(claudeKey);
        QCOMPARE(store.string(claudeKey), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(keyringHolds(*m_secrets, claudeKey), std::nullopt, 10000);
        QCOMPARE(fileHolds(m_path, claudeKey), std::nullopt);
    }

    // A key saved while the one before is still moving stays in the file when that older move ends,
    // even though the keyring never takes the newer one.
    void aKeySavedDuringAMoveIsKept()
    {
        FaultyAfterWrite keyring(*m_secrets, FaultyAfterWrite::Fault::laterWritesUnanswered);
        SettingsDefaultsStore file(m_path);
        CredentialStore store(file, &keyring, credentialKeys);
        QVERIFY(loaded(store));
        store.setString(claudeKey, QStringLiteral("sk-older"));
        store.setString(claudeKey, QStringLiteral("sk-newer"));
        QTRY_COMPARE_WITH_TIMEOUT(keyring.writes, 2, 10000); // the older move has ended
        QCOMPARE(keyringHolds(*m_secrets, claudeKey), QStringLiteral("sk-older"));
        QCOMPARE(fileHolds(m_path, claudeKey), QStringLiteral("sk-newer"));
        QCOMPARE(store.string(claudeKey), QStringLiteral("sk-newer"));
    }

    // A fetch asked for before the keyring answered waits for it instead of asking for a login.
    void aFetchWaitsForTheKeyring()
    {
        std::optional<SecretStore::Outcome> written;
        m_secrets->write(claudeKey, QStringLiteral("sk-in-keyring"), [&](const SecretStore::Outcome &o) { written = o; });
        QVERIFY(waitUntil([&] { return written.has_value(); }, 10000));

        SettingsDefaultsStore file(m_path);
        CredentialStore store(file, m_secrets.get(), credentialKeys);
        FakeWebServer server;
        server.route("/api/account", FakeReply{200, R"({"memberships":[{"organization":{"uuid":"org-1"}}]})"});
        NetworkTransport transport;
        HTTPClient http(transport);
        QtScheduler scheduler;
        FakeClock clock;
        UsageFetcher fetcher(server.origin(), FetcherServices{store, http, scheduler, clock});
        bool needsLogin = false;
        fetcher.onNeedsLogin = [&] { needsLogin = true; };

        fetcher.fetchUsage();
        store.load();
        QVERIFY(waitUntil([&] { return !server.requests().isEmpty(); }, 10000));
        QCOMPARE(needsLogin, false);
        QCOMPARE(server.requests().first().header("Cookie"), QByteArray("sessionKey=sk-in-keyring"));
        QVERIFY(waitUntil([&] { return store.isLoaded(); }, 10000));
    }

    // The collection's lock is told, and followed, without asking the user anything.
    void collectionLockIsFollowed()
    {
        const auto state = [this] {
            std::optional<SecretStore::Collection> told;
            m_collection->state([&](SecretStore::Collection c) { told = c; });
            waitUntil([&] { return told.has_value(); }, 10000);
            return told.value_or(SecretStore::Collection::unknown);
        };
        QCOMPARE(state(), SecretStore::Collection::unlocked);
        const QString collection = secretService(QStringLiteral("ReadAlias"), {QStringLiteral("default")})
                                       .arguments().value(0).value<QDBusObjectPath>().path();
        QVERIFY(collection.startsWith(QLatin1String("/org/freedesktop/secrets/collection/")));

        QSignalSpy changed(m_collection.get(), &KeyringCollection::changed);
        secretService(QStringLiteral("Lock"), {QVariant::fromValue(QList<QDBusObjectPath>{QDBusObjectPath(collection)})});
        QVERIFY(changed.wait(10000));
        QCOMPARE(state(), SecretStore::Collection::locked);

        // Unlocked again as the login would, with the keyring's password and no prompt.
        const QDBusMessage session = secretService(QStringLiteral("OpenSession"),
                                                   {QStringLiteral("plain"), QVariant::fromValue(QDBusVariant(QString()))});
        QDBusArgument secret;
        secret.beginStructure();
        secret << session.arguments().value(1).value<QDBusObjectPath>() << QByteArray()
               << QByteArray("test-keyring-password") << QStringLiteral("text/plain");
        secret.endStructure();
        changed.clear();
        QCOMPARE(BusProbe::call(QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
                                QStringLiteral("org.gnome.keyring.InternalUnsupportedGuiltRiddenInterface"),
                                QStringLiteral("UnlockWithMasterPassword"),
                                {QVariant::fromValue(QDBusObjectPath(collection)), QVariant::fromValue(secret)}, QDBus::Block)
                     .type(),
                 QDBusMessage::ReplyMessage);
        QVERIFY(changed.wait(10000));
        QCOMPARE(state(), SecretStore::Collection::unlocked);
    }

private:
    static QDBusMessage secretService(const QString &method, const QVariantList &arguments)
    {
        // Without an event loop: the lock's change signal waits for the test's QSignalSpy::wait.
        return BusProbe::call(QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
                              QStringLiteral("org.freedesktop.Secret.Service"), method, arguments, QDBus::Block);
    }
};

QTEST_GUILESS_MAIN(TestKeyringCredentials)
#include "tst_keyringcredentials.moc"
