#pragma once

#include "platform/HttpTransport.h"
#include "platform/PanelHost.h"
#include "platform/StatusPublisher.h"

#include <QString>

#include <memory>

class Alerts;
class BrowserKeyring;
class Clock;
class DefaultsStore;
class DesktopNotices;
class LoginItems;
class NetworkPathMonitor;
class OsRelease;
class Scheduler;
class SecretStore;
class StatusItem;
class SystemEvents;
class UrlOpener;

// Makes the parts of the program that reach outside it: the desktop, the session bus, files,
// the network. The running program uses the Linux desktop's; tests and tools use a dummy that
// needs neither a bus nor a panel. Each part made belongs to the caller; the platform outlives them.
class Platform
{
public:
    virtual ~Platform() = default;

    // The store of every setting; the credentials move on to the secret store where there is one.
    virtual std::unique_ptr<DefaultsStore> createSettings() = 0;
    // The desktop's keyring, or none where the platform has no keyring.
    virtual std::unique_ptr<SecretStore> createSecretStore() = 0;
    virtual std::unique_ptr<Clock> createClock() = 0;
    virtual std::unique_ptr<Scheduler> createScheduler() = 0;
    virtual std::unique_ptr<HttpTransport> createTransport(const HttpLimits &limits) = 0;
    // Starts `programPath` at login.
    virtual std::unique_ptr<LoginItems> createLoginItems(const QString &programPath) = 0;
    virtual std::unique_ptr<Alerts> createAlerts() = 0;
    virtual std::unique_ptr<UrlOpener> createUrlOpener() = 0;
    virtual std::unique_ptr<OsRelease> createOsRelease() = 0;
    virtual std::unique_ptr<DesktopNotices> createNotices() = 0;
    // Other programs' secrets, looked up read-only when the user asks for a browser import.
    virtual std::unique_ptr<BrowserKeyring> createBrowserKeyring() = 0;

    // What shows the panel items.
    virtual PanelHost panelHost() = 0;
    virtual std::unique_ptr<StatusItem> createStatusItem(const PanelHost &host) = 0;
    virtual std::unique_ptr<NetworkPathMonitor> createNetworkPathMonitor() = 0;
    virtual std::unique_ptr<SystemEvents> createSystemEvents() = 0;
    virtual std::unique_ptr<StatusPublisher> createStatusPublisher(StatusPublisher::Handlers handlers) = 0;
};
