#include "ClaudeResponses.h"

#include "json/JsonLookup.h"
#include "usage/InternetDateTime.h"
#include "usage/LimitWindows.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace ClaudeResponses {

namespace {

std::optional<QJsonArray> memberships(const QByteArray &accountBody)
{
    const auto account = JsonLookup::topLevelObject(accountBody);
    return account ? JsonLookup::array(*account, QStringLiteral("memberships")) : std::nullopt;
}

std::optional<Organisation> organisationOf(const QJsonValue &membership)
{
    const auto organization =
        membership.isObject() ? JsonLookup::object(membership.toObject(), QStringLiteral("organization")) : std::nullopt;
    if (!organization)
        return std::nullopt;
    // Percent-encoding keeps any other text one path segment, but addresses always decode
    // "%2E": "." and ".." would still climb out of the organisation's path.
    const auto uuid = JsonLookup::text(*organization, QStringLiteral("uuid"));
    if (!uuid || uuid == QStringLiteral(".") || uuid == QStringLiteral(".."))
        return std::nullopt;
    return Organisation{*uuid, JsonLookup::text(*organization, QStringLiteral("name")).value_or(QString())};
}

} // namespace

QList<Organisation> organisations(const QByteArray &accountBody)
{
    QList<Organisation> found;
    for (const QJsonValue &membership : memberships(accountBody).value_or(QJsonArray())) {
        if (const auto organisation = organisationOf(membership); organisation && !organisation->uuid.isEmpty())
            found.append(*organisation);
    }
    return found;
}

std::optional<QString> organisationID(const QByteArray &accountBody)
{
    // Only the first membership counts: an unfit first one is not passed over.
    const auto all = memberships(accountBody);
    const auto first = all && !all->isEmpty() ? organisationOf(all->first()) : std::nullopt;
    return first ? std::optional(first->uuid) : std::nullopt;
}

QString orgNotFoundMessage()
{
    return QCoreApplication::translate("ClaudeResponses", "Could not find org UUID in /api/account");
}

QString unexpectedUsageMessage()
{
    return QCoreApplication::translate("ClaudeResponses", "Unexpected usage response format");
}

namespace {

//: The five-hour window's name in its row of the menu
QString sessionLabel() { return QCoreApplication::translate("ClaudeResponses", "Session"); }
//: The seven-day window's name in its row of the menu
QString weeklyWindowLabel() { return QCoreApplication::translate("ClaudeResponses", "Weekly"); }

struct ModelWindow
{
    const char *key;
    const char *label;
};

// Per-model weekly limits, in the order the menu lists them.
constexpr std::array<ModelWindow, 3> modelWindows{{
    //: A row of the menu: the weekly limit of the Opus models
    {"seven_day_opus", QT_TRANSLATE_NOOP("ClaudeResponses", "Opus weekly")},
    //: A row of the menu: the weekly limit of the Sonnet models
    {"seven_day_sonnet", QT_TRANSLATE_NOOP("ClaudeResponses", "Sonnet weekly")},
    //: A row of the menu: the weekly limit of the apps signed in with OAuth
    {"seven_day_oauth_apps", QT_TRANSLATE_NOOP("ClaudeResponses", "OAuth apps weekly")},
}};

std::optional<QDateTime> resetAt(const QJsonObject &window)
{
    const auto text = JsonLookup::text(window, QStringLiteral("resets_at"));
    return text ? parseInternetDateTime(*text) : std::nullopt;
}

LimitWindow readWindow(const QString &key, const QString &label, LimitWindow::Kind kind,
                       std::optional<qint64> duration, const QJsonObject &window, const QString &prefix,
                       const ResetLabelMaker &makeLabel)
{
    LimitWindow read{key, label, kind, duration, JsonLookup::number(window, QStringLiteral("utilization")),
                     resetAt(window), std::nullopt};
    if (read.resetAt)
        read.resetPhrase = makeLabel(*read.resetAt, prefix);
    return read;
}

// A window the service may add without notice: an object with a number `utilization` and a
// `resets_at` that is text or null.
bool hasWindowShape(const QJsonValue &value)
{
    const QJsonObject window = value.toObject();
    const QJsonValue reset = window.value(QStringLiteral("resets_at"));
    return value.isObject() && window.value(QStringLiteral("utilization")).isDouble()
        && (reset.isString() || reset.isNull()) && window.contains(QStringLiteral("resets_at"));
}

const QString weeklyKeyPrefix = QStringLiteral("seven_day_");

// "Routines weekly" for "routines", "Claude design weekly" for "claude_design".
QString weeklyLabel(const QString &name)
{
    QString words = name;
    words.replace(QLatin1Char('_'), QLatin1Char(' '));
    if (!words.isEmpty())
        words[0] = words[0].toUpper();
    //: A row of the menu: the weekly limit of what %1 names ("Routines", an Anthropic model)
    return QCoreApplication::translate("ClaudeResponses", "%1 weekly").arg(words);
}

// A model's own weekly limit from the `limits` list: {"kind":"weekly_scoped","scope":{"model":
// {"display_name":"Fable"}},"utilization":88,"resets_at":"…"}. Other kinds are not limits shown here.
std::optional<LimitWindow> scopedWeekly(const QJsonObject &entry, const ResetLabelMaker &makeLabel)
{
    if (JsonLookup::text(entry, QStringLiteral("kind")) != QStringLiteral("weekly_scoped")
        || !entry.value(QStringLiteral("utilization")).isDouble())
        return std::nullopt;
    const auto model = JsonLookup::object(JsonLookup::object(entry, QStringLiteral("scope")).value_or(QJsonObject()),
                                          QStringLiteral("model"));
    const QString name = model ? JsonLookup::text(*model, QStringLiteral("display_name")).value_or(QString()).trimmed()
                               : QString();
    if (name.isEmpty())
        return std::nullopt;
    // The id is the model's name as a key would spell it, so that "seven_day_opus" and "Opus" meet.
    static const QRegularExpression notAKeyCharacter(QStringLiteral("[^a-z0-9]+"));
    const QString id = name.toLower().replace(notAKeyCharacter, QStringLiteral("_"));
    //: A row of the menu: the weekly limit of the model %1 names ("Opus", "Fable")
    return readWindow(id, QCoreApplication::translate("ClaudeResponses", "%1 weekly").arg(name), LimitWindow::Kind::extra, LimitWindows::weekSeconds, entry,
                      ResetPhrases::prefix(LimitWindow::Kind::extra), makeLabel);
}

std::optional<ExtraUsage> extraUsage(const QJsonObject &usage)
{
    const auto extra = JsonLookup::object(usage, QStringLiteral("extra_usage"));
    if (!extra || !extra->value(QStringLiteral("is_enabled")).toBool())
        return std::nullopt;
    // Credits are counted in the currency's minor unit (cents).
    const auto major = [](std::optional<double> minor) { return minor ? std::optional(*minor / 100.0) : std::nullopt; };
    return ExtraUsage{major(JsonLookup::number(*extra, QStringLiteral("used_credits"))),
                      major(JsonLookup::number(*extra, QStringLiteral("monthly_limit"))),
                      JsonLookup::number(*extra, QStringLiteral("utilization")),
                      JsonLookup::text(*extra, QStringLiteral("currency"))};
}

} // namespace

UsageData usageRecord(const QByteArray &usageBody, const QDateTime &now, const ResetLabelMaker &label)
{
    const auto usage = JsonLookup::topLevelObject(usageBody);
    const auto fiveHour = usage ? JsonLookup::object(*usage, QStringLiteral("five_hour")) : std::nullopt;
    const auto sevenDay = usage ? JsonLookup::object(*usage, QStringLiteral("seven_day")) : std::nullopt;
    if (!fiveHour || !sevenDay)
        return UsageData::failure(unexpectedUsageMessage(), now);

    UsageData record;
    const LimitWindow session = readWindow(QStringLiteral("five_hour"), sessionLabel(), LimitWindow::Kind::session,
                                           LimitWindows::fiveHourSeconds, *fiveHour, ResetPhrases::prefix(LimitWindow::Kind::session), label);
    const LimitWindow weekly = readWindow(QStringLiteral("seven_day"), weeklyWindowLabel(), LimitWindow::Kind::weekly,
                                          LimitWindows::weekSeconds, *sevenDay, ResetPhrases::prefix(LimitWindow::Kind::weekly), label);
    record.windows = {session, weekly};

    // Known per-model limits first, then any other key of the same shape under its own name.
    // One that is not a window (null, or malformed) is left out; the record stands.
    QStringList seen{QStringLiteral("five_hour"), QStringLiteral("seven_day"), QStringLiteral("extra_usage")};
    const auto addExtra = [&](const QString &key, const QString &name, std::optional<qint64> duration) {
        seen.append(key);
        const QJsonValue value = usage->value(key);
        if (value.isObject() && value.toObject().value(QStringLiteral("utilization")).isDouble())
            record.windows.append(readWindow(key, name, LimitWindow::Kind::extra, duration, value.toObject(),
                                             ResetPhrases::prefix(LimitWindow::Kind::extra), label));
    };
    for (const ModelWindow &model : modelWindows)
        addExtra(QLatin1String(model.key), QCoreApplication::translate("ClaudeResponses", model.label), LimitWindows::weekSeconds);
    for (auto it = usage->begin(); it != usage->end(); ++it) {
        if (seen.contains(it.key()) || !hasWindowShape(it.value()))
            continue;
        // "seven_day_routines" is a weekly limit named "Routines weekly"; other keys keep their name.
        if (it.key().startsWith(weeklyKeyPrefix))
            addExtra(it.key(), weeklyLabel(it.key().mid(weeklyKeyPrefix.size())), LimitWindows::weekSeconds);
        else
            addExtra(it.key(), it.key(), std::nullopt);
    }
    // Per-model weekly limits that only the `limits` list names; one the keys above already
    // gave is not shown twice.
    for (const QJsonValue &entry : JsonLookup::array(*usage, QStringLiteral("limits")).value_or(QJsonArray())) {
        std::optional<LimitWindow> scoped = scopedWeekly(entry.toObject(), label);
        const auto sameModel = [&scoped](const LimitWindow &w) {
            return w.id == scoped->id || w.id == weeklyKeyPrefix + scoped->id;
        };
        if (scoped && std::none_of(record.windows.cbegin(), record.windows.cend(), sameModel))
            record.windows.append(*scoped);
    }

    LimitWindows::limitExtraRows(record.windows);

    record.sessionPercentage = session.usedPercent;
    record.weeklyPercentage = weekly.usedPercent;
    record.sessionResetAt = session.resetAt;
    record.weeklyResetAt = weekly.resetAt;
    record.sessionLabel = session.resetPhrase;
    record.weeklyLabel = weekly.resetPhrase;
    record.extraUsage = extraUsage(*usage);
    record.fetchedAt = now;
    return record;
}

}
