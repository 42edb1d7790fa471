// Runs the status bar controller through a simulated week in a countdown format and reports
// how often the title is redrawn per day; then starts the real program and reports its
// resident memory once it is idle.
//
//   build/benchmarks/bench_statusbar

#include "support/ControllerHarness.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

using namespace std::chrono_literals;

namespace {

// The next five-hourly reset of a session window that began at `start`.
QDateTime nextReset(const QDateTime &start, const QDateTime &now)
{
    QDateTime reset = start;
    while (reset <= now)
        reset = reset.addSecs(5 * 3600);
    return reset;
}

void simulateWeek(DisplayFormat format)
{
    ControllerHarness<FakeStatusItem> h;
    h.settings.setDisplayFormat(format);
    h.start();
    const QDateTime firstReset = h.clock.now().addSecs(2 * 3600 + 600);

    int answered = 0;
    for (int day = 1; day <= 7; ++day) {
        const int redrawsBefore = h.item.redraws;
        const int fetchesBefore = h.claude.fetches;
        const QDateTime end = h.clock.now().addDays(1);
        while (h.clock.now() < end) {
            // Answer every pending fetch right away, as a fast network would.
            while (answered < h.claude.fetches) {
                ++answered;
                UsageData record = h.claudeRecord(0, 3 * 86400);
                record.sessionResetAt = nextReset(firstReset, h.clock.now());
                h.claude.deliver(record);
            }
            h.scheduler.advance(1s);
        }
        std::printf("  %-16s day %d: %4d title redraws, %4d fetches\n", qPrintable(DisplayFormats::rawValue(format)),
                    day, h.item.redraws - redrawsBefore, h.claude.fetches - fetchesBefore);
    }
}

qint64 residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void measureIdleMemory()
{
    QTemporaryDir home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    if (!environment.contains(QStringLiteral("DISPLAY")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUOTABAR_BINARY), {});
    if (!program.waitForStarted()) {
        std::printf("  could not start %s\n", QUOTABAR_BINARY);
        return;
    }
    QThread::sleep(3); // settled, and before the update check at five seconds
    std::printf("  idle resident memory: %lld KiB (no credentials stored, %s)\n", residentKiB(program.processId()),
                environment.contains(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")) ? "with a session bus"
                                                                                  : "no session bus");
    program.kill();
    program.waitForFinished();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("Title redraws over a simulated week (Claude session window resetting every 5 h):\n");
    for (const DisplayFormat format : DisplayFormats::allCases)
        simulateWeek(format);
    std::printf("Idle process:\n");
    measureIdleMemory();
    return 0;
}
