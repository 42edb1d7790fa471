#include "app/LaunchAtLoginHelper.h"
#include "platform/linux/TerminationSignals.h"
#include "platform/linux/WallClockMonitor.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/XdgAutostart.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <ctime>
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

// Login items as XDG autostart entries, the one-copy lock, and what the system tells of time and network.
class TestDesktopServices : public QObject
{
    Q_OBJECT

private slots:
    void autostartExecLine_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("exec"); // empty: the path is refused with an error line
        QTest::newRow("plain") << QStringLiteral("/usr/bin/quotabar") << QByteArray("\"/usr/bin/quotabar\"");
        QTest::newRow("spaces and quotes") << QStringLiteral("/opt/Quo tabar/it's/quotabar")
                                           << QByteArray("\"/opt/Quo tabar/it's/quotabar\"");
        QTest::newRow("shell specials") << QStringLiteral("/opt/a\"b/$HOME/`x`;=/quotabar")
                                        << QByteArray("\"/opt/a\\\\\"b/\\\\$HOME/\\\\`x\\\\`;=/quotabar\"");
        QTest::newRow("percent") << QStringLiteral("/opt/100%/quotabar") << QByteArray();
        QTest::newRow("backslash") << QStringLiteral("/opt/a\\b/quotabar") << QByteArray();
        QTest::newRow("line break") << QStringLiteral("/opt/a\nExec=evil/quotabar") << QByteArray();
    }

    // The entry must start the program under GLib's and systemd's launchers alike, or fail loudly.
    void autostartExecLine()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, exec);
        QTemporaryDir config;
        XdgAutostart autostart(path, config.filePath(QStringLiteral("autostart")));
        const QByteArray printed = standardOutputOf([&] { LaunchAtLoginHelper::setEnabled(autostart, true); });
        if (exec.isEmpty()) {
            QVERIFY2(printed.startsWith("LaunchAtLogin error: "), printed.constData());
            QCOMPARE(printed.count('\n'), 1);
            QVERIFY(!QFile::exists(autostart.entryPath()));
            return;
        }
        QVERIFY2(printed.isEmpty(), printed.constData());
        QFile entry(autostart.entryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray content = entry.readAll();
        QVERIFY(content.startsWith("[Desktop Entry]\n"));
        QVERIFY(content.contains("\nType=Application\n"));
        QVERIFY2(content.contains("\nExec=" + exec + "\n"), content.constData());

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validator.isEmpty()) {
            QProcess validate;
            validate.start(validator, {autostart.entryPath()});
            QVERIFY(validate.waitForFinished());
            const QByteArray complaints = validate.readAllStandardOutput() + validate.readAllStandardError();
            QVERIFY2(validate.exitCode() == 0 && !complaints.contains("error"), complaints.constData());
        }
    }

    void autostartEntryAppearsAndDisappears()
    {
        QTemporaryDir config;
        XdgAutostart autostart(QStringLiteral("/usr/bin/quotabar"), config.filePath(QStringLiteral("autostart")));
        // Registering twice keeps one entry; unregistering twice is no error.
        const QByteArray printed = standardOutputOf([&] {
            LaunchAtLoginHelper::setEnabled(autostart, true);
            LaunchAtLoginHelper::setEnabled(autostart, true);
            QVERIFY(QFile::exists(autostart.entryPath()));
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

    // Setting the clock (to the time it already shows) is announced. It sets the host's clock, so it
    // runs only when asked to (QUOTABAR_TEST_SETS_CLOCK=1) and allowed to (CAP_SYS_TIME).
    void wallClockSetIsAnnounced()
    {
        if (qEnvironmentVariableIntValue("QUOTABAR_TEST_SETS_CLOCK") != 1)
            QSKIP("sets the host's clock: run with QUOTABAR_TEST_SETS_CLOCK=1");
        WallClockMonitor monitor;
        QSignalSpy changed(&monitor, &WallClockMonitor::changed);
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        if (::clock_settime(CLOCK_REALTIME, &now) != 0)
            QSKIP("this process may not set the clock");
        QVERIFY(changed.wait(2000));
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

    // The default lock is in the session's runtime folder, and SIGTERM (as at logout) ends the
    // program the way Quit does, which removes it.
    void terminationRemovesTheLock()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        auto instance = std::make_unique<SingleInstance>();
        QVERIFY(instance->acquire());
        const QString lockFile = runtime.filePath(QStringLiteral("quotabar.lock"));
        QVERIFY(QFile::exists(lockFile));

        TerminationSignals termination([&] { instance.reset(); });
        std::raise(SIGTERM);
        QTRY_VERIFY(!instance);
        QVERIFY(!QFile::exists(lockFile));
    }
};

QTEST_GUILESS_MAIN(TestDesktopServices)
#include "tst_desktopservices.moc"
