#include "app/DefaultsKeys.h"
#include "support/FetcherHarness.h"
#include "usage/OpenAIUsageFetcher.h"

#include <QtTest>
#include <QTimeZone>

Q_DECLARE_METATYPE(FakeReply)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

using Harness = FetcherHarness<OpenAIUsageFetcher, OpenAIUsageData>;

const QByteArray sessionPath = "/api/auth/session";
const QByteArray usagePath = "/backend-api/wham/usage";
const FakeReply sessionOk{200, R"({"user":{"name":"x"},"accessToken":"access-1"})"};
const FakeReply usageOk{200, R"({"rate_limit":{"primary_window":{"used_percent":10,"reset_at":1765025400},
                                 "secondary_window":{"used_percent":35,"reset_at":1765548000}}})"};
const FakeReply notAsked{599, "not asked"};

FakeReply sessionGiving(const QByteArray &accessToken)
{
    return FakeReply{200, R"({"accessToken":")" + accessToken + R"("})"};
}

} // namespace

// The ChatGPT fetcher against a loopback fake of its two endpoints.
class TestOpenAIUsageFetcher : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data()
    {
        QTest::addColumn<std::optional<QString>>("storedToken");
        QTest::addColumn<FakeReply>("session");
        QTest::addColumn<FakeReply>("usage");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QList<QByteArray>>("paths");

        const QList<QByteArray> none;
        const QList<QByteArray> exchangeOnly{sessionPath};
        const QList<QByteArray> both{sessionPath, usagePath};
        const std::optional<QString> token = QStringLiteral("eyJhbGciOi.session");

        const QString noToken = QStringLiteral("error:No session token — add one in Preferences");
        QTest::newRow("no stored token") << std::optional<QString>() << notAsked << notAsked << noToken << none;
        QTest::newRow("empty stored token") << std::optional<QString>(QString()) << notAsked << notAsked << noToken << none;
        QTest::newRow("token with a control character is never sent")
            << std::optional<QString>(QStringLiteral("tok\nen")) << notAsked << notAsked
            << "error:Session token contains invalid characters" << none;
        QTest::newRow("session 401") << token << FakeReply{401} << notAsked << "needsLogin" << exchangeOnly;
        QTest::newRow("session empty object") << token << FakeReply{200, "{}"} << notAsked
                                              << "error:Session expired or invalid" << exchangeOnly;
        QTest::newRow("access token with a line break")
            << token << FakeReply{200, R"({"accessToken":"a\r\nX: y"})"} << notAsked
            << "error:Session expired or invalid" << exchangeOnly;
        QTest::newRow("session 502") << token << FakeReply{502} << notAsked << "error:HTTP 502" << exchangeOnly;
        QTest::newRow("usage 500") << token << sessionOk << FakeReply{500} << "error:HTTP 500" << both;
        QTest::newRow("usage without rate_limit") << token << sessionOk << FakeReply{200, R"({"plan":"plus"})"}
                                                  << "error:Unexpected usage response format" << both;
        QTest::newRow("usage refused after renewal too")
            << token << sessionOk << FakeReply{403} << "error:HTTP 403"
            << QList<QByteArray>{sessionPath, usagePath, sessionPath, usagePath};
        QTest::newRow("success") << token << sessionOk << usageOk << "record" << both;
    }

    void outcomes()
    {
        QFETCH(std::optional<QString>, storedToken);
        QFETCH(FakeReply, session);
        QFETCH(FakeReply, usage);
        QFETCH(QString, outcome);
        QFETCH(QList<QByteArray>, paths);

        Harness h;
        if (storedToken)
            h.defaults.setString(DefaultsKeys::openAISessionKey, *storedToken);
        h.server.route(sessionPath, session);
        h.server.route(usagePath, usage);

        QCOMPARE(h.cycle(), outcome);
        h.settle();
        QCOMPARE(h.outcomes.size(), 1);
        QVERIFY(!h.calledInsideFetch);
        QCOMPARE(h.server.requestedPaths(), paths);
        for (const RecordedRequest &request : h.server.requests()) {
            if (request.path == sessionPath) {
                QCOMPARE(request.header("Cookie").value(), "__Secure-next-auth.session-token=" + storedToken->toUtf8());
                QVERIFY(!request.header("Authorization"));
            } else {
                QCOMPARE(request.header("Authorization").value(), QByteArray("Bearer access-1"));
                QVERIFY(!request.header("Cookie"));
            }
        }
    }

    void successRecordCarriesResetPhrases()
    {
        Harness h;
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        h.server.route(sessionPath, sessionOk);
        h.server.route(usagePath, usageOk);
        h.clock.current = QDateTime::fromSecsSinceEpoch(1765023000, QTimeZone::utc());

        QCOMPARE(h.cycle(), QStringLiteral("record"));
        const OpenAIUsageData &record = h.records.last();
        QCOMPARE(record.primaryLabel, std::optional(QStringLiteral("Session resets in 40 min.")));
        QCOMPARE(record.secondaryLabel, std::optional(QStringLiteral("Weekly resets in 6 days")));
        QCOMPARE(record.fetchedAt, h.clock.current);
    }

    void refusedAccessTokenIsRenewedOnce()
    {
        Harness h;
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        h.server.routeOnce(sessionPath, sessionGiving("access-1"));
        h.server.route(sessionPath, sessionGiving("access-2"));
        h.server.routeOnce(usagePath, FakeReply{401});
        h.server.route(usagePath, usageOk);

        QCOMPARE(h.cycle(), QStringLiteral("record"));
        h.settle();
        QCOMPARE(h.outcomes.size(), 1);
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{sessionPath, usagePath, sessionPath, usagePath}));
        QCOMPARE(h.server.requests()[1].header("Authorization").value(), QByteArray("Bearer access-1"));
        QCOMPARE(h.server.requests()[3].header("Authorization").value(), QByteArray("Bearer access-2"));
        QCOMPARE(h.fetcher.cachedAccessToken(), std::optional(QStringLiteral("access-2")));
    }

    void accessTokenIsKeptPerSessionToken()
    {
        Harness h;
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("first"));
        h.server.routeOnce(sessionPath, sessionGiving("access-1"));
        h.server.route(sessionPath, sessionGiving("access-2"));
        h.server.route(usagePath, usageOk);

        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{sessionPath, usagePath, usagePath}));

        // Failures other than a refusal keep the access token.
        h.server.routeOnce(usagePath, FakeReply{500});
        QCOMPARE(h.cycle(), QStringLiteral("error:HTTP 500"));
        QCOMPARE(h.fetcher.cachedAccessToken(), std::optional(QStringLiteral("access-1")));

        // Another account's session token gets its own access token.
        h.server.clearRequests();
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("second"));
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{sessionPath, usagePath}));
        QCOMPARE(h.server.requests()[0].header("Cookie").value(), QByteArray("__Secure-next-auth.session-token=second"));
        QCOMPARE(h.server.requests()[1].header("Authorization").value(), QByteArray("Bearer access-2"));
    }

    // The workspaces beside the personal account are looked up once per session token, in the
    // service's order, and their lookup never holds up or spoils the figures.
    void workspacesAreLookedUpOncePerSessionToken()
    {
        Harness h;
        QList<QStringList> told;
        h.fetcher.onWorkspaces = [&told](const QList<OpenAIResponses::Workspace> &workspaces) {
            QStringList names;
            for (const auto &workspace : workspaces)
                names << workspace.accountId + QLatin1Char('=') + workspace.name;
            told << names;
        };
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("first"));
        h.server.route(sessionPath, sessionOk);
        h.server.route(usagePath, usageOk);
        h.server.route("/backend-api/accounts/check/v4-2023-04-27",
                       FakeReply{200, R"({"accounts":{"p":{"account":{"account_id":"p","structure":"personal"}},
                                          "t2":{"account":{"account_id":"t2","name":"Ops","structure":"workspace"}},
                                          "t1":{"account":{"account_id":"t1","name":"Lab","structure":"workspace"}}},
                                          "account_ordering":["p","t1","t2"]})"});
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QTRY_COMPARE(told, (QList<QStringList>{{"t1=Lab", "t2=Ops"}}));
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("second"));
        h.server.route("/backend-api/accounts/check/v4-2023-04-27", FakeReply{500});
        QCOMPARE(h.cycle(), QStringLiteral("record"));
        QTest::qWait(50);
        QCOMPARE(told.size(), 1);
        QCOMPARE(h.server.requestedPaths().count("/backend-api/accounts/check/v4-2023-04-27"), 2);
    }

    void transportFailureBecomesAnErrorRecord()
    {
        Harness h;
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        h.server.route(sessionPath, FakeReply{200, "", {}, 0, true});
        const QString outcome = h.cycle();
        QVERIFY2(outcome.startsWith(QStringLiteral("error:")) && !outcome.startsWith(QStringLiteral("error:HTTP")),
                 qPrintable(outcome));
        QVERIFY(!h.calledInsideFetch);
    }
};

QTEST_GUILESS_MAIN(TestOpenAIUsageFetcher)
#include "tst_openaiusagefetcher.moc"
