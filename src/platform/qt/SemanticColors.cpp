#include "SemanticColors.h"

namespace SemanticColors {

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor withOpacity(QColor colour, qreal opacity)
{
    colour.setAlphaF(colour.alphaF() * opacity);
    return colour;
}

QColor label(const QPalette &palette)
{
    return palette.color(QPalette::WindowText);
}

QColor secondaryLabel(const QPalette &palette)
{
    return withOpacity(label(palette), 0.55);
}

QColor accent(const QPalette &palette)
{
    return palette.color(QPalette::Highlight);
}

QColor windowBackground(const QPalette &palette)
{
    return palette.color(QPalette::Window);
}

QColor systemGreen(const QPalette &palette)
{
    return isDark(palette) ? QColor(0x30, 0xD1, 0x58) : QColor(0x28, 0xA7, 0x45);
}

QColor systemOrange(const QPalette &palette)
{
    return isDark(palette) ? QColor(0xFF, 0x9F, 0x0A) : QColor(0xE8, 0x80, 0x00);
}

}
