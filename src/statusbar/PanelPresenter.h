#pragma once

#include "app/PanelStyle.h"
#include "platform/Clock.h"
#include "platform/Scheduler.h"
#include "platform/PanelHost.h"
#include "platform/StatusItem.h"
#include "statusbar/TitleView.h"

#include <QObject>

#include <map>
#include <variant>

class AppSettings;

// Shows the title model and the menu through the panel's status item: one item per shown
// provider (or per shown account), with its label, its figures for hosts that draw no labels, and its
// menu rows as tooltip.
class PanelPresenter final : public QObject, public TitleView
{
    Q_OBJECT
public:
    // `host` is what shows the items, for the automatic panel style; `scheduler` and `clock`
    // keep the tooltips' "Updated …" rows current between titles.
    PanelPresenter(StatusItem &item, const AppSettings &settings, Scheduler &scheduler, const Clock &clock,
                   PanelHost host, QObject *parent = nullptr);
    ~PanelPresenter() override;

    void showPlaceholder(const QString &text) override;
    void showTitle(const TitleModel &title) override;
    void setMenu(StatusMenu &menu, std::function<void()> aboutToShow) override;

    // Redraws the last title, as after a change of the panel style.
    void refresh();

    // A refresh that has not answered this long after its interval is late (answers take a moment).
    static constexpr qint64 lateAfterSeconds = 65;

private:
    // The menu's rows; while closed, a record's age as the tooltips tell it (see segmentFor).
    QList<StatusMenuRow> rows() const;
    // `place`: the item's place among its provider's items; `index`: among all of them.
    StatusSegment segmentFor(const TitleSegment &title, PanelStyle style, int place, int index) const;
    std::optional<QString> toolTipNow(const QString &segmentId) const;
    void restartAgeTimer();
    void rewriteAges();
    void present(const TitleModel &title);

    StatusItem &m_item;
    const AppSettings &m_settings;
    PanelHost m_host;
    Scheduler &m_scheduler;
    const Clock &m_clock;
    std::optional<Scheduler::TimerId> m_tooltipTimer;
    StatusMenu *m_menu = nullptr;
    std::function<void()> m_rewriteRows;
    bool m_opening = false; // the menu is about to open: its rows tell ages of this moment
    std::variant<std::monostate, QString, TitleModel> m_shown;
    // The items of accounts: whose they are, by item id.
    std::map<QString, std::pair<Provider, AccountId>> m_accountItems;
};

namespace PanelSegments {

// Orange at 20 % remaining or less, red at 5 % or less.
StatusSegment::Level level(std::optional<double> lowestRemaining);

}
