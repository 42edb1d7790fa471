#include "LinuxPlatform.h"

#include "platform/linux/DesktopEvents.h"
#include "platform/linux/FreedesktopNotices.h"
#include "platform/linux/KeyringCollection.h"
#include "platform/linux/OsReleaseFile.h"
#include "platform/linux/PanelStatusItem.h"
#include "platform/linux/SafeStorageKeyring.h"
#include "platform/linux/StatusBusObject.h"
#include "platform/linux/XfcePanelConfig.h"
#include "platform/qt/DesktopUrlOpener.h"
#include "platform/qt/KeychainSecretStore.h"
#include "platform/qt/MessageBoxAlerts.h"
#include "platform/qt/NetworkTransport.h"
#include "platform/qt/PanelInk.h"
#include "platform/qt/QtNetworkPathMonitor.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/SettingsDefaultsStore.h"
#include "platform/qt/SystemClock.h"
#include "platform/qt/XdgAutostart.h"

#include <QCoreApplication>

namespace {

const QString applicationId = QStringLiteral("app.quotabar.Quotabar");

KeyringCollection::Backend keyringBackend()
{
    return KeyringCollection::backendFor(qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                                         qEnvironmentVariable("KDE_SESSION_VERSION"));
}

} // namespace

LinuxPlatform::LinuxPlatform()
    : m_desktop(qEnvironmentVariable("XDG_CURRENT_DESKTOP"))
{
}

LinuxPlatform::~LinuxPlatform() = default;

std::unique_ptr<DefaultsStore> LinuxPlatform::createSettings()
{
    return std::make_unique<SettingsDefaultsStore>(SettingsDefaultsStore::defaultFilePath());
}

std::unique_ptr<SecretStore> LinuxPlatform::createSecretStore()
{
    if (!m_keyringCollection)
        m_keyringCollection = std::make_unique<KeyringCollection>(keyringBackend(), QDBusConnection::sessionBus());
    return std::make_unique<KeychainSecretStore>(applicationId, *m_keyringCollection);
}

std::unique_ptr<Clock> LinuxPlatform::createClock()
{
    return std::make_unique<SystemClock>();
}

std::unique_ptr<Scheduler> LinuxPlatform::createScheduler()
{
    return std::make_unique<QtScheduler>();
}

std::unique_ptr<HttpTransport> LinuxPlatform::createTransport(const HttpLimits &limits)
{
    return std::make_unique<NetworkTransport>(limits);
}

std::unique_ptr<LoginItems> LinuxPlatform::createLoginItems(const QString &programPath)
{
    return std::make_unique<XdgAutostart>(programPath);
}

std::unique_ptr<Alerts> LinuxPlatform::createAlerts()
{
    return std::make_unique<MessageBoxAlerts>();
}

std::unique_ptr<UrlOpener> LinuxPlatform::createUrlOpener()
{
    return std::make_unique<DesktopUrlOpener>();
}

std::unique_ptr<OsRelease> LinuxPlatform::createOsRelease()
{
    return std::make_unique<OsReleaseFile>();
}

std::unique_ptr<DesktopNotices> LinuxPlatform::createNotices()
{
    return std::make_unique<FreedesktopNotices>(
        FreedesktopNotices::Sender{QStringLiteral("Quotabar"), applicationId}, QDBusConnection::sessionBus());
}

std::unique_ptr<BrowserKeyring> LinuxPlatform::createBrowserKeyring()
{
    return std::make_unique<SafeStorageKeyring>(keyringBackend(), QDBusConnection::sessionBus());
}

PanelHost LinuxPlatform::panelHost()
{
    return XfcePanelConfig::sessionHost(m_desktop);
}

std::unique_ptr<StatusItem> LinuxPlatform::createStatusItem(const PanelHost &host)
{
    return std::make_unique<PanelStatusItem>(
        SniStatusItem::Options{[&ink = ink()] { return ink.color(); }, SniStatusItem::exportIconTheme(), host});
}

std::unique_ptr<NetworkPathMonitor> LinuxPlatform::createNetworkPathMonitor()
{
    return std::make_unique<QtNetworkPathMonitor>();
}

std::unique_ptr<SystemEvents> LinuxPlatform::createSystemEvents()
{
    return std::make_unique<DesktopEvents>(ink());
}

std::unique_ptr<StatusPublisher> LinuxPlatform::createStatusPublisher(StatusPublisher::Handlers handlers)
{
    return std::make_unique<StatusBusObject>(std::move(handlers));
}

PanelInk &LinuxPlatform::ink()
{
    if (!m_ink)
        m_ink = std::make_unique<PanelInk>(m_desktop, PanelInk::defaultConfigHome(), PanelInk::defaultConfigDirs());
    return *m_ink;
}
