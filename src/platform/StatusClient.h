#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// A running Quotabar as the command line reaches it; every answer is the status document as text.
class StatusClient
{
public:
    virtual ~StatusClient() = default;

    // Empty when no running program answers.
    virtual std::optional<QString> status() = 0;
    // Asks for a fetch and answers once its results are in (the program bounds the wait).
    virtual std::optional<QString> refresh() = 0;
    // Follows the program until stopped: `onStatus` with the status at the start, at every change and
    // whenever the program comes back; `onGone` when none runs at the start and each time it goes away.
    // False when there is no bus to follow it on.
    virtual bool follow(std::function<void(const QString &status)> onStatus, std::function<void()> onGone) = 0;

    // What the program said to an edit of its accounts: done (with the new account's id for an
    // addition), or refused with the reason.
    struct Answer
    {
        bool done = false;
        QString text;
    };
    // "show", "hide", "remove" ID; "rename" ID LABEL. Empty when no running program answers.
    virtual std::optional<Answer> editAccount(const QString &verb, const QStringList &arguments) = 0;
    // A new account of `provider` ("claude", "chatgpt") with its pasted key. The key travels
    // through a pipe, never in the bus message or anything the system logs.
    // `source`: "key" for a pasted one, "browser" for one imported from a browser's cookies.
    virtual std::optional<Answer> addAccount(const QString &provider, const QString &label, const QString &source,
                                             const QString &key) = 0;
};
