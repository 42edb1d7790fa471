#include "accounts/AccountEdits.h"
#include "credentials/SignInFolders.h"
#include "preferences/AccountRows.h"
#include "notify/Notifier.h"
#include "support/ControllerHarness.h"
#include "support/RecordingNotices.h"

#include <QtTest>

using namespace std::chrono_literals;

namespace {

ProviderUsage figures(const FakeClock &clock, double session, double weekly)
{
    ProviderUsage usage;
    usage.sessionPercentage = session;
    usage.weeklyPercentage = weekly;
    usage.sessionResetAt = clock.now().addSecs(3600);
    usage.weeklyResetAt = clock.now().addDays(3);
    usage.fetchedAt = clock.now();
    return usage;
}

struct Harness : ControllerHarness<FakeStatusItem>
{
    Harness()
    {
        defaults.values.insert(DefaultsKeys::sessionKey, QStringLiteral("first-key"));
        defaults.values.insert(DefaultsKeys::openAISessionKey, QStringLiteral("first-token"));
    }
    AccountId add(Provider provider, const QString &label, bool shown = true)
    {
        const AccountId id = accounts.add(Account{{}, provider, label, Account::Source::sessionKey, {}, {}, shown},
                                          QStringLiteral("key-of-") + label);
        return id;
    }
    int fetchesOf(const AccountId &id) const { return others.count(id) ? others.at(id)->fetches : 0; }
};

} // namespace

// Several accounts per provider: what is kept, shown, asked and told for each.
class TestAccounts : public QObject
{
    Q_OBJECT

private slots:
    // A settings file of one account per provider is read and run without a single write.
    void anOldSettingsFileIsNotWritten()
    {
        Harness h;
        h.defaults.values.insert(DefaultsKeys::refreshInterval, 300.0);
        h.defaults.values.insert(DefaultsKeys::claudeSessionExpired, false);
        const QVariantMap before = h.defaults.values;
        h.start();
        h.claude.deliver(h.claudeRecord(3600, 86400));
        h.controller->settingsChanged();
        QCOMPARE(h.accounts.all().size(), 2);
        QCOMPARE(h.defaults.values, before);
    }

    // The panel shows each figure from the shown account with the least left; hidden ones count for nothing.
    // The panel shows each figure from the shown account with the least left (hidden ones count for
    // nothing), or with an item per account, each account's own figures behind its label.
    void thePanelShowsTheLowestFigures_data()
    {
        QTest::addColumn<bool>("workShown");
        QTest::addColumn<bool>("perAccount");
        QTest::addColumn<QString>("title");
        QTest::newRow("both shown") << true << false << "Claude S:40%  W:20%";
        QTest::newRow("work hidden") << false << false << "Claude S:73%  W:41%";
        QTest::newRow("an item per account") << true << true << "Claude S:73%  W:41%    Work S:40%  W:20%";
        QTest::newRow("an item per account, one shown") << false << true << "Claude S:73%  W:41%";
    }
    void thePanelShowsTheLowestFigures()
    {
        QFETCH(bool, workShown);
        QFETCH(bool, perAccount);
        QFETCH(QString, title);
        Harness h;
        h.settings.setShowOpenAI(false);
        h.settings.setPanelItemPerAccount(perAccount);
        h.start();
        const AccountId work = h.add(Provider::claude, QStringLiteral("Work"), workShown);
        h.claude.deliver(figures(h.clock, 27, 59).claudeRecord());
        if (h.others.count(work))
            h.others.at(work)->deliver(figures(h.clock, 60, 80));
        QCOMPARE(h.item.shown->plainText(), title);
    }

    // A refresh asks every shown account with a key, a second apart at the same service, and
    // never a hidden one.
    void aRefreshAsksShownAccountsOnly()
    {
        Harness h;
        h.start();
        const AccountId work = h.add(Provider::claude, QStringLiteral("Work"));
        const AccountId hidden = h.add(Provider::claude, QStringLiteral("Old"), false);
        const AccountId team = h.add(Provider::openAI, QStringLiteral("Team"));
        h.scheduler.advance(5s);
        const int workBefore = h.fetchesOf(work);
        const int teamBefore = h.fetchesOf(team);
        const int claudeBefore = h.claude.fetches;
        const int openAIBefore = h.openAI.fetches;
        h.controller->refreshNow();
        // Each provider's first account goes at once; the next one at each service waits its second.
        QCOMPARE(h.claude.fetches, claudeBefore + 1);
        QCOMPARE(h.openAI.fetches, openAIBefore + 1);
        QCOMPARE(h.fetchesOf(work), workBefore);
        QCOMPARE(h.fetchesOf(team), teamBefore);
        h.scheduler.advance(999ms);
        QCOMPARE(h.fetchesOf(work), workBefore);
        h.scheduler.advance(1ms);
        QCOMPARE(h.fetchesOf(work), workBefore + 1);
        QCOMPARE(h.fetchesOf(team), teamBefore + 1);
        h.scheduler.advance(60s);
        QCOMPARE(h.fetchesOf(hidden), 0);

        QVERIFY(h.accounts.setShown(work, false));
        const int hiddenNow = h.fetchesOf(work);
        h.controller->refreshNow();
        h.scheduler.advance(5s);
        QCOMPARE(h.fetchesOf(work), hiddenNow);
    }

    // A service's wait holds every account of the credential it refused, and no other.
    void aWaitHoldsEveryAccountOfItsCredential()
    {
        Harness h;
        h.start();
        const AccountId research = h.accounts.add(
            Account{{}, Provider::claude, QStringLiteral("Research"), Account::Source::sameSignIn, {}, QStringLiteral("org-2")});
        const AccountId work = h.add(Provider::claude, QStringLiteral("Work"));
        h.scheduler.advance(5s);
        const int researchBefore = h.fetchesOf(research);
        const int workBefore = h.fetchesOf(work);
        h.claude.heldUntil = h.clock.now().addSecs(120);
        h.controller->refreshNow();
        h.scheduler.advance(119s);
        QCOMPARE(h.fetchesOf(work), workBefore + 1);
        QCOMPARE(h.fetchesOf(research), researchBefore);
        QCOMPARE(h.sources.nextTryAt(research), h.claude.heldUntil);
        h.scheduler.advance(1s);
        QCOMPARE(h.fetchesOf(research), researchBefore + 1);
    }

    // Add Account offers a key, the sign-in folders found here but not in use, and the organisations
    // found; an account added from them tells its source and how its service answered.
    void addAccountOffersWhatIsFound()
    {
        QTemporaryDir home;
        for (const char *folder : {".claude", ".claude-work", ".claude-empty"})
            QVERIFY(QDir(home.path()).mkpath(QLatin1String(folder)));
        for (const char *file : {".claude/.credentials.json", ".claude-work/.credentials.json", ".claude.json"}) {
            QFile made(home.filePath(QLatin1String(file)));
            QVERIFY(made.open(QIODevice::WriteOnly));
        }
        const SignInFile::Environment environment = [&home](const char *name) {
            return QLatin1String(name) == QLatin1String("HOME") ? home.path() : QString();
        };
        Harness h;
        h.start();
        AccountRows rows({h.accounts, h.records, h.sources,
                          [&](Provider provider) { return SignInFolders::detect(provider, environment); },
                          [&](Provider) { return std::optional(home.filePath(QStringLiteral(".claude"))); }});
        h.accounts.offer(Provider::claude, QStringLiteral("org-2"), QStringLiteral("Research"));
        const auto choices = [&] {
            QStringList texts;
            for (const AccountRows::Choice &choice : rows.choices(Provider::claude))
                texts << choice.text;
            return texts;
        };
        const QString inFolder = QStringLiteral("Claude Code sign-in in ");
        QCOMPARE(choices(), (QStringList{"Paste a Key…", inFolder + home.filePath(".claude"),
                                         inFolder + home.filePath(".claude-work"), "Research"}));
        const AccountId work = rows.add(Provider::claude, rows.choices(Provider::claude).at(2), QStringLiteral("Work"));
        const AccountId research = rows.add(Provider::claude, rows.choices(Provider::claude).at(2));
        QCOMPARE(choices(), (QStringList{"Paste a Key…", inFolder + home.filePath(".claude")}));

        const auto row = [&](const AccountId &id) {
            for (const AccountRows::Row &shown : rows.rows(Provider::claude)) {
                if (shown.id == id)
                    return shown.source + QStringLiteral(" · ") + shown.status;
            }
            return QString();
        };
        QCOMPARE(row(work), inFolder + home.filePath(".claude-work") + " · No sign-in in this folder");
        QCOMPARE(row(research), QStringLiteral("Another organisation of the same sign-in · Not answered yet"));
        h.scheduler.advance(5s);
        ProviderUsage answered = figures(h.clock, 10, 20);
        answered.plan = QStringLiteral("Team");
        h.others.at(research)->deliver(answered);
        QCOMPARE(row(research), QStringLiteral("Another organisation of the same sign-in · Connected · Team"));
        h.others.at(research)->needsLogin();
        QVERIFY(row(research).endsWith(QStringLiteral("Refused — sign in again or use a new key")));
    }

    // Removing an account removes its own key and nothing else; a provider's first account stays.
    void removingDeletesOnlyItsOwnKey()
    {
        Harness h;
        h.start();
        const AccountId work = h.add(Provider::claude, QStringLiteral("Work"));
        const AccountId home = h.add(Provider::claude, QStringLiteral("Home"));
        const QString workKey = DefaultsKeys::accountKeyPrefix + work;
        const QString homeKey = DefaultsKeys::accountKeyPrefix + home;
        QCOMPARE(h.defaults.string(workKey), std::optional<QString>(QStringLiteral("key-of-Work")));
        QCOMPARE(AccountEdits::edit(h.accounts, QStringLiteral("remove"), {QStringLiteral("work")}), QString());
        QVERIFY(!h.defaults.values.contains(workKey));
        QCOMPARE(h.defaults.string(homeKey), std::optional<QString>(QStringLiteral("key-of-Home")));
        QCOMPARE(h.defaults.string(DefaultsKeys::sessionKey), std::optional<QString>(QStringLiteral("first-key")));
        QVERIFY(!AccountEdits::edit(h.accounts, QStringLiteral("remove"), {QStringLiteral("claude")}).isEmpty());
        QCOMPARE(h.accounts.of(Provider::claude).size(), 2);
        // The list as stored names Home only, and a new list read from it agrees.
        AccountList again(h.settings, {});
        QCOMPARE(again.all(), h.accounts.all());
    }

    // Each account's windows run low on their own, and its label names it once a provider shows several.
    void noticesArePerAccount()
    {
        Harness h;
        RecordingNotices desktop;
        h.start();
        Notifier notifier({h.settings, desktop, h.clock, h.scheduler, [] {}});
        notifier.follow(h.records, h.accounts);
        const AccountId work = h.add(Provider::claude, QStringLiteral("Work"));
        h.claude.deliver(figures(h.clock, 50, 10).claudeRecord());
        h.others.at(work)->deliver(figures(h.clock, 50, 10));
        h.clock.advance(60'000);
        h.others.at(work)->deliver(figures(h.clock, 85, 10)); // only Work runs low
        QCOMPARE(desktop.shown.size(), 1);
        QCOMPARE(desktop.shown[0].first, QStringLiteral("claude.%1.session").arg(work));
        QCOMPARE(desktop.shown[0].second.summary, QStringLiteral("Claude · Work session: 15% left"));
        h.claude.deliver(figures(h.clock, 85, 10).claudeRecord()); // the first account's own window
        QCOMPARE(desktop.shown.size(), 2);
        QCOMPARE(desktop.shown[1].first, QStringLiteral("claude.session"));
    }

    // Each shown account beyond the first has a section below its provider's group, and the
    // provider's tooltip lists every account under its header.
    void theMenuHasASectionPerShownAccount()
    {
        Harness h;
        h.start();
        const AccountId work = h.add(Provider::claude, QStringLiteral("Work"));
        h.add(Provider::claude, QStringLiteral("Old"), false);
        h.accounts.rename(Account::firstId(Provider::claude), QStringLiteral("Home"));
        // Each account's pace ends its own rows.
        h.controller->menu().setRowSuffix([work](const AccountId &id, Window window) {
            return id == work && window == Window::weekly ? QStringLiteral("  · pace of Work") : QString();
        });
        h.claude.deliver(figures(h.clock, 27, 59).claudeRecord());
        ProviderUsage pro = figures(h.clock, 60, 80);
        pro.plan = QStringLiteral("Pro");
        h.others.at(work)->deliver(pro);
        QStringList titles;
        for (const StatusMenu::Item &item : h.controller->menu().items()) {
            if (item.visible && !item.separator)
                titles << item.title;
        }
        const qsizetype header = titles.indexOf(QStringLiteral("Claude · Work · Pro"));
        QVERIFY(header > titles.indexOf(QStringLiteral("Claude · Home")));
        QVERIFY(header < titles.indexOf(QStringLiteral("Refresh Now")));
        QVERIFY(titles.value(header + 1).startsWith(QStringLiteral("Session  40%  ")));
        QVERIFY(titles.value(header + 2).startsWith(QStringLiteral("Weekly  20%  ")));
        QVERIFY(titles.value(header + 2).endsWith(QStringLiteral("  · pace of Work")));
        QCOMPARE(titles.filter(QStringLiteral("pace of Work")).size(), 1);
        QCOMPARE(titles.value(header + 3), QStringLiteral("Updated just now"));
        QVERIFY(!titles.join(QLatin1Char('|')).contains(QStringLiteral("Old")));
        const QStringList tooltip = h.controller->menu().rowTexts(Provider::claude);
        QCOMPARE(tooltip.first(), QStringLiteral("Claude · Home"));
        QVERIFY(tooltip.contains(QStringLiteral("Claude · Work · Pro")));

        // From four accounts on, the others' figures share one row.
        h.add(Provider::claude, QStringLiteral("Side"));
        h.others.at(work)->deliver(pro);
        titles.clear();
        for (const StatusMenu::Item &item : h.controller->menu().items()) {
            if (item.visible && !item.separator)
                titles << item.title;
        }
        const qsizetype compact = titles.indexOf(QStringLiteral("Claude · Work · Pro"));
        QCOMPARE(titles.value(compact + 1), QStringLiteral("Session 40%  Weekly 20%"));
        QCOMPARE(titles.value(compact + 2), QStringLiteral("Updated just now"));
    }

    // Organisations found on the server are listed hidden without a write; showing one keeps it.
    void foundOrganisationsAreOfferedWithoutAWrite()
    {
        Harness h;
        h.start();
        const int writes = h.defaults.writes;
        const int asked = h.claude.fetches + h.openAI.fetches;
        h.accounts.offer(Provider::claude, QStringLiteral("org-2"), QStringLiteral("Research"));
        h.accounts.offer(Provider::claude, QStringLiteral("org-2"), QStringLiteral("Research"));
        QCOMPARE(h.defaults.writes, writes);
        // Finding or renaming an account asks nobody again.
        h.accounts.rename(Account::firstId(Provider::claude), QStringLiteral("Home"));
        h.scheduler.advance(2s);
        QCOMPARE(h.claude.fetches + h.openAI.fetches, asked);
        const int afterRename = h.defaults.writes;
        const QList<Account> claude = h.accounts.of(Provider::claude);
        QCOMPARE(claude.size(), 2);
        QVERIFY(!claude.at(1).shown);
        QVERIFY(h.others.count(claude.at(1).id)); // a source waits, unasked
        QCOMPARE(h.fetchesOf(claude.at(1).id), 0);
        QVERIFY(afterRename > writes);
        QCOMPARE(AccountEdits::edit(h.accounts, QStringLiteral("show"), {QStringLiteral("research")}), QString());
        h.scheduler.advance(2s);
        QCOMPARE(h.fetchesOf(claude.at(1).id), 1);
        // Kept now, under the same id, and read back from the settings.
        AccountList again(h.settings, {});
        QCOMPARE(again.find(claude.at(1).id)->serverId, QStringLiteral("org-2"));
    }

    // Bad edits say why and change nothing.
    void refusedEdits_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown account") << "hide" << QStringList{"nobody"};
        QTest::newRow("shared label") << "hide" << QStringList{"twin"};
        QTest::newRow("empty label") << "rename" << QStringList{"Work", " "};
        QTest::newRow("unknown verb") << "delete" << QStringList{"Work"};
    }
    void refusedEdits()
    {
        QFETCH(QString, verb);
        QFETCH(QStringList, arguments);
        Harness h;
        h.add(Provider::claude, QStringLiteral("Work"));
        h.add(Provider::claude, QStringLiteral("Twin"));
        h.add(Provider::openAI, QStringLiteral("twin"));
        const QList<Account> before = h.accounts.all();
        QVERIFY(!AccountEdits::edit(h.accounts, verb, arguments).isEmpty());
        QCOMPARE(h.accounts.all(), before);
    }
};

QTEST_GUILESS_MAIN(TestAccounts)
#include "tst_accounts.moc"
