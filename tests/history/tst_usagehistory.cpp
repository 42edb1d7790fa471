#include "history/UsageHistory.h"

#include <QtTest>
#include <QTimeZone>

using namespace UsageHistory;

namespace {

// Sunday 6 December 2026, 12:00 UTC: whole hours and ten-minute steps start here.
const qint64 start = QDateTime(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc()).toSecsSinceEpoch();

qint64 minute(double minutes)
{
    return start + qint64(minutes * 60);
}

// "minute:left@resetMinute ..." as samples measured from `start`.
QList<Point> script(const QString &text)
{
    QList<Point> points;
    for (const QString &token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList timeAndRest = token.split(QLatin1Char(':'));
        const QStringList leftAndReset = timeAndRest[1].split(QLatin1Char('@'));
        Point point{minute(timeAndRest[0].toDouble()), leftAndReset[0].toDouble(), std::nullopt};
        if (leftAndReset.size() > 1)
            point.resetAt = minute(leftAndReset[1].toDouble());
        points.append(point);
    }
    return points;
}

// The samples back in the script's form, without reset instants.
QString shorthand(const QList<Point> &points)
{
    QStringList tokens;
    for (const Point &point : points)
        tokens << QStringLiteral("%1:%2").arg((point.at - start) / 60).arg(point.left);
    return tokens.join(QLatin1Char(' '));
}

} // namespace

// The figures the history window draws: steps, resets, the even pace and the limit hits.
class TestUsageHistory : public QObject
{
    Q_OBJECT

private slots:
    void bucketsAndResets_data()
    {
        QTest::addColumn<QString>("samples");
        QTest::addColumn<bool>("week");
        QTest::addColumn<int>("nowMinute");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<int>>("resetMinutes");

        QTest::newRow("day: the last sample of each ten minutes")
            << "0:90@300 3:89@300 7:88@300 12:87@300" << false << 20 << "7:88 12:87" << QList<int>{};
        QTest::newRow("a reset inside a step keeps both sides of it")
            << "0:10@5 3:2@5 6:100@305 9:99@305" << false << 20 << "3:2 9:99" << QList<int>{5};
        QTest::newRow("week: the last sample of each hour")
            << "0:90@9000 30:80@9000 61:70@9000" << true << 70 << "30:80 61:70" << QList<int>{};
        QTest::newRow("older than the span, or ahead of now, is left out")
            << "0:90@9000 70:80@9000 1490:70@9000 1510:60@9000" << false << 1500 << "70:80 1490:70"
            << QList<int>{};
        QTest::newRow("a week keeps what a day leaves out")
            << "0:90@9000 70:80@9000 1490:70@9000" << true << 1500 << "0:90 70:80 1490:70" << QList<int>{};
        QTest::newRow("resets at their instants, a climb without one at the first record")
            << "0:50@60 70:100@360 400:90@660 500:20@660 520:80@660" << false << 600 << "0:50 70:100 400:90 500:20 520:80"
            << QList<int>{60, 360, 520};
        QTest::newRow("a reset instant that moves while the window is used is followed")
            << "0:50@60 30:40@75 80:30@400" << false << 100 << "0:50 30:40 80:30" << QList<int>{75};
    }

    void bucketsAndResets()
    {
        QFETCH(QString, samples);
        QFETCH(bool, week);
        QFETCH(int, nowMinute);
        QFETCH(QString, shown);
        QFETCH(QList<int>, resetMinutes);

        const Span span = week ? Span::week : Span::day;
        const QList<Point> points = script(samples);
        QCOMPARE(shorthand(bucketed(points, span, minute(nowMinute))), shown);
        QList<int> found;
        for (const qint64 at : resets(points, minute(nowMinute) - spanSeconds(span), minute(nowMinute)))
            found << int((at - start) / 60);
        QCOMPARE(found, resetMinutes);
    }

    void paceLine_data()
    {
        QTest::addColumn<QString>("samples");
        QTest::addColumn<bool>("weekly");
        QTest::addColumn<QList<double>>("leftAtMinutes"); // pairs: minute, left on the even pace
        QTest::addColumn<QString>("standing");

        QTest::newRow("session three hours before its reset")
            << "0:80@180" << false << QList<double>{-120, 100, 0, 60, 90, 30, 180, 0, 240, 0}
            << "Ahead of pace · 20 points to spare";
        QTest::newRow("within five points is on pace")
            << "0:56@180" << false << QList<double>{0, 60} << "On pace";
        QTest::newRow("behind")
            << "0:30@180" << false << QList<double>{0, 60} << "Behind pace · 30 points short";
        QTest::newRow("weekly half way") << "0:50@5040" << true << QList<double>{0, 50, -5040, 100} << "On pace";
        QTest::newRow("a reset instant already passed has no line") << "0:50@-10" << false << QList<double>{} << "";
        QTest::newRow("no reset instant, no line") << "0:50" << false << QList<double>{} << "";
    }

    void paceLine()
    {
        QFETCH(QString, samples);
        QFETCH(bool, weekly);
        QFETCH(QList<double>, leftAtMinutes);
        QFETCH(QString, standing);

        const Window window = weekly ? Window::weekly : Window::session;
        const auto line = UsageHistory::paceLine(script(samples), window, start);
        QCOMPARE(line.has_value(), !standing.isEmpty());
        for (qsizetype i = 0; i + 1 < leftAtMinutes.size(); i += 2)
            QCOMPARE(line->leftAt(minute(leftAtMinutes[i])), leftAtMinutes[i + 1]);
        const auto stands = UsageHistory::standing(script(samples), window, start);
        QCOMPARE(stands ? standingText(*stands) : QString(), standing);
    }

    void limitHits_data()
    {
        QTest::addColumn<QString>("samples");
        QTest::addColumn<bool>("weekly");
        QTest::addColumn<int>("nowMinute");
        QTest::addColumn<QStringList>("hits");

        QTest::newRow("reached, then available again at the reset")
            << "0:20@120 65:0@120 90:0@120 130:100@420" << false << 200
            << QStringList{"Session limit reached Sun 13:05 · available again 14:00"};
        QTest::newRow("a record gap over the reset ends it at the reset instant")
            << "0:0@120 600:100@900" << false << 700
            << QStringList{"Session limit reached Sun 12:00 · available again 14:00"};
        QTest::newRow("still used up: available again at the coming reset")
            << "0:5@120 10:0@120" << false << 20
            << QStringList{"Session limit reached Sun 12:10 · available again at 14:00"};
        QTest::newRow("still used up at the newest record, its reset passed unrecorded")
            << "0:0@120" << false << 200 << QStringList{"Session limit reached Sun 12:00 · available again 14:00"};
        QTest::newRow("refilled before the reset instant")
            << "0:0@300 30:100@300" << false << 40 << QStringList{"Session limit reached Sun 12:00 · available again 12:30"};
        QTest::newRow("the next day is named")
            << "0:0@1260" << true << 1300 << QStringList{"Weekly limit reached Sun 12:00 · available again Mon 09:00"};
        QTest::newRow("0.4 % left shows as 0 %, 0.6 % does not")
            << "0:0.6@60 10:0.4@60 70:100@360" << false << 100
            << QStringList{"Session limit reached Sun 12:10 · available again 13:00"};
        QTest::newRow("two hits in two periods")
            << "0:0@60 70:100@360 200:0@360 370:90@660" << false << 400
            << QStringList{"Session limit reached Sun 12:00 · available again 13:00",
                           "Session limit reached Sun 15:20 · available again 18:00"};
        QTest::newRow("no reset instant known")
            << "0:0" << false << 10 << QStringList{"Session limit reached Sun 12:00 · reset time unknown"};
    }

    void limitHits()
    {
        QFETCH(QString, samples);
        QFETCH(bool, weekly);
        QFETCH(int, nowMinute);
        QFETCH(QStringList, hits);

        QStringList texts;
        for (const LimitHit &hit :
             UsageHistory::limitHits(script(samples), weekly ? Window::weekly : Window::session, minute(nowMinute)))
            texts << hitText(hit, QTimeZone::utc());
        QCOMPARE(texts, hits);
    }

    void csvHoldsTheAccountsRecordsInRange()
    {
        const QList<HistoryEntry> entries{
            {minute(-10), Provider::claude, QStringLiteral("claude"), {40, minute(100)}, {}},
            {minute(0), Provider::claude, QStringLiteral("claude"), {42.4, minute(100)}, {10, std::nullopt}},
            {minute(1), Provider::openAI, QStringLiteral("chatgpt"), {5, std::nullopt}, {}},
            {minute(1), Provider::claude, QStringLiteral("a0000beef"), {7, std::nullopt}, {}},
            {minute(2), Provider::claude, QStringLiteral("claude"), {}, {12.5, minute(9000)}},
        };
        const Account home{QStringLiteral("claude"), Provider::claude, QStringLiteral(R"(Home "main", desk)")};
        QCOMPARE(csv(entries, home, minute(-5), minute(5)),
                 QByteArray("time,provider,window,percent_left,resets_at,account,label\n"
                            "2026-12-06T12:00:00Z,claude,session,57.6,2026-12-06T13:40:00Z,claude,\"Home \"\"main\"\", desk\"\n"
                            "2026-12-06T12:00:00Z,claude,weekly,90,,claude,\"Home \"\"main\"\", desk\"\n"
                            "2026-12-06T12:02:00Z,claude,weekly,87.5,2026-12-12T18:00:00Z,claude,\"Home \"\"main\"\", desk\"\n"));
    }
};

QTEST_GUILESS_MAIN(TestUsageHistory)
#include "tst_usagehistory.moc"
