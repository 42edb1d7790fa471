#include "platform/PanelShade.h"
#include "platform/qt/MessageBoxAlerts.h"
#include "platform/qt/PanelInk.h"
#include "platform/qt/SemanticColors.h"
#include "platform/qt/TrayIconStatusItem.h"
#include "statusbar/StatusMenu.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

QList<StatusMenuRow> rowsOf(const StatusMenu &menu)
{
    return {menu.items().cbegin(), menu.items().cend()};
}

StatusSegment figures(const QString &id, QStringList lines)
{
    return {.id = id, .icon = StatusSegment::Icon::figures, .figures = std::move(lines), .mark = 0xD97757,
            .toolTipTitle = id, .toolTipText = QStringLiteral("Session  73%")};
}

} // namespace

// The plain tray icons used where no StatusNotifierItem host runs.
class TestTrayIconStatusItem : public QObject
{
    Q_OBJECT

private slots:
    // One icon per segment, each with its own copy of the menu that follows the rows.
    void oneIconAndMenuPerSegment()
    {
        QStringList ran;
        StatusMenu menu(StatusMenu::Actions{[&ran] { ran << "prefs"; }, [&ran] { ran << "refresh"; }, {}, {}, {}});
        TrayIconStatusItem item([] { return QColor(Qt::black); });
        int openings = 0;
        item.setMenu(rowsOf(menu), {[&] {
                                         ++openings;
                                         menu.showClaude(std::nullopt, QDateTime::currentDateTimeUtc());
                                         item.updateMenu(rowsOf(menu));
                                     },
                                     [&](int id) { menu.activate(StatusMenu::ItemId(id)); }});
        item.showSegments({figures(QStringLiteral("claude"), {"73%", "41%"}), figures(QStringLiteral("openai"), {"90%", "65%"})});
        QCOMPARE(item.iconCount(), 2);
        QCOMPARE(item.toolTip(0), QStringLiteral("claude\nSession  73%"));

        for (int index : {0, 1}) {
            const QList<QAction *> actions = item.menu(index)->actions();
            QCOMPARE(actions.size(), 31);
            QCOMPARE(actions[24]->text(), QStringLiteral("Refresh Now"));
            QCOMPARE(actions[24]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
            QVERIFY(actions[11]->isSeparator());
            QVERIFY(!actions[12]->isVisible());
            QVERIFY(actions[10]->isEnabled()); // only informs: drawn at full contrast, and a click does nothing
            actions[10]->trigger();
        }
        QVERIFY(ran.isEmpty());

        QMenu *second = item.menu(1);
        emit second->aboutToShow();
        QCOMPARE(openings, 1);
        const QList<QAction *> actions = second->actions();
        QCOMPARE(actions[10]->text(), QStringLiteral("Session expired — check your key"));
        QVERIFY(actions[10]->isEnabled());
        actions[10]->trigger();
        actions[24]->trigger();
        QCOMPARE(ran, (QStringList{"prefs", "refresh"}));

        // A provider switched off takes its icon away; the other keeps its menu.
        item.showSegments({figures(QStringLiteral("openai"), {"90%", "65%"})});
        QCOMPARE(item.iconCount(), 1);
        QCOMPARE(item.menu(0), second);
    }

    // Trays draw no text, so the figures are in the icon, coloured by level; the warning keeps the logo.
    void iconsCarryTheFigures()
    {
        TrayIconStatusItem item([] { return QColor(Qt::black); });
        StatusSegment segment = figures(QStringLiteral("claude"), {"73%", "41%"});
        segment.icon = StatusSegment::Icon::logo; // the panel style does not matter here
        ProviderArtwork::LogoCache logos;
        const QString claude = QStringLiteral("claude");
        const QImage normal = item.draw(segment, 24);
        QCOMPARE(normal, ProviderArtwork::figuresIcon(claude, {"73%", "41%"}, Qt::black, QColor(0xD9, 0x77, 0x57), 24));
        segment.level = StatusSegment::Level::critical;
        QCOMPARE(item.draw(segment, 24), ProviderArtwork::figuresIcon(claude, {"73%", "41%"}, ProviderArtwork::systemRed,
                                                                      QColor(0xD9, 0x77, 0x57), 24));
        segment.warn = true;
        segment.figures.clear();
        QCOMPARE(item.draw(segment, 24), ProviderArtwork::panelIcon(logos, QStringLiteral("claude"), true, Qt::black, 24));
    }

    // The menu takes the panel's shade where the panel differs from the application's palette
    // (dark MATE or Budgie under a light theme), with its text readable on it.
    void menuFollowsThePanelShade_data()
    {
        QTest::addColumn<QColor>("panelInk");
        QTest::addColumn<bool>("darkMenu");
        QTest::newRow("dark panel") << QColor(PanelInk::lightInk) << true;
        QTest::newRow("light panel") << QColor(PanelInk::darkInk) << false;
    }

    void menuFollowsThePanelShade()
    {
        QFETCH(QColor, panelInk);
        QFETCH(bool, darkMenu);
        QVERIFY(!SemanticColors::isDark(QApplication::palette())); // the offscreen platform's light palette
        TrayIconStatusItem item([panelInk] { return panelInk; });
        item.showSegments({figures(QStringLiteral("claude"), {"73%", "41%"})});
        QMenu *menu = item.menu(0);
        emit menu->aboutToShow();
        const QPalette palette = menu->palette();
        QCOMPARE(SemanticColors::isDark(palette), darkMenu);
        QVERIFY(PanelShade::contrast(palette.color(QPalette::Window).rgb() & 0xFFFFFF,
                                     palette.color(QPalette::WindowText).rgb() & 0xFFFFFF) >= 7);
    }

    // An alert waits for its answer without making the rest of the application modal, so the
    // tray icons keep answering; its texts, buttons and outcome are kept.
    void alertsLeaveTheTrayWorking()
    {
        MessageBoxAlerts alerts;
        QStringList seen;
        QTimer::singleShot(0, [&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                if (!box || !box->isVisible())
                    continue;
                seen << box->text() << box->informativeText() << QString::number(box->windowModality())
                     << QString::number(bool(QApplication::activeModalWidget()));
                const QList<QAbstractButton *> buttons = box->buttons();
                for (QAbstractButton *button : buttons) {
                    if (button->text() == QLatin1String("Later"))
                        button->click();
                }
            }
        });
        const int chosen = alerts.runModal({QStringLiteral("A new version is available"), QStringLiteral("Details"),
                                            {QStringLiteral("Download Update"), QStringLiteral("Later")}, true});
        QCOMPARE(chosen, 1);
        QCOMPARE(seen, (QStringList{"A new version is available", "Details", QString::number(Qt::NonModal), "0"}));
    }
};

QTEST_MAIN(TestTrayIconStatusItem)
#include "tst_trayiconstatusitem.moc"
