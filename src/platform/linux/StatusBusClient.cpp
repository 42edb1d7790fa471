#include "StatusBusClient.h"

#include "platform/linux/StatusBusObject.h"

#include <QDBusMessage>
#include <QDBusServiceWatcher>

namespace {

constexpr int statusTimeoutMs = 5000;
// The program answers a refresh within 30 seconds; a little more covers the bus itself.
constexpr int refreshTimeoutMs = 35000;

} // namespace

StatusBusClient::StatusBusClient(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
}

std::optional<QString> StatusBusClient::call(const QString &method, int timeoutMs)
{
    if (!m_bus.isConnected())
        return std::nullopt;
    const QDBusMessage request = QDBusMessage::createMethodCall(
        StatusBusObject::serviceName, StatusBusObject::objectPath, StatusBusObject::interfaceName, method);
    const QDBusMessage reply = m_bus.call(request, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return std::nullopt;
    return reply.arguments().constFirst().toString();
}

std::optional<QString> StatusBusClient::status()
{
    return call(QStringLiteral("Status"), statusTimeoutMs);
}

std::optional<QString> StatusBusClient::refresh()
{
    return call(QStringLiteral("Refresh"), refreshTimeoutMs);
}

bool StatusBusClient::follow(std::function<void(const QString &)> onChange, std::function<void()> onGone)
{
    if (!m_bus.isConnected())
        return false;
    m_onChange = std::move(onChange);
    auto *watcher = new QDBusServiceWatcher(StatusBusObject::serviceName, m_bus,
                                            QDBusServiceWatcher::WatchForUnregistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, [onGone = std::move(onGone)] { onGone(); });
    m_bus.connect(StatusBusObject::serviceName, StatusBusObject::objectPath, StatusBusObject::interfaceName,
                  QStringLiteral("Changed"), this, SLOT(changed(QString)));
    // Asked after subscribing, so that no change falls between the first answer and the first signal.
    const std::optional<QString> first = status();
    if (!first)
        return false;
    m_onChange(*first);
    return true;
}

void StatusBusClient::changed(const QString &status)
{
    if (m_onChange)
        m_onChange(status);
}
