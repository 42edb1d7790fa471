#pragma once

#include "platform/StatusItem.h"

#include <QDBusServiceWatcher>
#include <QObject>

#include <memory>
#include <variant>

// The status item of the running application: StatusNotifierItems when a panel host listens,
// otherwise a plain tray icon until one starts (as at login, when the panel may come up later).
class PanelStatusItem final : public QObject, public StatusItem
{
    Q_OBJECT
public:
    explicit PanelStatusItem(QObject *parent = nullptr);
    ~PanelStatusItem() override;

    bool usesNotifierItems() const { return m_usesNotifierItems; }

    void showPlaceholder(const QString &text) override;
    void showTitle(const TitleModel &title) override;
    void setMenu(StatusMenu &menu, std::function<void()> aboutToShow) override;

private:
    void switchToNotifierItems();

    std::unique_ptr<StatusItem> m_active;
    bool m_usesNotifierItems = false;
    QDBusServiceWatcher m_watcherWatch;
    StatusMenu *m_menu = nullptr;
    std::function<void()> m_aboutToShow;
    std::variant<std::monostate, QString, TitleModel> m_shown;
};
