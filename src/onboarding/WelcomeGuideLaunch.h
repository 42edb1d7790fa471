#pragma once

#include <functional>

class DefaultsStore;
class Scheduler;

// At launch: shows the welcome guide shortly after, unless the user has finished it.
namespace WelcomeGuideLaunch {
void scheduleIfNeeded(const DefaultsStore &defaults, Scheduler &scheduler, std::function<void()> showGuide);
}
