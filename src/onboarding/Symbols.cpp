#include "Symbols.h"

#include <QPainter>
#include <QPainterPath>

namespace Symbols {

void draw(QPainter &painter, Symbol symbol, QPointF centre, qreal size, const QColor &colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    const qreal s = size;
    const qreal line = std::max<qreal>(1.0, s * 0.11);
    QPen pen(colour, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (symbol) {
    case Symbol::systemLogo:
        // A neutral mark: a filled ring, no vendor's logo.
    {
        QPainterPath ring;
        ring.setFillRule(Qt::OddEvenFill);
        ring.addEllipse(QPointF(0, 0), s * 0.42, s * 0.42);
        ring.addEllipse(QPointF(0, 0), s * 0.16, s * 0.16);
        painter.fillPath(ring, colour);
        break;
    }
    case Symbol::wifi: {
        painter.setPen(pen);
        for (const qreal radius : {s * 0.18, s * 0.36, s * 0.54})
            painter.drawArc(QRectF(-radius, s * 0.35 - radius, radius * 2, radius * 2), 45 * 16, 90 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(0, s * 0.32), line * 0.9, line * 0.9);
        break;
    }
    case Symbol::battery: {
        const QRectF body(-s * 0.55, -s * 0.27, s * 1.0, s * 0.54);
        painter.setPen(QPen(colour, line * 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(body, s * 0.12, s * 0.12);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const qreal inset = line * 1.4;
        const QRectF charge = body.adjusted(inset, inset, -inset, -inset);
        painter.drawRoundedRect(QRectF(charge.topLeft(), QSizeF(charge.width() * 0.75, charge.height())), 1, 1);
        painter.drawRoundedRect(QRectF(body.right() + line * 0.6, -s * 0.1, s * 0.08, s * 0.2), 1, 1);
        break;
    }
    case Symbol::clock:
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0, 0), s * 0.45, s * 0.45);
        painter.drawLine(QPointF(0, 0), QPointF(0, -s * 0.28));
        painter.drawLine(QPointF(0, 0), QPointF(s * 0.2, 0));
        break;
    case Symbol::arrowUp:
        painter.setPen(pen);
        painter.drawLine(QPointF(0, s * 0.45), QPointF(0, -s * 0.42));
        painter.drawLine(QPointF(-s * 0.32, -s * 0.1), QPointF(0, -s * 0.42));
        painter.drawLine(QPointF(s * 0.32, -s * 0.1), QPointF(0, -s * 0.42));
        break;
    case Symbol::checkmarkCircle: {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(0, 0), s * 0.46, s * 0.46);
        QPainterPath check;
        check.moveTo(-s * 0.2, 0);
        check.lineTo(-s * 0.05, s * 0.15);
        check.lineTo(s * 0.22, -s * 0.15);
        painter.setPen(QPen(Qt::white, s * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(check);
        break;
    }
    case Symbol::eye:
    case Symbol::eyeSlashed: {
        QPainterPath lids;
        lids.moveTo(-s * 0.45, 0);
        lids.quadTo(0, -s * 0.42, s * 0.45, 0);
        lids.quadTo(0, s * 0.42, -s * 0.45, 0);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(lids);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(0, 0), s * 0.12, s * 0.12);
        if (symbol == Symbol::eyeSlashed) {
            painter.setPen(pen);
            painter.drawLine(QPointF(-s * 0.38, s * 0.38), QPointF(s * 0.38, -s * 0.38));
        }
        break;
    }
    }
    painter.restore();
}

}
