#pragma once

#include <functional>

class AccountList;
class AppSettings;
class UsageRecords;
class UsageSources;
class Clock;
class DesktopNotices;
class PaceTracker;
class Platform;
class DefaultsStore;
class LoginItems;
class NotificationCenter;
class Scheduler;
class StatusBarController;
class UrlOpener;
struct StatusBarCommands;
struct OpenAIUsageData;
struct UsageData;
template<typename Record>
class UsageSource;

// The platform services of the running application, each created once on first use.
namespace SharedInstances {
// What the shared instances are made on; called once, before any of them is first used. The
// platform outlives them: they end with endAll().
void usePlatform(Platform &platform);
DefaultsStore &defaults();
Clock &clock();
Scheduler &scheduler();
NotificationCenter &notifications();
LoginItems &loginItems();
UrlOpener &urlOpener();
// Each provider's usage from the source chosen in Preferences: session key or sign-in.
UsageSource<UsageData> &claudeUsage();
UsageSource<OpenAIUsageData> &openAIUsage();
// Every account of every provider, what fetches each, and their records.
AccountList &accounts();
UsageSources &usageSources();
UsageRecords &usageRecords();
// The commands the panel menu leads to: windows, update checks, quitting.
const StatusBarCommands &commands();
// Notices and the pace history follow the records the controller stores, and sign-ins that
// change or arrive late are fetched with.
void followUsage(StatusBarController &controller);
// What the followers of the records work with.
struct RecordFollowers
{
    AppSettings &settings;
    DesktopNotices &notices;
    const Clock &clock;
    Scheduler &scheduler;
    PaceTracker &pace;
    const UsageRecords &records;
    const AccountList &accounts;
    std::function<void()> openPreferences;
};
// The part of followUsage that joins the notices and the pace to the controller.
void followRecords(StatusBarController &controller, const RecordFollowers &followers);
// Keeps the records and tells their pace.
PaceTracker &paceTracker();
// Ends the shared instances that are Qt objects, windows among them, then the platform's parts
// under them; called once the event loop has ended and what uses them is gone, before the
// application object ends.
void endAll();
}
