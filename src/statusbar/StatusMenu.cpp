#include "StatusMenu.h"

#include "usage/Figures.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

QString row(const QString &name, std::optional<double> used, const std::optional<QString> &label)
{
    if (!used)
        return name + QStringLiteral("  ") + MenuTexts::none;
    QString text = name + QStringLiteral("  ") + Figures::pct(used);
    if (label)
        text += QStringLiteral("  ") + *label;
    return text;
}

// "$12.40", "€3.00", "CAD 12.40", or "12.40" without a currency.
QString money(double amount, const std::optional<QString> &currency)
{
    const QString figure = QString::number(amount, 'f', 2);
    if (!currency)
        return figure;
    static const QHash<QString, QString> signs{{QStringLiteral("USD"), QStringLiteral("$")},
                                               {QStringLiteral("EUR"), QStringLiteral("€")},
                                               {QStringLiteral("GBP"), QStringLiteral("£")}};
    const QString code = currency->toUpper();
    return signs.contains(code) ? signs.value(code) + figure : code + QLatin1Char(' ') + figure;
}

//: The five-hour window's name at the start of its row in the menu
QString sessionName() { return QCoreApplication::translate("StatusMenu", "Session"); }
//: The seven-day window's name at the start of its row in the menu
QString weeklyName() { return QCoreApplication::translate("StatusMenu", "Weekly"); }
//: The figures' age when they are seconds old
QString justNow() { return QCoreApplication::translate("StatusMenu", "Updated just now"); }

struct Group
{
    StatusMenu::ItemId header, session, weekly, extraFirst, updated, beyondPlan;
};

Group groupOf(Provider provider)
{
    if (provider == Provider::claude)
        return {StatusMenu::claudeHeader, StatusMenu::claudeSessionItem, StatusMenu::claudeWeeklyItem,
                StatusMenu::claudeExtraItem, StatusMenu::claudeUpdatedItem, StatusMenu::claudeExtraUsageItem};
    return {StatusMenu::openAIHeaderItem, StatusMenu::openAISessionItem, StatusMenu::openAIWeeklyItem,
            StatusMenu::openAIExtraItem, StatusMenu::openAIUpdatedItem, StatusMenu::openAICreditsItem};
}

} // namespace

namespace MenuTexts {

QString expired()
{
    return QCoreApplication::translate("StatusMenu", "Session expired — check your key");
}

QString noFiguresRow(Window window)
{
    return row(window == Window::session ? sessionName() : weeklyName(), std::nullopt, std::nullopt);
}

QString header(Provider provider, const std::optional<QString> &plan)
{
    return Providers::of(provider).name + (plan ? QStringLiteral(" · ") + *plan : QString());
}

QString accountHeader(Provider provider, const QString &label, const std::optional<QString> &plan)
{
    return header(provider, std::nullopt) + QStringLiteral(" · ") + label + (plan ? QStringLiteral(" · ") + *plan : QString());
}

QString compactRow(const ProviderUsage &usage)
{
    // The window standing in the weekly place, under its own name ("30-day") when not weekly.
    QString longName = weeklyName();
    std::optional<double> longUsed = usage.weeklyPercentage;
    if (usage.longWindow().letter != QLatin1String("W")) {
        for (const LimitWindow &window : usage.windows) {
            if (window.kind == LimitWindow::Kind::otherLength) {
                longName = window.label;
                longUsed = window.usedPercent;
                break;
            }
        }
    }
    const auto figure = [](std::optional<double> used) { return used ? Figures::pct(used) : none; };
    //: One row of an account's figures: the session's remaining percentage, then the long window's name and its
    //: remaining percentage ("Session 73%  Weekly 41%")
    return QCoreApplication::translate("StatusMenu", "Session %1  %2 %3").arg(figure(usage.sessionPercentage), longName, figure(longUsed));
}

QString windowRow(const LimitWindow &window)
{
    return row(window.label, window.usedPercent, window.resetPhrase);
}

QString extraUsageRow(const ExtraUsage &extra)
{
    if (extra.usedCredits && extra.monthlyLimit) {
        //: Money spent beyond the plan this month (%1) of the month's limit (%2): "Extra usage  $12.40 of $50.00 this month"
        return QCoreApplication::translate("StatusMenu", "Extra usage  %1 of %2 this month")
            .arg(money(*extra.usedCredits, extra.currency), money(*extra.monthlyLimit, extra.currency));
    }
    if (extra.usedCredits) {
        //: Money spent beyond the plan this month, without a limit: "Extra usage  $12.40 this month"
        return QCoreApplication::translate("StatusMenu", "Extra usage  %1 this month").arg(money(*extra.usedCredits, extra.currency));
    }
    if (extra.utilization) {
        //: The remaining percentage of the month's extra usage: "Extra usage  73% left this month"
        return QCoreApplication::translate("StatusMenu", "Extra usage  %1 left this month").arg(Figures::pct(extra.utilization));
    }
    //: Extra usage beyond the plan is switched on, with no figures known
    return QCoreApplication::translate("StatusMenu", "Extra usage  on");
}

QString creditsRow(const Credits &credits)
{
    if (credits.unlimited) {
        //: ChatGPT's credits row when the account's credits have no limit
        return QCoreApplication::translate("StatusMenu", "Credits  unlimited");
    }
    //: ChatGPT's credits row: %1 is the balance ("123.45") or a dash when unknown
    return QCoreApplication::translate("StatusMenu", "Credits  %1").arg(credits.balance ? QString::number(*credits.balance, 'f', 2) : none);
}

std::optional<QString> beyondPlanRow(const ProviderUsage &usage)
{
    if (usage.extraUsage)
        return extraUsageRow(*usage.extraUsage);
    if (usage.credits)
        return creditsRow(*usage.credits);
    return std::nullopt;
}

QStringList rows(const ProviderUsage &usage, const QDateTime &now)
{
    QStringList texts{sessionRow(usage), weeklyRow(usage)};
    for (const LimitWindow &window : usage.extraWindows())
        texts.append(windowRow(window));
    if (const auto beyond = beyondPlanRow(usage))
        texts.append(*beyond);
    texts.append(lastRow(usage, now));
    return texts;
}

QString sessionRow(const ProviderUsage &usage)
{
    return row(sessionName(), usage.sessionPercentage, usage.sessionLabel);
}

QString weeklyRow(const ProviderUsage &usage)
{
    return row(weeklyName(), usage.weeklyPercentage, usage.weeklyLabel);
}

QString updated(const QDateTime &fetchedAt, const QDateTime &now)
{
    const double elapsed = fetchedAt.msecsTo(now) / 1000.0;
    if (elapsed < 5)
        return justNow();
    if (elapsed < 60) {
        const int seconds = int(elapsed);
        //: The age of the figures in seconds, abbreviated
        return QCoreApplication::translate("StatusMenu", "Updated %ns ago", nullptr, seconds);
    }
    if (elapsed < 3600) {
        const int minutes = int(elapsed / 60);
        //: The age of the figures in minutes, abbreviated
        return QCoreApplication::translate("StatusMenu", "Updated %nm ago", nullptr, minutes);
    }
    const int hours = int(elapsed / 3600);
    //: The age of the figures in hours, abbreviated
    return QCoreApplication::translate("StatusMenu", "Updated %nh ago", nullptr, hours);
}

QString awaiting(Awaiting what)
{
    switch (what) {
    case Awaiting::keyring:
        return QCoreApplication::translate("StatusMenu", "Waiting for the keyring…");
    case Awaiting::keyringUnlock:
        return QCoreApplication::translate("StatusMenu", "Keyring locked — unlock it to show figures");
    case Awaiting::nothing:
    case Awaiting::answer:
        break;
    }
    return QCoreApplication::translate("StatusMenu", "Updating…");
}

QString lastRow(const std::optional<ProviderUsage> &usage, const QDateTime &now, const QString &expiredText)
{
    if (!usage)
        return expiredText.isEmpty() ? expired() : expiredText;
    QString text = usage->error ? *usage->error : updated(usage->fetchedAt, now);
    if (usage->usable() && usage->failedTry) {
        //: %1 is the figures' age or a failure, %2 why the latest try failed
        text = QCoreApplication::translate("StatusMenu", "%1 · last try failed: %2").arg(text, *usage->failedTry);
    }
    if (usage->nextTryAt && *usage->nextTryAt > now) {
        //: %1 is the figures' age or a failure, %2 the time till the next try ("3m")
        text = QCoreApplication::translate("StatusMenu", "%1 · next try in %2").arg(text, Figures::timeRemaining(usage->nextTryAt, now));
    }
    return text;
}

QString updatedByTheMinute(const QDateTime &fetchedAt, const QDateTime &now, qint64 justNowWithin)
{
    return fetchedAt.secsTo(now) < std::max<qint64>(justNowWithin, 60) ? justNow() : updated(fetchedAt, now);
}

}

StatusMenu::StatusMenu(const Actions &actions, QObject *parent)
    : QObject(parent)
{
    const QString noneRowSession = MenuTexts::noFiguresRow(Window::session);
    const QString noneRowWeekly = MenuTexts::noFiguresRow(Window::weekly);
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

    const ProviderIdentity &claude = Providers::of(Provider::claude);
    const ProviderIdentity &openAI = Providers::of(Provider::openAI);
    Item claudeTitle = row(claudeHeader, claude.name, true);
    claudeTitle.icon = claude.id;
    Item openAITitle = row(openAIHeaderItem, openAI.name, false);
    openAITitle.icon = openAI.id;

    // A provider's other limits wait hidden under its weekly row.
    const auto appendExtraRows = [this, &row](ItemId first) {
        for (int i = 0; i < LimitWindows::maxExtraRows; ++i)
            m_items.append(row(static_cast<ItemId>(first + i), QString(), false));
    };

    m_items = {
        claudeTitle,
        row(claudeSessionItem, noneRowSession, true),
        row(claudeWeeklyItem, noneRowWeekly, true),
    };
    appendExtraRows(claudeExtraItem);
    m_items += {
        row(claudeExtraUsageItem, QString(), false),
        row(claudeUpdatedItem, MenuTexts::none, true, actions.openPrefs),
        separator(openAISeparator, false),
        openAITitle,
        row(openAISessionItem, noneRowSession, false),
        row(openAIWeeklyItem, noneRowWeekly, false),
    };
    appendExtraRows(openAIExtraItem);
    m_items += {
        row(openAICreditsItem, QString(), false),
        row(openAIUpdatedItem, MenuTexts::none, false, actions.openPrefs),
        separator(commandsSeparator, true),
        command(refreshNow, tr("Refresh Now"), QStringLiteral("Ctrl+R"), actions.refreshNow),
        command(usageHistory, tr("Usage History…"), QString(), actions.openHistory),
        command(checkForUpdates, tr("Check for Updates…"), QString(), actions.checkForUpdates),
        command(openPrefs, tr("Preferences…"), QStringLiteral("Ctrl+,"), actions.openPrefs),
        command(openOnboarding, tr("Welcome Guide…"), QString(), actions.openOnboarding),
        separator(quitSeparator, true),
        command(quit, tr("Quit Quotabar"), QStringLiteral("Ctrl+Q"), actions.quit),
    };
}

qsizetype StatusMenu::indexOf(ItemId id) const
{
    const auto found = std::find_if(m_items.cbegin(), m_items.cend(), [id](const Item &i) { return i.id == id; });
    Q_ASSERT(found != m_items.cend()); // every id is built in the constructor
    return found - m_items.cbegin();
}

QStringList StatusMenu::groupTexts(Provider provider, const std::optional<AgeAt> &age) const
{
    const Group group = groupOf(provider);
    const auto fetchedAt = m_fetchedAt.find(provider);
    QStringList texts;
    bool inGroup = false;
    for (const Item &i : m_items) {
        if (inGroup && i.visible) {
            if (i.id != group.updated || !age || fetchedAt == m_fetchedAt.end())
                texts.append(i.title);
            else if (age->justNowWithin)
                texts.append(MenuTexts::updatedByTheMinute(fetchedAt->second, age->now, *age->justNowWithin));
            else
                texts.append(MenuTexts::updated(fetchedAt->second, age->now));
        }
        if (i.id == group.header)
            inGroup = true;
        else if (i.id == group.updated)
            break;
    }
    return texts;
}

QStringList StatusMenu::sectionTexts(qsizetype index, bool withHeader) const
{
    const int first = accountItems + int(index) * accountItemStride;
    QStringList texts;
    for (const Item &i : m_items) {
        const bool header = i.id == first + 1; // after the separator
        if (i.id > first && i.id < first + accountItemStride && i.visible && !i.separator && (withHeader || !header))
            texts.append(i.title);
    }
    return texts;
}

QStringList StatusMenu::rowTexts(Provider provider, const std::optional<AgeAt> &age) const
{
    QStringList texts = groupTexts(provider, age);
    // The provider's other accounts follow, each under its header; the first one then gets its own.
    const bool several = std::any_of(m_sections.cbegin(), m_sections.cend(),
                                     [provider](const AccountSection &section) { return section.provider == provider; });
    if (several)
        texts.prepend(item(groupOf(provider).header).title);
    for (qsizetype index = 0; index < m_sections.size(); ++index) {
        if (m_sections.at(index).provider == provider)
            texts += sectionTexts(index, true);
    }
    return texts;
}

QStringList StatusMenu::accountRowTexts(Provider provider, const AccountId &id, const std::optional<AgeAt> &age) const
{
    if (id == Account::firstId(provider))
        return groupTexts(provider, age);
    for (qsizetype index = 0; index < m_sections.size(); ++index) {
        if (m_sections.at(index).id == id)
            return sectionTexts(index, false);
    }
    return {};
}

void StatusMenu::labelFirstAccount(Provider provider, const std::optional<QString> &label)
{
    if (label)
        m_firstLabels[provider] = *label;
    else
        m_firstLabels.erase(provider);
}

void StatusMenu::showAccounts(const QList<AccountSection> &sections, const QDateTime &now)
{
    QList<Item> before;
    std::copy_if(m_items.cbegin(), m_items.cend(), std::back_inserter(before), [](const Item &i) { return i.id >= accountItems; });
    m_items.removeIf([](const Item &i) { return i.id >= accountItems; });
    m_sections = sections;
    // With the first accounts, four or more fill a screen at full length: the others get short.
    const bool compact = sections.size() + 2 >= compactFrom;
    for (const Provider provider : {Provider::claude, Provider::openAI}) {
        // Below the provider's own group: its updated row, then its other accounts in their order.
        qsizetype at = indexOf(groupOf(provider).updated) + 1;
        for (qsizetype index = 0; index < sections.size(); ++index) {
            const AccountSection &section = sections.at(index);
            if (section.provider != provider)
                continue;
            int id = accountItems + int(index) * accountItemStride;
            const auto add = [&](const QString &title, Style style = Style::plain, bool separator = false) {
                Item item;
                item.id = id++;
                item.separator = separator;
                item.title = title;
                item.enabled = false;
                item.style = style;
                m_items.insert(at++, item);
            };
            const bool usable = section.usage && section.usage->usable();
            add(QString(), Style::plain, true);
            add(MenuTexts::accountHeader(provider, section.label, usable ? section.usage->plan : std::nullopt));
            m_items[at - 1].icon = Providers::of(provider).id;
            QStringList rows;
            if (usable && compact) {
                // One row of figures, and the age only while it says more than that they are current.
                rows = {MenuTexts::compactRow(*section.usage), MenuTexts::lastRow(section.usage, now)};
            } else if (usable) {
                rows = MenuTexts::rows(*section.usage, now);
                if (m_rowSuffix && section.usage->sessionPercentage)
                    rows[0] += m_rowSuffix(section.id, Window::session);
                if (m_rowSuffix && section.usage->weeklyPercentage)
                    rows[1] += m_rowSuffix(section.id, Window::weekly);
            } else {
                rows = {MenuTexts::noFiguresRow(Window::session), MenuTexts::noFiguresRow(Window::weekly),
                        MenuTexts::lastRow(section.usage, now, section.whyNone)};
            }
            const QString last = rows.takeLast();
            for (const QString &row : std::as_const(rows))
                add(row);
            add(last, !usable && (section.warn || section.usage) ? Style::warning : Style::secondary);
        }
    }
    // Redrawn at every refresh of the title: unchanged sections tell nobody.
    QList<Item> after;
    std::copy_if(m_items.cbegin(), m_items.cend(), std::back_inserter(after), [](const Item &i) { return i.id >= accountItems; });
    const auto row = [](const Item &i) { return static_cast<const StatusMenuRow &>(i); };
    if (!std::equal(before.cbegin(), before.cend(), after.cbegin(), after.cend(),
                    [&row](const Item &a, const Item &b) { return row(a) == row(b); }))
        emit changed();
}

void StatusMenu::activate(ItemId id)
{
    const Item &target = item(id);
    if (target.enabled && target.visible && target.action)
        target.action();
}

void StatusMenu::showClaude(const std::optional<ProviderUsage> &usage, const QDateTime &now, const QString &expiredText,
                            bool warn)
{
    showRows(Provider::claude, true, expiredText, warn, usage, now);
    emit changed();
}

void StatusMenu::showOpenAI(bool shown, const std::optional<ProviderUsage> &usage, const QDateTime &now,
                            const QString &expiredText, bool warn)
{
    for (const ItemId id : {openAISeparator, openAIHeaderItem, openAISessionItem, openAIWeeklyItem, openAIUpdatedItem})
        edit(id).visible = shown;
    if (shown) {
        showRows(Provider::openAI, shown, expiredText, warn, usage, now);
    } else {
        for (int i = 0; i < LimitWindows::maxExtraRows; ++i)
            edit(static_cast<ItemId>(openAIExtraItem + i)).visible = false;
        edit(openAICreditsItem).visible = false;
    }
    emit changed();
}

void StatusMenu::showRows(Provider provider, bool shown, const QString &expiredText, bool warn,
                          const std::optional<ProviderUsage> &usage,
                          const QDateTime &now)
{
    const Group group = groupOf(provider);
    const bool usable = usage && usage->usable();
    const QList<LimitWindow> extra = usable ? usage->extraWindows() : QList<LimitWindow>();
    const std::optional<QString> plan = usable ? usage->plan : std::nullopt;
    const auto label = m_firstLabels.find(provider);
    edit(group.header).title = label == m_firstLabels.end() ? MenuTexts::header(provider, plan)
                                                            : MenuTexts::accountHeader(provider, label->second, plan);
    for (int i = 0; i < LimitWindows::maxExtraRows; ++i) {
        Item &row = edit(static_cast<ItemId>(group.extraFirst + i));
        row.visible = shown && i < extra.size();
        row.title = i < extra.size() ? MenuTexts::windowRow(extra[i]) : QString();
    }
    Item &beyondPlan = edit(group.beyondPlan);
    const std::optional<QString> beyondPlanText = usable ? MenuTexts::beyondPlanRow(*usage) : std::nullopt;
    beyondPlan.visible = shown && beyondPlanText;
    beyondPlan.title = beyondPlanText.value_or(QString());

    Item &updatedRow = edit(group.updated);
    if (usable) {
        edit(group.session).title = MenuTexts::sessionRow(*usage) + suffix(provider, Window::session, usage->sessionPercentage);
        edit(group.weekly).title = MenuTexts::weeklyRow(*usage) + suffix(provider, Window::weekly, usage->weeklyPercentage);
        updatedRow.title = MenuTexts::lastRow(usage, now);
        // A plain age is told afresh whenever the rows are read; a failed or waiting try is not.
        if (!usage->failedTry && !(usage->nextTryAt && *usage->nextTryAt > now))
            m_fetchedAt[provider] = usage->fetchedAt;
        else
            m_fetchedAt.erase(provider);
        updatedRow.enabled = false;
        updatedRow.style = Style::secondary;
    } else {
        edit(group.session).title = MenuTexts::noFiguresRow(Window::session);
        edit(group.weekly).title = MenuTexts::noFiguresRow(Window::weekly);
        updatedRow.title = MenuTexts::lastRow(usage, now, expiredText);
        m_fetchedAt.erase(provider);
        // A failure or a refused key leads to Preferences; a provider that is being asked does not.
        warn = warn || usage;
        updatedRow.enabled = warn;
        updatedRow.style = warn ? Style::warning : Style::secondary;
    }
}
