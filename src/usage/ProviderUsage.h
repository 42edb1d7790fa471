#pragma once

#include "usage/ResetLabel.h"
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
    QList<LimitWindow> windows; // every window, the two above included
    std::optional<ExtraUsage> extraUsage;
    std::optional<QString> plan;
    std::optional<Credits> credits;
    std::optional<QString> failedTry;   // the latest try failed; these are the last good figures
    std::optional<QDateTime> nextTryAt; // the service asked not to be asked again before this

    static ProviderUsage from(const UsageData &r)
    {
        return {r.sessionPercentage, r.weeklyPercentage, r.sessionLabel, r.weeklyLabel, r.sessionResetAt,
                r.weeklyResetAt,     r.fetchedAt,        r.error,        r.windows,     r.extraUsage,
                r.plan};
    }
    static ProviderUsage from(const OpenAIUsageData &r)
    {
        return {r.primaryPercentage, r.secondaryPercentage, r.primaryLabel, r.secondaryLabel, r.primaryResetAt,
                r.secondaryResetAt,  r.fetchedAt,           r.error,        r.windows,        std::nullopt,
                r.plan,              r.credits};
    }
    static ProviderUsage from(const ProviderUsage &usage) { return usage; }
    template<typename Record>
    static std::optional<ProviderUsage> from(const std::optional<Record> &record)
    {
        return record ? std::optional(from(*record)) : std::nullopt;
    }

    // Back to each provider's own record, for those who ask for it by its type.
    UsageData claudeRecord() const
    {
        return {sessionPercentage, weeklyPercentage, sessionLabel, weeklyLabel, sessionResetAt, weeklyResetAt, fetchedAt,
                false, error, windows, extraUsage, plan};
    }
    OpenAIUsageData openAIRecord() const
    {
        return {sessionPercentage, weeklyPercentage, sessionLabel, weeklyLabel, sessionResetAt, weeklyResetAt, fetchedAt,
                error, windows, plan, credits};
    }

    // The same usage with each reset phrase composed again from its reset instant, as of `now`:
    // a record's phrases are as old as the record.
    ProviderUsage phrasedAt(const QDateTime &now) const
    {
        ProviderUsage phrased = *this;
        const auto rephrase = [&](std::optional<QString> &phrase, const std::optional<QDateTime> &resetAt,
                                  LimitWindow::Kind kind) {
            if (resetAt)
                phrase = ResetPhrases::phrase(*resetAt, ResetPhrases::prefix(kind), now);
        };
        rephrase(phrased.sessionLabel, sessionResetAt, LimitWindow::Kind::session);
        rephrase(phrased.weeklyLabel, weeklyResetAt, LimitWindow::Kind::weekly);
        for (LimitWindow &window : phrased.windows)
            rephrase(window.resetPhrase, window.resetAt, window.kind);
        return phrased;
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
    // the grace (or the service asked not to be asked before `heldUntil`) and none of its windows
    // has reset since, that one with the failure noted.
    template<typename Record>
    static std::optional<ProviderUsage> shown(const std::optional<Record> &latest, const std::optional<Record> &lastGood,
                                              const QDateTime &now, std::chrono::seconds refreshInterval,
                                              const std::optional<QDateTime> &heldUntil = std::nullopt)
    {
        if (!latest || !latest->error || !lastGood)
            return from(latest);
        ProviderUsage good = from(*lastGood);
        const bool resetPassed = (good.sessionResetAt && *good.sessionResetAt <= now)
            || (good.weeklyResetAt && *good.weeklyResetAt <= now);
        const bool held = heldUntil && now < *heldUntil;
        if (resetPassed || (good.fetchedAt.addSecs(grace(refreshInterval).count()) < now && !held))
            return from(latest);
        good.failedTry = latest->error;
        return good;
    }

    // The windows shown in rows of their own below the weekly row.
    QList<LimitWindow> extraWindows() const
    {
        QList<LimitWindow> extra;
        for (const LimitWindow &w : windows) {
            if (w.kind == LimitWindow::Kind::otherLength || w.kind == LimitWindow::Kind::extra)
                extra.append(w);
        }
        return extra;
    }

    // What the title shows in the weekly place: the weekly window, or when there is none, a
    // window of another length standing in for it (a Team account's 30 days).
    struct LongWindow
    {
        QString letter; // "W", or "M" for a month-long window, "D" for any other length
        std::optional<double> used;
        std::optional<QDateTime> resetAt;
    };
    LongWindow longWindow() const
    {
        const bool hasWeekly = std::any_of(windows.begin(), windows.end(),
                                           [](const LimitWindow &w) { return w.kind == LimitWindow::Kind::weekly; });
        for (const LimitWindow &w : windows) {
            if (!hasWeekly && w.kind == LimitWindow::Kind::otherLength) {
                const bool month = w.durationSeconds.value_or(0) >= 28 * 86400;
                return {month ? QStringLiteral("M") : QStringLiteral("D"), w.usedPercent, w.resetAt};
            }
        }
        return {QStringLiteral("W"), weeklyPercentage, weeklyResetAt};
    }
};
