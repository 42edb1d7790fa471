#pragma once

#include "accounts/AccountList.h"

// The edits other programs ask for through the bus, checked and carried out on the account list.
namespace AccountEdits {

// "show", "hide", "remove" ID or "rename" ID LABEL, the account named by its id or label; or
// "add-same-sign-in" PROVIDER SERVER-ID LABEL, another organisation or workspace of the sign-in
// the provider's first account uses. An error text when refused, empty when done.
QString edit(AccountList &accounts, const QString &verb, const QStringList &arguments);

struct Added
{
    AccountId id;
    QString error;
};
// A new account of the provider ("claude", "chatgpt") whose own key is `key`, kept like a pasted
// one; `source` says where it came from: "key" (pasted) or "browser".
Added add(AccountList &accounts, const QString &provider, const QString &label, const QString &source,
          const QString &key);

}
