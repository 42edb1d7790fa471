#pragma once

#include "accounts/Account.h"
#include "pace/Forecast.h"
#include "pace/HistoryStore.h"

#include <QHash>
#include <QObject>

class AccountList;
class UsageRecords;

// Keeps the history of the accounts' records, and tells the pace forecast that ends each session
// and weekly row.
class PaceTracker final : public QObject
{
    Q_OBJECT
public:
    PaceTracker(const QString &historyPath, const Clock &clock, QObject *parent = nullptr);

    // Starts keeping the records of the accounts as they are stored.
    void follow(const UsageRecords &records, const AccountList &accounts);

    const HistoryStore &history() const { return m_history; }
    std::optional<Forecast> forecast(const AccountId &id, Window window) const;
    // The text that ends an account's session or weekly row: its pace, or nothing.
    QString rowSuffix(const AccountId &id, Window window) const;

signals:
    // New records were kept.
    void recorded();

private:
    void keep(const Account &account, const ProviderUsage &usage);

    const Clock &m_clock;
    HistoryStore m_history;
    // The newest record of each account, kept or not: the history skips repeats.
    QHash<AccountId, HistoryEntry> m_latest;
};
