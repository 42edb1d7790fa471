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
    // Reports every change until the program goes away; false when none runs.
    virtual bool follow(std::function<void(const QString &status)> onChange, std::function<void()> onGone) = 0;
};
