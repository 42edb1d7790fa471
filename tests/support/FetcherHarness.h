#pragma once

#include "platform/qt/NetworkTransport.h"
#include "platform/qt/QtScheduler.h"
#include "support/CountingTransport.h"
#include "support/FakeClock.h"
#include "support/FakeWebServer.h"
#include "platform/dummy/MemoryDefaultsStore.h"
#include "support/Waiting.h"
#include "usage/FetcherBase.h"

#include <QStringList>

#include <map>
#include <memory>

// The real scheduler, telling which of the timers it was given are pending and when each falls due.
class WatchedScheduler final : public Scheduler
{
public:
    explicit WatchedScheduler(const Clock &clock)
        : m_clock(clock)
    {
    }

    std::map<TimerId, QDateTime> pending; // by id: when it falls due, by the fake clock

    TimerId after(Duration delay, Task task) override
    {
        const auto id = std::make_shared<TimerId>();
        *id = m_real.after(delay, [this, id, task = std::move(task)] {
            pending.erase(*id);
            task();
        });
        if (delay > Duration::zero())
            pending.emplace(*id, m_clock.now().addMSecs(delay.count()));
        return *id;
    }
    TimerId every(Duration interval, Task task) override { return m_real.every(interval, std::move(task)); }
    void cancel(TimerId id) override
    {
        pending.erase(id);
        m_real.cancel(id);
    }

private:
    const Clock &m_clock;
    QtScheduler m_real;
};

// A fetcher wired to a loopback fake of its web service, recording every outcome it delivers.
template<typename Fetcher, typename Record>
struct FetcherHarness
{
    FakeWebServer server;
    MemoryDefaultsStore defaults;
    NetworkTransport transport{HttpLimits{std::chrono::milliseconds(500), std::chrono::milliseconds(1000)}};
    CountingTransport counting{transport};
    HTTPClient http{counting};
    FakeClock clock;
    WatchedScheduler scheduler{clock};
    Fetcher fetcher{server.origin(), FetcherServices{defaults, http, scheduler, clock}};

    QStringList outcomes; // "needsLogin", "error:<text>" or "record"
    QList<Record> records;
    bool insideFetch = false;
    bool calledInsideFetch = false;

    FetcherHarness()
    {
        fetcher.onUsageData = [this](const Record &record) {
            calledInsideFetch |= insideFetch;
            records.append(record);
            outcomes.append(record.error ? QStringLiteral("error:") + *record.error : QStringLiteral("record"));
        };
        fetcher.onNeedsLogin = [this] {
            calledInsideFetch |= insideFetch;
            outcomes.append(QStringLiteral("needsLogin"));
        };
    }

    void startFetch()
    {
        insideFetch = true;
        fetcher.fetchUsage();
        insideFetch = false;
    }

    // Runs one cycle to its outcome; "timeout" when none arrives.
    QString cycle()
    {
        const qsizetype before = outcomes.size();
        startFetch();
        if (!waitUntil([&] { return outcomes.size() > before; }))
            return QStringLiteral("timeout");
        return outcomes.last();
    }

    // Lets every answer be handled, so a test can tell that no late delivery follows.
    void settle() { waitUntil([this] { return counting.settled(); }); }
};
