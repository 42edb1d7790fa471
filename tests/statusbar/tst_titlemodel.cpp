#include "statusbar/Countdown.h"
#include "statusbar/TitleModel.h"
#include "usage/Figures.h"
#include "support/WorkedExample.h"

#include <QtTest>

Q_DECLARE_METATYPE(DisplayFormat)
Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(std::optional<ProviderUsage>)
Q_DECLARE_METATYPE(ProviderUsage)

namespace {

using namespace WorkedExample;

QString describe(const TitleModel &model)
{
    if (model.iconOnly())
        return QStringLiteral("icon tooltip=") + model.tooltip.value_or(QStringLiteral("-"));
    QStringList parts;
    for (const TitleSegment &s : model.segments)
        parts.append((s.provider == Provider::claude ? QStringLiteral("C[") : QStringLiteral("O["))
                     + (s.warn ? QStringLiteral("warn") : s.text) + QLatin1Char(']'));
    return parts.join(QLatin1Char(' '));
}

} // namespace

// The panel title as a function of the settings, the records and the time.
class TestTitleModel : public QObject
{
    Q_OBJECT

private slots:
    void segmentsAndIconOnly_data()
    {
        QTest::addColumn<bool>("showClaude");
        QTest::addColumn<bool>("showOpenAI");
        QTest::addColumn<std::optional<ProviderUsage>>("claudeUsage");
        QTest::addColumn<std::optional<ProviderUsage>>("openAIUsage");
        QTest::addColumn<QString>("expected");
        const std::optional<ProviderUsage> none;

        QTest::newRow("no Claude record yet") << true << true << none << std::optional(chatGPT)
                                              << "C[warn] O[S:90%  W:65%]";
        QTest::newRow("only ChatGPT shown") << false << true << std::optional(claude) << std::optional(chatGPT)
                                            << "O[S:90%  W:65%]";
        QTest::newRow("Claude error record warns") << true << false << std::optional(failed("HTTP 500")) << none
                                                   << "C[warn]";
        QTest::newRow("both off, Claude error is the tooltip")
            << false << false << std::optional(failed("HTTP 500")) << std::optional(failed("No HTTP response"))
            << "icon tooltip=HTTP 500";
        QTest::newRow("both off, ChatGPT error is the tooltip")
            << false << false << std::optional(claude) << std::optional(failed("No HTTP response"))
            << "icon tooltip=No HTTP response";
        QTest::newRow("both off, no errors") << false << false << std::optional(claude) << none << "icon tooltip=-";
    }

    void segmentsAndIconOnly()
    {
        QFETCH(bool, showClaude);
        QFETCH(bool, showOpenAI);
        QFETCH(std::optional<ProviderUsage>, claudeUsage);
        QFETCH(std::optional<ProviderUsage>, openAIUsage);
        QFETCH(QString, expected);
        QCOMPARE(describe(Title::make({DisplayFormat::both, showClaude, showOpenAI, claudeUsage, openAIUsage, now})),
                 expected);
    }

    void missingWindowForms_data()
    {
        QTest::addColumn<DisplayFormat>("format");
        QTest::addColumn<ProviderUsage>("usage");
        QTest::addColumn<QString>("expected");
        ProviderUsage noSession = claude;
        noSession.sessionPercentage.reset();
        ProviderUsage teamWithoutFigure = team();
        teamWithoutFigure.windows[1].usedPercent.reset();
        ProviderUsage weeklyAndMonth = chatGPT;
        weeklyAndMonth.windows = {{QStringLiteral("secondary_window"), QStringLiteral("Weekly"), LimitWindow::Kind::weekly},
                                  team().windows[1]};
        ProviderUsage twoDays = team();
        twoDays.windows[1].durationSeconds = 2 * 86400;

        QTest::newRow("session missing") << DisplayFormat::both << noSession << "S:new  W:41%";
        QTest::newRow("nothing known") << DisplayFormat::both << ProviderUsage{} << "S:new  W:new";
        QTest::newRow("30 days stand in for the week") << DisplayFormat::both << team() << "S:90%  M:88%";
        QTest::newRow("30 days, weekly only") << DisplayFormat::weeklyOnly << team() << "88%";
        QTest::newRow("30 days with countdown in days") << DisplayFormat::weeklyAndTimer << team() << "M:88%  12d";
        QTest::newRow("30 days without a figure") << DisplayFormat::both << teamWithoutFigure << "S:90%  M:new";
        QTest::newRow("a weekly window keeps its place") << DisplayFormat::both << weeklyAndMonth << "S:90%  W:65%";
        QTest::newRow("another length has its own letter") << DisplayFormat::both << twoDays << "S:90%  D:88%";
    }

    void missingWindowForms()
    {
        QFETCH(DisplayFormat, format);
        QFETCH(ProviderUsage, usage);
        QFETCH(QString, expected);
        QCOMPARE(Title::segmentText(format, usage, now), expected);
    }

    void pct_data()
    {
        QTest::addColumn<std::optional<double>>("used");
        QTest::addColumn<QString>("expected");
        QTest::newRow("27.5 rounds away from zero") << std::optional(27.5) << "73%";
        QTest::newRow("42.4") << std::optional(42.4) << "58%";
        QTest::newRow("0") << std::optional(0.0) << "100%";
        QTest::newRow("100") << std::optional(100.0) << "0%";
        QTest::newRow("100.4 is not minus zero") << std::optional(100.4) << "0%";
        QTest::newRow("100.5") << std::optional(100.5) << "-1%";
        QTest::newRow("-20") << std::optional(-20.0) << "120%";
        QTest::newRow("absent") << std::optional<double>() << "new";
    }

    void pct()
    {
        QFETCH(std::optional<double>, used);
        QFETCH(QString, expected);
        QCOMPARE(Figures::pct(used), expected);
    }

    void timeRemaining_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("expected");
        QTest::newRow("60 s") << qint64(60000) << "1m";
        QTest::newRow("60.001 s") << qint64(60001) << "2m";
        QTest::newRow("past") << qint64(-5000) << "new";
        QTest::newRow("exactly now") << qint64(0) << "new";
        QTest::newRow("2 h") << qint64(7200000) << "2h";
        QTest::newRow("2 h 10 min") << qint64(7800000) << "3h";
        QTest::newRow("45 min") << qint64(2700000) << "45m";
        QTest::newRow("45 min 1 s") << qint64(2701000) << "1h";
        QTest::newRow("5 h") << qint64(18000000) << "5h";
        QTest::newRow("5 h 1 s") << qint64(18001000) << "23h";
        QTest::newRow("23 h 1 s") << qint64(82801000) << "1d";
        QTest::newRow("1 d 1 s") << qint64(86401000) << "2d";
        QTest::newRow("6 d") << qint64(518400000) << "6d";
        QTest::newRow("6 d 1 s") << qint64(518401000) << "7d";
        QTest::newRow("7 d") << qint64(604800000) << "7d";
        QTest::newRow("7 d 1 s: whole days beyond a week") << qint64(604801000) << "8d";
        QTest::newRow("30 d") << qint64(2592000000) << "30d";
    }

    void timeRemaining()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, expected);
        QCOMPARE(Figures::timeRemaining(now.addMSecs(ms), now), expected);
        QCOMPARE(Figures::timeRemaining(std::nullopt, now), QStringLiteral("new"));
    }

    // The label changes exactly where the countdown timer fires: just after each boundary it
    // differs from just before, and between two boundaries it holds.
    void labelsChangeOnlyAtBoundaries()
    {
        for (std::size_t i = 0; i + 1 < Countdown::boundaries.size(); ++i) {
            const qint64 upper = static_cast<qint64>(Countdown::boundaries[i]) * 1000;
            const qint64 lower = static_cast<qint64>(Countdown::boundaries[i + 1]) * 1000;
            const QString inside = Figures::timeRemaining(now.addMSecs(upper), now);
            QCOMPARE(Figures::timeRemaining(now.addMSecs(lower + 1), now), inside);
            QVERIFY2(Figures::timeRemaining(now.addMSecs(lower), now) != inside, qPrintable(inside));
        }
    }

    void intervalToNextBoundary_data()
    {
        QTest::addColumn<double>("remaining");
        QTest::addColumn<double>("expected");
        QTest::newRow("2 h 10 min") << 7800.0 << 600.0;
        QTest::newRow("1000 s") << 1000.0 << 100.0;
        QTest::newRow("exactly 2 h") << 7200.0 << 3600.0;
        QTest::newRow("30 s") << 30.0 << 30.0;
        QTest::newRow("7 days") << 604800.0 << 86400.0;
        QTest::newRow("10 days") << 864000.0 << 86400.0;
        QTest::newRow("12.5 days") << 1080000.0 << 43200.0;
        QTest::newRow("12 h") << 43200.0 << 25200.0;
    }

    void intervalToNextBoundary()
    {
        QFETCH(double, remaining);
        QFETCH(double, expected);
        QCOMPARE(Countdown::intervalToNextBoundary(remaining), expected);
    }
};

QTEST_GUILESS_MAIN(TestTitleModel)
#include "tst_titlemodel.moc"
