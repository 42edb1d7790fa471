#pragma once

#include <QColor>
#include <QPalette>

// The named colours of the interface, resolved from a palette (so they follow light and dark).
namespace SemanticColors {

QColor label(const QPalette &palette);
QColor secondaryLabel(const QPalette &palette);
QColor accent(const QPalette &palette);
QColor windowBackground(const QPalette &palette);
QColor systemGreen(const QPalette &palette);
QColor systemOrange(const QPalette &palette);
// `colour` at `opacity` times its own alpha.
QColor withOpacity(QColor colour, qreal opacity);

bool isDark(const QPalette &palette);

}
