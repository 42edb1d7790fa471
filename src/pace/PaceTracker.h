#pragma once

#include "pace/Forecast.h"
#include "pace/HistoryStore.h"
#include "statusbar/StatusMenu.h"

#include <QObject>

class StatusBarController;

// Keeps the history of the records the status bar controller stores, and tells its menu the pace
// forecast to end each session and weekly row with.
class PaceTracker final : public QObject
{
    Q_OBJECT
public:
    PaceTracker(const QString &historyPath, const Clock &clock, QObject *parent = nullptr);

    // Starts keeping the controller's records and giving its menu the forecasts.
    void follow(StatusBarController &controller);

    const HistoryStore &history() const { return m_history; }
    std::optional<Forecast> forecast(Provider provider, Window window) const;

signals:
    // New records were kept.
    void recorded();

private:
    void keep(Provider provider, const ProviderUsage &usage);
    QString rowSuffix(StatusMenu::ItemId row) const;

    const Clock &m_clock;
    HistoryStore m_history;
    // The newest record of each provider, kept or not: the history skips repeats.
    std::array<std::optional<HistoryEntry>, 2> m_latest;
};
