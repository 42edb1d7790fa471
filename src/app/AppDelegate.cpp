#include "AppDelegate.h"

#include "app/AppSettings.h"
#include "app/SharedInstances.h"
#include "onboarding/WelcomeGuideLaunch.h"
#include "platform/linux/LogindWakeMonitor.h"
#include "platform/linux/PanelStatusItem.h"
#include "platform/qt/AppearanceMonitor.h"
#include "platform/qt/PanelInk.h"
#include "platform/qt/QtNetworkPathMonitor.h"
#include "statusbar/PanelPresenter.h"
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
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    auto *ink = new PanelInk(desktop, PanelInk::defaultConfigHome(), this);
    m_statusItem = std::make_unique<PanelStatusItem>(
        SniStatusItem::Options{[ink] { return ink->color(); }, SniStatusItem::exportIconTheme(), desktop});
    m_presenter = std::make_unique<PanelPresenter>(*m_statusItem, AppSettings::shared(), desktop);
    m_statusBarController = new StatusBarController(
        StatusBarServices{
            AppSettings::shared(),
            UsageFetcher::shared(),
            OpenAIUsageFetcher::shared(),
            SharedInstances::notifications(),
            SharedInstances::scheduler(),
            SharedInstances::clock(),
            *m_presenter,
            [] { return std::make_unique<QtNetworkPathMonitor>(); },
        },
        SharedInstances::commands(), this);

    auto *wake = new LogindWakeMonitor(this);
    connect(wake, &LogindWakeMonitor::didWake, m_statusBarController, &StatusBarController::systemDidWake);
    auto *appearance = new AppearanceMonitor(this);
    connect(appearance, &AppearanceMonitor::changed, m_statusBarController, &StatusBarController::appearanceChanged);
    connect(ink, &PanelInk::changed, m_statusBarController, &StatusBarController::appearanceChanged);

    WelcomeGuideLaunch::scheduleIfNeeded(SharedInstances::defaults(), SharedInstances::scheduler(),
                                         [] { SharedInstances::commands().openOnboarding(); });
}
