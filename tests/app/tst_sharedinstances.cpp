#include "app/SharedInstances.h"
#include "pace/PaceTracker.h"
#include "support/ControllerHarness.h"
#include "support/RecordingNotices.h"

#include <QTemporaryDir>
#include <QtTest>

// The running application's wiring, with fakes for the fetchers, the desktop and the clock.
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
};

QTEST_GUILESS_MAIN(TestSharedInstances)
#include "tst_sharedinstances.moc"
