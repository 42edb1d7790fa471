#include "app/DefaultsKeys.h"
#include "cli/CommandLine.h"
#include "interface/StatusService.h"
#include "platform/linux/StatusBusObject.h"
#include "support/ControllerHarness.h"
#include "support/PrivateSessionBus.h"
#include "support/Waiting.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

#include <optional>

namespace {

// Collects the Changed signals a listener on its own connection hears.
class Listener final : public QObject
{
    Q_OBJECT
public:
    QStringList heard;
public slots:
    void changed(const QString &status) { heard.append(status); }
};

QJsonObject parse(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

} // namespace

// The running program's interface over a private session bus, reached by the real command line.
class TestStatusBus : public QObject
{
    Q_OBJECT

    PrivateSessionBus m_bus;
    std::optional<ControllerHarness<FakeStatusItem>> m_app;
    int m_refreshesAnswered = 0;
    std::unique_ptr<StatusService> m_service;
    std::unique_ptr<StatusBusObject> m_object;

    // Runs the command line; the caller waits for it.
    std::unique_ptr<QProcess> start(const QStringList &arguments)
    {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(QUOTABAR_BINARY), arguments);
        process->waitForStarted();
        return process;
    }

    static bool finished(QProcess &process) { return waitUntil([&] { return process.state() == QProcess::NotRunning; }, 40000); }

    bool publish()
    {
        m_object = std::make_unique<StatusBusObject>(StatusBusObject::Handlers{
            [this] { return QString::fromUtf8(StatusReport::compact(m_service->status())); },
            [this] { return StatusReport::busState(m_service->status()); },
            [this](std::function<void()> done) {
                m_service->refresh([this, done = std::move(done)] {
                    ++m_refreshesAnswered;
                    done();
                });
            },
        });
        connect(m_service.get(), &StatusService::changed, m_object.get(), &StatusBusObject::announceChange);
        return m_object->publish();
    }

private slots:
    void initTestCase() { QVERIFY(m_bus.start()); }

    // Each test has a program of its own, published on the bus.
    void init()
    {
        m_app.emplace();
        m_app->start();
        m_service = std::make_unique<StatusService>(
            StatusService::Services{m_app->settings, m_app->accounts, m_app->records, m_app->scheduler, m_app->clock,
                                    [controller = m_app->controller.get()] { controller->refreshNow(); }});
        connect(m_app->controller.get(), &StatusBarController::displayUpdated, m_service.get(), &StatusService::redrawn);
        m_refreshesAnswered = 0;
        QVERIFY(publish());
    }

    void cleanup()
    {
        m_object.reset();
        QDBusConnection::sessionBus().unregisterService(StatusBusObject::serviceName);
        m_service.reset();
        m_app.reset();
    }

    void nothingRunningExitsWithTwo()
    {
        cleanup();
        auto process = start({QStringLiteral("status"), QStringLiteral("--waybar")});
        QVERIFY(finished(*process));
        QCOMPARE(process->exitCode(), 2);
        QVERIFY(process->readAllStandardOutput().isEmpty());
    }

    void statusAnswersTheDocument()
    {
        m_app->claude.deliver(m_app->claudeRecord(7800, 273600));
        m_app->openAI.deliver(m_app->openAIRecord(2400, 525600));

        auto json = start({QStringLiteral("status"), QStringLiteral("--json")});
        QVERIFY(finished(*json));
        QCOMPARE(json->exitCode(), 0);
        QCOMPARE(parse(json->readAllStandardOutput()), m_service->status());

        m_app->openAI.needsLogin();
        auto lines = start({QStringLiteral("status")});
        QVERIFY(finished(*lines));
        QCOMPARE(lines->exitCode(), 1);
        QCOMPARE(QString::fromUtf8(lines->readAllStandardOutput()), StatusReport::lines(m_service->status()));
    }

    void interfaceMatchesItsDescription()
    {
        QDBusMessage introspect = QDBusMessage::createMethodCall(StatusBusObject::serviceName, StatusBusObject::objectPath,
                                                                 QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                                                 QStringLiteral("Introspect"));
        const QDBusConnection client = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("introspect"));
        QDBusPendingCall call = client.asyncCall(introspect);
        QVERIFY(waitUntil([&] { return call.isFinished(); }));
        const QString live = call.reply().arguments().value(0).toString();
        QFile file(QStringLiteral(QUOTABAR_SOURCE_DIR "/resources/dbus/app.quotabar.Quotabar1.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString described = QString::fromUtf8(file.readAll());
        const auto block = [](const QString &xml) {
            const qsizetype from = xml.indexOf(QStringLiteral("<interface name=\"app.quotabar.Quotabar1\">"));
            const qsizetype to = xml.indexOf(QStringLiteral("</interface>"), from);
            return from < 0 || to < 0 ? QString() : xml.mid(from, to - from).simplified();
        };
        QVERIFY(!block(described).isEmpty());
        QCOMPARE(block(live), block(described));
    }

    void changedOnlyWhenTheDocumentChanged()
    {
        Listener listener;
        QDBusConnection client = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("listener"));
        QVERIFY(client.connect(StatusBusObject::serviceName, StatusBusObject::objectPath, StatusBusObject::interfaceName,
                               QStringLiteral("Changed"), &listener, SLOT(changed(QString))));
        // The daemon answers in order, so after this round trip it holds the match rule.
        client.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                                   QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")));
        // The program answers a call only after the signals it sent before it.
        const auto settled = [&] {
            QDBusPendingCall ping = client.asyncCall(QDBusMessage::createMethodCall(
                StatusBusObject::serviceName, StatusBusObject::objectPath, StatusBusObject::interfaceName, QStringLiteral("Status")));
            return waitUntil([&] { return ping.isFinished(); });
        };
        UsageData record = m_app->claudeRecord();
        record.sessionPercentage = 50;
        m_app->claude.deliver(record);
        QVERIFY(waitUntil([&] { return !listener.heard.isEmpty(); }));
        QVERIFY(settled());
        QCOMPARE(listener.heard.size(), 1);
        QCOMPARE(parse(listener.heard.constFirst().toUtf8()).value(QStringLiteral("title")).toString(),
                 QStringLiteral("Claude S:50%  W:41%    ChatGPT ⚠"));

        // The same figures fetched again a little later: only the instants moved, nothing is sent.
        m_app->clock.advance(10000);
        record.fetchedAt = m_app->clock.now();
        m_app->claude.deliver(record);
        QVERIFY(settled());
        QCOMPARE(listener.heard.size(), 1);

        record.sessionPercentage = 51;
        m_app->claude.deliver(record);
        QVERIFY(waitUntil([&] { return listener.heard.size() == 2; }));
    }

    void refreshWaitsForTheResults()
    {
        m_app->defaults.setObject(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        const int claudeFetches = m_app->claude.fetches;
        auto process = start({QStringLiteral("refresh"), QStringLiteral("--waybar")});
        QVERIFY(waitUntil([&] { return m_app->claude.fetches > claudeFetches; }));
        QCOMPARE(m_app->openAI.fetches > 0, true);
        m_app->claude.deliver(m_app->claudeRecord());
        QCOMPARE(m_refreshesAnswered, 0); // ChatGPT has not answered yet
        m_app->openAI.deliver(m_app->openAIRecord());
        QVERIFY(finished(*process));
        QCOMPARE(process->exitCode(), 0);
        QCOMPARE(parse(process->readAllStandardOutput()).value(QStringLiteral("class")).toString(), QStringLiteral("ok"));

        // Without any result the answer comes at the time limit, with the figures held.
        auto unanswered = start({QStringLiteral("refresh")});
        const int fetchesBefore = m_app->claude.fetches;
        QVERIFY(waitUntil([&] { return m_app->claude.fetches > fetchesBefore; }));
        m_app->scheduler.advance(std::chrono::seconds(29));
        QCOMPARE(m_refreshesAnswered, 1);
        m_app->scheduler.advance(std::chrono::seconds(1));
        QVERIFY(finished(*unanswered));
        QCOMPARE(unanswered->exitCode(), 0);
    }

    void followWaitsForTheProgramAndOutlivesIt()
    {
        m_app->defaults.setObject(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        m_app->claude.deliver(m_app->claudeRecord());
        m_app->openAI.deliver(m_app->openAIRecord());
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.unregisterService(StatusBusObject::serviceName));
        auto process = start({QStringLiteral("status"), QStringLiteral("--waybar"), QStringLiteral("--follow")});
        QByteArray seen;
        const auto lines = [&] {
            seen += process->readAllStandardOutput();
            return seen.count('\n');
        };
        const auto lineClass = [&](int index) {
            return parse(seen.split('\n').value(index)).value(QStringLiteral("class")).toString();
        };
        const QByteArray notRunning = "{\"class\":\"error\",\"text\":\"Quotabar ⚠\",\"tooltip\":\"Quotabar is not running\"}";
        QVERIFY(waitUntil([&] { return lines() == 1; }));
        QCOMPARE(seen.split('\n').value(0), notRunning);

        // The name taken again: the figures follow at once, then every change.
        QVERIFY(bus.registerService(StatusBusObject::serviceName));
        QVERIFY(waitUntil([&] { return lines() == 2; }));
        QCOMPARE(lineClass(1), QStringLiteral("ok"));
        m_app->claude.needsLogin();
        QVERIFY(waitUntil([&] { return lines() == 3; }));
        QCOMPARE(lineClass(2), QStringLiteral("error"));
        m_app->claude.deliver(m_app->claudeRecord());
        QVERIFY(waitUntil([&] { return lines() == 4; }));
        QCOMPARE(lineClass(3), QStringLiteral("ok"));

        // Quit: the bar says so at once, and the command waits for the next start.
        QVERIFY(bus.unregisterService(StatusBusObject::serviceName));
        QVERIFY(waitUntil([&] { return lines() == 5; }, 2000));
        QCOMPARE(seen.split('\n').value(4), notRunning);
        QTest::qWait(300);
        QCOMPARE(process->state(), QProcess::Running);
        QVERIFY(bus.registerService(StatusBusObject::serviceName));
        QVERIFY(waitUntil([&] { return lines() == 6; }));
        QCOMPARE(lineClass(5), QStringLiteral("ok"));
        process->terminate();
        QVERIFY(finished(*process));
    }

    // Once the bar has gone the command ends, without waiting for a line to write into nothing
    // (bars often pass on SIGPIPE ignored), also while it waits for Quotabar to start.
    void followEndsWhenTheReaderHasGone_data()
    {
        QTest::addColumn<bool>("running");
        QTest::newRow("figures shown") << true;
        QTest::newRow("waiting for Quotabar") << false;
    }

    void followEndsWhenTheReaderHasGone()
    {
        QFETCH(bool, running);
        if (!running)
            QVERIFY(QDBusConnection::sessionBus().unregisterService(StatusBusObject::serviceName));
        QProcess process;
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"),
                       QStringLiteral("trap '' PIPE; { \"$0\" status --waybar --follow; echo \"ended $?\" >&2; } | head -n 1"),
                       QStringLiteral(QUOTABAR_BINARY)});
        QVERIFY(finished(process));
        QCOMPARE(process.readAllStandardError().trimmed(), QByteArray("ended ") + QByteArray::number(CommandLine::outputClosed));
        const QString tooltip = parse(process.readAllStandardOutput()).value(QStringLiteral("tooltip")).toString();
        QCOMPARE(tooltip == QLatin1String("Quotabar is not running"), !running);
    }
};

QTEST_GUILESS_MAIN(TestStatusBus)
#include "tst_statusbus.moc"
