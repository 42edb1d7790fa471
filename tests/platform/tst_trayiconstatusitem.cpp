#include "platform/qt/TrayIconStatusItem.h"
#include "statusbar/StatusMenu.h"

#include <QAction>
#include <QtTest>

// The plain tray icon used where no StatusNotifierItem host runs.
class TestTrayIconStatusItem : public QObject
{
    Q_OBJECT

private slots:
    void menuFollowsTheModel()
    {
        QStringList ran;
        StatusMenu menu(StatusMenu::Actions{[&ran] { ran << "prefs"; }, [&ran] { ran << "refresh"; }, {}, {}, {}});
        TrayIconStatusItem item;
        int openings = 0;
        item.setMenu(menu, [&] {
            ++openings;
            menu.showClaude(std::nullopt, QDateTime::currentDateTimeUtc());
        });
        const QList<QAction *> actions = item.menu()->actions();
        QCOMPARE(actions.size(), 16);
        QCOMPARE(actions[10]->text(), QStringLiteral("Refresh Now"));
        QCOMPARE(actions[10]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        QVERIFY(actions[4]->isSeparator());
        QVERIFY(!actions[5]->isVisible());
        QVERIFY(!actions[3]->isEnabled());

        emit item.menu()->aboutToShow();
        QCOMPARE(openings, 1);
        QVERIFY(menu.isOpen());
        QCOMPARE(actions[3]->text(), QStringLiteral("Session expired — check your key"));
        QVERIFY(actions[3]->isEnabled());
        actions[3]->trigger();
        actions[10]->trigger();
        QCOMPARE(ran, (QStringList{"prefs", "refresh"}));
        emit item.menu()->aboutToHide();
        QVERIFY(!menu.isOpen());
    }

    void toolTipCarriesTheTitle()
    {
        TrayIconStatusItem item;
        item.showPlaceholder(QStringLiteral("…"));
        QCOMPARE(item.toolTip(), QStringLiteral("…"));
        TitleModel title;
        title.segments = {{Provider::claude, false, QStringLiteral("S:73%  W:41%")}, {Provider::openAI, true, QString()}};
        item.showTitle(title);
        QCOMPARE(item.toolTip(), QStringLiteral("Claude S:73%  W:41%    ChatGPT ⚠"));
        TitleModel idle;
        idle.tooltip = QStringLiteral("HTTP 500");
        item.showTitle(idle);
        QCOMPARE(item.toolTip(), QStringLiteral("HTTP 500"));
    }
};

QTEST_MAIN(TestTrayIconStatusItem)
#include "tst_trayiconstatusitem.moc"
