#pragma once

#include "platform/SecretStore.h"

#include <QObject>

// The keyring through QtKeychain: each name is one entry under the application's id, and the
// library never falls back to a plain-text file of its own.
class KeychainSecretStore final : public QObject, public SecretStore
{
public:
    explicit KeychainSecretStore(const QString &applicationId, QObject *parent = nullptr);

    void read(const QString &name, Completion completion) override;
    void write(const QString &name, const QString &secret, Completion completion) override;
    void remove(const QString &name, Completion completion) override;

private:
    QString m_applicationId;
};
