#include "StatusBusClient.h"

#include "platform/LogCategories.h"
#include "platform/linux/StatusBusObject.h"

#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A call the program did not answer: the error's name says why (no owner, time-out, no bus).
void logUnanswered(const QString &method, const QDBusMessage &reply)
{
    qCInfo(busLog).noquote().nospace() << method << " not answered: "
                                       << (reply.type() == QDBusMessage::ErrorMessage ? reply.errorName()
                                                                                      : QStringLiteral("unexpected reply"));
}

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
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) {
        logUnanswered(method, reply);
        return std::nullopt;
    }
    return reply.arguments().constFirst().toString();
}

std::optional<StatusClient::Answer> StatusBusClient::answer(const QString &method, const QVariantList &arguments)
{
    if (!m_bus.isConnected())
        return std::nullopt;
    QDBusMessage request = QDBusMessage::createMethodCall(StatusBusObject::serviceName, StatusBusObject::objectPath,
                                                          StatusBusObject::interfaceName, method);
    request.setArguments(arguments);
    const QDBusMessage reply = m_bus.call(request, QDBus::Block, statusTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return Answer{true, reply.arguments().value(0).toString()};
    // Only the program's own refusals are answers; anything else means no program answered.
    if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName().startsWith(StatusBusObject::interfaceName))
        return Answer{false, reply.errorMessage()};
    logUnanswered(method, reply);
    return std::nullopt;
}

std::optional<StatusClient::Answer> StatusBusClient::editAccount(const QString &verb, const QStringList &arguments)
{
    return answer(QStringLiteral("EditAccount"), {verb, arguments});
}

std::optional<StatusClient::Answer> StatusBusClient::addAccount(const QString &provider, const QString &label,
                                                                 const QString &source, const QString &key)
{
    // The key goes into a pipe whose reading end travels with the call: it is never part of the
    // message itself. A pipe holds far more than any key, so writing it never waits.
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return Answer{false, tr("cannot make a pipe for the key")};
    const QByteArray bytes = key.toUtf8();
    const bool written = ::write(ends[1], bytes.constData(), size_t(bytes.size())) == bytes.size();
    ::close(ends[1]);
    const QDBusUnixFileDescriptor reading(ends[0]); // keeps a copy of its own
    ::close(ends[0]);
    if (!written)
        //: The key could not be written into the pipe that hands it to the running program
        return Answer{false, tr("cannot hand the key over")};
    return answer(QStringLiteral("AddAccount"), {provider, label, source, QVariant::fromValue(reading)});
}

std::optional<QString> StatusBusClient::status()
{
    return call(QStringLiteral("Status"), statusTimeoutMs);
}

std::optional<QString> StatusBusClient::refresh()
{
    return call(QStringLiteral("Refresh"), refreshTimeoutMs);
}

bool StatusBusClient::follow(std::function<void(const QString &)> onStatus, std::function<void()> onGone)
{
    if (!m_bus.isConnected())
        return false;
    m_onChange = std::move(onStatus);
    m_onGone = std::move(onGone);
    // The bus tells when the name gets or loses its owner (NameOwnerChanged): no asking in a loop.
    auto *watcher = new QDBusServiceWatcher(StatusBusObject::serviceName, m_bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                if (newOwner.isEmpty()) {
                    m_onGone();
                } else if (const std::optional<QString> now = status()) {
                    m_onChange(*now);
                }
            });
    // The signal follows the name to whichever connection owns it.
    m_bus.connect(StatusBusObject::serviceName, StatusBusObject::objectPath, StatusBusObject::interfaceName,
                  QStringLiteral("Changed"), this, SLOT(changed(QString)));
    // Asked after subscribing, so that no change falls between the first answer and the first signal.
    if (const std::optional<QString> first = status())
        m_onChange(*first);
    else
        m_onGone();
    return true;
}

void StatusBusClient::changed(const QString &status)
{
    if (m_onChange)
        m_onChange(status);
}
