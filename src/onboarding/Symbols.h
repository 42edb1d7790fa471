#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// Small drawn stand-ins for the system symbols the guide's drawings and the windows use.
namespace Symbols {

enum class Symbol { systemLogo, wifi, battery, clock, arrowUp, checkmarkCircle, eye, eyeSlashed };

// Draws the symbol centred in a square of `size` around `centre`.
void draw(QPainter &painter, Symbol symbol, QPointF centre, qreal size, const QColor &colour);

}
