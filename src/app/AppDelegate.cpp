#include "AppDelegate.h"

#include "accounts/AccountEdits.h"
#include "accounts/AccountList.h"
#include "accounts/UsageRecords.h"
#include "app/AppSettings.h"
#include "app/SharedInstances.h"
#include "browser/CookieScratch.h"
#include "interface/StatusService.h"
#include "onboarding/WelcomeGuideLaunch.h"
#include "pace/PaceTracker.h"
#include "platform/linux/LogindWakeMonitor.h"
#include "platform/linux/PanelStatusItem.h"
#include "platform/linux/StatusBusObject.h"
#include "platform/linux/WallClockMonitor.h"
#include "platform/linux/XfcePanelConfig.h"
#include "platform/qt/AppearanceMonitor.h"
#include "platform/qt/PanelInk.h"
#include "platform/qt/QtNetworkPathMonitor.h"
#include "statusbar/PanelPresenter.h"
#include "statusbar/StatusBarController.h"
#include "usage/UsageData.h"
#include "usage/UsageSource.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
{
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching()
{
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    const PanelHost host = XfcePanelConfig::sessionHost(desktop);
    auto *ink = new PanelInk(desktop, PanelInk::defaultConfigHome(), PanelInk::defaultConfigDirs(), this);
    m_statusItem = std::make_unique<PanelStatusItem>(
        SniStatusItem::Options{[ink] { return ink->color(); }, SniStatusItem::exportIconTheme(), host});
    m_presenter = std::make_unique<PanelPresenter>(*m_statusItem, AppSettings::shared(),
                                                   SharedInstances::scheduler(), SharedInstances::clock(), host);
    m_statusBarController = std::make_unique<StatusBarController>(
        StatusBarServices{
            AppSettings::shared(),
            SharedInstances::accounts(),
            SharedInstances::usageSources(),
            SharedInstances::usageRecords(),
            SharedInstances::notifications(),
            SharedInstances::scheduler(),
            SharedInstances::clock(),
            *m_presenter,
            [] { return std::make_unique<QtNetworkPathMonitor>(); },
        },
        SharedInstances::commands());
    SharedInstances::followUsage(*m_statusBarController);
#ifdef __GLIBC__
    // A refresh frees nearly all it allocated (replies, documents, images), but glibc keeps the freed
    // pages for later; handing them back after each redraw keeps about 0.2 MB less resident.
    connect(m_statusBarController.get(), &StatusBarController::displayUpdated, this, [] { malloc_trim(0); });
#endif

    auto *wake = new LogindWakeMonitor(this);
    connect(wake, &LogindWakeMonitor::didWake, m_statusBarController.get(), &StatusBarController::systemDidWake);
    auto *wallClock = new WallClockMonitor(this);
    connect(wallClock, &WallClockMonitor::changed, m_statusBarController.get(), &StatusBarController::clockChanged);
    auto *appearance = new AppearanceMonitor(this);
    connect(appearance, &AppearanceMonitor::changed, m_statusBarController.get(), &StatusBarController::appearanceChanged);
    connect(ink, &PanelInk::changed, m_statusBarController.get(), &StatusBarController::appearanceChanged);

    publishStatus();
    // A crash during an import leaves its copy of a browser's cookies behind; only our own
    // folders are looked at, never the browsers' stores.
    CookieScratch::removeLeftovers(CookieScratch::defaultBase(), SharedInstances::clock().now());

    WelcomeGuideLaunch::scheduleIfNeeded(SharedInstances::defaults(), SharedInstances::scheduler(),
                                         [] { SharedInstances::commands().openOnboarding(); });
}

void AppDelegate::publishStatus()
{
    m_statusService = std::make_unique<StatusService>(
        StatusService::Services{AppSettings::shared(), SharedInstances::accounts(), SharedInstances::usageRecords(),
                                SharedInstances::scheduler(), SharedInstances::clock(),
                                [controller = m_statusBarController.get()] { controller->refreshNow(); },
                                PanelPresenter::lateAfterSeconds,
                                [] { return SharedInstances::paceTracker().history().writeFailure(); }});
    StatusService *service = m_statusService.get();
    connect(m_statusBarController.get(), &StatusBarController::displayUpdated, service, &StatusService::redrawn);
    m_statusBus = std::make_unique<StatusBusObject>(
        StatusBusObject::Handlers{
            [service] { return QString::fromUtf8(StatusReport::compact(service->status())); },
            [service] { return StatusReport::busState(service->status()); },
            [service](std::function<void()> done) { service->refresh(std::move(done)); },
            [](const QString &verb, const QStringList &arguments) {
                return AccountEdits::edit(SharedInstances::accounts(), verb, arguments);
            },
            [](const QString &provider, const QString &label, const QString &source, const QString &key) {
                const AccountEdits::Added added =
                    AccountEdits::add(SharedInstances::accounts(), provider, label, source, key);
                return StatusBusObject::Handlers::Added{added.id, added.error};
            },
        });
    connect(service, &StatusService::changed, m_statusBus.get(), &StatusBusObject::announceChange);
    m_statusBus->publish(); // without a session bus the panel still works; only the command line cannot reach it
}
