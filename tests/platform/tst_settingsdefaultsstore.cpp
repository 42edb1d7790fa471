#include "platform/qt/SettingsDefaultsStore.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

int fileMode(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return static_cast<int>(info.st_mode & 0777);
}

} // namespace

// The file-backed defaults store: types, persistence, privacy.
class TestSettingsDefaultsStore : public QObject
{
    Q_OBJECT

private slots:
    void valueTypesSurviveAReload()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Quotabar/Quotabar.json"));
        {
            SettingsDefaultsStore store(path);
            store.setBoolean(QStringLiteral("showClaude"), false);
            store.setString(QStringLiteral("showOpenAI"), QStringLiteral("no"));
            store.setNumber(QStringLiteral("refreshInterval"), 60.5);
            store.setString(QStringLiteral("sessionKey"), QStringLiteral("sk-ant é \"quoted\" = ; [x]"));
            store.setString(QStringLiteral("empty"), QString());
            store.setBoolean(QStringLiteral("gone"), true);
            store.remove(QStringLiteral("gone"));
        }
        const SettingsDefaultsStore reloaded(path);
        QCOMPARE(reloaded.object(QStringLiteral("showClaude")).typeId(), QMetaType::Bool);
        QCOMPARE(reloaded.boolean(QStringLiteral("showClaude")), false);
        QCOMPARE(reloaded.object(QStringLiteral("showOpenAI")).typeId(), QMetaType::QString);
        QCOMPARE(reloaded.string(QStringLiteral("showOpenAI")), std::optional(QStringLiteral("no")));
        QCOMPARE(reloaded.number(QStringLiteral("refreshInterval")), 60.5);
        QCOMPARE(reloaded.string(QStringLiteral("sessionKey")), std::optional(QStringLiteral("sk-ant é \"quoted\" = ; [x]")));
        QCOMPARE(reloaded.string(QStringLiteral("empty")), std::optional(QString()));
        QVERIFY(!reloaded.object(QStringLiteral("gone")).isValid());
        QCOMPARE(reloaded.string(QStringLiteral("refreshInterval")), std::nullopt);
    }

    void everyWriteReachesTheFileAtOnce()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("settings.json"));
        SettingsDefaultsStore writer(path);
        writer.setString(QStringLiteral("sessionKey"), QStringLiteral("one"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("\"one\""));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("settings.json")});
    }

    void fileIsPrivateToItsOwner()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("settings.json"));
        {
            SettingsDefaultsStore store(path);
            QCOMPARE(fileMode(path), 0600);
            store.setString(QStringLiteral("sessionKey"), QStringLiteral("secret"));
            QCOMPARE(fileMode(path), 0600);
        }
        // A file that was opened up by someone is made private again.
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0644) == 0);
        SettingsDefaultsStore store(path);
        QCOMPARE(fileMode(path), 0600);
        QCOMPARE(store.string(QStringLiteral("sessionKey")), std::optional(QStringLiteral("secret")));
    }

    void unreadableFileGivesNoValues()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("settings.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{ not json");
        file.close();
        const SettingsDefaultsStore store(path);
        QVERIFY(!store.object(QStringLiteral("sessionKey")).isValid());
        QCOMPARE(store.boolean(QStringLiteral("launchAtLogin")), false);
    }
};

QTEST_GUILESS_MAIN(TestSettingsDefaultsStore)
#include "tst_settingsdefaultsstore.moc"
