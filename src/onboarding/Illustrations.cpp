#include "Illustrations.h"

#include "onboarding/Symbols.h"
#include "platform/qt/SemanticColors.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <iterator>

using namespace SemanticColors;
using Symbols::Symbol;

namespace {

const QColor badgeColour = QColor::fromRgbF(0.82f, 0.43f, 0.27f);

QFont uiFont(qreal pixels, QFont::Weight weight = QFont::Normal)
{
    QFont font;
    font.setPixelSize(qRound(pixels));
    font.setWeight(weight);
    return font;
}

QFont monoFont(qreal pixels, QFont::Weight weight = QFont::Normal)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(qRound(pixels));
    font.setWeight(weight);
    return font;
}

qreal textWidth(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

void drawText(QPainter &painter, const QRectF &box, int flags, const QFont &font, const QColor &colour,
              const QString &text)
{
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, flags, text);
}

// The status item as the panel shows it: provider badge and figures in an accent pill.
// Drawn with its right edge at `right`, centred on `centreY`; answers its rectangle.
QRectF drawStatusPill(QPainter &painter, const QPalette &palette, qreal right, qreal centreY, qreal outlineOpacity)
{
    //: A sample panel item: S is the session (five-hour) limit, W the weekly one, as the panel's own labels
    //: abbreviate them; keep the two spaces between them
    const QString text = QCoreApplication::translate("Illustrations", "S:72%  W:45%");
    const QFont font = monoFont(11, QFont::Medium);
    const qreal contentWidth = 15 + 5 + textWidth(font, text);
    const qreal height = std::max<qreal>(15, QFontMetricsF(font).height()) + 6;
    const QRectF pill(right - contentWidth - 14, centreY - height / 2, contentWidth + 14, height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withOpacity(accent(palette), 0.13));
    painter.drawRoundedRect(pill, 5, 5);
    painter.setPen(QPen(withOpacity(accent(palette), outlineOpacity), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(pill.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);

    const QRectF badge(pill.left() + 7, centreY - 7.5, 15, 15);
    painter.setPen(Qt::NoPen);
    painter.setBrush(badgeColour);
    painter.drawRoundedRect(badge, 3, 3);
    drawText(painter, badge, Qt::AlignCenter, uiFont(9, QFont::Bold), Qt::white, QStringLiteral("C"));
    drawText(painter, QRectF(badge.right() + 5, pill.top(), textWidth(font, text) + 2, pill.height()),
             Qt::AlignLeft | Qt::AlignVCenter, font, label(palette), text);
    return pill;
}

// Status icons drawn leftwards from `right`; answers where the row starts.
qreal drawStatusIcons(QPainter &painter, const QPalette &palette, qreal right, qreal centreY,
                      std::initializer_list<Symbol> symbols)
{
    qreal x = right;
    const QColor colour = withOpacity(secondaryLabel(palette), 0.5);
    for (auto it = std::rbegin(symbols); it != std::rend(symbols); ++it) {
        Symbols::draw(painter, *it, QPointF(x - 5.5, centreY), 11, colour);
        x -= 11 + 10;
    }
    return x + 10;
}

// A menu bar strip: the system mark at the left, the status pill and the status icons at the right.
void drawMenuBar(QPainter &painter, const QPalette &palette, const QRectF &bar, qreal pillOutline,
                 std::initializer_list<Symbol> icons, qreal iconsLeftPadding)
{
    painter.fillRect(bar, withOpacity(windowBackground(palette), 0.97));
    const qreal centreY = bar.center().y();
    Symbols::draw(painter, Symbol::systemLogo, QPointF(bar.left() + 14 + 5.5, centreY), 11,
                  withOpacity(label(palette), 0.6));
    const qreal iconsStart = drawStatusIcons(painter, palette, bar.right() - 14, centreY, icons);
    drawStatusPill(painter, palette, iconsStart - iconsLeftPadding, centreY, pillOutline);
}

QPainterPath topRounded(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.moveTo(rect.left(), rect.bottom());
    path.lineTo(rect.left(), rect.top() + radius);
    path.quadTo(rect.topLeft(), QPointF(rect.left() + radius, rect.top()));
    path.lineTo(rect.right() - radius, rect.top());
    path.quadTo(rect.topRight(), QPointF(rect.right(), rect.top() + radius));
    path.lineTo(rect.bottomRight());
    path.closeSubpath();
    return path;
}

} // namespace

WelcomeIllustration::WelcomeIllustration(QString iconPath, QWidget *parent)
    : QWidget(parent)
    , m_icon(iconPath)
{
}

void WelcomeIllustration::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPointF centre = rect().center() + QPointF(0.5, 0.5);
    const QColor purple = QColor::fromRgbF(0.47f, 0.37f, 0.97f, 0.15f);
    QRadialGradient glow(centre, 110);
    glow.setColorAt(0, purple);
    glow.setColorAt(40.0 / 110.0, purple);
    glow.setColorAt(1, QColor::fromRgbF(0.47f, 0.37f, 0.97f, 0.0f));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 110, 110);
    if (!m_icon.isNull()) {
        const QSizeF fitted = QSizeF(m_icon.size()).scaled(128, 128, Qt::KeepAspectRatio);
        painter.drawImage(QRectF(centre - QPointF(fitted.width() / 2, fitted.height() / 2), fitted), m_icon);
    }
}

void MenuBarIllustration::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette colours = palette();
    const QRectF screen(std::floor((width() - 340) / 2.0), 0, 340, 200);

    painter.setPen(Qt::NoPen);
    painter.setBrush(windowBackground(colours));
    painter.drawRoundedRect(screen, 10, 10);
    painter.save();
    painter.setClipPath(topRounded(QRectF(screen.topLeft(), QSizeF(340, 24)), 10));
    drawMenuBar(painter, colours, QRectF(screen.topLeft(), QSizeF(340, 24)), 0.45,
                {Symbol::wifi, Symbol::battery, Symbol::clock}, 16);
    painter.restore();
    painter.setPen(QPen(withOpacity(secondaryLabel(colours), 0.35), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(screen.adjusted(0.75, 0.75, -0.75, -0.75), 10, 10);

    // The callout under the status item.
    const qreal x = screen.center().x() + 40;
    Symbols::draw(painter, Symbol::arrowUp, QPointF(x, screen.top() + 32 + 7), 13, accent(colours));
    drawText(painter, QRectF(x - 100, screen.top() + 32 + 14 + 2, 200, 16), Qt::AlignHCenter | Qt::AlignTop,
             //: The callout pointing at the sample panel item
             uiFont(11), accent(colours), QCoreApplication::translate("Illustrations", "Your remaining tokens"));
}

DevToolsIllustration::DevToolsIllustration(DevToolsContent content, QWidget *parent)
    : QWidget(parent)
    , m_content(std::move(content))
{
}

void DevToolsIllustration::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette colours = palette();
    const QColor secondary = secondaryLabel(colours);
    const QColor accentColour = accent(colours);
    const QRectF frame(std::floor((width() - 390) / 2.0), std::floor((height() - 210) / 2.0), 390, 210);

    painter.setPen(Qt::NoPen);
    painter.setBrush(windowBackground(colours));
    painter.drawRoundedRect(frame, 8, 8);
    QPainterPath shape;
    shape.addRoundedRect(frame, 8, 8);
    painter.save();
    painter.setClipPath(shape);

    // Title bar with the three window buttons.
    const QRectF titleBar(frame.topLeft(), QSizeF(frame.width(), 26));
    painter.fillRect(titleBar, withOpacity(secondary, 0.07));
    const QColor lights[] = {QColor::fromRgbF(1.0f, 0.37f, 0.33f), QColor::fromRgbF(1.0f, 0.73f, 0.18f),
                             QColor::fromRgbF(0.2f, 0.78f, 0.35f)};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(lights[i]);
        painter.drawEllipse(QRectF(titleBar.left() + 10 + i * 14, titleBar.center().y() - 4.5, 9, 9));
    }
    const qreal titleRoomLeft = titleBar.left() + 10 + 3 * 9 + 2 * 5;
    drawText(painter, QRectF(titleRoomLeft, titleBar.top(), titleBar.right() - 10 - titleRoomLeft, titleBar.height()),
             //: The title of a sample browser developer tools window; %1 is the site (claude.ai)
             Qt::AlignCenter, uiFont(10), secondary,
             QCoreApplication::translate("Illustrations", "Developer Tools — %1").arg(m_content.host));

    // Tabs, "Application" selected.
    const QFont tabFont = uiFont(10);
    const qreal tabHeight = QFontMetricsF(tabFont).height() + 10;
    const QRectF tabBar(frame.left(), titleBar.bottom(), frame.width(), tabHeight);
    painter.fillRect(tabBar, withOpacity(secondary, 0.04));
    qreal x = tabBar.left();
    //: A tab of the browser's developer tools, as the browser names it
    const QString application = QCoreApplication::translate("Illustrations", "Application");
    //: A tab of the browser's developer tools, as the browser names it
    const QString elements = QCoreApplication::translate("Illustrations", "Elements");
    //: A tab of the browser's developer tools, as the browser names it
    const QString console = QCoreApplication::translate("Illustrations", "Console");
    //: A tab of the browser's developer tools, as the browser names it
    const QString network = QCoreApplication::translate("Illustrations", "Network");
    for (const QString &tab : {elements, console, application, network}) {
        const bool selected = tab == application;
        const QFont font = uiFont(10, selected ? QFont::DemiBold : QFont::Normal);
        const QRectF box(x, tabBar.top(), textWidth(font, tab) + 20, tabHeight);
        if (selected)
            painter.fillRect(box, withOpacity(accentColour, 0.10));
        drawText(painter, box, Qt::AlignCenter, font, selected ? accentColour : secondary, tab);
        x = box.right();
    }

    // Sidebar.
    const QRectF main(frame.left(), tabBar.bottom(), frame.width(), frame.bottom() - tabBar.bottom());
    const QRectF sidebar(main.topLeft(), QSizeF(130, main.height()));
    painter.fillRect(sidebar, withOpacity(secondary, 0.03));
    qreal y = sidebar.top() + 8;
    const auto sidebarLine = [&](const QString &text, const QFont &font, const QColor &colour) {
        const qreal lineHeight = QFontMetricsF(font).height();
        drawText(painter, QRectF(sidebar.left() + 8, y, sidebar.width() - 16, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                 font, colour, text);
        y += lineHeight + 3;
    };
    //: A section of the developer tools' Application tab, as the browser names it
    sidebarLine(QStringLiteral("▾ ") + QCoreApplication::translate("Illustrations", "Storage"), uiFont(10, QFont::Medium),
                secondary);
    //: The cookies list under Storage in the developer tools, as the browser names it
    sidebarLine(QStringLiteral("  ▾ ") + QCoreApplication::translate("Illustrations", "Cookies"), uiFont(10), secondary);
    sidebarLine(QStringLiteral("       ") + m_content.host, uiFont(10, QFont::DemiBold), accentColour);
    painter.fillRect(QRectF(sidebar.right(), main.top(), 1, main.height()), withOpacity(secondary, 0.25));

    // Cookie table.
    const qreal tableLeft = sidebar.right() + 1;
    const qreal tableWidth = main.right() - tableLeft;
    y = main.top();
    const auto tableRow = [&](const QString &name, const QFont &nameFont, const QColor &nameColour, const QString &value,
                              const QFont &valueFont, const QColor &valueColour, const QColor &background) {
        const qreal rowHeight = std::max(QFontMetricsF(nameFont).height(), QFontMetricsF(valueFont).height()) + 8;
        const QRectF rowBox(tableLeft, y, tableWidth, rowHeight);
        if (background.alpha() > 0)
            painter.fillRect(rowBox, background);
        drawText(painter, QRectF(rowBox.left() + 8, y, 120, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, nameFont,
                 nameColour, name);
        const QRectF valueBox(rowBox.left() + 8 + 120, y, rowBox.width() - 16 - 120, rowHeight);
        const QString elided = QFontMetricsF(valueFont).elidedText(value, Qt::ElideRight, valueBox.width());
        drawText(painter, valueBox, Qt::AlignLeft | Qt::AlignVCenter, valueFont, valueColour, elided);
        y += rowHeight;
    };
    //: A column heading of the developer tools' cookie table
    const QString nameHeading = QCoreApplication::translate("Illustrations", "Name");
    //: A column heading of the developer tools' cookie table
    const QString valueHeading = QCoreApplication::translate("Illustrations", "Value");
    tableRow(nameHeading, uiFont(10, QFont::DemiBold), secondary, valueHeading,
             uiFont(10, QFont::DemiBold), secondary, withOpacity(secondary, 0.07));
    tableRow(m_content.cookieName, monoFont(10, QFont::Medium), label(colours), m_content.cookiePreview, monoFont(10),
             secondary, withOpacity(accentColour, 0.14));
    for (const QString &name : {QStringLiteral("_cfuvid"), QStringLiteral("_ga"), OnboardingPages::maskedThirdCookie})
        tableRow(name, monoFont(10), withOpacity(secondary, 0.45), QStringLiteral("···"), uiFont(10),
                 withOpacity(secondary, 0.30), Qt::transparent);
    painter.restore();

    painter.setPen(QPen(withOpacity(secondary, 0.30), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

void AllSetIllustration::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette colours = palette();
    const QColor secondary = secondaryLabel(colours);
    const QRectF box(std::floor((width() - 320) / 2.0), std::floor((height() - 170) / 2.0), 320, 170);

    QPainterPath screen;
    screen.addRoundedRect(box, 10, 10);
    painter.save();
    painter.setClipPath(screen);
    drawMenuBar(painter, colours, QRectF(box.topLeft(), QSizeF(box.width(), 26)), 0.40, {Symbol::wifi, Symbol::battery},
                32);
    const qreal cardWidth = (box.width() - 24 - 20) / 3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(withOpacity(secondary, 0.07));
    for (int i = 0; i < 3; ++i)
        painter.drawRoundedRect(QRectF(box.left() + 12 + i * (cardWidth + 10), box.top() + 26 + 12, cardWidth, 70), 6, 6);
    painter.setBrush(withOpacity(secondary, 0.05));
    painter.drawRoundedRect(QRectF(box.left() + 12, box.top() + 26 + 12 + 70 + 12, box.width() - 24, 36), 6, 6);
    painter.restore();
    painter.setPen(QPen(withOpacity(secondary, 0.35), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(0.75, 0.75, -0.75, -0.75), 10, 10);

    // The check badge over the top-right corner.
    const QPointF badgeCentre(box.right() - 22 + 10, box.top() + 22 - 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(windowBackground(colours));
    painter.drawEllipse(badgeCentre, 22, 22);
    Symbols::draw(painter, Symbol::checkmarkCircle, badgeCentre, 40, systemGreen(colours));
}
