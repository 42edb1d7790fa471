#pragma once

#include "statusbar/TitleModel.h"

#include <array>

// The four limit windows the application follows: each provider's session and weekly window.
enum class Window { session, weekly };

inline constexpr std::array<Provider, 2> allProviders{Provider::claude, Provider::openAI};
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

// Picks out the records not seen before: the controller redraws more often than records
// arrive, and a record is known by the moment it was built.
class FreshRecords
{
public:
    // The success records of both providers that are new since the last call.
    QList<std::pair<Provider, ProviderUsage>> take(const std::optional<UsageData> &claude,
                                                   const std::optional<OpenAIUsageData> &openAI)
    {
        QList<std::pair<Provider, ProviderUsage>> fresh;
        for (auto [provider, usage] : {std::pair{Provider::claude, ProviderUsage::from(claude)},
                                       std::pair{Provider::openAI, ProviderUsage::from(openAI)}}) {
            QDateTime &last = m_lastFetchedAt[static_cast<std::size_t>(provider)];
            if (usage && usage->usable() && usage->fetchedAt != last) {
                last = usage->fetchedAt;
                fresh.append({provider, *usage});
            }
        }
        return fresh;
    }

private:
    std::array<QDateTime, 2> m_lastFetchedAt;
};
