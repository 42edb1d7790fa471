#include "StatusBusObject.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

StatusBusObject::StatusBusObject(Handlers handlers, QObject *parent)
    : QObject(parent)
    , m_handlers(std::move(handlers))
{
}

bool StatusBusObject::publish(QDBusConnection bus)
{
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableContents |
                                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                                   QDBusConnection::ExportAllProperties))
        return false;
    if (!bus.registerService(serviceName)) {
        bus.unregisterObject(objectPath);
        return false;
    }
    m_bus = bus;
    return true;
}

void StatusBusObject::announceChange()
{
    if (!m_bus)
        return;
    emit Changed(m_handlers.status());
    QDBusMessage signal = QDBusMessage::createSignal(objectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << interfaceName << QVariantMap{{QStringLiteral("State"), state()}} << QStringList();
    m_bus->send(signal);
}

QString StatusBusObject::Status()
{
    return m_handlers.status();
}

QString StatusBusObject::Refresh()
{
    if (!calledFromDBus())
        return {};
    setDelayedReply(true);
    m_handlers.refresh([bus = connection(), call = message(), status = m_handlers.status] {
        bus.send(call.createReply(status()));
    });
    return {};
}
