#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class OnboardingPager;
class OnboardingPage;
class QCheckBox;
class QParallelAnimationGroup;
class QPushButton;
class PageDots;

// The guide's pager: the current page sliding in and out, the page dots and the navigation bar.
class OnboardingView final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int windowWidth = 520;
    static constexpr int windowHeight = 540;

    // `openPreferences` serves the "Open Preferences →" buttons.
    OnboardingView(OnboardingPager &pager, std::function<void()> openPreferences, QString iconPath,
                   QWidget *parent = nullptr);

    // The command-line tools whose sign-in the last page points to, asked each time it is made.
    void setFoundSignIns(std::function<QStringList()> foundSignIns) { m_foundSignIns = std::move(foundSignIns); }

    OnboardingPage *currentPage() const { return m_current; }
    QCheckBox *dontShowAgainBox() const { return m_dontShowAgain; }
    QPushButton *previousButton() const { return m_previous; }
    QPushButton *nextOrDoneButton() const { return m_nextOrDone; }
    // Finishes a running slide at once (for tests and for quick repeated navigation).
    void finishTransition();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OnboardingPage *makePage(qint64 page);
    void showPage(qint64 page, qint64 direction);
    void sync();

    OnboardingPager &m_pager;
    std::function<void()> m_openPreferences;
    std::function<QStringList()> m_foundSignIns;
    QString m_iconPath;
    QWidget *m_pageArea = nullptr;
    OnboardingPage *m_current = nullptr;
    QPointer<OnboardingPage> m_leaving;
    QPointer<QParallelAnimationGroup> m_slide;
    qint64 m_shownPage = 0;
    PageDots *m_dots = nullptr;
    QCheckBox *m_dontShowAgain = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_nextOrDone = nullptr;
};
