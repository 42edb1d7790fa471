#include "AccountRows.h"

#include <QDir>

namespace {

QString toolName(Provider provider)
{
    return provider == Provider::claude ? QStringLiteral("Claude Code") : QStringLiteral("Codex");
}

} // namespace

AccountRows::AccountRows(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{
    connect(&m_services.accounts, &AccountList::changed, this, &AccountRows::changed);
    connect(&m_services.records, &UsageRecords::recordStored, this, &AccountRows::changed);
}

QString AccountRows::folderName(const QString &folder, const QString &home)
{
    const QString clean = QDir::cleanPath(folder);
    const QString base = QDir::cleanPath(home);
    if (!base.isEmpty() && clean.startsWith(base + QLatin1Char('/')))
        return QStringLiteral("~") + clean.mid(base.size());
    return clean;
}

QString AccountRows::signInText(Provider provider, const QString &folder)
{
    //: %1 is the command-line tool (Claude Code, Codex), %2 the folder holding its sign-in
    return tr("%1 sign-in in %2").arg(toolName(provider), folderName(folder, QDir::homePath()));
}

QString AccountRows::sourceText(const Account &account) const
{
    switch (account.source) {
    case Account::Source::sessionKey:
        if (account.isFirst())
            //: An account's source: the session key typed in the field above the list
            return tr("Session key above");
        return tr("Pasted key");
    case Account::Source::browser:
        return tr("Key imported from a browser");
    case Account::Source::signInFolder: {
        const std::optional<QString> folder =
            account.isFirst() && m_services.firstAccountFolder ? m_services.firstAccountFolder(account.provider) : account.folder;
        return signInText(account.provider, folder.value_or(QString()));
    }
    case Account::Source::sameSignIn:
        return account.provider == Provider::claude ? tr("Another organisation of the same sign-in")
                                                    : tr("Another workspace of the same sign-in");
    }
    return {};
}

std::pair<QString, bool> AccountRows::statusOf(const Account &account) const
{
    const UsageRecords &records = m_services.records;
    if (!m_services.accounts.hasCredential(account.id)) {
        if (account.source == Account::Source::signInFolder)
            return {tr("No sign-in in this folder"), false};
        if (account.source == Account::Source::sameSignIn)
            return {tr("Needs the first account's sign-in"), false};
        return {tr("No key stored"), false};
    }
    if (!records.answered(account.id)) {
        if (account.shown)
            return {tr("Not answered yet"), false};
        //: An account hidden from the panel is not asked for its usage
        return {tr("Hidden — not asked"), false};
    }
    const std::optional<ProviderUsage> latest = records.latest(account.id);
    if (!latest)
        return {tr("Refused — sign in again or use a new key"), false};
    if (latest->error)
        return {*latest->error, false};
    if (latest->plan)
        //: %1 is the account's plan as the service names it (Pro, Max, Plus)
        return {tr("Connected · %1").arg(*latest->plan), true};
    return {tr("Connected"), true};
}

QList<AccountRows::Row> AccountRows::rows(Provider provider) const
{
    const QList<Account> accounts = m_services.accounts.of(provider);
    QList<Row> rows;
    for (qsizetype index = 0; index < accounts.size(); ++index) {
        const Account &account = accounts.at(index);
        const auto [status, ok] = statusOf(account);
        // The first account stays first; the others move among themselves.
        rows.append(Row{account.id, account.label, sourceText(account), status, ok, account.shown, account.isFirst(),
                        !account.isFirst() && index > 1, !account.isFirst() && index + 1 < accounts.size()});
    }
    return rows;
}

QList<AccountRows::Choice> AccountRows::choices(Provider provider) const
{
    QList<Choice> choices{{Choice::Kind::pasteKey, tr("Paste a Key…")}};
    const QList<Account> accounts = m_services.accounts.of(provider);
    QStringList used;
    for (const Account &account : accounts) {
        if (account.source == Account::Source::signInFolder)
            used.append(account.isFirst() && m_services.firstAccountFolder
                            ? m_services.firstAccountFolder(provider).value_or(QString())
                            : account.folder);
    }
    const QStringList folders = m_services.signInFolders ? m_services.signInFolders(provider) : QStringList();
    for (const QString &folder : folders) {
        if (!used.contains(folder))
            choices.append({Choice::Kind::signInFolder, signInText(provider, folder), folder});
    }
    for (const Account &account : accounts) {
        // Found on the server and not kept yet: listed hidden until chosen.
        if (account.source == Account::Source::sameSignIn && !account.shown)
            choices.append({Choice::Kind::sameSignIn, account.label, {}, account.id});
    }
    return choices;
}

AccountId AccountRows::add(Provider provider, const Choice &choice, const QString &label, const QString &key)
{
    switch (choice.kind) {
    case Choice::Kind::pasteKey:
        if (key.trimmed().isEmpty())
            return {};
        return m_services.accounts.add(Account{{}, provider, label.trimmed(), Account::Source::sessionKey}, key.trimmed());
    case Choice::Kind::signInFolder:
        return m_services.accounts.add(Account{{}, provider, label.trimmed(), Account::Source::signInFolder, choice.folder});
    case Choice::Kind::sameSignIn:
        return m_services.accounts.setShown(choice.offered, true) ? choice.offered : AccountId();
    }
    return {};
}
