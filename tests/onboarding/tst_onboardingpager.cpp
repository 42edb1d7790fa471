#include "app/DefaultsKeys.h"
#include "onboarding/OnboardingPager.h"
#include "onboarding/OnboardingPages.h"
#include "onboarding/WelcomeGuideLaunch.h"
#include "support/FakeScheduler.h"
#include "platform/dummy/MemoryDefaultsStore.h"

#include <QtTest>

Q_DECLARE_METATYPE(OnboardingPager::Page)

// The guide's pager rules and its page texts.
class TestOnboardingPager : public QObject
{
    Q_OBJECT

private slots:

    void navigationClampsAndSetsDirection()
    {
        MemoryDefaultsStore defaults;
        OnboardingPager pager(defaults, {});
        QCOMPARE(pager.direction(), qint64(1));
        pager.navigate(-1);
        QCOMPARE(pager.page(), qint64(0));
        QCOMPARE(pager.direction(), qint64(-1)); // set although the page stays
        pager.navigate(+3);
        QCOMPARE(pager.page(), qint64(3));
        pager.navigate(+5);
        QCOMPARE(pager.page(), qint64(4));
        QCOMPARE(pager.direction(), qint64(5));
        pager.navigate(-1);
        QCOMPARE(pager.page(), qint64(3));
        QCOMPARE(pager.direction(), qint64(-1));
    }

    void done_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QVariant>("after");
        QTest::newRow("ticked stores true") << QVariant() << true << QVariant(true);
        QTest::newRow("unticked writes nothing") << QVariant() << false << QVariant();
        QTest::newRow("unticked never clears") << QVariant(true) << false << QVariant(true);
    }

    void done()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, ticked);
        QFETCH(QVariant, after);
        MemoryDefaultsStore defaults;
        if (stored.isValid())
            defaults.setObject(DefaultsKeys::onboardingCompleted, stored);
        int closed = 0;
        OnboardingPager pager(defaults, [&closed] { ++closed; });
        QVERIFY(pager.dontShowAgain());
        pager.setDontShowAgain(ticked);
        for (int i = 0; i < 4; ++i)
            pager.navigate(+1);
        pager.done();
        QCOMPARE(defaults.object(DefaultsKeys::onboardingCompleted), after);
        QCOMPARE(closed, 1);
        QCOMPARE(pager.page(), qint64(4)); // stays on the last page
        QCOMPARE(pager.dontShowAgain(), ticked);
    }

    void guideAtLaunch_data()
    {
        QTest::addColumn<QVariant>("completed");
        QTest::addColumn<int>("shown");
        QTest::newRow("first launch") << QVariant() << 1;
        QTest::newRow("finished before") << QVariant(true) << 0;
        QTest::newRow("stored false") << QVariant(false) << 1;
    }

    void guideAtLaunch()
    {
        QFETCH(QVariant, completed);
        QFETCH(int, shown);
        MemoryDefaultsStore defaults;
        if (completed.isValid())
            defaults.setObject(DefaultsKeys::onboardingCompleted, completed);
        FakeClock clock;
        FakeScheduler scheduler(clock);
        int shows = 0;
        WelcomeGuideLaunch::scheduleIfNeeded(defaults, scheduler, [&shows] { ++shows; });
        scheduler.advance(std::chrono::milliseconds(299));
        QCOMPARE(shows, 0);
        scheduler.advance(std::chrono::milliseconds(1));
        QCOMPARE(shows, shown);
    }

    void pageForValue_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<OnboardingPager::Page>("page");
        QTest::newRow("0") << qint64(0) << OnboardingPager::Page::welcome;
        QTest::newRow("4") << qint64(4) << OnboardingPager::Page::allSet;
        QTest::newRow("-1") << qint64(-1) << OnboardingPager::Page::allSet;
        QTest::newRow("99") << qint64(99) << OnboardingPager::Page::allSet;
    }

    void pageForValue()
    {
        QFETCH(qint64, value);
        QFETCH(OnboardingPager::Page, page);
        QCOMPARE(OnboardingPager::pageFor(value), page);
    }

    void devToolsSamples()
    {
        const auto claude = OnboardingPages::definition(OnboardingPager::Page::connectClaude).devTools.value();
        const auto chatGPT = OnboardingPages::definition(OnboardingPager::Page::connectChatGPT).devTools.value();
        QCOMPARE(claude.host, QStringLiteral("claude.ai"));
        QCOMPARE(claude.cookieName, QStringLiteral("sessionKey"));
        QVERIFY(claude.cookiePreview.endsWith(QStringLiteral("···")));
        QCOMPARE(chatGPT.host, QStringLiteral("chatgpt.com"));
        QVERIFY(chatGPT.cookiePreview.endsWith(QStringLiteral("···")));
        // The cookie is cut short in the drawing while the text names it in full.
        QVERIFY(chatGPT.cookieName.endsWith(QChar(0x2026)));
        QVERIFY(QStringLiteral("__Secure-next-auth.session-token").startsWith(chatGPT.cookieName.chopped(1)));
        QVERIFY(OnboardingPages::definition(OnboardingPager::Page::connectChatGPT)
                    .description.contains(QStringLiteral("__Secure-next-auth.session-token")));
    }
};

QTEST_GUILESS_MAIN(TestOnboardingPager)
#include "tst_onboardingpager.moc"
