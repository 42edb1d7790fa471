#include "app/DefaultsKeys.h"
#include "credentials/CredentialSource.h"
#include "support/ControllerHarness.h"

#include <QtTest>

#include <numeric>

using namespace std::chrono_literals;

namespace {

struct Harness : ControllerHarness<FakeStatusItem>
{
    QString title() const
    {
        if (!item.shown)
            return item.placeholder;
        if (item.shown->iconOnly())
            return QStringLiteral("(icon)");
        return item.shown->plainText();
    }

    int fetches() const { return claude.fetches; }
};

} // namespace

// The controller's polling, timers, callbacks and notifications, stepped on fake time.
class TestStatusBarController : public QObject
{
    Q_OBJECT

private slots:
    void launchWithoutCredentials()
    {
        Harness h;
        h.start();
        QCOMPARE(h.item.placeholder, QStringLiteral("…"));
        QVERIFY(h.item.menu);
        QCOMPARE(h.item.redraws, 0);
        QCOMPARE(h.claude.fetches, 1);
        QCOMPARE(h.openAI.fetches, 0);
        QCOMPARE(h.scheduler.msUntil(h.controller->refreshTimer()), 300000);
        h.controller->accountsChanged(); // the credentials settle before any answer
        QCOMPARE(h.item.redraws, 0);

        h.claude.needsLogin();
        QVERIFY(h.settings.claudeSessionExpired());
        QCOMPARE(h.title(), QStringLiteral("Claude ⚠    ChatGPT ⚠"));
        QCOMPARE(h.posted.size(), 1);
        QCOMPARE(h.posted[0].first, Notifications::usageFetchResult);
        QCOMPARE(h.posted[0].second, (QVariantMap{{"error", "Session key invalid or expired"}}));

        h.scheduler.advance(4999ms);
        QVERIFY(h.commands.isEmpty());
        h.scheduler.advance(1ms);
        QCOMPARE(h.commands, QStringList{"checkSilently"});
    }

    void storedTokenStartsAChatGPTFetch_data()
    {
        QTest::addColumn<QVariant>("token");
        QTest::addColumn<int>("fetches");
        QTest::newRow("absent") << QVariant() << 0;
        QTest::newRow("empty") << QVariant(QString()) << 0;
        QTest::newRow("a single space") << QVariant(QStringLiteral(" ")) << 1;
        QTest::newRow("not a string") << QVariant(true) << 0;
    }

    void storedTokenStartsAChatGPTFetch()
    {
        QFETCH(QVariant, token);
        QFETCH(int, fetches);
        Harness h;
        if (token.isValid())
            h.defaults.setObject(DefaultsKeys::openAISessionKey, token);
        h.start();
        QCOMPARE(h.openAI.fetches, fetches);
        h.controller->refreshNow();
        QCOMPARE(h.openAI.fetches, fetches * 2);
        QCOMPARE(h.claude.fetches, 2);
    }

    void expiredFlagsFollowDeliveries()
    {
        Harness h;
        h.start();
        h.claude.needsLogin();
        h.openAI.needsLogin();
        QVERIFY(h.settings.claudeSessionExpired());
        QVERIFY(h.settings.openAISessionExpired());

        h.claude.deliver(UsageData::failure(QStringLiteral("HTTP 500"), h.clock.now()));
        h.openAI.deliver(OpenAIUsageData::failure(QStringLiteral("No HTTP response"), h.clock.now()));
        QVERIFY(h.settings.claudeSessionExpired());
        QVERIFY(h.settings.openAISessionExpired());
        QCOMPARE(h.posted[2].second, (QVariantMap{{"error", "HTTP 500"}}));
        QCOMPARE(h.posted[3].first, Notifications::openAIFetchResult);
        QCOMPARE(h.posted[3].second, (QVariantMap{{"error", "No HTTP response"}}));

        h.claude.deliver(h.claudeRecord(3600));
        h.openAI.deliver(h.openAIRecord(3600));
        QVERIFY(!h.settings.claudeSessionExpired());
        QVERIFY(!h.settings.openAISessionExpired());
        QVERIFY(h.posted[4].second.isEmpty());
        QVERIFY(h.posted[5].second.isEmpty());
        QCOMPARE(h.posted[1].second, (QVariantMap{{"error", "Session token invalid or expired"}}));
        QCOMPARE(h.title(), QStringLiteral("Claude S:73%  W:41%    ChatGPT S:90%  W:65%"));

        h.openAI.needsLogin();
        QVERIFY(!h.controller->currentOpenAIUsage());
        QCOMPARE(h.title(), QStringLiteral("Claude S:73%  W:41%    ChatGPT ⚠"));
    }

    void settingsChangeReschedulesAndFetches()
    {
        Harness h;
        h.start();
        h.scheduler.advance(200s);
        h.settings.setRefreshInterval(60);
        h.notifications.post(Notifications::settingsChanged);
        QCOMPARE(h.fetches(), 2);
        QCOMPARE(h.item.redraws, 1);
        QCOMPARE(h.scheduler.msUntil(h.controller->refreshTimer()), 60000);
        h.scheduler.advance(180s);
        QCOMPARE(h.fetches(), 5);
        h.notifications.post(QStringLiteral("SomethingElse"));
        QCOMPARE(h.fetches(), 5);
    }

    void countdownTimer_data()
    {
        QTest::addColumn<DisplayFormat>("format");
        QTest::addColumn<std::optional<qint64>>("claudeReset");
        QTest::addColumn<std::optional<qint64>>("openAIReset");
        QTest::addColumn<qint64>("timerMs");
        QTest::addColumn<int>("immediateFetches");
        const std::optional<qint64> none;

        QTest::newRow("7800 s and 1000 s give 100 s")
            << DisplayFormat::sessionAndTimer << std::optional<qint64>(7800) << std::optional<qint64>(1000) << qint64(100000) << 0;
        QTest::newRow("weekly 3 days 4 h gives 4 h")
            << DisplayFormat::weeklyAndTimer << std::optional<qint64>(273600) << none << qint64(14400000) << 0;
        QTest::newRow("no reset known gives 30 s")
            << DisplayFormat::weeklyAndTimer << none << none << qint64(30000) << 0;
        // Figures made after their reset are asked for again in 10 s (behindFiguresAskAgainLessAndLess).
        QTest::newRow("passed reset")
            << DisplayFormat::sessionAndTimer << std::optional<qint64>(-5) << none << qint64(-1) << 0;
        QTest::newRow("passed reset with another ahead")
            << DisplayFormat::sessionAndTimer << std::optional<qint64>(-5) << std::optional<qint64>(1000) << qint64(100000) << 0;
        QTest::newRow("both has no countdown")
            << DisplayFormat::both << std::optional<qint64>(7800) << none << qint64(-1) << 0;
    }

    void countdownTimer()
    {
        QFETCH(DisplayFormat, format);
        QFETCH(std::optional<qint64>, claudeReset);
        QFETCH(std::optional<qint64>, openAIReset);
        QFETCH(qint64, timerMs);
        QFETCH(int, immediateFetches);

        Harness h;
        h.settings.setDisplayFormat(format);
        h.start();
        const bool session = format == DisplayFormat::sessionAndTimer;
        h.openAI.deliver(session ? h.openAIRecord(openAIReset) : h.openAIRecord(std::nullopt, openAIReset));
        const int before = h.fetches();
        h.claude.deliver(session ? h.claudeRecord(claudeReset) : h.claudeRecord(std::nullopt, claudeReset));
        QCOMPARE(h.fetches() - before, immediateFetches);
        QCOMPARE(h.scheduler.msUntil(h.controller->countdownTimer()), timerMs);
    }

    // A user without Claude follows the ChatGPT countdown alone.
    void chatGPTAloneMovesTheCountdown()
    {
        Harness h;
        h.settings.setDisplayFormat(DisplayFormat::sessionAndTimer);
        h.start();
        h.claude.deliver(UsageData::failure(QStringLiteral("No session key — add one in Preferences"), h.clock.now()));
        h.openAI.deliver(h.openAIRecord(7800));
        QCOMPARE(h.scheduler.msUntil(h.controller->countdownTimer()), 600000);
    }

    // Without a countdown to follow, each retry in a row waits twice as long, up to the interval.
    void fallbackRetriesDouble_data()
    {
        QTest::addColumn<bool>("failing");
        QTest::addColumn<QList<qint64>>("gaps");
        QTest::newRow("failing, no reset known") << true << QList<qint64>{30, 60, 120, 240, 480, 960};
    }

    void fallbackRetriesDouble()
    {
        QFETCH(bool, failing);
        QFETCH(QList<qint64>, gaps);
        Harness h;
        h.settings.setDisplayFormat(DisplayFormat::sessionAndTimer);
        h.settings.setRefreshInterval(3600);
        const QDateTime passedReset = h.clock.now().addSecs(-60);
        QList<QDateTime> fetchedAt;
        h.claude.answer = [&] {
            fetchedAt.append(h.clock.now());
            h.scheduler.after(0ms, [&] {
                UsageData record = h.claudeRecord();
                record.sessionResetAt = passedReset;
                h.claude.deliver(failing ? UsageData::failure(QStringLiteral("HTTP 503"), h.clock.now()) : record);
            });
        };
        h.start();
        h.scheduler.advance(std::chrono::seconds(std::accumulate(gaps.begin(), gaps.end(), qint64(0))));
        QList<qint64> seen;
        for (qsizetype i = 1; i < fetchedAt.size(); ++i) {
            if (const qint64 gap = fetchedAt[i - 1].secsTo(fetchedAt[i]))
                seen.append(gap);
        }
        QCOMPARE(seen, gaps);
    }

    // Figures that name a reset as passed already (the service has not rolled the window yet,
    // or the clocks disagree) are asked for again after 10 s, then 20, 40 …, whatever the format,
    // the other provider and the instant's jitter, until the refresh timer asks as often.
    void behindFiguresAskAgainLessAndLess_data()
    {
        QTest::addColumn<DisplayFormat>("format");
        QTest::addColumn<bool>("chatGPTAhead");
        QTest::addColumn<QList<qint64>>("gaps");
        const QList<qint64> doubling{10, 20, 40, 80, 160};
        QTest::newRow("Session & Weekly") << DisplayFormat::both << false << doubling;
        QTest::newRow("Session & Timer") << DisplayFormat::sessionAndTimer << false << doubling;
        QTest::newRow("Session & Timer, ChatGPT's reset ahead") << DisplayFormat::sessionAndTimer << true << doubling;
        QTest::newRow("Weekly & Timer") << DisplayFormat::weeklyAndTimer << false << doubling;
    }


    void behindFiguresAskAgainLessAndLess()
    {
        QFETCH(DisplayFormat, format);
        QFETCH(bool, chatGPTAhead);
        QFETCH(QList<qint64>, gaps);
        Harness h;
        h.settings.setDisplayFormat(format);
        h.settings.setRefreshInterval(600);
        if (chatGPTAhead)
            h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        const QDateTime passedReset = h.clock.now().addSecs(-60);
        QList<QDateTime> fetchedAt;
        h.claude.answer = [&] {
            fetchedAt.append(h.clock.now());
            h.scheduler.after(300ms, [&] {
                UsageData record = h.claudeRecord();
                const QDateTime reset = passedReset.addMSecs(fetchedAt.size() % 2 * 700); // reported with jitter
                (format == DisplayFormat::weeklyAndTimer ? record.weeklyResetAt : record.sessionResetAt) = reset;
                h.claude.deliver(record);
            });
        };
        h.openAI.answer = [&] { h.openAI.deliver(h.openAIRecord(7800, 86400)); };
        h.start();
        h.scheduler.advance(599s); // the refresh timer asks at 600 s
        QList<qint64> seen;
        for (qsizetype i = 1; i < fetchedAt.size(); ++i)
            seen.append(qRound(fetchedAt[i - 1].msecsTo(fetchedAt[i]) / 1000.0));
        QCOMPARE(seen, gaps);
        // Current figures end it.
        h.claude.answer = [&] { h.claude.deliver(h.claudeRecord(3600, 86400)); };
        h.scheduler.advance(1s);
        QVERIFY(!h.controller->behindTimer(Account::firstId(Provider::claude)));
    }

    // Before its first answer a provider's last row says what it waits for, never that the
    // key expired, whatever an earlier run left marked.
    void firstMinuteTellsTheTruth_data()
    {
        QTest::addColumn<Awaiting>("waiting");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("warns");
        QTest::newRow("asking the service") << Awaiting::answer << "Updating…" << false;
        QTest::newRow("the keyring has not answered") << Awaiting::keyring << "Waiting for the keyring…" << false;
        QTest::newRow("the keyring is locked") << Awaiting::keyringUnlock << "Keyring locked — unlock it to show figures"
                                               << true;
    }

    void firstMinuteTellsTheTruth()
    {
        QFETCH(Awaiting, waiting);
        QFETCH(QString, row);
        QFETCH(bool, warns);
        Harness h;
        h.settings.setClaudeSessionExpired(true);
        h.claude.waitingFor = waiting;
        h.start();
        h.controller->menuWillOpen();
        QCOMPARE(h.item.menu->item(StatusMenu::claudeUpdatedItem).title, row);
        QCOMPARE(h.item.menu->item(StatusMenu::claudeUpdatedItem).style == StatusMenu::Style::warning, warns);
        QCOMPARE(h.controller->awaiting(Provider::claude), waiting);
        h.claude.needsLogin();
        QCOMPARE(h.item.menu->item(StatusMenu::claudeUpdatedItem).title, MenuTexts::expired());
        QCOMPARE(h.controller->awaiting(Provider::claude), Awaiting::nothing);
    }

    // Failures other than a refused credential keep the last good figures for a while, saying so.
    void failuresKeepTheLastGoodFigures_data()
    {
        QTest::addColumn<qint64>("sessionResetIn");
        QTest::addColumn<qint64>("failAfter");
        QTest::addColumn<qint64>("lookAfter");
        QTest::addColumn<qint64>("heldFor"); // the wait the service asked for, from the failure
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("lastRow");
        const QString figures = QStringLiteral("Claude S:73%  W:41%");
        QTest::newRow("503 at once") << qint64(7200) << qint64(720) << qint64(720) << qint64(0) << figures
                                     << "Updated 12m ago · last try failed: HTTP 503";
        QTest::newRow("grace runs out without another try") << qint64(7200) << qint64(720) << qint64(1801) << qint64(0)
                                                             << "Claude ⚠" << "HTTP 503";
        QTest::newRow("503 after the grace") << qint64(7200) << qint64(1860) << qint64(1860) << qint64(0) << "Claude ⚠"
                                             << "HTTP 503";
        QTest::newRow("session reset since") << qint64(600) << qint64(300) << qint64(601) << qint64(0) << "Claude ⚠"
                                             << "HTTP 503";
        QTest::newRow("held by the service past the grace")
            << qint64(7200) << qint64(720) << qint64(2400) << qint64(3000) << figures
            << "Updated 40m ago · last try failed: HTTP 503 · next try in 30m";
    }

    void failuresKeepTheLastGoodFigures()
    {
        QFETCH(qint64, sessionResetIn);
        QFETCH(qint64, failAfter);
        QFETCH(qint64, lookAfter);
        QFETCH(qint64, heldFor);
        QFETCH(QString, title);
        QFETCH(QString, lastRow);
        Harness h;
        h.settings.setShowOpenAI(false);
        h.settings.setRefreshInterval(1500); // a grace of 30 minutes
        h.start();
        h.claude.deliver(h.claudeRecord(sessionResetIn, 86400));
        h.scheduler.advance(std::chrono::seconds(failAfter));
        if (heldFor)
            h.claude.heldUntil = h.clock.now().addSecs(heldFor);
        h.claude.deliver(UsageData::failure(QStringLiteral("HTTP 503"), h.clock.now()));
        h.scheduler.advance(std::chrono::seconds(lookAfter - failAfter));
        h.controller->menuWillOpen();
        QCOMPARE(h.title(), title);
        QCOMPARE(h.item.menu->item(StatusMenu::claudeUpdatedItem).title, lastRow);
        QVERIFY(!h.settings.claudeSessionExpired());
    }

    // A settings change keeps the last good figures of a credential that is still there, whatever
    // its kind, and drops those of one that was removed.
    void settingsChangeKeepsFiguresOfAStoredCredential_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("title");
        QTest::newRow("pasted key") << "sessionKey" << "sk-key" << "Claude S:73%  W:41%";
        QTest::newRow("Claude Code sign-in, no key") << "claudeCode" << "" << "Claude S:73%  W:41%";
        QTest::newRow("key removed") << "sessionKey" << "" << "Claude ⚠";
    }

    void settingsChangeKeepsFiguresOfAStoredCredential()
    {
        QFETCH(QString, source);
        QFETCH(QString, key);
        QFETCH(QString, title);
        Harness h;
        h.settings.setShowOpenAI(false);
        h.defaults.setString(CredentialSource::claudeKey, source);
        h.start();
        h.claude.deliver(h.claudeRecord(7200, 86400));
        h.claude.deliver(UsageData::failure(QStringLiteral("HTTP 503"), h.clock.now()));
        h.defaults.setString(DefaultsKeys::sessionKey, key);
        h.controller->settingsChanged();
        QCOMPARE(h.title(), title);
    }

    // A removed ChatGPT token takes its figures along, and nothing keeps asking for them.
    void removedTokenClearsChatGPT()
    {
        Harness h;
        h.settings.setDisplayFormat(DisplayFormat::sessionAndTimer);
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        h.start();
        h.claude.deliver(h.claudeRecord(7800));
        h.openAI.deliver(h.openAIRecord(60));
        h.defaults.remove(DefaultsKeys::openAISessionKey);
        h.notifications.post(Notifications::settingsChanged);
        QVERIFY(!h.controller->shownOpenAI());
        QCOMPARE(h.title(), QStringLiteral("Claude S:73%  3h    ChatGPT ⚠"));
        const int before = h.fetches();
        h.scheduler.advance(1h);
        QCOMPARE(h.fetches() - before, 12);
    }

    void countdownFollowsTheLabelDownToTheReset()
    {
        Harness h;
        h.settings.setDisplayFormat(DisplayFormat::sessionAndTimer);
        h.settings.setShowOpenAI(false);
        h.start();
        h.claude.deliver(h.claudeRecord(7800));
        QCOMPARE(h.title(), QStringLiteral("Claude S:73%  3h"));

        QStringList labels{h.title()};
        int redraws = h.item.redraws;
        const int fetchesBefore = h.fetches();
        for (int step = 0; step < 7800 + 5; ++step) {
            h.scheduler.advance(1s);
            if (h.item.redraws != redraws) {
                redraws = h.item.redraws;
                if (labels.last() != h.title())
                    labels.append(h.title());
            }
        }
        QCOMPARE(labels, (QStringList{"Claude S:73%  3h", "Claude S:73%  2h", "Claude S:73%  1h", "Claude S:73%  45m",
                                      "Claude S:73%  30m", "Claude S:73%  15m", "Claude S:73%  10m", "Claude S:73%  5m",
                                      "Claude S:73%  4m", "Claude S:73%  3m", "Claude S:73%  2m", "Claude S:73%  1m",
                                      "Claude S:73%  new"}));
        // Once the reset has passed the controller asks for fresh figures (refresh timer aside).
        QVERIFY(h.fetches() - fetchesBefore >= 1 + 7805 / 300);
    }

    void passedResetAsksOnlyOnce_data()
    {
        QTest::addColumn<bool>("chatGPTFailing");
        QTest::addColumn<int>("maxFetchesPerHour");
        // The refresh timer alone gives 12 an hour; the 10-second retry 360 more.
        QTest::newRow("ChatGPT token removed, Claude answering") << false << 14;
        QTest::newRow("ChatGPT stale, Claude failing") << true << 12 + 360 + 2;
    }

    // A reset instant that has passed and stays in a record must not turn every delivery into
    // another request.
    void passedResetAsksOnlyOnce()
    {
        QFETCH(bool, chatGPTFailing);
        QFETCH(int, maxFetchesPerHour);
        Harness h;
        h.settings.setDisplayFormat(DisplayFormat::sessionAndTimer);
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        h.start();
        h.openAI.deliver(h.openAIRecord(60));
        if (!chatGPTFailing)
            h.defaults.remove(DefaultsKeys::openAISessionKey);
        h.claude.answer = [&h, chatGPTFailing] {
            h.scheduler.after(250ms, [&h, chatGPTFailing] {
                UsageData record = h.claudeRecord(7800);
                if (chatGPTFailing)
                    record = UsageData::failure(QStringLiteral("HTTP 500"), h.clock.now());
                h.claude.deliver(record);
            });
        };
        h.scheduler.advance(61s); // the ChatGPT reset passes
        const int before = h.fetches();
        h.scheduler.advance(1h);
        QVERIFY2(h.fetches() - before <= maxFetchesPerHour, qPrintable(QString::number(h.fetches() - before)));
        QVERIFY(h.fetches() - before >= 12);
    }

    void wakeAndClockChangesRedrawAtOnce_data()
    {
        QTest::addColumn<bool>("wake");
        QTest::newRow("resume from suspend") << true;
        QTest::newRow("wall clock set forward") << false;
    }

    // Timers stand still while the machine sleeps: the countdown must not wait for them.
    void wakeAndClockChangesRedrawAtOnce()
    {
        QFETCH(bool, wake);
        Harness h;
        h.settings.setDisplayFormat(DisplayFormat::sessionAndTimer);
        h.settings.setShowOpenAI(false);
        h.start();
        h.claude.deliver(h.claudeRecord(4 * 3600 - 60));
        QCOMPARE(h.title(), QStringLiteral("Claude S:73%  4h"));
        h.clock.advance(3 * 3600 * 1000); // asleep: the clock moves, no timer runs
        wake ? h.controller->systemDidWake() : h.controller->clockChanged();
        QCOMPARE(h.title(), QStringLiteral("Claude S:73%  1h"));
        QCOMPARE(h.scheduler.msUntil(h.controller->countdownTimer()), 840000); // "45m" at 2700 s
    }

    void switchingToBothCancelsTheCountdown()
    {
        Harness h;
        h.settings.setDisplayFormat(DisplayFormat::sessionAndTimer);
        h.start();
        h.claude.deliver(h.claudeRecord(7800));
        QVERIFY(h.controller->countdownTimer());
        h.settings.setDisplayFormat(DisplayFormat::both);
        h.notifications.post(Notifications::settingsChanged);
        QVERIFY(!h.controller->countdownTimer());
        QCOMPARE(h.scheduler.pendingCount(), std::size_t(2)); // refresh timer, silent update check
    }

    // After a wake: two refreshes 2 s and 8 s after the network is there (once, however often it
    // says so), none when it has not come back within 180 s, and a second wake replaces the first.
    void wakeRefreshesOnceTheNetworkIsBack_data()
    {
        QTest::addColumn<QList<qint64>>("networkAt");   // seconds after the wake it reports satisfied; 0: at once
        QTest::addColumn<QList<qint64>>("fetchesAt");   // seconds after the wake, within 300 s
        QTest::newRow("network up") << QList<qint64>{0} << QList<qint64>{2, 8};
        QTest::newRow("network back after a minute, told twice") << QList<qint64>{60, 60} << QList<qint64>{62, 68};
        QTest::newRow("network back too late") << QList<qint64>{180} << QList<qint64>{};
    }

    void wakeRefreshesOnceTheNetworkIsBack()
    {
        QFETCH(QList<qint64>, networkAt);
        QFETCH(QList<qint64>, fetchesAt);
        Harness h;
        h.network.satisfied = networkAt.value(0) == 0;
        h.start();
        h.scheduler.advance(100s);
        QList<qint64> seen;
        h.claude.answer = [&h, &seen, woke = h.clock.now()] { seen.append(woke.secsTo(h.clock.now())); };
        h.controller->systemDidWake();
        QCOMPARE(h.scheduler.msUntil(h.controller->refreshTimer()), 300000);
        qint64 at = 0;
        for (const qint64 next : networkAt) {
            h.scheduler.advance(std::chrono::seconds(next - at));
            at = next;
            h.network.setSatisfied(true);
        }
        h.scheduler.advance(std::chrono::seconds(299 - at));
        QCOMPARE(seen, fetchesAt);
        QVERIFY(h.network.monitors.last()->cancelled);
    }

    void secondWakeCancelsTheFirstMonitor()
    {
        Harness h;
        h.network.satisfied = false;
        h.start();
        h.controller->systemDidWake();
        h.scheduler.advance(100s);
        h.controller->systemDidWake();
        QCOMPARE(h.network.monitors.size(), 2);
        QVERIFY(h.network.monitors[0]->cancelled);
        h.scheduler.advance(80s); // the first wake's time-out leaves the second monitor alone
        QVERIFY(!h.network.monitors[1]->cancelled);
        h.scheduler.advance(100s);
        QVERIFY(h.network.monitors[1]->cancelled);
    }

    // A refused sign-in tells which tool signs in again; a Codex sign-in alone shows the ChatGPT rows.
    void expiredSignInNamesItsTool_data()
    {
        QTest::addColumn<QString>("claudeSource");
        QTest::addColumn<QString>("openAISource");
        QTest::addColumn<QString>("claudeText");
        QTest::addColumn<QString>("openAIText");
        QTest::newRow("session keys") << "sessionKey" << "sessionKey" << "Session expired — check your key" << QString();
        QTest::newRow("sign-ins") << "claudeCode" << "codex"
                                  << "Claude Code sign-in expired — run claude to sign in again"
                                  << "Codex sign-in expired — run codex login to sign in again";
    }

    void expiredSignInNamesItsTool()
    {
        QFETCH(QString, claudeSource);
        QFETCH(QString, openAISource);
        QFETCH(QString, claudeText);
        QFETCH(QString, openAIText);
        Harness h;
        h.defaults.setString(QStringLiteral("claudeSource"), claudeSource);
        h.defaults.setString(QStringLiteral("openAISource"), openAISource);
        h.start();
        h.claude.needsLogin();
        h.openAI.needsLogin();
        h.item.openMenu();
        const StatusMenu &menu = h.controller->menu();
        QCOMPARE(menu.item(StatusMenu::claudeUpdatedItem).title, claudeText);
        QCOMPARE(menu.item(StatusMenu::openAIHeaderItem).visible, !openAIText.isEmpty());
        if (!openAIText.isEmpty())
            QCOMPARE(menu.item(StatusMenu::openAIUpdatedItem).title, openAIText);
    }

    void menuIsRewrittenAtEachOpening()
    {
        Harness h;
        h.start();
        StatusMenu &menu = h.controller->menu();
        h.claude.deliver(h.claudeRecord(3600));
        QCOMPARE(menu.item(StatusMenu::claudeSessionItem).title, QStringLiteral("Session  73%  Session resets in 1 hr."));
        QVERIFY(!menu.item(StatusMenu::openAIHeaderItem).visible);

        // A new stored token shows its group at the next opening.
        h.scheduler.advance(125s);
        h.claude.needsLogin();
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        h.item.openMenu();
        QCOMPARE(menu.item(StatusMenu::claudeSessionItem).title, QStringLiteral("Session  —"));
        QCOMPARE(menu.item(StatusMenu::claudeUpdatedItem).title, QStringLiteral("Session expired — check your key"));
        QVERIFY(menu.item(StatusMenu::openAIHeaderItem).visible);

        h.claude.deliver(h.claudeRecord(3600));
        h.scheduler.advance(7200s);
        h.item.openMenu();
        QCOMPARE(menu.item(StatusMenu::claudeUpdatedItem).title, QStringLiteral("Updated 2h ago"));

        h.openAI.needsLogin(); // a refused key leads to Preferences
        h.commands.clear();
        for (const auto id : {StatusMenu::checkForUpdates, StatusMenu::openPrefs, StatusMenu::openOnboarding,
                              StatusMenu::openAIUpdatedItem, StatusMenu::quit})
            menu.activate(id);
        QCOMPARE(h.commands, (QStringList{"checkForUpdates", "openPrefs", "openOnboarding", "openPrefs", "quit"}));
        const int before = h.fetches();
        menu.activate(StatusMenu::refreshNow);
        QCOMPARE(h.fetches(), before + 1);
    }

    void callbacksOutliveTheController()
    {
        Harness h;
        h.start();
        h.controller.reset();
        QCOMPARE(h.scheduler.pendingCount(), std::size_t(1)); // only the silent check, which now does nothing
        h.claude.needsLogin(); // nobody is left to act on it
        QVERIFY(!h.settings.claudeSessionExpired());
        QVERIFY(h.posted.isEmpty());
        h.scheduler.advance(10s);
        QVERIFY(h.commands.isEmpty());
        QCOMPARE(h.item.redraws, 0);
    }
};

QTEST_GUILESS_MAIN(TestStatusBarController)
#include "tst_statusbarcontroller.moc"
