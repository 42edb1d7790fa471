#pragma once

#include "platform/Scheduler.h"

#include <QObject>

#include <unordered_map>

class QTimer;

// Scheduler on the Qt event loop of the thread it lives on (the main thread).
class QtScheduler final : public QObject, public Scheduler
{
    Q_OBJECT
public:
    explicit QtScheduler(QObject *parent = nullptr);

    TimerId after(Duration delay, Task task) override;
    TimerId every(Duration interval, Task task) override;
    void cancel(TimerId id) override;

private:
    TimerId start(Duration interval, bool repeating, Task task);

    TimerId m_nextId = 1;
    std::unordered_map<TimerId, QTimer *> m_timers;
};
