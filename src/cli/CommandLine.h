#pragma once

#include <QStringList>

#include <functional>

class StatusClient;

// The command-line verbs (status, refresh, --version, --help): they talk only to a running
// Quotabar, print what it answers and end with 0 (figures), 1 (a provider without usable data),
// 2 (no running Quotabar answers) or 64 (a usage error).
class CommandLine
{
public:
    struct Output
    {
        std::function<void(const QString &)> out;
        std::function<void(const QString &)> err;
        std::function<void(int code)> exit; // may be called after run() returns (status --follow)
    };

    static constexpr int noFigures = 1;
    static constexpr int notRunning = 2;
    static constexpr int usageError = 64;

    // Whether the arguments (program name left out) ask for a verb rather than the panel program.
    static bool isCommand(const QStringList &arguments);
    static QString help();

    CommandLine(StatusClient &client, Output output);
    void run(const QStringList &arguments);

private:
    enum class Form { lines, json, waybar };
    void print(Form form, const QString &document);

    StatusClient &m_client;
    Output m_output;
};
