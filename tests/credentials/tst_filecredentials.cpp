#include "credentials/CredentialStore.h"
#include "platform/linux/KeyringCollection.h"
#include "platform/qt/KeychainSecretStore.h"
#include "platform/qt/SettingsDefaultsStore.h"
#include "support/PrivateSessionBus.h"
#include "support/Waiting.h"

#include <QTemporaryDir>
#include <QtTest>

// Without a Secret Service the credentials stay in the private settings file, as before.
class TestFileCredentials : public QObject
{
    Q_OBJECT

    PrivateSessionBus m_bus; // a session bus on which nobody provides a keyring

private slots:
    void initTestCase() { QVERIFY(m_bus.start()); }

    void credentialsStayInTheFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Quotabar.json"));
        SettingsDefaultsStore(path).setString(QStringLiteral("sessionKey"), QStringLiteral("sk-file"));

        KeyringCollection collection(KeyringCollection::Backend::secretService, QDBusConnection::sessionBus());
        KeychainSecretStore keyring(QStringLiteral("app.quotabar.Test"), collection);
        SettingsDefaultsStore file(path);
        CredentialStore store(file, &keyring, {QStringLiteral("sessionKey"), QStringLiteral("openAISessionKey")});
        store.load();
        QVERIFY(waitUntil([&] { return store.isLoaded(); }, 30000));
        QCOMPARE(store.location(QStringLiteral("sessionKey")), CredentialStore::Location::file);
        QCOMPARE(store.location(QStringLiteral("openAISessionKey")), CredentialStore::Location::file);
        QCOMPARE(store.string(QStringLiteral("sessionKey")), QStringLiteral("sk-file"));

        store.setString(QStringLiteral("openAISessionKey"), QStringLiteral("tok-file"));
        store.remove(QStringLiteral("sessionKey"));
        const SettingsDefaultsStore reread(path);
        QCOMPARE(reread.string(QStringLiteral("openAISessionKey")), QStringLiteral("tok-file"));
        QCOMPARE(reread.string(QStringLiteral("sessionKey")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestFileCredentials)
#include "tst_filecredentials.moc"
