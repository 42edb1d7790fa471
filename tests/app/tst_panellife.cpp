#include "platform/linux/SniStatusItem.h"
#include "platform/linux/StatusBusObject.h"
#include "platform/qt/QuitGuard.h"
#include "statusbar/StatusMenu.h"
#include "support/BusProbe.h"
#include "support/MinimalWatcher.h"
#include "support/PrivateSessionBus.h"
#include "support/Waiting.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QEventLoopLocker>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

const char guardChild[] = "QUOTABAR_QUIT_GUARD_CHILD";

// Run as a child: the ways a library may ask a Qt program to quit, then the program's own.
int quitRequestsElsewhere(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QuitGuard guard;
    QTimer::singleShot(50, [] { delete new QEventLoopLocker; }); // the last lock going quits, by default
    QTimer::singleShot(100, [] { QCoreApplication::quit(); });
    QTimer::singleShot(400, [] {
        std::printf("alive\n");
        QuitGuard::quit();
    });
    return app.exec();
}

// What a clean exit never prints: sanitizer findings, the C library's heap checks, Qt's complaint
// of a connection made to nothing.
const QStringList faultMarks{QStringLiteral("Sanitizer"), QStringLiteral("runtime error"), QStringLiteral("double free"),
                             QStringLiteral("corruption"), QStringLiteral("invalid nullptr parameter")};

// Whether the process has entered main, where it holds or handles SIGTERM (before, the signal's
// default ends any program). Until its exec the process is still the launcher, which may hold
// signals for a moment of its own (unshare does on Debian 13): only the panel program counts.
bool inMain(qint64 pid)
{
    QFile name(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!name.open(QIODevice::ReadOnly)
        || name.readAll().trimmed() != QFileInfo(QStringLiteral(QUOTABAR_PANEL)).fileName().left(15).toLocal8Bit())
        return false;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    quint64 masks = 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigBlk:") || line.startsWith("SigCgt:"))
            masks |= line.mid(7).trimmed().toULongLong(nullptr, 16);
    }
    return masks & (quint64(1) << (SIGTERM - 1));
}

} // namespace

// The real panel program from start to end, on a private bus and off the network: it ends only by
// Quit or a termination signal, and then cleanly, whatever it was doing.
class TestPanelLife : public QObject
{
    Q_OBJECT

    PrivateSessionBus m_bus;
    MinimalWatcher m_watcher;
    QStringList m_offline; // the command that starts a program in a network namespace of its own

    struct Run
    {
        std::unique_ptr<QTemporaryDir> home;
        std::unique_ptr<QProcess> process;
    };

    Run start(const QString &desktop, bool keys)
    {
        Run run{std::make_unique<QTemporaryDir>(), std::make_unique<QProcess>()};
        const QString home = run.home->path();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
            const QString folder = home + QLatin1Char('/') + QLatin1String(name);
            QDir().mkpath(folder);
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            environment.insert(QLatin1String(name), folder);
        }
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), desktop);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (keys) {
            QDir().mkpath(home + QStringLiteral("/XDG_CONFIG_HOME/Quotabar"));
            QFile settings(home + QStringLiteral("/XDG_CONFIG_HOME/Quotabar/Quotabar.json"));
            settings.open(QIODevice::WriteOnly);
            settings.write(R"({"sessionKey": "sk-ant-test", "openAISessionKey": "test-token", "onboardingCompleted": true})");
        }
        run.process->setProcessEnvironment(environment);
        run.process->start(m_offline.first(), m_offline.mid(1) << QStringLiteral(QUOTABAR_PANEL));
        run.process->waitForStarted();
        return run;
    }

    bool published() const
    {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(StatusBusObject::serviceName).value();
    }

    static bool ended(QProcess &process) { return waitUntil([&] { return process.state() == QProcess::NotRunning; }, 20000); }

    static void verifyCleanEnd(QProcess &process)
    {
        QVERIFY(ended(process));
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        for (const QString &mark : faultMarks)
            QVERIFY2(!errors.contains(mark), qPrintable(errors));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    }

    void setWatcher(bool present)
    {
        QDBusConnection watcherBus(QStringLiteral("watcher"));
        QVERIFY(present ? watcherBus.registerService(SniStatusItem::watcherService)
                        : watcherBus.unregisterService(SniStatusItem::watcherService));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
        QDBusConnection watcherBus = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("watcher"));
        QVERIFY(watcherBus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &m_watcher,
                                          QDBusConnection::ExportAllContents));
        // Off the network, so that nothing the program does reaches a real host.
        m_offline = ::geteuid() == 0 ? QStringList{QStringLiteral("unshare"), QStringLiteral("--net"), QStringLiteral("--")}
                                     : QStringList{QStringLiteral("unshare"), QStringLiteral("--map-current-user"),
                                                   QStringLiteral("--net"), QStringLiteral("--")};
        if (QProcess::execute(m_offline.first(), m_offline.mid(1) << QStringLiteral("true")) != 0)
            QSKIP("This system gives no network namespace to run the program in.");
    }

    void init()
    {
        m_watcher.registrations.clear();
        m_watcher.host = true;
    }

    void cleanup()
    {
        QDBusConnection(QStringLiteral("watcher")).unregisterService(SniStatusItem::watcherService);
    }

    void quitRequestsFromElsewhereAreIgnored()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(guardChild), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardOutput(), QByteArray("alive\n"));
    }

    // Started and ended in many states: at once, while starting, with items shown or only tray icons,
    // during the first fetches, with the welcome guide open; by each termination signal and by Quit.
    void endsCleanly_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("watcher");
        QTest::addColumn<bool>("keys");
        QTest::addColumn<int>("afterMs"); // after the program is up; -1: before it is
        QTest::addColumn<int>("how");     // a signal, or 0 for the menu's Quit

        QTest::newRow("at once") << "KDE" << true << true << -1 << SIGTERM;
        QTest::newRow("items, fetching") << "KDE" << true << true << 0 << SIGTERM;
        QTest::newRow("items, fetches failed") << "XFCE" << true << true << 800 << SIGTERM;
        QTest::newRow("items, interrupt") << "GNOME" << true << true << 300 << SIGINT;
        QTest::newRow("items, hang-up") << "MATE" << true << false << 300 << SIGHUP;
        QTest::newRow("items, menu's Quit") << "KDE" << true << true << 500 << 0;
        QTest::newRow("tray icons, welcome guide") << "Budgie:GNOME" << false << false << 600 << SIGTERM;
        QTest::newRow("tray icons, fetching") << "XFCE" << false << true << 0 << SIGTERM;
    }

    void endsCleanly()
    {
        QFETCH(QString, desktop);
        QFETCH(bool, watcher);
        QFETCH(bool, keys);
        QFETCH(int, afterMs);
        QFETCH(int, how);
        if (watcher)
            setWatcher(true);
        for (int round = 0; round < 2; ++round) {
            m_watcher.registrations.clear();
            Run run = start(desktop, keys);
            if (afterMs < 0) {
                // Where /proc tells main's signal mask only fleetingly (Debian 13), the bus name,
                // taken in main, stands in for it.
                if (!waitUntil([&] { return inMain(run.process->processId()); }))
                    QVERIFY(waitUntil([&] { return published(); }, 10000));
            } else {
                QVERIFY(waitUntil([&] { return published(); }, 10000));
                if (watcher)
                    QVERIFY(waitUntil([&] { return !m_watcher.registrations.isEmpty(); }, 10000));
                QTest::qWait(afterMs);
            }
            if (how != 0) {
                ::kill(pid_t(run.process->processId()), how);
            } else {
                BusProbe::menuEvent(m_watcher.registrations.first(), StatusMenu::quit, QStringLiteral("clicked"));
            }
            verifyCleanEnd(*run.process);
        }
    }

    // A panel host that starts after the program (as at login), goes, and comes back never ends it.
    void survivesTheTrayHostComingAndGoing()
    {
        Run run = start(QStringLiteral("KDE"), true);
        QVERIFY(waitUntil([&] { return published(); }, 10000));
        setWatcher(true);
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == 2; }, 10000));
        setWatcher(false);
        QTest::qWait(300);
        QCOMPARE(run.process->state(), QProcess::Running);
        m_watcher.registrations.clear();
        setWatcher(true);
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == 2; }, 10000));
        QTest::qWait(300);
        QCOMPARE(run.process->state(), QProcess::Running);
        ::kill(pid_t(run.process->processId()), SIGTERM);
        verifyCleanEnd(*run.process);
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(guardChild))
        return quitRequestsElsewhere(argc, argv);
    QCoreApplication app(argc, argv);
    TestPanelLife test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_panellife.moc"
