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
#include "platform/NetworkPathMonitor.h"
#include "platform/Platform.h"
#include "platform/StatusItem.h"
#include "platform/SystemEvents.h"
#include "statusbar/PanelPresenter.h"
#include "statusbar/StatusBarController.h"
#include "usage/UsageData.h"
#include "usage/UsageSource.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

AppDelegate::AppDelegate(Platform &platform, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
{
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching()
{
    const PanelHost host = m_platform.panelHost();
    m_statusItem = m_platform.createStatusItem(host);
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
            [&platform = m_platform] { return platform.createNetworkPathMonitor(); },
        },
        SharedInstances::commands());
    SharedInstances::followUsage(*m_statusBarController);
#ifdef __GLIBC__
    // A refresh frees nearly all it allocated (replies, documents, images), but glibc keeps the freed
    // pages for later; handing them back after each redraw keeps about 0.2 MB less resident.
    connect(m_statusBarController.get(), &StatusBarController::displayUpdated, this, [] { malloc_trim(0); });
#endif

    m_systemEvents = m_platform.createSystemEvents();
    StatusBarController *controller = m_statusBarController.get();
    m_systemEvents->follow({[controller] { controller->systemDidWake(); },
                            [controller] { controller->clockChanged(); },
                            [controller] { controller->appearanceChanged(); }});

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
    m_statusBus = m_platform.createStatusPublisher(
        StatusPublisher::Handlers{
            [service] { return QString::fromUtf8(StatusReport::compact(service->status())); },
            [service] { return StatusReport::busState(service->status()); },
            [service](std::function<void()> done) { service->refresh(std::move(done)); },
            [](const QString &verb, const QStringList &arguments) {
                return AccountEdits::edit(SharedInstances::accounts(), verb, arguments);
            },
            [](const QString &provider, const QString &label, const QString &source, const QString &key) {
                const AccountEdits::Added added =
                    AccountEdits::add(SharedInstances::accounts(), provider, label, source, key);
                return StatusPublisher::Handlers::Added{added.id, added.error};
            },
        });
    connect(service, &StatusService::changed, this, [publisher = m_statusBus.get()] { publisher->announceChange(); });
    m_statusBus->publish(); // without a session bus the panel still works; only the command line cannot reach it
}
