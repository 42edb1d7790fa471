#pragma once

#include "platform/qt/NetworkTransport.h"
#include "platform/qt/QtScheduler.h"
#include "support/CountingTransport.h"
#include "support/FakeClock.h"
#include "support/FakeWebServer.h"
#include "support/MemoryDefaultsStore.h"
#include "support/Waiting.h"
#include "usage/FetcherBase.h"

#include <QStringList>

// A fetcher wired to a loopback fake of its web service, recording every outcome it delivers.
template<typename Fetcher, typename Record>
struct FetcherHarness
{
    FakeWebServer server;
    MemoryDefaultsStore defaults;
    NetworkTransport transport{HttpLimits{std::chrono::milliseconds(500), std::chrono::milliseconds(1000)}};
    CountingTransport counting{transport};
    HTTPClient http{counting};
    QtScheduler scheduler;
    FakeClock clock;
    Fetcher fetcher{server.origin(), FetcherServices{defaults, http, scheduler, clock, QStringLiteral("en_US")}};

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
