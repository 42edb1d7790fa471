#include "QtScheduler.h"

#include <QTimer>

QtScheduler::QtScheduler(QObject *parent)
    : QObject(parent)
{
}

Scheduler::TimerId QtScheduler::after(Duration delay, Task task)
{
    return start(delay, false, std::move(task));
}

Scheduler::TimerId QtScheduler::every(Duration interval, Task task)
{
    return start(interval, true, std::move(task));
}

void QtScheduler::cancel(TimerId id)
{
    const auto found = m_timers.find(id);
    if (found == m_timers.end())
        return;
    found->second->stop();
    found->second->deleteLater();
    m_timers.erase(found);
}

Scheduler::TimerId QtScheduler::start(Duration interval, bool repeating, Task task)
{
    const TimerId id = m_nextId++;
    auto *timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(!repeating);
    timer->setInterval(interval);
    connect(timer, &QTimer::timeout, this, [this, id, repeating, task = std::move(task)] {
        if (!repeating)
            cancel(id);
        task();
    });
    m_timers.emplace(id, timer);
    timer->start();
    return id;
}
