#include "OpenAIResponses.h"

#include "usage/JsonLookup.h"
#include "usage/LimitWindows.h"

#include <algorithm>
#include <cmath>
#include <QTimeZone>

namespace OpenAIResponses {
namespace {

constexpr double maxEpochSeconds = 1e12; // beyond this a count of seconds is no calendar moment

std::optional<QDateTime> instant(double secondsSinceEpoch)
{
    if (std::abs(secondsSinceEpoch) >= maxEpochSeconds)
        return std::nullopt;
    // toUTC(): plain UTC on every Qt version, where Qt 6.4 keeps a time zone named UTC.
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(secondsSinceEpoch * 1000.0), QTimeZone::utc()).toUTC();
}

// A window with its length and values; its kind, label and phrase are decided once it is placed.
std::optional<LimitWindow> readWindow(const QJsonValue &value, const QString &key, const QDateTime &now)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject window = value.toObject();
    LimitWindow read;
    read.id = key;
    read.usedPercent = JsonLookup::number(window, QStringLiteral("used_percent"));
    if (const auto at = JsonLookup::number(window, QStringLiteral("reset_at")))
        read.resetAt = instant(*at);
    else if (const auto after = JsonLookup::number(window, QStringLiteral("reset_after_seconds")))
        read.resetAt = instant(now.toMSecsSinceEpoch() / 1000.0 + *after);
    if (const auto length = JsonLookup::number(window, QStringLiteral("limit_window_seconds"));
        length && *length > 0 && *length < maxEpochSeconds)
        read.durationSeconds = std::llround(*length);
    return read;
}

// Whether a window belongs in the weekly slot: by its stated length, else by its position.
bool isWeekly(const LimitWindow &window, bool sentAsSecondary)
{
    return window.durationSeconds ? LimitWindows::kindForLength(*window.durationSeconds) == LimitWindow::Kind::weekly
                                  : sentAsSecondary;
}

bool hasOtherLength(const std::optional<LimitWindow> &window)
{
    return window && window->durationSeconds
        && LimitWindows::kindForLength(*window->durationSeconds) == LimitWindow::Kind::otherLength;
}

void place(LimitWindow &window, LimitWindow::Kind kind, const QString &label, const QString &prefix,
           const ResetLabelMaker &makeLabel)
{
    window.kind = kind;
    window.label = label;
    if (window.resetAt)
        window.resetPhrase = makeLabel(*window.resetAt, prefix);
}

// A reached limit shows as used up, whatever its figure: the most used window is the one reached.
void markLimitReached(QList<LimitWindow> &windows)
{
    if (windows.isEmpty())
        return;
    const auto used = [](const LimitWindow &w) { return w.usedPercent.value_or(-1.0); };
    auto reached = std::max_element(windows.begin(), windows.end(),
                                    [&used](const LimitWindow &a, const LimitWindow &b) { return used(a) < used(b); });
    reached->usedPercent = 100.0;
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

    const QString primaryKey = QStringLiteral("primary_window");
    const QString secondaryKey = QStringLiteral("secondary_window");
    std::optional<LimitWindow> session = readWindow(rateLimit->value(primaryKey), primaryKey, now);
    std::optional<LimitWindow> weekly = readWindow(rateLimit->value(secondaryKey), secondaryKey, now);

    // A window of another length (a Team account's 30 days) is neither; it gets a row of its own.
    QList<LimitWindow> others;
    for (std::optional<LimitWindow> *window : {&session, &weekly}) {
        if (hasOtherLength(*window)) {
            place(**window, LimitWindow::Kind::otherLength, LimitWindows::lengthLabel(*(*window)->durationSeconds),
                  ResetPhrases::prefix(LimitWindow::Kind::otherLength), label);
            others.append(**window);
            window->reset();
        }
    }
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
        place(*session, LimitWindow::Kind::session, QStringLiteral("Session"), ResetPhrases::prefix(LimitWindow::Kind::session), label);
        record.windows.append(*session);
    }
    if (weekly) {
        place(*weekly, LimitWindow::Kind::weekly, QStringLiteral("Weekly"), ResetPhrases::prefix(LimitWindow::Kind::weekly), label);
        record.windows.append(*weekly);
    }
    record.windows.append(others);
    // Limits the service adds beside the two, under their own names.
    for (auto it = rateLimit->begin(); it != rateLimit->end(); ++it) {
        if (it.key() == primaryKey || it.key() == secondaryKey || !it.value().toObject().value(QStringLiteral("used_percent")).isDouble())
            continue;
        if (auto extra = readWindow(it.value(), it.key(), now)) {
            place(*extra, LimitWindow::Kind::extra, it.key(), ResetPhrases::prefix(LimitWindow::Kind::extra), label);
            record.windows.append(*extra);
        }
    }
    LimitWindows::limitExtraRows(record.windows);
    if (rateLimit->value(QStringLiteral("limit_reached")).toBool())
        markLimitReached(record.windows);

    for (const LimitWindow &window : std::as_const(record.windows)) {
        if (window.kind == LimitWindow::Kind::session) {
            record.primaryPercentage = window.usedPercent;
            record.primaryResetAt = window.resetAt;
            record.primaryLabel = window.resetPhrase;
        } else if (window.kind == LimitWindow::Kind::weekly) {
            record.secondaryPercentage = window.usedPercent;
            record.secondaryResetAt = window.resetAt;
            record.secondaryLabel = window.resetPhrase;
        }
    }
    if (const auto plan = JsonLookup::text(*usage, QStringLiteral("plan_type")); plan && !plan->trimmed().isEmpty())
        record.plan = LimitWindows::planName(*plan);
    record.fetchedAt = now;
    return record;
}

}
