#include "OpenAIResponses.h"

#include "usage/JsonLookup.h"


#include <cmath>
#include <QTimeZone>

namespace OpenAIResponses {
namespace {

constexpr double weekSeconds = 7 * 86400;
constexpr double maxEpochSeconds = 1e12; // beyond this a count of seconds is no calendar moment

struct Window
{
    std::optional<double> usedPercent;
    std::optional<QDateTime> resetAt;
    std::optional<double> lengthSeconds;
};

std::optional<Window> readWindow(const QJsonObject &rateLimit, const QString &key)
{
    const auto window = JsonLookup::object(rateLimit, key);
    if (!window)
        return std::nullopt;
    Window read;
    read.usedPercent = JsonLookup::number(*window, QStringLiteral("used_percent"));
    if (const auto seconds = JsonLookup::number(*window, QStringLiteral("reset_at"))) {
        if (std::abs(*seconds) < maxEpochSeconds)
            // toUTC(): plain UTC on every Qt version, where Qt 6.4 keeps a time zone named UTC.
            read.resetAt = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(*seconds * 1000.0), QTimeZone::utc()).toUTC();
    }
    read.lengthSeconds = JsonLookup::number(*window, QStringLiteral("limit_window_seconds"));
    return read;
}

// Whether a window belongs in the weekly slot: by its stated length, else by its position.
bool isWeekly(const Window &window, bool sentAsSecondary)
{
    return window.lengthSeconds ? *window.lengthSeconds >= weekSeconds : sentAsSecondary;
}

} // namespace

std::optional<QString> accessToken(const QByteArray &sessionBody)
{
    const auto session = JsonLookup::topLevelObject(sessionBody);
    return session ? JsonLookup::text(*session, QStringLiteral("accessToken")) : std::nullopt;
}

OpenAIUsageData usageRecord(const QByteArray &usageBody, const QDateTime &now, const ResetLabelMaker &label)
{
    const auto usage = JsonLookup::topLevelObject(usageBody);
    const auto rateLimit = usage ? JsonLookup::object(*usage, QStringLiteral("rate_limit")) : std::nullopt;
    if (!rateLimit)
        return OpenAIUsageData::failure(unexpectedUsageMessage, now);

    std::optional<Window> session = readWindow(*rateLimit, QStringLiteral("primary_window"));
    std::optional<Window> weekly = readWindow(*rateLimit, QStringLiteral("secondary_window"));
    const bool primaryIsWeekly = session && isWeekly(*session, false);
    const bool secondaryIsWeekly = weekly && isWeekly(*weekly, true);
    // Two windows move only when their lengths put them in distinct slots, opposite to their names.
    const bool swapped = session && weekly ? primaryIsWeekly && !secondaryIsWeekly
                         : session         ? primaryIsWeekly
                         : weekly          ? !secondaryIsWeekly
                                           : false;
    if (swapped)
        std::swap(session, weekly);

    OpenAIUsageData record;
    if (session) {
        record.primaryPercentage = session->usedPercent;
        record.primaryResetAt = session->resetAt;
        if (session->resetAt)
            record.primaryLabel = label(*session->resetAt, QStringLiteral("Session resets"));
    }
    if (weekly) {
        record.secondaryPercentage = weekly->usedPercent;
        record.secondaryResetAt = weekly->resetAt;
        if (weekly->resetAt)
            record.secondaryLabel = label(*weekly->resetAt, QStringLiteral("Weekly resets"));
    }
    record.fetchedAt = now;
    return record;
}

}
