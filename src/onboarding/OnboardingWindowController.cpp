#include "OnboardingWindowController.h"

#include "onboarding/OnboardingPager.h"
#include "onboarding/OnboardingView.h"

#include "platform/qt/UtilityWindow.h"

OnboardingWindowController::OnboardingWindowController(DefaultsStore &defaults, std::function<void()> openPreferences,
                                                       QString iconPath, QObject *parent)
    : QObject(parent)
    , m_pager(std::make_unique<OnboardingPager>(defaults, [this] { m_window->close(); }))
    , m_window(std::make_unique<OnboardingView>(*m_pager, std::move(openPreferences), std::move(iconPath)))
{
    UtilityWindow::prepare(*m_window, tr("Welcome to Quotabar"));
}

OnboardingWindowController::~OnboardingWindowController()
{
    m_window.reset(); // the window goes before the pager it shows
}

void OnboardingWindowController::showWindow()
{
    UtilityWindow::bringToFront(*m_window);
}
