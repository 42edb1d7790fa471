#pragma once

#include "platform/PanelHost.h"
#include "platform/StatusItem.h"
#include "platform/linux/StatusNotifierItem.h"
#include "platform/qt/ProviderArtwork.h"
#include "platform/qt/RowsMenu.h"

#include <QColor>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class DBusMenuExporter;

// How the panel items draw and register.
struct SniOptions
{
    // The colour of the panel's text at the moment of drawing.
    std::function<QColor()> ink = [] { return QColor(Qt::black); };
    // A folder with the symbolic logos as an icon theme, or empty to send pixmaps only.
    QString iconThemePath;
    // What shows the items, for the order of registrations and the icons' form.
    PanelHost host;
};

// The panel items as StatusNotifierItems: one item per segment (icon, label as the Ayatana label,
// tooltip), each publishing the same menu over dbusmenu. Items are created and dropped only when
// their segment appears or goes, so hosts never see short-lived items.
class SniStatusItem final : public QObject, public StatusItem
{
    Q_OBJECT
public:
    static inline const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

    using Options = SniOptions;

    explicit SniStatusItem(Options options = {}, QObject *parent = nullptr);
    ~SniStatusItem() override;

    // Writes the symbolic logos out as an icon theme with its index, for hosts that look icons up by
    // name, leaving files that already hold the same bytes alone; gives its folder (for
    // Options::iconThemePath), or nothing when it cannot be written.
    static QString exportIconTheme();

    // Whether a panel host is listening on the session bus.
    static bool watcherAvailable();

    void showSegments(const QList<StatusSegment> &segments) override;
    void setMenu(const QList<StatusMenuRow> &rows, StatusMenuHandlers handlers) override;
    void updateMenu(const QList<StatusMenuRow> &rows) override;

    // The bus names of the items, in the order of the segments.
    QStringList serviceNames() const;

private:
    struct Entry
    {
        QString id;
        QString connectionName;
        QString serviceName;
        StatusNotifierItem *item = nullptr;
        DBusMenuExporter *menu = nullptr;
    };

    Entry create(const StatusSegment &segment);
    void apply(Entry &entry, const StatusSegment &segment);
    void destroy(Entry &entry);
    // Registers the entries once a host is there to show them, in turn.
    void registerWithWatcher(const std::vector<Entry> &entries);
    void registerWaiting();
    // Registers the entries in turn, each once the watcher has answered the one before.
    void registerInTurn(std::vector<Entry> entries);
    QByteArray menuIconPng(const QString &name);
    void popUpMenu();

private slots:
    void hostRegistered();

private:
    Options m_options;
    QList<StatusMenuRow> m_rows;
    StatusMenuHandlers m_handlers;
    std::vector<Entry> m_entries;
    QDBusServiceWatcher m_watcherWatch;
    std::vector<Entry> m_waitingForHost;
    QTimer m_hostWait;
    int m_created = 0;
    ProviderArtwork::LogoCache m_logos;
    std::unique_ptr<RowsMenu> m_popup; // for hosts that leave the menu to the item on a left click
    QHash<QString, std::pair<QColor, QByteArray>> m_menuIcons; // by logo name: colour drawn with, PNG
};
