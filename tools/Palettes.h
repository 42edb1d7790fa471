#pragma once

#include <QApplication>
#include <QPalette>

// A light and a dark palette, to render windows in both appearances.
namespace Palettes {

inline QPalette light()
{
    QPalette palette(QColor(0xEC, 0xEC, 0xEC), QColor(0xEC, 0xEC, 0xEC));
    palette.setColor(QPalette::WindowText, QColor(0x1D, 0x1D, 0x1F));
    palette.setColor(QPalette::Text, QColor(0x1D, 0x1D, 0x1F));
    palette.setColor(QPalette::ButtonText, QColor(0x1D, 0x1D, 0x1F));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x0A, 0x84, 0xFF));
    palette.setColor(QPalette::Link, QColor(0x0A, 0x66, 0xD6));
    return palette;
}

inline QPalette dark()
{
    QPalette palette(QColor(0x32, 0x32, 0x34), QColor(0x2A, 0x2A, 0x2C));
    palette.setColor(QPalette::WindowText, QColor(0xF2, 0xF2, 0xF7));
    palette.setColor(QPalette::Text, QColor(0xF2, 0xF2, 0xF7));
    palette.setColor(QPalette::ButtonText, QColor(0xF2, 0xF2, 0xF7));
    palette.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x20));
    palette.setColor(QPalette::Button, QColor(0x48, 0x48, 0x4A));
    palette.setColor(QPalette::Highlight, QColor(0x0A, 0x84, 0xFF));
    palette.setColor(QPalette::Link, QColor(0x41, 0x9C, 0xFF));
    palette.setColor(QPalette::PlaceholderText, QColor(0x8E, 0x8E, 0x93));
    return palette;
}

// Runs `draw` once per appearance ("light", "dark") with the application palette set to it.
template<typename Draw>
void forEachAppearance(Draw draw)
{
    for (const auto &[name, palette] : {std::pair{QStringLiteral("light"), light()}, std::pair{QStringLiteral("dark"), dark()}}) {
        QApplication::setPalette(palette);
        draw(name);
    }
    QApplication::setPalette(light());
}

}
