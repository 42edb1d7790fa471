#include "credentials/CredentialStore.h"
#include "platform/dummy/MemoryDefaultsStore.h"
#include "support/Waiting.h"

#include <QHash>
#include <QTimer>
#include <QtTest>

namespace {

const QString claudeKey = QStringLiteral("sessionKey");
const QString openAIKey = QStringLiteral("openAISessionKey");

// A keyring whose collection may be missing or locked. Reading or writing while it is not
// unlocked is what makes a real one ask the user: that is counted as a prompt, and the user
// dismisses it (nothing is found, nothing is written).
class PromptingKeyring final : public SecretStore
{
public:
    Collection state = Collection::unlocked;
    QHash<QString, QString> secrets;
    int prompts = 0;
    int reads = 0;

    void unlock()
    {
        state = Collection::unlocked;
        if (onCollectionChanged)
            onCollectionChanged();
    }

    void collection(std::function<void(Collection)> then) override
    {
        later([this, then] { then(state); });
    }
    void read(const QString &name, Completion completion) override
    {
        ++reads;
        const bool asks = state != Collection::unlocked;
        prompts += asks;
        later([this, name, asks, completion] {
            completion(asks || !secrets.contains(name) ? Outcome{Outcome::Kind::notFound, std::nullopt, {}}
                                                       : Outcome::found(secrets.value(name)));
        });
    }
    void write(const QString &name, const QString &secret, Completion completion) override
    {
        const bool asks = state != Collection::unlocked;
        prompts += asks;
        if (!asks)
            secrets.insert(name, secret);
        later([asks, completion] {
            completion(asks ? Outcome{Outcome::Kind::unavailable, std::nullopt, QStringLiteral("dismissed")} : Outcome{});
        });
    }
    void remove(const QString &name, Completion completion) override
    {
        secrets.remove(name);
        later([completion] { completion({}); });
    }

private:
    static void later(std::function<void()> then) { QTimer::singleShot(0, std::move(then)); }
};

} // namespace

// A locked or missing keyring: figures never wait for what the file holds, nothing asks the
// user by itself, the user is asked at most once, and what the keyring keeps is read once unlocked.
class TestLockedKeyring : public QObject
{
    Q_OBJECT

private slots:
    void fileCredentialsNeverAsk_data()
    {
        QTest::addColumn<SecretStore::Collection>("state");
        QTest::newRow("locked") << SecretStore::Collection::locked;
        QTest::newRow("no collection yet") << SecretStore::Collection::absent;
    }

    void fileCredentialsNeverAsk()
    {
        QFETCH(SecretStore::Collection, state);
        MemoryDefaultsStore file;
        file.setString(claudeKey, QStringLiteral("sk-file"));
        PromptingKeyring keyring;
        keyring.state = state;
        keyring.secrets.insert(claudeKey, QStringLiteral("sk-older"));
        CredentialStore store(file, &keyring, {claudeKey});
        QCOMPARE(store.readiness(claudeKey), DefaultsStore::Readiness::ready); // before the keyring says anything
        QCOMPARE(store.string(claudeKey), QStringLiteral("sk-file"));
        store.load();
        QVERIFY(waitUntil([&] { return store.isLoaded(); }));
        QCOMPARE(store.location(claudeKey), CredentialStore::Location::file);
        QCOMPARE(keyring.prompts, 0);

        // Once the keyring can take it without asking, the credential moves there.
        keyring.unlock();
        QVERIFY(waitUntil([&] { return store.location(claudeKey) == CredentialStore::Location::keyring; }));
        QCOMPARE(keyring.secrets.value(claudeKey), QStringLiteral("sk-file"));
        QCOMPARE(file.string(claudeKey), std::nullopt);
        QCOMPARE(keyring.prompts, 0);
    }

    // A key the user stores may ask: the user chose to store it.
    void storingAKeyMayAsk()
    {
        MemoryDefaultsStore file;
        file.setString(claudeKey, QStringLiteral("sk-file"));
        PromptingKeyring keyring;
        keyring.state = SecretStore::Collection::absent;
        CredentialStore store(file, &keyring, {claudeKey});
        store.load();
        QVERIFY(waitUntil([&] { return store.isLoaded(); }));
        store.setString(claudeKey, QStringLiteral("sk-new"));
        QVERIFY(waitUntil([&] { return keyring.prompts == 1; }));
        QCOMPARE(store.string(claudeKey), QStringLiteral("sk-new"));
        QCOMPARE(file.string(claudeKey), QStringLiteral("sk-new")); // the prompt was dismissed: kept in the file
    }

    void lockedKeyringIsWaitedFor()
    {
        MemoryDefaultsStore file;
        PromptingKeyring keyring;
        keyring.state = SecretStore::Collection::locked;
        keyring.secrets = {{claudeKey, QStringLiteral("sk-kept")}, {openAIKey, QStringLiteral("tok-kept")}};
        CredentialStore store(file, &keyring, {claudeKey, openAIKey});
        bool ready = false;
        store.whenReady(claudeKey, [&] { ready = true; });
        store.load();
        QVERIFY(waitUntil([&] { return store.location(openAIKey) == CredentialStore::Location::locked
                                       && store.location(claudeKey) == CredentialStore::Location::locked; }));
        QCOMPARE(keyring.prompts, 1); // one dismissed prompt for both
        QCOMPARE(store.readiness(claudeKey), DefaultsStore::Readiness::locked);
        QCOMPARE(store.string(claudeKey), std::nullopt);
        QVERIFY(!ready);
        QVERIFY(file.values.isEmpty()); // nothing shadows the keyring's copies

        keyring.unlock();
        QVERIFY(waitUntil([&] { return store.isLoaded(); }));
        QVERIFY(ready);
        QCOMPARE(store.string(claudeKey), QStringLiteral("sk-kept"));
        QCOMPARE(store.string(openAIKey), QStringLiteral("tok-kept"));
        QCOMPARE(store.location(claudeKey), CredentialStore::Location::keyring);
        QCOMPARE(keyring.prompts, 1);
        QVERIFY(file.values.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLockedKeyring)
#include "tst_lockedkeyring.moc"
