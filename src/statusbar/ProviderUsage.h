#pragma once

#include "usage/UsageData.h"

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
};
