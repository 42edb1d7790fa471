#pragma once

#include "history/HistoryPane.h"

class QChart;
class QChartView;
class QLabel;
class QListWidget;
class QXYSeries;

// One account's page of the history window: the chart of both windows with their resets and even
// pace, how each stands against that pace, and the times a limit was reached.
class HistoryChartPane final : public HistoryPane
{
    Q_OBJECT
public:
    explicit HistoryChartPane(const Account &account, QWidget *parent = nullptr);

    void show(const QList<HistoryEntry> &entries, UsageHistory::Span span, qint64 now) override;

    QChartView *chartView() const { return m_view; }
    QListWidget *hitList() const { return m_hits; }
    QLabel *standingLabel() const { return m_standing; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void addWindow(Window window, const QList<UsageHistory::Point> &samples, UsageHistory::Span span, qint64 now);
    // Hovering the series shows the nearest point's time, and its value when it has one to tell.
    void follow(QXYSeries *series, const QList<UsageHistory::Point> &points, const QString &name, bool withValue);
    void applyPalette();

    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
    QLabel *m_standing = nullptr;
    QListWidget *m_hits = nullptr;
};
