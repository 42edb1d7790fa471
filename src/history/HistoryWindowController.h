#pragma once

#include "history/HistoryView.h"

#include <QObject>

#include <memory>

class PaceTracker;

// Owns the one usage history window: made on first demand, hidden (never destroyed) when closed,
// redrawn as records are kept and as the accounts change.
class HistoryWindowController final : public QObject
{
    Q_OBJECT
public:
    HistoryWindowController(PaceTracker &tracker, const Clock &clock, HistoryView::Accounts accounts,
                            HistoryView::PaneMaker makePane, QObject *parent = nullptr);
    ~HistoryWindowController() override;

    static HistoryWindowController &shared();

    HistoryView *window() const { return m_window.get(); }
    // Brings the window to the front and gives it the keyboard.
    void showWindow();
    // Draws the window again if it is open: records were kept, or the accounts changed.
    void reload();

private:
    std::unique_ptr<HistoryView> m_window;
};
