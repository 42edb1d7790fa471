#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A gnome-keyring-daemon of the test's own on the private session bus, its login keyring
// created and unlocked in a temporary folder, so tests never touch the user's keyring.
class PrivateKeyring
{
public:
    // Call after PrivateSessionBus::start(); true once the Secret Service answers on the bus.
    bool start();
    ~PrivateKeyring();

private:
    QTemporaryDir m_home;
    QProcess m_daemon;
};
