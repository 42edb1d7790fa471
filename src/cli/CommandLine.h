#pragma once

#include "app/Providers.h"
#include "browser/BrowserCookie.h"
#include "platform/Scheduler.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QStringList>

#include <functional>
#include <optional>

#include "platform/StatusClient.h"

// The command-line verbs (status, refresh, accounts, --version, --help): they talk only to a running
// Quotabar, print what it answers and end with 0 (figures), 1 (a provider without usable data),
// 2 (no running Quotabar answers) or 64 (a usage error).
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    struct Output
    {
        std::function<void(const QString &)> out;
        std::function<void(const QString &)> err;
        std::function<void(int code)> exit; // may be called after run() returns (status --follow)
        std::function<QString()> in;        // all of standard input (accounts add reads its key there)
    };

    static constexpr int noFigures = 1;
    static constexpr int notRunning = 2;
    static constexpr int outputClosed = 74; // EX_IOERR: the reader of standard output has gone
    static constexpr int usageError = 64;

    // Whether the arguments (program name left out) ask for a verb rather than the panel program.
    static bool isCommand(const QStringList &arguments);
    static QString help();

    // How often at most --follow prints a line only because the age of the figures has grown.
    static constexpr std::chrono::minutes ageStep{1};

    CommandLine(StatusClient &client, Scheduler &scheduler, Output output);
    // What `accounts browsers` lists: a look into the browsers' cookie stores for one provider.
    void setBrowserScan(std::function<CookieScan(Provider)> scan) { m_browserScan = std::move(scan); }
    // accounts add --from-browser: the provider's sign-in cookie from BROWSER[:PROFILE].
    void setBrowserImport(std::function<CookieImport(Provider, const QString &browser)> import)
    {
        m_browserImport = std::move(import);
    }
    void run(const QStringList &arguments);

private:
    enum class Form { lines, json, waybar, polybar };
    void print(Form form, const QJsonObject &status);
    // The line a bar shows for the document, or without one, the warning with `absent` as its tooltip.
    static QString barLine(Form form, const std::optional<QJsonObject> &status, const QString &absent);
    void follow(Form form);
    void showFollowed(Form form, const std::optional<QString> &document);
    // The document as printed: the one account's with --account.
    std::optional<QJsonObject> chosen(const QString &document) const;
    void accounts(const QStringList &arguments);
    // Ends with the program's answer to an edit: 0 done, 1 refused, 2 nobody answered.
    void finish(const std::optional<StatusClient::Answer> &answer);
    // accounts browsers: the profiles holding each provider's sign-in, without values.
    void listBrowsers();

    StatusClient &m_client;
    Scheduler &m_scheduler;
    Output m_output;
    QString m_lastLine;
    std::optional<QString> m_account; // --account
    Scheduler::TimerId m_ageTimer = 0;
    std::function<CookieScan(Provider)> m_browserScan;
    std::function<CookieImport(Provider, const QString &)> m_browserImport;
};
