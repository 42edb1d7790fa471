// Fills the pace history with a week of records of both providers at the shortest refresh
// interval (one a minute), then reports the file's size and how long reading it back takes.
//
//   build/benchmarks/bench_history

#include "pace/HistoryStore.h"
#include "support/FakeClock.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

int main()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("history.jsonl"));
    FakeClock clock;
    const QDateTime start = clock.now();
    const int minutes = 7 * 24 * 60;
    {
        HistoryStore store(path, clock);
        for (int minute = 0; minute < minutes; ++minute) {
            // Realistic values: fractions of a percent, a session reset every five hours, a weekly one.
            const qint64 sinceStart = start.secsTo(clock.now());
            ProviderUsage usage;
            usage.sessionPercentage = (minute % 300) * 0.31;
            usage.weeklyPercentage = minute * 0.0095;
            usage.sessionResetAt = start.addSecs((sinceStart / 18000 + 1) * 18000);
            usage.weeklyResetAt = start.addDays(7);
            usage.fetchedAt = clock.now().addMSecs(137);
            store.add(Provider::claude, Account::firstId(Provider::claude), usage);
            store.add(Provider::openAI, Account::firstId(Provider::openAI), usage);
            clock.advance(60'000);
        }
    }
    const qint64 bytes = QFileInfo(path).size();
    QElapsedTimer timer;
    timer.start();
    const HistoryStore reread(path, clock);
    const qint64 readMs = timer.elapsed();
    std::printf("one week at 1-minute intervals, 2 providers: %lld records, %lld bytes (%.2f MiB), %.1f bytes a record\n",
                static_cast<long long>(reread.entries().size()), static_cast<long long>(bytes), bytes / 1048576.0,
                double(bytes) / double(reread.entries().size()));
    std::printf("one provider: about %.2f MiB; reading it back at start: %lld ms\n", bytes / 2 / 1048576.0,
                static_cast<long long>(readMs));
    return 0;
}
