#pragma once

#include "platform/SecretStore.h"

#include <QDBusConnection>
#include <QObject>

// The state of the keyring's collection as the bus tells it, without a prompt: the Secret
// Service's default collection, or on KDE the wallet that KWallet keeps network passwords in.
// Followed as the collection is made, locked or unlocked.
class KeyringCollection final : public QObject
{
    Q_OBJECT
public:
    enum class Backend { secretService, kwallet5, kwallet6 };

    KeyringCollection(Backend backend, const QDBusConnection &bus, QObject *parent = nullptr);

    // The keyring the secrets go to on this desktop (by XDG_CURRENT_DESKTOP and KDE_SESSION_VERSION).
    static Backend backendFor(const QString &currentDesktop, const QString &kdeSessionVersion);

    // Asks the bus; `then` runs later on the main thread.
    void state(std::function<void(SecretStore::Collection)> then);

signals:
    // The collection may have been made, locked or unlocked.
    void changed();

private slots:
    void somethingChanged();

private:
    void askSecretService(std::function<void(SecretStore::Collection)> then);
    void askKWallet(std::function<void(SecretStore::Collection)> then);

    Backend m_backend;
    QDBusConnection m_bus;
};
