#pragma once

#include <QObject>

#include <functional>
#include <memory>

class DefaultsStore;
class OnboardingPager;
class OnboardingView;

// Owns the one welcome guide window: made on first demand, hidden (never destroyed) when closed.
class OnboardingWindowController final : public QObject
{
    Q_OBJECT
public:
    OnboardingWindowController(DefaultsStore &defaults, std::function<void()> openPreferences,
                               QString iconPath = QStringLiteral(":/images/quotabar-icon.png"), QObject *parent = nullptr);
    ~OnboardingWindowController() override;

    static OnboardingWindowController &shared();

    OnboardingView *window() const { return m_window.get(); }
    OnboardingPager &pager() const { return *m_pager; }
    // Brings the window to the front and gives it the keyboard.
    void showWindow();

private:
    std::unique_ptr<OnboardingPager> m_pager;
    std::unique_ptr<OnboardingView> m_window;
};
