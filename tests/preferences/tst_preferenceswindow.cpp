#include "app/AppSettings.h"
#include "app/DefaultsKeys.h"
#include "app/Notifications.h"
#include "preferences/PreferencesModel.h"
#include "preferences/PreferencesView.h"
#include "preferences/PreferencesWindowController.h"
#include "preferences/SwitchToggle.h"
#include "support/FakeScheduler.h"
#include "support/MemoryDefaultsStore.h"
#include "support/Palettes.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

struct Harness
{
    FakeClock clock;
    FakeScheduler scheduler{clock};
    MemoryDefaultsStore defaults;
    AppSettings settings{defaults, {}};
    NotificationCenter notifications;
    std::unique_ptr<PreferencesModel> model;
    std::unique_ptr<PreferencesWindowController> controller;

    PreferencesView &open()
    {
        if (!controller) {
            model = std::make_unique<PreferencesModel>(PreferencesModel::Services{
                settings, notifications, scheduler, [] {}, [] {}, [](const QUrl &) {}});
            controller = std::make_unique<PreferencesWindowController>(*model);
        }
        controller->showWindow();
        return *controller->window();
    }
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

// The Preferences window as widgets, on the offscreen platform.
class TestPreferencesWindow : public QObject
{
    Q_OBJECT

private slots:
    void oneWindowHiddenNotDestroyed()
    {
        Harness h;
        PreferencesView &first = h.open();
        QCOMPARE(first.windowTitle(), QStringLiteral("Quotabar"));
        first.claudeControls().field->setText(QStringLiteral("typed"));
        QTest::keyClick(first.claudeControls().field, Qt::Key_X);
        QVERIFY(first.close());
        settle();
        QVERIFY(!first.isVisible());
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("changed meanwhile"));
        PreferencesView &again = h.open();
        QCOMPARE(&again, &first);
        QVERIFY(again.isVisible());
        QCOMPARE(again.claudeControls().field->text(), QStringLiteral("typedx"));
        QVERIFY(!(again.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(again.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void widthFixedHeightFitsTheContent()
    {
        Harness h;
        PreferencesView &view = h.open();
        settle();
        QCOMPARE(view.width(), 420);
        QCOMPARE(view.minimumWidth(), view.maximumWidth());
        QCOMPARE(view.minimumHeight(), view.maximumHeight());
        QCOMPARE(view.height(), view.layout()->sizeHint().height());

        const int tall = view.height();
        QVERIFY(view.claudeControls().credentialBlock->isVisible());
        view.claudeControls().toggle->click();
        settle();
        QVERIFY(!h.settings.showClaude());
        QVERIFY(!view.claudeControls().credentialBlock->isVisible());
        QVERIFY(view.height() < tall);
        QCOMPARE(view.height(), view.layout()->sizeHint().height());
        view.claudeControls().toggle->click();
        settle();
        QCOMPARE(view.height(), tall);
    }

    void controlsFollowTheState()
    {
        Harness h;
        h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("sk-1"));
        h.settings.setRefreshInterval(120);
        h.settings.setDisplayFormat(DisplayFormat::weeklyAndTimer);
        h.settings.setLaunchAtLogin(true);
        PreferencesView &view = h.open();
        const auto &claude = view.claudeControls();
        const auto &openAI = view.openAIControls();

        QCOMPARE(view.intervalPicker()->currentIndex(), -1);
        QCOMPARE(view.intervalPicker()->count(), 5);
        QCOMPARE(view.displayFormatPicker()->currentText(), QStringLiteral("Weekly & Timer"));
        QCOMPARE(view.displayFormatPicker()->width(), 180);
        QCOMPARE(view.panelStylePicker()->currentText(), QStringLiteral("Automatic"));
        QVERIFY(view.launchAtLoginToggle()->isChecked());
        QCOMPARE(claude.status->text(), QStringLiteral("Connected"));
        QVERIFY(claude.status->isVisible());
        QVERIFY(claude.removeKey->isVisible());
        QVERIFY(!openAI.status->isVisible());
        QVERIFY(!openAI.removeKey->isVisible());
        QCOMPARE(openAI.field->placeholderText(), QStringLiteral("Enter __Secure-next-auth.session-token"));
        QCOMPARE(claude.keyHelp->text(), QStringLiteral("How to get your Claude key →"));

        QVERIFY(!openAI.testButton->isEnabled());
        QTest::keyClicks(openAI.field, QStringLiteral("  "));
        QVERIFY(!openAI.testButton->isEnabled());
        QTest::keyClicks(openAI.field, QStringLiteral("tok"));
        QVERIFY(openAI.testButton->isEnabled());
        openAI.testButton->click();
        QCOMPARE(openAI.status->text(), QStringLiteral("Testing…"));
        QVERIFY(openAI.removeKey->isVisible());
        QVERIFY(!openAI.testButton->isEnabled());
        h.notifications.post(Notifications::openAIFetchResult, {{"error", "Session token invalid or expired"}});
        QCOMPARE(openAI.status->text(), QStringLiteral("Session token invalid or expired"));
        QVERIFY(!openAI.removeKey->isVisible());

        view.intervalPicker()->setCurrentIndex(2);
        emit view.intervalPicker()->activated(2);
        QCOMPARE(h.settings.refreshInterval(), 900.0);
        emit view.panelStylePicker()->activated(2);
        QCOMPARE(h.settings.panelStyle(), PanelStyle::figuresInIcon);

        claude.removeKey->click();
        QCOMPARE(claude.field->text(), QString());
        QVERIFY(!claude.status->isVisible());
    }

    void saveRenderings()
    {
        const QString out = Palettes::renderingsFolder();
        Palettes::forEachAppearance([&out](const QString &name) {
            Harness h;
            h.defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("sk-ant-sid01-AbCdEf"));
            h.settings.setOpenAISessionExpired(true);
            h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("eyJhbGciOiJkaXIi"));
            PreferencesView &view = h.open();
            settle();
            QVERIFY(view.grab().save(out + QStringLiteral("/preferences-%1.png").arg(name)));
        });
    }
};

QTEST_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
