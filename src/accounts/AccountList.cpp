#include "AccountList.h"

#include "app/AppSettings.h"
#include "app/DefaultsKeys.h"
#include "credentials/CredentialSource.h"
#include "platform/DefaultsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QCryptographicHash>
#include <QJsonObject>
#include <QRandomGenerator>

#include <algorithm>

namespace {

std::size_t index(Provider provider)
{
    return static_cast<std::size_t>(provider);
}

// Short, random, and never one of the first accounts' names.
AccountId newId()
{
    return QStringLiteral("a%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

QJsonArray storedEntries(const QString &stored)
{
    return QJsonDocument::fromJson(stored.toUtf8()).array();
}

} // namespace

namespace SourceNames {

QString name(Account::Source source)
{
    switch (source) {
    case Account::Source::sessionKey:
        return QStringLiteral("key");
    case Account::Source::signInFolder:
        return QStringLiteral("sign-in");
    case Account::Source::sameSignIn:
        return QStringLiteral("same-sign-in");
    case Account::Source::browser:
        return QStringLiteral("browser");
    }
    return {};
}

std::optional<Account::Source> fromName(const QString &name)
{
    for (const auto source : {Account::Source::sessionKey, Account::Source::signInFolder, Account::Source::sameSignIn,
                              Account::Source::browser}) {
        if (SourceNames::name(source) == name)
            return source;
    }
    return std::nullopt;
}

}

AccountList::AccountList(AppSettings &settings, std::function<bool(Provider, const QString &)> signInExists,
                         std::function<void(const QString &)> keepAsCredential, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_signInExists(std::move(signInExists))
    , m_keepAsCredential(std::move(keepAsCredential))
{
    read();
}

QStringList AccountList::credentialKeys(const QString &storedList)
{
    QStringList keys;
    for (const QJsonValue &value : storedEntries(storedList)) {
        const QJsonObject entry = value.toObject();
        const auto source = SourceNames::fromName(entry.value(QStringLiteral("source")).toString());
        const Account account{entry.value(QStringLiteral("id")).toString(), Provider::claude, {},
                              source.value_or(Account::Source::sessionKey)};
        if (!account.id.isEmpty() && !credentialKey(account).isEmpty())
            keys << credentialKey(account);
    }
    return keys;
}

void AccountList::read()
{
    m_others.clear();
    m_firstLabels = {};
    const QString stored = m_settings.defaults().string(DefaultsKeys::accounts).value_or(QString());
    for (const QJsonValue &value : storedEntries(stored)) {
        const QJsonObject entry = value.toObject();
        const auto provider = Providers::fromId(entry.value(QStringLiteral("provider")).toString());
        const AccountId id = entry.value(QStringLiteral("id")).toString();
        if (!provider || id.isEmpty())
            continue;
        const QString label = entry.value(QStringLiteral("label")).toString();
        if (id == Account::firstId(*provider)) {
            m_firstLabels[index(*provider)] = label;
            continue;
        }
        const auto source = SourceNames::fromName(entry.value(QStringLiteral("source")).toString());
        if (!source || std::any_of(m_others.cbegin(), m_others.cend(), [&id](const Account &a) { return a.id == id; }))
            continue;
        m_others.append(Account{id, *provider, label, *source, entry.value(QStringLiteral("folder")).toString(),
                                entry.value(QStringLiteral("serverId")).toString(),
                                entry.value(QStringLiteral("shown")).toBool(true)});
    }
}

void AccountList::write()
{
    store();
    emit changed();
}

void AccountList::store()
{
    QJsonArray entries;
    for (const ProviderIdentity &identity : Providers::all) {
        if (const QString &label = m_firstLabels[index(identity.provider)]; !label.isEmpty())
            entries.append(QJsonObject{{QStringLiteral("id"), Account::firstId(identity.provider)},
                                       {QStringLiteral("provider"), identity.id},
                                       {QStringLiteral("label"), label}});
    }
    for (const Account &account : std::as_const(m_others)) {
        QJsonObject entry{{QStringLiteral("id"), account.id},
                          {QStringLiteral("provider"), Providers::of(account.provider).id},
                          {QStringLiteral("label"), account.label},
                          {QStringLiteral("source"), SourceNames::name(account.source)},
                          {QStringLiteral("shown"), account.shown}};
        if (!account.folder.isEmpty())
            entry.insert(QStringLiteral("folder"), account.folder);
        if (!account.serverId.isEmpty())
            entry.insert(QStringLiteral("serverId"), account.serverId);
        entries.append(entry);
    }
    m_settings.defaults().setString(DefaultsKeys::accounts,
                                    QString::fromUtf8(QJsonDocument(entries).toJson(QJsonDocument::Compact)));
}

QList<Account> AccountList::all() const
{
    QList<Account> accounts;
    for (const ProviderIdentity &identity : Providers::all)
        accounts += of(identity.provider);
    return accounts;
}

QList<Account> AccountList::of(Provider provider) const
{
    const bool signIn = CredentialSource::of(provider, m_settings.defaults()) != CredentialSource::sessionKey;
    const QString &label = m_firstLabels[index(provider)];
    QList<Account> accounts{Account{Account::firstId(provider), provider,
                                    label.isEmpty() ? Providers::of(provider).name : label,
                                    signIn ? Account::Source::signInFolder : Account::Source::sessionKey, {}, {},
                                    provider == Provider::claude ? m_settings.showClaude() : m_settings.showOpenAI()}};
    for (const QList<Account> *list : {&m_others, &m_offered}) {
        for (const Account &account : *list) {
            if (account.provider == provider)
                accounts.append(account);
        }
    }
    return accounts;
}

std::optional<Account> AccountList::find(const AccountId &id) const
{
    for (const Account &account : all()) {
        if (account.id == id)
            return account;
    }
    return std::nullopt;
}

std::optional<Account> AccountList::match(const QString &idOrLabel) const
{
    if (const auto byId = find(idOrLabel))
        return byId;
    std::optional<Account> found;
    for (const Account &account : all()) {
        if (account.label.compare(idOrLabel, Qt::CaseInsensitive) != 0)
            continue;
        if (found)
            return std::nullopt; // two accounts go by that label: only the id tells them apart
        found = account;
    }
    return found;
}

QList<Account> AccountList::fetched() const
{
    QList<Account> accounts;
    for (const Account &account : all()) {
        // Claude's first account is asked even without a key, so that its rows say what is missing;
        // each provider's first account is asked whether shown or not, as it always was.
        const bool asked = account.isFirst() ? account.provider == Provider::claude || hasCredential(account.id)
                                             : account.shown && hasCredential(account.id);
        if (asked)
            accounts.append(account);
    }
    return accounts;
}

bool AccountList::anyShown(Provider provider) const
{
    const QList<Account> accounts = of(provider);
    return std::any_of(accounts.cbegin(), accounts.cend(), [](const Account &account) { return account.shown; });
}

QString AccountList::credentialKey(const Account &account)
{
    if (account.isFirst())
        return Providers::of(account.provider).credentialKey;
    const bool ownKey = account.source == Account::Source::sessionKey || account.source == Account::Source::browser;
    return ownKey ? DefaultsKeys::accountKeyPrefix + account.id : QString();
}

bool AccountList::hasCredential(const AccountId &id) const
{
    const std::optional<Account> account = find(id);
    if (!account)
        return false;
    if (account->isFirst())
        return CredentialSource::isStored(account->provider, m_settings.defaults());
    switch (account->source) {
    case Account::Source::sessionKey:
    case Account::Source::browser:
        return !m_settings.defaults().string(credentialKey(*account)).value_or(QString()).trimmed().isEmpty();
    case Account::Source::signInFolder:
        return m_signInExists && m_signInExists(account->provider, account->folder);
    case Account::Source::sameSignIn:
        return hasCredential(Account::firstId(account->provider));
    }
    return false;
}

QString AccountList::defaultLabel(Provider provider) const
{
    //: The label a new account gets until the user names it: %1 is its place among the provider's accounts ("2")
    return tr("Account %1").arg(of(provider).size() + 1);
}

bool AccountList::keep(const AccountId &id)
{
    const auto it = std::find_if(m_offered.begin(), m_offered.end(), [&id](const Account &a) { return a.id == id; });
    if (it == m_offered.end())
        return false;
    m_others.append(*it);
    m_offered.erase(it);
    return true;
}

AccountId AccountList::add(Account account, const std::optional<QString> &key)
{
    do
        account.id = newId();
    while (find(account.id));
    if (account.label.trimmed().isEmpty())
        account.label = defaultLabel(account.provider);
    m_others.append(account);
    store();
    if (const QString credentialKey = AccountList::credentialKey(account); key && !credentialKey.isEmpty()) {
        if (m_keepAsCredential)
            m_keepAsCredential(credentialKey);
        m_settings.defaults().setString(credentialKey, *key);
    }
    emit changed();
    return account.id;
}

bool AccountList::remove(const AccountId &id)
{
    if (const qsizetype removed = m_offered.removeIf([&id](const Account &a) { return a.id == id; }); removed > 0) {
        emit changed(); // found again at the next start, hidden again
        return true;
    }
    const auto it = std::find_if(m_others.begin(), m_others.end(), [&id](const Account &a) { return a.id == id; });
    if (it == m_others.end())
        return false; // the first accounts are the provider's own settings: cleared, never removed
    const QString key = credentialKey(*it);
    m_others.erase(it);
    if (!key.isEmpty())
        m_settings.defaults().remove(key);
    write();
    return true;
}

bool AccountList::rename(const AccountId &id, const QString &label)
{
    const std::optional<Account> account = find(id);
    if (!account || label.trimmed().isEmpty())
        return false;
    if (account->isFirst())
        m_firstLabels[index(account->provider)] = label.trimmed();
    keep(id);
    for (Account &other : m_others) {
        if (other.id == id)
            other.label = label.trimmed();
    }
    write();
    return true;
}

bool AccountList::setShown(const AccountId &id, bool shown)
{
    const std::optional<Account> account = find(id);
    if (!account)
        return false;
    if (account->isFirst()) {
        // The provider's own setting, as Preferences sets it.
        if (account->provider == Provider::claude)
            m_settings.setShowClaude(shown);
        else
            m_settings.setShowOpenAI(shown);
        emit changed();
        return true;
    }
    if (!shown && std::any_of(m_offered.cbegin(), m_offered.cend(), [&id](const Account &a) { return a.id == id; }))
        return true; // hidden already, and nothing to keep
    keep(id);
    for (Account &other : m_others) {
        if (other.id == id)
            other.shown = shown;
    }
    write();
    return true;
}

bool AccountList::move(const AccountId &id, int steps)
{
    // Within its provider, and never before the provider's first account.
    const auto it = std::find_if(m_others.begin(), m_others.end(), [&id](const Account &a) { return a.id == id; });
    if (it == m_others.end() || steps == 0)
        return false;
    QList<qsizetype> sameProvider;
    for (qsizetype i = 0; i < m_others.size(); ++i) {
        if (m_others.at(i).provider == it->provider)
            sameProvider.append(i);
    }
    const qsizetype at = sameProvider.indexOf(std::distance(m_others.begin(), it));
    const qsizetype to = std::clamp<qsizetype>(at + steps, 0, sameProvider.size() - 1);
    if (to == at)
        return false;
    m_others.move(sameProvider.at(at), sameProvider.at(to));
    write();
    return true;
}

void AccountList::offer(Provider provider, const QString &serverId, const QString &name)
{
    const QList<Account> accounts = of(provider);
    const bool known = std::any_of(accounts.cbegin(), accounts.cend(), [&](const Account &account) {
        return account.source == Account::Source::sameSignIn && account.serverId == serverId;
    });
    if (known || serverId.isEmpty())
        return;
    // The same organisation gets the same id at every start, so scripts may name it before it is kept.
    const QByteArray digest =
        QCryptographicHash::hash((Providers::of(provider).id + QLatin1Char('/') + serverId).toUtf8(), QCryptographicHash::Sha256);
    const AccountId id = QStringLiteral("o") + QString::fromLatin1(digest.toHex().left(8));
    m_offered.append(Account{id, provider, name.isEmpty() ? defaultLabel(provider) : name, Account::Source::sameSignIn, {},
                             serverId, false});
    emit changed();
}
