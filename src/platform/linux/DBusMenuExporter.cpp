#include "DBusMenuExporter.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTimer>

#include <algorithm>

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

} // namespace

DBusMenuShortcut dbusMenuShortcut(const QString &shortcut)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("Ctrl"), QStringLiteral("Control")},
        {QStringLiteral("Meta"), QStringLiteral("Super")},
        {QStringLiteral(","), QStringLiteral("comma")},
        {QStringLiteral("."), QStringLiteral("period")},
        {QStringLiteral("-"), QStringLiteral("minus")},
        {QStringLiteral("="), QStringLiteral("equal")},
        {QStringLiteral(";"), QStringLiteral("semicolon")},
        {QStringLiteral("/"), QStringLiteral("slash")},
    };
    QStringList keys;
    // "Ctrl++" would split into empty parts; the portable texts used here have none.
    const QStringList parts = shortcut.split(QLatin1Char('+'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (names.contains(part))
            keys.append(names.value(part));
        else if (part.size() == 1)
            keys.append(part.toLower()); // GTK's name of a letter key is the letter itself
        else
            keys.append(part); // "Shift", "Alt", "F5" are already GTK names
    }
    return {keys};
}

DBusMenuExporter::DBusMenuExporter(const QList<StatusMenuRow> &rows, StatusMenuHandlers handlers, IconData iconData,
                                   QObject *parent)
    : QObject(parent)
    , m_rows(rows)
    , m_handlers(std::move(handlers))
    , m_iconData(std::move(iconData))
{
    registerDBusMenuTypes();
    for (const StatusMenuRow &row : m_rows)
        m_published.insert(row.id, properties(row));
}

void DBusMenuExporter::update(const QList<StatusMenuRow> &rows)
{
    const bool sameRows = std::equal(m_rows.cbegin(), m_rows.cend(), rows.cbegin(), rows.cend(),
                                     [](const StatusMenuRow &a, const StatusMenuRow &b) { return a.id == b.id; });
    m_rows = rows;
    QList<DBusMenuItem> updated;
    QList<DBusMenuItemKeys> removed;
    for (const StatusMenuRow &row : m_rows) {
        const QVariantMap now = properties(row);
        QVariantMap &before = m_published[row.id];
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
            updated.append({row.id, changed});
        if (!gone.isEmpty())
            removed.append({row.id, gone});
        before = now;
    }
    // A host asks a new layout for the rows it does not know yet and keeps what it has of the
    // others: those hear of their changes above even when the layout changes too.
    if (!updated.isEmpty() || !removed.isEmpty())
        emit ItemsPropertiesUpdated(updated, removed);
    if (!sameRows) {
        m_published.removeIf([this](const auto &published) { return !find(published.key()); });
        emit LayoutUpdated(++m_revision, rootId);
    }
}

QVariantMap DBusMenuExporter::properties(const StatusMenuRow &item) const
{
    if (item.separator)
        return {{QStringLiteral("type"), QStringLiteral("separator")}, {QStringLiteral("visible"), item.visible}};
    QString label = item.title;
    label.replace(QLatin1Char('_'), QStringLiteral("__")); // a single underscore marks a mnemonic
    // A disabled row only informs, and hosts grey disabled rows to the point of being hard to read
    // (2.4 to 4.2:1): it is published enabled, and a click on it does nothing.
    QVariantMap properties{
        {QStringLiteral("label"), label},
        {QStringLiteral("enabled"), true},
        {QStringLiteral("visible"), item.visible},
    };
    if (!item.icon.isEmpty() && m_iconData)
        properties.insert(QStringLiteral("icon-data"), m_iconData(item.icon));
    if (!item.shortcut.isEmpty())
        properties.insert(QStringLiteral("shortcut"), QVariant::fromValue(dbusMenuShortcut(item.shortcut)));
    if (item.style == StatusMenuRow::Style::warning)
        properties.insert(QStringLiteral("disposition"), QStringLiteral("warning"));
    return properties;
}

const StatusMenuRow *DBusMenuExporter::find(int id) const
{
    for (const StatusMenuRow &row : m_rows) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

bool DBusMenuExporter::known(int id) const
{
    return id == rootId || find(id);
}

DBusMenuLayoutItem DBusMenuExporter::layoutOf(int id, int depth, const QStringList &propertyNames) const
{
    DBusMenuLayoutItem layout;
    layout.id = id;
    if (id == rootId) {
        layout.properties = only({{QStringLiteral("children-display"), QStringLiteral("submenu")}}, propertyNames);
        if (depth != 0) {
            for (const StatusMenuRow &row : m_rows)
                layout.children.append(layoutOf(row.id, depth - 1, propertyNames));
        }
    } else if (const StatusMenuRow *item = find(id)) {
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
    // No ids asks for every item.
    QList<int> wanted = ids;
    if (wanted.isEmpty()) {
        for (const StatusMenuRow &row : m_rows)
            wanted.append(row.id);
    }
    QList<DBusMenuItem> items;
    for (const int id : std::as_const(wanted)) {
        if (known(id))
            items.append({id, layoutOf(id, 0, propertyNames).properties});
    }
    return items;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString &name)
{
    const QVariantMap properties = layoutOf(id, 0, {name}).properties;
    if (!known(id) || !properties.contains(name)) {
        if (calledFromDBus())
            sendErrorReply(QDBusError::InvalidArgs,
                           QStringLiteral("Item %1 has no property \"%2\"").arg(id).arg(name));
        return {};
    }
    return QDBusVariant(properties.value(name));
}

void DBusMenuExporter::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    const StatusMenuRow *row = find(id);
    if (eventId != QLatin1String("clicked") || !row || !row->enabled)
        return;
    // Leave the D-Bus call first: the action may open a window or quit.
    QTimer::singleShot(0, this, [this, id] {
        if (m_handlers.activate)
            m_handlers.activate(id);
    });
}

QList<int> DBusMenuExporter::EventGroup(const QList<DBusMenuEvent> &events)
{
    QList<int> unknown;
    for (const DBusMenuEvent &event : events) {
        if (known(event.id))
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
    if (m_handlers.aboutToShow)
        m_handlers.aboutToShow();
    return true;
}

QList<int> DBusMenuExporter::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    QList<int> updatesNeeded;
    for (const int id : ids) {
        if (!known(id))
            idErrors.append(id);
        else if (AboutToShow(id))
            updatesNeeded.append(id);
    }
    return updatesNeeded;
}
