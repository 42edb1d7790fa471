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

    // An unchanged value is not written again; a write that fails says so.
    void writesOnlyWhatChanged()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("settings.json"));
        SettingsDefaultsStore store(path);
        store.setBoolean(QStringLiteral("claudeSessionExpired"), false);
        QVERIFY(QFile::remove(path));
        store.setBoolean(QStringLiteral("claudeSessionExpired"), false);
        QVERIFY(!QFile::exists(path));
        QVERIFY(!store.writeFailure());

        QFile blocker(folder.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsDefaultsStore unwritable(folder.filePath(QStringLiteral("blocker/settings.json")));
        unwritable.setBoolean(QStringLiteral("showClaude"), false);
        QVERIFY(unwritable.writeFailure());
    }

    // A link leads to the user's own file: its mode stays theirs, even when it is not JSON.
    void linkedFileKeepsItsMode()
    {
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("notes.txt"));
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not JSON");
        file.close();
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                                  | QFileDevice::ReadOther));
        const QString path = folder.filePath(QStringLiteral("Quotabar.json"));
        QVERIFY(QFile::link(target, path));
        SettingsDefaultsStore store(path);
        store.setBoolean(QStringLiteral("showClaude"), false);
        QCOMPARE(fileMode(target), 0644);
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

    void unreadableFileIsKeptAside_data()
    {
        QTest::addColumn<bool>("damagedWhileRunning");
        QTest::newRow("damaged before the start") << false;
        QTest::newRow("damaged by another program while running") << true;
    }

    // A damaged file is never overwritten: its bytes survive in a private copy beside it.
    void unreadableFileIsKeptAside()
    {
        QFETCH(bool, damagedWhileRunning);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Quotabar.json"));
        const QByteArray damaged =
            R"({"sessionKey": "sk-ant-1", "openAISessionKey": "tok-2", "onboardingCompleted": true,})";
        const auto damage = [&] {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(damaged);
        };

        std::optional<SettingsDefaultsStore> store;
        if (damagedWhileRunning) {
            store.emplace(path);
            store->setString(QStringLiteral("sessionKey"), QStringLiteral("old"));
            // A later modification time than the store's own write.
            QTRY_VERIFY(QFileInfo(path).lastModified() < QDateTime::currentDateTime());
            damage();
        } else {
            damage();
            store.emplace(path);
            QVERIFY(!store->object(QStringLiteral("sessionKey")).isValid());
        }
        store->setBoolean(QStringLiteral("claudeSessionExpired"), true);

        const QStringList kept = QDir(folder.path()).entryList({QStringLiteral("Quotabar.json.unreadable-*")});
        QCOMPARE(kept.size(), 1);
        QFile copy(folder.filePath(kept.first()));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), damaged);
        QCOMPARE(fileMode(copy.fileName()), 0600);
        QCOMPARE(fileMode(path), 0600);

        store.reset();
        const SettingsDefaultsStore reloaded(path);
        QCOMPARE(reloaded.boolean(QStringLiteral("claudeSessionExpired")), true);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2); // a readable file is left alone
    }
};

QTEST_GUILESS_MAIN(TestSettingsDefaultsStore)
#include "tst_settingsdefaultsstore.moc"
