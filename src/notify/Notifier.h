#pragma once

#include "notify/NoticeRules.h"
#include "platform/Scheduler.h"

#include <QObject>

#include <functional>

class AppSettings;
class DesktopNotices;
class StatusBarController;

// Tells the user through desktop notices when a limit runs low, resets or is available again, and
// when a stored credential stops working, as the user's settings ask.
class Notifier final : public QObject
{
    Q_OBJECT
public:
    static inline const QString openPreferencesAction = QStringLiteral("open-preferences");

    struct Services
    {
        AppSettings &settings;
        DesktopNotices &desktop;
        const Clock &clock;
        Scheduler &scheduler;
        std::function<void()> openPreferences;
    };

    explicit Notifier(Services services, QObject *parent = nullptr);

    // Starts watching the records the controller stores.
    void follow(StatusBarController &controller);

private:
    NoticeSettings noticeSettings() const;
    void expiredSet(Provider provider, bool expired);
    void show(const Notice &notice);
    // Aims the one timer at the next reset instant of a used-up window.
    void scheduleDue();

    Services m_services;
    NoticeRules m_rules;
    std::optional<Scheduler::TimerId> m_dueTimer;
};
