#include "pace/HistoryStore.h"
#include "support/FakeClock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

ProviderUsage record(const QDateTime &at, double used)
{
    ProviderUsage usage;
    usage.sessionPercentage = used;
    usage.sessionResetAt = at.addSecs(3600);
    usage.fetchedAt = at;
    return usage;
}

int mode(const QString &path)
{
    struct stat info{};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

QList<QByteArray> lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> all = file.readAll().split('\n');
    all.removeAll(QByteArray());
    return all;
}

} // namespace

// The history file: private, bounded, one record per provider and minute, tolerant of damage.
class TestHistoryStore : public QObject
{
    Q_OBJECT

private slots:
    void keepsOnePerProviderAndMinute()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("state/quotabar/history.jsonl"));
        FakeClock clock;
        HistoryStore store(path, clock);
        const QDateTime t = clock.now().addSecs(10);
        QVERIFY(store.add(Provider::claude, record(t, 10)));
        store.add(Provider::claude, record(t.addSecs(40), 11));  // same minute
        store.add(Provider::openAI, record(t.addSecs(40), 30));  // other provider
        store.add(Provider::claude, record(t.addSecs(-70), 9));  // older than the last
        store.add(Provider::claude, record(t.addSecs(55), 12));  // next minute
        ProviderUsage failed = record(t.addSecs(200), 50);
        failed.error = QStringLiteral("HTTP 500");
        store.add(Provider::claude, failed);

        QCOMPARE(store.entries().size(), 3);
        QCOMPARE(lines(path).size(), 3);
        QCOMPARE(mode(path), 0600);
        QCOMPARE(mode(QFileInfo(path).absolutePath()), 0700);

        const HistoryStore reread(path, clock);
        QCOMPARE(reread.damagedLines(), 0);
        QCOMPARE(reread.entries().size(), 3);
        const HistoryEntry &last = reread.entries().last();
        QCOMPARE(last.provider, Provider::claude);
        QCOMPARE(last.at, t.addSecs(55).toSecsSinceEpoch());
        QCOMPARE(last.session.used, std::optional(12.0));
        QCOMPARE(last.session.resetAt, std::optional(t.addSecs(55 + 3600).toSecsSinceEpoch()));
        QCOMPARE(last.weekly.used, std::nullopt);
    }

    // Records kept while the clock ran ahead give way once it is set right.
    void recordsFromTheFutureGiveWay()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("history.jsonl"));
        FakeClock clock;
        HistoryStore store(path, clock);
        const QDateTime right = clock.now();
        clock.current = right.addDays(2); // the clock runs ahead
        QVERIFY(store.add(Provider::claude, record(clock.now(), 10)));
        QVERIFY(!store.add(Provider::claude, record(clock.now(), 11)));
        clock.current = right.addSecs(60); // and is set right
        QVERIFY(store.add(Provider::claude, record(clock.now(), 12)));
        QCOMPARE(store.entries().size(), 1);
        QCOMPARE(HistoryStore(path, clock).entries().size(), 1);
    }

    void boundedToEightDays()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("history.jsonl"));
        FakeClock clock;
        HistoryStore store(path, clock);
        const qint64 limit = HistoryStore::keptSeconds + HistoryStore::compactionSlack;
        // Every ten minutes for ten days; the oldest kept line is never much older than eight days.
        for (int i = 0; i < 10 * 144; ++i) {
            store.add(Provider::claude, record(clock.now(), i % 100));
            const qint64 now = clock.now().toSecsSinceEpoch();
            QVERIFY(now - store.entries().first().at <= limit);
            clock.advance(10 * 60'000);
        }
        QVERIFY(lines(path).size() <= int(limit / 600) + 1);
        QCOMPARE(lines(path).size(), store.entries().size());
        QCOMPARE(mode(path), 0600);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("history.jsonl")});

        // Read again a day later: what passed the eight days is gone from memory and file.
        clock.advance(24 * 3600'000);
        const HistoryStore later(path, clock);
        QVERIFY(clock.now().toSecsSinceEpoch() - later.entries().first().at <= HistoryStore::keptSeconds);
        QVERIFY(later.entries().size() < store.entries().size());
        QCOMPARE(lines(path).size(), later.entries().size());
    }

    void damagedLinesAreSkipped()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("history.jsonl"));
        FakeClock clock;
        const qint64 t = clock.now().toSecsSinceEpoch() - 600;
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral("{\"t\":%1,\"p\":\"claude\",\"s\":[10,null],\"w\":null}\n").arg(t).toUtf8());
            file.write("not json at all\n");
            file.write(QStringLiteral("{\"t\":%1,\"p\":\"gemini\",\"s\":null,\"w\":null}\n").arg(t + 60).toUtf8());
            file.write(QStringLiteral("{\"t\":%1,\"p\":\"openai\",\"s\":[\"x\",null],\"w\":null}\n").arg(t + 60).toUtf8());
            file.write(QStringLiteral("{\"t\":%1,\"p\":\"openai\",\"s\":[20,%2],\"w\":[1,null]}\n").arg(t + 60).arg(t).toUtf8());
            file.write(QStringLiteral("{\"t\":%1,\"p\":\"claude\",\"s\":[1").arg(t + 120).toUtf8()); // cut off
        }
        HistoryStore store(path, clock);
        QCOMPARE(store.damagedLines(), 4);
        QCOMPARE(store.entries().size(), 2);
        QCOMPARE(store.entries().last().session.resetAt, std::optional(t));
        // The file was rewritten clean, so the next line starts on a line of its own.
        QVERIFY(store.add(Provider::claude, record(clock.now(), 15)));
        const HistoryStore reread(path, clock);
        QCOMPARE(reread.damagedLines(), 0);
        QCOMPARE(reread.entries().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "tst_historystore.moc"
