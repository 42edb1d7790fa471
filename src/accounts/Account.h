#pragma once

#include "app/Providers.h"

#include <QString>

#include <optional>

// An account's id: generated once and kept. The first account of each provider is named by its
// provider's member in the status document ("claude", "chatgpt").
using AccountId = QString;

// One subscription whose figures are watched: whose they are, what credential reaches them, and
// how they are shown.
struct Account
{
    // Where its credential comes from.
    enum class Source {
        sessionKey,   // a pasted key, kept in the keyring under the account's own entry
        signInFolder, // a Claude Code or Codex sign-in in `folder`
        sameSignIn,   // the credential of the provider's first account, for another organisation or workspace
        browser,      // a key imported from a browser's cookies, kept like a pasted one
    };

    AccountId id;
    Provider provider = Provider::claude;
    QString label;
    Source source = Source::sessionKey;
    QString folder;   // of a signInFolder account
    QString serverId; // the organisation uuid or ChatGPT account id; empty: the credential's default one
    bool shown = true;

    static AccountId firstId(Provider provider) { return Providers::of(provider).reportKey; }
    bool isFirst() const { return id == firstId(provider); }
    bool operator==(const Account &) const = default;
};

namespace SourceNames {
// Its words in the status document and the command line: "key", "sign-in", "same-sign-in", "browser".
QString name(Account::Source source);
std::optional<Account::Source> fromName(const QString &name);
}
