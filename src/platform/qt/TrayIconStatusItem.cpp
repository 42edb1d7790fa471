#include "TrayIconStatusItem.h"

#include <QCursor>
#include <QPixmap>

TrayIconStatusItem::TrayIconStatusItem(std::function<QColor()> ink, bool newIconsFirst, QObject *parent)
    : QObject(parent)
    , m_ink(std::move(ink))
    , m_newIconsFirst(newIconsFirst)
{
}

TrayIconStatusItem::~TrayIconStatusItem() = default;

QImage TrayIconStatusItem::draw(const StatusSegment &segment, int size)
{
    const QColor ink = m_ink();
    if (segment.icon == StatusSegment::Icon::idle)
        return ProviderArtwork::menuBarIcon(m_logos, size, ink);
    if (segment.warn || segment.figures.isEmpty())
        return ProviderArtwork::panelIcon(m_logos, segment.logoName(), segment.warn, ink, size);
    const QColor figures = segment.level == StatusSegment::Level::critical ? ProviderArtwork::systemRed
        : segment.level == StatusSegment::Level::low                      ? ProviderArtwork::systemOrange
                                                                          : ink;
    return ProviderArtwork::figuresIcon(segment.logoName(), segment.figures, figures, QColor::fromRgb(segment.mark), size);
}

void TrayIconStatusItem::showSegments(const QList<StatusSegment> &segments)
{
    std::vector<Icon> icons;
    std::size_t lastNew = 0; // one past the last new icon
    for (const StatusSegment &segment : segments) {
        auto found = std::find_if(m_icons.begin(), m_icons.end(), [&segment](const Icon &i) { return i.id == segment.id; });
        if (found == m_icons.end())
            lastNew = icons.size() + 1;
        icons.push_back(found != m_icons.end() ? std::move(*found) : create(segment.id));
        QIcon icon;
        for (const int size : ProviderArtwork::panelSizes)
            icon.addPixmap(QPixmap::fromImage(draw(segment, size)));
        QSystemTrayIcon &tray = *icons.back().tray;
        tray.setIcon(icon);
        tray.setToolTip(segment.toolTipText.isEmpty() ? segment.toolTipTitle
                                                      : segment.toolTipTitle + QLatin1Char('\n') + segment.toolTipText);
    }
    m_icons = std::move(icons); // icons whose segment went are hidden and deleted here
    // Trays place icons in the order they appear, or the newest first (Budgie's): show them so the first comes first.
    if (m_newIconsFirst) {
        // Icons meant to come before a new one are docked again after it.
        for (std::size_t i = 0; i + 1 < lastNew; ++i)
            m_icons[i].tray->hide();
        std::for_each(m_icons.rbegin(), m_icons.rend(), [](Icon &icon) { icon.tray->show(); });
    } else {
        for (Icon &icon : m_icons)
            icon.tray->show();
    }
}

TrayIconStatusItem::Icon TrayIconStatusItem::create(const QString &id)
{
    Icon icon{id, std::make_unique<RowsMenu>(m_ink), std::make_unique<QSystemTrayIcon>()};
    RowsMenu *menu = icon.menu.get();
    menu->setRows(m_rows, m_handlers);
    icon.tray->setContextMenu(menu);
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
        icon.menu->setRows(m_rows, m_handlers);
}

void TrayIconStatusItem::updateMenu(const QList<StatusMenuRow> &rows)
{
    m_rows = rows;
    for (Icon &icon : m_icons)
        icon.menu->updateRows(rows);
}
