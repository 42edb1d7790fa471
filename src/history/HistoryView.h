#pragma once

#include "history/HistoryPane.h"

#include <QWidget>

#include <functional>

class Clock;
class QButtonGroup;
class QTabWidget;

// The usage history window: a page per shown provider over the last day or week, and an export
// of the records shown.
class HistoryView final : public QWidget
{
    Q_OBJECT
public:
    using ShownProviders = std::function<QList<Provider>()>;
    using PaneMaker = std::function<HistoryPane *(Provider provider, QWidget *parent)>;

    HistoryView(const HistoryStore &store, const Clock &clock, ShownProviders shownProviders, PaneMaker makePane,
                QWidget *parent = nullptr);

    // Draws the records again, with the providers shown now.
    void reload();
    void setSpan(UsageHistory::Span span);
    UsageHistory::Span span() const { return m_span; }

    QTabWidget *tabs() const { return m_tabs; }
    HistoryPane *pane(int index) const;
    // Writes the records of the current page and span; false when the file could not be written.
    bool exportTo(const QString &path) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void exportChosen();

    const HistoryStore &m_store;
    const Clock &m_clock;
    ShownProviders m_shownProviders;
    PaneMaker m_makePane;
    UsageHistory::Span m_span = UsageHistory::Span::day;
    QButtonGroup *m_spans = nullptr;
    QTabWidget *m_tabs = nullptr;
};
