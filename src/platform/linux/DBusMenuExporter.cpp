#include "DBusMenuExporter.h"

#include <QTimer>

namespace {

const int rootId = 0;

QVariantMap only(const QVariantMap &properties, const QStringList &names)
{
    if (names.isEmpty())
        return properties;
    QVariantMap filtered;
    for (const QString &name : names) {
        if (properties.contains(name))
            filtered.insert(name, properties.value(name));
    }
    return filtered;
}

// "Ctrl+R" as dbusmenu key names: [["Control", "R"]].
DBusMenuShortcut shortcutKeys(const QString &shortcut)
{
    QStringList keys;
    const QStringList parts = shortcut.split(QLatin1Char('+'));
    for (const QString &part : parts)
        keys.append(part == QLatin1String("Ctrl") ? QStringLiteral("Control") : part);
    return {keys};
}

} // namespace

DBusMenuExporter::DBusMenuExporter(StatusMenu &menu, std::function<void()> aboutToShow, IconData iconData,
                                   QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_aboutToShow(std::move(aboutToShow))
    , m_iconData(std::move(iconData))
{
    registerDBusMenuTypes();
    for (const StatusMenu::Item &item : menu.items())
        m_published.insert(item.id, properties(item));
    // The items never change, only their properties do.
    connect(&menu, &StatusMenu::changed, this, &DBusMenuExporter::publishChanges);
}

void DBusMenuExporter::publishChanges()
{
    QList<DBusMenuItem> updated;
    QList<DBusMenuItemKeys> removed;
    for (const StatusMenu::Item &item : m_menu.items()) {
        const QVariantMap now = properties(item);
        QVariantMap &before = m_published[item.id];
        QVariantMap changed;
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (before.value(it.key()) != it.value())
                changed.insert(it.key(), it.value());
        }
        QStringList gone;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (!now.contains(it.key()))
                gone.append(it.key());
        }
        if (!changed.isEmpty())
            updated.append({item.id, changed});
        if (!gone.isEmpty())
            removed.append({item.id, gone});
        before = now;
    }
    if (!updated.isEmpty() || !removed.isEmpty())
        emit ItemsPropertiesUpdated(updated, removed);
}

QVariantMap DBusMenuExporter::properties(const StatusMenu::Item &item) const
{
    if (item.separator)
        return {{QStringLiteral("type"), QStringLiteral("separator")}, {QStringLiteral("visible"), item.visible}};
    QString label = item.title;
    label.replace(QLatin1Char('_'), QStringLiteral("__")); // a single underscore marks a mnemonic
    QVariantMap properties{
        {QStringLiteral("label"), label},
        {QStringLiteral("enabled"), item.enabled},
        {QStringLiteral("visible"), item.visible},
    };
    if (item.icon != StatusMenu::Icon::none && m_iconData)
        properties.insert(QStringLiteral("icon-data"), m_iconData(item.icon));
    if (!item.shortcut.isEmpty())
        properties.insert(QStringLiteral("shortcut"), QVariant::fromValue(shortcutKeys(item.shortcut)));
    if (item.style == StatusMenu::Style::warning)
        properties.insert(QStringLiteral("disposition"), QStringLiteral("warning"));
    return properties;
}

const StatusMenu::Item *DBusMenuExporter::find(int id) const
{
    for (const StatusMenu::Item &item : m_menu.items()) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

DBusMenuLayoutItem DBusMenuExporter::layoutOf(int id, int depth, const QStringList &propertyNames) const
{
    DBusMenuLayoutItem layout;
    layout.id = id;
    if (id == rootId) {
        layout.properties = only({{QStringLiteral("children-display"), QStringLiteral("submenu")}}, propertyNames);
        if (depth != 0) {
            for (const StatusMenu::Item &item : m_menu.items())
                layout.children.append(layoutOf(item.id, depth - 1, propertyNames));
        }
    } else if (const StatusMenu::Item *item = find(id)) {
        layout.properties = only(properties(*item), propertyNames);
    }
    return layout;
}

uint DBusMenuExporter::GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                                 DBusMenuLayoutItem &layout)
{
    layout = layoutOf(parentId, recursionDepth, propertyNames);
    return m_revision;
}

QList<DBusMenuItem> DBusMenuExporter::GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames)
{
    QList<DBusMenuItem> items;
    for (const int id : ids) {
        if (id == rootId || find(id))
            items.append({id, layoutOf(id, 0, propertyNames).properties});
    }
    return items;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString &name)
{
    return QDBusVariant(layoutOf(id, 0, {name}).properties.value(name));
}

void DBusMenuExporter::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    if (id == rootId && (eventId == QLatin1String("opened") || eventId == QLatin1String("closed")))
        m_menu.setOpen(eventId == QLatin1String("opened"));
    if (eventId != QLatin1String("clicked") || !find(id))
        return;
    // Leave the D-Bus call first: the action may open a window or quit.
    QTimer::singleShot(0, this, [this, id] { m_menu.activate(static_cast<StatusMenu::ItemId>(id)); });
}

QList<int> DBusMenuExporter::EventGroup(const QList<DBusMenuEvent> &events)
{
    QList<int> unknown;
    for (const DBusMenuEvent &event : events) {
        if (find(event.id))
            Event(event.id, event.eventId, event.data, event.timestamp);
        else
            unknown.append(event.id);
    }
    return unknown;
}

bool DBusMenuExporter::AboutToShow(int id)
{
    if (id != rootId)
        return false;
    if (m_aboutToShow)
        m_aboutToShow();
    return true;
}

QList<int> DBusMenuExporter::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    QList<int> updatesNeeded;
    for (const int id : ids) {
        if (id != rootId && !find(id))
            idErrors.append(id);
        else if (AboutToShow(id))
            updatesNeeded.append(id);
    }
    return updatesNeeded;
}
