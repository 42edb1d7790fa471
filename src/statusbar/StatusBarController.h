#pragma once

#include "accounts/AccountList.h"
#include "accounts/UsageRecords.h"
#include "platform/NetworkPathMonitor.h"
#include "platform/Scheduler.h"
#include "statusbar/StatusMenu.h"
#include "statusbar/TitleModel.h"
#include "usage/UsageData.h"
#include "usage/UsageSource.h"

#include <QLocale>
#include <QObject>
#include <QHash>
#include <QSet>

class AppSettings;
class Clock;
class NotificationCenter;
class TitleView;

// What the controller works with; all of it outlives the controller.
struct StatusBarServices
{
    AppSettings &settings;
    AccountList &accounts;
    UsageSources &sources;
    UsageRecords &records;
    NotificationCenter &notifications;
    Scheduler &scheduler;
    Clock &clock;
    TitleView &statusItem;
    NetworkPathMonitorFactory makeNetworkMonitor;
};

// The commands that lead out of the panel into other parts of the application.
struct StatusBarCommands
{
    std::function<void()> checkSilently;
    std::function<void()> checkForUpdates;
    std::function<void()> openPrefs;
    std::function<void()> openOnboarding;
    std::function<void()> quit;
    std::function<void()> openHistory;
};

// Decides when to poll each account, stores what comes back in the records, keeps the title and
// the menu current, and tells the rest of the application how each fetch went.
class StatusBarController final : public QObject
{
    Q_OBJECT
public:
    StatusBarController(StatusBarServices services, StatusBarCommands commands, QObject *parent = nullptr);
    ~StatusBarController() override;

    // The latest record of each provider's first account.
    std::optional<UsageData> currentUsage() const;
    std::optional<OpenAIUsageData> currentOpenAIUsage() const;
    // What the menu and the status report show of each provider's first account: the latest
    // record, or the last good one while the failures since are recent; reset phrases as of now.
    std::optional<ProviderUsage> shownClaude() const;
    std::optional<ProviderUsage> shownOpenAI() const;
    // What the panel shows of a provider: its shown accounts' lowest figures.
    std::optional<ProviderUsage> panelFigures(Provider provider) const;
    StatusMenu &menu() { return m_menu; }
    std::optional<Scheduler::TimerId> refreshTimer() const { return m_refreshTimer; }
    std::optional<Scheduler::TimerId> countdownTimer() const { return m_countdownTimer; }
    // Whether a ChatGPT credential is stored, so that a refresh fetches ChatGPT too.
    bool hasOpenAIToken() const;
    // What a provider that has not answered since start waits for; nothing once it has.
    Awaiting awaiting(Provider provider) const;
    // The follow-up request of a provider whose latest figures name a reset that has passed.
    std::optional<Scheduler::TimerId> behindTimer(const AccountId &id) const { return m_behind.value(id).timer; }

public slots:
    void refreshNow();
    void settingsChanged();
    void appearanceChanged();
    void systemDidWake();
    // The wall clock jumped (set by hand or by time sync, or the machine resumed).
    void clockChanged();
    void menuWillOpen();
    // The accounts changed: one added, removed, shown, hidden, renamed or found.
    void accountsChanged();

signals:
    // After every redraw of the title: a record arrived, a setting changed, or a countdown moved.
    void displayUpdated();
    // The user asked for fresh figures from the menu while the provider's service has asked not
    // to be asked again before `nextTryAt`: nothing was sent.
    void refreshHeld(const AccountId &id, const QDateTime &nextTryAt);

private:
    void delivered(const AccountId &id, const ProviderUsage &usage);
    void needsLogin(const AccountId &id);
    void scheduleTimer();
    void scheduleCountdownTimer();
    void scheduleGraceEnd();
    void updateDisplay();
    void refreshMenuContent();
    void cancelTimer(std::optional<Scheduler::TimerId> &timer);
    // Every account's usage as shown, for the timers that follow resets and grace ends.
    QList<ProviderUsage> everyShown() const;
    std::chrono::seconds refreshSeconds() const;
    // Asks a provider whose record names a reset that had already passed when it was made again
    // after 10 s, then 20, 40 … while that goes on, until the refresh timer asks as often.
    void followPassedReset(const AccountId &id, const ProviderUsage &usage);
    // Asks for an account's figures if a refresh would.
    void fetch(const AccountId &id);
    // Refresh Now from the menu: a refresh that says when a held provider is asked again.
    void refreshAsked();

    StatusBarServices m_services;
    StatusBarCommands m_commands;
    StatusMenu m_menu;
    std::optional<Scheduler::TimerId> m_refreshTimer;
    std::optional<Scheduler::TimerId> m_countdownTimer;
    std::optional<Scheduler::TimerId> m_graceTimer;
    int m_fallbackStreak = 0; // fallback refreshes since the countdown last had a future reset
    std::shared_ptr<NetworkPathMonitor> m_wakeNetworkMonitor;
    QSet<QDateTime> m_refreshedPassedResets; // passed reset instants that already asked for a refresh
    struct Behind
    {
        int streak = 0; // follow-ups asked since the provider's figures were last current
        std::optional<Scheduler::TimerId> timer;
    };
    QHash<AccountId, Behind> m_behind;
    QSet<AccountId> m_asked; // the accounts the last refresh asked for, and those asked since
    bool m_titleDrawn = false; // the placeholder has given way to a title
};
