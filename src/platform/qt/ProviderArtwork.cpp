#include "ProviderArtwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <optional>

namespace ProviderArtwork {
namespace {

QImage transparentImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The file drawn to fill size × size, or absent when it cannot be read.
std::optional<QImage> loadScaled(const QString &path, int size)
{
    const QImage loaded(path);
    if (loaded.isNull())
        return std::nullopt;
    QImage image = transparentImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, size, size), loaded);
    return image;
}

QString logoPath(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name + QStringLiteral(".png");
}

QChar initial(const QString &name)
{
    return name.isEmpty() ? QChar('?') : name.front().toUpper();
}

// The letter that stands for a provider where its logo would be too small: C for Claude, G for
// ChatGPT ("O" would read as a zero beside the digits).
QChar cueLetter(const QString &name)
{
    return name == QLatin1String("openai") ? QChar('G') : initial(name);
}

// The letter tile; with `cutOut` the letter is a hole, so the tile reads in a single colour.
QImage letterTile(QChar letter, const QColor &color, int size, bool cutOut)
{
    QImage image = transparentImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = QRectF(0, 0, size, size).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(tile, tile.width() * 0.28, tile.height() * 0.28);

    QFont font;
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(size * 0.58)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    if (cutOut)
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
    const QFontMetricsF metrics(font);
    const QString text(letter);
    const QSizeF textSize(metrics.horizontalAdvance(text), metrics.height());
    const QPointF origin((tile.width() - textSize.width()) / 2, (tile.height() - textSize.height()) / 2);
    painter.drawText(QRectF(origin, textSize), Qt::AlignCenter, text);
    return image;
}

} // namespace

std::optional<QImage> LogoCache::logo(const QString &name, int size)
{
    const QString key = name + QLatin1Char('@') + QString::number(size);
    auto found = m_logos.constFind(key);
    if (found == m_logos.cend())
        found = m_logos.insert(key, loadScaled(logoPath(m_folder, name), size));
    return *found;
}

std::optional<QImage> logo(const QString &name, int size, const QString &folder)
{
    return loadScaled(logoPath(folder, name), size);
}

QImage providerPNG(LogoCache &logos, const QString &name, int size, const QColor &fallbackColor)
{
    if (const std::optional<QImage> file = logos.logo(name, size))
        return *file;
    return providerLogo(initial(name), fallbackColor, size);
}

QImage providerLogo(QChar letter, const QColor &color, int size)
{
    return letterTile(letter, color, size, false);
}

QImage tinted(const QImage &source, const QColor &color)
{
    QImage image(source.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, source);
    return image;
}

QImage warningGlyph(int size)
{
    QImage image = transparentImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPainterPath triangle;
    triangle.moveTo(s * 0.5, s * 0.06);
    triangle.lineTo(s * 0.97, s * 0.92);
    triangle.lineTo(s * 0.03, s * 0.92);
    triangle.closeSubpath();
    painter.setPen(QPen(systemOrange, s * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(systemOrange);
    painter.drawPath(triangle);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(s * 0.44, s * 0.32, s * 0.12, s * 0.34), s * 0.05, s * 0.05);
    painter.drawEllipse(QPointF(s * 0.5, s * 0.78), s * 0.07, s * 0.07);
    return image;
}

QImage menuBarIcon(LogoCache &logos, int size, const QColor &color)
{
    const std::optional<QImage> glyph = logos.logo(idleName, size);
    return glyph ? tinted(*glyph, color) : transparentImage(size);
}

QImage panelIcon(LogoCache &logos, const QString &name, bool warn, const QColor &color, int size)
{
    const std::optional<QImage> file = logos.logo(name, size);
    QImage image = file ? tinted(*file, color) : letterTile(initial(name), color, size, true);
    if (warn) {
        QPainter painter(&image);
        const int badge = qRound(size * 0.62);
        painter.drawImage(QPoint(size - badge, size - badge), warningGlyph(badge));
    }
    return image;
}

QImage figuresIcon(const QString &name, const QStringList &lines, const QColor &ink, const QColor &mark, int size)
{
    QImage image = transparentImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int bar = std::max(2, qRound(size / 11.0));
    painter.fillRect(QRect(0, size - bar, size, bar), mark);

    // A letter tells the providers' figures apart without their colour: at the left of two lines,
    // above a single one, which then keeps the whole width for its digits. The logos themselves,
    // at the third of the icon they can have, read as smudges on a panel (6 to 8 px); a bold
    // letter the height of both lines reads at 22 px. Below 20 px there is no room for it.
    const int shown = std::max<int>(1, std::min<int>(2, lines.size()));
    const int gap = std::max(1, size / 22);
    QRectF area(0, 0, size, size - bar - 1); // where the digits go
    if (size >= 20) {
        QFont font;
        font.setBold(true);
        font.setHintingPreference(QFont::PreferFullHinting);
        // Capitals are about 0.72 of the pixel size tall; beside two lines the letter is as tall as
        // a line and a half, narrowed to leave the digits two thirds of the width.
        font.setPixelSize(qRound((shown == 1 ? size * 0.42 : area.height() * 0.7) / 0.72));
        const QFontMetricsF metrics(font);
        const QString letter(cueLetter(name));
        const qreal stretch = shown == 1 ? 1.0 : std::min(1.0, size * 0.3 / metrics.horizontalAdvance(letter));
        const qreal width = metrics.horizontalAdvance(letter) * stretch;
        painter.setFont(font);
        painter.setPen(ink);
        painter.save();
        if (shown == 1) {
            painter.translate(std::round((size - width) / 2), std::round(metrics.capHeight()));
            area.setTop(metrics.capHeight() + gap + 1);
        } else {
            painter.translate(0, std::round((area.height() + metrics.capHeight()) / 2));
            area.setLeft(std::ceil(width) + gap);
        }
        painter.scale(stretch, 1);
        painter.drawText(QPointF(0, 0), letter);
        painter.restore();
    }

    const qreal lineHeight = area.height() / shown;
    painter.setPen(ink);
    for (int i = 0; i < shown && i < lines.size(); ++i) {
        QString text = lines[i];
        text.remove(QLatin1Char('%')); // the number alone reads at this size; both lines are percentages or a countdown
        QFont font;
        font.setBold(true);
        font.setHintingPreference(QFont::PreferFullHinting);
        // Digits fill the line: their height is about three quarters of the font's pixel size. A wide
        // line is narrowed first, down to 70 %, and only then made smaller.
        constexpr qreal narrowest = 0.7;
        int pixels = std::max(6, int(lineHeight / 0.74));
        font.setPixelSize(pixels);
        while (pixels > 6 && QFontMetricsF(font).horizontalAdvance(text) * narrowest > area.width()) {
            font.setPixelSize(--pixels);
        }
        painter.setFont(font);
        const QFontMetricsF metrics(font);
        const qreal stretch = std::min(1.0, area.width() / metrics.horizontalAdvance(text));
        const qreal width = metrics.horizontalAdvance(text) * stretch;
        const QPointF baseline(area.left() + (area.width() - width) / 2,
                               area.top() + i * lineHeight + (lineHeight + metrics.capHeight()) / 2);
        painter.save();
        painter.translate(std::round(baseline.x()), std::round(baseline.y()));
        painter.scale(stretch, 1);
        painter.drawText(QPointF(0, 0), text);
        painter.restore();
    }
    return image;
}

}
