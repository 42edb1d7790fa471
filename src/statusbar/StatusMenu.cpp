#include "StatusMenu.h"

#include "statusbar/TitleModel.h"

namespace {

QString row(const QString &name, std::optional<double> used, const std::optional<QString> &label)
{
    if (!used)
        return name + QStringLiteral("  ") + MenuTexts::none;
    QString text = name + QStringLiteral("  ") + Title::pct(used);
    if (label)
        text += QStringLiteral("  ") + *label;
    return text;
}

} // namespace

namespace MenuTexts {

QString sessionRow(const ProviderUsage &usage)
{
    return row(QStringLiteral("Session"), usage.sessionPercentage, usage.sessionLabel);
}

QString weeklyRow(const ProviderUsage &usage)
{
    return row(QStringLiteral("Weekly"), usage.weeklyPercentage, usage.weeklyLabel);
}

QString updated(const QDateTime &fetchedAt, const QDateTime &now)
{
    const double elapsed = fetchedAt.msecsTo(now) / 1000.0;
    if (elapsed < 5)
        return QStringLiteral("Updated just now");
    if (elapsed < 60)
        return QStringLiteral("Updated %1s ago").arg(static_cast<qint64>(elapsed));
    if (elapsed < 3600)
        return QStringLiteral("Updated %1m ago").arg(static_cast<qint64>(elapsed / 60));
    return QStringLiteral("Updated %1h ago").arg(static_cast<qint64>(elapsed / 3600));
}

QString lastRow(const std::optional<ProviderUsage> &usage, const QDateTime &now)
{
    if (!usage)
        return expired;
    QString text = usage->error ? *usage->error : updated(usage->fetchedAt, now);
    if (usage->usable() && usage->failedTry)
        text += QStringLiteral(" · last try failed: ") + *usage->failedTry;
    if (usage->nextTryAt && *usage->nextTryAt > now)
        text += QStringLiteral(" · next try in ") + Title::timeRemaining(usage->nextTryAt, now);
    return text;
}

}

StatusMenu::StatusMenu(const Actions &actions, QObject *parent)
    : QObject(parent)
{
    const QString noneRowSession = QStringLiteral("Session  ") + MenuTexts::none;
    const QString noneRowWeekly = QStringLiteral("Weekly  ") + MenuTexts::none;
    const auto separator = [](ItemId id, bool visible) {
        Item item;
        item.id = id;
        item.separator = true;
        item.visible = visible;
        return item;
    };
    const auto row = [](ItemId id, const QString &title, bool visible, std::function<void()> action = {}) {
        Item item;
        item.id = id;
        item.title = title;
        item.enabled = false;
        item.visible = visible;
        item.action = std::move(action);
        return item;
    };
    const auto command = [](ItemId id, const QString &title, const QString &shortcut, std::function<void()> action) {
        Item item;
        item.id = id;
        item.title = title;
        item.shortcut = shortcut;
        item.action = std::move(action);
        return item;
    };

    Item claudeTitle = row(claudeHeader, QStringLiteral("Claude"), true);
    claudeTitle.icon = QStringLiteral("claude");
    Item openAITitle = row(openAIHeaderItem, QStringLiteral("ChatGPT"), false);
    openAITitle.icon = QStringLiteral("openai");

    m_items = {
        claudeTitle,
        row(claudeSessionItem, noneRowSession, true),
        row(claudeWeeklyItem, noneRowWeekly, true),
        row(claudeUpdatedItem, MenuTexts::none, true, actions.openPrefs),
        separator(openAISeparator, false),
        openAITitle,
        row(openAISessionItem, noneRowSession, false),
        row(openAIWeeklyItem, noneRowWeekly, false),
        row(openAIUpdatedItem, MenuTexts::none, false, actions.openPrefs),
        separator(commandsSeparator, true),
        command(refreshNow, QStringLiteral("Refresh Now"), QStringLiteral("Ctrl+R"), actions.refreshNow),
        command(checkForUpdates, QStringLiteral("Check for Updates…"), QString(), actions.checkForUpdates),
        command(openPrefs, QStringLiteral("Preferences…"), QStringLiteral("Ctrl+,"), actions.openPrefs),
        command(openOnboarding, QStringLiteral("Welcome Guide…"), QString(), actions.openOnboarding),
        separator(quitSeparator, true),
        command(quit, QStringLiteral("Quit Quotabar"), QStringLiteral("Ctrl+Q"), actions.quit),
    };
}

void StatusMenu::activate(ItemId id)
{
    const Item &target = item(id);
    if (target.enabled && target.visible && target.action)
        target.action();
}

void StatusMenu::showClaude(const std::optional<ProviderUsage> &usage, const QDateTime &now)
{
    showRows(claudeSessionItem, claudeWeeklyItem, claudeUpdatedItem, usage, now);
    emit changed();
}

void StatusMenu::showOpenAI(bool shown, const std::optional<ProviderUsage> &usage, const QDateTime &now)
{
    for (const ItemId id : {openAISeparator, openAIHeaderItem, openAISessionItem, openAIWeeklyItem, openAIUpdatedItem})
        edit(id).visible = shown;
    if (shown)
        showRows(openAISessionItem, openAIWeeklyItem, openAIUpdatedItem, usage, now);
    emit changed();
}

void StatusMenu::showRows(ItemId session, ItemId weekly, ItemId updated, const std::optional<ProviderUsage> &usage,
                          const QDateTime &now)
{
    Item &updatedRow = edit(updated);
    if (usage && usage->usable()) {
        edit(session).title = MenuTexts::sessionRow(*usage) + suffix(session, usage->sessionPercentage);
        edit(weekly).title = MenuTexts::weeklyRow(*usage) + suffix(weekly, usage->weeklyPercentage);
        updatedRow.title = MenuTexts::lastRow(usage, now);
        updatedRow.enabled = false;
        updatedRow.style = Style::secondary;
    } else {
        edit(session).title = QStringLiteral("Session  ") + MenuTexts::none;
        edit(weekly).title = QStringLiteral("Weekly  ") + MenuTexts::none;
        updatedRow.title = MenuTexts::lastRow(usage, now);
        updatedRow.enabled = true;
        updatedRow.style = Style::warning;
    }
}
