#include "HistoryWindowController.h"

#include "pace/PaceTracker.h"
#include "platform/qt/UtilityWindow.h"

HistoryWindowController::HistoryWindowController(PaceTracker &tracker, const Clock &clock,
                                                 HistoryView::Accounts accounts, HistoryView::PaneMaker makePane,
                                                 QObject *parent)
    : QObject(parent)
    , m_window(std::make_unique<HistoryView>(tracker.history(), clock, std::move(accounts), std::move(makePane)))
{
    UtilityWindow::prepare(*m_window, tr("Quotabar — Usage History"));
    connect(&tracker, &PaceTracker::recorded, this, &HistoryWindowController::reload);
}

void HistoryWindowController::reload()
{
    // A hidden window is drawn when it is shown again.
    if (m_window->isVisible())
        m_window->reload();
}

HistoryWindowController::~HistoryWindowController() = default;

void HistoryWindowController::showWindow()
{
    UtilityWindow::bringToFront(*m_window);
}
