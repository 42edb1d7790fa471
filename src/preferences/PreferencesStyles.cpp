#include "PreferencesStyles.h"

#include "platform/qt/SemanticColors.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace PreferencesStyles {
namespace {

QFont systemFont(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace

QFont labelFont()
{
    static const QFont font = systemFont(13);
    return font;
}

QFont captionFont()
{
    static const QFont font = systemFont(11);
    return font;
}

QFont monoFont()
{
    static const QFont font = [] {
        QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        mono.setPixelSize(12);
        return mono;
    }();
    return font;
}

QFont sectionFont()
{
    static const QFont font = systemFont(11, QFont::DemiBold);
    return font;
}

QColor secondaryLabelColor(const QPalette &palette)
{
    return SemanticColors::secondaryLabel(palette);
}

QColor okColor(const QPalette &palette)
{
    return SemanticColors::systemGreen(palette);
}

QColor errorColor(const QPalette &palette)
{
    return SemanticColors::systemOrange(palette);
}

QWidget *sectionHeader(const QString &title, QWidget *parent)
{
    auto *header = new QWidget(parent);
    auto *layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 16, 0, 2);
    auto *text = new SecondaryLabel(title.toUpper(), header);
    text->setFont(sectionFont());
    layout->addWidget(text);
    return header;
}

QPushButton *linkButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setFlat(true);
    button->setFont(captionFont());
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; color: palette(link); }"));
    return button;
}

QWidget *row(const QString &label, QWidget *content, QWidget *parent)
{
    auto *widget = new QWidget(parent);
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *text = new QLabel(label, widget);
    text->setFont(labelFont());
    text->setWordWrap(true); // a longer translation takes a second line, never cut off
    layout->addWidget(text, 1);
    content->setParent(widget);
    layout->addWidget(content);
    return widget;
}

}

GroupBox::GroupBox(QWidget *parent)
    : QFrame(parent)
{
}

void GroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette().color(QPalette::WindowText);
    fill.setAlphaF(0.04f);
    QColor border = palette().color(QPalette::WindowText);
    border.setAlphaF(0.10f);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

void SecondaryLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(PreferencesStyles::secondaryLabelColor(palette()));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

Divider::Divider(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Divider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor line = palette().color(QPalette::WindowText);
    line.setAlphaF(0.12f);
    painter.fillRect(rect(), line);
}
