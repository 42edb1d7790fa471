#include "CommandLine.h"

#include "interface/StatusReport.h"
#include "platform/StatusClient.h"

#include "BuildInfo.h"

#include <QJsonDocument>

#include <memory>

namespace {

const QString notRunningText = QStringLiteral("quotabar: no running Quotabar answers\n");

QJsonObject parse(const QString &document)
{
    return QJsonDocument::fromJson(document.toUtf8()).object();
}

QString waybarLine(const QString &document)
{
    return QString::fromUtf8(StatusReport::compact(StatusReport::waybar(parse(document)))) + QLatin1Char('\n');
}

} // namespace

bool CommandLine::isCommand(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return false;
    const QString &first = arguments.constFirst();
    return !first.startsWith(QLatin1Char('-')) || first == QLatin1String("--version")
        || first == QLatin1String("--help") || first == QLatin1String("-h");
}

QString CommandLine::help()
{
    return QStringLiteral(
        "Usage: quotabar [command]\n"
        "Without a command, starts Quotabar in the panel (a second start exits at once).\n"
        "\n"
        "Commands (they ask the running Quotabar and never start it):\n"
        "  status                     one line per shown provider, with the menu's texts\n"
        "  status --json              the whole state as one JSON object (schema version 1)\n"
        "  status --waybar [--follow] Waybar custom-module JSON; --follow prints a line per change\n"
        "  refresh [--json|--waybar]  fetch now, wait for the results (at most 30 s), print as status\n"
        "  --version                  print the version\n"
        "  --help                     print this help\n"
        "\n"
        "Exit status: 0 every shown provider has figures, 1 one has no usable data,\n"
        "2 no running Quotabar answers, 64 unknown command or option.\n"
        "status --waybar exits 0 whenever it printed, so that the bar shows the error class.\n");
}

CommandLine::CommandLine(StatusClient &client, Output output)
    : m_client(client)
    , m_output(std::move(output))
{
}

void CommandLine::run(const QStringList &arguments)
{
    const QString verb = arguments.value(0);
    const QStringList options = arguments.mid(1);
    const auto usage = [this](const QString &problem) {
        m_output.err(QStringLiteral("quotabar: %1\n\n").arg(problem) + help());
        m_output.exit(usageError);
    };

    if (verb == QLatin1String("--version") && options.isEmpty()) {
        m_output.out(QStringLiteral("Quotabar %1 (build %2)\n")
                         .arg(QString::fromLatin1(BuildInfo::version), QString::fromLatin1(BuildInfo::buildNumber)));
        m_output.exit(0);
        return;
    }
    if ((verb == QLatin1String("--help") || verb == QLatin1String("-h")) && options.isEmpty()) {
        m_output.out(help());
        m_output.exit(0);
        return;
    }
    if (verb != QLatin1String("status") && verb != QLatin1String("refresh"))
        return usage(QStringLiteral("unknown command '%1'").arg(verb));

    Form form = Form::lines;
    bool follow = false;
    for (const QString &option : options) {
        if (option == QLatin1String("--json") && form == Form::lines)
            form = Form::json;
        else if (option == QLatin1String("--waybar") && form == Form::lines)
            form = Form::waybar;
        else if (option == QLatin1String("--follow") && verb == QLatin1String("status"))
            follow = true;
        else
            return usage(QStringLiteral("unexpected option '%1'").arg(option));
    }
    if (follow && form != Form::waybar)
        return usage(QStringLiteral("--follow goes with --waybar"));

    if (follow) {
        // A redraw that changes nothing a bar shows (a countdown step in another format) prints nothing.
        auto last = std::make_shared<QString>();
        const bool running = m_client.follow(
            [this, last](const QString &document) {
                const QString line = waybarLine(document);
                if (line != *last)
                    m_output.out(line);
                *last = line;
            },
            [this] { m_output.exit(0); });
        if (!running) {
            m_output.err(notRunningText);
            m_output.exit(notRunning);
        }
        return;
    }

    const std::optional<QString> document = verb == QLatin1String("refresh") ? m_client.refresh() : m_client.status();
    if (!document) {
        m_output.err(notRunningText);
        m_output.exit(notRunning);
        return;
    }
    print(form, *document);
    m_output.exit(form == Form::waybar ? 0 : StatusReport::exitCode(parse(*document)));
}

void CommandLine::print(Form form, const QString &document)
{
    const QJsonObject status = parse(document);
    switch (form) {
    case Form::lines:
        m_output.out(StatusReport::lines(status));
        break;
    case Form::json:
        m_output.out(QString::fromUtf8(StatusReport::compact(status)) + QLatin1Char('\n'));
        break;
    case Form::waybar:
        m_output.out(waybarLine(document));
        break;
    }
}
