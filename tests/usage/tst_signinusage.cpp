#include "platform/qt/NetworkTransport.h"
#include "platform/qt/QtScheduler.h"
#include "support/FakeClock.h"
#include "support/FakeWebServer.h"
#include "platform/dummy/MemoryDefaultsStore.h"
#include "support/Waiting.h"
#include "usage/SignInTools.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

Q_DECLARE_METATYPE(FakeReply)

namespace {

const QByteArray claudePath = "/api/oauth/usage";
const QByteArray codexPath = "/backend-api/wham/usage";
const FakeReply claudeUsage{200, R"({"five_hour":{"utilization":12,"resets_at":"2026-12-06T15:00:00Z"},
                                    "seven_day":{"utilization":40,"resets_at":"2026-12-10T08:00:00Z"}})"};
const FakeReply codexUsage{200, R"({"rate_limit":{"primary_window":{"used_percent":10,"reset_at":1765025400}}})"};
// The fake clock stands at 2026-12-06 12:00 UTC.
const qint64 inAnHour = QDateTime(QDate(2026, 12, 6), QTime(13, 0), QTimeZone::utc()).toMSecsSinceEpoch();
const qint64 aMinuteAgo = QDateTime(QDate(2026, 12, 6), QTime(11, 59), QTimeZone::utc()).toMSecsSinceEpoch();

QByteArray claudeFile(const QByteArray &token, qint64 expiresAt)
{
    return R"({"claudeAiOauth":{"accessToken":")" + token + R"(","refreshToken":"never-used","expiresAt":)"
        + QByteArray::number(expiresAt) + R"(,"subscriptionType":"max"}})";
}

QByteArray codexFile(const QByteArray &token)
{
    return R"({"OPENAI_API_KEY":null,"tokens":{"access_token":")" + token
        + R"(","refresh_token":"never-used","account_id":"acct-7"}})";
}

// A temporary HOME holding the tools' sign-in files, and both fetchers reading it.
struct SignInHarness
{
    QTemporaryDir home;
    FakeWebServer server;
    MemoryDefaultsStore defaults;
    NetworkTransport transport{HttpLimits{std::chrono::milliseconds(500), std::chrono::milliseconds(1000)}};
    HTTPClient http{transport};
    QtScheduler scheduler;
    FakeClock clock;
    SignInFile::Environment environment = [this](const char *name) {
        return qstrcmp(name, "HOME") == 0 ? home.path() : QString();
    };
    SignInUsageFetcher<UsageData> claude{server.origin(), SignInTools::claudeCode(environment),
                                         FetcherServices{defaults, http, scheduler, clock}};
    SignInUsageFetcher<OpenAIUsageData> codex{server.origin(), SignInTools::codex(environment),
                                              FetcherServices{defaults, http, scheduler, clock}};
    QStringList outcomes;
    std::optional<QString> claudePlan;

    SignInHarness()
    {
        server.route(claudePath, claudeUsage);
        server.route(codexPath, codexUsage);
        claude.onUsageData = [this](const UsageData &r) {
            claudePlan = r.plan;
            outcomes.append(r.error ? "error:" + *r.error : "record");
        };
        claude.onNeedsLogin = [this] { outcomes.append(QStringLiteral("needsLogin")); };
        codex.onUsageData = [this](const OpenAIUsageData &r) { outcomes.append(r.error ? "error:" + *r.error : "record"); };
        codex.onNeedsLogin = [this] { outcomes.append(QStringLiteral("needsLogin")); };
    }

    void write(const QString &path, const QByteArray &contents)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }
    void writeClaude(const QByteArray &contents) { write(claude.filePath(), contents); }
    void writeCodex(const QByteArray &contents) { write(codex.filePath(), contents); }

    template<typename Fetcher>
    QString cycle(Fetcher &fetcher)
    {
        const qsizetype before = outcomes.size();
        fetcher.fetchUsage();
        if (!waitUntil([&] { return outcomes.size() > before; }))
            return QStringLiteral("timeout");
        return outcomes.last();
    }
};

// Our header fields of a request, in the order they were sent.
QList<HeaderField> ourHeaders(const RecordedRequest &request)
{
    static const QList<QByteArray> ours{"authorization", "anthropic-beta", "chatgpt-account-id", "accept",
                                        "user-agent", "cookie", "referer"};
    QList<HeaderField> found;
    for (const auto &[name, value] : request.headers) {
        if (ours.contains(name.toLower()))
            found.append({name.toLower(), value});
    }
    return found;
}

} // namespace

// Usage through the Claude Code and Codex sign-ins, against a loopback fake.
class TestSignInUsage : public QObject
{
    Q_OBJECT

private slots:
    void filesAreFoundWhereTheToolsKeepThem_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("claudePath");
        QTest::addColumn<QString>("codexPath");
        QTest::newRow("home") << QString() << "/home/u/.claude/.credentials.json" << "/home/u/.codex/auth.json";
        QTest::newRow("CLAUDE_CONFIG_DIR") << "CLAUDE_CONFIG_DIR" << "/etc/x/.credentials.json" << "/home/u/.codex/auth.json";
        QTest::newRow("CODEX_HOME") << "CODEX_HOME" << "/home/u/.claude/.credentials.json" << "/etc/x/auth.json";
    }

    void filesAreFoundWhereTheToolsKeepThem()
    {
        QFETCH(QString, variable);
        QFETCH(QString, claudePath);
        QFETCH(QString, codexPath);
        const SignInFile::Environment environment = [&](const char *name) {
            if (qstrcmp(name, "HOME") == 0)
                return QStringLiteral("/home/u");
            return variable == QLatin1String(name) ? QStringLiteral("/etc/x") : QString();
        };
        QCOMPARE(SignInFile::claudeCodePath(environment), claudePath);
        QCOMPARE(SignInFile::codexPath(environment), codexPath);
    }

    void headersAreExact()
    {
        SignInHarness h;
        h.writeClaude(claudeFile("oat-claude-1", inAnHour));
        h.writeCodex(codexFile("eyJ-codex-1"));
        QCOMPARE(h.cycle(h.claude), QStringLiteral("record"));
        QCOMPARE(h.claudePlan, QStringLiteral("Max")); // from the sign-in's subscription type
        QCOMPARE(h.cycle(h.codex), QStringLiteral("record"));
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{claudePath, codexPath}));

        const QByteArray ownAgent = HTTPClient::ownUserAgent;
        QVERIFY(ownAgent.startsWith("Quotabar/"));
        QCOMPARE(ourHeaders(h.server.requests()[0]), (QList<HeaderField>{{"authorization", "Bearer oat-claude-1"},
                                                                         {"anthropic-beta", "oauth-2025-04-20"},
                                                                         {"accept", "application/json"},
                                                                         {"user-agent", ownAgent}}));
        QCOMPARE(ourHeaders(h.server.requests()[1]), (QList<HeaderField>{{"authorization", "Bearer eyJ-codex-1"},
                                                                         {"chatgpt-account-id", "acct-7"},
                                                                         {"accept", "application/json"},
                                                                         {"user-agent", ownAgent}}));
    }

    void outcomes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<FakeReply>("reply");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("requests");

        QTest::newRow("expired: never sent") << claudeFile("oat-old", aMinuteAgo) << claudeUsage << "needsLogin" << 0;
        QTest::newRow("refused") << claudeFile("oat-1", inAnHour) << FakeReply{401} << "needsLogin" << 1;
        QTest::newRow("no file") << QByteArray() << claudeUsage << "needsLogin" << 0;
        QTest::newRow("no token") << QByteArray(R"({"claudeAiOauth":{}})") << claudeUsage << "needsLogin" << 0;
        QTest::newRow("token with a line break")
            << claudeFile("oat\\r\\nX-Evil: 1", inAnHour) << claudeUsage << "error:Sign-in file holds invalid characters" << 0;
        QTest::newRow("server error") << claudeFile("oat-1", inAnHour) << FakeReply{500} << "error:HTTP 500" << 1;
        QTest::newRow("unexpected body") << claudeFile("oat-1", inAnHour) << FakeReply{200, "[]"}
                                         << "error:Unexpected usage response format" << 1;
    }

    void outcomes()
    {
        QFETCH(QByteArray, file);
        QFETCH(FakeReply, reply);
        QFETCH(QString, outcome);
        QFETCH(int, requests);
        SignInHarness h;
        if (!file.isEmpty())
            h.writeClaude(file);
        h.server.route(claudePath, reply);
        QCOMPARE(h.cycle(h.claude), outcome);
        QCOMPARE(h.server.requests().size(), requests);
    }

    // A token the tool has renewed is used by the next request; the file itself is never touched.
    void theFileIsReadAfreshAndNeverWritten()
    {
        SignInHarness h;
        h.writeCodex(codexFile("eyJ-first"));
        QCOMPARE(h.cycle(h.codex), QStringLiteral("record"));
        h.writeCodex(codexFile("eyJ-renewed"));
        const QFileInfo before(h.codex.filePath());
        const QByteArray bytes = SignInFile::contents(h.codex.filePath()).value();
        QTRY_VERIFY(QDateTime::currentDateTime() > before.lastModified()); // a write would show in the time

        QCOMPARE(h.cycle(h.codex), QStringLiteral("record"));
        h.server.route(codexPath, FakeReply{401});
        QCOMPARE(h.cycle(h.codex), QStringLiteral("needsLogin"));
        QCOMPARE(h.server.requests()[0].header("Authorization"), QByteArray("Bearer eyJ-first"));
        QCOMPARE(h.server.requests()[1].header("Authorization"), QByteArray("Bearer eyJ-renewed"));

        const QFileInfo after(h.codex.filePath());
        QCOMPARE(SignInFile::contents(h.codex.filePath()).value(), bytes);
        QCOMPARE(after.lastModified(), before.lastModified());
        QCOMPARE(after.size(), before.size());
    }

    // The token follows no redirect, not even one within the origin.
    void aRedirectNeverCarriesTheToken()
    {
        SignInHarness h;
        FakeWebServer elsewhere;
        h.writeClaude(claudeFile("oat-1", inAnHour));
        h.server.route(claudePath, FakeReply{302, "", {{"Location", "/api/oauth/other"}}});
        QCOMPARE(h.cycle(h.claude), QStringLiteral("error:HTTP 302"));
        h.server.route(claudePath, FakeReply{307, "", {{"Location", (elsewhere.origin() + "/x").toUtf8()}}});
        QCOMPARE(h.cycle(h.claude), QStringLiteral("error:HTTP 307"));
        QCOMPARE(h.server.requestedPaths(), (QList<QByteArray>{claudePath, claudePath}));
        QVERIFY(elsewhere.requests().isEmpty());
    }

    void theTokenTravelsOnlyEncrypted_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("https") << "https://api.anthropic.com/api/oauth/usage" << true;
        QTest::newRow("plain http") << "http://api.anthropic.com/api/oauth/usage" << false;
        QTest::newRow("plain http to this machine") << "http://127.0.0.1:8080/api/oauth/usage" << true;
        QTest::newRow("another scheme") << "ftp://api.anthropic.com/x" << false;
    }

    void theTokenTravelsOnlyEncrypted()
    {
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        QCOMPARE(HTTPClient::mayCarryBearer(QUrl(url)), allowed);
    }
};

QTEST_GUILESS_MAIN(TestSignInUsage)
#include "tst_signinusage.moc"
