#pragma once

#include "accounts/Account.h"
#include "usage/ProviderUsage.h"
#include "usage/UsageSource.h"

#include <QObject>

// What fetches each account's usage: start a cycle for an account, and hear its outcome.
class UsageSources : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void fetch(const AccountId &id) = 0;
    // When the account's service asked not to be asked again before, while that is still ahead.
    virtual std::optional<QDateTime> nextTryAt(const AccountId &id) const = 0;
    // What the account's cycle under way waits for before it can ask the service.
    virtual Awaiting awaiting(const AccountId &id) const = 0;

signals:
    void delivered(const AccountId &id, const ProviderUsage &usage);
    // The account's credential was refused or has expired.
    void needsLogin(const AccountId &id);
};
