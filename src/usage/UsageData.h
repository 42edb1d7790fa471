#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

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

    static OpenAIUsageData failure(const QString &message, const QDateTime &at)
    {
        OpenAIUsageData record;
        record.fetchedAt = at;
        record.error = message;
        return record;
    }
};
