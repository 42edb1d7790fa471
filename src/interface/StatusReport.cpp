#include "StatusReport.h"

#include "usage/Figures.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

QString formatId(DisplayFormat format)
{
    switch (format) {
    case DisplayFormat::both:
        return QStringLiteral("both");
    case DisplayFormat::sessionOnly:
        return QStringLiteral("sessionOnly");
    case DisplayFormat::weeklyOnly:
        return QStringLiteral("weeklyOnly");
    case DisplayFormat::sessionAndTimer:
        return QStringLiteral("sessionAndTimer");
    case DisplayFormat::weeklyAndTimer:
        return QStringLiteral("weeklyAndTimer");
    }
    return {};
}

QJsonValue instant(const std::optional<QDateTime> &at)
{
    return at && at->isValid() ? QJsonValue(at->toUTC().toString(Qt::ISODate)) : QJsonValue();
}

template<typename T>
QJsonValue orNull(const std::optional<T> &value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

QJsonObject window(std::optional<double> used, const std::optional<QDateTime> &resetAt,
                   const std::optional<QString> &phrase, const QDateTime &now)
{
    return {
        {QStringLiteral("used"), orNull(used)},
        {QStringLiteral("remaining"), used ? QJsonValue(100.0 - *used) : QJsonValue()},
        {QStringLiteral("remainingRounded"), used ? QJsonValue(Figures::remainingRounded(*used)) : QJsonValue()},
        {QStringLiteral("resetsAt"), instant(resetAt)},
        {QStringLiteral("resetPhrase"), orNull(phrase)},
        {QStringLiteral("countdown"), resetAt ? QJsonValue(Figures::timeRemaining(resetAt, now)) : QJsonValue()},
    };
}

QJsonArray windows(const QList<LimitWindow> &all, const QDateTime &now)
{
    QJsonArray list;
    for (const LimitWindow &w : all) {
        QJsonObject entry = window(w.usedPercent, w.resetAt, w.resetPhrase, now);
        entry.insert(QStringLiteral("id"), w.id);
        entry.insert(QStringLiteral("label"), w.label);
        entry.insert(QStringLiteral("durationSeconds"),
                     w.durationSeconds ? QJsonValue(static_cast<double>(*w.durationSeconds)) : QJsonValue());
        list.append(entry);
    }
    return list;
}

QJsonValue extraUsage(const std::optional<ExtraUsage> &extra)
{
    if (!extra)
        return QJsonValue();
    return QJsonObject{
        {QStringLiteral("usedCredits"), orNull(extra->usedCredits)},
        {QStringLiteral("monthlyLimit"), orNull(extra->monthlyLimit)},
        {QStringLiteral("utilization"), orNull(extra->utilization)},
        {QStringLiteral("currency"), orNull(extra->currency)},
    };
}

QJsonValue credits(const std::optional<Credits> &credits)
{
    if (!credits)
        return QJsonValue();
    return QJsonObject{
        {QStringLiteral("balance"), orNull(credits->balance)},
        {QStringLiteral("unlimited"), credits->unlimited},
    };
}

// ok: figures; stale: the last good figures while recent tries fail; error: the last fetch failed;
// expired: the credential was refused; loading: no answer yet since start; locked: the keyring
// that keeps the credential is locked; none: nothing to tell.
QString state(const std::optional<ProviderUsage> &usage, bool expired, Awaiting awaiting)
{
    if (usage && usage->failedTry)
        return QStringLiteral("stale");
    if (usage)
        return usage->usable() ? QStringLiteral("ok") : QStringLiteral("error");
    if (awaiting == Awaiting::keyringUnlock)
        return QStringLiteral("locked");
    if (awaiting != Awaiting::nothing)
        return QStringLiteral("loading");
    return expired ? QStringLiteral("expired") : QStringLiteral("none");
}

// What the bar's class is judged by: whether a shown provider lacks figures, and the lowest
// remaining percentage, as shown, of all the windows of those that have them.
struct Level
{
    bool error = false;
    std::optional<double> lowest;

    void add(bool hasFigures, const std::optional<double> &remaining)
    {
        error = error || !hasFigures;
        if (remaining)
            lowest = std::min(lowest.value_or(*remaining), *remaining);
    }
};

bool hasFigures(const QString &state)
{
    return state == QLatin1String("ok") || state == QLatin1String("stale");
}

// The lowest remaining percentage, as shown, of a record's windows.
std::optional<double> lowestRemaining(const ProviderUsage &values)
{
    std::optional<double> lowest;
    const auto add = [&lowest](const std::optional<double> &used) {
        if (!used)
            return;
        const double remaining = Figures::remainingRounded(*used);
        lowest = std::min(lowest.value_or(remaining), remaining);
    };
    for (const LimitWindow &w : values.windows)
        add(w.usedPercent);
    add(values.sessionPercentage);
    add(values.weeklyPercentage);
    return lowest;
}

// One provider's or account's member, and what it adds to the class when it is shown.
struct Member
{
    QJsonObject json;
    bool hasFigures = false;
    std::optional<double> lowest;
};

// What one member is made of, borrowed from the inputs for the moment it is built.
struct MemberInputs
{
    QString name;
    bool shown = false;
    const std::optional<ProviderUsage> &usage;
    bool expired = false;
    Awaiting awaiting = Awaiting::nothing;
    const QString &source;
    const QStringList &rows;
    QJsonValue segment;
};

Member member(const MemberInputs &in, const QDateTime &now)
{
    const bool usable = in.usage && in.usage->usable();
    const ProviderUsage values = usable ? *in.usage : ProviderUsage{};
    const QString stateName = state(in.usage, in.expired, in.awaiting);
    const QJsonObject json{
        {QStringLiteral("name"), in.name},
        {QStringLiteral("shown"), in.shown},
        {QStringLiteral("state"), stateName},
        {QStringLiteral("error"), in.usage ? orNull(in.usage->error ? in.usage->error : in.usage->failedTry) : QJsonValue()},
        {QStringLiteral("credentialExpired"), in.expired},
        {QStringLiteral("source"), in.source},
        {QStringLiteral("fetchedAt"), in.usage ? instant(in.usage->fetchedAt) : QJsonValue()},
        {QStringLiteral("session"), window(values.sessionPercentage, values.sessionResetAt, values.sessionLabel, now)},
        {QStringLiteral("weekly"), window(values.weeklyPercentage, values.weeklyResetAt, values.weeklyLabel, now)},
        {QStringLiteral("windows"), windows(values.windows, now)},
        {QStringLiteral("plan"), orNull(values.plan)},
        {QStringLiteral("extraUsage"), extraUsage(values.extraUsage)},
        {QStringLiteral("credits"), credits(values.credits)},
        {QStringLiteral("segment"), in.segment},
        {QStringLiteral("rows"), QJsonArray::fromStringList(in.rows)},
    };
    return {json, hasFigures(stateName), lowestRemaining(values)};
}

// The provider's segment of the panel's title, when it has figures there.
QJsonValue titleSegment(const TitleModel &title, Provider which)
{
    QJsonValue segment;
    for (const TitleSegment &s : title.segments) {
        if (s.provider == which && !s.warn)
            segment = s.text;
    }
    return segment;
}

QList<QJsonObject> shownProviders(const QJsonObject &status)
{
    QList<QJsonObject> shown;
    // Every shown account when the report lists them, else each provider's first one.
    const QJsonArray accounts = status.value(QStringLiteral("accounts")).toArray();
    for (const QJsonValue &account : accounts) {
        if (account.toObject().value(QStringLiteral("shown")).toBool())
            shown.append(account.toObject());
    }
    if (!accounts.isEmpty())
        return shown;
    const QJsonObject providers = status.value(QStringLiteral("providers")).toObject();
    for (const ProviderIdentity &identity : Providers::all) {
        const QJsonObject p = providers.value(identity.reportKey).toObject();
        if (p.value(QStringLiteral("shown")).toBool())
            shown.append(p);
    }
    return shown;
}

// The provider's header (its name and plan), then its menu rows.
QStringList menuGroup(const QJsonObject &provider)
{
    const QJsonValue plan = provider.value(QStringLiteral("plan"));
    QStringList texts{provider.value(QStringLiteral("name")).toString()
                      + (plan.isString() ? QStringLiteral(" · ") + plan.toString() : QString())};
    for (const QJsonValue &row : provider.value(QStringLiteral("rows")).toArray())
        texts.append(row.toString());
    return texts;
}

bool hasFigures(const QJsonObject &provider)
{
    return hasFigures(provider.value(QStringLiteral("state")).toString());
}

// The document with the class a bar gives it and the lowest remaining percentage it is judged by.
QJsonObject withLevel(QJsonObject status, const Level &level)
{
    QString name = QStringLiteral("ok");
    if (level.error)
        name = QStringLiteral("error");
    else if (level.lowest && *level.lowest <= StatusReport::criticalThreshold)
        name = QStringLiteral("critical");
    else if (level.lowest && *level.lowest <= StatusReport::lowThreshold)
        name = QStringLiteral("low");
    status.insert(QStringLiteral("class"), name);
    status.insert(QStringLiteral("lowestRemaining"), level.lowest ? QJsonValue(*level.lowest) : QJsonValue());
    return status;
}

// The level of a document another program received, which holds only what it says.
Level levelOf(const QJsonObject &status)
{
    Level level;
    for (const QJsonObject &p : shownProviders(status)) {
        QJsonArray all = p.value(QStringLiteral("windows")).toArray();
        all.append(p.value(QStringLiteral("session")));
        all.append(p.value(QStringLiteral("weekly")));
        std::optional<double> lowest;
        for (const QJsonValue &w : std::as_const(all)) {
            const QJsonValue remaining = w.toObject().value(QStringLiteral("remainingRounded"));
            if (remaining.isDouble())
                lowest = std::min(lowest.value_or(remaining.toDouble()), remaining.toDouble());
        }
        level.add(hasFigures(p), lowest);
    }
    return level;
}

QVariant busValue(const QJsonValue &value)
{
    if (value.isObject())
        return StatusReport::busState(value.toObject());
    if (value.isArray()) {
        const QJsonArray items = value.toArray();
        // Rows stay a list of texts (as); lists of objects become a list of maps (av).
        if (!items.isEmpty() && std::all_of(items.begin(), items.end(), [](const QJsonValue &i) { return i.isString(); })) {
            QStringList texts;
            for (const QJsonValue &item : items)
                texts.append(item.toString());
            return texts;
        }
        QVariantList list;
        for (const QJsonValue &item : items)
            list.append(busValue(item));
        return list;
    }
    if (value.isDouble())
        return value.toDouble(); // always d, whether or not the figure is whole
    return value.toVariant();
}

} // namespace

namespace StatusReport {

QJsonObject build(const StatusInputs &inputs)
{
    const TitleInputs &in = inputs.title;
    const TitleModel title = Title::make(inputs.panel.value_or(in));
    const Member claude = member({Providers::of(Provider::claude).name, in.showClaude, in.claude, inputs.claudeSessionExpired,
                                  inputs.claudeAwaiting, inputs.claudeSource, inputs.claudeRows,
                                  titleSegment(title, Provider::claude)},
                                 in.now);
    const Member openAI = member({Providers::of(Provider::openAI).name, in.showOpenAI, in.openAI, inputs.openAISessionExpired,
                                  inputs.openAIAwaiting, inputs.openAISource, inputs.openAIRows,
                                  titleSegment(title, Provider::openAI)},
                                 in.now);
    // The class follows every shown account when there is a list of them, else each provider's first.
    Level level;
    QJsonArray accounts;
    for (const AccountReport &report : inputs.accounts) {
        const Account &account = report.account;
        const QString &providerName = Providers::of(account.provider).name;
        const QString name = account.label == providerName ? providerName : providerName + QStringLiteral(" · ") + account.label;
        // Its own figures, where the panel may show several accounts' lowest.
        const bool usable = report.usage && report.usage->usable();
        const QJsonValue segment =
            usable ? QJsonValue(Title::segment(account.provider, in.format, *report.usage, in.now).text) : QJsonValue();
        Member entry = member({name, account.shown, report.usage, report.expired, report.awaiting, report.source, report.rows,
                               segment},
                              in.now);
        if (account.shown)
            level.add(entry.hasFigures, entry.lowest);
        entry.json.insert(QStringLiteral("id"), account.id);
        entry.json.insert(QStringLiteral("provider"), Providers::of(account.provider).reportKey);
        entry.json.insert(QStringLiteral("label"), account.label);
        entry.json.insert(QStringLiteral("accountSource"), SourceNames::name(account.source));
        accounts.append(entry.json);
    }
    if (accounts.isEmpty()) {
        if (in.showClaude)
            level.add(claude.hasFigures, claude.lowest);
        if (in.showOpenAI)
            level.add(openAI.hasFigures, openAI.lowest);
    }
    QJsonObject status{
        {QStringLiteral("version"), version},
        {QStringLiteral("warnings"), QJsonArray::fromStringList(inputs.warnings)},
        {QStringLiteral("generatedAt"), instant(in.now)},
        {QStringLiteral("displayFormat"), formatId(in.format)},
        // The stored value, English in every language: scripts match it.
        {QStringLiteral("displayFormatLabel"), DisplayFormats::rawValue(in.format)},
        {QStringLiteral("title"), title.plainText()},
        {QStringLiteral("titleTooltip"), orNull(title.tooltip)},
        {QStringLiteral("providers"),
         QJsonObject{
             {Providers::of(Provider::claude).reportKey, claude.json},
             {Providers::of(Provider::openAI).reportKey, openAI.json},
         }},
    };
    if (!accounts.isEmpty())
        status.insert(QStringLiteral("accounts"), accounts);
    return withLevel(status, level);
}

QJsonObject waybar(const QJsonObject &status)
{
    QStringList groups;
    for (const QJsonObject &p : shownProviders(status))
        groups.append(menuGroup(p).join(QLatin1Char('\n')));
    QJsonObject module{
        {QStringLiteral("text"), status.value(QStringLiteral("title")).toString()},
        {QStringLiteral("tooltip"), groups.isEmpty() ? status.value(QStringLiteral("titleTooltip")).toString()
                                                     : groups.join(QStringLiteral("\n\n"))},
        {QStringLiteral("class"), status.value(QStringLiteral("class")).toString()},
    };
    const QJsonValue lowest = status.value(QStringLiteral("lowestRemaining"));
    if (lowest.isDouble())
        module.insert(QStringLiteral("percentage"), lowest);
    return module;
}

QString lines(const QJsonObject &status)
{
    QStringList out;
    for (const QJsonObject &p : shownProviders(status)) {
        QString line = menuGroup(p).join(QStringLiteral("  "));
        const QJsonValue error = p.value(QStringLiteral("error"));
        if (error.isString() && !line.contains(error.toString()))
            line += QStringLiteral("  (") + error.toString() + QLatin1Char(')');
        out.append(line);
    }
    if (out.isEmpty())
        out.append(QCoreApplication::translate("StatusReport", "No provider is shown"));
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

std::optional<QJsonObject> forAccount(const QJsonObject &status, const QString &idOrLabel)
{
    std::optional<QJsonObject> chosen;
    const QJsonArray accounts = status.value(QStringLiteral("accounts")).toArray();
    for (const QJsonValue &value : accounts) {
        if (value.toObject().value(QStringLiteral("id")).toString() == idOrLabel)
            chosen = value.toObject();
    }
    for (const QJsonValue &value : accounts) {
        if (chosen)
            break;
        if (value.toObject().value(QStringLiteral("label")).toString().compare(idOrLabel, Qt::CaseInsensitive) != 0)
            continue;
        for (const QJsonValue &other : accounts) { // a label two accounts share names neither
            if (other != value && other.toObject().value(QStringLiteral("label")).toString().compare(idOrLabel, Qt::CaseInsensitive) == 0)
                return std::nullopt;
        }
        chosen = value.toObject();
    }
    if (!chosen)
        return std::nullopt;
    // The account stands as its provider's only one, shown; the other provider is left out.
    QJsonObject one = status;
    chosen->insert(QStringLiteral("shown"), true);
    QJsonObject providers = status.value(QStringLiteral("providers")).toObject();
    for (auto it = providers.begin(); it != providers.end(); ++it) {
        QJsonObject member = it.value().toObject();
        member.insert(QStringLiteral("shown"), false);
        it.value() = it.key() == chosen->value(QStringLiteral("provider")).toString() ? *chosen : member;
    }
    one.insert(QStringLiteral("providers"), providers);
    one.insert(QStringLiteral("accounts"), QJsonArray{*chosen});
    const QJsonValue segment = chosen->value(QStringLiteral("segment"));
    one.insert(QStringLiteral("title"), chosen->value(QStringLiteral("label")).toString() + QLatin1Char(' ')
                                            + (segment.isString() ? segment.toString() : QStringLiteral("⚠")));
    return withLevel(one, levelOf(one));
}

QString accountLines(const QJsonObject &status)
{
    QStringList out;
    for (const QJsonValue &value : status.value(QStringLiteral("accounts")).toArray()) {
        const QJsonObject account = value.toObject();
        out.append(QStringList{account.value(QStringLiteral("id")).toString(),
                               account.value(QStringLiteral("provider")).toString(),
                               account.value(QStringLiteral("label")).toString(),
                               account.value(QStringLiteral("accountSource")).toString(),
                               account.value(QStringLiteral("shown")).toBool() ? QStringLiteral("shown") : QStringLiteral("hidden"),
                               account.value(QStringLiteral("state")).toString()}
                       .join(QLatin1Char('\t')));
    }
    return out.isEmpty() ? QString() : out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QJsonArray accountList(const QJsonObject &status)
{
    QJsonArray list;
    for (const QJsonValue &value : status.value(QStringLiteral("accounts")).toArray()) {
        const QJsonObject account = value.toObject();
        QJsonObject entry;
        for (const char *member : {"id", "provider", "label", "accountSource", "shown", "state", "plan"})
            entry.insert(QLatin1String(member), account.value(QLatin1String(member)));
        list.append(entry);
    }
    return list;
}

int exitCode(const QJsonObject &status)
{
    for (const QJsonObject &p : shownProviders(status)) {
        if (!hasFigures(p))
            return 1;
    }
    return 0;
}

QVariantMap busState(const QJsonObject &status)
{
    QVariantMap state;
    for (auto it = status.begin(); it != status.end(); ++it) {
        if (!it.value().isNull())
            state.insert(it.key(), busValue(it.value()));
    }
    return state;
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}
