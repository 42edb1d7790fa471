#include "OnboardingView.h"

#include "onboarding/Illustrations.h"
#include "onboarding/OnboardingPage.h"
#include "onboarding/OnboardingPager.h"
#include "platform/qt/SemanticColors.h"
#include "preferences/PreferencesStyles.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QVariantAnimation>
#include <QVBoxLayout>

// The row of page dots; the current one at full strength, fading over 0.2 s.
class PageDots final : public QWidget
{
public:
    PageDots(int count, QWidget *parent)
        : QWidget(parent)
        , m_strength(count, 0.25)
    {
        setFixedHeight(6 + 12);
    }

    void select(int index)
    {
        finish();
        auto *fades = new QParallelAnimationGroup(this);
        for (int i = 0; i < m_strength.size(); ++i) {
            const qreal target = i == index ? 1.0 : 0.25;
            if (qFuzzyCompare(m_strength[i], target))
                continue;
            auto *fade = new QVariantAnimation(fades);
            fade->setDuration(200);
            fade->setEasingCurve(QEasingCurve::InOutQuad);
            fade->setStartValue(m_strength[i]);
            fade->setEndValue(target);
            connect(fade, &QVariantAnimation::valueChanged, this, [this, i](const QVariant &value) {
                m_strength[i] = value.toReal();
                update();
            });
            fades->addAnimation(fade);
        }
        m_fades = fades;
        fades->start(QAbstractAnimation::DeleteWhenStopped);
    }

    void finish()
    {
        if (m_fades)
            m_fades->setCurrentTime(m_fades->duration());
    }

    void jumpTo(int index)
    {
        for (int i = 0; i < m_strength.size(); ++i)
            m_strength[i] = i == index ? 1.0 : 0.25;
        update();
    }

    qreal strength(int index) const { return m_strength.value(index); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const qreal rowWidth = m_strength.size() * 6 + (m_strength.size() - 1) * 6;
        qreal x = (width() - rowWidth) / 2;
        for (const qreal strength : m_strength) {
            painter.setBrush(SemanticColors::withOpacity(SemanticColors::secondaryLabel(palette()), strength));
            painter.drawEllipse(QRectF(x, 0, 6, 6));
            x += 12;
        }
    }

private:
    QList<qreal> m_strength;
    QPointer<QParallelAnimationGroup> m_fades;
};

OnboardingView::OnboardingView(OnboardingPager &pager, std::function<void()> openPreferences, QString iconPath,
                               QWidget *parent)
    : QWidget(parent)
    , m_pager(pager)
    , m_openPreferences(std::move(openPreferences))
    , m_iconPath(std::move(iconPath))
{
    setFixedSize(windowWidth, windowHeight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_pageArea = new QWidget(this);
    m_pageArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(m_pageArea, 1);
    m_dots = new PageDots(static_cast<int>(OnboardingPager::totalPages), this);
    layout->addWidget(m_dots);
    layout->addWidget(new Divider(this));

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(20, 14, 20, 14);
    bar->setSpacing(8);
    m_dontShowAgain = new QCheckBox(tr("Don't show this window again"), this);
    QFont boxFont = font();
    boxFont.setPixelSize(12);
    m_dontShowAgain->setFont(boxFont);
    bar->addWidget(m_dontShowAgain);
    bar->addStretch(1);
    //: Goes back one page of the welcome guide
    m_previous = new QPushButton(tr("Previous"), this);
    bar->addWidget(m_previous);
    //: Goes on to the next page of the welcome guide
    m_nextOrDone = new QPushButton(tr("Next"), this);
    m_nextOrDone->setDefault(true);
    bar->addWidget(m_nextOrDone);
    layout->addLayout(bar);

    connect(m_dontShowAgain, &QCheckBox::toggled, &m_pager, &OnboardingPager::setDontShowAgain);
    connect(m_previous, &QPushButton::clicked, &m_pager, [this] { m_pager.navigate(-1); });
    connect(m_nextOrDone, &QPushButton::clicked, &m_pager, [this] {
        if (m_pager.showsDone())
            m_pager.done();
        else
            m_pager.navigate(+1);
    });
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, m_nextOrDone, &QPushButton::click);
    }
    connect(&m_pager, &OnboardingPager::changed, this, &OnboardingView::sync);

    m_pageArea->installEventFilter(this);
    m_shownPage = m_pager.page();
    m_current = makePage(m_shownPage);
    m_dots->jumpTo(static_cast<int>(m_shownPage));
    sync();
}

OnboardingPage *OnboardingView::makePage(qint64 page)
{
    PageDefinition definition = OnboardingPages::definition(OnboardingPager::pageFor(page));
    QWidget *illustration = nullptr;
    switch (definition.page) {
    case OnboardingPager::Page::welcome:
        illustration = new WelcomeIllustration(m_iconPath);
        break;
    case OnboardingPager::Page::whatItDoes:
        illustration = new MenuBarIllustration;
        break;
    case OnboardingPager::Page::connectClaude:
    case OnboardingPager::Page::connectChatGPT:
        illustration = new DevToolsIllustration(*definition.devTools);
        break;
    case OnboardingPager::Page::allSet:
        illustration = new AllSetIllustration;
        if (m_foundSignIns)
            definition.note = OnboardingPages::signInPointer(m_foundSignIns());
        break;
    }
    auto *view = new OnboardingPage(definition, illustration, m_openPreferences, m_pageArea);
    view->setGeometry(QRect(QPoint(), m_pageArea->size().isEmpty() ? QSize(windowWidth, 400) : m_pageArea->size()));
    view->show();
    return view;
}

bool OnboardingView::eventFilter(QObject *watched, QEvent *event)
{
    // The page fills the area whenever no slide is moving it.
    if (watched == m_pageArea && event->type() == QEvent::Resize && !m_slide && m_current)
        m_current->setGeometry(m_pageArea->rect());
    return QWidget::eventFilter(watched, event);
}

void OnboardingView::finishTransition()
{
    if (m_slide)
        m_slide->setCurrentTime(m_slide->duration());
    m_dots->finish();
}

void OnboardingView::showPage(qint64 page, qint64 direction)
{
    finishTransition();
    const QSize area = m_pageArea->size().isEmpty() ? QSize(windowWidth, 400) : m_pageArea->size();
    const int width = area.width();
    const int sign = direction > 0 ? 1 : -1;
    m_leaving = m_current;
    m_current = makePage(page);
    m_current->setGeometry(sign * width, 0, width, area.height());

    // Forward: the new page comes in from the right and the old one leaves to the left; back: the reverse.
    auto *slide = new QParallelAnimationGroup(this);
    auto *enter = new QPropertyAnimation(m_current, "pos", slide);
    enter->setStartValue(QPoint(sign * width, 0));
    enter->setEndValue(QPoint(0, 0));
    auto *leave = new QPropertyAnimation(m_leaving.data(), "pos", slide);
    leave->setStartValue(QPoint(0, 0));
    leave->setEndValue(QPoint(-sign * width, 0));
    for (QPropertyAnimation *move : {enter, leave}) {
        move->setDuration(250);
        move->setEasingCurve(QEasingCurve::InOutQuad);
        slide->addAnimation(move);
    }
    connect(slide, &QParallelAnimationGroup::finished, this, [this] {
        if (m_leaving)
            m_leaving->deleteLater();
    });
    m_slide = slide;
    slide->start(QAbstractAnimation::DeleteWhenStopped);
    m_dots->select(static_cast<int>(page));
}

void OnboardingView::sync()
{
    if (m_pager.page() != m_shownPage) {
        m_shownPage = m_pager.page();
        showPage(m_shownPage, m_pager.direction());
    }
    m_dontShowAgain->setChecked(m_pager.dontShowAgain());
    m_previous->setVisible(m_pager.showsPrevious());
    //: Closes the welcome guide on its last page
    m_nextOrDone->setText(m_pager.showsDone() ? tr("Done") : tr("Next"));
}
