#pragma once

#include "platform/Scheduler.h"
#include "support/FakeClock.h"

#include <map>

// A scheduler on a fake clock: nothing runs until the test moves time forward.
class FakeScheduler final : public Scheduler
{
public:
    explicit FakeScheduler(FakeClock &clock)
        : m_clock(clock)
    {
    }

    struct Timer
    {
        QDateTime due;
        Duration interval;
        bool repeating;
        Task task;
    };

    TimerId after(Duration delay, Task task) override { return add(delay, false, std::move(task)); }
    TimerId every(Duration interval, Task task) override { return add(interval, true, std::move(task)); }
    void cancel(TimerId id) override { m_timers.erase(id); }

    // Moves the clock forward, running every task that falls due, in order of due time.
    void advance(Duration span)
    {
        const QDateTime end = m_clock.current.addMSecs(span.count());
        while (true) {
            auto next = m_timers.end();
            for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
                if (it->second.due <= end && (next == m_timers.end() || it->second.due < next->second.due))
                    next = it;
            }
            if (next == m_timers.end())
                break;
            m_clock.current = std::max(m_clock.current, next->second.due);
            Task task = next->second.task;
            if (next->second.repeating)
                next->second.due = next->second.due.addMSecs(std::max<qint64>(1, next->second.interval.count()));
            else
                m_timers.erase(next);
            task();
        }
        m_clock.current = end;
    }

    // Runs what is due now (deferred tasks included) without moving the clock.
    void runDue() { advance(Duration::zero()); }

    const Timer *timer(TimerId id) const
    {
        const auto found = m_timers.find(id);
        return found == m_timers.end() ? nullptr : &found->second;
    }
    // Milliseconds until the timer fires, or -1 when it is not pending.
    qint64 msUntil(std::optional<TimerId> id) const
    {
        const Timer *pending = id ? timer(*id) : nullptr;
        return pending ? m_clock.current.msecsTo(pending->due) : -1;
    }
    std::size_t pendingCount() const { return m_timers.size(); }

private:
    TimerId add(Duration delay, bool repeating, Task task)
    {
        const TimerId id = m_nextId++;
        m_timers.emplace(id, Timer{m_clock.current.addMSecs(delay.count()), delay, repeating, std::move(task)});
        return id;
    }

    FakeClock &m_clock;
    TimerId m_nextId = 1;
    std::map<TimerId, Timer> m_timers;
};
