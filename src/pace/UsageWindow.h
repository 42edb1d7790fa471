#pragma once

#include "app/Providers.h"
#include "usage/ProviderUsage.h"

#include <array>

// The four limit windows the application follows: each provider's session and weekly window.
enum class Window { session, weekly };

inline constexpr std::array<Window, 2> allWindows{Window::session, Window::weekly};

namespace UsageWindows {

inline QString windowName(Window window)
{
    return window == Window::session ? QStringLiteral("session") : QStringLiteral("weekly");
}

inline std::optional<double> used(const ProviderUsage &usage, Window window)
{
    return window == Window::session ? usage.sessionPercentage : usage.weeklyPercentage;
}

inline std::optional<QDateTime> resetAt(const ProviderUsage &usage, Window window)
{
    return window == Window::session ? usage.sessionResetAt : usage.weeklyResetAt;
}

}
