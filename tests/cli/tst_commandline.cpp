#include "cli/CommandLine.h"
#include "interface/ReportRows.h"
#include "platform/StatusClient.h"
#include "support/FakeScheduler.h"
#include "support/WorkedExample.h"

#include <QJsonDocument>
#include <QTimeZone>
#include <QtTest>

namespace {

// A running (or stopped) program whose status is built at the fake clock's time.
class FakeStatusClient final : public StatusClient
{
public:
    explicit FakeStatusClient(FakeClock &clock)
        : m_clock(clock)
    {
    }

    bool running = true;
    std::optional<ProviderUsage> claude = WorkedExample::claude;
    int asked = 0;
    bool refreshed = false;
    std::function<void(const QString &)> onStatus;
    std::function<void()> onGone;

    QString document() const
    {
        StatusInputs inputs{TitleInputs{DisplayFormat::both, true, false, claude, std::nullopt, m_clock.now()}};
        if (work) { // a second Claude account beside the first
            inputs.accounts = {{Account{Account::firstId(Provider::claude), Provider::claude, QStringLiteral("Claude")}, claude},
                               {Account{QStringLiteral("a0000001"), Provider::claude, QStringLiteral("Work")}, work}};
        }
        return QString::fromUtf8(StatusReport::compact(StatusReport::build(ReportRows::filled(inputs))));
    }
    std::optional<Answer> editAccount(const QString &verb, const QStringList &arguments) override
    {
        edits.append(QStringList{verb} + arguments);
        return running ? std::optional(answer) : std::nullopt;
    }
    std::optional<Answer> addAccount(const QString &provider, const QString &label, const QString &source,
                                     const QString &key) override
    {
        edits.append({QStringLiteral("add"), provider, label, source, key});
        return running ? std::optional(answer) : std::nullopt;
    }
    std::optional<ProviderUsage> work;
    QList<QStringList> edits;
    Answer answer{true, {}};
    std::optional<QString> status() override
    {
        ++asked;
        return running ? std::optional(document()) : std::nullopt;
    }
    std::optional<QString> refresh() override
    {
        refreshed = true;
        return status();
    }
    bool follow(std::function<void(const QString &)> status, std::function<void()> gone) override
    {
        onStatus = std::move(status);
        onGone = std::move(gone);
        running ? onStatus(document()) : onGone();
        return true;
    }

private:
    FakeClock &m_clock;
};

ProviderUsage claudeUsed(double session)
{
    ProviderUsage usage = WorkedExample::claude;
    usage.sessionPercentage = session;
    return usage;
}

} // namespace

// The command line's verbs, exit codes and bar lines, against a fake program on a fake clock.
class TestCommandLine : public QObject
{
    Q_OBJECT

    FakeClock m_clock{WorkedExample::now};
    FakeScheduler m_scheduler{m_clock};
    FakeStatusClient m_client{m_clock};
    QStringList m_printed;
    std::optional<int> m_exit;
    CommandLine m_commandLine{m_client, m_scheduler,
                              {[this](const QString &line) { m_printed.append(line); }, [](const QString &) {},
                               [this](int code) { m_exit = code; }}};

    QString tooltip(qsizetype line) const
    {
        return QJsonDocument::fromJson(m_printed.value(line).toUtf8()).object().value(QStringLiteral("tooltip")).toString();
    }

private slots:
    // The accounts verbs and --account: what reaches the program, what is printed, how it ends.
    void accounts_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QStringList>("edit");
        const QStringList none;
        QTest::newRow("one account's bar") << QStringList{"status", "--account", "work", "--waybar"} << QString() << false << 0
                                           << "\"text\":\"Work S:10%  W:10%\"" << none;
        QTest::newRow("by id, as lines") << QStringList{"status", "--account", "a0000001"} << QString() << false << 0
                                         << "Claude · Work" << none;
        QTest::newRow("no such account") << QStringList{"status", "--account", "Home"} << QString() << false << 64 << QString() << none;
        QTest::newRow("list") << QStringList{"accounts"} << QString() << false << 0 << "a0000001\tclaude\tWork\tkey\tshown\tok" << none;
        QTest::newRow("list as JSON") << QStringList{"accounts", "--json"} << QString() << false << 0
                                      << "{\"accountSource\":\"key\",\"id\":\"a0000001\"" << none;
        QTest::newRow("add reads the key from standard input")
            << QStringList{"accounts", "add", "claude", "--label", "Work"} << "  sk-secret\n" << false << 0 << QString()
            << QStringList{"add", "claude", "Work", "key", "sk-secret"};
        QTest::newRow("another workspace of the sign-in, no key read")
            << QStringList{"accounts", "add", "chatgpt", "--workspace", "team-1", "--label", "Team"} << QString() << false << 0
            << QString() << QStringList{"add-same-sign-in", "chatgpt", "team-1", "Team"};
        QTest::newRow("from a browser") << QStringList{"accounts", "add", "claude", "--from-browser", "firefox"} << QString()
                                        << false << 0 << QString() << QStringList{"add", "claude", "", "browser", "sk-secret-from-firefox"};
        QTest::newRow("from a browser without the cookie")
            << QStringList{"accounts", "add", "chatgpt", "--from-browser", "firefox"} << QString() << false << 1 << QString() << none;
        QTest::newRow("add without a key") << QStringList{"accounts", "add", "chatgpt"} << QString() << false << 64 << QString() << none;
        QTest::newRow("add an unknown provider") << QStringList{"accounts", "add", "gemini"} << "k" << false << 64 << QString() << none;
        QTest::newRow("rename") << QStringList{"accounts", "rename", "Work", "Office"} << QString() << false << 0 << QString()
                                << QStringList{"rename", "Work", "Office"};
        QTest::newRow("rename without a label") << QStringList{"accounts", "rename", "Work"} << QString() << false << 64 << QString() << none;
        QTest::newRow("refused") << QStringList{"accounts", "remove", "claude"} << QString() << true << 1 << QString()
                                 << QStringList{"remove", "claude"};
    }
    void accounts()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, input);
        QFETCH(bool, refused);
        QFETCH(int, exitCode);
        QFETCH(QString, printed);
        QFETCH(QStringList, edit);
        FakeStatusClient client(m_clock);
        ProviderUsage work = WorkedExample::claude;
        work.sessionPercentage = work.weeklyPercentage = 90;
        client.work = work;
        client.answer = {!refused, refused ? QStringLiteral("no") : QString()};
        QString out;
        std::optional<int> exit;
        CommandLine commandLine(client, m_scheduler,
                                {[&out](const QString &text) { out += text; }, [](const QString &) {},
                                 [&exit](int code) { exit = code; }, [&input] { return input; }});
        commandLine.setBrowserImport([](Provider provider, const QString &browser) {
            CookieImport imported;
            if (provider == Provider::claude && browser == QLatin1String("firefox"))
                imported.value = QStringLiteral("sk-secret-from-firefox");
            else
                imported.failure = CookieFailure{CookieFailure::Kind::noCookie, QStringLiteral("no cookie")};
            return imported;
        });
        commandLine.run(arguments);
        QCOMPARE(exit, std::optional(exitCode));
        QVERIFY2(out.contains(printed), qPrintable(out));
        QCOMPARE(client.edits, edit.isEmpty() ? QList<QStringList>() : QList<QStringList>{edit});
        // A key is handed over, never printed.
        QVERIFY(!out.contains(QStringLiteral("sk-secret")));
    }

    // The browsers' sign-ins, listed without values; the exit code tells whether one is usable.
    void accountsBrowsers_data()
    {
        QTest::addColumn<bool>("expired");
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("valid") << false << "expires 2027-01-02 03:04" << 0;
        QTest::newRow("expired") << true << "expired 2027-01-02 03:04" << 1;
    }

    void accountsBrowsers()
    {
        QFETCH(bool, expired);
        QFETCH(QString, expiry);
        QFETCH(int, exitCode);
        const BrowserProfile firefox{BrowserProfile::Family::firefox, QStringLiteral("firefox"), QStringLiteral("Firefox"),
                                     QStringLiteral("Flatpak"), QStringLiteral("ab.default"), QStringLiteral("default"), {}, {}};
        const QDateTime when(QDate(2027, 1, 2), QTime(3, 4), QTimeZone::systemTimeZone());
        m_commandLine.setBrowserScan([&](Provider provider) {
            CookieScan scan;
            scan.profilesSearched = 1;
            if (provider == Provider::claude)
                scan.candidates.push_back({firefox, when, expired});
            return scan;
        });
        m_commandLine.run({QStringLiteral("accounts"), QStringLiteral("browsers")});
        const QString printed = m_printed.join(QString());
        m_printed.clear();
        m_commandLine.setBrowserScan({});
        QCOMPARE(std::exchange(m_exit, std::nullopt).value_or(-1), exitCode);
        QCOMPARE(printed,
                 QStringLiteral("Claude (sessionKey cookie of claude.ai):\n"
                                "  firefox-flatpak:ab.default  Firefox Flatpak (default), %1\n"
                                "ChatGPT (__Secure-next-auth.session-token cookie of chatgpt.com):\n"
                                "  none: No browser profile is signed in to chatgpt.com (no __Secure-next-auth.session-token "
                                "cookie): sign in there first.\n")
                     .arg(expiry));
    }

    // A bar that follows an account the program does not have says that, not that it is gone.
    void followingAnAccountThatIsNotThere()
    {
        FakeStatusClient client(m_clock);
        QString out;
        CommandLine commandLine(client, m_scheduler,
                                {[&out](const QString &text) { out += text; }, [](const QString &) {}, [](int) {}});
        commandLine.run({QStringLiteral("status"), QStringLiteral("--waybar"), QStringLiteral("--follow"),
                         QStringLiteral("--account"), QStringLiteral("Home")});
        QVERIFY2(out.contains(QStringLiteral("\"tooltip\":\"Quotabar has no account 'Home'\"")), qPrintable(out));
        client.running = false;
        client.onGone();
        QVERIFY2(out.contains(QStringLiteral("Quotabar is not running")), qPrintable(out));
    }

    void followTellsTheAgeOncePerMinute()
    {
        m_commandLine.run({QStringLiteral("status"), QStringLiteral("--waybar"), QStringLiteral("--follow")});
        QCOMPARE(m_printed.size(), 1);
        QVERIFY(tooltip(0).endsWith(QStringLiteral("Updated just now")));

        m_scheduler.advance(std::chrono::seconds(59));
        QCOMPARE(m_printed.size(), 1);
        m_scheduler.advance(std::chrono::seconds(1));
        QCOMPARE(m_printed.size(), 2);
        QVERIFY(tooltip(1).endsWith(QStringLiteral("Updated 1m ago")));

        // A change that shows the same text prints nothing and leaves the minute where it was.
        m_scheduler.advance(std::chrono::seconds(30));
        m_client.onStatus(m_client.document());
        QCOMPARE(m_printed.size(), 2);
        m_scheduler.advance(std::chrono::seconds(30));
        QCOMPARE(m_printed.size(), 3);
        QVERIFY(tooltip(2).endsWith(QStringLiteral("Updated 2m ago")));

        // A line for a change starts the minute again.
        m_scheduler.advance(std::chrono::seconds(20));
        m_client.claude = claudeUsed(50);
        m_client.onStatus(m_client.document());
        QCOMPARE(m_printed.size(), 4);
        m_scheduler.advance(std::chrono::seconds(59));
        QCOMPARE(m_printed.size(), 4);
        m_scheduler.advance(std::chrono::seconds(1));
        QCOMPARE(m_printed.size(), 5);
        QVERIFY(tooltip(4).endsWith(QStringLiteral("Updated 3m ago")));

        // Without figures no age is shown, and nothing is asked again.
        m_client.claude = WorkedExample::failed(QStringLiteral("Network error"));
        m_client.onStatus(m_client.document());
        const int asked = m_client.asked;
        m_scheduler.advance(std::chrono::minutes(10));
        QCOMPARE(m_client.asked, asked);
        QCOMPARE(m_printed.size(), 6);

        // Gone and back: one line each, and the age is followed again.
        m_client.claude = WorkedExample::claude;
        m_client.onGone();
        m_client.onGone();
        QCOMPARE(m_printed.size(), 7);
        QCOMPARE(m_printed.last(), QStringLiteral("{\"class\":\"error\",\"text\":\"Quotabar ⚠\",\"tooltip\":\"Quotabar is not running\"}\n"));
        m_client.onStatus(m_client.document());
        m_scheduler.advance(std::chrono::minutes(1));
        QCOMPARE(m_printed.size(), 9);
        QVERIFY(!m_exit);
    }

    // The verbs, their options and exit codes; what goes to standard output and error.
    void verbsAndExitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("state"); // "ok", "error" (Claude failed) or "none" (nothing running)
        QTest::addColumn<QString>("call");  // what the running program was asked
        QTest::addColumn<QString>("printed"); // "lines", "json", "waybar", "help", "version" or "" (nothing)
        QTest::addColumn<int>("exitCode");

        QTest::newRow("status") << QStringList{"status"} << "ok" << "status" << "lines" << 0;
        QTest::newRow("status, a provider failed") << QStringList{"status"} << "error" << "status" << "lines" << 1;
        QTest::newRow("status --json, a provider failed") << QStringList{"status", "--json"} << "error" << "status"
                                                          << "json" << 1;
        // A bar shows the error class only if the module's command succeeds.
        QTest::newRow("status --waybar, a provider failed") << QStringList{"status", "--waybar"} << "error" << "status"
                                                            << "waybar" << 0;
        QTest::newRow("refresh --waybar, a provider failed") << QStringList{"refresh", "--waybar"} << "error"
                                                             << "refresh" << "waybar" << 0;
        QTest::newRow("refresh --json") << QStringList{"refresh", "--json"} << "ok" << "refresh" << "json" << 0;
        QTest::newRow("nothing running") << QStringList{"status", "--waybar"} << "none" << "status" << "" << 2;
        QTest::newRow("--help") << QStringList{"--help"} << "ok" << "" << "help" << 0;
        QTest::newRow("--version") << QStringList{"--version"} << "ok" << "" << "version" << 0;
        QTest::newRow("unknown command") << QStringList{"stats"} << "ok" << "" << "" << 64;
        QTest::newRow("unknown option") << QStringList{"status", "--yaml"} << "ok" << "" << "" << 64;
        QTest::newRow("two forms") << QStringList{"status", "--json", "--waybar"} << "ok" << "" << "" << 64;
        QTest::newRow("a form twice") << QStringList{"refresh", "--json", "--json"} << "ok" << "" << "" << 64;
        QTest::newRow("--follow alone") << QStringList{"status", "--follow"} << "ok" << "" << "" << 64;
        QTest::newRow("refresh does not follow") << QStringList{"refresh", "--waybar", "--follow"} << "ok" << "" << "" << 64;
        QTest::newRow("--version with more") << QStringList{"--version", "status"} << "ok" << "" << "" << 64;
    }

    void verbsAndExitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, state);
        QFETCH(QString, call);
        QFETCH(QString, printed);
        QFETCH(int, exitCode);

        FakeStatusClient client(m_clock);
        client.running = state != QLatin1String("none");
        if (state == QLatin1String("error"))
            client.claude = WorkedExample::failed(QStringLiteral("HTTP 500"));
        QString out;
        QString err;
        QList<int> exits;
        CommandLine commandLine(client, m_scheduler,
                                {[&out](const QString &text) { out += text; }, [&err](const QString &text) { err += text; },
                                 [&exits](int code) { exits << code; }});
        commandLine.run(arguments);

        QCOMPARE(exits, QList<int>{exitCode});
        QCOMPARE(client.asked, call.isEmpty() ? 0 : 1);
        QCOMPARE(client.refreshed, call == QLatin1String("refresh"));
        const QJsonObject status = QJsonDocument::fromJson(client.document().toUtf8()).object();
        const QHash<QString, QString> expected{
            {QStringLiteral("lines"), StatusReport::lines(status)},
            {QStringLiteral("json"), QString::fromUtf8(StatusReport::compact(status)) + QLatin1Char('\n')},
            {QStringLiteral("waybar"), QString::fromUtf8(StatusReport::compact(StatusReport::waybar(status))) + QLatin1Char('\n')},
            {QStringLiteral("help"), CommandLine::help()},
        };
        if (printed == QLatin1String("version"))
            QVERIFY2(out.startsWith(QLatin1String("Quotabar ")) && out.endsWith(QLatin1String(")\n")), qPrintable(out));
        else
            QCOMPARE(out, expected.value(printed));
        if (printed == QLatin1String("waybar"))
            QCOMPARE(QJsonDocument::fromJson(out.toUtf8()).object().value(QStringLiteral("class")).toString(), state);
        // Usage errors and a missing program are told on standard error, with the help for the former.
        QCOMPARE(err.endsWith(CommandLine::help()), exitCode == CommandLine::usageError);
        QCOMPARE(err == QLatin1String("quotabar: no running Quotabar answers\n"), exitCode == CommandLine::notRunning);
    }

    void isCommand_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("command");
        QTest::newRow("no arguments start the panel") << QStringList{} << false;
        QTest::newRow("a panel option") << QStringList{"--platform", "xcb"} << false;
        QTest::newRow("a verb") << QStringList{"status"} << true;
        QTest::newRow("a misspelt verb is answered, not started") << QStringList{"stauts"} << true;
        QTest::newRow("-h") << QStringList{"-h"} << true;
    }

    void isCommand()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, command);
        QCOMPARE(CommandLine::isCommand(arguments), command);
    }

    void polybarColoursLowAndCritical_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<std::optional<ProviderUsage>>("claude");
        QTest::addColumn<QString>("line");
        QTest::newRow("ok") << true << std::optional(WorkedExample::claude) << "Claude S:73%  W:41%\n";
        QTest::newRow("low") << true << std::optional(claudeUsed(80)) << "%{F#ffa348}Claude S:20%  W:41%%{F-}\n";
        QTest::newRow("critical") << true << std::optional(claudeUsed(95)) << "%{F#f66151}Claude S:5%  W:41%%{F-}\n";
        QTest::newRow("no figures") << true << std::optional(WorkedExample::failed(QStringLiteral("Network error")))
                                    << "%{F#f66151}Claude ⚠%{F-}\n";
        QTest::newRow("not running") << false << std::optional(WorkedExample::claude) << "%{F#f66151}Quotabar ⚠%{F-}\n";
    }

    void polybarColoursLowAndCritical()
    {
        QFETCH(bool, running);
        QFETCH(std::optional<ProviderUsage>, claude);
        QFETCH(QString, line);
        m_client.running = running;
        m_client.claude = claude;
        m_printed.clear();
        m_commandLine.run({QStringLiteral("status"), QStringLiteral("--polybar"), QStringLiteral("--follow")});
        QCOMPARE(m_printed, QStringList{line});
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
