#include "TrayIconStatusItem.h"

#include <QCursor>
#include <QFont>
#include <QPixmap>

TrayIconStatusItem::TrayIconStatusItem(std::function<QColor()> ink, QObject *parent)
    : QObject(parent)
    , m_ink(std::move(ink))
{
}

TrayIconStatusItem::~TrayIconStatusItem() = default;

QImage TrayIconStatusItem::draw(const StatusSegment &segment, int size)
{
    const QColor ink = m_ink();
    if (segment.icon == StatusSegment::Icon::idle)
        return ProviderArtwork::menuBarIcon(m_logos, size, ink);
    if (segment.warn || segment.figures.isEmpty())
        return ProviderArtwork::panelIcon(m_logos, segment.id, segment.warn, ink, size);
    const QColor figures = segment.level == StatusSegment::Level::critical ? ProviderArtwork::systemRed
        : segment.level == StatusSegment::Level::low                      ? ProviderArtwork::systemOrange
                                                                          : ink;
    return ProviderArtwork::figuresIcon(segment.figures, figures, QColor::fromRgb(segment.mark), size);
}

void TrayIconStatusItem::showSegments(const QList<StatusSegment> &segments)
{
    std::vector<Icon> icons;
    for (const StatusSegment &segment : segments) {
        auto found = std::find_if(m_icons.begin(), m_icons.end(), [&segment](const Icon &i) { return i.id == segment.id; });
        icons.push_back(found != m_icons.end() ? std::move(*found) : create(segment.id));
        QIcon icon;
        for (const int size : {16, 22, 24, 32, 48})
            icon.addPixmap(QPixmap::fromImage(draw(segment, size)));
        QSystemTrayIcon &tray = *icons.back().tray;
        tray.setIcon(icon);
        tray.setToolTip(segment.toolTipText.isEmpty() ? segment.toolTipTitle
                                                      : segment.toolTipTitle + QLatin1Char('\n') + segment.toolTipText);
        tray.show();
    }
    m_icons = std::move(icons); // icons whose segment went are hidden and deleted here
}

TrayIconStatusItem::Icon TrayIconStatusItem::create(const QString &id)
{
    Icon icon{id, std::make_unique<QMenu>(), std::make_unique<QSystemTrayIcon>()};
    QMenu *menu = icon.menu.get();
    fillMenu(*menu);
    icon.tray->setContextMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        if (m_handlers.aboutToShow)
            m_handlers.aboutToShow();
        syncMenu(*menu);
        if (m_handlers.openChanged)
            m_handlers.openChanged(true);
    });
    connect(menu, &QMenu::aboutToHide, this, [this] {
        if (m_handlers.openChanged)
            m_handlers.openChanged(false);
    });
    connect(icon.tray.get(), &QSystemTrayIcon::activated, menu, [menu](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            menu->popup(QCursor::pos());
    });
    return icon;
}

void TrayIconStatusItem::setMenu(const QList<StatusMenuRow> &rows, StatusMenuHandlers handlers)
{
    m_rows = rows;
    m_handlers = std::move(handlers);
    for (Icon &icon : m_icons)
        fillMenu(*icon.menu);
}

void TrayIconStatusItem::updateMenu(const QList<StatusMenuRow> &rows)
{
    m_rows = rows;
    for (Icon &icon : m_icons)
        syncMenu(*icon.menu);
}

void TrayIconStatusItem::fillMenu(QMenu &menu)
{
    menu.clear();
    for (const StatusMenuRow &row : std::as_const(m_rows)) {
        QAction *action = row.separator ? menu.addSeparator() : menu.addAction(row.title);
        const int id = row.id;
        if (!row.separator) {
            connect(action, &QAction::triggered, this, [this, id] {
                if (m_handlers.activate)
                    m_handlers.activate(id);
            });
        }
    }
    syncMenu(menu);
}

void TrayIconStatusItem::syncMenu(QMenu &menu)
{
    const QList<QAction *> actions = menu.actions();
    const QColor color = m_ink();
    for (qsizetype i = 0; i < m_rows.size() && i < actions.size(); ++i) {
        const StatusMenuRow &row = m_rows[i];
        QAction *action = actions[i];
        action->setVisible(row.visible);
        if (row.separator)
            continue;
        action->setText(row.title);
        action->setEnabled(row.enabled);
        action->setShortcut(QKeySequence(row.shortcut));
        if (!row.icon.isEmpty()) {
            action->setIcon(QIcon(QPixmap::fromImage(
                ProviderArtwork::tinted(ProviderArtwork::providerPNG(m_logos, row.icon, 16, color), color))));
        }
        QFont font = menu.font();
        if (row.style != StatusMenuRow::Style::plain)
            font.setPointSizeF(font.pointSizeF() * 0.9);
        action->setFont(font);
    }
}
