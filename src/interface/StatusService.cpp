#include "StatusService.h"

#include "app/AppSettings.h"
#include "credentials/CredentialSource.h"
#include "interface/ReportRows.h"
#include "platform/Clock.h"
#include "platform/DefaultsStore.h"

#include <QJsonArray>
#include <QPointer>

namespace {

// The report as a listener compares it: without the instants that move at every refresh though
// nothing shown changed (the rows already say how old the figures are).
QJsonObject withoutInstants(QJsonObject status)
{
    status.remove(QStringLiteral("generatedAt"));
    QJsonObject providers = status.value(QStringLiteral("providers")).toObject();
    for (auto it = providers.begin(); it != providers.end(); ++it) {
        QJsonObject provider = it.value().toObject();
        provider.remove(QStringLiteral("fetchedAt"));
        it.value() = provider;
    }
    status.insert(QStringLiteral("providers"), providers);
    QJsonArray accounts = status.value(QStringLiteral("accounts")).toArray();
    for (QJsonValueRef account : accounts) {
        QJsonObject entry = account.toObject();
        entry.remove(QStringLiteral("fetchedAt"));
        account = entry;
    }
    status.insert(QStringLiteral("accounts"), accounts);
    return status;
}

} // namespace

StatusService::StatusService(Services services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{
    connect(&m_services.records, &UsageRecords::recordStored, this, &StatusService::reported);
}

StatusService::~StatusService()
{
    for (const PendingRefresh &pending : std::as_const(m_pending))
        m_services.scheduler.cancel(pending.limit);
}

StatusInputs StatusService::inputs() const
{
    const AppSettings &settings = m_services.settings;
    const UsageRecords &records = m_services.records;
    const AccountList &accounts = m_services.accounts;
    const QDateTime now = m_services.clock.now();
    const AccountId claude = Account::firstId(Provider::claude);
    const AccountId openAI = Account::firstId(Provider::openAI);
    const auto expired = [&settings](Provider provider) {
        return provider == Provider::claude ? settings.claudeSessionExpired() : settings.openAISessionExpired();
    };
    StatusInputs inputs{
        TitleInputs{settings.displayFormat(), settings.showClaude(), settings.showOpenAI(), records.shown(claude),
                    records.shown(openAI), now},
        settings.claudeSessionExpired(),
        settings.openAISessionExpired(),
        CredentialSource::claude(settings.defaults()),
        CredentialSource::openAI(settings.defaults()),
        records.awaiting(claude),
        records.awaiting(openAI),
        warnings(),
        static_cast<qint64>(settings.refreshInterval()) + m_services.lateAfterSeconds,
    };
    const QList<Account> all = accounts.all();
    if (all.size() > qsizetype(Providers::all.size()))
        inputs.panel = TitleInputs{settings.displayFormat(),
                                   accounts.anyShown(Provider::claude),
                                   accounts.anyShown(Provider::openAI),
                                   records.providerFigures(accounts.of(Provider::claude)),
                                   records.providerFigures(accounts.of(Provider::openAI)),
                                   now};
    const QList<Account> fetched = accounts.fetched();
    for (const Account &account : all) {
        const bool first = account.isFirst();
        // An account nobody asks waits for nothing.
        const bool asked = std::any_of(fetched.cbegin(), fetched.cend(), [&](const Account &a) { return a.id == account.id; });
        inputs.accounts.append(AccountReport{
            account, records.shown(account.id),
            // Only the first accounts keep the mark across starts; the others know it since their last answer.
            first ? expired(account.provider) : records.answered(account.id) && !records.latest(account.id),
            asked ? records.awaiting(account.id) : Awaiting::nothing,
            first ? CredentialSource::of(account.provider, settings.defaults()) : QStringLiteral("sessionKey")});
    }
    return inputs;
}

QJsonObject StatusService::status() const
{
    return StatusReport::build(ReportRows::filled(inputs()));
}

std::optional<QJsonObject> StatusService::status(const QString &name) const
{
    const std::optional<Account> account = m_services.accounts.match(name);
    if (!account)
        return std::nullopt;
    StatusInputs chosen = inputs();
    const AccountReport *report = nullptr;
    for (const AccountReport &r : std::as_const(chosen.accounts)) {
        if (r.account.id == account->id)
            report = &r;
    }
    // The account stands as its provider's only one; the other provider is left out.
    const bool claude = account->provider == Provider::claude;
    TitleInputs title{chosen.title.format, claude && account->shown, !claude && account->shown,
                      claude ? report->usage : std::nullopt, claude ? std::nullopt : report->usage, chosen.title.now};
    StatusInputs one{title, claude && report->expired, !claude && report->expired,
                     claude ? report->source : QStringLiteral("sessionKey"), claude ? QStringLiteral("sessionKey") : report->source,
                     claude ? report->awaiting : Awaiting::nothing, claude ? Awaiting::nothing : report->awaiting,
                     chosen.warnings, chosen.justNowWithin, std::nullopt, {*report}};
    return StatusReport::build(ReportRows::filled(one));
}

QStringList StatusService::warnings() const
{
    QStringList warnings;
    if (const auto settingsFailure = m_services.settings.defaults().writeFailure())
        warnings.append(*settingsFailure);
    if (m_services.historyWriteFailure) {
        if (const auto historyFailure = m_services.historyWriteFailure())
            warnings.append(*historyFailure);
    }
    return warnings;
}

void StatusService::refresh(std::function<void()> done)
{
    // An account that must wait before it is asked again is not asked now: the status says until when.
    const QDateTime now = m_services.clock.now();
    PendingRefresh pending{++m_nextId, {}, 0, std::move(done)};
    for (const Account &account : m_services.accounts.fetched()) {
        const std::optional<ProviderUsage> usage = m_services.records.shown(account.id);
        if (!(usage && usage->nextTryAt && *usage->nextTryAt > now))
            pending.waitingFor.insert(account.id);
    }
    pending.limit = m_services.scheduler.after(refreshLimit, [self = QPointer(this), id = pending.id] {
        if (self)
            self->answer(true, id);
    });
    m_pending.append(std::move(pending));
    m_services.refreshNow();
    answer(false);
}

void StatusService::redrawn()
{
    QJsonObject now = withoutInstants(status());
    if (now == m_lastTold)
        return;
    m_lastTold = std::move(now);
    emit changed();
}

void StatusService::reported(const AccountId &id)
{
    for (PendingRefresh &pending : m_pending)
        pending.waitingFor.remove(id);
    answer(false);
}

void StatusService::answer(bool all, std::optional<quint64> onlyId)
{
    QList<std::function<void()>> answers;
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        const bool chosen = !onlyId || it->id == *onlyId;
        if (chosen && (all || it->waitingFor.isEmpty())) {
            m_services.scheduler.cancel(it->limit);
            answers.append(std::move(it->done));
            it = m_pending.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto &done : answers)
        done();
}
