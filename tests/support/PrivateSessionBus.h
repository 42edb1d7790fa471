#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A dbus-daemon of the test's own, made the session bus of this process. It starts no services
// of the machine on demand: a name is there only when a test owns it.
class PrivateSessionBus
{
public:
    // Starts the daemon and sets DBUS_SESSION_BUS_ADDRESS; call before any session-bus use.
    bool start();
    ~PrivateSessionBus();

    QString address() const { return m_address; }

private:
    QTemporaryDir m_configFolder;
    QProcess m_daemon;
    QString m_address;
};
