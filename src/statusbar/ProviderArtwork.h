#pragma once

#include "statusbar/TitleModel.h"

#include <QColor>
#include <QImage>

#include <optional>

// The one place that draws provider logos, the warning sign and the idle icon.
namespace ProviderArtwork {

inline const QString resourceFolder = QStringLiteral(":/images");
inline const QColor systemOrange(0xFF, 0x95, 0x00);

// The named logo drawn to fill size × size; absent when the file is missing or unreadable.
std::optional<QImage> logo(const QString &name, int size, const QString &folder = resourceFolder);
// The named logo drawn to fill size × size, or the letter tile when the file is missing.
QImage providerPNG(const QString &name, int size, const QColor &fallbackColor, const QString &folder = resourceFolder);
// A rounded tile in `color` with the letter in white, bold, centred.
QImage providerLogo(QChar letter, const QColor &color, int size);
// The image's silhouette in `color`.
QImage tinted(const QImage &source, const QColor &color);
// An orange warning triangle with an exclamation mark.
QImage warningGlyph(int size);
// The application's panel glyph, tinted; transparent when the file is missing.
QImage menuBarIcon(int size, const QColor &color, const QString &folder = resourceFolder);
// A provider's panel icon: its logo in `color`, with the warning sign over it when `warn`.
QImage panelIcon(Provider provider, bool warn, const QColor &color, int size, const QString &folder = resourceFolder);

QString logoName(Provider provider); // "claude", "openai"

}
