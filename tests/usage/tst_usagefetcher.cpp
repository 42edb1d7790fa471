#include "app/DefaultsKeys.h"
#include "support/FetcherHarness.h"
#include "usage/ClaudeResponses.h"
#include "usage/UsageFetcher.h"

#include <QtTest>
#include <QTimeZone>

Q_DECLARE_METATYPE(FakeReply)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

using Harness = FetcherHarness<UsageFetcher, UsageData>;

const QByteArray accountPath = "/api/account";
const QByteArray usagePath = "/api/organizations/org-1/usage";
const FakeReply accountOk{200, R"({"memberships":[{"organization":{"uuid":"org-1"}}]})"};
const FakeReply usageOk{200, R"({"five_hour":{"utilization":27.5,"resets_at":"2026-12-06T14:10:00.000000+00:00"},
                                 "seven_day":{"utilization":59,"resets_at":"2026-12-13T12:00:00Z"}})"};
const FakeReply notAsked{599, "not asked"};

} // namespace

// The Claude fetcher against a loopback fake of its two endpoints.
class TestUsageFetcher : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data()
    {
        QTest::addColumn<std::optional<QString>>("storedKey");
        QTest::addColumn<FakeReply>("account");
        QTest::addColumn<FakeReply>("usage");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QList<QByteArray>>("paths");

        const QList<QByteArray> none;
        const QList<QByteArray> lookupOnly{accountPath};
        const QList<QByteArray> both{accountPath, usagePath};
        const std::optional<QString> key = QStringLiteral("sk-ant-sid01-key");

        const QString noKey = QStringLiteral("error:No session key — add one in Preferences");
        QTest::newRow("no stored key") << std::optional<QString>() << notAsked << notAsked << noKey << none;
        QTest::newRow("empty stored key") << std::optional<QString>(QString()) << notAsked << notAsked << noKey << none;
        QTest::newRow("key with a line break is never sent")
            << std::optional<QString>(QStringLiteral("abc\r\nX-Injected: 1")) << notAsked << notAsked
            << "error:Session key contains invalid characters" << none;
        QTest::newRow("blank key counts as none")
            << std::optional<QString>(QStringLiteral(" \t ")) << notAsked << notAsked << noKey << none;
        QTest::newRow("key is sent without blank ends")
            << std::optional<QString>(QStringLiteral("  sk-ant-sid01-key\t")) << FakeReply{401} << notAsked << "needsLogin"
            << lookupOnly;
        QTest::newRow("account 401") << key << FakeReply{401} << notAsked << "needsLogin" << lookupOnly;
        QTest::newRow("account 500") << key << FakeReply{500} << notAsked << "error:HTTP 500" << lookupOnly;
        QTest::newRow("account without memberships") << key << FakeReply{200, R"({"memberships":[]})"} << notAsked
                                                     << "error:Could not find org UUID in /api/account" << lookupOnly;
        QTest::newRow("usage 401") << key << accountOk << FakeReply{401} << "needsLogin" << both;
        QTest::newRow("usage with seven_day null")
            << key << accountOk << FakeReply{200, R"({"five_hour":{"utilization":1},"seven_day":null})"}
            << "error:Unexpected usage response format" << both;
        QTest::newRow("usage too slow") << key << accountOk << FakeReply{200, "{}", {}, 3000}
                                        << "error:The request timed out." << both;
        QTest::newRow("success") << key << accountOk << usageOk << "record" << both;
    }

    void outcomes()
    {
        QFETCH(std::optional<QString>, storedKey);
        QFETCH(FakeReply, account);
        QFETCH(FakeReply, usage);
        QFETCH(QString, outcome);
        QFETCH(QList<QByteArray>, paths);

        Harness h;
        if (storedKey)
            h.defaults.setString(DefaultsKeys::sessionKey, *storedKey);
        h.server.route(accountPath, account);
        h.server.route(usagePath, usage);

        QCOMPARE(h.cycle(), outcome);
        h.settle();
        QCOMPARE(h.outcomes.size(), 1);
        QVERIFY(!h.calledInsideFetch);
        QCOMPARE(h.server.requestedPaths(), paths);
        for (const RecordedRequest &request : h.server.requests()) {
            QCOMPARE(request.header("Cookie").value(), "sessionKey=" + storedKey->trimmed().toUtf8());
            QCOMPARE(request.header("Referer").value(), h.server.origin().toUtf8());
        }
    }

    void successRecordCarriesResetPhrases()
    {
        Harness h;
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("key"));
        h.server.route(accountPath, accountOk);
        h.server.route(usagePath, usageOk);
        h.clock.current = QDateTime(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc());

        QCOMPARE(h.cycle(), QStringLiteral("record"));
        const UsageData &record = h.records.last();
        QCOMPARE(record.sessionLabel, std::optional(QStringLiteral("Session resets in 2 hr.")));
        QCOMPARE(record.weeklyLabel, std::optional(QStringLiteral("Weekly resets in 1 wk.")));
        QCOMPARE(record.fetchedAt, h.clock.current);
    }

    void organisationIsLookedUpOncePerKey()
    {
        Harness h;
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
        Harness h;
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("key"));
        h.server.route(accountPath, FakeReply{200, R"({"memberships":[{"organization":{"uuid":")" + uuid + R"("}}]})"});
        h.server.route(path.isEmpty() ? "/api/usage" : path, usageOk);
        h.server.route("/api/organizations/usage", usageOk); // where ".." would lead
        QCOMPARE(h.cycle(), path.isEmpty() ? "error:" + ClaudeResponses::orgNotFoundMessage : QStringLiteral("record"));
        QCOMPARE(h.server.requestedPaths().last(), path.isEmpty() ? accountPath : path);
    }

    // Requests from every source while a cycle runs join it: one request, one answer.
    void requestsDuringACycleJoinIt()
    {
        Harness h;
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
        Harness h;
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
        Harness h;
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
        h.clock.advance(1000);
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QVERIFY(!h.fetcher.nextTryAt());
    }

    // "Too many requests" leaves the service alone for five minutes at least, whatever its
    // Retry-After said, then twice as long while it goes on refusing; figures end the waiting.
    void rateLimitedBacksOff()
    {
        Harness h;
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
        Harness h;
        h.startFetch(); // no key: an error record, delivered later
        int replaced = 0;
        h.fetcher.onUsageData = [&replaced](const UsageData &) { ++replaced; };
        QVERIFY(waitUntil([&] { return replaced == 1; }));
        QVERIFY(h.outcomes.isEmpty());
    }

    void nothingIsDeliveredAfterTheFetcherIsGone()
    {
        auto h = std::make_unique<Harness>();
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
};

QTEST_GUILESS_MAIN(TestUsageFetcher)
#include "tst_usagefetcher.moc"
