#include "app/DefaultsKeys.h"
#include "notify/Notifier.h"
#include "platform/linux/FreedesktopNotices.h"
#include "support/ControllerHarness.h"
#include "support/PrivateSessionBus.h"
#include "support/RecordingNotices.h"
#include "support/Waiting.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QtTest>

namespace {

// A notification service on the bus that records each Notify call.
class FakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call
    {
        QString appName;
        uint replacesId;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int timeout;
    };
    QList<Call> calls;

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        calls.append({appName, replacesId, appIcon, summary, body, actions, hints, timeout});
        return replacesId ? replacesId : 40 + calls.size();
    }

signals:
    void ActionInvoked(uint id, const QString &actionKey);
    void NotificationClosed(uint id, uint reason);
};

UsageData sessionRecord(const FakeClock &clock, double used)
{
    UsageData record;
    record.sessionPercentage = used;
    record.sessionResetAt = clock.now().addSecs(3600);
    record.fetchedAt = clock.now();
    return record;
}

// A started controller whose records a notifier follows, as the application wires them.
struct Followed
{
    ControllerHarness<FakeStatusItem> h;
    RecordingNotices desktop;
    Notifier notifier{{h.settings, desktop, h.clock, h.scheduler, [] {}}};

    Followed()
    {
        h.start();
        notifier.follow(h.records, h.accounts);
        QObject::connect(h.controller.get(), &StatusBarController::refreshHeld, &notifier, &Notifier::refreshHeld);
    }
};

} // namespace

// The notifier between the controller's records, the settings and a notification service.
class TestNotifier : public QObject
{
    Q_OBJECT

private slots:
    void followsNewRecordsOnly()
    {
        Followed f;
        auto &[h, desktop, notifier] = f;

        h.claude.deliver(sessionRecord(h.clock, 90)); // already low at start: arms only
        h.clock.advance(60'000);
        h.claude.deliver(sessionRecord(h.clock, 96));
        QCOMPARE(desktop.shown.size(), 1);
        QCOMPARE(desktop.shown[0].first, QStringLiteral("claude.session"));
        QCOMPARE(desktop.shown[0].second.summary, QStringLiteral("Claude session: 4% left"));
        QVERIFY(desktop.shown[0].second.actions.isEmpty());

        // Redraws of the same record say nothing more.
        h.controller->settingsChanged();
        h.controller->appearanceChanged();
        QCOMPARE(desktop.shown.size(), 1);

        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("tok"));
        h.openAI.needsLogin();
        h.openAI.needsLogin();
        QCOMPARE(desktop.shown.size(), 2);
        QCOMPARE(desktop.shown[1].second.summary, QStringLiteral("ChatGPT session token expired"));
        QCOMPARE(desktop.shown[1].second.actions,
                 (QList<std::pair<QString, QString>>{{"open-preferences", "Open Preferences"}}));
    }

    // A used-up window is announced when its reset instant passes, and not again by the next record.
    void availableAgainWhenTheResetPasses()
    {
        Followed f;
        auto &[h, desktop, notifier] = f;

        h.claude.deliver(sessionRecord(h.clock, 100));
        h.scheduler.advance(std::chrono::minutes(59));
        QVERIFY(desktop.shown.isEmpty());
        h.scheduler.advance(std::chrono::minutes(2));
        QCOMPARE(desktop.shown.size(), 1);
        QCOMPARE(desktop.shown[0].second.summary, QStringLiteral("Claude session available again"));

        h.claude.deliver(sessionRecord(h.clock, 0)); // the new period, a minute after the reset
        h.scheduler.advance(std::chrono::hours(3));
        QCOMPARE(desktop.shown.size(), 1);
    }

    // Refresh Now while a service asked to be left alone sends nothing for it, and says until when.
    void refreshNowDuringAServicesWait()
    {
        Followed f;
        auto &[h, desktop, notifier] = f;
        h.claude.heldUntil = h.clock.now().addSecs(12 * 60 + 30);
        h.controller->menu().activate(StatusMenu::refreshNow);
        QCOMPARE(desktop.shown.size(), 1);
        QCOMPARE(desktop.shown[0].first, QStringLiteral("claude.wait"));
        QCOMPARE(desktop.shown[0].second.body, QStringLiteral("Claude asked for fewer requests: next try in 15m."));
        h.claude.heldUntil.reset();
        h.controller->menu().activate(StatusMenu::refreshNow);
        QCOMPARE(desktop.shown.size(), 1);
    }

    void noticeAndActionOverThePrivateBus()
    {
        PrivateSessionBus bus;
        QVERIFY(bus.start());
        QDBusConnection serverBus = QDBusConnection::connectToBus(bus.address(), QStringLiteral("server"));
        FakeNotificationServer server;
        QVERIFY(serverBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                                         QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        QVERIFY(serverBus.registerService(QStringLiteral("org.freedesktop.Notifications")));

        MemoryDefaultsStore defaults;
        defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("sk-1"));
        AppSettings settings(defaults, {});
        FakeClock clock;
        FakeScheduler scheduler(clock);
        FreedesktopNotices desktop({QStringLiteral("Quotabar"), QStringLiteral("app.quotabar.Quotabar")},
                                         QDBusConnection::connectToBus(bus.address(), QStringLiteral("client")));
        int preferencesOpened = 0;
        Notifier notifier({settings, desktop, clock, scheduler, [&preferencesOpened] { ++preferencesOpened; }});

        settings.setClaudeSessionExpired(true);
        QVERIFY(waitUntil([&server] { return server.calls.size() == 1; }));
        const FakeNotificationServer::Call &call = server.calls[0];
        QCOMPARE(call.appName, QStringLiteral("Quotabar"));
        QCOMPARE(call.replacesId, 0u);
        QCOMPARE(call.appIcon, QStringLiteral("app.quotabar.Quotabar"));
        QCOMPARE(call.summary, QStringLiteral("Claude session key expired"));
        QCOMPARE(call.body, QStringLiteral("Paste a new sessionKey in Preferences."));
        QCOMPARE(call.actions, (QStringList{"open-preferences", "Open Preferences"}));
        QCOMPARE(call.hints.value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("app.quotabar.Quotabar"));
        QCOMPARE(call.timeout, -1);

        // Another application's notice is not ours to answer; ours opens Preferences.
        emit server.ActionInvoked(7, QStringLiteral("open-preferences"));
        emit server.ActionInvoked(41, QStringLiteral("open-preferences"));
        QVERIFY(waitUntil([&preferencesOpened] { return preferencesOpened > 0; }));
        QCOMPARE(preferencesOpened, 1);

        // The next expiry replaces the notice shown before.
        settings.setClaudeSessionExpired(false);
        settings.setClaudeSessionExpired(true);
        QVERIFY(waitUntil([&server] { return server.calls.size() == 2; }));
        QCOMPARE(server.calls[1].replacesId, 41u);
    }

    void withoutAServiceNothingFails()
    {
        FreedesktopNotices noBus({QStringLiteral("Quotabar"), QString()}, QDBusConnection(QStringLiteral("none")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no session bus$")));
        noBus.show(QStringLiteral("claude.key"), {QStringLiteral("one"), QString(), {}});

        PrivateSessionBus bus;
        QVERIFY(bus.start());
        FreedesktopNotices desktop({QStringLiteral("Quotabar"), QStringLiteral("app.quotabar.Quotabar")},
                                         QDBusConnection::connectToBus(bus.address(), QStringLiteral("lonely")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Desktop notifications unavailable")));
        const auto answered = [&desktop] { return desktop.findChildren<QDBusPendingCallWatcher *>().isEmpty(); };
        desktop.show(QStringLiteral("claude.key"), {QStringLiteral("two"), QString(), {}});
        QVERIFY(waitUntil(answered));
        // One line only, however many notices follow.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        desktop.show(QStringLiteral("claude.key"), {QStringLiteral("three"), QString(), {}});
        QVERIFY(waitUntil(answered));
    }
};

QTEST_GUILESS_MAIN(TestNotifier)
#include "tst_notifier.moc"
