#include "cli/CommandLine.h"
#include "interface/StatusReport.h"
#include "platform/StatusClient.h"
#include "support/WorkedExample.h"

#include <QtTest>

namespace {

// A running program that answers with a fixed document, or none that answers.
class FakeStatusClient final : public StatusClient
{
public:
    std::optional<QString> document;
    QStringList calls;

    std::optional<QString> status() override
    {
        calls << QStringLiteral("status");
        return document;
    }
    std::optional<QString> refresh() override
    {
        calls << QStringLiteral("refresh");
        return document;
    }
    bool follow(std::function<void(const QString &)>, std::function<void()>) override
    {
        calls << QStringLiteral("follow");
        return document.has_value();
    }
};

QString documentWith(const ProviderUsage &chatGPT)
{
    using namespace WorkedExample;
    const StatusInputs inputs{TitleInputs{DisplayFormat::both, true, true, claude, chatGPT, now}};
    return QString::fromUtf8(StatusReport::compact(StatusReport::build(inputs)));
}

} // namespace

// The verbs, their options and exit codes, against a running program stood in for.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void verbsAndExitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("state"); // "ok", "error" (ChatGPT failed) or "none" (nothing running)
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

        FakeStatusClient client;
        if (state != QLatin1String("none"))
            client.document = documentWith(state == QLatin1String("ok") ? WorkedExample::chatGPT
                                                                         : WorkedExample::failed(QStringLiteral("HTTP 500")));
        QString out;
        QString err;
        QList<int> exits;
        CommandLine commandLine(client, {[&out](const QString &text) { out += text; },
                                         [&err](const QString &text) { err += text; },
                                         [&exits](int code) { exits << code; }});
        commandLine.run(arguments);

        QCOMPARE(exits, QList<int>{exitCode});
        QCOMPARE(client.calls, call.isEmpty() ? QStringList() : QStringList{call});
        const QJsonObject status = QJsonDocument::fromJson(client.document.value_or(QString()).toUtf8()).object();
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
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
