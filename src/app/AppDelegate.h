#pragma once

#include <QObject>

#include <memory>

class PanelPresenter;
class PanelStatusItem;
class StatusBarController;
class StatusBusObject;
class StatusService;

// Starts the running application: the panel item, its controller, the system monitors, and
// the welcome guide on a first launch.
class AppDelegate final : public QObject
{
    Q_OBJECT
public:
    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();

private:
    // Offers the figures to other programs on the session bus.
    void publishStatus();

    // Each member uses only those above it, and members end in reverse order: nothing outlives
    // what it uses. The Qt children (monitors, the panel ink) end after all of them.
    std::unique_ptr<PanelStatusItem> m_statusItem;
    std::unique_ptr<PanelPresenter> m_presenter;
    std::unique_ptr<StatusBarController> m_statusBarController;
    std::unique_ptr<StatusService> m_statusService;
    std::unique_ptr<StatusBusObject> m_statusBus;
};
