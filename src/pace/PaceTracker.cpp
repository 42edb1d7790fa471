#include "PaceTracker.h"

#include "platform/Clock.h"
#include "statusbar/StatusBarController.h"

PaceTracker::PaceTracker(const QString &historyPath, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_history(historyPath, clock)
{
}

void PaceTracker::follow(StatusBarController &controller)
{
    controller.menu().setRowSuffix([this](StatusMenu::ItemId row) { return rowSuffix(row); });
    // Stored records come before the redraw that shows them, so the rows get the forecast at once.
    connect(&controller, &StatusBarController::recordStored, this, [this, &controller](Provider provider) {
        if (const auto usage = controller.stored(provider); usage && usage->usable())
            keep(provider, *usage);
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

QString PaceTracker::rowSuffix(StatusMenu::ItemId row) const
{
    const bool openAI = row == StatusMenu::openAISessionItem || row == StatusMenu::openAIWeeklyItem;
    const bool weekly = row == StatusMenu::claudeWeeklyItem || row == StatusMenu::openAIWeeklyItem;
    return Pace::menuSuffix(forecast(openAI ? Provider::openAI : Provider::claude,
                                     weekly ? Window::weekly : Window::session),
                            m_clock.now());
}
