#include "OpenAIResponses.h"

#include "json/JsonLookup.h"
#include "usage/LimitWindows.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimeZone>

namespace OpenAIResponses {

QString sessionInvalidMessage()
{
    return QCoreApplication::translate("OpenAIResponses", "Session expired or invalid");
}

QString unexpectedUsageMessage()
{
    return QCoreApplication::translate("OpenAIResponses", "Unexpected usage response format");
}

namespace {

constexpr double maxEpochSeconds = 1e12; // beyond this a count of seconds is no calendar moment

std::optional<QDateTime> instant(double secondsSinceEpoch)
{
    if (std::abs(secondsSinceEpoch) >= maxEpochSeconds)
        return std::nullopt;
    // toUTC(): plain UTC on every Qt version, where Qt 6.4 keeps a time zone named UTC.
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(secondsSinceEpoch * 1000.0), QTimeZone::utc()).toUTC();
}

// `used_percent` as a number, or as a text of digits ("42", "42.5"); anything else is not one.
std::optional<double> usedPercent(const QJsonObject &window)
{
    const QJsonValue value = window.value(QStringLiteral("used_percent"));
    if (value.isDouble())
        return value.toDouble();
    static const QRegularExpression digits(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    if (value.isString() && digits.match(value.toString()).hasMatch())
        return value.toString().toDouble();
    return std::nullopt;
}

// A window with its length and values; its kind, label and phrase are decided once it is placed.
std::optional<LimitWindow> readWindow(const QJsonValue &value, const QString &key, const QDateTime &now)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject window = value.toObject();
    LimitWindow read;
    read.id = key;
    read.usedPercent = usedPercent(window);
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

// The windows of a limit the service names beside the plan's own (a model's, code review's), as
// rows "<name> session", "<name> weekly" or "<name> 30-day", with ids "<id>/primary_window".
QList<LimitWindow> namedLimit(const QJsonObject &rateLimit, const QString &name, const QString &id,
                              const QDateTime &now, const ResetLabelMaker &makeLabel)
{
    QList<LimitWindow> rows;
    for (const QString &key : {QStringLiteral("primary_window"), QStringLiteral("secondary_window")}) {
        std::optional<LimitWindow> window = readWindow(rateLimit.value(key), id + QLatin1Char('/') + key, now);
        if (!window || !window->usedPercent)
            continue;
        const bool secondary = key == QStringLiteral("secondary_window");
        const LimitWindow::Kind length = window->durationSeconds ? LimitWindows::kindForLength(*window->durationSeconds)
                                         : secondary             ? LimitWindow::Kind::weekly
                                                                 : LimitWindow::Kind::session;
        QString label;
        if (length == LimitWindow::Kind::session) {
            //: A row of the menu: the session limit of what %1 names (a model, "Code review")
            label = QCoreApplication::translate("OpenAIResponses", "%1 session").arg(name);
        } else if (length == LimitWindow::Kind::weekly) {
            //: A row of the menu: the weekly limit of what %1 names (a model, "Code review")
            label = QCoreApplication::translate("OpenAIResponses", "%1 weekly").arg(name);
        } else {
            //: A row of the menu: a limit of what %1 names (a model, "Code review") over a window of
            //: another length, %2 ("30-day")
            label = QCoreApplication::translate("OpenAIResponses", "%1 %2").arg(name, LimitWindows::lengthLabel(*window->durationSeconds));
        }
        place(*window, LimitWindow::Kind::extra, label, ResetPhrases::prefix(LimitWindow::Kind::extra), makeLabel);
        rows.append(*window);
    }
    return rows;
}

// The limits of other models ("additional_rate_limits") and of code review.
QList<LimitWindow> otherLimits(const QJsonObject &usage, const QDateTime &now, const ResetLabelMaker &makeLabel)
{
    QList<LimitWindow> rows;
    for (const QJsonValue &entry : JsonLookup::array(usage, QStringLiteral("additional_rate_limits")).value_or(QJsonArray())) {
        const QJsonObject limit = entry.toObject();
        const QString name = JsonLookup::text(limit, QStringLiteral("limit_name")).value_or(QString()).trimmed();
        const auto rateLimit = JsonLookup::object(limit, QStringLiteral("rate_limit"));
        if (!name.isEmpty() && rateLimit)
            rows.append(namedLimit(*rateLimit, name, name, now, makeLabel));
    }
    if (const auto review = JsonLookup::object(usage, QStringLiteral("code_review_rate_limit")))
        //: The name of ChatGPT's code review limits, at the start of their rows ("Code review weekly")
        rows.append(namedLimit(*review, QCoreApplication::translate("OpenAIResponses", "Code review"), QStringLiteral("code_review_rate_limit"), now,
                               makeLabel));
    return rows;
}

// Credits beyond the plan, while the account has any: {"has_credits":true,"unlimited":false,"balance":"123.45"}.
std::optional<Credits> credits(const QJsonObject &usage)
{
    const auto credits = JsonLookup::object(usage, QStringLiteral("credits"));
    if (!credits || !credits->value(QStringLiteral("has_credits")).toBool())
        return std::nullopt;
    Credits read;
    read.unlimited = credits->value(QStringLiteral("unlimited")).toBool();
    const QJsonValue balance = credits->value(QStringLiteral("balance"));
    bool isNumber = false;
    const double amount = balance.isString() ? balance.toString().toDouble(&isNumber) : balance.toDouble();
    if ((isNumber || balance.isDouble()) && std::isfinite(amount))
        read.balance = amount;
    return read;
}

} // namespace

std::optional<QString> accessToken(const QByteArray &sessionBody)
{
    const auto session = JsonLookup::topLevelObject(sessionBody);
    return session ? JsonLookup::text(*session, QStringLiteral("accessToken")) : std::nullopt;
}

QList<Workspace> workspaces(const QByteArray &accountsBody)
{
    const auto top = JsonLookup::topLevelObject(accountsBody);
    const auto accounts = top ? JsonLookup::object(*top, QStringLiteral("accounts")) : std::nullopt;
    if (!accounts)
        return {};
    QStringList order;
    for (const QJsonValue &id : top->value(QStringLiteral("account_ordering")).toArray())
        order.append(id.toString());
    for (const QString &id : accounts->keys()) {
        if (!order.contains(id))
            order.append(id);
    }
    QList<Workspace> found;
    for (const QString &key : std::as_const(order)) {
        const auto entry = JsonLookup::object(*accounts, key);
        const auto account = entry ? JsonLookup::object(*entry, QStringLiteral("account")) : std::nullopt;
        if (!account || JsonLookup::text(*account, QStringLiteral("structure")) != QStringLiteral("workspace"))
            continue;
        const QString id = JsonLookup::text(*account, QStringLiteral("account_id")).value_or(key);
        if (!id.isEmpty())
            found.append({id, JsonLookup::text(*account, QStringLiteral("name")).value_or(QString())});
    }
    return found;
}

OpenAIUsageData usageRecord(const QByteArray &usageBody, const QDateTime &now, const ResetLabelMaker &label)
{
    const auto usage = JsonLookup::topLevelObject(usageBody);
    const auto rateLimit = usage ? JsonLookup::object(*usage, QStringLiteral("rate_limit")) : std::nullopt;
    if (!rateLimit)
        return OpenAIUsageData::failure(unexpectedUsageMessage(), now);

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
        //: The five-hour window's name in its row of the menu
        place(*session, LimitWindow::Kind::session, QCoreApplication::translate("OpenAIResponses", "Session"), ResetPhrases::prefix(LimitWindow::Kind::session),
              label);
        record.windows.append(*session);
    }
    if (weekly) {
        //: The seven-day window's name in its row of the menu
        place(*weekly, LimitWindow::Kind::weekly, QCoreApplication::translate("OpenAIResponses", "Weekly"), ResetPhrases::prefix(LimitWindow::Kind::weekly),
              label);
        record.windows.append(*weekly);
    }
    record.windows.append(others);
    // Limits the service adds beside the two, under their own names.
    for (auto it = rateLimit->begin(); it != rateLimit->end(); ++it) {
        if (it.key() == primaryKey || it.key() == secondaryKey || !usedPercent(it.value().toObject()))
            continue;
        if (auto extra = readWindow(it.value(), it.key(), now)) {
            place(*extra, LimitWindow::Kind::extra, it.key(), ResetPhrases::prefix(LimitWindow::Kind::extra), label);
            record.windows.append(*extra);
        }
    }
    if (rateLimit->value(QStringLiteral("limit_reached")).toBool())
        markLimitReached(record.windows);
    record.windows.append(otherLimits(*usage, now, label));
    LimitWindows::limitExtraRows(record.windows);

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
    record.credits = credits(*usage);
    record.fetchedAt = now;
    return record;
}

}
