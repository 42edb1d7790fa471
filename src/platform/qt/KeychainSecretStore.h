#pragma once

#include "platform/SecretStore.h"

#include <QObject>

class KeyringCollection;

// The keyring through QtKeychain: each name is one entry under the application's id, and the
// library never falls back to a plain-text file of its own. The collection's state is asked of
// `collection`, which must watch the keyring QtKeychain uses on this desktop.
class KeychainSecretStore final : public QObject, public SecretStore
{
public:
    KeychainSecretStore(const QString &applicationId, KeyringCollection &collection, QObject *parent = nullptr);

    void collection(std::function<void(Collection)> then) override;
    void read(const QString &name, Completion completion) override;
    void write(const QString &name, const QString &secret, Completion completion) override;
    void remove(const QString &name, Completion completion) override;

private:
    QString m_applicationId;
    KeyringCollection &m_collection;
};
