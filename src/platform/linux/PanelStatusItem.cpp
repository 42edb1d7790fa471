#include "PanelStatusItem.h"

#include "platform/linux/SniStatusItem.h"
#include "platform/qt/TrayIconStatusItem.h"

#include <QDBusConnection>

PanelStatusItem::PanelStatusItem(QObject *parent)
    : QObject(parent)
    , m_watcherWatch(SniStatusItem::watcherService, QDBusConnection::sessionBus(),
                     QDBusServiceWatcher::WatchForRegistration)
{
    if (SniStatusItem::watcherAvailable()) {
        m_active = std::make_unique<SniStatusItem>();
        m_usesNotifierItems = true;
    } else {
        m_active = std::make_unique<TrayIconStatusItem>();
        connect(&m_watcherWatch, &QDBusServiceWatcher::serviceRegistered, this,
                &PanelStatusItem::switchToNotifierItems);
    }
}

PanelStatusItem::~PanelStatusItem() = default;

void PanelStatusItem::showPlaceholder(const QString &text)
{
    m_shown = text;
    m_active->showPlaceholder(text);
}

void PanelStatusItem::showTitle(const TitleModel &title)
{
    m_shown = title;
    m_active->showTitle(title);
}

void PanelStatusItem::setMenu(StatusMenu &menu, std::function<void()> aboutToShow)
{
    m_menu = &menu;
    m_aboutToShow = aboutToShow;
    m_active->setMenu(menu, std::move(aboutToShow));
}

void PanelStatusItem::switchToNotifierItems()
{
    if (m_usesNotifierItems)
        return;
    m_usesNotifierItems = true;
    disconnect(&m_watcherWatch, nullptr, this, nullptr);
    m_active = std::make_unique<SniStatusItem>();
    if (m_menu)
        m_active->setMenu(*m_menu, m_aboutToShow);
    if (const auto *text = std::get_if<QString>(&m_shown))
        m_active->showPlaceholder(*text);
    else if (const auto *title = std::get_if<TitleModel>(&m_shown))
        m_active->showTitle(*title);
}
