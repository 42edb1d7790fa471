#pragma once

#include "usage/UsageData.h"

#include <algorithm>
#include <chrono>

// Either provider's record seen the same way: session is Claude's five-hour window and
// ChatGPT's primary one, weekly is the seven-day and the secondary one.
struct ProviderUsage
{
    std::optional<double> sessionPercentage;
    std::optional<double> weeklyPercentage;
    std::optional<QString> sessionLabel;
    std::optional<QString> weeklyLabel;
    std::optional<QDateTime> sessionResetAt;
    std::optional<QDateTime> weeklyResetAt;
    QDateTime fetchedAt;
    std::optional<QString> error;
    std::optional<QString> failedTry;   // the latest try failed; these are the last good figures
    std::optional<QDateTime> nextTryAt; // the service asked not to be asked again before this

    static ProviderUsage from(const UsageData &r)
    {
        return {r.sessionPercentage, r.weeklyPercentage, r.sessionLabel, r.weeklyLabel,
                r.sessionResetAt,    r.weeklyResetAt,    r.fetchedAt,    r.error};
    }
    static ProviderUsage from(const OpenAIUsageData &r)
    {
        return {r.primaryPercentage, r.secondaryPercentage, r.primaryLabel, r.secondaryLabel,
                r.primaryResetAt,    r.secondaryResetAt,    r.fetchedAt,    r.error};
    }
    template<typename Record>
    static std::optional<ProviderUsage> from(const std::optional<Record> &record)
    {
        return record ? std::optional(from(*record)) : std::nullopt;
    }

    // Has values to show: a record without an error.
    bool usable() const { return !error; }

    // How long the last good figures stand in for a provider whose tries fail.
    static std::chrono::seconds grace(std::chrono::seconds refreshInterval)
    {
        using namespace std::chrono_literals;
        return std::max<std::chrono::seconds>(30min, refreshInterval + 5min);
    }

    // What the provider is shown by: its latest record, or, while the last good one is within
    // the grace and none of its windows has reset since, that one with the failure noted.
    template<typename Record>
    static std::optional<ProviderUsage> shown(const std::optional<Record> &latest, const std::optional<Record> &lastGood,
                                              const QDateTime &now, std::chrono::seconds refreshInterval)
    {
        if (!latest || !latest->error || !lastGood)
            return from(latest);
        ProviderUsage good = from(*lastGood);
        const bool resetPassed = (good.sessionResetAt && *good.sessionResetAt <= now)
            || (good.weeklyResetAt && *good.weeklyResetAt <= now);
        if (resetPassed || good.fetchedAt.addSecs(grace(refreshInterval).count()) < now)
            return from(latest);
        good.failedTry = latest->error;
        return good;
    }
};
