#pragma once

#include "accounts/AccountList.h"
#include "accounts/UsageRecords.h"

#include <QObject>

// What the Accounts list in Preferences shows of a provider's accounts, and the accounts that
// "Add Account…" offers: a key to paste, a sign-in folder found here, another organisation or
// workspace of a sign-in in use.
class AccountRows final : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        AccountList &accounts;
        const UsageRecords &records;
        UsageSources &sources;
        // The sign-in folders of the provider's command-line tool found on this machine.
        std::function<QStringList(Provider)> signInFolders;
        // The folder the provider's first account signs in with, when it uses a sign-in.
        std::function<std::optional<QString>(Provider)> firstAccountFolder;
    };

    struct Row
    {
        AccountId id;
        QString label;
        QString source; // "Pasted key", "Claude Code sign-in in ~/.claude-work" …
        QString status; // "Connected · Pro", "Session expired — check your key" …
        bool ok = false; // the status is good news
        bool shown = true;
        bool first = false; // the provider's own account: its key is the field above
        bool canMoveUp = false;
        bool canMoveDown = false;

        bool operator==(const Row &) const = default;
    };

    struct Choice
    {
        enum class Kind { pasteKey, signInFolder, sameSignIn };
        Kind kind = Kind::pasteKey;
        QString text;
        QString folder;     // of a sign-in folder
        AccountId offered;  // another organisation or workspace, listed hidden
    };

    explicit AccountRows(Services services, QObject *parent = nullptr);

    QList<Row> rows(Provider provider) const;
    QList<Choice> choices(Provider provider) const;

    // Asks the account's service once, whether shown or not.
    void test(const AccountId &id) { m_services.sources.fetch(id); }
    bool rename(const AccountId &id, const QString &label) { return m_services.accounts.rename(id, label); }
    bool setShown(const AccountId &id, bool shown) { return m_services.accounts.setShown(id, shown); }
    bool remove(const AccountId &id) { return m_services.accounts.remove(id); }
    bool move(const AccountId &id, int steps) { return m_services.accounts.move(id, steps); }
    // Carries out a choice; a pasted key comes with its label. The new account is shown and asked.
    AccountId add(Provider provider, const Choice &choice, const QString &label = {}, const QString &key = {});

    // "~/.claude-work" for a folder under the home folder.
    static QString folderName(const QString &folder, const QString &home);

signals:
    // An account or its record changed: the rows say something else.
    void changed();

private:
    // "Claude Code sign-in in ~/.claude-work".
    static QString signInText(Provider provider, const QString &folder);
    QString sourceText(const Account &account) const;
    std::pair<QString, bool> statusOf(const Account &account) const;

    Services m_services;
};
