#pragma once

#include "platform/StatusItem.h"

#include <QColor>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

// The title on a system tray without a StatusNotifierItem host: one icon, the title as its
// tooltip, and the same menu as a QMenu.
class TrayIconStatusItem final : public QObject, public StatusItem
{
    Q_OBJECT
public:
    explicit TrayIconStatusItem(std::function<QColor()> labelColor = panelTextColor, QObject *parent = nullptr);

    // The colour of text in the panel, from the application's palette.
    static QColor panelTextColor();

    void showPlaceholder(const QString &text) override;
    void showTitle(const TitleModel &title) override;
    void setMenu(StatusMenu &menu, std::function<void()> aboutToShow) override;

    QMenu *menu() { return &m_qmenu; }
    QString toolTip() const { return m_tray.toolTip(); }

private:
    void syncMenu();

    std::function<QColor()> m_labelColor;
    QSystemTrayIcon m_tray;
    QMenu m_qmenu;
    StatusMenu *m_menu = nullptr;
    std::function<void()> m_aboutToShow;
};
