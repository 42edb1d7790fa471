#pragma once

#include "platform/linux/DBusMenuTypes.h"
#include "statusbar/StatusMenu.h"

#include <QHash>
#include <QObject>

#include <functional>

// Publishes the drop-down menu as com.canonical.dbusmenu, so panel hosts can show it.
class DBusMenuExporter final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    // PNG bytes of a menu icon, drawn for the current palette.
    using IconData = std::function<QByteArray(StatusMenu::Icon)>;

    static inline const QString objectPath = QStringLiteral("/MenuBar");

    DBusMenuExporter(StatusMenu &menu, std::function<void()> aboutToShow, IconData iconData, QObject *parent = nullptr);

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }
    uint revision() const { return m_revision; }

    // The properties an item is published with.
    QVariantMap properties(const StatusMenu::Item &item) const;

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
    const StatusMenu::Item *find(int id) const;
    // Tells hosts which item properties changed since they were last published.
    void publishChanges();
    DBusMenuLayoutItem layoutOf(int id, int depth, const QStringList &propertyNames) const;

    StatusMenu &m_menu;
    std::function<void()> m_aboutToShow;
    IconData m_iconData;
    uint m_revision = 1;
    QHash<int, QVariantMap> m_published;
};
