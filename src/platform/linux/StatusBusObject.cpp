#include "StatusBusObject.h"

#include "platform/LogCategories.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Everything waiting in the pipe the caller wrote the key into, without waiting for more.
std::optional<QByteArray> readKey(const QDBusUnixFileDescriptor &key)
{
    constexpr qsizetype limit = 64 * 1024; // far beyond any key
    const int fd = ::fcntl(key.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        return std::nullopt;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    QByteArray bytes;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0 && bytes.size() <= limit)
        bytes.append(buffer, got);
    ::close(fd);
    if (bytes.size() > limit)
        return std::nullopt;
    return bytes;
}

} // namespace

StatusBusObject::StatusBusObject(Handlers handlers, QObject *parent)
    : QObject(parent)
    , m_handlers(std::move(handlers))
{
}

bool StatusBusObject::publish(QDBusConnection bus)
{
    const auto failed = [&bus](const char *what) {
        qCInfo(busLog).noquote().nospace() << "status service not published: " << what << ": "
                                           << (bus.lastError().isValid() ? bus.lastError().name() : QStringLiteral("no session bus"));
        return false;
    };
    if (!bus.isConnected())
        return failed("no connection");
    if (!bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableContents |
                                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                                   QDBusConnection::ExportAllProperties))
        return failed("object path taken");
    if (!bus.registerService(serviceName)) {
        bus.unregisterObject(objectPath);
        return failed("name taken");
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

void StatusBusObject::EditAccount(const QString &verb, const QStringList &arguments)
{
    //: The running program's answer to an account change it cannot make; the command line prints it
    const QString refused = m_handlers.editAccount ? m_handlers.editAccount(verb, arguments) : tr("not available");
    if (!refused.isEmpty() && calledFromDBus())
        sendErrorReply(refusedError, refused);
}

QString StatusBusObject::AddAccount(const QString &provider, const QString &label, const QString &source,
                                   const QDBusUnixFileDescriptor &key)
{
    const std::optional<QByteArray> bytes = key.isValid() ? readKey(key) : std::nullopt;
    const Handlers::Added added = !bytes ? Handlers::Added{{}, tr("the key could not be read")}
                                : m_handlers.addAccount ? m_handlers.addAccount(provider, label, source, QString::fromUtf8(*bytes))
                                                        : Handlers::Added{{}, tr("not available")};
    if (!added.error.isEmpty() && calledFromDBus())
        sendErrorReply(refusedError, added.error);
    return added.id;
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
