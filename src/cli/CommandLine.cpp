#include "CommandLine.h"

#include "browser/SignInCookie.h"
#include "interface/StatusReport.h"
#include "platform/StatusClient.h"

#include "BuildInfo.h"

#include <QJsonDocument>

#include <algorithm>

namespace {

// What every command that needs the running program prints when none answers.
QString notRunningText()
{
    return QStringLiteral("quotabar: %1\n").arg(QCoreApplication::translate("CommandLine", "no running Quotabar answers"));
}

QJsonObject parse(const QString &document)
{
    return QJsonDocument::fromJson(document.toUtf8()).object();
}

// Whether a shown provider's rows tell how old its figures are ("Updated 3m ago"), a text that
// changes with time alone.
bool showsAge(const QJsonObject &status)
{
    const QJsonObject providers = status.value(QStringLiteral("providers")).toObject();
    return std::any_of(providers.begin(), providers.end(), [](const QJsonValue &provider) {
        const QJsonObject p = provider.toObject();
        const QString state = p.value(QStringLiteral("state")).toString();
        return p.value(QStringLiteral("shown")).toBool()
            && (state == QLatin1String("ok") || state == QLatin1String("stale"));
    });
}

// Polybar's colour for the text of a document of the given class; empty for "ok".
QString polybarColor(const QString &className)
{
    // Light enough to read on Polybar's dark default bar (#282A2E): 7.3:1 and 4.6:1.
    if (className == QLatin1String("low"))
        return QStringLiteral("#ffa348");
    if (className == QLatin1String("critical") || className == QLatin1String("error"))
        return QStringLiteral("#f66151");
    return {};
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
    //: The command's help. Commands, options and their values in capitals (ID, LABEL, BROWSER) are typed as
    //: they are: keep them, and keep the lines within 100 columns.
    return tr(
        "Usage: quotabar [command]\n"
        "Without a command, starts Quotabar in the panel (a second start exits at once).\n"
        "\n"
        "Commands (they never start Quotabar; status and refresh ask the running one):\n"
        "  status                       one line per shown provider, with the menu's texts\n"
        "  status --json                the whole state as one JSON object (schema version 1)\n"
        "  status --waybar [--follow]   Waybar custom-module JSON; --follow prints a line per change\n"
        "  status --polybar [--follow]  the title in Polybar's format, coloured when low or critical\n"
        "  status --account ID|LABEL    any of the above for one account only\n"
        "  refresh [--json|--waybar|--polybar]\n"
        "                               fetch now, wait for the results (at most 30 s), print as status\n"
        "  accounts [--json]            the accounts: id, provider, label, source, shown or hidden, state\n"
        "  accounts show|hide|remove ID show, hide or remove an account (by id, or by its label)\n"
        "  accounts rename ID LABEL     give an account another label\n"
        "  accounts add claude|chatgpt [--label LABEL]\n"
        "                               add an account with the key read from standard input\n"
        "  accounts add claude|chatgpt --from-browser BROWSER[:PROFILE] [--label LABEL]\n"
        "                               add an account with the sign-in cookie of a browser profile\n"
        "                               (firefox, librewolf, chromium, chrome, brave, edge, vivaldi;\n"
        "                               firefox-flatpak, chromium-snap, … for a sandboxed install)\n"
        "  accounts add claude|chatgpt --organization|--workspace ID [--label LABEL]\n"
        "                               add another organisation or workspace of the first account's sign-in\n"
        "  accounts browsers            the browser profiles signed in to claude.ai or chatgpt.com and\n"
        "                               when each sign-in expires; reads the browsers' cookie stores\n"
        "                               itself, never prints a cookie's value\n"
        "  --version                    print the version\n"
        "  --help                       print this help\n"
        "\n"
        "Exit status: 0 every shown provider has figures (or the accounts edit was done),\n"
        "1 one has no usable data (or the edit was refused), 2 no running Quotabar answers,\n"
        "64 unknown command or option; accounts browsers: 0 a sign-in that has not expired\n"
        "was found, 1 none was.\n"
        "--waybar and --polybar exit 0 whenever they printed, so that the bar shows the error class.\n"
        "--follow goes on while Quotabar is not running: it prints a line saying so and waits for it.\n");
}

CommandLine::CommandLine(StatusClient &client, Scheduler &scheduler, Output output)
    : m_client(client)
    , m_scheduler(scheduler)
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
        //: --version's answer: %1 is the version ("1.3.2"), %2 the build number ("412")
        m_output.out(tr("Quotabar %1 (build %2)")
                         .arg(QString::fromLatin1(BuildInfo::version), QString::fromLatin1(BuildInfo::buildNumber))
                     + QLatin1Char('\n'));
        m_output.exit(0);
        return;
    }
    if ((verb == QLatin1String("--help") || verb == QLatin1String("-h")) && options.isEmpty()) {
        m_output.out(help());
        m_output.exit(0);
        return;
    }
    if (verb == QLatin1String("accounts") && options == QStringList{QStringLiteral("browsers")} && m_browserScan)
        return listBrowsers();
    if (verb == QLatin1String("accounts"))
        return accounts(options);
    if (verb != QLatin1String("status") && verb != QLatin1String("refresh"))
        //: %1 is the command as given
        return usage(tr("unknown command '%1'").arg(verb));

    Form form = Form::lines;
    bool follow = false;
    m_account.reset();
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString &option = options.at(i);
        if (option == QLatin1String("--account") && i + 1 < options.size() && !m_account)
            m_account = options.at(++i);
        else if (option == QLatin1String("--json") && form == Form::lines)
            form = Form::json;
        else if (option == QLatin1String("--waybar") && form == Form::lines)
            form = Form::waybar;
        else if (option == QLatin1String("--polybar") && form == Form::lines)
            form = Form::polybar;
        else if (option == QLatin1String("--follow") && verb == QLatin1String("status"))
            follow = true;
        else
            //: %1 is an option as given ("--jsno")
            return usage(tr("unexpected option '%1'").arg(option));
    }
    const bool bar = form == Form::waybar || form == Form::polybar;
    if (follow && !bar)
        //: --follow, --waybar and --polybar are options: keep them as they are
        return usage(tr("--follow goes with --waybar or --polybar"));
    if (follow)
        return this->follow(form);

    const std::optional<QString> document = verb == QLatin1String("refresh") ? m_client.refresh() : m_client.status();
    if (!document) {
        m_output.err(notRunningText());
        m_output.exit(notRunning);
        return;
    }
    const std::optional<QJsonObject> status = chosen(*document);
    if (!status) {
        //: %1 is the account's id or label, as given
        m_output.err(QStringLiteral("quotabar: %1\n")
                         .arg(tr("no account '%1' (two accounts with that label are named by their ids)").arg(*m_account)));
        m_output.exit(usageError);
        return;
    }
    print(form, *status);
    m_output.exit(bar ? 0 : StatusReport::exitCode(*status));
}

std::optional<QJsonObject> CommandLine::chosen(const QString &document) const
{
    const QJsonObject status = parse(document);
    return m_account ? StatusReport::forAccount(status, *m_account) : std::optional(status);
}

void CommandLine::accounts(const QStringList &arguments)
{
    const QString verb = arguments.value(0);
    const auto usage = [this](const QString &problem) {
        m_output.err(QStringLiteral("quotabar: %1\n\n").arg(problem) + help());
        m_output.exit(usageError);
    };
    if (arguments.isEmpty() || arguments == QStringList{QStringLiteral("--json")}) {
        const std::optional<QString> document = m_client.status();
        if (!document) {
            m_output.err(notRunningText());
            m_output.exit(notRunning);
            return;
        }
        const QJsonObject status = parse(*document);
        m_output.out(arguments.isEmpty() ? StatusReport::accountLines(status)
                                         : QString::fromUtf8(QJsonDocument(StatusReport::accountList(status))
                                                                 .toJson(QJsonDocument::Compact))
                                               + QLatin1Char('\n'));
        m_output.exit(0);
        return;
    }
    if (verb == QLatin1String("add")) {
        const QString provider = arguments.value(1);
        QString label;
        QString sameSignIn; // the organisation or workspace of the first account's sign-in
        QString browser;    // --from-browser
        for (qsizetype i = 2; i < arguments.size(); i += 2) {
            const QString &option = arguments.at(i);
            if (i + 1 >= arguments.size())
                //: %1 is an option as given ("--label")
                return usage(tr("%1 needs a value").arg(option));
            if (option == QLatin1String("--label"))
                label = arguments.at(i + 1);
            else if (option == QLatin1String("--organization") || option == QLatin1String("--workspace"))
                sameSignIn = arguments.at(i + 1);
            else if (option == QLatin1String("--from-browser") && m_browserImport)
                browser = arguments.at(i + 1);
            else
                return usage(tr("unexpected option '%1'").arg(option));
        }
        if (provider != QLatin1String("claude") && provider != QLatin1String("chatgpt"))
            //: "accounts add", "claude" and "chatgpt" are typed as they are: keep them
            return usage(tr("accounts add takes claude or chatgpt"));
        if (!sameSignIn.isEmpty())
            return finish(m_client.editAccount(QStringLiteral("add-same-sign-in"), {provider, sameSignIn, label}));
        if (!browser.isEmpty()) {
            // Read here, by the user's own command; the value goes to the program as a pasted key would.
            const CookieImport imported =
                m_browserImport(provider == QLatin1String("claude") ? Provider::claude : Provider::openAI, browser);
            if (!imported.value) {
                m_output.err(QStringLiteral("quotabar: %1\n")
                                 .arg(imported.failure ? imported.failure->message : tr("nothing was imported")));
                m_output.exit(noFigures);
                return;
            }
            return finish(m_client.addAccount(provider, label, SourceNames::name(Account::Source::browser), *imported.value));
        }
        // The key comes from standard input: arguments show in the process list and in shell history.
        const QString key = m_output.in ? m_output.in().trimmed() : QString();
        if (key.isEmpty())
            //: "accounts add" is a command: keep it as it is
            return usage(tr("accounts add reads the key from standard input, and it was empty"));
        return finish(m_client.addAccount(provider, label, SourceNames::name(Account::Source::sessionKey), key));
    }
    const bool rename = verb == QLatin1String("rename");
    const bool oneAccount = verb == QLatin1String("show") || verb == QLatin1String("hide") || verb == QLatin1String("remove");
    if ((rename && arguments.size() != 3) || (oneAccount && arguments.size() != 2) || (!rename && !oneAccount))
        //: %1 is what followed "accounts", as given
        return usage(tr("unknown accounts command '%1'").arg(arguments.join(QLatin1Char(' '))));
    finish(m_client.editAccount(verb, arguments.mid(1)));
}

void CommandLine::finish(const std::optional<StatusClient::Answer> &answer)
{
    if (!answer) {
        m_output.err(notRunningText());
        m_output.exit(notRunning);
        return;
    }
    if (!answer->done) {
        m_output.err(QStringLiteral("quotabar: %1\n").arg(answer->text));
        m_output.exit(noFigures);
        return;
    }
    if (!answer->text.isEmpty())
        m_output.out(answer->text + QLatin1Char('\n'));
    m_output.exit(0);
}

void CommandLine::follow(Form form)
{
    const bool following = m_client.follow([this, form](const QString &document) { showFollowed(form, document); },
                                           [this, form] { showFollowed(form, std::nullopt); });
    if (!following) {
        m_output.err(notRunningText());
        m_output.exit(notRunning);
    }
}

void CommandLine::showFollowed(Form form, const std::optional<QString> &document)
{
    const std::optional<QJsonObject> status = document ? chosen(*document) : std::nullopt;
    // A running program without the account says so, not that it is gone.
    //: A bar's tooltip: %1 is the account's id or label, as given
    const QString absent = document ? tr("Quotabar has no account '%1'").arg(m_account.value_or(QString()))
                                    : tr("Quotabar is not running");
    // A redraw that changes nothing a bar shows (a countdown step in another format) prints nothing.
    const QString line = barLine(form, status, absent);
    const bool printed = line != m_lastLine;
    if (printed) {
        m_output.out(line);
        m_lastLine = line;
    }
    // The rows say how old the figures are, so a minute after the last line the text is asked for
    // again, printed if it changed, and asked for again a minute later.
    if (!status || !showsAge(*status)) {
        m_scheduler.cancel(m_ageTimer);
        m_ageTimer = 0;
    } else if (printed || m_ageTimer == 0) {
        m_scheduler.cancel(m_ageTimer);
        m_ageTimer = m_scheduler.after(ageStep, [this, form] {
            m_ageTimer = 0;
            // No answer: the program is going away, and the bus says so in a moment.
            if (const std::optional<QString> now = m_client.status())
                showFollowed(form, now);
        });
    }
}

QString CommandLine::barLine(Form form, const std::optional<QJsonObject> &status, const QString &absent)
{
    if (form == Form::waybar) {
        const QJsonObject module = status ? StatusReport::waybar(*status)
                                          : QJsonObject{{QStringLiteral("text"), QStringLiteral("Quotabar ⚠")},
                                                        {QStringLiteral("tooltip"), absent},
                                                        {QStringLiteral("class"), QStringLiteral("error")}};
        return QString::fromUtf8(StatusReport::compact(module)) + QLatin1Char('\n');
    }
    const QString text = status ? status->value(QStringLiteral("title")).toString() : QStringLiteral("Quotabar ⚠");
    const QString color = polybarColor(status ? status->value(QStringLiteral("class")).toString() : QStringLiteral("error"));
    if (color.isEmpty())
        return text + QLatin1Char('\n');
    return QStringLiteral("%{F%1}%2%{F-}\n").arg(color, text);
}

void CommandLine::print(Form form, const QJsonObject &status)
{
    switch (form) {
    case Form::lines:
        m_output.out(StatusReport::lines(status));
        break;
    case Form::json:
        m_output.out(QString::fromUtf8(StatusReport::compact(status)) + QLatin1Char('\n'));
        break;
    case Form::waybar:
    case Form::polybar:
        m_output.out(barLine(form, status, {}));
        break;
    }
}

void CommandLine::listBrowsers()
{
    QString text;
    QStringList problems;
    bool usable = false;
    for (const ProviderIdentity &identity : Providers::all) {
        const CookieScan scan = m_browserScan(identity.provider);
        //: A heading: %1 is the provider ("Claude"), %2 the cookie's name ("sessionKey"), %3 the site ("claude.ai")
        text += tr("%1 (%2 cookie of %3):")
                    .arg(identity.name, SignInCookie::cookieName(identity.provider), SignInCookie::site(identity.provider))
            + QLatin1Char('\n');
        // The first column is what --from-browser takes.
        qsizetype width = 0;
        for (const CookieCandidate &candidate : scan.candidates)
            width = std::max(width, candidate.profile.install().size() + 1 + candidate.profile.id.size());
        for (const CookieCandidate &candidate : scan.candidates) {
            const BrowserProfile &profile = candidate.profile;
            QString expiry;
            if (!candidate.expires) {
                //: How long a browser's sign-in cookie lasts, when it has no expiry date
                expiry = tr("until the browser closes");
            } else if (candidate.expired) {
                //: %1 is when the sign-in cookie expired (a date and time)
                expiry = tr("expired %1").arg(SignInCookie::timeText(*candidate.expires));
            } else {
                //: %1 is when the sign-in cookie expires (a date and time)
                expiry = tr("expires %1").arg(SignInCookie::timeText(*candidate.expires));
            }
            text += QStringLiteral("  %1  %2, %3\n")
                        .arg(QString(profile.install() + QLatin1Char(':') + profile.id).leftJustified(width), profile.label(), expiry);
            usable = usable || !candidate.expired;
        }
        if (scan.candidates.empty())
            //: Below a provider's heading when no browser profile is signed in: %1 says why
            text += QStringLiteral("  %1\n").arg(tr("none: %1").arg(SignInCookie::nothingToImport(scan, identity.provider).message));
        for (const CookieFailure &problem : scan.problems) {
            if (!problems.contains(problem.message))
                problems.append(problem.message);
        }
    }
    m_output.out(text);
    for (const QString &problem : std::as_const(problems))
        m_output.err(QStringLiteral("quotabar: %1\n").arg(problem));
    m_output.exit(usable ? 0 : noFigures);
}
