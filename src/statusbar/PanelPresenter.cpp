#include "PanelPresenter.h"

#include "app/AppSettings.h"
#include "statusbar/StatusMenu.h"

#include <algorithm>

namespace PanelSegments {

StatusSegment::Level level(std::optional<double> lowestRemaining)
{
    if (lowestRemaining && *lowestRemaining <= 5)
        return StatusSegment::Level::critical;
    if (lowestRemaining && *lowestRemaining <= 20)
        return StatusSegment::Level::low;
    return StatusSegment::Level::normal;
}

} // namespace PanelSegments

PanelPresenter::PanelPresenter(StatusItem &item, const AppSettings &settings, Scheduler &scheduler,
                               const Clock &clock, PanelHost host, QObject *parent)
    : QObject(parent)
    , m_item(item)
    , m_settings(settings)
    , m_host(std::move(host))
    , m_scheduler(scheduler)
    , m_clock(clock)
{
}

// The rows' ages change by the minute while titles may stay for the whole refresh interval. The
// timer starts again with every title, a little over a minute after it, so refreshes every minute
// (which land just after the minute) never wake it: the panel hears of ages only when they change.
void PanelPresenter::restartAgeTimer()
{
    using namespace std::chrono_literals;
    if (m_tooltipTimer)
        m_scheduler.cancel(*m_tooltipTimer);
    m_tooltipTimer = m_scheduler.after(std::chrono::seconds(lateAfterSeconds), [this] {
        m_tooltipTimer = m_scheduler.every(60s, [this] { rewriteAges(); });
        rewriteAges();
    });
}

void PanelPresenter::rewriteAges()
{
    if (!m_menu || !std::holds_alternative<TitleModel>(m_shown))
        return;
    if (m_rewriteRows)
        m_rewriteRows();
    refresh();
}

std::optional<QString> PanelPresenter::toolTipNow(const QString &segmentId) const
{
    if (!m_menu)
        return std::nullopt;
    if (const auto found = m_accountItems.find(segmentId); found != m_accountItems.end())
        return m_menu->accountRowTexts(found->second.first, found->second.second, StatusMenu::AgeAt{m_clock.now()})
            .join(QLatin1Char('\n'));
    if (const auto provider = Providers::fromId(segmentId))
        return m_menu->rowTexts(*provider, StatusMenu::AgeAt{m_clock.now()}).join(QLatin1Char('\n'));
    return std::nullopt;
}

PanelPresenter::~PanelPresenter()
{
    if (m_tooltipTimer)
        m_scheduler.cancel(*m_tooltipTimer);
}

StatusSegment PanelPresenter::segmentFor(const TitleSegment &title, PanelStyle style, int place, int index) const
{
    const ProviderIdentity &provider = Providers::of(title.provider);
    // A provider's first account keeps the provider's item, so that it keeps its place in either mode.
    const bool otherAccount = !title.account.isEmpty() && title.account != Account::firstId(title.provider);
    StatusSegment segment;
    segment.id = otherAccount ? provider.id + QLatin1Char('-') + title.account : provider.id;
    segment.logo = otherAccount ? provider.id : QString();
    const bool labelled = !title.accountLabel.isEmpty();
    segment.name = labelled ? provider.name + QStringLiteral(" · ") + title.accountLabel : provider.name;
    segment.warn = title.warn;
    segment.label = !labelled ? title.text : title.warn ? title.accountLabel : title.accountLabel + QLatin1Char(' ') + title.text;
    segment.figures = title.figures;
    segment.level = PanelSegments::level(title.lowestRemaining);
    segment.icon = style == PanelStyle::figuresInIcon && !title.warn ? StatusSegment::Icon::figures
                                                                     : StatusSegment::Icon::logo;
    segment.mark = provider.brandColour.rgb();
    // Hosts sort by the index or by the title: both follow the provider, then the account's place.
    segment.order = uint(index);
    if (place == 0) {
        //: A panel item's title, as hosts list it: %1 is the provider's maker ("Anthropic"), %2 its name
        //: ("Claude"). Hosts sort the items by it: keep the maker before the name.
        segment.title = tr("Quotabar — %1 %2").arg(provider.maker, provider.name);
    } else {
        //: The title of a provider's further account's panel item: %3 is the account's place among the
        //: provider's ("2"), %4 its label. Hosts sort the items by it: keep the order of the placeholders.
        segment.title = tr("Quotabar — %1 %2 %3 · %4").arg(provider.maker, provider.name, QString::number(place + 1), title.accountLabel);
    }
    segment.toolTipTitle = segment.name;
    if (m_menu) {
        // A host that reads the tooltip gets the age of that moment (toolTipNow). The text the panel is
        // told of calls a record "just now" until its next refresh is overdue, so refreshes on time,
        // each of which rewrites the other provider's rows too, tell the panel nothing, and it hears
        // of ages once they say the figures are late. Hosts that keep what they read last (Xfce)
        // show "just now" meanwhile.
        const qint64 dueWithin = static_cast<qint64>(m_settings.refreshInterval()) + lateAfterSeconds;
        const StatusMenu::AgeAt age{m_clock.now(), dueWithin};
        const QStringList rows = title.account.isEmpty() ? m_menu->rowTexts(title.provider, age)
                                                         : m_menu->accountRowTexts(title.provider, title.account, age);
        segment.toolTipText = rows.join(QLatin1Char('\n'));
    }
    return segment;
}

void PanelPresenter::showPlaceholder(const QString &text)
{
    m_shown = text;
    TitleModel title;
    if (m_settings.showClaude())
        title.segments.append({Provider::claude, false, text});
    if (m_settings.showOpenAI())
        title.segments.append({Provider::openAI, false, text});
    QList<StatusSegment> segments;
    for (const TitleSegment &segment : std::as_const(title.segments)) {
        StatusSegment shown = segmentFor(segment, PanelStyle::logoAndText, 0, int(segments.size()));
        shown.figures.clear();
        segments.append(shown);
    }
    if (segments.isEmpty())
        segments.append({.id = QStringLiteral("idle"), .name = QStringLiteral("Quotabar"),
                         .icon = StatusSegment::Icon::idle, .order = uint(segments.size()), .title = QStringLiteral("Quotabar"), .toolTipTitle = QStringLiteral("Quotabar")});
    m_item.showSegments(segments);
}

void PanelPresenter::showTitle(const TitleModel &title)
{
    restartAgeTimer();
    present(title);
}

void PanelPresenter::present(const TitleModel &title)
{
    m_shown = title;
    const PanelStyle style = PanelStyles::resolved(m_settings.panelStyle(), m_host);
    QList<StatusSegment> segments;
    m_accountItems.clear();
    std::array<int, 2> places{};
    for (const TitleSegment &segment : title.segments) {
        segments.append(segmentFor(segment, style, places[std::size_t(segment.provider)]++, int(segments.size())));
        if (!segment.account.isEmpty())
            m_accountItems[segments.last().id] = {segment.provider, segment.account};
    }
    if (title.iconOnly()) {
        segments.append({.id = QStringLiteral("idle"), .name = QStringLiteral("Quotabar"),
                         .icon = StatusSegment::Icon::idle, .order = uint(segments.size()), .title = QStringLiteral("Quotabar"), .toolTipTitle = QStringLiteral("Quotabar"),
                         .toolTipText = title.tooltip.value_or(QString())});
    }
    m_item.showSegments(segments);
}

void PanelPresenter::refresh()
{
    if (const auto *text = std::get_if<QString>(&m_shown))
        showPlaceholder(*text);
    else if (const auto *title = std::get_if<TitleModel>(&m_shown))
        present(*title);
}

QList<StatusMenuRow> PanelPresenter::rows() const
{
    // Like the tooltips, a closed menu calls a record "just now" until its refresh is overdue: a
    // refresh on time, whose first answer rewrites the other provider's rows too, then changes no
    // row the host is told of. An opening menu tells each age of that moment.
    const qint64 dueWithin = static_cast<qint64>(m_settings.refreshInterval()) + lateAfterSeconds;
    QList<StatusMenuRow> rows;
    for (const StatusMenu::Item &item : m_menu->items()) {
        rows.append(item);
        const std::optional<Provider> provider = item.id == StatusMenu::claudeUpdatedItem ? std::optional(Provider::claude)
            : item.id == StatusMenu::openAIUpdatedItem                                     ? std::optional(Provider::openAI)
                                                                                            : std::nullopt;
        if (provider && item.visible && !m_opening) {
            const QStringList texts = m_menu->rowTexts(*provider, StatusMenu::AgeAt{m_clock.now(), dueWithin});
            if (!texts.isEmpty())
                rows.last().title = texts.last();
        }
    }
    return rows;
}

void PanelPresenter::setMenu(StatusMenu &menu, std::function<void()> aboutToShow)
{
    m_menu = &menu;
    m_rewriteRows = aboutToShow;
    connect(&menu, &StatusMenu::changed, this, [this] { m_item.updateMenu(rows()); });
    m_item.setMenu(rows(), StatusMenuHandlers{
                               [this, aboutToShow = std::move(aboutToShow)] {
                                   m_opening = true;
                                   aboutToShow();
                                   m_item.updateMenu(rows());
                                   m_opening = false;
                               },
                               [&menu](int id) { menu.activate(static_cast<StatusMenu::ItemId>(id)); },
                               [this](const QString &segmentId) { return toolTipNow(segmentId); },
                           });
}
