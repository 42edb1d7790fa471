#pragma once

#include <QString>

#include <optional>

// The system's list of programs started at login, for this application.
class LoginItems
{
public:
    virtual ~LoginItems() = default;
    // Each answers the error's description on failure.
    virtual std::optional<QString> registerApplication() = 0;
    virtual std::optional<QString> unregisterApplication() = 0;
};
