#pragma once

#include "platform/NetworkPathMonitor.h"
#include "platform/Scheduler.h"
#include "statusbar/StatusMenu.h"
#include "statusbar/TitleModel.h"
#include "usage/UsageData.h"
#include "usage/UsageSource.h"

#include <QLocale>
#include <QObject>
#include <QSet>

#include <array>

class AppSettings;
class Clock;
class NotificationCenter;
class TitleView;

// What the controller works with; all of it outlives the controller.
struct StatusBarServices
{
    AppSettings &settings;
    UsageSource<UsageData> &claude;
    UsageSource<OpenAIUsageData> &openAI;
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

// Keeps the latest record of each provider, decides when to poll, keeps the title and the menu
// current, and tells the rest of the application how each fetch went.
class StatusBarController final : public QObject
{
    Q_OBJECT
public:
    StatusBarController(StatusBarServices services, StatusBarCommands commands, QObject *parent = nullptr);
    ~StatusBarController() override;

    const std::optional<UsageData> &currentUsage() const { return m_currentUsage; }
    const std::optional<OpenAIUsageData> &currentOpenAIUsage() const { return m_currentOpenAIUsage; }
    // What the title, the menu and the status report show of each provider: the latest record,
    // or the last good one while the failures since are recent; reset phrases as of now.
    std::optional<ProviderUsage> shownClaude() const;
    std::optional<ProviderUsage> shownOpenAI() const;
    // A provider's latest record as stored: absent before the first one and after a needs-login report.
    std::optional<ProviderUsage> stored(Provider provider) const;
    StatusMenu &menu() { return m_menu; }
    std::optional<Scheduler::TimerId> refreshTimer() const { return m_refreshTimer; }
    std::optional<Scheduler::TimerId> countdownTimer() const { return m_countdownTimer; }
    // Whether a ChatGPT credential is stored, so that a refresh fetches ChatGPT too.
    bool hasOpenAIToken() const;
    // What a provider that has not answered since start waits for; nothing once it has.
    Awaiting awaiting(Provider provider) const;
    // The follow-up request of a provider whose latest figures name a reset that has passed.
    std::optional<Scheduler::TimerId> behindTimer(Provider provider) const { return m_behind[index(provider)].timer; }

public slots:
    void refreshNow();
    void settingsChanged();
    void appearanceChanged();
    void systemDidWake();
    // The wall clock jumped (set by hand or by time sync, or the machine resumed).
    void clockChanged();
    void menuWillOpen();

signals:
    // A provider's record or needs-login report was stored, just before the title and menu show it.
    void recordStored(Provider provider);
    // After every redraw of the title: a record arrived, a setting changed, or a countdown moved.
    void displayUpdated();
    // The user asked for fresh figures from the menu while the provider's service has asked not
    // to be asked again before `nextTryAt`: nothing was sent.
    void refreshHeld(Provider provider, const QDateTime &nextTryAt);

private:
    void installFetcherCallbacks();
    void scheduleTimer();
    void scheduleCountdownTimer();
    void scheduleGraceEnd();
    void updateDisplay();
    void refreshMenuContent();
    void cancelTimer(std::optional<Scheduler::TimerId> &timer);
    template<typename Record>
    std::optional<ProviderUsage> shown(const std::optional<Record> &latest, const std::optional<Record> &lastGood,
                                       const UsageSource<Record> &source) const;
    std::chrono::seconds refreshSeconds() const;
    // Asks a provider whose record names a reset that had already passed when it was made again
    // after 10 s, then 20, 40 … while that goes on, until the refresh timer asks as often.
    void followPassedReset(Provider provider, const ProviderUsage &usage);
    void fetch(Provider provider);
    // Refresh Now from the menu: a refresh that says when a held provider is asked again.
    void refreshAsked();
    static std::size_t index(Provider provider) { return provider == Provider::claude ? 0 : 1; }

    StatusBarServices m_services;
    StatusBarCommands m_commands;
    StatusMenu m_menu;
    ResetPhrases m_resetPhrases{QLocale::system().name()};
    std::optional<Scheduler::TimerId> m_refreshTimer;
    std::optional<Scheduler::TimerId> m_countdownTimer;
    std::optional<Scheduler::TimerId> m_graceTimer;
    std::optional<UsageData> m_currentUsage;
    std::optional<OpenAIUsageData> m_currentOpenAIUsage;
    std::optional<UsageData> m_lastGoodUsage;
    std::optional<OpenAIUsageData> m_lastGoodOpenAIUsage;
    int m_fallbackStreak = 0; // fallback refreshes since the countdown last had a future reset
    std::shared_ptr<NetworkPathMonitor> m_wakeNetworkMonitor;
    QSet<QDateTime> m_refreshedPassedResets; // passed reset instants that already asked for a refresh
    struct Behind
    {
        int streak = 0; // follow-ups asked since the provider's figures were last current
        std::optional<Scheduler::TimerId> timer;
    };
    std::array<Behind, 2> m_behind;  // by index()
    std::array<bool, 2> m_answered{}; // a record or a needs-login report arrived since start
};
