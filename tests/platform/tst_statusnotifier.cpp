#include "app/DefaultsKeys.h"
#include "platform/linux/DBusMenuExporter.h"
#include "platform/linux/DBusMenuTypes.h"
#include "platform/linux/HostQuirks.h"
#include "platform/linux/PanelStatusItem.h"
#include "platform/linux/SniStatusItem.h"
#include "support/BusProbe.h"
#include "support/ControllerHarness.h"
#include "support/MinimalWatcher.h"
#include "support/PrivateSessionBus.h"
#include "support/Waiting.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusReply>
#include <QApplication>
#include <QMenu>
#include <QStandardPaths>
#include <QtTest>

namespace {

using namespace BusProbe;

using Harness = ControllerHarness<SniStatusItem>;

} // namespace

// The panel items and their menu as a panel host sees them over a real session bus.
class TestStatusNotifier : public QObject
{
    Q_OBJECT

    PrivateSessionBus m_bus;
    MinimalWatcher m_watcher;

private slots:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
        registerDBusMenuTypes();
        registerStatusNotifierTypes();
        QDBusConnection watcherBus = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("watcher"));
        QVERIFY(watcherBus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &m_watcher,
                                          QDBusConnection::ExportAllContents));
        QVERIFY(watcherBus.registerService(SniStatusItem::watcherService));
        QVERIFY(SniStatusItem::watcherAvailable());
    }

    void init()
    {
        m_watcher.registrations.clear();
        m_watcher.host = true;
    }

    // One item per shown provider from the start: the placeholder is the items' first label, and
    // later titles change them in place; only a provider switched on or off adds or drops its item.
    void itemsFollowTheTitle()
    {
        Harness h;
        h.start();
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == 2; }));
        const QStringList services = h.item.serviceNames();
        QCOMPARE(m_watcher.registrations, services);
        QCOMPARE(m_watcher.senders.last(), QDBusConnection::sessionBus().interface()->serviceOwner(services[1]).value());
        const QString claude = services[0];
        const QString openAI = services[1];
        QCOMPARE(itemProperty<QString>(claude, QStringLiteral("XAyatanaLabel")), QStringLiteral("…"));
        QCOMPARE(itemProperty<QDBusObjectPath>(claude, QStringLiteral("Menu")).path(), QStringLiteral("/MenuBar"));

        h.claude.deliver(h.claudeRecord());
        QCOMPARE(h.item.serviceNames(), services);
        QCOMPARE(itemProperty<QString>(claude, QStringLiteral("XAyatanaLabel")), QStringLiteral("S:73%  W:41%"));
        QCOMPARE(itemProperty<QString>(claude, QStringLiteral("XAyatanaLabelGuide")), QStringLiteral("S:100%  W:100%"));
        QCOMPARE(itemProperty<uint>(claude, QStringLiteral("XAyatanaOrderingIndex")), 0u);
        QCOMPARE(itemProperty<uint>(openAI, QStringLiteral("XAyatanaOrderingIndex")), 1u);
        // Plasma sorts by title whatever order the items came in; equal titles cannot hold in every start order.
        const QString claudeTitle = itemProperty<QString>(claude, QStringLiteral("Title"));
        const QString openAITitle = itemProperty<QString>(openAI, QStringLiteral("Title"));
        QVERIFY(QString::localeAwareCompare(claudeTitle, openAITitle) < 0);
        QVERIFY(QString::compare(claudeTitle, openAITitle, Qt::CaseInsensitive) < 0);
        QCOMPARE(itemProperty<QString>(openAI, QStringLiteral("XAyatanaLabel")), QString());

        // The age is the one of the moment the host reads; the same figures again send no signal.
        SignalProbe quiet;
        QVERIFY(listen(claude, "NewToolTip", &quiet, SLOT(onNewToolTip())));
        h.scheduler.advance(std::chrono::seconds(49));
        QCOMPARE(itemProperty<SniToolTip>(claude, QStringLiteral("ToolTip")).description,
                 QStringLiteral("Session  73%\nWeekly  41%\nUpdated 49s ago"));
        h.scheduler.advance(std::chrono::seconds(11));
        h.claude.deliver(h.claudeRecord());
        QCOMPARE(itemProperty<QString>(claude, QStringLiteral("XAyatanaLabel")), QStringLiteral("S:73%  W:41%"));
        QCOMPARE(quiet.toolTips, 0);
        QVERIFY(itemProperty<bool>(claude, QStringLiteral("ItemIsMenu")));

        const auto pixmaps = itemProperty<QList<SniIconPixmap>>(claude, QStringLiteral("IconPixmap"));
        QList<int> sizes;
        for (const SniIconPixmap &pixmap : pixmaps) {
            sizes.append(pixmap.width);
            QCOMPARE(pixmap.bytes.size(), pixmap.width * pixmap.height * 4);
        }
        QCOMPARE(sizes, (QList<int>{16, 22, 24, 44, 48}));

        // A ChatGPT record: its label and icon change in place, with the change signals.
        SignalProbe probe;
        QVERIFY(listen(openAI, "XAyatanaNewLabel", &probe, SLOT(onNewLabel(QString, QString))));
        QVERIFY(listen(openAI, "NewIcon", &probe, SLOT(onNewIcon())));
        const QByteArray warnIcon = itemProperty<QList<SniIconPixmap>>(openAI, QStringLiteral("IconPixmap")).value(0).bytes;

        h.openAI.deliver(h.openAIRecord());
        QVERIFY(waitUntil([&] { return !probe.labels.isEmpty() && probe.icons > 0; }));
        QCOMPARE(probe.labels, QStringList{QStringLiteral("S:90%  W:65%")});
        QCOMPARE(h.item.serviceNames(), services);
        QVERIFY(itemProperty<QList<SniIconPixmap>>(openAI, QStringLiteral("IconPixmap")).value(0).bytes != warnIcon);
        QCOMPARE(itemProperty<SniToolTip>(openAI, QStringLiteral("ToolTip")).title, QStringLiteral("ChatGPT"));

        // ChatGPT switched off and on again: only its item goes and comes back.
        h.settings.setShowOpenAI(false);
        h.claude.deliver(h.claudeRecord());
        QCOMPARE(h.item.serviceNames(), QStringList{claude});
        h.settings.setShowOpenAI(true);
        h.claude.deliver(h.claudeRecord());
        QCOMPARE(h.item.serviceNames().size(), 2);
        QCOMPARE(h.item.serviceNames()[0], claude);
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == 3; }));
    }

    // The logos as a theme GTK can read, written again only where a file differs from ours.
    void iconThemeIsIndexedAndKept()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString theme = SniStatusItem::exportIconTheme();
        QFile index(theme + QStringLiteral("/hicolor/index.theme"));
        QVERIFY(index.open(QIODevice::ReadOnly));
        QVERIFY(index.readAll().contains("Directories=scalable/apps"));
        const QString kept = theme + QStringLiteral("/hicolor/scalable/apps/quotabar-claude-symbolic.svg");
        const QString spoilt = theme + QStringLiteral("/hicolor/scalable/apps/quotabar-openai-symbolic.svg");
        const QDateTime longAgo = QDateTime::currentDateTimeUtc().addDays(-3).toUTC();
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(longAgo, QFileDevice::FileModificationTime));
        file.close();
        QFile other(spoilt);
        QVERIFY(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
        other.close();

        QCOMPARE(SniStatusItem::exportIconTheme(), theme);
        QCOMPARE(QFileInfo(kept).lastModified().toUTC().toSecsSinceEpoch(), longAgo.toSecsSinceEpoch());
        QFile written(spoilt), original(QStringLiteral(":/icons/hicolor/scalable/apps/quotabar-openai-symbolic.svg"));
        QVERIFY(written.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), original.readAll());
    }

    void iconsByNameAndStyle_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("named");
        QTest::newRow("Xfce colours symbolic icons") << "XFCE" << true;
        QTest::newRow("MATE draws them as they are") << "MATE" << false;
    }

    // Hosts that colour named icons get the symbolic logo; the figures style sends pixmaps only.
    void iconsByNameAndStyle()
    {
        QFETCH(QString, desktop);
        QFETCH(bool, named);
        QStandardPaths::setTestModeEnabled(true);
        const QString theme = SniStatusItem::exportIconTheme();
        for (const char *name : {"claude", "claude-warning", "openai", "openai-warning"}) {
            QFile icon(theme + QStringLiteral("/hicolor/scalable/apps/quotabar-%1-symbolic.svg").arg(name));
            QVERIFY2(icon.open(QIODevice::ReadOnly), qPrintable(icon.fileName()));
            QVERIFY(icon.readAll().contains("class=\"ColorScheme-Text\"")); // Plasma recolours only these
        }
        QColor ink = Qt::white;
        Harness h(SniStatusItem::Options{[&ink] { return ink; }, theme, {desktop}});
        h.start();
        h.claude.deliver(h.claudeRecord());
        const QString claude = h.item.serviceNames().value(0);
        const QString openAI = h.item.serviceNames().value(1);
        QCOMPARE(itemProperty<QString>(openAI, QStringLiteral("IconName")),
                 named ? QStringLiteral("quotabar-openai-warning-symbolic") : QString());
        if (!named)
            return;
        QCOMPARE(itemProperty<QString>(claude, QStringLiteral("IconName")), QStringLiteral("quotabar-claude-symbolic"));
        QCOMPARE(itemProperty<QString>(claude, QStringLiteral("IconThemePath")), theme);

        SignalProbe probe;
        QVERIFY(listen(claude, "NewIcon", &probe, SLOT(onNewIcon())));
        h.settings.setPanelStyle(PanelStyle::figuresInIcon);
        h.notifications.post(Notifications::settingsChanged, {});
        QVERIFY(waitUntil([&] { return probe.icons > 0; }));
        QCOMPARE(itemProperty<QString>(claude, QStringLiteral("IconName")), QString());
        QCOMPARE(itemProperty<QString>(claude, QStringLiteral("XAyatanaLabel")), QString());
        QCOMPARE(itemProperty<QString>(openAI, QStringLiteral("IconName")),
                 QStringLiteral("quotabar-openai-warning-symbolic")); // the warning keeps the logo

        // A new panel colour (the desktop's theme changed) redraws the figures.
        const QByteArray light = itemProperty<QList<SniIconPixmap>>(claude, QStringLiteral("IconPixmap")).value(1).bytes;
        const int icons = probe.icons;
        ink = QColor(0x23, 0x26, 0x29);
        h.controller->appearanceChanged();
        QVERIFY(waitUntil([&] { return probe.icons > icons; }));
        QVERIFY(itemProperty<QList<SniIconPixmap>>(claude, QStringLiteral("IconPixmap")).value(1).bytes != light);
    }

    void labelSaidAgainAfterAHostRead_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("figuresInIcon");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("GNOME draws only a changed label") << "GNOME" << false << QStringList{QString(), "S:73%  W:41%"};
        QTest::newRow("GNOME, no label to say") << "GNOME" << true << QStringList{};
        QTest::newRow("Xfce draws the label it reads") << "XFCE" << false << QStringList{};
    }

    // A host reading the item, as it does when it adds it, hears the label again as a change where it
    // draws only those.
    void labelSaidAgainAfterAHostRead()
    {
        QFETCH(QString, desktop);
        QFETCH(bool, figuresInIcon);
        QFETCH(QStringList, labels);
        Harness h(SniStatusItem::Options{.host = {desktop, PanelHost::XfceTray::sntray}});
        if (figuresInIcon)
            h.settings.setPanelStyle(PanelStyle::figuresInIcon);
        h.start();
        h.claude.deliver(h.claudeRecord());
        const QString claude = h.item.serviceNames().value(0);
        SignalProbe probe;
        QVERIFY(listen(claude, "XAyatanaNewLabel", &probe, SLOT(onNewLabel(QString, QString))));
        waitUntil([] { return false; }, 1500); // what the watcher's reads brought on
        probe.labels.clear();
        QCOMPARE(itemProperty<QString>(claude, QStringLiteral("Id")), QStringLiteral("quotabar-claude"));
        waitUntil([&] { return probe.labels.size() >= 2; }, 2500);
        QCOMPARE(probe.labels, labels);
    }

    void leftClick_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("itemShowsMenu");
        QTest::newRow("Plasma opens the menu when Activate fails") << "KDE" << false;
        QTest::newRow("MATE leaves the menu to the item") << "MATE" << true;
    }

    // A left click opens the menu whatever the host does with Activate.
    void leftClick()
    {
        QFETCH(QString, desktop);
        QFETCH(bool, itemShowsMenu);
        Harness h(SniStatusItem::Options{.host = {desktop, PanelHost::XfceTray::sntray}});
        h.start();
        const QString claude = h.item.serviceNames().value(0);
        const auto replied = call(claude, StatusNotifierItem::objectPath, itemInterface, QStringLiteral("Activate"), {10, 10}).type();
        QCOMPARE(replied, itemShowsMenu ? QDBusMessage::ReplyMessage : QDBusMessage::ErrorMessage);
        const auto shownMenu = [] {
            const QWidgetList widgets = QApplication::topLevelWidgets();
            return std::any_of(widgets.cbegin(), widgets.cend(),
                               [](QWidget *w) { return qobject_cast<QMenu *>(w) && w->isVisible(); });
        };
        QCOMPARE(waitUntil(shownMenu, itemShowsMenu ? 5000 : 300), itemShowsMenu);
    }

    void menuAsTheHostReadsIt()
    {
        Harness h;
        h.start();
        const QString service = h.item.serviceNames().value(0);
        const DBusMenuLayoutItem root = layoutOf(service);
        QCOMPARE(root.properties.value(QStringLiteral("children-display")).toString(), QStringLiteral("submenu"));
        // The rows are the menu's own (their texts are checked with the menu); shortcuts and logos
        // are put in the host's terms, and rows that only inform are enabled, so hosts draw them
        // at full contrast.
        const auto &rows = h.controller->menu().items();
        QCOMPARE(root.children.size(), rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QString row = rows[i].separator ? QStringLiteral("---") : rows[i].title;
            row += QString(!rows[i].visible ? " (hidden)" : "");
            QVERIFY2(describe(root.children[i]).startsWith(row), qPrintable(describe(root.children[i])));
        }
        QCOMPARE(describe(root.children[0]), QStringLiteral("Claude +icon"));
        QCOMPARE(describe(root.children[24]), QStringLiteral("Refresh Now [Control+r]"));
        QCOMPARE(describe(root.children[27]), QStringLiteral("Preferences… [Control+comma]"));
        QCOMPARE(describe(root.children.last()), QStringLiteral("Quit Quotabar [Control+q]"));

        // Opening with a stored token shows the ChatGPT group and says which properties changed.
        SignalProbe probe;
        QVERIFY(listen(service, "ItemsPropertiesUpdated", &probe, SLOT(onPropertiesUpdated(QDBusMessage)),
                       QStringLiteral("/MenuBar"), menuInterface));
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        QVERIFY(menuEvent(service, 0, QStringLiteral("opened")));
        QVERIFY(callMenu(service, QStringLiteral("AboutToShow"), {0}));
        QVERIFY(waitUntil([&] { return probe.propertyUpdates > 0; }));
        const DBusMenuLayoutItem opened = layoutOf(service);
        QCOMPARE(describe(opened.children[10]), QStringLiteral("Updating…"));
        QVERIFY(!opened.children[10].properties.contains(QStringLiteral("disposition"))); // waiting is no warning
        QCOMPARE(describe(opened.children[12]), QStringLiteral("ChatGPT +icon"));

        // A click runs the command after the call has returned; one on a row that informs does nothing.
        h.claude.deliver(h.claudeRecord());
        for (const int row : {StatusMenu::claudeHeader, StatusMenu::claudeSessionItem, StatusMenu::claudeUpdatedItem})
            QVERIFY(menuEvent(service, row, QStringLiteral("clicked")));
        const int fetches = h.claude.fetches;
        QVERIFY(menuEvent(service, StatusMenu::refreshNow, QStringLiteral("clicked")));
        QVERIFY(waitUntil([&] { return h.claude.fetches == fetches + 1; }));
        QCOMPARE(h.commands, QStringList());
    }

    // Rows that come or go (an account's section) change the layout, which a host fetches again
    // only when told; changed texts are property updates, with or without a new layout.
    void rowsComingOrGoingChangeTheLayout_data()
    {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<bool>("newLayout");
        QTest::newRow("same rows") << QList<int>{1, 2} << false;
        QTest::newRow("a section added") << QList<int>{1, 1000, 1001, 2} << true;
        QTest::newRow("a row gone") << QList<int>{1} << true;
    }

    void rowsComingOrGoingChangeTheLayout()
    {
        QFETCH(QList<int>, ids);
        QFETCH(bool, newLayout);
        const auto rows = [](const QList<int> &rowIds, const QString &title) {
            QList<StatusMenuRow> made;
            for (const int id : rowIds)
                made.append({id, false, title});
            return made;
        };
        DBusMenuExporter menu(rows({1, 2}, QStringLiteral("before")), {}, {});
        QSignalSpy layouts(&menu, &DBusMenuExporter::LayoutUpdated);
        QSignalSpy properties(&menu, &DBusMenuExporter::ItemsPropertiesUpdated);
        menu.update(rows(ids, QStringLiteral("after")));
        QCOMPARE(layouts.size(), newLayout ? 1 : 0);
        QCOMPARE(properties.size(), 1); // the rows a host knows already have new texts
        DBusMenuLayoutItem root;
        QCOMPARE(menu.GetLayout(0, -1, {}, root), newLayout ? 2u : 1u);
        QCOMPARE(root.children.size(), ids.size());
        QCOMPARE(describe(root.children.last()), QStringLiteral("after"));
    }

    // XFCE sends "opened" on the root but no "closed" when the menu is left with Escape, and later
    // shows its copy of the rows without asking: new figures must reach that copy all the same.
    void rowsStayCurrentAfterAnOpeningThatNeverClosed()
    {
        Harness h;
        h.start();
        const QString service = h.item.serviceNames().value(0);
        QVERIFY(menuEvent(service, 0, QStringLiteral("opened")));
        QVERIFY(callMenu(service, QStringLiteral("AboutToShow"), {0}));
        h.claude.deliver(h.claudeRecord());
        QCOMPARE(describe(layoutOf(service).children[1]), QStringLiteral("Session  73%"));
    }

    // The group calls as libdbusmenu-based hosts make them.
    void groupCallsAsLibdbusmenuMakesThem()
    {
        Harness h;
        h.start();
        const QString service = h.item.serviceNames().value(0);
        const auto groupProperties = [&](const QList<int> &ids, const QStringList &names) {
            const QDBusReply<QList<DBusMenuItem>> reply =
                call(service, menuPath, menuInterface, QStringLiteral("GetGroupProperties"), {QVariant::fromValue(ids), names});
            return reply.value();
        };
        const QList<DBusMenuItem> all = groupProperties({}, {});
        QCOMPARE(all.size(), 31);
        QCOMPARE(all[24].properties.value(QStringLiteral("label")).toString(), QStringLiteral("Refresh Now"));
        QVERIFY(all[24].properties.contains(QStringLiteral("shortcut")));
        QCOMPARE(groupProperties({1}, {QStringLiteral("enabled")}).value(0).properties.keys(), QStringList{"enabled"});

        // Opening and closing through EventGroup, on the root.
        const QDBusReply<QList<int>> unknown =
            call(service, menuPath, menuInterface, QStringLiteral("EventGroup"),
                 {QVariant::fromValue(QList<DBusMenuEvent>{{0, QStringLiteral("opened"), QDBusVariant(0), 0}})});
        QVERIFY(unknown.isValid());
        QVERIFY(unknown.value().isEmpty());

        const auto get = [&](const QString &name) { return call(service, menuPath, menuInterface, QStringLiteral("GetProperty"), {1, name}); };
        QCOMPARE(get(QStringLiteral("no-such-property")).type(), QDBusMessage::ErrorMessage);
        const QDBusReply<QDBusVariant> label = get(QStringLiteral("label"));
        QCOMPARE(label.value().variant().toString(), QStringLiteral("Claude"));
    }

    // One row per host: the items register so that the host shows Claude's first.
    void registrationOrderPerHost_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<int>("xfceTray");
        QTest::addColumn<QStringList>("registered");
        const QStringList claudeFirst{"claude", "openai"};
        const QStringList newestFirst{"openai", "claude"};
        QTest::newRow("Xfce's sntray sorts by index") << "XFCE" << int(PanelHost::XfceTray::sntray) << claudeFirst;
        QTest::newRow("Xfce's systray puts new items first") << "XFCE" << int(PanelHost::XfceTray::systray) << newestFirst;
        QTest::newRow("Plasma 5 and 6 sort by title") << "KDE" << 0 << claudeFirst;
        QTest::newRow("GNOME puts new items first") << "ubuntu:GNOME" << 0 << newestFirst;
        QTest::newRow("Budgie's tray puts new icons first") << "Budgie:GNOME" << 0 << newestFirst;
        QTest::newRow("MATE keeps the order of registration") << "MATE" << 0 << claudeFirst;
        QTest::newRow("Waybar's tray too (sway)") << "sway" << 0 << claudeFirst;
    }

    void registrationOrderPerHost()
    {
        QFETCH(QString, desktop);
        QFETCH(int, xfceTray);
        QFETCH(QStringList, registered);
        const PanelHost host{desktop, PanelHost::XfceTray(xfceTray)};
        const std::vector<QString> order = HostQuirks::registrationOrder(std::vector<QString>{"claude", "openai"}, host);
        QCOMPARE(QStringList(order.begin(), order.end()), registered);
    }

    // Claude stays first when the other provider is switched on later, on a host that shows items
    // in the order they came (which needs the items meant to follow a new one registered anew) and
    // on one that puts the last registered item first (the items meant to come before it).
    void orderHoldsWhenAProviderIsSwitchedOn_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("claudeLater");
        QTest::addColumn<QStringList>("atStart");      // the items' ids in registration order
        QTest::addColumn<QStringList>("afterSwitch");
        QTest::newRow("Xfce's sntray") << "XFCE" << false << QStringList{"claude"} << QStringList{"claude", "openai"};
        QTest::newRow("Xfce's sntray, Claude later")
            << "XFCE" << true << QStringList{"openai"} << QStringList{"openai", "claude", "openai"};
        QTest::newRow("GNOME") << "GNOME" << false << QStringList{"claude"} << QStringList{"claude", "openai", "claude"};
        QTest::newRow("GNOME, Claude later") << "GNOME" << true << QStringList{"openai"} << QStringList{"openai", "claude"};
    }

    void orderHoldsWhenAProviderIsSwitchedOn()
    {
        QFETCH(QString, desktop);
        QFETCH(bool, claudeLater);
        QFETCH(QStringList, atStart);
        QFETCH(QStringList, afterSwitch);
        Harness h(SniStatusItem::Options{.host = {desktop, PanelHost::XfceTray::sntray}});
        h.settings.setShowOpenAI(false);
        if (claudeLater) {
            h.settings.setShowOpenAI(true);
            h.settings.setShowClaude(false);
        }
        h.start();
        const auto registeredIds = [&] {
            QStringList ids;
            for (const QString &service : std::as_const(m_watcher.registrations))
                ids.append(itemProperty<QString>(service, QStringLiteral("Id")).remove(QStringLiteral("quotabar-")));
            return ids;
        };
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == atStart.size(); }));
        QCOMPARE(registeredIds(), atStart);
        h.settings.setShowOpenAI(true);
        h.settings.setShowClaude(true);
        h.notifications.post(Notifications::settingsChanged, {});
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == afterSwitch.size(); }));
        QTRY_COMPARE(registeredIds().mid(atStart.size()), afterSwitch.mid(atStart.size()));
        QCOMPARE(itemProperty<QString>(h.item.serviceNames()[0], QStringLiteral("Id")), QStringLiteral("quotabar-claude"));
    }

    // Each item calls from its own connection, so only waiting for each answer keeps the order.
    void itemsRegisterOneAfterAnother()
    {
        m_watcher.holdAnswers = true;
        Harness h(SniStatusItem::Options{.host = {QStringLiteral("sway")}});
        h.start();
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == 1; }));
        QTest::qWait(200);
        QCOMPARE(m_watcher.registrations.size(), 1);
        QCOMPARE(m_watcher.registrations[0], h.item.serviceNames()[0]);
        m_watcher.holdAnswers = false;
        QDBusConnection(QStringLiteral("watcher")).send(m_watcher.held.takeFirst());
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == 2; }));
        QCOMPARE(m_watcher.registrations, h.item.serviceNames());
    }

    // A host that starts later would take the items in the watcher's list order, which is the watcher's
    // own; a watcher that never tells of a host (some start theirs later, unannounced) costs 5 s at most.
    void itemsWaitForAHost_data()
    {
        QTest::addColumn<bool>("hostStarts");
        QTest::addColumn<int>("withinMs"); // the 5 s wait must not be what ends the first row
        QTest::newRow("a host starts") << true << 2000;
        QTest::newRow("no host is announced") << false << 7000;
    }

    void itemsWaitForAHost()
    {
        QFETCH(bool, hostStarts);
        QFETCH(int, withinMs);
        m_watcher.host = false;
        Harness h(SniStatusItem::Options{.host = {QStringLiteral("sway")}});
        h.start();
        QTest::qWait(300);
        QVERIFY(m_watcher.registrations.isEmpty());
        if (hostStarts) {
            m_watcher.host = true;
            emit m_watcher.StatusNotifierHostRegistered();
        }
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == 2; }, withinMs));
        QCOMPARE(m_watcher.registrations, h.item.serviceNames());
    }

    void trayUntilAPanelHostStarts()
    {
        QDBusConnection watcherBus(QStringLiteral("watcher"));
        QVERIFY(watcherBus.unregisterService(SniStatusItem::watcherService));
        QVERIFY(waitUntil([] { return !SniStatusItem::watcherAvailable(); }));
        StatusMenu menu(StatusMenu::Actions{});
        PanelStatusItem item({});
        QVERIFY(!item.usesNotifierItems());
        item.setMenu({menu.items().cbegin(), menu.items().cend()}, {});
        item.showSegments({{.id = QStringLiteral("claude"), .label = QStringLiteral("S:73%  W:41%")}});

        QVERIFY(watcherBus.registerService(SniStatusItem::watcherService));
        QVERIFY(waitUntil([&] { return !m_watcher.registrations.isEmpty(); }));
        QVERIFY(item.usesNotifierItems());
        QCOMPARE(itemProperty<QString>(m_watcher.registrations.last(), QStringLiteral("XAyatanaLabel")),
                 QStringLiteral("S:73%  W:41%"));
        QVERIFY(!layoutOf(m_watcher.registrations.last()).children.isEmpty());
    }

    void itemsRegisterAgainWhenTheWatcherRestarts()
    {
        Harness h;
        h.start();
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == 2; }));
        QDBusConnection watcherBus(QStringLiteral("watcher"));
        QVERIFY(watcherBus.unregisterService(SniStatusItem::watcherService));
        QVERIFY(watcherBus.registerService(SniStatusItem::watcherService));
        QVERIFY(waitUntil([&] { return m_watcher.registrations.size() == 4; }));
        QCOMPARE(m_watcher.registrations.mid(2), h.item.serviceNames());
    }
};

QTEST_MAIN(TestStatusNotifier)
#include "tst_statusnotifier.moc"
