#pragma once

#include <QObject>

#include <memory>

class StatusBarController;
class PanelPresenter;
class PanelStatusItem;

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

    std::unique_ptr<PanelStatusItem> m_statusItem;
    std::unique_ptr<PanelPresenter> m_presenter;
    StatusBarController *m_statusBarController = nullptr;
};
