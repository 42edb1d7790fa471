#pragma once

#include <QProcess>
#include <QString>

// A dbus-daemon of the test's own, made the session bus of this process.
class PrivateSessionBus
{
public:
    // Starts the daemon and sets DBUS_SESSION_BUS_ADDRESS; call before any session-bus use.
    bool start();
    ~PrivateSessionBus();

    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};
