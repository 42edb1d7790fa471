#pragma once

#include "platform/DesktopNotices.h"
#include "platform/Platform.h"
#include "platform/StatusItem.h"
#include "platform/SystemEvents.h"

#include <QUrl>
#include <QVariantMap>

// The platform of tests and tools: nothing reaches the desktop, a bus or the user's files. The
// settings live in memory, what the program shows is kept here to be looked at, and the network
// is one loopback server, or none.
class DummyPlatform final : public Platform
{
public:
    struct Options
    {
        QVariantMap settings; // what the settings hold at start
        QUrl origin;          // the loopback server every request goes to; without one every request fails
    };

    // What the program's parts last showed, offered and asked for.
    struct Shown
    {
        QList<StatusSegment> segments;
        QList<StatusMenuRow> rows;
        StatusMenuHandlers menuHandlers;
        QList<std::pair<QString, DesktopNotice>> notices;
        StatusPublisher::Handlers published; // empty until published
        int announcements = 0;
        SystemEvents::Handlers events;       // calling one plays the event
        QList<QUrl> opened;
        bool launchesAtLogin = false;
    };

    explicit DummyPlatform(Options options = {});

    const Shown &shown() const { return m_shown; }
    Shown &shown() { return m_shown; }

    std::unique_ptr<DefaultsStore> createSettings() override;
    std::unique_ptr<SecretStore> createSecretStore() override;
    std::unique_ptr<Clock> createClock() override;
    std::unique_ptr<Scheduler> createScheduler() override;
    std::unique_ptr<HttpTransport> createTransport(const HttpLimits &limits) override;
    std::unique_ptr<LoginItems> createLoginItems(const QString &programPath) override;
    std::unique_ptr<Alerts> createAlerts() override;
    std::unique_ptr<UrlOpener> createUrlOpener() override;
    std::unique_ptr<OsRelease> createOsRelease() override;
    std::unique_ptr<DesktopNotices> createNotices() override;
    std::unique_ptr<BrowserKeyring> createBrowserKeyring() override;

    PanelHost panelHost() override;
    std::unique_ptr<StatusItem> createStatusItem(const PanelHost &host) override;
    std::unique_ptr<NetworkPathMonitor> createNetworkPathMonitor() override;
    std::unique_ptr<SystemEvents> createSystemEvents() override;
    std::unique_ptr<StatusPublisher> createStatusPublisher(StatusPublisher::Handlers handlers) override;

private:
    Options m_options;
    Shown m_shown;
};
