#include "app/AppSettings.h"
#include "app/DefaultsKeys.h"
#include "app/Notifications.h"
#include "preferences/AccountsBlock.h"
#include "preferences/BrowserImportDialog.h"
#include "preferences/NoticesGroup.h"
#include "preferences/PreferencesModel.h"
#include "preferences/PreferencesView.h"
#include "preferences/PreferencesWindowController.h"
#include "preferences/SwitchToggle.h"
#include "support/ControllerHarness.h"
#include "support/FakeScheduler.h"
#include "platform/dummy/MemoryDefaultsStore.h"

#include <QAccessible>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>
#include <QWheelEvent>
#include <QAction>
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
    std::optional<CookieScan> browsers; // absent: no import from a browser is offered
    std::optional<CookieFailure> refusal; // why an import fails; absent: it succeeds
    std::function<void()> whileImporting; // what the user does while the keyring asks

    PreferencesView &open()
    {
        if (!controller) {
            BrowserImport::Scan scan;
            BrowserImport::Import import;
            if (browsers) {
                scan = [this](Provider) { return *browsers; };
                import = [this](Provider, const BrowserProfile &profile) {
                    if (whileImporting)
                        whileImporting();
                    if (refusal)
                        return CookieImport{std::nullopt, profile, refusal};
                    return CookieImport{QStringLiteral("sk-from-firefox"), profile, std::nullopt};
                };
            }
            model = std::make_unique<PreferencesModel>(PreferencesModel::Services{
                settings, notifications, scheduler, clock, [] {}, [] {}, [](const QUrl &) {}, {}, {}, {}, {}, scan, import});
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
    // The button opens the list only when asked; choosing a profile fills the key and says where
    // it came from.
    void importFromBrowser()
    {
        Harness plain;
        QVERIFY(plain.open().claudeControls().importFromBrowser->isHidden());

        Harness h;
        const BrowserProfile firefox{BrowserProfile::Family::firefox, QStringLiteral("firefox"), QStringLiteral("Firefox"),
                                     {}, QStringLiteral("x.default"), QStringLiteral("default"), {}, {}};
        h.browsers = CookieScan{{{firefox, h.clock.now().addDays(9), false}}, {}, 1};
        PreferencesView &view = h.open();
        QVERIFY(!view.claudeControls().importFromBrowser->isHidden());
        QVERIFY(!view.findChild<BrowserImportDialog *>());
        view.claudeControls().importFromBrowser->click();
        auto *dialog = view.findChild<BrowserImportDialog *>();
        QVERIFY(dialog);
        QCOMPARE(dialog->list()->count(), 1);
        QVERIFY(dialog->list()->item(0)->text().startsWith(QStringLiteral("Firefox (default) · expires ")));
        QVERIFY(dialog->importButton()->isEnabled());
        // A refusal is told below the list, with the room its lines need.
        h.refusal = CookieFailure{CookieFailure::Kind::keyringLocked,
                                  QStringLiteral("Chromium keeps its cookie password in the desktop keyring, which stayed "
                                                 "locked: import again and unlock it when asked, or paste the value.")};
        // Closing it meanwhile waits for the import, which still needs it.
        h.whileImporting = [dialog] { dialog->reject(); };
        dialog->importButton()->click();
        settle();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->message()->text(), h.refusal->message);
        QVERIFY(dialog->message()->geometry().top() > dialog->list()->geometry().bottom());
        QVERIFY(dialog->message()->height() >= dialog->message()->heightForWidth(dialog->message()->width()));
        h.refusal.reset();
        dialog->importButton()->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(view.claudeControls().field->text(), QStringLiteral("sk-from-firefox"));
        QCOMPARE(view.claudeControls().field->echoMode(), QLineEdit::Password);
        QCOMPARE(view.claudeControls().storage->text(), QStringLiteral("Imported from Firefox (default)"));
        QCOMPARE(h.defaults.string(DefaultsKeys::sessionKey), QStringLiteral("sk-from-firefox"));
    }

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

    // A shared screen or a screenshot never shows a key unless the user asks for it.
    void keysAreHiddenUntilShown()
    {
        Harness h;
        PreferencesView &view = h.open();
        for (const PreferencesView::ProviderControls *controls : {&view.claudeControls(), &view.openAIControls()}) {
            controls->field->setText(QStringLiteral("sk-secret"));
            QVERIFY(!controls->field->displayText().contains(QStringLiteral("secret")));
            controls->reveal->trigger();
            QCOMPARE(controls->field->displayText(), QStringLiteral("sk-secret"));
            controls->reveal->trigger();
            QVERIFY(!controls->field->displayText().contains(QStringLiteral("secret")));
        }
    }

    void textSetByAssistiveTechnologyReachesTheModel()
    {
        Harness h;
        PreferencesView &view = h.open();
        QLineEdit *field = view.openAIControls().field;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(field);
        QVERIFY(accessible);
        accessible->setText(QAccessible::Value, QStringLiteral("token-from-a-screen-reader"));
        QCOMPARE(h.model->openAI().text(), QStringLiteral("token-from-a-screen-reader"));
        QVERIFY(view.openAIControls().testButton->isEnabled());

        h.model->openAI().setText(QStringLiteral("from the model"));
        QCOMPARE(field->text(), QStringLiteral("from the model"));
    }

    // The Accounts list carries its edits to the accounts: the label, the order, shown or not, removal.
    void accountsListEditsTheAccounts()
    {
        ControllerHarness<FakeStatusItem> h;
        const AccountId work = h.accounts.add(Account{{}, Provider::claude, QStringLiteral("Work")}, QStringLiteral("k1"));
        const AccountId home = h.accounts.add(Account{{}, Provider::claude, QStringLiteral("Home")}, QStringLiteral("k2"));
        AccountRows rows({h.accounts, h.records, h.sources, {}, {}});
        AccountsBlock block(rows, Provider::claude);
        const auto order = [&] {
            QStringList ids;
            for (const Account &account : h.accounts.of(Provider::claude))
                ids << account.id;
            return ids;
        };
        QCOMPARE(block.rowWidgets().size(), 3);
        QVERIFY(!block.rowWidgets()[0].remove && !block.rowWidgets()[0].up->isEnabled());
        block.rowWidgets()[1].label->setText(QStringLiteral("Office"));
        emit block.rowWidgets()[1].label->editingFinished();
        QCOMPARE(h.accounts.find(work)->label, QStringLiteral("Office"));
        block.rowWidgets()[2].up->click();
        QCOMPARE(order(), (QStringList{"claude", home, work}));
        QCOMPARE(block.rowWidgets()[2].label->text(), QStringLiteral("Office"));
        block.rowWidgets()[2].shown->click();
        QVERIFY(!h.accounts.find(work)->shown);
        block.rowWidgets()[1].remove->click();
        QCOMPARE(order(), (QStringList{"claude", work}));
        QCOMPARE(block.rowWidgets().size(), 2);
    }

    void widthFixedHeightFitsTheContent()
    {
        Harness h;
        PreferencesView &view = h.open();
        settle();
        QCOMPARE(view.width(), 420);
        QCOMPARE(view.minimumWidth(), view.maximumWidth());
        QCOMPARE(view.minimumHeight(), view.maximumHeight());
        QCOMPARE(view.height(), view.content()->layout()->sizeHint().height());

        const int tall = view.height();
        QVERIFY(view.claudeControls().credentialBlock->isVisible());
        view.claudeControls().toggle->click();
        settle();
        QVERIFY(!h.settings.showClaude());
        QVERIFY(!view.claudeControls().credentialBlock->isVisible());
        QVERIFY(view.height() < tall);
        QCOMPARE(view.height(), view.content()->layout()->sizeHint().height());
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

    // The page scrolls under the wheel: a picker it passes over keeps its value.
    void wheelOverAnUnfocusedPickerLeavesItsValue()
    {
        Harness h;
        h.settings.setRefreshInterval(900);
        PreferencesView &view = h.open();
        QComboBox *picker = view.intervalPicker();
        const int before = picker->currentIndex();
        const QPoint centre = picker->rect().center();
        QWheelEvent down(centre, picker->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(picker, &down);
        QCOMPARE(picker->currentIndex(), before);
        QCOMPARE(h.settings.refreshInterval(), 900.0);
    }

    void picksStoreEnglishValuesInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "fr", "es", "pt_BR"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    // The pickers show translated labels; the settings file keeps the English values an older
    // version, or the same version in another language, reads back.
    void picksStoreEnglishValuesInEveryLanguage()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/quotabar_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
        const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        Harness h;
        PreferencesView &view = h.open();

        const QStringList formats{"Session & Weekly", "Session Only", "Weekly Only", "Session & Timer",
                                  "Weekly & Timer"};
        QComboBox *formatPicker = view.displayFormatPicker();
        QCOMPARE(formatPicker->count(), formats.size());
        QVERIFY2(formatPicker->itemText(0) != formats.first(), "the picker shows the English label");
        for (int i = formats.size() - 1; i >= 0; --i) { // the default last, once another is stored
            emit formatPicker->activated(i);
            QCOMPARE(h.defaults.values.value(DefaultsKeys::displayFormat).toString(), formats.at(i));
            QCOMPARE(AppSettings(h.defaults, {}).displayFormat(), DisplayFormats::allCases.at(i));
        }

        const QStringList styles{"Automatic", "Logo and text", "Figures in icon"};
        QComboBox *stylePicker = view.panelStylePicker();
        QCOMPARE(stylePicker->count(), styles.size());
        for (int i = styles.size() - 1; i >= 0; --i) {
            emit stylePicker->activated(i);
            QCOMPARE(h.defaults.values.value(DefaultsKeys::panelStyle).toString(), styles.at(i));
            QCOMPARE(AppSettings(h.defaults, {}).panelStyle(), PanelStyles::allCases.at(i));
        }
    }

    void notificationsGroupFollowsSystem()
    {
        Harness h;
        PreferencesView &view = h.open();
        settle();
        const auto top = [&view](const QString &text) {
            for (const QLabel *label : view.findChildren<QLabel *>()) {
                if (label->text() == text && label->isVisible())
                    return label->mapTo(&view, QPoint()).y();
            }
            return -1;
        };
        const int system = top(QStringLiteral("SYSTEM"));
        const int notifications = top(QStringLiteral("NOTIFICATIONS"));
        QVERIFY(system > 0 && notifications > system);
        QVERIFY(top(QStringLiteral("Notify when usage runs low")) > notifications);
        QVERIFY(top(QStringLiteral("Notify when a limit resets")) > top(QStringLiteral("Notify when usage runs low")));
        QVERIFY(top(QStringLiteral("Notify when a key expires")) > top(QStringLiteral("Notify when a limit resets")));
        QCOMPARE(view.height(), view.content()->layout()->sizeHint().height());

        const NoticesGroup &group = *view.notices();
        QVERIFY(group.lowToggle()->isChecked());
        QVERIFY(!group.resetToggle()->isChecked());
        QVERIFY(group.availableToggle()->isChecked());
        QVERIFY(group.expiredToggle()->isChecked());
        QCOMPARE(group.firstThresholdPicker()->currentText(), QStringLiteral("20%"));
        QCOMPARE(group.secondThresholdPicker()->currentText(), QStringLiteral("5%"));
        QStringList choices;
        for (int i = 0; i < group.secondThresholdPicker()->count(); ++i)
            choices << group.secondThresholdPicker()->itemText(i);
        QCOMPARE(choices, (QStringList{"50%", "30%", "20%", "10%", "5%"}));

        int changes = 0;
        QObject::connect(&h.notifications, &NotificationCenter::posted, [&changes] { ++changes; });
        group.resetToggle()->click();
        QVERIFY(h.settings.notifyReset());
        emit group.firstThresholdPicker()->activated(3);
        QCOMPARE(h.settings.notifyFirstThreshold(), 10);
        group.lowToggle()->click();
        QVERIFY(!h.settings.notifyLow());
        QVERIFY(!group.firstThresholdPicker()->isEnabled());
        group.availableToggle()->click();
        QVERIFY(!h.settings.notifyAvailable());
        QCOMPARE(changes, 4);
    }
};

QTEST_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
