#include "PaceTracker.h"

#include "accounts/UsageRecords.h"
#include "platform/Clock.h"

#include <algorithm>

PaceTracker::PaceTracker(const QString &historyPath, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_history(historyPath, clock)
{
}

void PaceTracker::follow(const UsageRecords &records)
{
    // Stored records come before the redraw that shows them, so the rows get the forecast at once.
    // The history is each provider's first account's.
    connect(&records, &UsageRecords::recordStored, this, [this, &records](const AccountId &id) {
        const auto first = std::find_if(Providers::all.cbegin(), Providers::all.cend(),
                                        [&id](const ProviderIdentity &identity) { return id == Account::firstId(identity.provider); });
        if (const auto usage = records.latest(id); first != Providers::all.cend() && usage && usage->usable())
            keep(first->provider, *usage);
    });
}

void PaceTracker::keep(Provider provider, const ProviderUsage &usage)
{
    m_history.add(provider, usage);
    m_latest[static_cast<std::size_t>(provider)] = HistoryEntry::of(provider, usage);
    emit recorded();
}

std::optional<Forecast> PaceTracker::forecast(Provider provider, Window window) const
{
    QList<Pace::Point> points;
    const auto add = [&](const HistoryEntry &entry) {
        const WindowSample &sample = entry.window(window);
        if (entry.provider == provider && sample.used && (points.isEmpty() || entry.at > points.last().at))
            points.append({entry.at, *sample.used, sample.resetAt});
    };
    for (const HistoryEntry &entry : m_history.entries())
        add(entry);
    if (const auto &latest = m_latest[static_cast<std::size_t>(provider)])
        add(*latest);
    return Pace::forecast(points);
}

QString PaceTracker::rowSuffix(const AccountId &id, Window window) const
{
    for (const ProviderIdentity &identity : Providers::all) {
        if (id == Account::firstId(identity.provider))
            return Pace::menuSuffix(forecast(identity.provider, window), m_clock.now());
    }
    return {};
}
