#pragma once

#include "platform/linux/DBusMenuTypes.h"
#include "platform/linux/StatusNotifierItem.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QObject>
#include <QStringList>
#include <QTimer>

// What another program on the session bus sees: calls and property reads, and a panel host's view
// of a StatusNotifierItem and its dbusmenu.
namespace BusProbe {

inline const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");
inline const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");
inline const QString menuPath = QStringLiteral("/MenuBar");

// By default the call runs a local event loop, so that items and services in the test's own
// process can answer; QDBus::Block keeps signals that the call brings on for a later wait.
inline QDBusMessage call(const QString &service, const QString &path, const QString &interface, const QString &method,
                         const QVariantList &arguments = {}, QDBus::CallMode mode = QDBus::BlockWithGui)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    if (mode != QDBus::BlockWithGui)
        return QDBusConnection::sessionBus().call(message, mode);
    // QtDBus's own wait with an event loop (Qt 6.4) now and then misses its reply on a loaded
    // machine and waits for ever, with the answer already in: this loop looks for it every few
    // milliseconds, and gives up after D-Bus's usual 25 s.
    const QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(message);
    const QDeadlineTimer deadline(25000);
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (pending.isFinished() || deadline.hasExpired())
            loop.quit();
    });
    look.start(2);
    if (!pending.isFinished())
        loop.exec();
    return pending.isFinished() ? pending.reply()
                                : message.createErrorReply(QDBusError::Timeout, QStringLiteral("no answer in 25 s"));
}

inline QVariant property(const QString &service, const QString &path, const QString &interface, const QString &name)
{
    const QDBusReply<QDBusVariant> reply =
        call(service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"), {interface, name});
    return reply.isValid() ? reply.value().variant() : QVariant();
}

template<typename T>
T itemProperty(const QString &service, const QString &name)
{
    return qdbus_cast<T>(property(service, StatusNotifierItem::objectPath, itemInterface, name));
}

inline bool callMenu(const QString &service, const QString &method, const QVariantList &arguments)
{
    return call(service, menuPath, menuInterface, method, arguments).type() == QDBusMessage::ReplyMessage;
}

// A click ("clicked"), or the menu's opening or closing, on the row with that id.
inline bool menuEvent(const QString &service, int id, const QString &kind)
{
    return callMenu(service, QStringLiteral("Event"), {id, kind, QVariant::fromValue(QDBusVariant(0)), 0u});
}

inline DBusMenuLayoutItem layoutOf(const QString &service)
{
    const QDBusMessage reply = call(service, menuPath, menuInterface, QStringLiteral("GetLayout"), {0, -1, QStringList()});
    DBusMenuLayoutItem layout;
    if (reply.arguments().size() == 2)
        reply.arguments().at(1).value<QDBusArgument>() >> layout;
    return layout;
}

// A row as a host draws it: its label (or "---"), whether it is disabled or hidden, its shortcut and logo.
inline QString describe(const DBusMenuLayoutItem &item)
{
    const QVariantMap &p = item.properties;
    QString text = p.value(QStringLiteral("type")).toString() == QLatin1String("separator")
        ? QStringLiteral("---")
        : p.value(QStringLiteral("label")).toString();
    if (!p.value(QStringLiteral("enabled"), true).toBool())
        text += QStringLiteral(" (disabled)");
    if (!p.value(QStringLiteral("visible"), true).toBool())
        text += QStringLiteral(" (hidden)");
    if (p.contains(QStringLiteral("shortcut")))
        text += QStringLiteral(" [") + qdbus_cast<QList<QStringList>>(p.value(QStringLiteral("shortcut"))).value(0).join('+') + ']';
    if (p.contains(QStringLiteral("icon-data")))
        text += QStringLiteral(" +icon");
    return text;
}

// Connects a probe's slot to one of an item's (or, with the menu's path and interface, its menu's) signals.
inline bool listen(const QString &service, const char *signal, QObject *probe, const char *slot,
                   const QString &path = StatusNotifierItem::objectPath, const QString &interface = itemInterface)
{
    return QDBusConnection::sessionBus().connect(service, path, interface, QString::fromLatin1(signal), probe, slot);
}

// Counts the items' and the menu's signals.
class SignalProbe final : public QObject
{
    Q_OBJECT
public:
    QStringList labels;
    int icons = 0;
    int propertyUpdates = 0;
    int toolTips = 0;

public slots:
    void onNewToolTip() { ++toolTips; }
    void onNewLabel(const QString &label, const QString &) { labels.append(label); }
    void onNewIcon() { ++icons; }
    void onPropertiesUpdated(const QDBusMessage &) { ++propertyUpdates; }
};

}
