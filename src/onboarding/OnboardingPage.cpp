#include "OnboardingPage.h"

#include "platform/qt/SemanticColors.h"
#include "preferences/PreferencesStyles.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

OnboardingPage::OnboardingPage(const PageDefinition &definition, QWidget *illustration,
                                       std::function<void()> action, QWidget *parent)
    : QWidget(parent)
{
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 28, 0, 0);
    page->setSpacing(0);

    auto *art = new QWidget(this);
    art->setFixedHeight(240);
    auto *artLayout = new QVBoxLayout(art);
    artLayout->setContentsMargins(0, 0, 0, 0);
    illustration->setParent(art);
    illustration->setFixedSize(illustration->sizeHint());
    artLayout->addWidget(illustration, 0, Qt::AlignCenter);
    page->addWidget(art);

    page->addSpacing(20);
    auto *dividerRow = new QHBoxLayout;
    dividerRow->setContentsMargins(40, 0, 40, 0);
    dividerRow->addWidget(new Divider(this));
    page->addLayout(dividerRow);

    auto *column = new QVBoxLayout;
    column->setContentsMargins(40, 18, 40, 0);
    column->setSpacing(10);
    m_title = new QLabel(definition.title, this);
    QFont titleFont = font();
    titleFont.setPixelSize(20);
    titleFont.setWeight(QFont::DemiBold);
    m_title->setFont(titleFont);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setWordWrap(true);
    column->addWidget(m_title);

    // Line spacing 3 on 13-pixel text; the text wraps and is never cut short.
    m_description = new QLabel(this);
    m_description->setTextFormat(Qt::RichText);
    m_description->setText(QStringLiteral("<div align=\"center\" style=\"line-height: 125%;\">%1</div>")
                               .arg(definition.description.toHtmlEscaped()));
    QFont bodyFont = font();
    bodyFont.setPixelSize(13);
    m_description->setFont(bodyFont);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignCenter);
    recolour();
    column->addWidget(m_description);

    if (!definition.note.isEmpty()) {
        m_note = new QLabel(definition.note, this);
        QFont noteFont = font();
        noteFont.setPixelSize(12); // one line in the room the fixed page leaves
        m_note->setFont(noteFont);
        m_note->setWordWrap(true);
        m_note->setAlignment(Qt::AlignCenter);
        column->addWidget(m_note);
    }

    if (definition.actionLabel && action) {
        column->addSpacing(4);
        m_button = new QPushButton(*definition.actionLabel, this);
        connect(m_button, &QPushButton::clicked, this, std::move(action));
        column->addWidget(m_button, 0, Qt::AlignHCenter);
    }
    page->addLayout(column);
    page->addStretch(1);
}

void OnboardingPage::recolour()
{
    QPalette body = palette();
    body.setColor(QPalette::WindowText, SemanticColors::secondaryLabel(palette()));
    m_description->setPalette(body);
}

void OnboardingPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && m_description)
        recolour();
    QWidget::changeEvent(event);
}
