#include "app/DefaultsKeys.h"
#include "onboarding/OnboardingPage.h"
#include "onboarding/OnboardingPager.h"
#include "onboarding/OnboardingView.h"
#include "onboarding/OnboardingWindowController.h"
#include "platform/dummy/MemoryDefaultsStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

struct Harness
{
    MemoryDefaultsStore defaults;
    int preferencesOpened = 0;
    std::unique_ptr<OnboardingWindowController> controller;

    explicit Harness(const QString &iconPath = QStringLiteral(":/images/quotabar-icon.png"))
        : controller(std::make_unique<OnboardingWindowController>(defaults, [this] { ++preferencesOpened; }, iconPath))
    {
    }
    OnboardingView &view() const { return *controller->window(); }
};

void settle()
{
    QCoreApplication::processEvents();
}

} // namespace

// The guide's window: size, one instance, navigation, closing, and renderings of every page.
class TestOnboardingWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowIsFixedAndKeptWhenClosed()
    {
        Harness h;
        h.controller->showWindow();
        OnboardingView &view = h.view();
        QCOMPARE(view.windowTitle(), QStringLiteral("Welcome to Quotabar"));
        QCOMPARE(view.size(), QSize(520, 540));
        QCOMPARE(view.minimumSize(), view.maximumSize());
        QVERIFY(!view.previousButton()->isVisible());
        QCOMPARE(view.nextOrDoneButton()->text(), QStringLiteral("Next"));
        QVERIFY(view.dontShowAgainBox()->isChecked());

        view.nextOrDoneButton()->click();
        view.nextOrDoneButton()->click();
        QVERIFY(view.close());
        QVERIFY(!view.isVisible());
        h.controller->showWindow();
        QCOMPARE(h.controller->window(), &view);
        QCOMPARE(h.controller->pager().page(), qint64(2)); // the same page as before closing
        QVERIFY(!h.defaults.object(DefaultsKeys::onboardingCompleted).isValid()); // the close button writes nothing
    }

    void keyboardAndDone()
    {
        Harness h;
        h.controller->showWindow();
        OnboardingView &view = h.view();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(&view, Qt::Key_Return, Qt::ControlModifier);
            view.finishTransition();
        }
        QCOMPARE(h.controller->pager().page(), qint64(4));
        QVERIFY(view.previousButton()->isVisible());
        QCOMPARE(view.nextOrDoneButton()->text(), QStringLiteral("Done"));
        QCOMPARE(view.currentPage()->titleLabel()->text(), QStringLiteral("You're All Set!"));
        view.currentPage()->actionButton()->click();
        QCOMPARE(h.preferencesOpened, 1);
        QVERIFY(view.isVisible()); // the guide stays open behind Preferences

        QTest::keyClick(&view, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!view.isVisible());
        QCOMPARE(h.defaults.object(DefaultsKeys::onboardingCompleted), QVariant(true));

        // Shown again from the menu: still on the last page with "Done".
        h.controller->showWindow();
        QCOMPARE(view.nextOrDoneButton()->text(), QStringLiteral("Done"));
    }

    void pagesSlideFromTheRightGoingForward()
    {
        Harness h;
        h.controller->showWindow();
        OnboardingView &view = h.view();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        settle();
        view.nextOrDoneButton()->click();
        OnboardingPage *entering = view.currentPage();
        QTRY_VERIFY2(entering->x() > 0 && entering->x() < 520, qPrintable(QString::number(entering->x())));
        view.finishTransition();
        QCOMPARE(entering->x(), 0);

        view.previousButton()->click();
        QTRY_VERIFY2(view.currentPage()->x() < 0, qPrintable(QString::number(view.currentPage()->x())));
        view.finishTransition();
        QCOMPARE(view.currentPage()->x(), 0);
        QVERIFY(!view.previousButton()->isVisible());
    }

    void buttonsOnTheRightPages()
    {
        Harness h;
        OnboardingView &view = h.view();
        QStringList buttons;
        for (int page = 0; page < 5; ++page) {
            buttons.append(view.currentPage()->actionButton() ? view.currentPage()->actionButton()->text()
                                                              : QStringLiteral("-"));
            h.controller->pager().navigate(+1);
            view.finishTransition();
        }
        QCOMPARE(buttons, (QStringList{"-", "-", "Open Preferences →", "Open Preferences →", "Open Preferences →"}));
    }

    void lastPagePointsToFoundSignIns_data()
    {
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("note");
        QTest::newRow("none") << QStringList() << "";
        QTest::newRow("Claude Code") << QStringList{"Claude Code"}
                                     << "Found your Claude Code sign-in — use it in Preferences.";
        QTest::newRow("both") << QStringList{"Claude Code", "Codex"}
                              << "Found your Claude Code and Codex sign-ins — use them in Preferences.";
    }

    // Asked afresh each time the page is made; only the last page points, and pointing chooses nothing.
    void lastPagePointsToFoundSignIns()
    {
        QFETCH(QStringList, found);
        QFETCH(QString, note);
        Harness h;
        OnboardingView &view = h.view();
        QStringList current;
        view.setFoundSignIns([&current] { return current; });
        const auto noteOn = [&view] {
            const QLabel *label = view.currentPage()->noteLabel();
            return label ? label->text() : QString();
        };
        for (int page = 0; page < 4; ++page) {
            current = found;
            QCOMPARE(noteOn(), QString());
            h.controller->pager().navigate(+1);
            view.finishTransition();
        }
        QCOMPARE(noteOn(), note);
        current = {};
        h.controller->pager().navigate(-1);
        view.finishTransition();
        h.controller->pager().navigate(+1);
        view.finishTransition();
        QCOMPARE(noteOn(), QString());
        QCOMPARE(view.currentPage()->titleLabel()->text(), QStringLiteral("You're All Set!"));
        view.currentPage()->actionButton()->click();
        QCOMPARE(h.preferencesOpened, 1);
        QVERIFY(h.defaults.values.isEmpty());
    }
};

QTEST_MAIN(TestOnboardingWindow)
#include "tst_onboardingwindow.moc"
