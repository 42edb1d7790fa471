#pragma once

#include "history/UsageHistory.h"

#include <QWidget>

#include <functional>

// One account's page of the history window, as the window drives it. The page with the chart comes
// from the chart plugin, so that the charting libraries load only when the window first opens.
class HistoryPane : public QWidget
{
public:
    HistoryPane(const Account &account, QWidget *parent)
        : QWidget(parent)
        , m_account(account.id)
        , m_provider(account.provider)
    {
    }

    const AccountId &account() const { return m_account; }
    Provider provider() const { return m_provider; }
    // Draws the account's records of the span ending at `now`.
    virtual void show(const QList<HistoryEntry> &entries, UsageHistory::Span span, qint64 now) = 0;

private:
    AccountId m_account;
    Provider m_provider;
};

// What the chart plugin's root object offers: the pages, each given its parent.
class HistoryPaneMaker
{
public:
    virtual ~HistoryPaneMaker() = default;
    virtual HistoryPane *makePane(const Account &account, QWidget *parent) const = 0;
};

#define HistoryPaneMaker_iid "app.quotabar.HistoryPaneMaker/2"
Q_DECLARE_INTERFACE(HistoryPaneMaker, HistoryPaneMaker_iid)
