#pragma once

#include "accounts/AccountList.h"
#include "notify/NoticeRules.h"
#include "platform/Scheduler.h"

#include <QObject>

#include <functional>

class AppSettings;
class DesktopNotices;
class UsageRecords;

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

    // Starts watching the accounts' records.
    void follow(const UsageRecords &records, const AccountList &accounts);

public slots:
    // The user asked for fresh figures while the account's service has asked not to be asked
    // again before `nextTryAt`: nothing was sent.
    void refreshHeld(const AccountId &id, const QDateTime &nextTryAt);

private:
    NoticeSettings noticeSettings() const;
    void expiredSet(Provider provider, bool expired);
    void show(const Notice &notice);
    // Aims the one timer at the next reset instant of a used-up window.
    void scheduleDue();

    Services m_services;
    const AccountList *m_accounts = nullptr;
    NoticeRules m_rules;
    std::optional<Scheduler::TimerId> m_dueTimer;
};
