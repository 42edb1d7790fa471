#include "app/AppSettings.h"
#include "app/DefaultsKeys.h"
#include "app/Notifications.h"
#include "preferences/PreferencesModel.h"
#include "support/FakeScheduler.h"
#include "platform/dummy/MemoryDefaultsStore.h"

#include <QtTest>

using namespace std::chrono_literals;

namespace {

struct Harness
{
    FakeClock clock;
    FakeScheduler scheduler{clock};
    MemoryDefaultsStore defaults;
    QList<bool> launchCalls;
    AppSettings settings{defaults, [this](bool on) { launchCalls.append(on); }};
    NotificationCenter notifications;
    int claudeFetches = 0;
    int openAIFetches = 0;
    QList<QUrl> opened;
    std::optional<QDateTime> claudeNextTry;
    QStringList posted;
    QStringList signInsFound; // the sources whose sign-in file exists
    CookieScan browserScan;     // what the browsers hold
    CookieImport browserImport; // what importing any profile gives
    QList<Provider> scanned;
    std::unique_ptr<PreferencesModel> model;

    Harness()
    {
        QObject::connect(&notifications, &NotificationCenter::posted,
                         [this](const QString &name) { posted.append(name); });
    }

    PreferencesModel &open()
    {
        model = std::make_unique<PreferencesModel>(PreferencesModel::Services{
            settings, notifications, scheduler, clock, [this] { ++claudeFetches; }, [this] { ++openAIFetches; },
            [this](const QUrl &url) { opened.append(url); },
            [](const QString &) { return QStringLiteral("Stored in the keyring"); },
            [this](const QString &source) { return signInsFound.contains(source); },
            [this] { return claudeNextTry; }, [] { return std::optional<QDateTime>(); },
            [this](Provider provider) {
                scanned.append(provider);
                return browserScan;
            },
            [this](Provider, const BrowserProfile &) { return browserImport; }});
        return *model;
    }

    int settingsChangedPosts() const { return static_cast<int>(posted.count(Notifications::settingsChanged)); }
    void claudeResult(const QVariantMap &info) { notifications.post(Notifications::usageFetchResult, info); }
    void openAIResult(const QVariantMap &info) { notifications.post(Notifications::openAIFetchResult, info); }
};

QString describe(const CredentialTest &test)
{
    QString text = test.status() ? (test.status()->kind == StatusBadge::Kind::ok ? QStringLiteral("ok:")
                                                                               : QStringLiteral("error:"))
                           + test.status()->text
                                 : QStringLiteral("none");
    if (test.isTesting())
        text += QStringLiteral(" (testing)");
    return text;
}

const QVariantMap success;
const QVariantMap refused{{QStringLiteral("error"), QStringLiteral("Session key invalid or expired")}};

} // namespace

// The Preferences window's state and rules, on fake time.
class TestPreferencesModel : public QObject
{
    Q_OBJECT

private slots:
    // The sign-in is offered only when its file exists, taken with one click, and given up by saving a key.
    void signInChoice()
    {
        Harness h;
        CredentialTest &claude = h.open().claude();
        QCOMPARE(claude.signInOffer(), QString());
        h.signInsFound = {QStringLiteral("claudeCode")};
        QCOMPARE(claude.signInOffer(), QStringLiteral("Found your Claude Code sign-in — use it"));
        QCOMPARE(h.model->openAI().signInOffer(), QString());
        QCOMPARE(h.defaults.values.value(QStringLiteral("claudeSource")), QVariant()); // never chosen unasked

        claude.useSignIn();
        QCOMPARE(h.defaults.values.value(QStringLiteral("claudeSource")).toString(), QStringLiteral("claudeCode"));
        QCOMPARE(h.claudeFetches, 1);
        QCOMPARE(claude.signInInUse(), QStringLiteral("Using your Claude Code sign-in"));
        QCOMPARE(claude.signInOffer(), QString());
        QCOMPARE(claude.storageNote(), QString()); // no key stored

        claude.setText(QStringLiteral("sk-pasted"));
        claude.saveAndTest();
        QVERIFY(!claude.usesSignIn());
        QCOMPARE(claude.storageNote(), QStringLiteral("Stored in the keyring"));
        QCOMPARE(claude.signInOffer(), QStringLiteral("Found your Claude Code sign-in — use it"));
    }

    // An imported key is stored and tested as a pasted one, and remembers its browser until
    // another key replaces it.
    void importFromBrowser()
    {
        Harness h;
        const BrowserProfile firefox{BrowserProfile::Family::firefox, QStringLiteral("firefox"), QStringLiteral("Firefox"),
                                     {}, QStringLiteral("a.default-release"), QStringLiteral("default-release"), {}, {}};
        BrowserProfile chrome = firefox;
        chrome.browserName = QStringLiteral("Google Chrome");
        h.browserScan = {{{chrome, h.clock.now().addDays(-2), true}, {firefox, h.clock.now().addDays(30), false}}, {}, 2};
        h.browserImport = {QStringLiteral("sk-imported"), firefox, std::nullopt};
        PreferencesModel &model = h.open();
        QVERIFY(model.offersBrowserImport());
        CredentialTest &claude = model.claude();

        BrowserImport dialog = model.browserImport(Provider::claude);
        QCOMPARE(h.scanned, QList<Provider>{Provider::claude});
        QCOMPARE(dialog.rows().size(), 2u);
        QVERIFY(!dialog.rows()[0].enabled);
        QVERIFY(dialog.rows()[0].text.startsWith(QStringLiteral("Google Chrome (default-release) · expired ")));
        QVERIFY(dialog.rows()[1].text.startsWith(QStringLiteral("Firefox (default-release) · expires ")));
        QCOMPARE(dialog.message(), QString());
        QVERIFY(!dialog.choose(0)); // expired: shown, not offered
        QCOMPARE(h.claudeFetches, 0);

        QVERIFY(dialog.choose(1));
        QCOMPARE(h.defaults.string(DefaultsKeys::sessionKey), QStringLiteral("sk-imported"));
        QCOMPARE(h.defaults.string(DefaultsKeys::openAISessionKey), std::nullopt);
        QCOMPARE(claude.text(), QStringLiteral("sk-imported"));
        QCOMPARE(h.claudeFetches, 1);
        QCOMPARE(claude.storageNote(), QStringLiteral("Imported from Firefox (default-release)\nStored in the keyring"));
        h.claudeResult(success);
        QCOMPARE(describe(claude), QStringLiteral("ok:Connected"));

        // Refused later: the way back is another import.
        h.settings.setClaudeSessionExpired(true);
        QCOMPARE(describe(claude), QStringLiteral("error:Session expired - import again from Firefox (default-release)"));

        // Testing the same key again keeps its origin; a pasted one does not.
        claude.saveAndTest();
        QCOMPARE(h.defaults.string(DefaultsKeys::sessionKeyImportedFrom), QStringLiteral("Firefox (default-release)"));
        claude.setText(QStringLiteral("sk-pasted"));
        claude.saveAndTest();
        QCOMPARE(h.defaults.string(DefaultsKeys::sessionKeyImportedFrom), std::nullopt);
        QCOMPARE(claude.storageNote(), QStringLiteral("Stored in the keyring"));

        QVERIFY(model.browserImport(Provider::claude).choose(1));
        claude.removeKey();
        QCOMPARE(h.defaults.string(DefaultsKeys::sessionKeyImportedFrom), std::nullopt);
    }

    // Nothing to offer, or an import that fails: the dialog says why, and nothing is stored.
    void importFromBrowserFails_data()
    {
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("message");
        QTest::newRow("no browser") << false << "No profile of Firefox, LibreWolf, Chromium, Google Chrome, Brave, "
                                                "Microsoft Edge or Vivaldi was found.";
        QTest::newRow("wrong key") << true << "could not be decrypted";
    }

    void importFromBrowserFails()
    {
        QFETCH(bool, found);
        QFETCH(QString, message);
        Harness h;
        const BrowserProfile chrome{BrowserProfile::Family::chromium, QStringLiteral("chrome"), QStringLiteral("Google Chrome"),
                                    {}, QStringLiteral("Default"), QStringLiteral("Person 1"), {}, {}};
        if (found)
            h.browserScan = {{{chrome, h.clock.now().addDays(3), false}}, {}, 1};
        h.browserImport = {std::nullopt, chrome, CookieFailure{CookieFailure::Kind::wrongKey, QStringLiteral("could not be decrypted")}};
        BrowserImport dialog = h.open().browserImport(Provider::openAI);
        QCOMPARE(dialog.rows().size(), found ? 1u : 0u);
        QVERIFY(!dialog.choose(0));
        QCOMPARE(dialog.message(), message);
        QCOMPARE(h.defaults.string(DefaultsKeys::openAISessionKey), std::nullopt);
        QCOMPARE(h.defaults.string(DefaultsKeys::openAISessionKeyImportedFrom), std::nullopt);
        QCOMPARE(h.openAIFetches, 0);
    }

    void initialStatus_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("signIn");
        QTest::addColumn<bool>("expired");
        QTest::addColumn<bool>("announcedLater"); // the flag is set while the window is open
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status"); // %1 and %2: the sign-in's tool and command
        QTest::newRow("nothing stored") << QVariant() << false << false << false << "" << "none";
        QTest::newRow("nothing stored, flag set") << QVariant() << false << true << false << "" << "none";
        QTest::newRow("nothing stored, flag announced") << QVariant() << false << true << true << "" << "none";
        QTest::newRow("stored and valid") << QVariant(QStringLiteral("sk-1")) << false << false << false << "sk-1"
                                          << "ok:Connected";
        QTest::newRow("stored and expired") << QVariant(QStringLiteral("sk-1")) << false << true << false << "sk-1"
                                            << "error:Session expired - check your key";
        QTest::newRow("stored empty text counts as stored") << QVariant(QString()) << false << false << false << ""
                                                            << "ok:Connected";
        QTest::newRow("sign-in valid") << QVariant() << true << false << false << "" << "ok:Connected";
        QTest::newRow("sign-in expired") << QVariant(QStringLiteral("sk-1")) << true << true << false << "sk-1"
                                         << "error:%1 sign-in expired — run %2 to sign in again";
        QTest::newRow("sign-in expiry announced, no key") << QVariant() << true << true << true << ""
                                                          << "error:%1 sign-in expired — run %2 to sign in again";
    }

    void initialStatus()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, signIn);
        QFETCH(bool, expired);
        QFETCH(bool, announcedLater);
        QFETCH(QString, text);
        QFETCH(QString, status);
        for (const bool claude : {true, false}) {
            Harness h;
            if (stored.isValid())
                h.defaults.setObject(claude ? DefaultsKeys::sessionKey : DefaultsKeys::openAISessionKey, stored);
            if (signIn) {
                h.defaults.setString(claude ? QStringLiteral("claudeSource") : QStringLiteral("openAISource"),
                                     claude ? QStringLiteral("claudeCode") : QStringLiteral("codex"));
            }
            const auto setExpired = [&] {
                claude ? h.settings.setClaudeSessionExpired(expired) : h.settings.setOpenAISessionExpired(expired);
            };
            if (!announcedLater)
                setExpired();
            PreferencesModel &model = h.open();
            if (announcedLater)
                setExpired();
            CredentialTest &test = claude ? model.claude() : model.openAI();
            QCOMPARE(test.text(), text);
            const QString expected = status.contains(u'%')
                ? status.arg(claude ? "Claude Code" : "Codex", claude ? "claude" : "codex login")
                : status;
            QCOMPARE(describe(test), expected);
        }
    }

    void trimming_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("line breaks stay") << "\nsk-ant\n" << "\nsk-ant\n";
        QTest::newRow("inner space stays") << "  a b  " << "a b";
        QTest::newRow("only blanks") << " \t " << "";
    }

    void trimming()
    {
        QFETCH(QString, typed);
        QFETCH(QString, trimmed);
        QCOMPARE(CredentialTest::trimmed(typed), trimmed);
    }

    void testStoresTrimmedKeyAndConnects()
    {
        Harness h;
        CredentialTest &test = h.open().claude();
        test.setText(QStringLiteral("  sk-ant-1\t"));
        QVERIFY(test.canTest());
        test.saveAndTest();
        QCOMPARE(h.defaults.string(DefaultsKeys::sessionKey), std::optional(QStringLiteral("sk-ant-1")));
        QCOMPARE(test.text(), QStringLiteral("  sk-ant-1\t"));
        QCOMPARE(h.claudeFetches, 1);
        QCOMPARE(describe(test), QStringLiteral("ok:Testing… (testing)"));
        QVERIFY(!test.canTest());

        h.settings.setClaudeSessionExpired(true); // the controller's needs-login report during the test
        QCOMPARE(describe(test), QStringLiteral("error:Session expired - check your key (testing)"));
        h.openAIResult(refused); // the other provider's result is not this test's
        QVERIFY(test.isTesting());
        h.claudeResult(success);
        QCOMPARE(describe(test), QStringLiteral("ok:Connected"));
        QVERIFY(!h.settings.claudeSessionExpired());
        QCOMPARE(h.settingsChangedPosts(), 1);

        // One result per test: later results change nothing.
        h.claudeResult(refused);
        QCOMPARE(describe(test), QStringLiteral("ok:Connected"));
        QCOMPARE(h.settingsChangedPosts(), 1);
    }

    void errorResults_data()
    {
        QTest::addColumn<QVariantMap>("info");
        QTest::addColumn<QString>("status");
        QTest::newRow("refused") << refused << "error:Session key invalid or expired";
        QTest::newRow("error that is not text counts as success") << QVariantMap{{"error", 42}} << "ok:Connected";
        QTest::newRow("other keys count as success") << QVariantMap{{"message", "x"}} << "ok:Connected";
    }

    void errorResults()
    {
        QFETCH(QVariantMap, info);
        QFETCH(QString, status);
        Harness h;
        CredentialTest &test = h.open().openAI();
        test.setText(QStringLiteral("token"));
        test.saveAndTest();
        QCOMPARE(h.openAIFetches, 1);
        h.openAIResult(info);
        QCOMPARE(describe(test), status);
        QCOMPARE(h.settingsChangedPosts(), status == QLatin1String("ok:Connected") ? 1 : 0);
    }

    void blankKeyIsNotTested()
    {
        Harness h;
        CredentialTest &test = h.open().claude();
        test.setText(QStringLiteral(" \t "));
        QVERIFY(!test.canTest());
        test.saveAndTest();
        QCOMPARE(h.claudeFetches, 0);
        QVERIFY(!h.defaults.object(DefaultsKeys::sessionKey).isValid());
        QCOMPARE(describe(test), QStringLiteral("none"));
    }

    void timeOutAfter25SecondsEndsOnlyItsOwnTest()
    {
        Harness h;
        CredentialTest &test = h.open().claude();
        test.setText(QStringLiteral("key"));
        test.saveAndTest();
        h.scheduler.advance(2s);
        h.claudeResult(success);
        h.scheduler.advance(10s);
        test.saveAndTest(); // a second test, 12 s after the first began
        h.scheduler.advance(14s); // the first test's time-out falls due here
        QCOMPARE(describe(test), QStringLiteral("ok:Testing… (testing)"));
        h.scheduler.advance(10999ms);
        QVERIFY(test.isTesting());
        h.scheduler.advance(1ms);
        QCOMPARE(describe(test), QStringLiteral("error:Session expired - check your key"));
        h.claudeResult(success); // too late: no longer observed
        QCOMPARE(describe(test), QStringLiteral("error:Session expired - check your key"));
        QCOMPARE(h.settingsChangedPosts(), 1); // the first test's success only
    }

    // A test never blames the key only because the service asked Quotabar to wait.
    void heldByTheService_data()
    {
        QTest::addColumn<int>("heldSeconds"); // -1: not held
        QTest::addColumn<QString>("status");
        QTest::newRow("not held") << -1 << "ok:Testing… (testing)";
        QTest::newRow("held shorter than a test waits") << 24 << "ok:Testing… (testing)";
        QTest::newRow("held as long as a test waits") << 25 << "error:Asked to wait · next try in 1m";
        QTest::newRow("held 3 minutes") << 180 << "error:Asked to wait · next try in 3m";
    }

    void heldByTheService()
    {
        QFETCH(int, heldSeconds);
        QFETCH(QString, status);
        Harness h;
        if (heldSeconds >= 0)
            h.claudeNextTry = h.clock.now().addSecs(heldSeconds);
        CredentialTest &test = h.open().claude();
        test.setText(QStringLiteral("key"));
        test.saveAndTest();
        QCOMPARE(h.claudeFetches, 1); // the fetcher still asks once the wait is over
        QCOMPARE(describe(test), status);
        h.claudeResult(success); // a held test has ended already
        QCOMPARE(describe(test), status.startsWith(QLatin1String("error:")) ? status : QStringLiteral("ok:Connected"));
    }

    void expiryNeedsAStoredCredential()
    {
        Harness h;
        CredentialTest &test = h.open().claude();
        h.settings.setClaudeSessionExpired(true); // the launch fetch found no key
        QCOMPARE(describe(test), QStringLiteral("none"));
        test.setText(QStringLiteral("typed, not saved"));
        h.settings.setClaudeSessionExpired(true);
        QCOMPARE(describe(test), QStringLiteral("none"));
    }

    void removeKey()
    {
        Harness h;
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        CredentialTest &test = h.open().openAI();
        test.removeKey();
        QCOMPARE(test.text(), QString());
        QCOMPARE(describe(test), QStringLiteral("none"));
        QVERIFY(!h.defaults.object(DefaultsKeys::openAISessionKey).isValid());
        QCOMPARE(h.settingsChangedPosts(), 1);
    }

    void expiryWatch()
    {
        Harness h;
        h.defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("token"));
        CredentialTest &test = h.open().openAI();
        QCOMPARE(describe(test), QStringLiteral("ok:Connected"));
        h.settings.setOpenAISessionExpired(true);
        QCOMPARE(describe(test), QStringLiteral("error:Session expired - check your key"));
        h.settings.setOpenAISessionExpired(false);
        QCOMPARE(describe(test), QStringLiteral("error:Session expired - check your key"));

        // An error already shown keeps its text.
        test.setText(QStringLiteral("token"));
        test.saveAndTest();
        h.openAIResult({{"error", "HTTP 429"}});
        h.settings.setOpenAISessionExpired(true);
        QCOMPARE(describe(test), QStringLiteral("error:HTTP 429"));
        // Another setting's change is no expiry announcement.
        h.settings.setOpenAISessionExpired(false);
        test.saveAndTest();
        h.openAIResult(success);
        h.settings.setDisplayFormat(DisplayFormat::weeklyOnly);
        QCOMPARE(describe(test), QStringLiteral("ok:Connected"));
    }

    void settingChangesAreAnnouncedOnce()
    {
        Harness h;
        PreferencesModel &model = h.open();
        model.setShowClaude(false);
        model.setShowClaude(false);
        QCOMPARE(h.settingsChangedPosts(), 1);
        QVERIFY(!h.settings.showClaude());
        model.setRefreshInterval(900);
        QCOMPARE(h.defaults.number(DefaultsKeys::refreshInterval), 900.0);
        model.setDisplayFormat(DisplayFormat::sessionAndTimer);
        model.setShowOpenAI(false);
        model.setLaunchAtLogin(true);
        QCOMPARE(h.launchCalls, QList<bool>{true});
        QCOMPARE(h.settingsChangedPosts(), 5);
    }

    void intervalIndex_data()
    {
        QTest::addColumn<double>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("1 minute") << 60.0 << 0;
        QTest::newRow("1 hour") << 3600.0 << 4;
        QTest::newRow("not offered") << 120.0 << -1;
    }

    void intervalIndex()
    {
        QFETCH(double, stored);
        QFETCH(int, index);
        Harness h;
        h.settings.setRefreshInterval(stored);
        QCOMPARE(h.open().intervalIndex().value_or(-1), index);
    }

    void keyHelpLinks()
    {
        Harness h;
        PreferencesModel &model = h.open();
        model.openClaudeKeyHelp();
        model.openOpenAIKeyHelp();
        QCOMPARE(h.opened, (QList<QUrl>{QUrl("https://quotabar.app/#faq-connect-claude"),
                                        QUrl("https://quotabar.app/#faq-connect-chatgpt")}));
    }
};

QTEST_GUILESS_MAIN(TestPreferencesModel)
#include "tst_preferencesmodel.moc"
