#pragma once

#include "accounts/Account.h"

#include <QList>
#include <QObject>

class AppSettings;

// The one place that says which accounts exist, in which order, whether each is shown and whether
// it has a credential to fetch with. The first account of each provider is made of the provider's
// own settings; the others are kept as one setting of their own, written only when they change.
class AccountList final : public QObject
{
    Q_OBJECT
public:
    // `signInExists` tells whether a sign-in folder holds a sign-in file for the provider;
    // `keepAsCredential` makes a new account's key a credential of the store before it is written.
    AccountList(AppSettings &settings, std::function<bool(Provider, const QString &folder)> signInExists,
                std::function<void(const QString &key)> keepAsCredential = {}, QObject *parent = nullptr);

    // Provider by provider in the providers' order, each provider's accounts in their order.
    QList<Account> all() const;
    QList<Account> of(Provider provider) const;
    std::optional<Account> find(const AccountId &id) const;
    // By id, or else by label (case-insensitive) when exactly one account has it.
    std::optional<Account> match(const QString &idOrLabel) const;
    // The accounts a refresh asks for: the shown ones that have a credential, and each provider's
    // first one as it always was.
    QList<Account> fetched() const;
    // Whether the provider has an item in the panel: one of its accounts is shown.
    bool anyShown(Provider provider) const;

    bool hasCredential(const AccountId &id) const;
    // The defaults key of an account's own pasted or imported key; empty for the others.
    static QString credentialKey(const Account &account);

    // Edits; each writes the list and says changed(). False for an unknown id or a refused edit.
    // With `key`, the account's own key is stored before anyone hears of the account.
    AccountId add(Account account, const std::optional<QString> &key = std::nullopt);
    bool remove(const AccountId &id);
    bool rename(const AccountId &id, const QString &label);
    bool setShown(const AccountId &id, bool shown);
    bool move(const AccountId &id, int steps);
    // Another organisation or workspace of a sign-in the provider's first account uses, as found
    // on the server: listed hidden, and kept in the settings only once the user shows, renames or
    // moves it (so finding it never rewrites the settings file). Its id follows from the server's.
    void offer(Provider provider, const QString &serverId, const QString &name);

    // The accounts the credentials of `extraKeys` belong to, as read from the file before the
    // keyring starts: each account's key is kept apart.
    static QStringList credentialKeys(const QString &storedList);

signals:
    void changed();

private:
    void read();
    // Stores the list and says so.
    void write();
    void store();
    QString defaultLabel(Provider provider) const;

    AppSettings &m_settings;
    std::function<bool(Provider, const QString &)> m_signInExists;
    std::function<void(const QString &)> m_keepAsCredential;
    // Makes an offered account a kept one; false when `id` is not offered.
    bool keep(const AccountId &id);

    QList<Account> m_others; // every account but the first ones, in their order
    QList<Account> m_offered; // found on the server, not kept yet: listed after the kept ones
    std::array<QString, 2> m_firstLabels; // set by the user; empty: the provider's name
    std::array<QString, 2> m_firstServerIds;
};
