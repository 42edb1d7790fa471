#include "ClaudeResponses.h"

#include "usage/InternetDateTime.h"
#include "usage/JsonLookup.h"

namespace ClaudeResponses {

std::optional<QString> organisationID(const QByteArray &accountBody)
{
    const auto account = JsonLookup::topLevelObject(accountBody);
    if (!account)
        return std::nullopt;
    const auto memberships = JsonLookup::array(*account, QStringLiteral("memberships"));
    if (!memberships || memberships->isEmpty() || !memberships->first().isObject())
        return std::nullopt;
    const auto organization = JsonLookup::object(memberships->first().toObject(), QStringLiteral("organization"));
    if (!organization)
        return std::nullopt;
    // Percent-encoding keeps any other text one path segment, but addresses always decode
    // "%2E": "." and ".." would still climb out of the organisation's path.
    auto uuid = JsonLookup::text(*organization, QStringLiteral("uuid"));
    if (uuid == QStringLiteral(".") || uuid == QStringLiteral(".."))
        return std::nullopt;
    return uuid;
}

UsageData usageRecord(const QByteArray &usageBody, const QDateTime &now, const ResetLabelMaker &label)
{
    const auto usage = JsonLookup::topLevelObject(usageBody);
    const auto fiveHour = usage ? JsonLookup::object(*usage, QStringLiteral("five_hour")) : std::nullopt;
    const auto sevenDay = usage ? JsonLookup::object(*usage, QStringLiteral("seven_day")) : std::nullopt;
    if (!fiveHour || !sevenDay)
        return UsageData::failure(unexpectedUsageMessage, now);

    const auto resetAt = [](const QJsonObject &window) -> std::optional<QDateTime> {
        const auto text = JsonLookup::text(window, QStringLiteral("resets_at"));
        return text ? parseInternetDateTime(*text) : std::nullopt;
    };
    const auto labelFor = [&label](const std::optional<QDateTime> &at, const QString &prefix) {
        return at ? std::optional(label(*at, prefix)) : std::nullopt;
    };

    UsageData record;
    record.sessionPercentage = JsonLookup::number(*fiveHour, QStringLiteral("utilization"));
    record.weeklyPercentage = JsonLookup::number(*sevenDay, QStringLiteral("utilization"));
    record.sessionResetAt = resetAt(*fiveHour);
    record.weeklyResetAt = resetAt(*sevenDay);
    record.sessionLabel = labelFor(record.sessionResetAt, QStringLiteral("Session resets"));
    record.weeklyLabel = labelFor(record.weeklyResetAt, QStringLiteral("Weekly resets"));
    record.fetchedAt = now;
    return record;
}

}
