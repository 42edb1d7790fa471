#include "AccountEdits.h"

#include "usage/HTTPClient.h"

namespace AccountEdits {

QString edit(AccountList &accounts, const QString &verb, const QStringList &arguments)
{
    const bool rename = verb == QLatin1String("rename");
    if (!rename && verb != QLatin1String("show") && verb != QLatin1String("hide") && verb != QLatin1String("remove"))
        return QStringLiteral("unknown edit '%1'").arg(verb);
    if (arguments.size() != (rename ? 2 : 1))
        return rename ? QStringLiteral("rename takes an account and a label") : QStringLiteral("%1 takes one account").arg(verb);
    const std::optional<Account> account = accounts.match(arguments.constFirst());
    if (!account)
        return QStringLiteral("no account '%1' (two accounts with that label are named by their ids)").arg(arguments.constFirst());
    if (rename)
        return accounts.rename(account->id, arguments.at(1)) ? QString() : QStringLiteral("a label cannot be empty");
    if (verb == QLatin1String("remove")) {
        return accounts.remove(account->id)
            ? QString()
            : QStringLiteral("%1 is the provider's first account: clear its key in Preferences instead").arg(account->label);
    }
    accounts.setShown(account->id, verb == QLatin1String("show"));
    return {};
}

Added add(AccountList &accounts, const QString &providerId, const QString &label,
          const QString &key)
{
    std::optional<Provider> provider;
    for (const ProviderIdentity &identity : Providers::all) {
        if (identity.reportKey == providerId || identity.id == providerId)
            provider = identity.provider;
    }
    if (!provider)
        return {{}, QStringLiteral("unknown provider '%1' (claude or chatgpt)").arg(providerId)};
    const QString value = HTTPClient::withoutBlankEnds(key).trimmed();
    if (value.isEmpty())
        return {{}, QStringLiteral("no key was given")};
    if (!HTTPClient::isSafeHeaderValue(value))
        return {{}, QStringLiteral("the key holds invalid characters")};
    return {accounts.add(Account{{}, *provider, label.trimmed(), Account::Source::sessionKey}, value), {}};
}

}
