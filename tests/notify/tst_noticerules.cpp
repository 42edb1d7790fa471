#include "notify/NoticeRules.h"
#include "support/FakeClock.h"

#include <QtTest>

namespace {

// One record of the Claude session window in a script: "advance:left@reset", minutes from the
// start for the reset instant; "!" at the end marks a record seen while Claude is switched off.
struct Step
{
    qint64 advanceMinutes = 0;
    double left = 0;
    std::optional<qint64> resetMinute;
    bool switchedOff = false;
};

QList<Step> parse(const QString &script)
{
    QList<Step> steps;
    for (QString token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Step step;
        step.switchedOff = token.endsWith(QLatin1Char('!'));
        token.remove(QLatin1Char('!'));
        const QStringList timeAndRest = token.split(QLatin1Char(':'));
        step.advanceMinutes = timeAndRest[0].toLongLong();
        const QStringList leftAndReset = timeAndRest[1].split(QLatin1Char('@'));
        step.left = leftAndReset[0].toDouble();
        if (leftAndReset.size() > 1)
            step.resetMinute = leftAndReset[1].toLongLong();
        steps.append(step);
    }
    return steps;
}

} // namespace

Q_DECLARE_METATYPE(LimitWindow)

// When thresholds, resets and expired credentials call for a notice, on a fake clock.
class TestNoticeRules : public QObject
{
    Q_OBJECT

private slots:
    void windowNotices_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("chosen"); // the kinds switched on besides low: "reset", "available"
        QTest::addColumn<QStringList>("expected"); // summary per record, empty for none

        const QString s18 = QStringLiteral("Claude session: 18% left");
        QTest::newRow("crossing down, each threshold once")
            << "0:30@300 5:18@300 5:15@300 5:4@300 5:2@300" << ""
            << QStringList{"", s18, "", "Claude session: 4% left", ""};
        QTest::newRow("exactly on each threshold") << "0:30@300 5:20@300 5:5@300" << ""
                                                   << QStringList{"", "Claude session: 20% left", "Claude session: 5% left"};
        QTest::newRow("two thresholds at once give one notice")
            << "0:30@300 5:3@300 5:2@300" << "" << QStringList{"", "Claude session: 3% left", ""};
        QTest::newRow("nothing for values already low at start")
            << "0:10@300 5:8@300 5:4@300" << "" << QStringList{"", "", "Claude session: 4% left"};
        QTest::newRow("up to threshold + 5 does not re-arm, above it does")
            << "0:30@300 5:18@300 5:25@300 5:19@300 5:26@300 5:19@300" << ""
            << QStringList{"", s18, "", "", "", "Claude session: 19% left"};
        QTest::newRow("re-armed once the reset instant has passed")
            << "0:30@60 10:18@60 60:19@360" << "" << QStringList{"", s18, "Claude session: 19% left"};
        QTest::newRow("a reset instant still ahead keeps it spoken")
            << "0:30@300 10:18@300 60:19@300" << "" << QStringList{"", s18, ""};
        QTest::newRow("reset notice after running low")
            << "0:10@60 30:3@60 40:100@360" << "reset"
            << QStringList{"", "Claude session: 3% left", "Claude session limit has reset"};
        QTest::newRow("reset notice when the window is no longer reported with a reset")
            << "0:4@60 70:100" << "reset" << QStringList{"", "Claude session limit has reset"};
        QTest::newRow("reset notices are off unless chosen")
            << "0:10@60 30:3@60 40:100@360" << "" << QStringList{"", "Claude session: 3% left", ""};
        QTest::newRow("no reset notice for a window that was not low")
            << "0:50@60 70:100@360" << "reset" << QStringList{"", ""};
        QTest::newRow("the provider lagging past its reset is not yet a new period")
            << "0:4@60 61:4@60 5:100@365" << "reset" << QStringList{"", "", "Claude session limit has reset"};
        QTest::newRow("switched off: armed silently, quiet after switching on")
            << "0:30@300 5:18@300! 5:15@300 5:4@300" << ""
            << QStringList{"", "", "", "Claude session: 4% left"};

        const QString back = QStringLiteral("Claude session available again");
        QTest::newRow("available again once, instead of the reset notice")
            << "0:2@60 10:0@60 60:100@360 5:99@360" << "reset available" << QStringList{"", "", back, ""};
        QTest::newRow("available again after a record gap over the reset")
            << "0:20@60 30:0@60 300:100@360" << "available"
            << QStringList{"", "Claude session: 0% left", back};
        QTest::newRow("available again when refilled before the reset instant")
            << "0:0@300 10:100@300 10:100@300" << "available" << QStringList{"", back, ""};
        QTest::newRow("an ordinary reset is not announced as available again")
            << "0:3@60 70:100@360" << "available" << QStringList{"", ""};
        QTest::newRow("the reset notice when available-again notices are off")
            << "0:2@60 10:0@60 60:100@360" << "reset" << QStringList{"", "", "Claude session limit has reset"};
    }

    void windowNotices()
    {
        QFETCH(QString, script);
        QFETCH(QString, chosen);
        QFETCH(QStringList, expected);

        FakeClock clock;
        const QDateTime start = clock.now();
        NoticeRules rules(clock, {false, false});
        QStringList seen;
        for (const Step &step : parse(script)) {
            clock.advance(step.advanceMinutes * 60'000);
            ProviderUsage usage;
            usage.sessionPercentage = 100 - step.left;
            if (step.resetMinute)
                usage.sessionResetAt = start.addSecs(*step.resetMinute * 60);
            usage.fetchedAt = clock.now();
            NoticeSettings settings;
            settings.reset = chosen.contains(QLatin1String("reset"));
            settings.availableAgain = chosen.contains(QLatin1String("available"));
            settings.claudeShown = !step.switchedOff;
            const QList<Notice> notices = rules.observe(Provider::claude, usage, settings);
            QVERIFY(notices.size() <= 1);
            seen.append(notices.isEmpty() ? QString() : notices.first().summary);
        }
        QCOMPARE(seen, expected);
    }

    void noticeTexts()
    {
        FakeClock clock;
        NoticeRules rules(clock, {false, false});
        NoticeSettings settings;
        settings.thresholds = {50, 10};
        ProviderUsage usage;
        usage.weeklyPercentage = 40;
        usage.weeklyResetAt = clock.now().addSecs(72 * 60);
        QVERIFY(rules.observe(Provider::openAI, usage, settings).isEmpty());
        usage.weeklyPercentage = 82.4; // 17.6 left shows as 18%
        const QList<Notice> notices = rules.observe(Provider::openAI, usage, settings);
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0].tag, QStringLiteral("openai.weekly"));
        QCOMPARE(notices[0].summary, QStringLiteral("ChatGPT weekly: 18% left"));
        QCOMPARE(notices[0].body, QStringLiteral("Resets in 1 hr. 12 min."));
        QVERIFY(!notices[0].offersPreferences);

        // Switching the low notices off still arms: no notice now, none when switched back on.
        settings.low = false;
        usage.weeklyPercentage = 95;
        QVERIFY(rules.observe(Provider::openAI, usage, settings).isEmpty());
        settings.low = true;
        usage.weeklyPercentage = 96;
        QVERIFY(rules.observe(Provider::openAI, usage, settings).isEmpty());
    }

    // The rows below the weekly one run low too, each under its own tag.
    void extraWindowsRunLow_data()
    {
        QTest::addColumn<int>("provider");
        QTest::addColumn<LimitWindow>("window");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("summary");
        QTest::newRow("Claude's Opus limit")
            << int(Provider::claude)
            << LimitWindow{QStringLiteral("seven_day_opus"), QStringLiteral("Opus weekly"), LimitWindow::Kind::extra}
            << "claude.seven_day_opus" << "Claude Opus weekly: 15% left";
        QTest::newRow("a Team account's 30 days")
            << int(Provider::openAI)
            << LimitWindow{QStringLiteral("secondary_window"), QStringLiteral("30-day"), LimitWindow::Kind::otherLength}
            << "openai.secondary_window" << "ChatGPT 30-day: 15% left";
    }

    void extraWindowsRunLow()
    {
        QFETCH(int, provider);
        QFETCH(LimitWindow, window);
        QFETCH(QString, tag);
        QFETCH(QString, summary);
        FakeClock clock;
        NoticeRules rules(clock, {false, false});
        ProviderUsage usage;
        usage.sessionPercentage = 10; // the session and weekly windows stay far from any threshold
        usage.windows = {window};
        for (const double used : {50.0, 85.0}) {
            usage.windows[0].usedPercent = used;
            const QList<Notice> notices = rules.observe(Provider(provider), usage, NoticeSettings{});
            QCOMPARE(notices.size(), used == 50 ? 0 : 1);
            if (!notices.isEmpty()) {
                QCOMPARE(notices[0].tag, tag);
                QCOMPARE(notices[0].summary, summary);
            }
        }
    }

    void expiredOncePerExpiry_data()
    {
        QTest::addColumn<bool>("expiredAtStart");
        QTest::addColumn<bool>("keyStored");
        QTest::addColumn<bool>("notifyExpired");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("notices"); // for: expired, expired, cleared, expired

        QTest::newRow("once per expiry") << false << true << true << true << 2;
        QTest::newRow("already expired at start") << true << true << true << true << 1;
        QTest::newRow("no key stored") << false << false << true << true << 0;
        QTest::newRow("switched off in the settings") << false << true << false << true << 0;
        QTest::newRow("provider switched off") << false << true << true << false << 0;
    }

    void expiredOncePerExpiry()
    {
        QFETCH(bool, expiredAtStart);
        QFETCH(bool, keyStored);
        QFETCH(bool, notifyExpired);
        QFETCH(bool, shown);
        QFETCH(int, notices);

        FakeClock clock;
        NoticeRules rules(clock, {expiredAtStart, false});
        NoticeSettings settings;
        settings.expired = notifyExpired;
        settings.claudeShown = shown;
        QList<Notice> seen;
        for (const bool expired : {true, true, false, true}) {
            if (const auto notice = rules.expiredSet(Provider::claude, expired, keyStored, settings))
                seen.append(*notice);
        }
        QCOMPARE(seen.size(), notices);
        if (!seen.isEmpty()) {
            QCOMPARE(seen[0].tag, QStringLiteral("claude.key"));
            QVERIFY(seen[0].offersPreferences);
        }
    }

    // What to do about a refused key depends on where it came from.
    void expiredNoticeSaysHowToMendIt_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("importedFrom");
        QTest::addColumn<QString>("body");
        QTest::newRow("pasted") << "sessionKey" << "" << "Paste a new sessionKey in Preferences.";
        QTest::newRow("imported") << "sessionKey" << "Firefox (default-release)"
                                  << "Sign in again in Firefox (default-release), then import it again in Preferences.";
        QTest::newRow("command-line sign-in") << "claudeCode" << "Firefox (default-release)"
                                              << "Run claude to sign in again.";
    }

    void expiredNoticeSaysHowToMendIt()
    {
        QFETCH(QString, source);
        QFETCH(QString, importedFrom);
        QFETCH(QString, body);
        FakeClock clock;
        NoticeRules rules(clock, {false, false});
        const auto notice = rules.expiredSet(Provider::claude, true, true, NoticeSettings{}, source, importedFrom);
        QVERIFY(notice);
        QCOMPARE(notice->body, body);
    }
};

QTEST_GUILESS_MAIN(TestNoticeRules)
#include "tst_noticerules.moc"
