#include "AccountEdits.h"

#include "usage/HTTPClient.h"

#include <QCoreApplication>

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
            //: "add-same-sign-in" is a command's name: keep it as it is
            return QCoreApplication::translate("AccountEdits", "add-same-sign-in takes a provider, an organisation or workspace id and a label");
        if (!HTTPClient::isSafeHeaderValue(serverId) || serverId == QLatin1String(".") || serverId == QLatin1String(".."))
            //: %1 is what was given as an organisation's or workspace's id
            return QCoreApplication::translate("AccountEdits", "'%1' is not an organisation or workspace id").arg(serverId);
        const QList<Account> existing = accounts.of(*provider);
        if (std::any_of(existing.cbegin(), existing.cend(), [&](const Account &a) { return a.serverId == serverId; }))
            //: %1 is an organisation's or workspace's id
            return QCoreApplication::translate("AccountEdits", "an account for '%1' exists already").arg(serverId);
        accounts.add(Account{{}, *provider, arguments.at(2), Account::Source::sameSignIn, {}, serverId});
        return {};
    }
    const bool rename = verb == QLatin1String("rename");
    if (!rename && verb != QLatin1String("show") && verb != QLatin1String("hide") && verb != QLatin1String("remove"))
        //: %1 is the edit asked for, as given ("rename")
        return QCoreApplication::translate("AccountEdits", "unknown edit '%1'").arg(verb);
    if (rename && arguments.size() != 2) {
        //: "rename" is a command's name: keep it as it is
        return QCoreApplication::translate("AccountEdits", "rename takes an account and a label");
    }
    if (!rename && arguments.size() != 1) {
        //: %1 is a command's name ("show", "hide", "remove"): keep it as it is
        return QCoreApplication::translate("AccountEdits", "%1 takes one account").arg(verb);
    }
    const std::optional<Account> account = accounts.match(arguments.constFirst());
    if (!account)
        //: %1 is the account's id or label, as given
        return QCoreApplication::translate("AccountEdits", "no account '%1' (two accounts with that label are named by their ids)").arg(arguments.constFirst());
    if (rename)
        return accounts.rename(account->id, arguments.at(1)) ? QString() : QCoreApplication::translate("AccountEdits", "a label cannot be empty");
    if (verb == QLatin1String("remove")) {
        return accounts.remove(account->id)
            ? QString()
            //: %1 is the account's label
            : QCoreApplication::translate("AccountEdits", "%1 is the provider's first account: clear its key in Preferences instead").arg(account->label);
    }
    accounts.setShown(account->id, verb == QLatin1String("show"));
    return {};
}

Added add(AccountList &accounts, const QString &providerId, const QString &label, const QString &sourceName,
          const QString &key)
{
    const std::optional<Provider> provider = providerNamed(providerId);
    if (!provider) {
        //: %1 is the provider as given; "claude" and "chatgpt" are the names to give: keep them as they are
        const QString problem = QCoreApplication::translate("AccountEdits", "unknown provider '%1' (claude or chatgpt)");
        return {{}, problem.arg(providerId)};
    }
    const std::optional<Account::Source> source = SourceNames::fromName(sourceName);
    if (source != Account::Source::sessionKey && source != Account::Source::browser) {
        //: %1 is the source as given; "key" and "browser" are the names to give: keep them as they are
        const QString problem = QCoreApplication::translate("AccountEdits", "unknown key source '%1' (key or browser)");
        return {{}, problem.arg(sourceName)};
    }
    const QString value = HTTPClient::withoutBlankEnds(key).trimmed();
    if (value.isEmpty())
        return {{}, QCoreApplication::translate("AccountEdits", "no key was given")};
    if (!HTTPClient::isSafeHeaderValue(value))
        return {{}, QCoreApplication::translate("AccountEdits", "the key holds invalid characters")};
    return {accounts.add(Account{{}, *provider, label.trimmed(), *source}, value), {}};
}

}
