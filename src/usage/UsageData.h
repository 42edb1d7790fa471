#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One usage limit as the service reports it.
struct LimitWindow
{
    // Where it shows: the session or weekly row, a row of its own named by its length, or an
    // extra row (a per-model limit, or one the service added since).
    enum class Kind { session, weekly, otherLength, extra };

    QString id;    // the service's own key: "five_hour", "seven_day_opus", "primary_window"
    QString label; // "Session", "Weekly", "30-day", "Opus weekly"
    Kind kind = Kind::extra;
    std::optional<qint64> durationSeconds;
    std::optional<double> usedPercent; // as received
    std::optional<QDateTime> resetAt;
    std::optional<QString> resetPhrase;

    bool operator==(const LimitWindow &) const = default;
};

// Claude's pay-as-you-go usage beyond the plan's limits, in the currency's major unit.
struct ExtraUsage
{
    std::optional<double> usedCredits;
    std::optional<double> monthlyLimit;
    std::optional<double> utilization; // percent of the monthly limit
    std::optional<QString> currency;   // ISO 4217 code, when the service names one

    bool operator==(const ExtraUsage &) const = default;
};

// ChatGPT credits bought beyond the plan.
struct Credits
{
    std::optional<double> balance;
    bool unlimited = false;

    bool operator==(const Credits &) const = default;
};

// One Claude usage snapshot. An error record carries only fetchedAt and the error text.
struct UsageData
{
    std::optional<double> sessionPercentage; // percent used, as received
    std::optional<double> weeklyPercentage;
    std::optional<QString> sessionLabel;
    std::optional<QString> weeklyLabel;
    std::optional<QDateTime> sessionResetAt;
    std::optional<QDateTime> weeklyResetAt;
    QDateTime fetchedAt;
    bool isLoggedOut = false;
    std::optional<QString> error;
    QList<LimitWindow> windows; // every window read, the two above included
    std::optional<ExtraUsage> extraUsage; // present while switched on
    std::optional<QString> plan;          // the plan's name as shown ("Max"), when the source knows it

    static UsageData failure(const QString &message, const QDateTime &at)
    {
        UsageData record;
        record.fetchedAt = at;
        record.error = message;
        return record;
    }
};

// One ChatGPT usage snapshot: primary is the short window, secondary the weekly one.
struct OpenAIUsageData
{
    std::optional<double> primaryPercentage;
    std::optional<double> secondaryPercentage;
    std::optional<QString> primaryLabel;
    std::optional<QString> secondaryLabel;
    std::optional<QDateTime> primaryResetAt;
    std::optional<QDateTime> secondaryResetAt;
    QDateTime fetchedAt;
    std::optional<QString> error;
    QList<LimitWindow> windows; // every window read, the two above included
    std::optional<QString> plan; // the plan's name as shown ("Plus")
    std::optional<Credits> credits; // present while the account has credits

    static OpenAIUsageData failure(const QString &message, const QDateTime &at)
    {
        OpenAIUsageData record;
        record.fetchedAt = at;
        record.error = message;
        return record;
    }
};
