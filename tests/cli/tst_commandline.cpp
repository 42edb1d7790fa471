#include "cli/CommandLine.h"
#include "interface/StatusReport.h"
#include "platform/StatusClient.h"
#include "support/FakeScheduler.h"
#include "support/WorkedExample.h"

#include <QJsonDocument>
#include <QtTest>

namespace {

// A running (or stopped) program whose status is built at the fake clock's time.
class FakeStatusClient final : public StatusClient
{
public:
    explicit FakeStatusClient(FakeClock &clock)
        : m_clock(clock)
    {
    }

    bool running = true;
    std::optional<ProviderUsage> claude = WorkedExample::claude;
    int asked = 0;
    std::function<void(const QString &)> onStatus;
    std::function<void()> onGone;

    QString document() const
    {
        const StatusInputs inputs{TitleInputs{DisplayFormat::both, true, false, claude, std::nullopt, m_clock.now()}};
        return QString::fromUtf8(StatusReport::compact(StatusReport::build(inputs)));
    }
    std::optional<QString> status() override
    {
        ++asked;
        return running ? std::optional(document()) : std::nullopt;
    }
    std::optional<QString> refresh() override { return status(); }
    bool follow(std::function<void(const QString &)> status, std::function<void()> gone) override
    {
        onStatus = std::move(status);
        onGone = std::move(gone);
        running ? onStatus(document()) : onGone();
        return true;
    }

private:
    FakeClock &m_clock;
};

ProviderUsage claudeUsed(double session)
{
    ProviderUsage usage = WorkedExample::claude;
    usage.sessionPercentage = session;
    return usage;
}

} // namespace

// The command line's bar lines, against a fake program on a fake clock.
class TestCommandLine : public QObject
{
    Q_OBJECT

    FakeClock m_clock{WorkedExample::now};
    FakeScheduler m_scheduler{m_clock};
    FakeStatusClient m_client{m_clock};
    QStringList m_printed;
    std::optional<int> m_exit;
    CommandLine m_commandLine{m_client, m_scheduler,
                              {[this](const QString &line) { m_printed.append(line); }, [](const QString &) {},
                               [this](int code) { m_exit = code; }}};

    QString tooltip(qsizetype line) const
    {
        return QJsonDocument::fromJson(m_printed.value(line).toUtf8()).object().value(QStringLiteral("tooltip")).toString();
    }

private slots:
    void followTellsTheAgeOncePerMinute()
    {
        m_commandLine.run({QStringLiteral("status"), QStringLiteral("--waybar"), QStringLiteral("--follow")});
        QCOMPARE(m_printed.size(), 1);
        QVERIFY(tooltip(0).endsWith(QStringLiteral("Updated just now")));

        m_scheduler.advance(std::chrono::seconds(59));
        QCOMPARE(m_printed.size(), 1);
        m_scheduler.advance(std::chrono::seconds(1));
        QCOMPARE(m_printed.size(), 2);
        QVERIFY(tooltip(1).endsWith(QStringLiteral("Updated 1m ago")));

        // A change that shows the same text prints nothing and leaves the minute where it was.
        m_scheduler.advance(std::chrono::seconds(30));
        m_client.onStatus(m_client.document());
        QCOMPARE(m_printed.size(), 2);
        m_scheduler.advance(std::chrono::seconds(30));
        QCOMPARE(m_printed.size(), 3);
        QVERIFY(tooltip(2).endsWith(QStringLiteral("Updated 2m ago")));

        // A line for a change starts the minute again.
        m_scheduler.advance(std::chrono::seconds(20));
        m_client.claude = claudeUsed(50);
        m_client.onStatus(m_client.document());
        QCOMPARE(m_printed.size(), 4);
        m_scheduler.advance(std::chrono::seconds(59));
        QCOMPARE(m_printed.size(), 4);
        m_scheduler.advance(std::chrono::seconds(1));
        QCOMPARE(m_printed.size(), 5);
        QVERIFY(tooltip(4).endsWith(QStringLiteral("Updated 3m ago")));

        // Without figures no age is shown, and nothing is asked again.
        m_client.claude = WorkedExample::failed(QStringLiteral("Network error"));
        m_client.onStatus(m_client.document());
        const int asked = m_client.asked;
        m_scheduler.advance(std::chrono::minutes(10));
        QCOMPARE(m_client.asked, asked);
        QCOMPARE(m_printed.size(), 6);

        // Gone and back: one line each, and the age is followed again.
        m_client.claude = WorkedExample::claude;
        m_client.onGone();
        m_client.onGone();
        QCOMPARE(m_printed.size(), 7);
        QCOMPARE(m_printed.last(), QStringLiteral("{\"class\":\"error\",\"text\":\"Quotabar ⚠\",\"tooltip\":\"Quotabar is not running\"}\n"));
        m_client.onStatus(m_client.document());
        m_scheduler.advance(std::chrono::minutes(1));
        QCOMPARE(m_printed.size(), 9);
        QVERIFY(!m_exit);
    }

    void polybarColoursLowAndCritical_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<std::optional<ProviderUsage>>("claude");
        QTest::addColumn<QString>("line");
        QTest::newRow("ok") << true << std::optional(WorkedExample::claude) << "Claude S:73%  W:41%\n";
        QTest::newRow("low") << true << std::optional(claudeUsed(80)) << "%{F#ffa348}Claude S:20%  W:41%%{F-}\n";
        QTest::newRow("critical") << true << std::optional(claudeUsed(95)) << "%{F#f66151}Claude S:5%  W:41%%{F-}\n";
        QTest::newRow("no figures") << true << std::optional(WorkedExample::failed(QStringLiteral("Network error")))
                                    << "%{F#f66151}Claude ⚠%{F-}\n";
        QTest::newRow("not running") << false << std::optional(WorkedExample::claude) << "%{F#f66151}Quotabar ⚠%{F-}\n";
    }

    void polybarColoursLowAndCritical()
    {
        QFETCH(bool, running);
        QFETCH(std::optional<ProviderUsage>, claude);
        QFETCH(QString, line);
        m_client.running = running;
        m_client.claude = claude;
        m_printed.clear();
        m_commandLine.run({QStringLiteral("status"), QStringLiteral("--polybar"), QStringLiteral("--follow")});
        QCOMPARE(m_printed, QStringList{line});
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
