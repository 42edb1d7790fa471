#include "app/DefaultsKeys.h"
#include "support/FetcherHarness.h"
#include "usage/ClaudeResponses.h"
#include "usage/OpenAIUsageFetcher.h"
#include "usage/UsageFetcher.h"

#include <QtTest>

Q_DECLARE_METATYPE(FakeReply)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

using ClaudeHarness = FetcherHarness<UsageFetcher, UsageData>;
using ChatGPTHarness = FetcherHarness<OpenAIUsageFetcher, OpenAIUsageData>;

const FakeReply notAsked{599, "not asked"};

// Claude: the key's organisation, then its usage. The harness's clock stands at 2026-12-06 12:00 UTC.
const QByteArray accountPath = "/api/account";
const QByteArray usagePath = "/api/organizations/org-1/usage";
const FakeReply accountOk{200, R"({"memberships":[{"organization":{"uuid":"org-1"}}]})"};
const FakeReply usageOk{200, R"({"five_hour":{"utilization":27.5,"resets_at":"2026-12-06T14:10:00.000000+00:00"},
                                 "seven_day":{"utilization":59,"resets_at":"2026-12-13T12:00:00Z"}})"};

// ChatGPT: an access token for the session token, then the usage.
const QByteArray sessionPath = "/api/auth/session";
const QByteArray chatGPTUsagePath = "/backend-api/wham/usage";
const FakeReply sessionOk{200, R"({"user":{"name":"x"},"accessToken":"access-1"})"};
const FakeReply chatGPTUsageOk{200, R"({"rate_limit":{"primary_window":{"used_percent":10,"reset_at":1796560800},
                                        "secondary_window":{"used_percent":35,"reset_at":1797083400}}})"};

// Runs one cycle with the stored credential against the two endpoints' replies: one outcome,
// delivered later (never inside the request), after exactly the requests named.
template<typename Harness>
void cycleAsExpected(Harness &h, const QString &credentialKey, const std::optional<QString> &stored,
                     const std::pair<QByteArray, FakeReply> &first, const std::pair<QByteArray, FakeReply> &second,
                     const QString &outcome, const QList<QByteArray> &paths)
{
    if (stored)
        h.defaults.setString(credentialKey, *stored);
    h.server.route(first.first, first.second);
    h.server.route(second.first, second.second);
    QCOMPARE(h.cycle(), outcome);
    h.settle();
    QCOMPARE(h.outcomes.size(), 1);
    QVERIFY(!h.calledInsideFetch);
    QCOMPARE(h.server.requestedPaths(), paths);
}

FakeReply sessionGiving(const QByteArray &accessToken)
{
    return FakeReply{200, R"({"accessToken":")" + accessToken + R"("})"};
}

} // namespace

// Both services' fetchers against loopback fakes of their two endpoints, and the traffic rules
// they share (one cycle at a time, newest answer wins, Retry-After, backing off).
class TestFetchers : public QObject
{
    Q_OBJECT

private slots:
    // Each fetcher's cycle against its two endpoints: the credential it sends, the requests it
    // makes, and its one outcome, delivered later.
    void outcomes_data()
    {
        QTest::addColumn<bool>("claude");
        QTest::addColumn<std::optional<QString>>("stored");
        QTest::addColumn<FakeReply>("first"); // Claude's account lookup, ChatGPT's session exchange
        QTest::addColumn<FakeReply>("usage");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QList<QByteArray>>("paths");
        const QList<QByteArray> none;

        const QList<QByteArray> lookupOnly{accountPath};
        const QList<QByteArray> both{accountPath, usagePath};
        const std::optional<QString> key = QStringLiteral("sk-ant-sid01-key");
        const QString noKey = QStringLiteral("error:No session key — add one in Preferences");
        QTest::newRow("Claude: no stored key") << true << std::optional<QString>() << notAsked << notAsked << noKey << none;
        QTest::newRow("Claude: empty stored key") << true << std::optional<QString>(QString()) << notAsked << notAsked << noKey << none;
        QTest::newRow("Claude: key with a line break is never sent")
            << true << std::optional<QString>(QStringLiteral("abc\r\nX-Injected: 1")) << notAsked << notAsked
            << "error:Session key contains invalid characters" << none;
        QTest::newRow("Claude: blank key counts as none")
            << true << std::optional<QString>(QStringLiteral(" \t ")) << notAsked << notAsked << noKey << none;
        QTest::newRow("Claude: key is sent without blank ends")
            << true << std::optional<QString>(QStringLiteral("  sk-ant-sid01-key\t")) << FakeReply{401} << notAsked
            << "needsLogin" << lookupOnly;
        QTest::newRow("Claude: account 401") << true << key << FakeReply{401} << notAsked << "needsLogin" << lookupOnly;
        QTest::newRow("Claude: account 500") << true << key << FakeReply{500} << notAsked << "error:HTTP 500" << lookupOnly;
        QTest::newRow("Claude: account without memberships") << true << key << FakeReply{200, R"({"memberships":[]})"}
                                                             << notAsked << "error:Could not find org UUID in /api/account"
                                                             << lookupOnly;
        QTest::newRow("Claude: usage 401") << true << key << accountOk << FakeReply{401} << "needsLogin" << both;
        QTest::newRow("Claude: usage with seven_day null")
            << true << key << accountOk << FakeReply{200, R"({"five_hour":{"utilization":1},"seven_day":null})"}
            << "error:Unexpected usage response format" << both;
        QTest::newRow("Claude: usage too slow") << true << key << accountOk << FakeReply{200, "{}", {}, 3000}
                                                << "error:The request timed out." << both;
        QTest::newRow("Claude: success") << true << key << accountOk << usageOk << "record" << both;

        const QList<QByteArray> exchangeOnly{sessionPath};
        const QList<QByteArray> exchangeAndUsage{sessionPath, chatGPTUsagePath};
        const std::optional<QString> token = QStringLiteral("eyJhbGciOi.session");
        const QString noToken = QStringLiteral("error:No session token — add one in Preferences");
        QTest::newRow("ChatGPT: no stored token") << false << std::optional<QString>() << notAsked << notAsked << noToken << none;
        QTest::newRow("ChatGPT: empty stored token")
            << false << std::optional<QString>(QString()) << notAsked << notAsked << noToken << none;
        QTest::newRow("ChatGPT: token with a control character is never sent")
            << false << std::optional<QString>(QStringLiteral("tok\nen")) << notAsked << notAsked
            << "error:Session token contains invalid characters" << none;
        QTest::newRow("ChatGPT: session 401") << false << token << FakeReply{401} << notAsked << "needsLogin" << exchangeOnly;
        QTest::newRow("ChatGPT: session empty object") << false << token << FakeReply{200, "{}"} << notAsked
                                                       << "error:Session expired or invalid" << exchangeOnly;
        QTest::newRow("ChatGPT: access token with a line break")
            << false << token << FakeReply{200, R"({"accessToken":"a\r\nX: y"})"} << notAsked
            << "error:Session expired or invalid" << exchangeOnly;
        QTest::newRow("ChatGPT: session 502") << false << token << FakeReply{502} << notAsked << "error:HTTP 502" << exchangeOnly;
        QTest::newRow("ChatGPT: usage 500") << false << token << sessionOk << FakeReply{500} << "error:HTTP 500"
                                            << exchangeAndUsage;
        QTest::newRow("ChatGPT: usage without rate_limit") << false << token << sessionOk << FakeReply{200, R"({"plan":"plus"})"}
                                                           << "error:Unexpected usage response format" << exchangeAndUsage;
        QTest::newRow("ChatGPT: usage refused after renewal too")
            << false << token << sessionOk << FakeReply{403} << "error:HTTP 403"
            << QList<QByteArray>{sessionPath, chatGPTUsagePath, sessionPath, chatGPTUsagePath};
        QTest::newRow("ChatGPT: success") << false << token << sessionOk << chatGPTUsageOk << "record" << exchangeAndUsage;
    }

    void outcomes()
    {
        QFETCH(bool, claude);
        QFETCH(std::optional<QString>, stored);
        QFETCH(FakeReply, first);
        QFETCH(FakeReply, usage);
        QFETCH(QString, outcome);
        QFETCH(QList<QByteArray>, paths);
        if (claude) {
            ClaudeHarness h;
            cycleAsExpected(h, DefaultsKeys::sessionKey, stored, {accountPath, first}, {usagePath, usage}, outcome, paths);
            if (QTest::currentTestFailed())
                return;
            for (const RecordedRequest &request : h.server.requests()) {
                QCOMPARE(request.header("Cookie").value(), "sessionKey=" + stored->trimmed().toUtf8());
                QCOMPARE(request.header("Referer").value(), h.server.origin().toUtf8());
            }
            if (outcome == QLatin1String("record")) { // with the reset phrases of the fetch's moment
                QCOMPARE(h.records.last().sessionLabel, std::optional(QStringLiteral("Session resets in 2 hr.")));
                QCOMPARE(h.records.last().weeklyLabel, std::optional(QStringLiteral("Weekly resets in 1 wk.")));
                QCOMPARE(h.records.last().fetchedAt, h.clock.current);
            }
            return;
        }
        ChatGPTHarness h;
        cycleAsExpected(h, DefaultsKeys::openAISessionKey, stored, {sessionPath, first}, {chatGPTUsagePath, usage}, outcome, paths);
        if (QTest::currentTestFailed())
            return;
        for (const RecordedRequest &request : h.server.requests()) {
            const bool exchange = request.path == sessionPath;
            QCOMPARE(request.header("Cookie"),
                     exchange ? std::optional("__Secure-next-auth.session-token=" + stored->toUtf8()) : std::nullopt);
            QCOMPARE(request.header("Authorization"), exchange ? std::nullopt : std::optional(QByteArray("Bearer access-1")));
        }
        if (outcome == QLatin1String("record")) {
            QCOMPARE(h.records.last().primaryLabel, std::optional(QStringLiteral("Session resets in 40 min.")));
            QCOMPARE(h.records.last().secondaryLabel, std::optional(QStringLiteral("Weekly resets in 6 days")));
        }
    }

    void organisationIsLookedUpOncePerKey()
    {
        ClaudeHarness h;
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("first"));
        h.server.route(accountPath, accountOk);
        h.server.route(usagePath, usageOk);
        h.server.route("/api/organizations/org-2/usage", usageOk);

        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{accountPath, usagePath, usagePath}));

        // A refused usage request keeps the organisation.
        h.server.routeOnce(usagePath, FakeReply{401});
        QCOMPARE(h.cycle(), QStringLiteral("needsLogin"));
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QCOMPARE(h.server.requestedPaths().count(accountPath), 1);
        QCOMPARE(h.fetcher.cachedOrgID(), std::optional(QStringLiteral("org-1")));

        // A key of another account finds that account's organisation.
        h.server.clearRequests();
        h.server.route(accountPath, FakeReply{200, R"({"memberships":[{"organization":{"uuid":"org-2"}}]})"});
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("second"));
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{accountPath, "/api/organizations/org-2/usage"}));
        QCOMPARE(h.server.requests().first().header("Cookie").value(), QByteArray("sessionKey=second"));
        QCOMPARE(h.fetcher.cachedOrgID(), std::optional(QStringLiteral("org-2")));
    }

    void organisationIdentifierStaysOnePathSegment_data()
    {
        QTest::addColumn<QByteArray>("uuid");
        QTest::addColumn<QByteArray>("path"); // empty: no usage request at all
        QTest::newRow("slash and query") << QByteArray("../x?y") << QByteArray("/api/organizations/..%2Fx%3Fy/usage");
        QTest::newRow("dot") << QByteArray(".") << QByteArray();
        QTest::newRow("dot dot") << QByteArray("..") << QByteArray();
    }

    void organisationIdentifierStaysOnePathSegment()
    {
        QFETCH(QByteArray, uuid);
        QFETCH(QByteArray, path);
        ClaudeHarness h;
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("key"));
        h.server.route(accountPath, FakeReply{200, R"({"memberships":[{"organization":{"uuid":")" + uuid + R"("}}]})"});
        h.server.route(path.isEmpty() ? "/api/usage" : path, usageOk);
        h.server.route("/api/organizations/usage", usageOk); // where ".." would lead
        QCOMPARE(h.cycle(), path.isEmpty() ? "error:" + ClaudeResponses::orgNotFoundMessage() : QStringLiteral("record"));
        QCOMPARE(h.server.requestedPaths().last(), path.isEmpty() ? accountPath : path);
    }

    // Requests from every source while a cycle runs join it: one request, one answer.
    void requestsDuringACycleJoinIt()
    {
        ClaudeHarness h;
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("key"));
        h.server.route(accountPath, accountOk);
        h.server.route(usagePath, FakeReply{200, usageOk.body, {}, 300});
        for (int i = 0; i < 200; ++i)
            h.startFetch();
        QVERIFY(waitUntil([&] { return h.outcomes.size() == 1; }));
        h.settle();
        QCOMPARE(h.outcomes, QStringList{"record"});
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{accountPath, usagePath}));
        QVERIFY(!h.calledInsideFetch);
    }

    // A cycle started for a new key replaces the running one: its slower answer is dropped.
    void olderAnswerNeverReplacesANewerOne()
    {
        ClaudeHarness h;
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("old"));
        h.server.route(accountPath, accountOk);
        h.server.routeOnce(usagePath, FakeReply{200, R"({"five_hour":{"utilization":80},"seven_day":{"utilization":80}})", {}, 400});
        h.server.routeOnce(usagePath, FakeReply{200, R"({"five_hour":{"utilization":20},"seven_day":{"utilization":20}})"});
        h.startFetch();
        QVERIFY(waitUntil([&] { return h.server.requestedPaths().count(usagePath) == 1; }));
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("new"));
        h.startFetch();
        QVERIFY(waitUntil([&] { return !h.outcomes.isEmpty(); }));
        h.settle(); // the older, slower answer comes in and is dropped
        QCOMPARE(h.outcomes, QStringList{"record"});
        QCOMPARE(h.records.last().sessionPercentage, std::optional(20.0));
    }

    // No request of any source reaches the service before the instant its Retry-After named.
    void retryAfterHoldsEveryRequest()
    {
        ClaudeHarness h;
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("key"));
        h.server.route(accountPath, accountOk);
        h.server.routeOnce(usagePath, FakeReply{503, "down for a while", {{"Retry-After", "120"}}});
        h.server.route(usagePath, usageOk);
        QCOMPARE(h.cycle(), QStringLiteral("error:HTTP 503"));
        QCOMPARE(h.fetcher.nextTryAt(), std::optional(h.clock.now().addSecs(120)));
        h.clock.advance(119000);
        for (int i = 0; i < 5; ++i)
            h.startFetch();
        h.settle();
        QCOMPARE(h.server.requestedPaths().count(usagePath), 1);
        QCOMPARE(h.outcomes.size(), 1);
        // The held requests wait on one timer, due at that instant, not on one re-armed over and over.
        QCOMPARE(h.scheduler.pending.size(), std::size_t(1));
        QCOMPARE(h.scheduler.pending.begin()->second, h.fetcher.nextTryAt().value());
        h.clock.advance(1000);
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QVERIFY(!h.fetcher.nextTryAt());
    }

    // "Too many requests" leaves the service alone for five minutes at least, whatever its
    // Retry-After said, then twice as long while it goes on refusing; figures end the waiting.
    void rateLimitedBacksOff()
    {
        ClaudeHarness h;
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("key"));
        h.server.route(accountPath, accountOk);
        h.server.route(usagePath, FakeReply{429, "slow down", {{"Retry-After", "0"}}});
        const QDateTime start = h.clock.now();
        QList<qint64> asked; // seconds after the first request, refreshing every minute for 20 minutes
        for (qint64 second = 0; second <= 20 * 60; second += 60) {
            h.clock.current = start.addSecs(second);
            const qsizetype before = h.server.requestedPaths().count(usagePath);
            h.startFetch();
            h.settle();
            if (h.server.requestedPaths().count(usagePath) > before)
                asked.append(second);
        }
        QCOMPARE(asked, (QList<qint64>{0, 300, 900}));
        QCOMPARE(h.fetcher.nextTryAt(), std::optional(start.addSecs(900 + 1200)));

        h.server.route(usagePath, usageOk);
        h.clock.current = start.addSecs(900 + 1200);
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QVERIFY(!h.fetcher.nextTryAt());
        h.server.route(usagePath, FakeReply{429, "slow down"});
        QCOMPARE(h.cycle(), QStringLiteral("error:HTTP 429"));
        QCOMPARE(h.fetcher.nextTryAt(), std::optional(h.clock.now().addSecs(300)));
    }

    void callbacksAreReadAtDelivery()
    {
        ClaudeHarness h;
        h.startFetch(); // no key: an error record, delivered later
        int replaced = 0;
        h.fetcher.onUsageData = [&replaced](const UsageData &) { ++replaced; };
        QVERIFY(waitUntil([&] { return replaced == 1; }));
        QVERIFY(h.outcomes.isEmpty());
    }

    void nothingIsDeliveredAfterTheFetcherIsGone()
    {
        auto h = std::make_unique<ClaudeHarness>();
        h->defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("key"));
        h->server.route(accountPath, FakeReply{200, accountOk.body, {}, 200});
        bool delivered = false;
        auto fetcher = std::make_unique<UsageFetcher>(h->server.origin(),
                                                      FetcherServices{h->defaults, h->http, h->scheduler, h->clock});
        fetcher->onUsageData = [&delivered](const UsageData &) { delivered = true; };
        fetcher->fetchUsage();
        fetcher.reset();
        h->settle();
        QVERIFY(!delivered);
    }

    void refusedAccessTokenIsRenewedOnce()
    {
        ChatGPTHarness h;
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        h.server.routeOnce(sessionPath, sessionGiving("access-1"));
        h.server.route(sessionPath, sessionGiving("access-2"));
        h.server.routeOnce(chatGPTUsagePath, FakeReply{401});
        h.server.route(chatGPTUsagePath, chatGPTUsageOk);

        QCOMPARE(h.cycle(), QStringLiteral("record"));
        h.settle();
        QCOMPARE(h.outcomes.size(), 1);
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{sessionPath, chatGPTUsagePath, sessionPath, chatGPTUsagePath}));
        QCOMPARE(h.server.requests()[1].header("Authorization").value(), QByteArray("Bearer access-1"));
        QCOMPARE(h.server.requests()[3].header("Authorization").value(), QByteArray("Bearer access-2"));
        QCOMPARE(h.fetcher.cachedAccessToken(), std::optional(QStringLiteral("access-2")));
    }

    // The workspaces beside the personal account are looked up once per session token, in the
    // service's order, and their lookup never holds up or spoils the figures.
    void workspacesAreLookedUpOncePerSessionToken()
    {
        ChatGPTHarness h;
        QList<QStringList> told;
        h.fetcher.onWorkspaces = [&told](const QList<OpenAIResponses::Workspace> &workspaces) {
            QStringList names;
            for (const auto &workspace : workspaces)
                names << workspace.accountId + QLatin1Char('=') + workspace.name;
            told << names;
        };
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("first"));
        h.server.route(sessionPath, sessionOk);
        h.server.route(chatGPTUsagePath, chatGPTUsageOk);
        h.server.route(OpenAIResponses::accountsPath.toUtf8(),
                       FakeReply{200, R"({"accounts":{"p":{"account":{"account_id":"p","structure":"personal"}},
                                          "t2":{"account":{"account_id":"t2","name":"Ops","structure":"workspace"}},
                                          "t1":{"account":{"account_id":"t1","name":"Lab","structure":"workspace"}}},
                                          "account_ordering":["p","t1","t2"]})"});
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QTRY_COMPARE(told, (QList<QStringList>{{"t1=Lab", "t2=Ops"}}));
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("second"));
        h.server.route(OpenAIResponses::accountsPath.toUtf8(), FakeReply{500});
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QTRY_COMPARE(h.server.requestedPaths().count(OpenAIResponses::accountsPath.toUtf8()), 2);
        QTest::qWait(20);
        QCOMPARE(told.size(), 1);
    }

    void accessTokenIsKeptPerSessionToken()
    {
        ChatGPTHarness h;
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("first"));
        h.server.routeOnce(sessionPath, sessionGiving("access-1"));
        h.server.route(sessionPath, sessionGiving("access-2"));
        h.server.route(chatGPTUsagePath, chatGPTUsageOk);

        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{sessionPath, chatGPTUsagePath, chatGPTUsagePath}));

        // Failures other than a refusal keep the access token.
        h.server.routeOnce(chatGPTUsagePath, FakeReply{500});
        QCOMPARE(h.cycle(), QStringLiteral("error:HTTP 500"));
        QCOMPARE(h.fetcher.cachedAccessToken(), std::optional(QStringLiteral("access-1")));

        // Another account's session token gets its own access token.
        h.server.clearRequests();
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("second"));
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{sessionPath, chatGPTUsagePath}));
        QCOMPARE(h.server.requests()[0].header("Cookie").value(), QByteArray("__Secure-next-auth.session-token=second"));
        QCOMPARE(h.server.requests()[1].header("Authorization").value(), QByteArray("Bearer access-2"));
    }
};

QTEST_GUILESS_MAIN(TestFetchers)
#include "tst_fetchers.moc"
