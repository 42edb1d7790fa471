#include "app/LaunchAtLoginHelper.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/XdgAutostart.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {

// Captures what is printed on standard output while `work` runs.
template<typename Work>
QByteArray standardOutputOf(Work work)
{
    std::fflush(stdout);
    QTemporaryFile capture;
    capture.open();
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(capture.handle(), STDOUT_FILENO);
    work();
    std::fflush(stdout);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    capture.seek(0);
    return capture.readAll();
}

} // namespace

// Login items as XDG autostart entries, and the one-copy lock.
class TestDesktopServices : public QObject
{
    Q_OBJECT

private slots:
    void autostartEntryAppearsAndDisappears()
    {
        QTemporaryDir config;
        XdgAutostart autostart(QStringLiteral("/opt/Quo tabar/bin/quotabar%1"), config.filePath(QStringLiteral("autostart")));
        QByteArray printed = standardOutputOf([&] { LaunchAtLoginHelper::setEnabled(autostart, true); });
        QVERIFY(printed.isEmpty());
        QFile entry(autostart.entryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray content = entry.readAll();
        QVERIFY(content.startsWith("[Desktop Entry]\n"));
        QVERIFY(content.contains("\nType=Application\n"));
        QVERIFY2(content.contains("\nExec=\"/opt/Quo tabar/bin/quotabar%%1\"\n"), content.constData());
        entry.close();

        // Registering twice keeps one entry; unregistering twice is no error.
        printed = standardOutputOf([&] {
            LaunchAtLoginHelper::setEnabled(autostart, true);
            LaunchAtLoginHelper::setEnabled(autostart, false);
            LaunchAtLoginHelper::setEnabled(autostart, false);
        });
        QVERIFY(printed.isEmpty());
        QVERIFY(!QFile::exists(autostart.entryPath()));
    }

    void loginEntryStartsTheInstalledPath_data()
    {
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("started");
        QTest::newRow("installed program") << "bin/quotabar" << "bin/quotabar" << "bin/quotabar";
        QTest::newRow("installed program behind a link") << "lib/quotabar" << "bin/quotabar" << "bin/quotabar";
        QTest::newRow("build tree") << "build/quotabar" << "bin/quotabar" << "build/quotabar";
        QTest::newRow("nothing installed") << "build/quotabar" << "none/quotabar" << "build/quotabar";
    }

    void loginEntryStartsTheInstalledPath()
    {
        QFETCH(QString, running);
        QFETCH(QString, installed);
        QFETCH(QString, started);
        QTemporaryDir root;
        for (const char *folder : {"bin", "lib", "build"})
            QVERIFY(QDir(root.path()).mkdir(QLatin1String(folder)));
        for (const char *program : {"lib/quotabar", "build/quotabar"}) {
            QFile file(root.filePath(QLatin1String(program)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link(QStringLiteral("../lib/quotabar"), root.filePath(QStringLiteral("bin/quotabar"))));
        QCOMPARE(LaunchAtLoginHelper::programPath(root.filePath(running), root.filePath(installed)), root.filePath(started));
    }

    void blockedFolderPrintsOneLine()
    {
        QTemporaryDir config;
        // A file where the autostart folder should be: nothing can be created below it.
        QFile blocker(config.filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        XdgAutostart autostart(QStringLiteral("/usr/bin/quotabar"), blocker.fileName());
        const QByteArray printed = standardOutputOf([&] { LaunchAtLoginHelper::setEnabled(autostart, true); });
        QVERIFY2(printed.startsWith("LaunchAtLogin error: "), printed.constData());
        QCOMPARE(printed.count('\n'), 1);
        QVERIFY(printed.endsWith('\n'));
        QVERIFY(printed.size() > int(strlen("LaunchAtLogin error: \n")));
    }

    void onlyOneCopyHoldsTheLock()
    {
        QTemporaryDir runtime;
        const QString path = runtime.filePath(QStringLiteral("quotabar.lock"));
        auto first = std::make_unique<SingleInstance>(path);
        QVERIFY(first->acquire());
        SingleInstance second(path);
        QVERIFY(!second.acquire());
        first.reset(); // the first copy quits
        SingleInstance third(path);
        QVERIFY(third.acquire());
    }
};

QTEST_GUILESS_MAIN(TestDesktopServices)
#include "tst_desktopservices.moc"
