#include "AppDelegate.h"

#include "app/AppSettings.h"
#include "app/SharedInstances.h"
#include "onboarding/WelcomeGuideLaunch.h"
#include "platform/linux/LogindWakeMonitor.h"
#include "platform/linux/PanelStatusItem.h"
#include "platform/qt/AppearanceMonitor.h"
#include "platform/qt/QtNetworkPathMonitor.h"
#include "statusbar/StatusBarController.h"
#include "usage/OpenAIUsageFetcher.h"
#include "usage/UsageFetcher.h"


AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
{
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching()
{
    m_statusItem = std::make_unique<PanelStatusItem>();
    m_statusBarController = new StatusBarController(
        StatusBarServices{
            AppSettings::shared(),
            UsageFetcher::shared(),
            OpenAIUsageFetcher::shared(),
            SharedInstances::notifications(),
            SharedInstances::scheduler(),
            SharedInstances::clock(),
            *m_statusItem,
            [] { return std::make_unique<QtNetworkPathMonitor>(); },
        },
        SharedInstances::commands(), this);
    SharedInstances::followUsage(*m_statusBarController);

    auto *wake = new LogindWakeMonitor(this);
    connect(wake, &LogindWakeMonitor::didWake, m_statusBarController, &StatusBarController::systemDidWake);
    auto *appearance = new AppearanceMonitor(this);
    connect(appearance, &AppearanceMonitor::changed, m_statusBarController, &StatusBarController::appearanceChanged);

    WelcomeGuideLaunch::scheduleIfNeeded(SharedInstances::defaults(), SharedInstances::scheduler(),
                                         [] { SharedInstances::commands().openOnboarding(); });
}
