#pragma once

#include "accounts/AccountList.h"
#include "accounts/UsageSources.h"
#include "platform/Scheduler.h"
#include "usage/UsageData.h"

#include <QHash>

#include <array>
#include <memory>

class Clock;

// Fetches every account's usage: each provider's first account through the source the
// application shares, the others through sources made for them as they are added. Cycles of
// different accounts to one service start at least a second apart, so several never burst, and
// a service's request to wait holds every account of the credential it refused.
class AccountFetchers final : public UsageSources
{
    Q_OBJECT
public:
    using SourceMaker = std::function<std::unique_ptr<UsageSource<ProviderUsage>>(const Account &)>;
    static constexpr std::chrono::milliseconds spacing{1000};

    AccountFetchers(const AccountList &accounts, UsageSource<UsageData> &claude, UsageSource<OpenAIUsageData> &openAI,
                    SourceMaker makeOther, Scheduler &scheduler, const Clock &clock, QObject *parent = nullptr);
    ~AccountFetchers() override;

    void fetch(const AccountId &id) override;
    std::optional<QDateTime> nextTryAt(const AccountId &id) const override;
    Awaiting awaiting(const AccountId &id) const override;

private:
    // Makes sources for new accounts and drops those of removed or changed ones.
    void follow();
    void adopt(const AccountId &id, std::unique_ptr<UsageSource<ProviderUsage>> source);
    void start(const AccountId &id);
    void startQueued(Provider provider);
    UsageSource<ProviderUsage> *source(const AccountId &id) const;
    // Until when another account of the same credential was asked to wait, while that is ahead.
    std::optional<QDateTime> heldBy(const Account &account) const;

    const AccountList &m_accounts;
    SourceMaker m_makeOther;
    Scheduler &m_scheduler;
    const Clock &m_clock;
    struct Kept
    {
        Account account;
        std::unique_ptr<UsageSource<ProviderUsage>> source;
    };
    QHash<AccountId, std::shared_ptr<Kept>> m_sources;
    struct Host
    {
        std::optional<QDateTime> lastStart;
        AccountId lastAccount;
        QList<AccountId> queue;
        std::optional<Scheduler::TimerId> timer;
    };
    std::array<Host, 2> m_hosts; // by provider: each provider's service is one host
    QHash<AccountId, Scheduler::TimerId> m_held; // accounts waiting out their credential's hold
};
