#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

// Runs work later on the main thread: one-shot and repeating timers, and deferred tasks.
class Scheduler
{
public:
    using Task = std::function<void()>;
    using TimerId = std::uint64_t;
    using Duration = std::chrono::milliseconds;

    virtual ~Scheduler() = default;

    // Runs the task once after the delay (zero: on a later turn of the event loop, never inside this call).
    virtual TimerId after(Duration delay, Task task) = 0;
    // Runs the task every interval until cancelled.
    virtual TimerId every(Duration interval, Task task) = 0;
    // Stops a timer; an unknown, fired or already cancelled id is ignored.
    virtual void cancel(TimerId id) = 0;

    void post(Task task) { after(Duration::zero(), std::move(task)); }
};
