#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QStringList>

#include <array>

#include <optional>

// The one place that draws provider logos, the warning sign, the idle icon and the figures icon.
namespace ProviderArtwork {

inline const QString resourceFolder = QStringLiteral(":/images");
inline const QColor systemOrange(0xFF, 0x95, 0x00);
inline const QColor systemRed(0xFF, 0x3B, 0x30);
inline const QString idleName = QStringLiteral("Quotabar-nobg");
// The sizes panel icons are drawn in: what hosts pick at 1x (16 GNOME, 22 Plasma, 24 Xfce and MATE) and at 2x.
// A host given no exact size takes the next larger one and scales it down; none picks 32 at 1x.
inline constexpr std::array<int, 5> panelSizes{16, 22, 24, 44, 48};

// Logo files decoded once: each size of each logo is kept after its first use.
class LogoCache
{
public:
    explicit LogoCache(QString folder = resourceFolder)
        : m_folder(std::move(folder))
    {
    }
    // The named logo drawn to fill size × size; absent when the file is missing or unreadable.
    std::optional<QImage> logo(const QString &name, int size);

private:
    QString m_folder;
    QHash<QString, std::optional<QImage>> m_logos;
};

// The named logo drawn to fill size × size; absent when the file is missing or unreadable.
std::optional<QImage> logo(const QString &name, int size, const QString &folder = resourceFolder);
// The named logo drawn to fill size × size, or the letter tile when the file is missing.
QImage providerPNG(LogoCache &logos, const QString &name, int size, const QColor &fallbackColor);
// A rounded tile in `color` with the letter in white, bold, centred.
QImage providerLogo(QChar letter, const QColor &color, int size);
// The image's silhouette in `color`.
QImage tinted(const QImage &source, const QColor &color);
// An orange warning triangle with an exclamation mark.
QImage warningGlyph(int size);
// The application's panel glyph, tinted; transparent when the file is missing.
QImage menuBarIcon(LogoCache &logos, int size, const QColor &color);
// A provider's panel icon: the named logo in `color`, with the warning sign over it when `warn`.
QImage panelIcon(LogoCache &logos, const QString &name, bool warn, const QColor &color, int size);

// A square icon carrying figures: the provider's letter at the left (C, G), lines stacked beside it,
// both in `ink`, and a bar in `mark` at the bottom.
QImage figuresIcon(const QString &name, const QStringList &lines, const QColor &ink, const QColor &mark, int size);

}
