#pragma once

#include <QString>

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
};
