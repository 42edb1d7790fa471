#pragma once

#include "pace/UsageWindow.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>

#include <array>

class Clock;

// One notice the application wants shown; a notice replaces the earlier one with the same tag.
struct Notice
{
    QString tag; // "claude.session", "openai.weekly", "claude.key"
    QString summary;
    QString body;
    bool offersPreferences = false; // carries the "Open Preferences" action
};

// What the user chose to be told about.
struct NoticeSettings
{
    bool low = true;
    std::array<int, 2> thresholds{20, 5}; // percent left
    bool reset = false;
    bool expired = true;
    bool claudeShown = true;
    bool openAIShown = true;
    bool availableAgain = true; // a used-up window came back; said instead of the reset notice

    bool shown(Provider provider) const { return provider == Provider::claude ? claudeShown : openAIShown; }
};

// Decides when a window running low, a window resetting or coming back after it was used up, and a
// credential expiring deserve a notice.
// Each threshold speaks once per window period: it is armed again when the window's reset instant
// has passed, or when the value left climbs more than five points above it. The first record of a
// window only arms it; a provider switched off, or a kind of notice switched off, still arms
// thresholds but says nothing.
class NoticeRules
{
    Q_DECLARE_TR_FUNCTIONS(NoticeRules)
public:
    static constexpr double rearmMargin = 5;

    NoticeRules(const Clock &clock, std::array<bool, 2> expiredAtStart);

    // Which of a provider's accounts a record is of, when it has several: its windows are counted
    // apart from the others', and its label is named in the notices.
    struct AccountScope
    {
        QString key;   // in the notice's tag: "claude.a1b2c3d4.session"; empty for the first account
        QString label; // "Work": "Claude · Work session: 12% left"
        bool shown = true;
    };

    // A new success record of the provider: the notices it calls for.
    QList<Notice> observe(Provider provider, const ProviderUsage &usage, const NoticeSettings &settings,
                          const std::optional<AccountScope> &account = std::nullopt);
    // One window as the rules see it: "session", "weekly", or a row's own key and label.
    struct Observed
    {
        QString key;  // in the notice's tag: "claude.seven_day_opus"
        QString name; // in its text: "Claude Opus weekly: 12% left"
        std::optional<double> used;
        std::optional<QDateTime> resetAt;
    };

    // The provider's credential was marked expired (or not): a notice once per expiry, when a key is stored.
    // `source` says where the refused credential came from ("sessionKey", "claudeCode", "codex");
    // `importedFrom` the browser profile a session key was imported from, if it was.
    std::optional<Notice> expiredSet(Provider provider, bool expired, bool keyStored, const NoticeSettings &settings,
                                     const QString &source = QStringLiteral("sessionKey"),
                                     const QString &importedFrom = {});

    // The user asked for fresh figures while the provider's service asked not to be asked before
    // `nextTryAt`: said whatever the settings, since the user is waiting for an answer.
    Notice held(Provider provider, const QDateTime &nextTryAt) const;

    // The used-up windows whose reset instant has passed with no new record yet: each is said once.
    QList<Notice> due(const NoticeSettings &settings);
    // The earliest reset instant of a used-up window not yet said to be back.
    std::optional<QDateTime> nextDue() const;

private:
    struct WindowState
    {
        bool seen = false;
        double left = 0;
        std::optional<QDateTime> resetAt;
        QMap<int, bool> fired; // threshold → spoken (or passed silently) in this period
        bool back = false;     // used up, and said (or passed silently) to be available again
        Provider provider = Provider::claude;
        QString name; // as the notices name the window
        bool speaks = true;  // its account is shown
        bool scoped = false; // of one of several accounts, whose own shown setting counts
    };

    std::optional<Notice> observeWindow(Provider provider, const Observed &window, const NoticeSettings &settings,
                                        bool speaks, bool scoped);

    const Clock &m_clock;
    QMap<QString, WindowState> m_windows; // by the notice's tag
    std::array<bool, 2> m_expired;
};
