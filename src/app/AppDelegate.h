#pragma once

#include <QObject>

#include <memory>

class StatusBarController;
class StatusItem;

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

    std::unique_ptr<StatusItem> m_statusItem;
    StatusBarController *m_statusBarController = nullptr;
};
