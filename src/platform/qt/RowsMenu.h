#pragma once

#include "platform/StatusItem.h"
#include "platform/qt/ProviderArtwork.h"

#include <QMenu>

// The drop-down menu's rows as a QMenu, for hosts that leave showing the menu to the application.
class RowsMenu final : public QMenu
{
    Q_OBJECT
public:
    explicit RowsMenu(QWidget *parent = nullptr);

    // Builds the actions for the rows; `handlers` hear of openings, closings and clicks.
    void setRows(const QList<StatusMenuRow> &rows, const StatusMenuHandlers &handlers);
    // Takes the rows' new titles and states (the rows themselves never change).
    void updateRows(const QList<StatusMenuRow> &rows);

private:
    void sync();

    QList<StatusMenuRow> m_rows;
    StatusMenuHandlers m_handlers;
    ProviderArtwork::LogoCache m_logos;
};
