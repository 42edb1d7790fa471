#include "PrivateSessionBus.h"

bool PrivateSessionBus::start()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(5000))
        return false;
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(5000))
            return false;
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
    return !m_address.isEmpty();
}

PrivateSessionBus::~PrivateSessionBus()
{
    m_daemon.terminate();
    m_daemon.waitForFinished(3000);
}
