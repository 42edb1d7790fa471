#include "WelcomeGuideLaunch.h"

#include "app/DefaultsKeys.h"
#include "platform/DefaultsStore.h"
#include "platform/Scheduler.h"

namespace WelcomeGuideLaunch {

void scheduleIfNeeded(const DefaultsStore &defaults, Scheduler &scheduler, std::function<void()> showGuide)
{
    if (!defaults.boolean(DefaultsKeys::onboardingCompleted))
        scheduler.after(std::chrono::milliseconds(300), std::move(showGuide));
}

}
