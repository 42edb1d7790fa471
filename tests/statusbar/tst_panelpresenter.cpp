#include "app/DefaultsKeys.h"
#include "statusbar/PanelPresenter.h"
#include "support/ControllerHarness.h"

#include <QtTest>

Q_DECLARE_METATYPE(DisplayFormat)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

// A panel item that keeps what it was last told.
struct RecordingItem final : StatusItem
{
    void showSegments(const QList<StatusSegment> &shown) override
    {
        changes += shown != segments;
        segments = shown;
    }
    void setMenu(const QList<StatusMenuRow> &shown, StatusMenuHandlers given) override
    {
        rows = shown;
        handlers = std::move(given);
    }
    void updateMenu(const QList<StatusMenuRow> &shown) override
    {
        menuChanges += shown != rows;
        rows = shown;
    }

    QList<StatusSegment> segments;
    QList<StatusMenuRow> rows;
    StatusMenuHandlers handlers;
    int changes = 0;     // calls that changed what the panel shows
    int menuChanges = 0; // and what its menu rows say
};

} // namespace

// How the title and the menu become panel items.
class TestPanelPresenter : public QObject
{
    Q_OBJECT

private slots:
    void figuresAndLevel_data()
    {
        QTest::addColumn<DisplayFormat>("format");
        QTest::addColumn<std::optional<double>>("sessionUsed");
        QTest::addColumn<std::optional<double>>("weeklyUsed");
        QTest::addColumn<QStringList>("figures");
        QTest::addColumn<int>("level");
        const int normal = int(StatusSegment::Level::normal);
        const int low = int(StatusSegment::Level::low);
        const int critical = int(StatusSegment::Level::critical);
        const auto used = [](double percent) { return std::optional(percent); };
        const std::optional<double> unknown;
        QTest::newRow("session and weekly") << DisplayFormat::both << used(27) << used(59) << QStringList{"73%", "41%"} << normal;
        QTest::newRow("one figure") << DisplayFormat::sessionOnly << used(79) << used(99) << QStringList{"21%"} << normal;
        QTest::newRow("20.4 % left shows 20 %, low") << DisplayFormat::both << used(79.6) << used(59) << QStringList{"20%", "41%"} << low;
        QTest::newRow("the lower one counts") << DisplayFormat::both << used(27) << used(94) << QStringList{"73%", "6%"} << low;
        QTest::newRow("5 % is critical") << DisplayFormat::weeklyAndTimer << used(0) << used(95) << QStringList{"5%", "4d"} << critical;
        QTest::newRow("overdrawn") << DisplayFormat::sessionAndTimer << used(101) << used(0) << QStringList{"-1%", "3h"} << critical;
        QTest::newRow("unknown") << DisplayFormat::both << unknown << unknown << QStringList{"new", "new"} << normal;
    }

    // The figures drawn in the icon and their colour come with the title, not out of its text.
    void figuresAndLevel()
    {
        QFETCH(DisplayFormat, format);
        QFETCH(std::optional<double>, sessionUsed);
        QFETCH(std::optional<double>, weeklyUsed);
        QFETCH(QStringList, figures);
        QFETCH(int, level);
        const QDateTime now = QDateTime::fromSecsSinceEpoch(1'765'000'000, QTimeZone::utc());
        ProviderUsage usage;
        usage.sessionPercentage = sessionUsed;
        usage.weeklyPercentage = weeklyUsed;
        usage.sessionResetAt = now.addSecs(2 * 3600 + 60);
        usage.weeklyResetAt = now.addDays(3).addSecs(60);
        const TitleSegment segment = Title::segment(Provider::claude, format, usage, now);
        QCOMPARE(segment.figures, figures);
        QCOMPARE(int(PanelSegments::level(segment.lowestRemaining)), level);
    }

    // One row per host: the automatic style gives figures in the icon where the host draws no labels.
    void automaticStyle_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<int>("xfceTray");
        QTest::addColumn<int>("icon");
        const int logo = int(StatusSegment::Icon::logo);
        const int figures = int(StatusSegment::Icon::figures);
        const int systray = int(PanelHost::XfceTray::systray);
        const int sntray = int(PanelHost::XfceTray::sntray);
        QTest::newRow("automatic on Plasma 5 and 6") << "Automatic" << "KDE" << 0 << figures;
        QTest::newRow("automatic on Xfce's systray") << "Automatic" << "XFCE" << systray << figures;
        QTest::newRow("automatic on Xfce's sntray") << "Automatic" << "XFCE" << sntray << logo;
        QTest::newRow("automatic on GNOME 43 and 48") << "Automatic" << "GNOME" << 0 << logo;
        QTest::newRow("automatic on Ubuntu's GNOME") << "Automatic" << "ubuntu:GNOME" << 0 << logo;
        QTest::newRow("automatic on MATE") << "Automatic" << "MATE" << 0 << logo;
        QTest::newRow("automatic on sway (Waybar)") << "Automatic" << "sway" << 0 << logo;
        QTest::newRow("logo and text on Plasma") << "Logo and text" << "KDE" << 0 << logo;
        QTest::newRow("figures on Xfce's sntray") << "Figures in icon" << "XFCE" << sntray << figures;
    }

    // The panel style picks the icon; tooltips carry the provider's name and its menu rows.
    void automaticStyle()
    {
        QFETCH(QString, stored);
        QFETCH(QString, desktop);
        QFETCH(int, xfceTray);
        QFETCH(int, icon);
        ControllerHarness<RecordingItem> h;
        h.host = {desktop, PanelHost::XfceTray(xfceTray)};
        h.settings.setPanelStyle(*PanelStyles::fromRawValue(stored));
        h.start();
        QCOMPARE(h.item.segments.size(), 2);
        QCOMPARE(h.item.segments[0].label, QStringLiteral("…"));
        QCOMPARE(int(h.item.segments[0].icon), int(StatusSegment::Icon::logo));

        h.claude.deliver(h.claudeRecord());
        const StatusSegment claude = h.item.segments[0];
        QCOMPARE(claude.id, QStringLiteral("claude"));
        QCOMPARE(int(claude.icon), icon);
        QCOMPARE(claude.figures, (QStringList{"73%", "41%"}));
        QCOMPARE(claude.toolTipTitle, QStringLiteral("Claude"));
        QCOMPARE(claude.toolTipText, QStringLiteral("Session  73%\nWeekly  41%\nUpdated just now"));
        const StatusSegment openAI = h.item.segments[1];
        QVERIFY(openAI.warn);
        QCOMPARE(int(openAI.icon), int(StatusSegment::Icon::logo)); // the warning keeps the logo
        QCOMPARE(openAI.toolTipTitle, QStringLiteral("ChatGPT"));
    }

    // Once a refresh is overdue the panel hears of the record's age, by the minute.
    void tooltipAgesOnceLate()
    {
        using namespace std::chrono_literals;
        ControllerHarness<RecordingItem> h;
        h.settings.setRefreshInterval(60);
        h.start();
        h.claude.deliver(h.claudeRecord());
        h.scheduler.advance(124s);
        QVERIFY(h.item.segments[0].toolTipText.endsWith(QStringLiteral("Updated just now")));
        h.scheduler.advance(61s);
        QCOMPARE(h.item.segments[0].toolTipText, QStringLiteral("Session  73%\nWeekly  41%\nUpdated 3m ago"));
        h.scheduler.advance(60s);
        QVERIFY(h.item.segments[0].toolTipText.endsWith(QStringLiteral("Updated 4m ago")));
    }

    // Reset phrases are told as of the moment the menu, the tooltip or the status report is made,
    // not as of the record: an hour later the session resets an hour sooner.
    void resetPhrasesAreCurrentWhenShown()
    {
        using namespace std::chrono_literals;
        ControllerHarness<RecordingItem> h;
        h.settings.setRefreshInterval(3600);
        h.start();
        UsageData record = h.claudeRecord(2 * 3600 + 600, 3 * 86400 + 600);
        record.sessionLabel = QStringLiteral("Session resets in 2 hr."); // as the fetcher made it
        h.claude.deliver(record);
        QCOMPARE(h.item.segments[0].toolTipText,
                 QStringLiteral("Session  73%  Session resets in 2 hr.\nWeekly  41%  Weekly resets in 3 days\nUpdated just now"));

        h.scheduler.advance(1h);
        const QString session = QStringLiteral("Session  73%  Session resets in 1 hr.");
        QCOMPARE(h.controller->menu().item(StatusMenu::claudeSessionItem).title, session);
        QCOMPARE(h.item.handlers.toolTipNow(QStringLiteral("claude")).value_or(QString()).section(QLatin1Char('\n'), 0, 0),
                 session);
        QCOMPARE(h.controller->shownClaude()->sessionLabel, QStringLiteral("Session resets in 1 hr."));
    }

    // Refreshes that answer on time with the same figures tell the panel nothing new, whatever the
    // interval, and though the answers drift a little later each time.
    void panelHearsOnlyOfChanges_data()
    {
        QTest::addColumn<int>("intervalSeconds");
        QTest::addColumn<int>("driftSeconds");
        QTest::newRow("every 30 s") << 30 << 0;
        QTest::newRow("every minute") << 60 << 0;
        QTest::newRow("every minute, drifting") << 60 << 2;
        QTest::newRow("every 5 minutes") << 300 << 0;
        QTest::newRow("every 5 minutes, drifting") << 300 << 3;
    }

    void panelHearsOnlyOfChanges()
    {
        QFETCH(int, intervalSeconds);
        QFETCH(int, driftSeconds);
        using namespace std::chrono_literals;
        ControllerHarness<RecordingItem> h;
        h.settings.setRefreshInterval(intervalSeconds);
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        h.start();
        const auto refresh = [&] { // the two answers come a moment apart
            h.claude.deliver(h.claudeRecord());
            h.scheduler.advance(1s);
            h.openAI.deliver(h.openAIRecord());
        };
        refresh();
        const int before = h.item.changes;
        const int menuBefore = h.item.menuChanges;
        for (int i = 0; i < 4; ++i) {
            h.scheduler.advance(std::chrono::seconds(intervalSeconds + driftSeconds) - 1s);
            refresh();
        }
        QCOMPARE(h.item.changes - before, 0);
        QCOMPARE(h.item.menuChanges - menuBefore, 0);
    }

    // A host reading the tooltip between titles, or opening the menu, reads the age of that moment.
    void ageAsTheHostReadsIt()
    {
        using namespace std::chrono_literals;
        ControllerHarness<RecordingItem> h;
        h.start();
        h.claude.deliver(h.claudeRecord());
        h.scheduler.advance(49s);
        QCOMPARE(h.item.handlers.toolTipNow(QStringLiteral("claude")).value_or(QString()),
                 QStringLiteral("Session  73%\nWeekly  41%\nUpdated 49s ago"));
        QCOMPARE(h.item.segments[0].toolTipText, QStringLiteral("Session  73%\nWeekly  41%\nUpdated just now"));
        QVERIFY(!h.item.handlers.toolTipNow(QStringLiteral("idle")));
        const auto updatedRow = [&] {
            for (const StatusMenuRow &row : std::as_const(h.item.rows)) {
                if (row.id == StatusMenu::claudeUpdatedItem)
                    return row.title;
            }
            return QString();
        };
        QCOMPARE(updatedRow(), QStringLiteral("Updated just now"));
        h.item.handlers.aboutToShow();
        QCOMPARE(updatedRow(), QStringLiteral("Updated 49s ago"));
    }

    // With an item per account, each of a provider's accounts has its own item: its label before
    // its figures, the provider's logo, a title that sorts as it is placed, and its own rows.
    void anItemPerAccount()
    {
        ControllerHarness<RecordingItem> h;
        h.settings.setShowOpenAI(false);
        h.settings.setPanelItemPerAccount(true);
        h.start();
        const AccountId work = h.accounts.add(Account{{}, Provider::claude, QStringLiteral("Work and play")},
                                              QStringLiteral("work-key"));
        h.claude.deliver(h.claudeRecord());
        ProviderUsage other = ProviderUsage::from(h.claudeRecord());
        other.sessionPercentage = 60;
        h.others.at(work)->deliver(other);
        QCOMPARE(h.item.segments.size(), 2);
        const StatusSegment &first = h.item.segments[0];
        const StatusSegment &second = h.item.segments[1];
        QCOMPARE(QStringList({first.id, second.id}), QStringList({"claude", "claude-" + work}));
        QCOMPARE(QStringList({first.logoName(), second.logoName()}), QStringList({"claude", "claude"}));
        QCOMPARE(QStringList({first.label, second.label}), QStringList({"Claude S:73%  W:41%", "Work S:40%  W:41%"}));
        QCOMPARE(second.toolTipTitle, QStringLiteral("Claude · Work"));
        QVERIFY(first.title < second.title && first.order < second.order);
        QCOMPARE(h.item.handlers.toolTipNow(second.id).value_or(QString()).section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Session  40%"));
        QVERIFY(!first.toolTipText.contains(QStringLiteral("40%")));
    }

    void idleItemWhenBothAreOff()
    {
        ControllerHarness<RecordingItem> h;
        h.settings.setShowClaude(false);
        h.settings.setShowOpenAI(false);
        h.start();
        QCOMPARE(h.item.segments.size(), 1);
        QCOMPARE(int(h.item.segments[0].icon), int(StatusSegment::Icon::idle));
        h.claude.deliver(UsageData::failure(QStringLiteral("HTTP 500"), h.clock.now()));
        QCOMPARE(h.item.segments[0].toolTipText, QStringLiteral("HTTP 500"));
        QCOMPARE(h.item.rows.size(), 31);
    }
};

QTEST_GUILESS_MAIN(TestPanelPresenter)
#include "tst_panelpresenter.moc"
