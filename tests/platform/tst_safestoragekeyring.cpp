#include "platform/linux/SafeStorageKeyring.h"
#include "support/BusProbe.h"
#include "support/PrivateKeyring.h"
#include "support/PrivateSessionBus.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QProcess>
#include <QtTest>

namespace {

using Kind = BrowserKeyring::Lookup::Kind;

// Stores a password as Chromium does: its schema's attributes, labelled "<name> Safe Storage".
bool storeAsChromium(const QString &name, const QString &application, const QByteArray &password)
{
    QProcess tool;
    tool.start(QStringLiteral("secret-tool"),
               {QStringLiteral("store"), QStringLiteral("--label=%1").arg(name), QStringLiteral("xdg:schema"),
                QStringLiteral("chrome_libsecret_os_crypt_password_v2"), QStringLiteral("application"), application});
    if (!tool.waitForStarted(5000))
        return false;
    tool.write(password);
    tool.closeWriteChannel();
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

} // namespace

Q_DECLARE_METATYPE(Kind)

// The Chromium family's password from a Secret Service of the test's own.
class TestSafeStorageKeyring : public QObject
{
    Q_OBJECT

    PrivateSessionBus m_bus;
    std::optional<PrivateKeyring> m_keyring;

    SafeStorageKeyring keyring() const
    {
        return SafeStorageKeyring(KeyringCollection::Backend::secretService, QDBusConnection::sessionBus());
    }

private slots:
    void initTestCase() { QVERIFY(m_bus.start()); }

    void withoutSecretServiceItIsUnavailable()
    {
        QCOMPARE(keyring().safeStoragePassword({QStringLiteral("Chrome")}).kind, Kind::unavailable);
    }

    void findsThePasswordOfTheBrowser_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QByteArray>("secret");
        QTest::newRow("Chrome") << QStringList{QStringLiteral("Chrome")} << Kind::found << QByteArray("chrome-pw");
        QTest::newRow("Edge under Chromium's name")
            << QStringList{QStringLiteral("Microsoft Edge"), QStringLiteral("Chromium")} << Kind::found << QByteArray("chromium-pw");
        QTest::newRow("Brave by its attributes, whatever its label")
            << QStringList{QStringLiteral("Brave")} << Kind::found << QByteArray("brave-pw");
        QTest::newRow("a browser never started") << QStringList{QStringLiteral("Vivaldi")} << Kind::notFound << QByteArray();
    }

    void findsThePasswordOfTheBrowser()
    {
        QFETCH(QStringList, names);
        QFETCH(Kind, kind);
        QFETCH(QByteArray, secret);
        if (!m_keyring) {
            m_keyring.emplace();
            QVERIFY(m_keyring->start());
            QVERIFY(storeAsChromium(QStringLiteral("Chrome Safe Storage"), QStringLiteral("chrome"), "chrome-pw"));
            QVERIFY(storeAsChromium(QStringLiteral("Chromium Safe Storage"), QStringLiteral("chromium"), "chromium-pw"));
            QVERIFY(storeAsChromium(QStringLiteral("Brave Browser Keys"), QStringLiteral("brave"), "brave-pw"));
        }
        const BrowserKeyring::Lookup lookup = keyring().safeStoragePassword(names);
        QCOMPARE(lookup.kind, kind);
        QCOMPARE(lookup.secret, secret);
        QVERIFY(!lookup.reason.contains(QLatin1String("-pw")));
    }

    void lockedKeyringIsToldAndLeftLocked()
    {
        QVERIFY(m_keyring);
        const auto secretService = [](const QString &method, const QVariant &argument) {
            return BusProbe::call(QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
                                  QStringLiteral("org.freedesktop.Secret.Service"), method, {argument});
        };
        const QDBusMessage collection = secretService(QStringLiteral("ReadAlias"), QStringLiteral("default"));
        QVERIFY(!collection.arguments().isEmpty());
        const QDBusObjectPath path = collection.arguments().constFirst().value<QDBusObjectPath>();
        QCOMPARE(secretService(QStringLiteral("Lock"), QVariant::fromValue(QList<QDBusObjectPath>{path})).type(),
                 QDBusMessage::ReplyMessage);

        const BrowserKeyring::Lookup lookup = keyring().safeStoragePassword({QStringLiteral("Chrome")});
        QCOMPARE(lookup.kind, Kind::locked);
        QVERIFY(lookup.secret.isEmpty());
        QCOMPARE(BusProbe::property(QStringLiteral("org.freedesktop.secrets"), path.path(),
                                    QStringLiteral("org.freedesktop.Secret.Collection"), QStringLiteral("Locked")),
                 QVariant(true));
    }
};

QTEST_GUILESS_MAIN(TestSafeStorageKeyring)
#include "tst_safestoragekeyring.moc"
