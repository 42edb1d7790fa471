#pragma once

#include "platform/BrowserKeyring.h"
#include "platform/linux/KeyringCollection.h"

#include <QDBusConnection>

// The Chromium family's cookie password from the desktop's keyring over the bus: an item labelled
// "<name> Safe Storage" of the Secret Service, or the entry of that name in KWallet's
// "<name> Keys" folder. Locked items and closed wallets are reported as locked, never opened.
class SafeStorageKeyring final : public BrowserKeyring
{
public:
    SafeStorageKeyring(KeyringCollection::Backend backend, const QDBusConnection &bus);

    Lookup safeStoragePassword(const QStringList &names) override;

private:
    Lookup fromSecretService(const QStringList &names);
    Lookup fromKWallet(const QStringList &names);

    KeyringCollection::Backend m_backend;
    QDBusConnection m_bus;
};
