#pragma once

class Clock;
class DefaultsStore;
class LoginItems;
class NotificationCenter;
class Scheduler;

// The platform services of the running application, each created once on first use.
namespace SharedInstances {
DefaultsStore &defaults();
Clock &clock();
Scheduler &scheduler();
NotificationCenter &notifications();
LoginItems &loginItems();
}
