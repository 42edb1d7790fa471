#include "UsageRecords.h"

#include "platform/Clock.h"

#include <algorithm>

UsageRecords::UsageRecords(const Clock &clock, const UsageSources &sources,
                           std::function<std::chrono::seconds()> refreshInterval, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_sources(sources)
    , m_refreshInterval(std::move(refreshInterval))
{
}

void UsageRecords::store(const AccountId &id, const ProviderUsage &usage)
{
    Entry &entry = m_entries[id];
    entry.answered = true;
    entry.latest = usage;
    if (usage.usable())
        entry.lastGood = usage;
    emit recordStored(id);
}

void UsageRecords::storeNeedsLogin(const AccountId &id)
{
    m_entries.insert(id, Entry{std::nullopt, std::nullopt, true});
    emit recordStored(id);
}

void UsageRecords::forgetLastGood(const AccountId &id)
{
    if (const auto it = m_entries.find(id); it != m_entries.end())
        it->lastGood.reset();
}

void UsageRecords::clear(const AccountId &id)
{
    if (const auto it = m_entries.find(id); it != m_entries.end()) {
        it->latest.reset();
        it->lastGood.reset();
    }
}

void UsageRecords::forget(const AccountId &id)
{
    m_entries.remove(id);
}

std::optional<ProviderUsage> UsageRecords::latest(const AccountId &id) const
{
    return m_entries.value(id).latest;
}

std::optional<ProviderUsage> UsageRecords::shown(const AccountId &id) const
{
    const Entry entry = m_entries.value(id);
    const QDateTime now = m_clock.now();
    const std::optional<QDateTime> nextTryAt = m_sources.nextTryAt(id);
    std::optional<ProviderUsage> usage =
        ProviderUsage::shown(entry.latest, entry.lastGood, now, m_refreshInterval(), nextTryAt);
    if (usage) {
        usage = usage->phrasedAt(now);
        usage->nextTryAt = nextTryAt;
    }
    return usage;
}

Awaiting UsageRecords::awaiting(const AccountId &id) const
{
    return answered(id) ? Awaiting::nothing : m_sources.awaiting(id);
}

std::optional<ProviderUsage> UsageRecords::providerFigures(const QList<Account> &accounts) const
{
    QList<ProviderUsage> usages;
    std::optional<ProviderUsage> first;
    for (const Account &account : accounts) {
        const std::optional<ProviderUsage> usage = shown(account.id);
        if (account.isFirst())
            first = usage;
        if (usage && account.shown && (account.isFirst() || usage->usable()))
            usages.append(*usage);
    }
    if (usages.size() > 1)
        return lowest(usages);
    return usages.isEmpty() ? first : std::optional(usages.first());
}

std::optional<ProviderUsage> UsageRecords::lowest(const QList<ProviderUsage> &usages)
{
    QList<ProviderUsage> usable;
    std::copy_if(usages.cbegin(), usages.cend(), std::back_inserter(usable), [](const ProviderUsage &u) { return u.usable(); });
    if (usable.isEmpty())
        return usages.isEmpty() ? std::nullopt : std::optional(usages.first());
    // An unknown figure counts as nothing used: a known one is never hidden behind it.
    const auto most = [&usable](auto used) {
        return *std::max_element(usable.cbegin(), usable.cend(), [&used](const ProviderUsage &a, const ProviderUsage &b) {
            return used(a).value_or(-1) < used(b).value_or(-1);
        });
    };
    ProviderUsage lowest = most([](const ProviderUsage &u) { return u.sessionPercentage; });
    const ProviderUsage weekly = most([](const ProviderUsage &u) { return u.longWindow().used; });
    lowest.weeklyPercentage = weekly.weeklyPercentage;
    lowest.weeklyLabel = weekly.weeklyLabel;
    lowest.weeklyResetAt = weekly.weeklyResetAt;
    const auto isLong = [](const LimitWindow &w) {
        return w.kind == LimitWindow::Kind::weekly || w.kind == LimitWindow::Kind::otherLength;
    };
    lowest.windows.removeIf(isLong);
    std::copy_if(weekly.windows.cbegin(), weekly.windows.cend(), std::back_inserter(lowest.windows), isLong);
    lowest.fetchedAt = std::min_element(usable.cbegin(), usable.cend(), [](const ProviderUsage &a, const ProviderUsage &b) {
                           return a.fetchedAt < b.fetchedAt;
                       })->fetchedAt;
    return lowest;
}
