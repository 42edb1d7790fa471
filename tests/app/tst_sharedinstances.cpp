#include "app/AppDelegate.h"
#include "app/DefaultsKeys.h"
#include "app/SharedInstances.h"
#include "pace/PaceTracker.h"
#include "platform/dummy/DummyPlatform.h"
#include "support/ControllerHarness.h"
#include "support/FakeWebServer.h"
#include "support/RecordingNotices.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

// The running application's wiring: its parts with fakes for the fetchers, the desktop and the
// clock, and the whole of it on the dummy platform.
class TestSharedInstances : public QObject
{
    Q_OBJECT

private slots:
    // A record the controller stores reaches the desktop notices and the pace text of the menu.
    void aRecordReachesTheNoticesAndThePace()
    {
        QTemporaryDir folder;
        ControllerHarness<FakeStatusItem> h;
        h.start();
        RecordingNotices notices;
        PaceTracker pace(folder.filePath(QStringLiteral("history.jsonl")), h.clock);
        SharedInstances::followRecords(*h.controller,
                                       {h.settings, notices, h.clock, h.scheduler, pace, h.records, h.accounts, [] {}});

        // 1.5 % a minute: 15 % left after ten minutes, out ten minutes later.
        const QDateTime reset = h.clock.now().addSecs(5 * 3600);
        for (const double used : {70.0, 77.5, 85.0}) {
            if (used > 70)
                h.scheduler.advance(std::chrono::minutes(5));
            UsageData record = h.claudeRecord();
            record.sessionPercentage = used;
            record.sessionResetAt = reset;
            h.claude.deliver(record);
        }
        QCOMPARE(notices.shown.size(), 1);
        QCOMPARE(notices.shown[0].second.summary, QStringLiteral("Claude session: 15% left"));
        QCOMPARE(h.controller->menu().item(StatusMenu::claudeSessionItem).title,
                 QStringLiteral("Session  15%  Session resets in 4 hr.  · runs out in ~10 min."));
        QCOMPARE(pace.history().entries().size(), 3);
    }

    // The program as main() starts it, on the dummy platform without a session bus: a usage the
    // loopback server answers reaches the panel's menu, the panel item and the status others read.
    void theWholeProgramRunsOnTheDummyPlatform()
    {
        QVERIFY(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"));
        FakeWebServer server;
        const QDateTime reset = QDateTime::currentDateTimeUtc().addSecs(3 * 3600 + 600);
        server.route("/api/account", {200, R"({"memberships":[{"organization":{"uuid":"org-1"}}]})"});
        server.route("/api/organizations/org-1/usage",
                     {200, R"({"five_hour":{"utilization":40,"resets_at":")" + reset.toString(Qt::ISODate).toLatin1()
                               + R"("},"seven_day":{"utilization":75,"resets_at":"2099-01-01T00:00:00Z"}})"});
        DummyPlatform platform({{{DefaultsKeys::sessionKey, QStringLiteral("sk-ant-sid01-key")},
                                 {DefaultsKeys::onboardingCompleted, true}},
                                QUrl(server.origin())});
        SharedInstances::usePlatform(platform);
        {
            AppDelegate delegate(platform);
            delegate.applicationDidFinishLaunching();
            const DummyPlatform::Shown &shown = platform.shown();
            const auto sessionRow = [&] {
                for (const StatusMenuRow &row : shown.rows) {
                    if (row.id == StatusMenu::claudeSessionItem)
                        return row.title;
                }
                return QString();
            };
            QTRY_VERIFY2(sessionRow().startsWith(QStringLiteral("Session  60%  Session resets in 3 hr.")),
                         qPrintable(sessionRow()));
            QCOMPARE(server.requestedPaths(),
                     (QList<QByteArray>{"/api/account", "/api/organizations/org-1/usage"}));
            QVERIFY(std::any_of(shown.segments.cbegin(), shown.segments.cend(), [](const StatusSegment &segment) {
                return segment.toolTipText.contains(QStringLiteral("60%"));
            }));
            QVERIFY(shown.published.status);
            QVERIFY2(shown.published.status().contains(QStringLiteral("60")), qPrintable(shown.published.status()));
        }
        SharedInstances::endAll();
    }
};

// The whole program is started without a session bus, a display or the user's folders: whatever
// it writes goes to a folder of its own, and nothing it does can reach a bus.
int main(int argc, char *argv[])
{
    const QTemporaryDir home;
    for (const char *folder : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                               "XDG_RUNTIME_DIR", "CLAUDE_CONFIG_DIR", "CODEX_HOME"})
        qputenv(folder, home.path().toLocal8Bit());
    for (const char *away : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY"})
        qunsetenv(away);
    QApplication app(argc, argv);
    TestSharedInstances test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_sharedinstances.moc"
