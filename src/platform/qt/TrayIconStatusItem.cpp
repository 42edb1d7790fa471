#include "TrayIconStatusItem.h"

#include "platform/qt/SemanticColors.h"
#include "statusbar/ProviderArtwork.h"
#include "statusbar/StatusMenu.h"

#include <QFont>
#include <QGuiApplication>
#include <QPixmap>

namespace {

QIcon iconFrom(const std::function<QImage(int size)> &draw)
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48})
        icon.addPixmap(QPixmap::fromImage(draw(size)));
    return icon;
}

} // namespace

QColor TrayIconStatusItem::panelTextColor()
{
    return SemanticColors::label(QGuiApplication::palette());
}

TrayIconStatusItem::TrayIconStatusItem(std::function<QColor()> labelColor, QObject *parent)
    : QObject(parent)
    , m_labelColor(std::move(labelColor))
{
    m_tray.setContextMenu(&m_qmenu);
    connect(&m_qmenu, &QMenu::aboutToShow, this, [this] {
        if (m_aboutToShow)
            m_aboutToShow();
        syncMenu();
        if (m_menu)
            m_menu->setOpen(true);
    });
    connect(&m_qmenu, &QMenu::aboutToHide, this, [this] {
        if (m_menu)
            m_menu->setOpen(false);
    });
    connect(&m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            m_qmenu.popup(QCursor::pos());
    });
}

void TrayIconStatusItem::showPlaceholder(const QString &text)
{
    const QColor color = m_labelColor();
    m_tray.setIcon(iconFrom([&color](int size) { return ProviderArtwork::menuBarIcon(size, color); }));
    m_tray.setToolTip(text);
    m_tray.show();
}

void TrayIconStatusItem::showTitle(const TitleModel &title)
{
    const QColor color = m_labelColor();
    if (title.iconOnly()) {
        m_tray.setIcon(iconFrom([&color](int size) { return ProviderArtwork::menuBarIcon(size, color); }));
        m_tray.setToolTip(title.tooltip.value_or(QString()));
    } else {
        const TitleSegment first = title.segments.first();
        const bool warn = std::any_of(title.segments.cbegin(), title.segments.cend(),
                                      [](const TitleSegment &segment) { return segment.warn; });
        m_tray.setIcon(iconFrom([&first, warn, &color](int size) {
            return ProviderArtwork::panelIcon(first.provider, warn, color, size);
        }));
        m_tray.setToolTip(title.plainText());
    }
    m_tray.show();
}

void TrayIconStatusItem::setMenu(StatusMenu &menu, std::function<void()> aboutToShow)
{
    m_menu = &menu;
    m_aboutToShow = std::move(aboutToShow);
    m_qmenu.clear();
    for (const StatusMenu::Item &item : menu.items()) {
        QAction *action = item.separator ? m_qmenu.addSeparator() : m_qmenu.addAction(item.title);
        const StatusMenu::ItemId id = item.id;
        if (!item.separator)
            connect(action, &QAction::triggered, this, [this, id] { m_menu->activate(id); });
    }
    connect(&menu, &StatusMenu::changed, this, &TrayIconStatusItem::syncMenu);
    syncMenu();
}

void TrayIconStatusItem::syncMenu()
{
    if (!m_menu)
        return;
    const QList<QAction *> actions = m_qmenu.actions();
    const QColor color = m_labelColor();
    for (const StatusMenu::Item &item : m_menu->items()) {
        QAction *action = actions.value(item.id - 1);
        if (!action)
            continue;
        action->setVisible(item.visible);
        if (item.separator)
            continue;
        action->setText(item.title);
        action->setEnabled(item.enabled);
        action->setShortcut(QKeySequence(item.shortcut));
        if (item.icon != StatusMenu::Icon::none) {
            const Provider provider = item.icon == StatusMenu::Icon::claudeLogo ? Provider::claude : Provider::openAI;
            action->setIcon(QIcon(QPixmap::fromImage(ProviderArtwork::tinted(
                ProviderArtwork::providerPNG(ProviderArtwork::logoName(provider), 16, color), color))));
        }
        QFont font = m_qmenu.font();
        if (item.style != StatusMenu::Style::plain)
            font.setPointSizeF(font.pointSizeF() * 0.9);
        action->setFont(font);
    }
}
