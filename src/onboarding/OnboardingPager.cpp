#include "OnboardingPager.h"

#include "app/DefaultsKeys.h"
#include "platform/DefaultsStore.h"

#include <algorithm>

OnboardingPager::OnboardingPager(DefaultsStore &defaults, std::function<void()> closeWindow, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_closeWindow(std::move(closeWindow))
{
}

void OnboardingPager::setDontShowAgain(bool value)
{
    if (value == m_dontShowAgain)
        return;
    m_dontShowAgain = value;
    emit changed();
}

void OnboardingPager::navigate(qint64 step)
{
    m_direction = step;
    m_page = std::max<qint64>(std::min(m_page + step, totalPages - 1), 0);
    emit changed();
}

void OnboardingPager::done()
{
    if (m_dontShowAgain)
        m_defaults.setBoolean(DefaultsKeys::onboardingCompleted, true);
    if (m_closeWindow)
        m_closeWindow();
}

OnboardingPager::Page OnboardingPager::pageFor(qint64 value)
{
    switch (value) {
    case 0:
        return Page::welcome;
    case 1:
        return Page::whatItDoes;
    case 2:
        return Page::connectClaude;
    case 3:
        return Page::connectChatGPT;
    default:
        return Page::allSet;
    }
}
