#include "PanelStatusItem.h"

#include "platform/qt/TrayIconStatusItem.h"

#include <QDBusConnection>

PanelStatusItem::PanelStatusItem(SniStatusItem::Options options, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_watcherWatch(SniStatusItem::watcherService, QDBusConnection::sessionBus(),
                     QDBusServiceWatcher::WatchForRegistration)
{
    if (SniStatusItem::watcherAvailable()) {
        m_active = std::make_unique<SniStatusItem>(m_options);
        m_usesNotifierItems = true;
    } else {
        m_active = std::make_unique<TrayIconStatusItem>(m_options.ink,
                                                        m_options.host.placesNewItemsFirst());
        connect(&m_watcherWatch, &QDBusServiceWatcher::serviceRegistered, this,
                &PanelStatusItem::switchToNotifierItems);
    }
}

PanelStatusItem::~PanelStatusItem() = default;

void PanelStatusItem::showSegments(const QList<StatusSegment> &segments)
{
    m_segments = segments;
    m_active->showSegments(segments);
}

void PanelStatusItem::setMenu(const QList<StatusMenuRow> &rows, StatusMenuHandlers handlers)
{
    m_rows = rows;
    m_handlers = handlers;
    m_active->setMenu(rows, std::move(handlers));
}

void PanelStatusItem::updateMenu(const QList<StatusMenuRow> &rows)
{
    m_rows = rows;
    m_active->updateMenu(rows);
}

void PanelStatusItem::switchToNotifierItems()
{
    if (m_usesNotifierItems)
        return;
    m_usesNotifierItems = true;
    disconnect(&m_watcherWatch, nullptr, this, nullptr);
    // The tray icons go once the bus has told every watcher of the new name: under Plasma's platform
    // theme each one is a notifier item with a watcher of its own, told of the same name right now.
    if (auto *tray = dynamic_cast<QObject *>(m_active.release())) {
        tray->setParent(this);
        tray->deleteLater();
    }
    m_active = std::make_unique<SniStatusItem>(m_options);
    m_active->setMenu(m_rows, m_handlers);
    if (!m_segments.isEmpty())
        m_active->showSegments(m_segments);
}
