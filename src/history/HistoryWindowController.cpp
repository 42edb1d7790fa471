#include "HistoryWindowController.h"

#include "pace/PaceTracker.h"
#include "platform/qt/UtilityWindow.h"

HistoryWindowController::HistoryWindowController(PaceTracker &tracker, const Clock &clock,
                                                 HistoryView::ShownProviders shownProviders,
                                                 HistoryView::PaneMaker makePane, QObject *parent)
    : QObject(parent)
    , m_window(std::make_unique<HistoryView>(tracker.history(), clock, std::move(shownProviders), std::move(makePane)))
{
    UtilityWindow::prepare(*m_window, QStringLiteral("Quotabar — Usage History"));
    connect(&tracker, &PaceTracker::recorded, this, [this] {
        if (m_window->isVisible())
            m_window->reload();
    });
}

HistoryWindowController::~HistoryWindowController() = default;

void HistoryWindowController::showWindow()
{
    UtilityWindow::bringToFront(*m_window);
}
