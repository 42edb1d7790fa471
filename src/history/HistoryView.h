#pragma once

#include "history/HistoryPane.h"

#include <QWidget>

#include <functional>

class Clock;
class QButtonGroup;
class QTabWidget;

// The usage history window: a page per account over the last day or week, and an export of the
// records shown.
class HistoryView final : public QWidget
{
    Q_OBJECT
public:
    // The accounts in the panel's order; those shown, and those hidden that have records, get a page.
    using Accounts = std::function<QList<Account>()>;
    using PaneMaker = std::function<HistoryPane *(const Account &account, QWidget *parent)>;

    HistoryView(const HistoryStore &store, const Clock &clock, Accounts accounts, PaneMaker makePane,
                QWidget *parent = nullptr);

    // Draws the records again, with the accounts, their labels and whether each is shown as they are now.
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
    // The account of the current page, as of the last reload.
    std::optional<Account> currentAccount() const;

    const HistoryStore &m_store;
    const Clock &m_clock;
    Accounts m_accounts;
    PaneMaker m_makePane;
    QList<Account> m_paged; // an account for each page, in the pages' order
    UsageHistory::Span m_span = UsageHistory::Span::day;
    QButtonGroup *m_spans = nullptr;
    QTabWidget *m_tabs = nullptr;
};
