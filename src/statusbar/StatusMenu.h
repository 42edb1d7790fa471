#pragma once

#include "platform/StatusItem.h"
#include "statusbar/ProviderUsage.h"

#include <QObject>

#include <array>
#include <functional>

// The drop-down menu's items and their current state; views render it, the controller rewrites it.
class StatusMenu final : public QObject
{
    Q_OBJECT
public:
    enum ItemId {
        claudeHeader = 1,
        claudeSessionItem,
        claudeWeeklyItem,
        claudeUpdatedItem,
        openAISeparator,
        openAIHeaderItem,
        openAISessionItem,
        openAIWeeklyItem,
        openAIUpdatedItem,
        commandsSeparator,
        refreshNow,
        checkForUpdates,
        openPrefs,
        openOnboarding,
        quitSeparator,
        quit,
    };

    using Style = StatusMenuRow::Style;

    // A row as the panel shows it, with what it does.
    struct Item : StatusMenuRow
    {
        std::function<void()> action;
    };

    struct Actions
    {
        std::function<void()> openPrefs;
        std::function<void()> refreshNow;
        std::function<void()> checkForUpdates;
        std::function<void()> openOnboarding;
        std::function<void()> quit;
    };

    explicit StatusMenu(const Actions &actions, QObject *parent = nullptr);

    const std::array<Item, 16> &items() const { return m_items; }
    const Item &item(ItemId id) const { return m_items[id - 1]; }
    // Runs the item's action if it has one and is enabled and visible.
    void activate(ItemId id);

    // Whether a host shows the menu now; its rows are not rewritten while it does.
    bool isOpen() const { return m_open; }
    void setOpen(bool open) { m_open = open; }

    // Rewrites one provider's rows from its latest record (absent: none yet, or cleared).
    void showClaude(const std::optional<ProviderUsage> &usage, const QDateTime &now);
    void showOpenAI(bool shown, const std::optional<ProviderUsage> &usage, const QDateTime &now);

    // Text added after a session or weekly row that shows a value; asked at every rewrite.
    using RowSuffix = std::function<QString(ItemId row)>;
    void setRowSuffix(RowSuffix suffix) { m_rowSuffix = std::move(suffix); }

signals:
    void changed();

private:
    void showRows(ItemId session, ItemId weekly, ItemId updated, const std::optional<ProviderUsage> &usage,
                  const QDateTime &now);
    Item &edit(ItemId id) { return m_items[id - 1]; }
    QString suffix(ItemId row, std::optional<double> used) const
    {
        return used && m_rowSuffix ? m_rowSuffix(row) : QString();
    }

    std::array<Item, 16> m_items;
    bool m_open = false;
    RowSuffix m_rowSuffix;
};

namespace MenuTexts {
inline const QString none = QStringLiteral("—");
inline const QString expired = QStringLiteral("Session expired — check your key");
QString sessionRow(const ProviderUsage &usage);
QString weeklyRow(const ProviderUsage &usage);
QString updated(const QDateTime &fetchedAt, const QDateTime &now);
// A provider's last row: when its figures were fetched and how the latest try went, or why
// there are none (the failure, or the expired text when there is no record).
QString lastRow(const std::optional<ProviderUsage> &usage, const QDateTime &now);
}
