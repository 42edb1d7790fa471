#include "pace/HistoryStore.h"
#include "support/FakeClock.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const AccountId firstClaude = Account::firstId(Provider::claude);
const AccountId firstChatGPT = Account::firstId(Provider::openAI);
const AccountId work = QStringLiteral("a0000beef"); // a second Claude account

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

// The history file: private, bounded, one record per account and minute, tolerant of damage.
class TestHistoryStore : public QObject
{
    Q_OBJECT

private slots:
    void keepsOnePerAccountAndMinute()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("state/quotabar/history.jsonl"));
        FakeClock clock;
        HistoryStore store(path, clock);
        const QDateTime t = clock.now().addSecs(10);
        QVERIFY(store.add(Provider::claude, firstClaude, record(t, 10)));
        store.add(Provider::claude, firstClaude, record(t.addSecs(40), 11));  // same minute
        store.add(Provider::openAI, firstChatGPT, record(t.addSecs(40), 30));  // other provider
        store.add(Provider::claude, work, record(t.addSecs(40), 20));  // other account
        store.add(Provider::claude, firstClaude, record(t.addSecs(-70), 9));  // older than the last
        store.add(Provider::claude, firstClaude, record(t.addSecs(55), 12));  // next minute
        ProviderUsage failed = record(t.addSecs(200), 50);
        failed.error = QStringLiteral("HTTP 500");
        store.add(Provider::claude, firstClaude, failed);

        QCOMPARE(store.entries().size(), 4);
        // The first account's lines are as they were before there were other accounts.
        QCOMPARE(lines(path).first(), QStringLiteral(R"({"p":"claude","s":[10,%1],"t":%2,"w":null})")
                                          .arg(t.addSecs(3600).toSecsSinceEpoch()).arg(t.toSecsSinceEpoch()).toUtf8());
        QVERIFY(lines(path)[2].startsWith(R"({"a":"a0000beef","p":"claude",)"));
        QCOMPARE(mode(path), 0600);
        QCOMPARE(mode(QFileInfo(path).absolutePath()), 0700);

        const HistoryStore reread(path, clock);
        QCOMPARE(reread.damagedLines(), 0);
        QCOMPARE(reread.entries().size(), 4);
        QCOMPARE(reread.entries()[2].account, work);
        const HistoryEntry &last = reread.entries().last();
        QCOMPARE(last.account, firstClaude);
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
        QVERIFY(store.add(Provider::claude, firstClaude, record(clock.now(), 10)));
        QVERIFY(!store.add(Provider::claude, firstClaude, record(clock.now(), 11)));
        clock.current = right.addSecs(60); // and is set right
        QVERIFY(store.add(Provider::claude, firstClaude, record(clock.now(), 12)));
        QCOMPARE(store.entries().size(), 1);
        QCOMPARE(HistoryStore(path, clock).entries().size(), 1);
        QVERIFY(!store.writeFailure());
    }

    // A file that cannot be written says why, and stops saying so once writing works again.
    void writeFailureIsKnown()
    {
        QTemporaryDir folder;
        const QString blocker = folder.filePath(QStringLiteral("state"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly)); // a file where the history's folder should be
        file.close();
        FakeClock clock;
        HistoryStore store(blocker + QStringLiteral("/history.jsonl"), clock);
        QVERIFY(!store.add(Provider::claude, firstClaude, record(clock.now(), 10)));
        QVERIFY(store.writeFailure() && store.writeFailure()->contains(blocker));
        QVERIFY(QFile::remove(blocker));
        QVERIFY(store.add(Provider::claude, firstClaude, record(clock.now().addSecs(120), 20)));
        QVERIFY(!store.writeFailure());
    }

    void repeatsAreKeptHourly_data()
    {
        QTest::addColumn<QString>("script"); // "minute:used@resetMinute ...", fractional minutes; "work=": the other account's
        QTest::addColumn<int>("kept");

        QTest::newRow("the same within the hour") << "0:10@300 1:10@300 30:10@300 59:10@300" << 1;
        QTest::newRow("the same an hour later") << "0:10@300 60:10@300 61:10@300 121:10@300" << 3;
        QTest::newRow("a changed figure") << "0:10@300 1:11@300 2:10@300" << 3;
        QTest::newRow("a new reset instant") << "0:10@300 1:10@600" << 2;
        QTest::newRow("a reset instant seconds off is the same") << "0:10@300 1:10@300.5 2:10@299.5" << 1;
        QTest::newRow("a reset instant appearing") << "0:10 1:10@300" << 2;
        // Within one minute only a limit reached or lifted, or a reset, is kept beside the first.
        QTest::newRow("a new figure in the same minute") << "0:10@300 0.5:11@300" << 1;
        QTest::newRow("used up and available again in one minute") << "0:90@300 0.25:100@300 0.5:0@600" << 3;
        QTest::newRow("each account has its own minute and hour")
            << "0:10@300 work=0.5:10@300 1:11@300 work=1.5:10@300 work=61:10@300" << 4;
    }

    void repeatsAreKeptHourly()
    {
        QFETCH(QString, script);
        QFETCH(int, kept);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("history.jsonl"));
        FakeClock clock;
        const QDateTime start = clock.now();
        HistoryStore store(path, clock);
        for (QString token : script.split(QLatin1Char(' '))) {
            const bool other = token.startsWith(QStringLiteral("work="));
            const QStringList timeAndRest = token.remove(QStringLiteral("work=")).split(QLatin1Char(':'));
            const QStringList usedAndReset = timeAndRest[1].split(QLatin1Char('@'));
            clock.current = start.addSecs(qint64(timeAndRest[0].toDouble() * 60));
            ProviderUsage usage = record(clock.now(), usedAndReset[0].toDouble());
            usage.sessionResetAt.reset();
            if (usedAndReset.size() > 1)
                usage.sessionResetAt = start.addSecs(qint64(usedAndReset[1].toDouble() * 60));
            store.add(Provider::claude, other ? work : firstClaude, usage);
        }
        QVERIFY(!store.writeFailure());
        QCOMPARE(store.entries().size(), kept);
        QCOMPARE(lines(path).size(), kept);
    }

    void thinnedPastEightDays()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("history.jsonl"));
        FakeClock clock;
        HistoryStore store(path, clock);
        // Three accounts every ten minutes for ten days, each record a new figure.
        QList<qint64> added;
        for (int i = 0; i < 10 * 144; ++i) {
            store.add(Provider::claude, firstClaude, record(clock.now(), i % 100));
            store.add(Provider::openAI, firstChatGPT, record(clock.now(), i % 100));
            store.add(Provider::claude, work, record(clock.now(), i % 100));
            added << clock.now().toSecsSinceEpoch();
            clock.advance(10 * 60'000);
        }
        // Read again: the full eight days the README promises, and one record an hour of each
        // account before them.
        const HistoryStore later(path, clock);
        const qint64 edge = clock.now().toSecsSinceEpoch() - 8 * 86400;
        for (const AccountId &account : {firstClaude, firstChatGPT, work}) {
            QList<qint64> recent;
            QSet<qint64> hours;
            int old = 0;
            for (const HistoryEntry &entry : later.entries()) {
                if (entry.account != account)
                    continue;
                if (entry.at >= edge)
                    recent << entry.at;
                else
                    ++old, hours.insert(entry.at / 3600);
            }
            QCOMPARE(recent, QList<qint64>(std::find_if(added.cbegin(), added.cend(), [edge](qint64 at) { return at >= edge; }),
                                           added.cend()));
            QCOMPARE(old, 48);
            QCOMPARE(hours.size(), 48);
        }
        QCOMPARE(lines(path).size(), later.entries().size());
        QCOMPARE(mode(path), 0600);
    }

    void boundedOverHundredDays_data()
    {
        QTest::addColumn<qint64>("maxBytes");
        QTest::newRow("the usual bound") << HistoryStore::defaultMaxBytes;
        QTest::newRow("a small bound drops the oldest first") << qint64(40'000);
    }

    void boundedOverHundredDays()
    {
        QFETCH(qint64, maxBytes);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("history.jsonl"));
        FakeClock clock;
        HistoryStore store(path, clock, maxBytes);
        for (int i = 0; i < 100 * 48; ++i) {
            store.add(Provider::claude, firstClaude, record(clock.now(), i % 97 + 0.5));
            store.add(Provider::openAI, firstChatGPT, record(clock.now(), i % 89 + 0.25));
            QVERIFY(QFileInfo(path).size() < maxBytes);
            clock.advance(30 * 60'000);
        }
        const qint64 now = clock.now().toSecsSinceEpoch();
        // Ninety days as the README says (under the usual bound all of them), and at most a day
        // more before old lines are thinned.
        const qint64 oldest = now - store.entries().first().at;
        QVERIFY2(oldest <= 91 * 86400 && (maxBytes < HistoryStore::defaultMaxBytes || oldest >= 90 * 86400),
                 qPrintable(QString::number(oldest / 3600.0)));
        QVERIFY(now - store.entries().last().at <= 30 * 60);
        QCOMPARE(mode(path), 0600);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("history.jsonl")});
        const HistoryStore reread(path, clock, maxBytes);
        QCOMPARE(reread.damagedLines(), 0);
        QCOMPARE(reread.entries().last().at, store.entries().last().at);
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
            file.write(QStringLiteral("{\"t\":%1,\"p\":\"claude\",\"a\":7,\"s\":null,\"w\":null}\n").arg(t + 60).toUtf8());
            file.write(QStringLiteral("{\"t\":%1,\"p\":\"claude\",\"s\":[1").arg(t + 120).toUtf8()); // cut off
        }
        HistoryStore store(path, clock);
        QCOMPARE(store.damagedLines(), 5);
        QCOMPARE(store.entries().size(), 2);
        QCOMPARE(store.entries().last().session.resetAt, std::optional(t));
        QCOMPARE(store.entries().last().account, firstChatGPT); // a line without an account is the first one's
        // The file was rewritten clean, so the next line starts on a line of its own.
        QVERIFY(store.add(Provider::claude, firstClaude, record(clock.now(), 15)));
        const HistoryStore reread(path, clock);
        QCOMPARE(reread.damagedLines(), 0);
        QCOMPARE(reread.entries().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "tst_historystore.moc"
