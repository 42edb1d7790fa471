#include "platform/qt/HostLookahead.h"
#include "platform/qt/KeptSystemProxy.h"
#include "platform/qt/NetworkTransport.h"
#include "support/FakeWebServer.h"
#include "support/Waiting.h"
#include "usage/HTTPClient.h"
#include "usage/RetryAfter.h"

#include <QHostInfo>
#include <QTimeZone>
#include <QtTest>

Q_DECLARE_METATYPE(HttpResponse)
Q_DECLARE_METATYPE(FakeReply)

namespace {

HttpResponse response(std::optional<int> status, std::optional<QByteArray> body = QByteArray(),
                      QList<HeaderField> headers = {}, std::optional<QString> transportError = std::nullopt)
{
    return HttpResponse{std::move(transportError), status, std::move(headers), std::move(body)};
}

QString describe(const FetchResult &result)
{
    if (const auto *body = std::get_if<QByteArray>(&result))
        return QStringLiteral("body:") + (body->size() > 64 ? QStringLiteral("%1 bytes").arg(body->size()) : QString::fromUtf8(*body));
    const auto &error = std::get<FetchError>(result);
    return error.isUnauthorized() ? QStringLiteral("unauthorized %1").arg(error.status) : error.message;
}

} // namespace

// The request convention and the response classification, over a real socket where it matters.
class TestHttpClient : public QObject
{
    Q_OBJECT

    // Sends one GET through the real transport and waits for its classified result.
    FetchResult fetch(HTTPClient &client, const QString &url, const HeaderField &credential = {"Cookie", "a=b"})
    {
        std::optional<FetchResult> result;
        client.fetch(QUrl(url), credential, QStringLiteral("https://example.test"),
                     [&result](FetchResult r) { result = std::move(r); });
        [&] { QVERIFY(waitUntil([&] { return result.has_value(); })); }();
        return result.value_or(FetchError::parse(QStringLiteral("no result")));
    }

private slots:
    void classification_data()
    {
        QTest::addColumn<HttpResponse>("input");
        QTest::addColumn<QString>("expected");

        QTest::newRow("transport error wins over a response")
            << response(200, "{}", {}, QStringLiteral("Connection refused")) << "Connection refused";
        QTest::newRow("no HTTP response") << response(std::nullopt, std::nullopt) << "No HTTP response";
        QTest::newRow("401 before the body") << response(401, "{\"ok\":true}") << "unauthorized 401";
        QTest::newRow("403 with JSON body") << response(403, "{\"a\":1}") << "unauthorized 403";
        QTest::newRow("403 Cloudflare challenge")
            << response(403, "<html>", {{"CF-Mitigated", " Challenge"}}) << "Blocked by Cloudflare challenge";
        QTest::newRow("403 with another mitigation")
            << response(403, "", {{"cf-mitigated", "block"}}) << "unauthorized 403";
        QTest::newRow("200 with empty body is a body") << response(200, "") << "body:";
        QTest::newRow("200 without body") << response(200, std::nullopt) << "HTTP 200";
        QTest::newRow("204") << response(204, "") << "HTTP 204";
        QTest::newRow("500") << response(500, "oops") << "HTTP 500";
        QTest::newRow("302 not followed") << response(302, "") << "HTTP 302";
    }

    void classification()
    {
        QFETCH(HttpResponse, input);
        QFETCH(QString, expected);
        QCOMPARE(describe(HTTPClient::classify(input)), expected);
    }

    // When a failing service may be asked again; -1: no wait.
    void retryAfter_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<qint64>("wait");
        QTest::newRow("seconds") << QByteArray("120") << qint64(120);
        QTest::newRow("over an hour is an hour") << QByteArray("86400") << qint64(3600);
        QTest::newRow("beyond 64 bits is an hour") << QByteArray("99999999999999999999999") << qint64(3600);
        QTest::newRow("HTTP date") << QByteArray("Sun, 06 Dec 2026 12:01:30 GMT") << qint64(90);
        QTest::newRow("HTTP date tomorrow is an hour") << QByteArray("Mon, 07 Dec 2026 12:00:00 GMT") << qint64(3600);
        QTest::newRow("HTTP date passed") << QByteArray("Sun, 06 Dec 2026 11:00:00 GMT") << qint64(-1);
        QTest::newRow("zero") << QByteArray("0") << qint64(-1);
        QTest::newRow("negative") << QByteArray("-5") << qint64(-1);
        QTest::newRow("fraction") << QByteArray("1.5") << qint64(-1);
        QTest::newRow("text") << QByteArray("soon") << qint64(-1);
        QTest::newRow("absent") << QByteArray() << qint64(-1);
    }

    void retryAfter()
    {
        QFETCH(QByteArray, field);
        QFETCH(qint64, wait);
        const QDateTime now(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc());
        const std::optional<QDateTime> at = RetryAfter::instant(field, now);
        QCOMPARE(at ? now.secsTo(*at) : -1, wait);
        // The field travels with the failure that carried it.
        const auto classified = HTTPClient::classify(response(429, "", {{"Retry-After", " " + field + " "}}));
        QCOMPARE(std::get<FetchError>(classified).retryAfter, field.trimmed());
    }

    // After the streak-th "too many requests" in a row: five minutes at least, doubling, an hour at most.
    void rateLimitedWait_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("streak");
        QTest::addColumn<qint64>("wait");
        QTest::newRow("zero") << QByteArray("0") << 1 << qint64(300);
        QTest::newRow("absent") << QByteArray() << 1 << qint64(300);
        QTest::newRow("shorter") << QByteArray("60") << 1 << qint64(300);
        QTest::newRow("longer is kept") << QByteArray("900") << 1 << qint64(900);
        QTest::newRow("second in a row") << QByteArray("0") << 2 << qint64(600);
        QTest::newRow("third in a row, longer than asked") << QByteArray("900") << 3 << qint64(1200);
        QTest::newRow("doubling stops at an hour") << QByteArray("0") << 6 << qint64(3600);
        QTest::newRow("asked for longer than an hour") << QByteArray("7200") << 1 << qint64(3600);
    }

    void rateLimitedWait()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, streak);
        QFETCH(qint64, wait);
        const QDateTime now(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc());
        QCOMPARE(now.secsTo(RetryAfter::afterRateLimit(field, streak, now)), wait);
    }

    void headerValueSafety_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain key") << QStringLiteral("sk-ant-sid01-abc_DEF-123") << true;
        QTest::newRow("spaces and unicode letters") << QStringLiteral(" key é ") << true;
        QTest::newRow("line feed") << QStringLiteral("key\nX-Evil: 1") << false;
        QTest::newRow("carriage return") << QStringLiteral("key\rX") << false;
        QTest::newRow("tab") << QStringLiteral("key\tx") << false;
        QTest::newRow("NUL") << QString(QStringLiteral("key")).append(QChar(0)) << false;
        QTest::newRow("DEL") << QStringLiteral("key\x7f") << false;
        QTest::newRow("NEL") << QString(QStringLiteral("key")).append(QChar(0x85)) << false;
        QTest::newRow("line separator") << QString(QStringLiteral("key")).append(QChar(0x2028)) << false;
    }

    void headerValueSafety()
    {
        QFETCH(QString, value);
        QFETCH(bool, safe);
        QCOMPARE(HTTPClient::isSafeHeaderValue(value), safe);
    }

    void requestCarriesTheFourFieldsInOrderAndNoStoredCookies()
    {
        FakeWebServer server;
        server.route("/api/account", FakeReply{200, "{}", {{"Set-Cookie", "tracker=1; Path=/"}}});
        NetworkTransport transport;
        HTTPClient client(transport);

        fetch(client, server.origin() + "/api/account", {"Cookie", "sessionKey=abc"});
        fetch(client, server.origin() + "/api/account", {"Authorization", "Bearer xyz"});
        QCOMPARE(server.requests().size(), 2);

        for (const RecordedRequest &request : server.requests()) {
            QCOMPARE(request.method, QByteArray("GET"));
            QList<QByteArray> ours;
            for (const auto &[name, value] : request.headers) {
                if (QList<QByteArray>{"cookie", "authorization", "user-agent", "accept", "referer"}.contains(name.toLower()))
                    ours.append(name.toLower());
            }
            QCOMPARE(ours.size(), 4);
            QCOMPARE(ours.mid(1), (QList<QByteArray>{"user-agent", "accept", "referer"}));
            QCOMPARE(request.header("User-Agent").value(), HTTPClient::userAgent);
            QCOMPARE(request.header("Accept").value(), QByteArray("application/json"));
            QCOMPARE(request.header("Referer").value(), QByteArray("https://example.test"));
        }
        QCOMPARE(server.requests()[0].header("Cookie").value(), QByteArray("sessionKey=abc"));
        QVERIFY(!server.requests()[1].header("Cookie").has_value()); // the Set-Cookie was not kept
        QCOMPARE(server.requests()[1].header("Authorization").value(), QByteArray("Bearer xyz"));
    }

    void redirectIsFollowedOnlyWithinTheOrigin()
    {
        FakeWebServer server;
        FakeWebServer elsewhere;
        elsewhere.route("/steal", FakeReply{200, "{\"stolen\":true}"});
        server.route("/moved", FakeReply{302, "", {{"Location", "/here"}}});
        server.route("/here", FakeReply{200, "same origin"});
        server.route("/away", FakeReply{302, "", {{"Location", (elsewhere.origin() + "/steal").toUtf8()}}});
        NetworkTransport transport;
        HTTPClient client(transport);

        QCOMPARE(describe(fetch(client, server.origin() + "/moved")), QStringLiteral("body:same origin"));
        QCOMPARE(server.requests().last().header("Cookie").value(), QByteArray("a=b"));

        QCOMPARE(describe(fetch(client, server.origin() + "/away")), QStringLiteral("HTTP 302"));
        QVERIFY(elsewhere.requests().isEmpty());

        // A transport for public data may follow it.
        NetworkTransport feedTransport(HttpLimits{.sameOriginRedirectsOnly = false});
        HTTPClient feedClient(feedTransport);
        QCOMPARE(describe(fetch(feedClient, server.origin() + "/away")), QStringLiteral("body:{\"stolen\":true}"));
    }

    void limits_data()
    {
        QTest::addColumn<FakeReply>("reply");
        QTest::addColumn<QString>("expected");
        const QByteArray big(5 * 1024 * 1024 + 1, 'x');
        QTest::newRow("slow answer times out") << FakeReply{200, "{}", {}, 3000} << "The request timed out.";
        QTest::newRow("declared length over 5 MiB") << FakeReply{200, big} << "Response too large";
        QTest::newRow("undeclared body over 5 MiB")
            << FakeReply{200, big, {}, 0, false, true} << "Response too large";
        QTest::newRow("exactly 5 MiB is read")
            << FakeReply{200, QByteArray(5 * 1024 * 1024, 'x')} << QStringLiteral("body:%1 bytes").arg(5 * 1024 * 1024);
    }

    void limits()
    {
        QFETCH(FakeReply, reply);
        QFETCH(QString, expected);
        FakeWebServer server;
        server.route("/slow", reply);
        HttpLimits limits;
        limits.idleTimeout = std::chrono::milliseconds(400);
        limits.requestTimeout = std::chrono::milliseconds(800);
        NetworkTransport transport(limits);
        HTTPClient client(transport);
        QCOMPARE(describe(fetch(client, server.origin() + "/slow")), expected);
    }

    // Requests in a burst share a kept-alive connection; once the burst is over it is closed, so
    // that no connection, and none of the TLS state Qt keeps with it, outlives a refresh.
    void connectionsCloseAfterABurst()
    {
        FakeWebServer server;
        FakeReply kept{200, "{}"};
        kept.keepAlive = true;
        server.route("/usage", kept);
        HttpLimits limits;
        limits.lingerAfterLast = std::chrono::milliseconds(200);
        NetworkTransport transport(limits);
        HTTPClient client(transport);

        fetch(client, server.origin() + "/usage");
        fetch(client, server.origin() + "/usage");
        QCOMPARE(server.connectionsAccepted(), 1);
        QVERIFY(waitUntil([&] { return server.connectionsOpen() == 0; }, 2000));
        fetch(client, server.origin() + "/usage");
        QCOMPARE(server.connectionsAccepted(), 2);
    }

    // The system's proxy is asked once per host (whatever the path) for as long as the answer is kept.
    void proxyIsAskedOncePerHostWhileKept()
    {
        int asked = 0;
        KeptSystemProxy proxy(std::chrono::milliseconds(300), [&](const QNetworkProxyQuery &) {
            ++asked;
            return QList<QNetworkProxy>{QNetworkProxy(QNetworkProxy::NoProxy)};
        });
        const auto ask = [&](const char *url) { return proxy.queryProxy(QNetworkProxyQuery(QUrl(QString::fromLatin1(url)))); };
        QCOMPARE(ask("https://claude.ai/api/organizations").constFirst().type(), QNetworkProxy::NoProxy);
        ask("https://claude.ai/api/account");
        QCOMPARE(asked, 1);
        ask("https://chatgpt.com/backend-api/wham/usage");
        QCOMPARE(asked, 2);
        QTest::qWait(400);
        ask("https://claude.ai/api/account");
        QCOMPARE(asked, 3);
    }

    // A host name is resolved ahead of its request once in a while, not at every request; addresses
    // never are. A pause of -1 asks again while the first lookup is still under way.
    void hostIsResolvedAheadOncePerSpan_data()
    {
        QTest::addColumn<QStringList>("hosts");
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<int>("resolves");
        QTest::newRow("one host twice") << QStringList{"claude.ai", "claude.ai"} << 0 << 1;
        QTest::newRow("two hosts") << QStringList{"claude.ai", "chatgpt.com"} << 0 << 2;
        QTest::newRow("again after the span") << QStringList{"claude.ai", "claude.ai"} << 300 << 2;
        QTest::newRow("again while under way") << QStringList{"claude.ai", "claude.ai", "claude.ai"} << -1 << 1;
        QTest::newRow("addresses") << QStringList{"127.0.0.1", "::1"} << 0 << 0;
    }

    void hostIsResolvedAheadOncePerSpan()
    {
        QFETCH(QStringList, hosts);
        QFETCH(int, pauseMs);
        QFETCH(int, resolves);
        std::atomic<int> resolved = 0;
        HostLookahead lookahead(std::chrono::milliseconds(200), [&](const QString &) {
            QThread::msleep(30);
            ++resolved;
        });
        int ran = 0;
        for (qsizetype i = 0; i < hosts.size(); ++i) {
            lookahead.ensure(hosts[i], [&] { ++ran; });
            if (pauseMs >= 0) {
                QVERIFY(waitUntil([&] { return ran == i + 1; }));
                QTest::qWait(pauseMs);
            }
        }
        QVERIFY(waitUntil([&] { return ran == hosts.size(); }));
        QCOMPARE(resolved.load(), resolves);
    }

    // A request to a host name goes out once the name has been looked up ahead.
    void requestToAHostNameGoesOut()
    {
        if (QHostInfo::fromName(QStringLiteral("localhost")).addresses().isEmpty())
            QSKIP("this system does not resolve localhost");
        FakeWebServer server;
        server.route("/usage", FakeReply{200, "{\"ok\":1}"});
        NetworkTransport transport;
        HTTPClient client(transport);
        const QString origin = server.origin().replace(QLatin1String("127.0.0.1"), QLatin1String("localhost"));
        QCOMPARE(describe(fetch(client, origin + "/usage")), QStringLiteral("body:{\"ok\":1}"));
    }

    void transportFailureReadsAsItsDescription()
    {
        FakeWebServer server;
        server.route("/gone", FakeReply{200, "", {}, 0, true});
        NetworkTransport transport;
        HTTPClient client(transport);
        const FetchResult result = fetch(client, server.origin() + "/gone");
        QVERIFY(std::holds_alternative<FetchError>(result));
        QVERIFY(!std::get<FetchError>(result).isUnauthorized());
        QVERIFY(!std::get<FetchError>(result).message.isEmpty());
        QVERIFY(!std::get<FetchError>(result).message.startsWith(QStringLiteral("HTTP")));
    }
};

QTEST_GUILESS_MAIN(TestHttpClient)
#include "tst_httpclient.moc"
