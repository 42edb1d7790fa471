#pragma once

#include "interface/StatusReport.h"
#include "platform/Scheduler.h"
#include "statusbar/TitleModel.h"

#include <QObject>

#include <functional>

class AppSettings;
class Clock;
class StatusBarController;

// The running program's figures for other programs: the report on demand, a notice when a title
// redraw changed what the report says, and refreshes that answer once their fetches have reported.
class StatusService final : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        AppSettings &settings;
        StatusBarController &controller;
        Scheduler &scheduler;
        Clock &clock;
        // Why the usage history could not be written, if it could not.
        std::function<std::optional<QString>()> historyWriteFailure = {};
    };

    static constexpr std::chrono::seconds refreshLimit{30};

    explicit StatusService(Services services, QObject *parent = nullptr);
    ~StatusService() override;

    QJsonObject status() const;
    // Fetches now; `done` runs once every fetch started has reported, or after refreshLimit.
    void refresh(std::function<void()> done);

signals:
    // The report says something new: not sent when only its instants (generatedAt, fetchedAt) moved.
    void changed();

private:
    struct PendingRefresh
    {
        quint64 id = 0;
        bool claudeReported = false;
        bool openAIReported = false;
        Scheduler::TimerId limit = 0;
        std::function<void()> done;
    };
    QStringList warnings() const; // files that could not be written
    void redrawn();
    void reported(Provider provider);
    // Answers and forgets the refreshes whose fetches have all reported (or all of them).
    void answer(bool all, std::optional<quint64> onlyId = std::nullopt);

    Services m_services;
    QJsonObject m_lastTold; // the report as of the last change notice, without its instants
    QList<PendingRefresh> m_pending;
    quint64 m_nextId = 0;
};
