#include "pace/DurationText.h"
#include "pace/Forecast.h"
#include "pace/PaceTracker.h"
#include "support/ControllerHarness.h"

#include <QTemporaryDir>
#include <QtTest>
#include <QTimeZone>

namespace {

const QDateTime start(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc());

// "minute:used@resetMinute ..." as points measured from `start`.
QList<Pace::Point> series(const QString &script)
{
    QList<Pace::Point> points;
    for (const QString &token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList timeAndRest = token.split(QLatin1Char(':'));
        const QStringList usedAndReset = timeAndRest[1].split(QLatin1Char('@'));
        Pace::Point point{start.addSecs(timeAndRest[0].toLongLong() * 60).toSecsSinceEpoch(), usedAndReset[0].toDouble(),
                          std::nullopt};
        if (usedAndReset.size() > 1)
            point.resetAt = start.addSecs(usedAndReset[1].toLongLong() * 60).toSecsSinceEpoch();
        points.append(point);
    }
    return points;
}

} // namespace

// The pace forecast on synthetic series, its texts, and its place in the menu.
class TestPace : public QObject
{
    Q_OBJECT

private slots:
    void forecastSuffix_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("nowMinute");
        QTest::addColumn<QString>("suffix");

        const QString steady = QStringLiteral("0:40@%1 5:41@%1 10:42@%1 15:43@%1 20:44@%1 25:45@%1 30:46@%1");
        QTest::newRow("steady burn, out before the reset")
            << steady.arg(400) << 30 << QStringLiteral("  · runs out in ~4 hr. 30 min.");
        QTest::newRow("steady burn, measured from now") << steady.arg(400) << 90 << QStringLiteral("  · runs out in ~3 hr. 30 min.");
        QTest::newRow("steady burn, lasts") << steady.arg(200) << 30 << QStringLiteral("  · lasts until reset");
        QTest::newRow("idle") << QStringLiteral("0:40@100 10:40@100 20:40@100") << 20
                              << QStringLiteral("  · lasts until reset");
        QTest::newRow("reset in the middle: only the new period counts")
            << QStringLiteral("0:90@60 10:95@60 20:99@60 70:2@360 75:4@360 80:6@360") << 80
            << QStringLiteral("  · runs out in ~3 hr. 55 min.");
        QTest::newRow("a new reset instant starts a new period")
            << QStringLiteral("0:1@60 10:2@60 70:4@360 75:6@360 80:8@360") << 80
            << QStringLiteral("  · runs out in ~3 hr. 50 min.");
        QTest::newRow("a drop in use is a reset too")
            << QStringLiteral("0:90@300 10:95@300 20:1@300 30:2@300") << 30 << QString();
        QTest::newRow("too few samples") << QStringLiteral("0:40@300 20:50@300") << 20 << QString();
        QTest::newRow("less than 10 minutes") << QStringLiteral("0:40@300 4:45@300 9:50@300") << 9 << QString();
        QTest::newRow("no reset instant") << QStringLiteral("0:40 10:45 20:50") << 20 << QString();
        QTest::newRow("already used up") << QStringLiteral("0:90@300 10:95@300 20:100@300") << 20 << QString();
    }

    void forecastSuffix()
    {
        QFETCH(QString, script);
        QFETCH(int, nowMinute);
        QFETCH(QString, suffix);
        QCOMPARE(Pace::menuSuffix(Pace::forecast(series(script)), start.addSecs(nowMinute * 60)), suffix);
    }

    void durationPhrases_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("under a minute") << qint64(20) << "1 min.";
        QTest::newRow("minutes, rounded") << qint64(25 * 60 + 31) << "26 min.";
        QTest::newRow("whole hour") << qint64(3600) << "1 hr.";
        QTest::newRow("hours and minutes") << qint64(72 * 60) << "1 hr. 12 min.";
        QTest::newRow("one day") << qint64(25 * 3600 + 100) << "1 day 1 hr.";
        QTest::newRow("days") << qint64(2 * 86400) << "2 days";
    }

    void durationPhrases()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, phrase);
        QCOMPARE(DurationText::phrase(seconds), phrase);
    }

    void menuRowsEndWithTheForecast()
    {
        QTemporaryDir folder;
        ControllerHarness<FakeStatusItem> h;
        h.start();
        PaceTracker pace(folder.filePath(QStringLiteral("history.jsonl")), h.clock);
        pace.follow(h.records, h.accounts);
        h.controller->menu().setRowSuffix([&pace](const AccountId &id, Window window) { return pace.rowSuffix(id, window); });
        const QDateTime reset = h.clock.now().addSecs(5 * 3600);
        // A second Claude account, stored at the same times at a fifth of the first one's use.
        const AccountId work = h.accounts.add(Account{{}, Provider::claude, QStringLiteral("Work")});
        const auto deliver = [&h, &reset, &work](double sessionUsed) {
            UsageData record;
            record.sessionPercentage = sessionUsed;
            record.weeklyPercentage = 30;
            record.sessionResetAt = reset;
            record.weeklyResetAt = reset.addDays(3);
            record.sessionLabel = QStringLiteral("Session resets in 5 hr.");
            record.fetchedAt = h.clock.now();
            h.claude.deliver(record);
            record.sessionPercentage = sessionUsed / 5;
            h.records.store(work, ProviderUsage::from(record));
            h.scheduler.advance(std::chrono::minutes(5));
        };
        const StatusMenu &menu = h.controller->menu();
        deliver(40);
        deliver(45);
        QCOMPARE(menu.item(StatusMenu::claudeSessionItem).title, QStringLiteral("Session  55%  Session resets in 4 hr."));
        deliver(50);
        // 1 % a minute from 50 % at minute 10: out at minute 60.
        QCOMPARE(menu.item(StatusMenu::claudeSessionItem).title,
                 QStringLiteral("Session  50%  Session resets in 4 hr.  · runs out in ~50 min."));
        QCOMPARE(menu.item(StatusMenu::claudeWeeklyItem).title, QStringLiteral("Weekly  70%  Weekly resets in 3 days  · lasts until reset"));
        QCOMPARE(pace.rowSuffix(work, Window::session), QStringLiteral("  · lasts until reset"));
        QCOMPARE(pace.history().entries().size(), 6);

        // Redraws without a new record keep nothing; the menu reads the time when it opens.
        h.controller->appearanceChanged();
        QCOMPARE(pace.history().entries().size(), 6);
        h.item.openMenu();
        QCOMPARE(menu.item(StatusMenu::claudeSessionItem).title,
                 QStringLiteral("Session  50%  Session resets in 4 hr.  · runs out in ~45 min."));
        QCOMPARE(menu.item(StatusMenu::openAISessionItem).title, QStringLiteral("Session  —"));
    }
};

QTEST_GUILESS_MAIN(TestPace)
#include "tst_pace.moc"
