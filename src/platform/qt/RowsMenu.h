#pragma once

#include "platform/StatusItem.h"
#include "platform/qt/ProviderArtwork.h"

#include <QMenu>

#include <functional>

// The drop-down menu's rows as a QMenu, for hosts that leave showing the menu to the application.
class RowsMenu final : public QMenu
{
    Q_OBJECT
public:
    // `panelInk` gives the colour of the panel's text: on a panel of the other shade than the
    // application's palette (dark MATE or Budgie under a light theme) the menu takes the panel's.
    explicit RowsMenu(std::function<QColor()> panelInk = {}, QWidget *parent = nullptr);

    // Builds the actions for the rows; `handlers` hear of openings, closings and clicks.
    void setRows(const QList<StatusMenuRow> &rows, const StatusMenuHandlers &handlers);
    // Takes the rows' new titles and states (the rows themselves never change).
    void updateRows(const QList<StatusMenuRow> &rows);

private:
    void sync();
    void followPanelShade();

    std::function<QColor()> m_panelInk;
    QList<StatusMenuRow> m_rows;
    StatusMenuHandlers m_handlers;
    ProviderArtwork::LogoCache m_logos;
};
