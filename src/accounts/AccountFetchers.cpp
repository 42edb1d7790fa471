#include "AccountFetchers.h"

#include "accounts/ProviderSource.h"
#include "platform/Clock.h"
#include "platform/LogCategories.h"

#include <QPointer>

namespace {

// What a service's wait applies to: the credential an account's requests carry.
QString credentialOf(const Account &account)
{
    const QString provider = Providers::of(account.provider).id;
    if (account.isFirst() || account.source == Account::Source::sameSignIn)
        return provider + QStringLiteral("/first");
    if (account.source == Account::Source::signInFolder)
        return provider + QStringLiteral("/folder/") + account.folder;
    return provider + QStringLiteral("/key/") + account.id;
}

} // namespace

AccountFetchers::AccountFetchers(const AccountList &accounts, UsageSource<UsageData> &claude,
                                 UsageSource<OpenAIUsageData> &openAI, SourceMaker makeOther, Scheduler &scheduler,
                                 const Clock &clock, QObject *parent)
    : UsageSources(parent)
    , m_accounts(accounts)
    , m_makeOther(std::move(makeOther))
    , m_scheduler(scheduler)
    , m_clock(clock)
{
    adopt(Account::firstId(Provider::claude), std::make_unique<ProviderSource<UsageData>>(claude));
    adopt(Account::firstId(Provider::openAI), std::make_unique<ProviderSource<OpenAIUsageData>>(openAI));
    follow();
    connect(&accounts, &AccountList::changed, this, &AccountFetchers::follow);
}

AccountFetchers::~AccountFetchers()
{
    for (Host &host : m_hosts) {
        if (host.timer)
            m_scheduler.cancel(*host.timer);
    }
    for (const Scheduler::TimerId timer : std::as_const(m_held))
        m_scheduler.cancel(timer);
}

void AccountFetchers::adopt(const AccountId &id, std::unique_ptr<UsageSource<ProviderUsage>> source)
{
    const QPointer self(this);
    const std::optional<Account> account = m_accounts.find(id);
    // A failure is told by what the user sees of it (the status, or the kind of failure), which
    // never holds the credential.
    const QString provider = account ? Providers::of(account->provider).reportKey : id; // a first account's id is its provider's
    source->onUsageData = [self, id, provider](const ProviderUsage &usage) {
        if (usage.error)
            qCInfo(fetchLog).noquote().nospace() << "fetch failed: provider " << provider << ", account " << id << ": "
                                                 << *usage.error;
        if (self)
            emit self->delivered(id, usage);
    };
    source->onNeedsLogin = [self, id, provider] {
        qCInfo(fetchLog).noquote().nospace() << "fetch failed: provider " << provider << ", account " << id
                                             << ": unauthorized (the service refused the credential, or the sign-in expired)";
        if (self)
            emit self->needsLogin(id);
    };
    m_sources.insert(id, std::make_shared<Kept>(Kept{account.value_or(Account{id}), std::move(source)}));
}

void AccountFetchers::follow()
{
    const QList<Account> accounts = m_accounts.all();
    for (auto it = m_sources.begin(); it != m_sources.end();) {
        const auto now = std::find_if(accounts.cbegin(), accounts.cend(), [&](const Account &a) { return a.id == it.key(); });
        const bool first = it.value()->account.isFirst();
        // A source made for an account's credential and organisation is not another's: make it again.
        const bool changed = now == accounts.cend()
            || (!first && (now->source != it.value()->account.source || now->serverId != it.value()->account.serverId
                           || now->folder != it.value()->account.folder));
        if (!first && changed)
            it = m_sources.erase(it);
        else
            ++it;
    }
    for (const Account &account : accounts) {
        if (m_sources.contains(account.id) || !m_makeOther)
            continue;
        if (auto made = m_makeOther(account))
            adopt(account.id, std::move(made));
    }
}

UsageSource<ProviderUsage> *AccountFetchers::source(const AccountId &id) const
{
    const auto kept = m_sources.value(id);
    return kept ? kept->source.get() : nullptr;
}

void AccountFetchers::fetch(const AccountId &id)
{
    const std::optional<Account> account = m_accounts.find(id);
    if (!account || !source(id) || m_held.contains(id))
        return;
    // Asked when the wait of its credential is over, as the account that was told to wait is.
    if (const std::optional<QDateTime> held = heldBy(*account)) {
        const auto wait = std::chrono::milliseconds(m_clock.now().msecsTo(*held));
        m_held.insert(id, m_scheduler.after(wait, [self = QPointer(this), id] {
            if (self) {
                self->m_held.remove(id);
                self->fetch(id);
            }
        }));
        return;
    }
    Host &host = m_hosts[static_cast<std::size_t>(account->provider)];
    if (host.queue.contains(id))
        return;
    // The same account again is the source's to join or hold; another one waits its turn.
    const bool spaced = !host.lastStart || host.lastStart->msecsTo(m_clock.now()) >= spacing.count();
    if (host.queue.isEmpty() && (spaced || host.lastAccount == id)) {
        start(id);
        return;
    }
    host.queue.append(id);
    if (!host.timer)
        startQueued(account->provider);
}

void AccountFetchers::start(const AccountId &id)
{
    const std::optional<Account> account = m_accounts.find(id);
    UsageSource<ProviderUsage> *usage = source(id);
    if (!account || !usage)
        return;
    Host &host = m_hosts[static_cast<std::size_t>(account->provider)];
    host.lastStart = m_clock.now();
    host.lastAccount = id;
    usage->fetchUsage();
}

void AccountFetchers::startQueued(Provider provider)
{
    Host &host = m_hosts[static_cast<std::size_t>(provider)];
    const qint64 elapsed = host.lastStart ? host.lastStart->msecsTo(m_clock.now()) : spacing.count();
    const auto wait = std::chrono::milliseconds(std::clamp<qint64>(spacing.count() - elapsed, 0, spacing.count()));
    host.timer = m_scheduler.after(wait, [self = QPointer(this), provider] {
        if (!self)
            return;
        Host &host = self->m_hosts[static_cast<std::size_t>(provider)];
        host.timer.reset();
        if (host.queue.isEmpty())
            return;
        self->start(host.queue.takeFirst());
        if (!host.queue.isEmpty())
            self->startQueued(provider);
    });
}

std::optional<QDateTime> AccountFetchers::heldBy(const Account &account) const
{
    const QString credential = credentialOf(account);
    const QDateTime now = m_clock.now();
    std::optional<QDateTime> until;
    for (auto it = m_sources.cbegin(); it != m_sources.cend(); ++it) {
        if (it.key() == account.id || credentialOf(it.value()->account) != credential)
            continue;
        if (const std::optional<QDateTime> next = it.value()->source->nextTryAt(); next && *next > now)
            until = std::max(until.value_or(*next), *next);
    }
    return until;
}

std::optional<QDateTime> AccountFetchers::nextTryAt(const AccountId &id) const
{
    const UsageSource<ProviderUsage> *usage = source(id);
    std::optional<QDateTime> next = usage ? usage->nextTryAt() : std::nullopt;
    if (const std::optional<Account> account = m_accounts.find(id)) {
        if (const std::optional<QDateTime> held = heldBy(*account); held && (!next || *held > *next))
            next = held;
    }
    return next;
}

Awaiting AccountFetchers::awaiting(const AccountId &id) const
{
    const UsageSource<ProviderUsage> *usage = source(id);
    return usage ? usage->awaiting() : Awaiting::answer;
}
