#include "PaceTracker.h"

#include "accounts/AccountList.h"
#include "accounts/UsageRecords.h"
#include "platform/Clock.h"

PaceTracker::PaceTracker(const QString &historyPath, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_history(historyPath, clock)
{
}

void PaceTracker::follow(const UsageRecords &records, const AccountList &accounts)
{
    // Stored records come before the redraw that shows them, so the rows get the forecast at once.
    connect(&records, &UsageRecords::recordStored, this, [this, &records, &accounts](const AccountId &id) {
        const auto account = accounts.find(id);
        if (const auto usage = records.latest(id); account && usage && usage->usable())
            keep(*account, *usage);
    });
}

void PaceTracker::keep(const Account &account, const ProviderUsage &usage)
{
    m_history.add(account.provider, account.id, usage);
    m_latest.insert(account.id, HistoryEntry::of(account.provider, account.id, usage));
    emit recorded();
}

std::optional<Forecast> PaceTracker::forecast(const AccountId &id, Window window) const
{
    QList<Pace::Point> points;
    const auto add = [&](const HistoryEntry &entry) {
        const WindowSample &sample = entry.window(window);
        if (entry.account == id && sample.used && (points.isEmpty() || entry.at > points.last().at))
            points.append({entry.at, *sample.used, sample.resetAt});
    };
    for (const HistoryEntry &entry : m_history.entries())
        add(entry);
    if (const auto latest = m_latest.constFind(id); latest != m_latest.cend())
        add(*latest);
    return Pace::forecast(points);
}

QString PaceTracker::rowSuffix(const AccountId &id, Window window) const
{
    return Pace::menuSuffix(forecast(id, window), m_clock.now());
}
