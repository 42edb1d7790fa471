#pragma once

#include "accounts/AccountFetchers.h"
#include "accounts/AccountList.h"
#include "accounts/UsageRecords.h"
#include "app/AppSettings.h"
#include "app/Notifications.h"
#include "statusbar/PanelPresenter.h"
#include "statusbar/StatusBarController.h"
#include "support/FakeScheduler.h"
#include "platform/dummy/MemoryDefaultsStore.h"
#include "support/StatusBarFakes.h"

#include <QStringList>

#include <map>

// A status bar controller on fake time, fake fetchers and a fake network, showing its title
// through `Item`: a fake title view, or a real panel item behind the panel presenter.
template<typename Item>
struct ControllerHarness
{
    FakeClock clock;
    FakeScheduler scheduler{clock};
    MemoryDefaultsStore defaults;
    AppSettings settings{defaults, {}};
    FakeUsageSource<UsageData> claude;
    FakeUsageSource<OpenAIUsageData> openAI;
    AccountList accounts{settings, [](Provider, const QString &) { return false; }};
    // The sources of the accounts beyond each provider's first one, kept here for the test to answer.
    std::map<AccountId, FakeUsageSource<ProviderUsage> *> others;
    AccountFetchers sources{accounts, claude, openAI,
                            [this](const Account &account) {
                                auto source = std::make_unique<FakeUsageSource<ProviderUsage>>();
                                others[account.id] = source.get();
                                return source;
                            },
                            scheduler, clock};
    UsageRecords records{clock, sources, [this] { return std::chrono::seconds(qint64(settings.refreshInterval())); }};
    NotificationCenter notifications;
    FakeNetwork network;
    Item item;
    PanelHost host; // for the presenter of a panel item
    std::unique_ptr<PanelPresenter> presenter;
    QStringList commands;
    QList<std::pair<QString, QVariantMap>> posted;
    std::unique_ptr<StatusBarController> controller;

    // `itemArguments` construct the item.
    template<typename... Args>
    explicit ControllerHarness(Args &&...itemArguments)
        : item(std::forward<Args>(itemArguments)...)
    {
        QObject::connect(&notifications, &NotificationCenter::posted,
                         [this](const QString &name, const QVariantMap &info) { posted.append({name, info}); });
    }

    void start()
    {
        const auto record = [this](const char *command) { return [this, command] { commands << command; }; };
        controller = std::make_unique<StatusBarController>(
            StatusBarServices{settings, accounts, sources, records, notifications, scheduler, clock, view(),
                              network.factory()},
            StatusBarCommands{record("checkSilently"), record("checkForUpdates"), record("openPrefs"),
                              record("openOnboarding"), record("quit"), record("openHistory")});
    }

    TitleView &view()
    {
        if constexpr (std::is_base_of_v<TitleView, Item>) {
            return item;
        } else {
            if (!presenter)
                presenter = std::make_unique<PanelPresenter>(item, settings, scheduler, clock, host);
            return *presenter;
        }
    }

    // Records 27 % / 59 % used (Claude) and 10 % / 35 % used (ChatGPT), resetting in the given seconds.
    UsageData claudeRecord(std::optional<qint64> sessionResetIn = {}, std::optional<qint64> weeklyResetIn = {}) const
    {
        UsageData record;
        record.sessionPercentage = 27;
        record.weeklyPercentage = 59;
        if (sessionResetIn)
            record.sessionResetAt = clock.now().addSecs(*sessionResetIn);
        if (weeklyResetIn)
            record.weeklyResetAt = clock.now().addSecs(*weeklyResetIn);
        record.fetchedAt = clock.now();
        return record;
    }

    OpenAIUsageData openAIRecord(std::optional<qint64> primaryResetIn = {}, std::optional<qint64> secondaryResetIn = {}) const
    {
        OpenAIUsageData record;
        record.primaryPercentage = 10;
        record.secondaryPercentage = 35;
        if (primaryResetIn)
            record.primaryResetAt = clock.now().addSecs(*primaryResetIn);
        if (secondaryResetIn)
            record.secondaryResetAt = clock.now().addSecs(*secondaryResetIn);
        record.fetchedAt = clock.now();
        return record;
    }
};
