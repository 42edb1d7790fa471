#pragma once

#include "platform/StatusItem.h"
#include "platform/linux/DBusMenuTypes.h"

#include <QDBusContext>
#include <QHash>
#include <QObject>

#include <functional>

// Publishes the drop-down menu as com.canonical.dbusmenu, so panel hosts can show it.
class DBusMenuExporter final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    // PNG bytes of a named logo for a menu row, drawn for the current palette.
    using IconData = std::function<QByteArray(const QString &name)>;

    static inline const QString objectPath = QStringLiteral("/MenuBar");

    DBusMenuExporter(const QList<StatusMenuRow> &rows, StatusMenuHandlers handlers, IconData iconData,
                     QObject *parent = nullptr);

    // Takes the rows' new state and tells hosts which properties changed, or, when rows came or
    // went (an account's section), that the layout changed, which hosts then fetch again.
    void update(const QList<StatusMenuRow> &rows);

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

    // The properties a row is published with.
    QVariantMap properties(const StatusMenuRow &row) const;

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames, DBusMenuLayoutItem &layout);
    QList<DBusMenuItem> GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames);
    QDBusVariant GetProperty(int id, const QString &name);
    void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    QList<int> EventGroup(const QList<DBusMenuEvent> &events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

signals:
    void ItemsPropertiesUpdated(const QList<DBusMenuItem> &updatedProps, const QList<DBusMenuItemKeys> &removedProps);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    const StatusMenuRow *find(int id) const;
    bool known(int id) const;
    DBusMenuLayoutItem layoutOf(int id, int depth, const QStringList &propertyNames) const;

    QList<StatusMenuRow> m_rows;
    StatusMenuHandlers m_handlers;
    IconData m_iconData;
    uint m_revision = 1;
    QHash<int, QVariantMap> m_published;
};

// A portable shortcut ("Ctrl+,") as the key names dbusmenu hosts pass to GTK: [["Control", "comma"]].
DBusMenuShortcut dbusMenuShortcut(const QString &shortcut);
