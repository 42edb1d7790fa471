#pragma once

#include "platform/Platform.h"

class KeyringCollection;
class PanelInk;

// The platform of the running program on a Linux desktop: the session bus's services (status
// items, notices, the keyring, logind), the settings file, XDG autostart and Qt's network.
class LinuxPlatform final : public Platform
{
public:
    LinuxPlatform();
    ~LinuxPlatform() override;

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
    // The panel's text colour, shared by the status items that draw with it and the events that
    // tell of its changes; made when first needed, since it watches the desktop's settings.
    PanelInk &ink();

    QString m_desktop;
    std::unique_ptr<PanelInk> m_ink;
    // What the keyring's secret stores ask the collection's state of.
    std::unique_ptr<KeyringCollection> m_keyringCollection;
};
