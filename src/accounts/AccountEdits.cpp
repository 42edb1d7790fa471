#include "AccountEdits.h"

#include "usage/HTTPClient.h"

namespace AccountEdits {

namespace {

std::optional<Provider> providerNamed(const QString &name)
{
    for (const ProviderIdentity &identity : Providers::all) {
        if (identity.reportKey == name || identity.id == name)
            return identity.provider;
    }
    return std::nullopt;
}

} // namespace

QString edit(AccountList &accounts, const QString &verb, const QStringList &arguments)
{
    if (verb == QLatin1String("add-same-sign-in")) {
        const std::optional<Provider> provider = providerNamed(arguments.value(0));
        const QString serverId = arguments.value(1).trimmed();
        if (arguments.size() != 3 || !provider || serverId.isEmpty())
            return QStringLiteral("add-same-sign-in takes a provider, an organisation or workspace id and a label");
        if (!HTTPClient::isSafeHeaderValue(serverId) || serverId == QLatin1String(".") || serverId == QLatin1String(".."))
            return QStringLiteral("'%1' is not an organisation or workspace id").arg(serverId);
        const QList<Account> existing = accounts.of(*provider);
        if (std::any_of(existing.cbegin(), existing.cend(), [&](const Account &a) { return a.serverId == serverId; }))
            return QStringLiteral("an account for '%1' exists already").arg(serverId);
        accounts.add(Account{{}, *provider, arguments.at(2), Account::Source::sameSignIn, {}, serverId});
        return {};
    }
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

Added add(AccountList &accounts, const QString &providerId, const QString &label, const QString &sourceName,
          const QString &key)
{
    const std::optional<Provider> provider = providerNamed(providerId);
    if (!provider)
        return {{}, QStringLiteral("unknown provider '%1' (claude or chatgpt)").arg(providerId)};
    const std::optional<Account::Source> source = SourceNames::fromName(sourceName);
    if (source != Account::Source::sessionKey && source != Account::Source::browser)
        return {{}, QStringLiteral("unknown key source '%1' (key or browser)").arg(sourceName)};
    const QString value = HTTPClient::withoutBlankEnds(key).trimmed();
    if (value.isEmpty())
        return {{}, QStringLiteral("no key was given")};
    if (!HTTPClient::isSafeHeaderValue(value))
        return {{}, QStringLiteral("the key holds invalid characters")};
    return {accounts.add(Account{{}, *provider, label.trimmed(), *source}, value), {}};
}

}
