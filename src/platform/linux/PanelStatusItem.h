#pragma once

#include "platform/StatusItem.h"
#include "platform/linux/SniStatusItem.h"

#include <QDBusServiceWatcher>
#include <QObject>

#include <memory>

// The status item of the running application: StatusNotifierItems when a panel host listens,
// otherwise plain tray icons until one starts (as at login, when the panel may come up later).
class PanelStatusItem final : public QObject, public StatusItem
{
    Q_OBJECT
public:
    explicit PanelStatusItem(SniStatusItem::Options options, QObject *parent = nullptr);
    ~PanelStatusItem() override;

    bool usesNotifierItems() const { return m_usesNotifierItems; }

    void showSegments(const QList<StatusSegment> &segments) override;
    void setMenu(const QList<StatusMenuRow> &rows, StatusMenuHandlers handlers) override;
    void updateMenu(const QList<StatusMenuRow> &rows) override;

private:
    void switchToNotifierItems();

    SniStatusItem::Options m_options;
    std::unique_ptr<StatusItem> m_active;
    bool m_usesNotifierItems = false;
    QDBusServiceWatcher m_watcherWatch;
    QList<StatusSegment> m_segments;
    QList<StatusMenuRow> m_rows;
    StatusMenuHandlers m_handlers;
};
