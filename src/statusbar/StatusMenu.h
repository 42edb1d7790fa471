#pragma once

#include "accounts/Account.h"
#include "pace/UsageWindow.h"
#include "platform/StatusItem.h"
#include "statusbar/TitleModel.h"
#include "usage/LimitWindows.h"
#include "usage/UsageSource.h"

#include <QObject>

#include <map>
#include <optional>

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
        usageHistory,
        checkForUpdates,
        openPrefs,
        openOnboarding,
        quitSeparator,
        quit,
        // Rows shown only when a record has them, under each provider's weekly row: its other
        // limits (the first of LimitWindows::maxExtraRows ids), then what it spends beyond the
        // plan: Claude's extra usage, ChatGPT's credits.
        claudeExtraItem,
        claudeExtraUsageItem = claudeExtraItem + LimitWindows::maxExtraRows,
        openAIExtraItem,
        openAICreditsItem = openAIExtraItem + LimitWindows::maxExtraRows,
        // The sections of the accounts beyond each provider's first one, numbered from here.
        accountItems = 1000,
    };
    static constexpr int accountItemStride = 64; // ids a section may use
    // From this many accounts on, the sections of the accounts beyond the first ones are short.
    static constexpr int compactFrom = 4;

    // The section of an account beyond its provider's first one, below its provider's group.
    struct AccountSection
    {
        AccountId id;
        Provider provider = Provider::claude;
        QString label;
        std::optional<ProviderUsage> usage; // as shown
        QString whyNone; // the last row when there are no figures
        bool warn = true;
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
        std::function<void()> openHistory;
    };

    explicit StatusMenu(const Actions &actions, QObject *parent = nullptr);

    // In the order the menu shows them.
    const QList<Item> &items() const { return m_items; }
    const Item &item(ItemId id) const { return m_items.at(indexOf(id)); }
    // The moment a record's age is told for: to the second, or, with `justNowWithin`, as "Updated
    // just now" while younger than that many seconds and to the minute after.
    struct AgeAt
    {
        QDateTime now;
        std::optional<qint64> justNowWithin;
    };
    // The visible rows of a provider's group below its header, as its tooltip lists them; with
    // `age`, the record's age is told for that moment rather than as last written.
    QStringList rowTexts(Provider provider, const std::optional<AgeAt> &age = std::nullopt) const;
    // The rows of one account below its header, as the tooltip of its own panel item lists them.
    QStringList accountRowTexts(Provider provider, const AccountId &id, const std::optional<AgeAt> &age = std::nullopt) const;
    // Runs the item's action if it has one and is enabled and visible.
    void activate(ItemId id);

    // Rewrites one provider's rows from its latest record (absent: none yet, or cleared).
    // `expiredText` replaces the usual one when the provider's usage comes from a sign-in, or
    // tells what a provider without an answer yet waits for; `warn` is false for a mere wait.
    void showClaude(const std::optional<ProviderUsage> &usage, const QDateTime &now, const QString &expiredText = {},
                    bool warn = true);
    void showOpenAI(bool shown, const std::optional<ProviderUsage> &usage, const QDateTime &now,
                    const QString &expiredText = {}, bool warn = true);

    // The label in the header of a provider's own group, for its first account among others;
    // none: the provider's name alone. Shown at the next rewrite of its rows.
    void labelFirstAccount(Provider provider, const std::optional<QString> &label);
    // Replaces the sections of the accounts beyond each provider's first one.
    void showAccounts(const QList<AccountSection> &sections, const QDateTime &now);

    // Text added after an account's session or weekly row that shows a value; asked at every rewrite.
    using RowSuffix = std::function<QString(const AccountId &account, Window window)>;
    void setRowSuffix(RowSuffix suffix) { m_rowSuffix = std::move(suffix); }

signals:
    void changed();

private:
    void showRows(Provider provider, bool shown, const QString &expiredText, bool warn, const std::optional<ProviderUsage> &usage,
                  const QDateTime &now);
    qsizetype indexOf(ItemId id) const;
    // The visible rows of a provider's own group below its header.
    QStringList groupTexts(Provider provider, const std::optional<AgeAt> &age) const;
    // The visible rows of the section of another account, with or without its header.
    QStringList sectionTexts(qsizetype index, bool withHeader) const;
    Item &edit(ItemId id) { return m_items[indexOf(id)]; }
    QString suffix(Provider provider, Window window, std::optional<double> used) const
    {
        return used && m_rowSuffix ? m_rowSuffix(Account::firstId(provider), window) : QString();
    }

    QList<Item> m_items;
    QList<AccountSection> m_sections; // as last shown
    std::map<Provider, QString> m_firstLabels;
    std::map<Provider, QDateTime> m_fetchedAt; // of the records whose age the rows tell
    RowSuffix m_rowSuffix;
};

namespace MenuTexts {
inline const QString none = QStringLiteral("—");
// The last row of a provider whose key the service refused.
QString expired();
// "Session  —" or "Weekly  —": a window's row while there are no figures.
QString noFiguresRow(Window window);
QString sessionRow(const ProviderUsage &usage);
QString weeklyRow(const ProviderUsage &usage);
// "ChatGPT · Plus", or the name alone when the plan is unknown.
QString header(Provider provider, const std::optional<QString> &plan);
// "Claude · Work · Pro": an account's header when its provider has several.
QString accountHeader(Provider provider, const QString &label, const std::optional<QString> &plan);
// "Session 73%  Weekly 41%": an account's figures on one row, when the menu holds many.
QString compactRow(const ProviderUsage &usage);
// "Opus weekly  88%  resets in 3 days".
QString windowRow(const LimitWindow &window);
// "Extra usage  $12.40 of $50.00 this month".
QString extraUsageRow(const ExtraUsage &extra);
// "Credits  123.45".
QString creditsRow(const Credits &credits);
// What the provider spends beyond its plan, when it does: its extra usage or credits row.
std::optional<QString> beyondPlanRow(const ProviderUsage &usage);
// The rows a usable record gives below its header, without the pace suffixes.
QStringList rows(const ProviderUsage &usage, const QDateTime &now);
QString updated(const QDateTime &fetchedAt, const QDateTime &now);
// The last row of a provider that has no figures yet: "Updating…", or what keeps them.
QString awaiting(Awaiting what);
// A provider's last row: when its figures were fetched and how the latest try went, or why
// there are none (the failure, or the expired text when there is no record).
// `expiredText` replaces the usual expired text when the usage comes from a sign-in.
QString lastRow(const std::optional<ProviderUsage> &usage, const QDateTime &now, const QString &expiredText = {});
// The age to the minute, and "Updated just now" while younger than `justNowWithin` seconds (a minute at least).
QString updatedByTheMinute(const QDateTime &fetchedAt, const QDateTime &now, qint64 justNowWithin);
}
