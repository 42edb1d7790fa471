#pragma once

#include "platform/StatusItem.h"
#include "platform/linux/StatusNotifierItem.h"
#include "statusbar/StatusMenu.h"

#include <QColor>
#include <QDBusServiceWatcher>
#include <QObject>

#include <array>
#include <vector>

class DBusMenuExporter;

// The title as StatusNotifierItems: one item per segment (logo icon, text as the Ayatana
// label), or one idle item; every item publishes the same menu over dbusmenu.
class SniStatusItem final : public QObject, public StatusItem
{
    Q_OBJECT
public:
    static inline const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

    // `labelColor` gives the colour of panel text at the moment of drawing.
    explicit SniStatusItem(std::function<QColor()> labelColor = panelTextColor, QObject *parent = nullptr);

    // The colour of text in the panel, from the application's palette.
    static QColor panelTextColor();
    ~SniStatusItem() override;

    // Whether a panel host is listening on the session bus.
    static bool watcherAvailable();

    void showPlaceholder(const QString &text) override;
    void showTitle(const TitleModel &title) override;
    void setMenu(StatusMenu &menu, std::function<void()> aboutToShow) override;

    // The bus names of the items, in title order.
    QStringList serviceNames() const;

private:
    struct Wanted
    {
        QString key;
        QString label;
        QString labelGuide;
        QString toolTip;
        SniIconPixmapList icon;
    };
    struct Entry
    {
        QString key;
        QString connectionName;
        QString serviceName;
        StatusNotifierItem *item = nullptr;
        DBusMenuExporter *menu = nullptr;
    };

    void apply(const QList<Wanted> &wanted);
    Entry create(const Wanted &wanted, uint order);
    void destroy(Entry &entry);
    void registerWithWatcher(const Entry &entry) const;
    SniIconPixmapList pixmaps(const std::function<QImage(int size)> &draw) const;
    QByteArray menuIconPng(StatusMenu::Icon icon) const;

    std::function<QColor()> m_labelColor;
    StatusMenu *m_menu = nullptr;
    std::function<void()> m_aboutToShow;
    std::vector<Entry> m_entries;
    QDBusServiceWatcher m_watcherWatch;
    int m_created = 0;
    struct MenuIcon
    {
        QColor color;
        QByteArray png;
    };
    mutable std::array<MenuIcon, 2> m_menuIcons; // Claude, ChatGPT
};
