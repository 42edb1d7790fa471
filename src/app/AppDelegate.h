#pragma once

#include <QObject>

#include <memory>

class PanelPresenter;
class Platform;
class StatusBarController;
class StatusItem;
class StatusPublisher;
class StatusService;
class SystemEvents;

// Starts the running application: the panel item, its controller, the system monitors, and
// the welcome guide on a first launch.
class AppDelegate final : public QObject
{
    Q_OBJECT
public:
    // The panel's parts come from `platform`, which outlives this.
    explicit AppDelegate(Platform &platform, QObject *parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();

private:
    // Offers the figures to other programs on the session bus.
    void publishStatus();

    // Each member uses only those above it, and members end in reverse order: nothing outlives
    // what it uses.
    Platform &m_platform;
    std::unique_ptr<StatusItem> m_statusItem;
    std::unique_ptr<PanelPresenter> m_presenter;
    std::unique_ptr<StatusBarController> m_statusBarController;
    std::unique_ptr<SystemEvents> m_systemEvents;
    std::unique_ptr<StatusService> m_statusService;
    std::unique_ptr<StatusPublisher> m_statusBus;
};
