#include "history/ChartPlugin.h"
#include "history/HistoryChartPane.h"
#include "history/HistoryView.h"
#include "support/FakeClock.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <QTimeZone>

namespace {

// A record of both windows; the weekly one resets three days after the record's midnight.
ProviderUsage record(const QDateTime &at, double sessionUsed, const QDateTime &sessionReset, double weeklyUsed)
{
    ProviderUsage usage;
    usage.sessionPercentage = sessionUsed;
    usage.sessionResetAt = sessionReset;
    usage.weeklyPercentage = weeklyUsed;
    usage.weeklyResetAt = at.date().startOfDay(QTimeZone::utc()).addDays(3);
    usage.fetchedAt = at;
    return usage;
}

} // namespace

// The history window builds from kept records and shows them: no pixels compared.
class TestHistoryWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsTheRecords()
    {
        QTemporaryDir folder;
        FakeClock clock;
        HistoryStore store(folder.filePath(QStringLiteral("history.jsonl")), clock);
        // Claude runs out at 14:00 and is back at 15:00; ChatGPT has one record. Repeats of the
        // used-up record within the hour are not kept.
        const QDateTime start = clock.now();
        const QDateTime firstReset = start.addSecs(3 * 3600);
        for (int minute = 0; minute < 180; minute += 15) {
            clock.current = start.addSecs(minute * 60);
            store.add(Provider::claude, Account::firstId(Provider::claude), record(clock.now(), std::min(100, minute * 100 / 120), firstReset, 40));
        }
        clock.current = start.addSecs(200 * 60);
        store.add(Provider::claude, Account::firstId(Provider::claude), record(clock.now(), 5, firstReset.addSecs(5 * 3600), 41));
        store.add(Provider::openAI, Account::firstId(Provider::openAI), record(clock.now(), 10, firstReset, 20));
        store.add(Provider::claude, QStringLiteral("a0000beef"), record(clock.now(), 50, firstReset, 60));

        // A second Claude account with a record, and a hidden one without: no page for that one.
        QList<Account> accounts{{Account::firstId(Provider::claude), Provider::claude, QStringLiteral("Claude")},
                                {QStringLiteral("a0000beef"), Provider::claude, QStringLiteral("Work")},
                                {QStringLiteral("a0000dead"), Provider::claude, QStringLiteral("Old")},
                                {Account::firstId(Provider::openAI), Provider::openAI, QStringLiteral("Team")}};
        accounts[2].shown = false;
        HistoryView view(store, clock, [&accounts] { return accounts; },
                         [](const Account &account, QWidget *parent) { return new HistoryChartPane(account, parent); });
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.tabs()->count(), 3);
        QCOMPARE(view.tabs()->tabText(1), QStringLiteral("Claude · Work"));
        QCOMPARE(view.tabs()->tabText(2), QStringLiteral("ChatGPT"));
        const auto *work = static_cast<const HistoryChartPane *>(view.pane(1));
        QCOMPARE(static_cast<QLineSeries *>(work->chartView()->chart()->series().first())->count(), 1);

        const auto *claude = static_cast<const HistoryChartPane *>(view.pane(0));
        QStringList names;
        int sessionPoints = 0;
        for (QAbstractSeries *series : claude->chartView()->chart()->series()) {
            names << series->name();
            if (series->name() == QStringLiteral("Session"))
                sessionPoints = int(static_cast<QLineSeries *>(series)->count());
        }
        QCOMPARE(names, (QStringList{"Session", "Session pace", "Session resets", "Weekly", "Weekly pace"}));
        QCOMPARE(sessionPoints, 10);
        QCOMPARE(claude->hitList()->count(), 1);
        QVERIFY(claude->hitList()->item(0)->text().startsWith(QStringLiteral("Session limit reached ")));
        QVERIFY(claude->standingLabel()->text().contains(QStringLiteral("Session: ")));
        QVERIFY(claude->chartView()->accessibleDescription().startsWith(QStringLiteral("Session: 95% left")));
        QCOMPARE(static_cast<const HistoryChartPane *>(view.pane(2))->hitList()->item(0)->text(), QStringLiteral("No limit reached in the last 24 hours."));

        view.setSpan(UsageHistory::Span::week);
        QCOMPARE(claude->hitList()->item(0)->text().left(22), QStringLiteral("Session limit reached "));
        const QString path = folder.filePath(QStringLiteral("out.csv"));
        QVERIFY(view.exportTo(path));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = written.readAll().split('\n');
        QCOMPARE(rows.first(), QByteArray("time,provider,window,percent_left,resets_at,account,label"));
        QCOMPARE(rows.size(), 1 + 2 * 10 + 1); // header, both windows of each record, the final newline

        accounts.removeAt(1); // a gone account's page goes with it
        view.reload();
        QCOMPARE(view.tabs()->count(), 2);
        QCOMPARE(view.tabs()->tabText(1), QStringLiteral("ChatGPT"));
    }

    // The built plugin makes chart pages; without it the page says why there is no chart.
    void pagesComeFromThePlugin_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("chart");
        QTest::newRow("plugin") << QStringLiteral(QUOTABAR_PLUGIN_DIR) << true;
        QTest::newRow("none") << QStringLiteral("/nonexistent") << false;
    }

    void pagesComeFromThePlugin()
    {
        QFETCH(QString, folder);
        QFETCH(bool, chart);
        QWidget parent;
        const HistoryPane *page = ChartPlugin::paneMaker(folder)({QStringLiteral("a0000beef"), Provider::openAI}, &parent);
        QCOMPARE(page->parent(), &parent);
        QCOMPARE(page->account(), QStringLiteral("a0000beef"));
        QCOMPARE(page->findChild<QChartView *>() != nullptr, chart);
        const QLabel *why = page->findChild<QLabel *>();
        QCOMPARE(why && why->text().startsWith(QStringLiteral("The chart could not be loaded: ")), !chart);
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
