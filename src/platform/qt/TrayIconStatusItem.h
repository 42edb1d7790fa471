#pragma once

#include "platform/StatusItem.h"
#include "platform/qt/ProviderArtwork.h"
#include "platform/qt/RowsMenu.h"

#include <QColor>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <memory>
#include <vector>

// The panel items on a system tray without a StatusNotifierItem host: one tray icon per segment,
// its figures drawn in the icon (trays draw no text), each with the menu as a QMenu.
class TrayIconStatusItem final : public QObject, public StatusItem
{
    Q_OBJECT
public:
    // `ink` gives the colour of the panel's text at the moment of drawing; `newIconsFirst` says the
    // tray puts each new icon before the others.
    explicit TrayIconStatusItem(std::function<QColor()> ink, bool newIconsFirst = false, QObject *parent = nullptr);
    ~TrayIconStatusItem() override;

    void showSegments(const QList<StatusSegment> &segments) override;
    void setMenu(const QList<StatusMenuRow> &rows, StatusMenuHandlers handlers) override;
    void updateMenu(const QList<StatusMenuRow> &rows) override;

    int iconCount() const { return int(m_icons.size()); }
    QMenu *menu(int index) { return m_icons.at(std::size_t(index)).menu.get(); }
    QString toolTip(int index) const { return m_icons.at(std::size_t(index)).tray->toolTip(); }
    QIcon icon(int index) const { return m_icons.at(std::size_t(index)).tray->icon(); }

    // The icon of one segment as the tray shows it.
    QImage draw(const StatusSegment &segment, int size);

private:
    struct Icon
    {
        QString id;
        std::unique_ptr<RowsMenu> menu;
        std::unique_ptr<QSystemTrayIcon> tray;
    };

    Icon create(const QString &id);

    std::function<QColor()> m_ink;
    bool m_newIconsFirst;
    std::vector<Icon> m_icons;
    QList<StatusMenuRow> m_rows;
    StatusMenuHandlers m_handlers;
    ProviderArtwork::LogoCache m_logos;
};
