#pragma once

#include "accounts/AccountList.h"
#include "accounts/UsageRecords.h"
#include "interface/StatusReport.h"
#include "platform/Scheduler.h"
#include "statusbar/TitleModel.h"

#include <QObject>

#include <functional>

class AppSettings;
class Clock;

// The running program's figures for other programs: the report on demand, a notice when a title
// redraw changed what the report says, and refreshes that answer once their fetches have reported.
class StatusService final : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        AppSettings &settings;
        const AccountList &accounts;
        const UsageRecords &records;
        Scheduler &scheduler;
        Clock &clock;
        // Asks every account that a refresh asks for fresh figures.
        std::function<void()> refreshNow;
        // After this many seconds without a refresh, figures are overdue.
        qint64 lateAfterSeconds = 0;
        // Why the usage history could not be written, if it could not.
        std::function<std::optional<QString>()> historyWriteFailure = {};
    };

    static constexpr std::chrono::seconds refreshLimit{30};

    explicit StatusService(Services services, QObject *parent = nullptr);
    ~StatusService() override;

    QJsonObject status() const;
    // The figures of the one account named by its id or label, in the same document form, with
    // that account's figures as its provider's; nothing when no account goes by that name.
    std::optional<QJsonObject> status(const QString &account) const;
    // Fetches now; `done` runs once every fetch started has reported, or after refreshLimit.
    void refresh(std::function<void()> done);

public slots:
    // After every redraw of the panel: tells listeners when the report changed.
    void redrawn();

signals:
    // The report says something new: not sent when only its instants (generatedAt, fetchedAt) moved.
    void changed();

private:
    struct PendingRefresh
    {
        quint64 id = 0;
        QSet<AccountId> waitingFor; // the accounts whose fetches have not reported yet
        Scheduler::TimerId limit = 0;
        std::function<void()> done;
    };
    StatusInputs inputs() const;
    QStringList warnings() const; // files that could not be written
    void reported(const AccountId &id);
    // Answers and forgets the refreshes whose fetches have all reported (or all of them).
    void answer(bool all, std::optional<quint64> onlyId = std::nullopt);

    Services m_services;
    QJsonObject m_lastTold; // the report as of the last change notice, without its instants
    QList<PendingRefresh> m_pending;
    quint64 m_nextId = 0;
};
