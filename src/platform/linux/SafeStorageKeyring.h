#pragma once

#include "platform/BrowserKeyring.h"
#include "platform/linux/KeyringCollection.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusObjectPath>

// The Chromium family's cookie password from the desktop's keyring over the bus: an item labelled
// "<name> Safe Storage" of the Secret Service, or the entry of that name in KWallet's
// "<name> Keys" folder. A locked item is unlocked only through the keyring's own prompt, where the
// user types the password or declines; a closed wallet is reported as locked, never opened.
class SafeStorageKeyring final : public BrowserKeyring
{
    Q_DECLARE_TR_FUNCTIONS(SafeStorageKeyring)

public:
    SafeStorageKeyring(KeyringCollection::Backend backend, const QDBusConnection &bus);

    Lookup safeStoragePassword(const QStringList &names) override;

private:
    Lookup fromSecretService(const QStringList &names);
    Lookup fromKWallet(const QStringList &names);
    // Whether the user unlocked the item's keyring at the keyring's prompt.
    bool unlock(const QDBusObjectPath &item);

    KeyringCollection::Backend m_backend;
    QDBusConnection m_bus;
};
