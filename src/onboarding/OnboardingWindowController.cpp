#include "OnboardingWindowController.h"

#include "onboarding/OnboardingPager.h"
#include "onboarding/OnboardingView.h"

#include <QGuiApplication>
#include <QScreen>

OnboardingWindowController::OnboardingWindowController(DefaultsStore &defaults, std::function<void()> openPreferences,
                                                       QString iconPath, QObject *parent)
    : QObject(parent)
    , m_pager(std::make_unique<OnboardingPager>(defaults, [this] { m_window->close(); }))
    , m_window(std::make_unique<OnboardingView>(*m_pager, std::move(openPreferences), std::move(iconPath)))
{
    m_window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    m_window->setWindowTitle(QStringLiteral("Welcome to Quotabar"));
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), m_window->size());
        frame.moveCenter(screen->availableGeometry().center());
        m_window->move(frame.topLeft());
    }
}

OnboardingWindowController::~OnboardingWindowController()
{
    m_window.reset(); // the window goes before the pager it shows
}

void OnboardingWindowController::showWindow()
{
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
