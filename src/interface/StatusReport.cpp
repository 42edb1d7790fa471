#include "StatusReport.h"

#include "credentials/CredentialSource.h"
#include "statusbar/StatusMenu.h"
#include "usage/Figures.h"

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

QJsonObject provider(const QString &name, bool shown, const std::optional<ProviderUsage> &usage, bool expired,
                     Awaiting awaiting, const QString &source, const TitleModel &title, Provider which,
                     const QDateTime &now, std::optional<qint64> justNowWithin)
{
    const bool usable = usage && usage->usable();
    const ProviderUsage values = usable ? *usage : ProviderUsage{};
    QJsonArray rows;
    if (usable) {
        QStringList texts = MenuTexts::rows(values, now);
        // A plain age (no failed or waiting try) is told as the tooltips tell it.
        if (justNowWithin && !values.error && !values.failedTry && !(values.nextTryAt && *values.nextTryAt > now))
            texts.last() = MenuTexts::updatedByTheMinute(values.fetchedAt, now, *justNowWithin);
        rows = QJsonArray::fromStringList(texts);
    } else {
        const QString whyNone =
            awaiting == Awaiting::nothing ? CredentialSource::expiredText(source) : MenuTexts::awaiting(awaiting);
        rows = {QStringLiteral("Session  ") + MenuTexts::none, QStringLiteral("Weekly  ") + MenuTexts::none,
                MenuTexts::lastRow(usage, now, whyNone)};
    }
    QJsonValue segment;
    for (const TitleSegment &s : title.segments) {
        if (s.provider == which && !s.warn)
            segment = s.text;
    }
    return {
        {QStringLiteral("name"), name},
        {QStringLiteral("shown"), shown},
        {QStringLiteral("state"), state(usage, expired, awaiting)},
        {QStringLiteral("error"), usage ? orNull(usage->error ? usage->error : usage->failedTry) : QJsonValue()},
        {QStringLiteral("credentialExpired"), expired},
        {QStringLiteral("source"), source},
        {QStringLiteral("fetchedAt"), usage ? instant(usage->fetchedAt) : QJsonValue()},
        {QStringLiteral("session"), window(values.sessionPercentage, values.sessionResetAt, values.sessionLabel, now)},
        {QStringLiteral("weekly"), window(values.weeklyPercentage, values.weeklyResetAt, values.weeklyLabel, now)},
        {QStringLiteral("windows"), windows(values.windows, now)},
        {QStringLiteral("plan"), orNull(values.plan)},
        {QStringLiteral("extraUsage"), extraUsage(values.extraUsage)},
        {QStringLiteral("credits"), credits(values.credits)},
        {QStringLiteral("segment"), segment},
        {QStringLiteral("rows"), rows},
    };
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
    const QString state = provider.value(QStringLiteral("state")).toString();
    return state == QLatin1String("ok") || state == QLatin1String("stale");
}

// The class a bar gives the figures, and the lowest remaining percentage it is judged by.
std::pair<QString, QJsonValue> level(const QJsonObject &status)
{
    std::optional<double> lowest;
    bool error = false;
    for (const QJsonObject &p : shownProviders(status)) {
        error = error || !hasFigures(p);
        QJsonArray all = p.value(QStringLiteral("windows")).toArray();
        all.append(p.value(QStringLiteral("session")));
        all.append(p.value(QStringLiteral("weekly")));
        for (const QJsonValue &w : std::as_const(all)) {
            const QJsonValue remaining = w.toObject().value(QStringLiteral("remainingRounded"));
            if (remaining.isDouble())
                lowest = std::min(lowest.value_or(remaining.toDouble()), remaining.toDouble());
        }
    }
    QString name = QStringLiteral("ok");
    if (error)
        name = QStringLiteral("error");
    else if (lowest && *lowest <= StatusReport::criticalThreshold)
        name = QStringLiteral("critical");
    else if (lowest && *lowest <= StatusReport::lowThreshold)
        name = QStringLiteral("low");
    return {name, lowest ? QJsonValue(*lowest) : QJsonValue()};
}

// The document with the class a bar gives it and the lowest remaining percentage it is judged by.
QJsonObject withLevel(QJsonObject status)
{
    const auto [name, lowest] = level(status);
    status.insert(QStringLiteral("class"), name);
    status.insert(QStringLiteral("lowestRemaining"), lowest);
    return status;
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
    QJsonObject status{
        {QStringLiteral("version"), version},
        {QStringLiteral("warnings"), QJsonArray::fromStringList(inputs.warnings)},
        {QStringLiteral("generatedAt"), instant(in.now)},
        {QStringLiteral("displayFormat"), formatId(in.format)},
        {QStringLiteral("displayFormatLabel"), DisplayFormats::rawValue(in.format)},
        {QStringLiteral("title"), title.plainText()},
        {QStringLiteral("titleTooltip"), orNull(title.tooltip)},
        {QStringLiteral("providers"),
         QJsonObject{
             {Providers::of(Provider::claude).reportKey,
              provider(Providers::of(Provider::claude).name, in.showClaude, in.claude, inputs.claudeSessionExpired,
                       inputs.claudeAwaiting, inputs.claudeSource, title, Provider::claude, in.now, inputs.justNowWithin)},
             {Providers::of(Provider::openAI).reportKey,
              provider(Providers::of(Provider::openAI).name, in.showOpenAI, in.openAI, inputs.openAISessionExpired,
                       inputs.openAIAwaiting, inputs.openAISource, title, Provider::openAI, in.now, inputs.justNowWithin)},
         }},
    };
    QJsonArray accounts;
    for (const AccountReport &report : inputs.accounts) {
        const Account &account = report.account;
        const QString &providerName = Providers::of(account.provider).name;
        const QString name = account.label == providerName ? providerName : providerName + QStringLiteral(" · ") + account.label;
        QJsonObject entry = provider(name, account.shown, report.usage, report.expired, report.awaiting, report.source,
                                     title, account.provider, in.now, inputs.justNowWithin);
        // Its own figures, where the panel may show several accounts' lowest.
        const bool usable = report.usage && report.usage->usable();
        entry.insert(QStringLiteral("segment"),
                     usable ? QJsonValue(Title::segment(account.provider, in.format, *report.usage, in.now).text) : QJsonValue());
        entry.insert(QStringLiteral("id"), account.id);
        entry.insert(QStringLiteral("provider"), Providers::of(account.provider).reportKey);
        entry.insert(QStringLiteral("label"), account.label);
        entry.insert(QStringLiteral("accountSource"), SourceNames::name(account.source));
        accounts.append(entry);
    }
    if (!accounts.isEmpty())
        status.insert(QStringLiteral("accounts"), accounts);
    return withLevel(status);
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
        out.append(QStringLiteral("No provider is shown"));
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
    return withLevel(one);
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
