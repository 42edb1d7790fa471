#include "support/StatusBarFakes.h"
#include "usage/ChosenSource.h"
#include "usage/UsageData.h"

#include <QtTest>

// The source a provider's figures come from is the one the user chose, for every question asked of it.
class TestChosenSource : public QObject
{
    Q_OBJECT

private slots:
    void theChoiceAnswers_data()
    {
        QTest::addColumn<bool>("usesSignIn");
        QTest::newRow("session key") << false;
        QTest::newRow("command-line sign-in") << true;
    }

    void theChoiceAnswers()
    {
        QFETCH(bool, usesSignIn);
        FakeUsageSource<UsageData> sessionKey;
        FakeUsageSource<UsageData> signIn;
        const QDateTime held = QDateTime::fromSecsSinceEpoch(1'800'000'000);
        (usesSignIn ? signIn : sessionKey).heldUntil = held;
        ChosenSource<UsageData> source(sessionKey, signIn, [usesSignIn] { return usesSignIn; });
        int delivered = 0;
        int loginsAsked = 0;
        source.onUsageData = [&](const UsageData &) { ++delivered; };
        source.onNeedsLogin = [&] { ++loginsAsked; };

        source.fetchUsage();
        QCOMPARE(sessionKey.fetches, usesSignIn ? 0 : 1);
        QCOMPARE(signIn.fetches, usesSignIn ? 1 : 0);
        // The menu's "next try in" and the Preferences test ask for the wait of the source in use.
        QCOMPARE(source.nextTryAt(), std::optional(held));

        // Either one's outcome is reported: a choice changed mid-cycle still ends that cycle.
        sessionKey.deliver(UsageData());
        signIn.needsLogin();
        QCOMPARE(delivered, 1);
        QCOMPARE(loginsAsked, 1);
    }
};

QTEST_GUILESS_MAIN(TestChosenSource)
#include "tst_chosensource.moc"
