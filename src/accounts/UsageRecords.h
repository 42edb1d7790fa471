#pragma once

#include "accounts/UsageSources.h"
#include "usage/ResetLabel.h"

#include <QHash>

#include <chrono>
#include <functional>

class Clock;

// The latest and the last good record of every account: what the panel, the menu, notices, the
// pace, the history and the status document all read.
class UsageRecords final : public QObject
{
    Q_OBJECT
public:
    UsageRecords(const Clock &clock, const UsageSources &sources, std::function<std::chrono::seconds()> refreshInterval,
                 QObject *parent = nullptr);

    // Keeps a delivered record as the latest one, and as the last good one when it has figures.
    void store(const AccountId &id, const ProviderUsage &usage);
    // The credential was refused: no figures of that account stand any more.
    void storeNeedsLogin(const AccountId &id);
    // The account's credential is gone: its last good figures are nobody's.
    void forgetLastGood(const AccountId &id);
    // Forgets its figures, latest and last good alike; it still counts as having answered.
    void clear(const AccountId &id);
    // Forgets everything of an account that no longer exists.
    void forget(const AccountId &id);

    // The latest record as stored: absent before the first one and after a needs-login report.
    std::optional<ProviderUsage> latest(const AccountId &id) const;
    // What the account is shown by: the latest record, or the last good one while the failures
    // since are recent; reset phrases as of now.
    std::optional<ProviderUsage> shown(const AccountId &id) const;
    // Whether a record or a needs-login report arrived since start.
    bool answered(const AccountId &id) const { return m_entries.value(id).answered; }
    // What an account that has not answered since start waits for; nothing once it has.
    Awaiting awaiting(const AccountId &id) const;

    // What the panel shows of a provider with these accounts: the first one as shown, or with
    // other shown accounts that have figures, the lowest of them all.
    std::optional<ProviderUsage> providerFigures(const QList<Account> &accounts) const;
    // The lowest figures of several accounts' usage: each figure from the account with the least left.
    static std::optional<ProviderUsage> lowest(const QList<ProviderUsage> &usages);

signals:
    // A record or needs-login report was stored.
    void recordStored(const AccountId &id);

private:
    struct Entry
    {
        std::optional<ProviderUsage> latest;
        std::optional<ProviderUsage> lastGood;
        bool answered = false;
    };

    const Clock &m_clock;
    const UsageSources &m_sources;
    std::function<std::chrono::seconds()> m_refreshInterval;
    QHash<AccountId, Entry> m_entries;
};
