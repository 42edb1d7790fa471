#pragma once

#include "pace/Forecast.h"
#include "pace/HistoryStore.h"
#include "statusbar/StatusMenu.h"

#include <QObject>

class StatusBarController;

// Keeps the history of the records the status bar controller receives, and ends each session and
// weekly row of its menu with the pace forecast of that window.
class PaceTracker final : public QObject
{
    Q_OBJECT
public:
    PaceTracker(const QString &historyPath, const Clock &clock, QObject *parent = nullptr);

    // Starts keeping the controller's new records and forecasting in its menu.
    void follow(StatusBarController &controller);

    const HistoryStore &history() const { return m_history; }
    std::optional<Forecast> forecast(Provider provider, Window window) const;

signals:
    // New records were kept.
    void recorded();

private:
    void keep(StatusBarController &controller);
    QString rowSuffix(StatusMenu::ItemId row) const;

    const Clock &m_clock;
    HistoryStore m_history;
    FreshRecords m_fresh;
    // The newest record of each provider, kept or not: the history skips repeats.
    std::array<std::optional<HistoryEntry>, 2> m_latest;
};
