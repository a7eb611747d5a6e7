#include "look/suits.h"

#include "look/palette.h"

namespace {
// All shapes are drawn in a unit box (0..1 wide, 0..1 high) and then mapped.
QPainterPath heartUnit() {
    QPainterPath h;
    h.moveTo(0.5, 0.26);
    h.cubicTo(0.42, 0.02, 0.02, 0.0, 0.02, 0.32);
    h.cubicTo(0.02, 0.58, 0.3, 0.72, 0.5, 1.0);
    h.cubicTo(0.7, 0.72, 0.98, 0.58, 0.98, 0.32);
    h.cubicTo(0.98, 0.0, 0.58, 0.02, 0.5, 0.26);
    h.closeSubpath();
    return h;
}

QPainterPath stemUnit(double top) {
    QPainterPath s;
    s.moveTo(0.5, top);
    s.cubicTo(0.5, 0.86, 0.4, 0.96, 0.24, 1.0);
    s.lineTo(0.76, 1.0);
    s.cubicTo(0.6, 0.96, 0.5, 0.86, 0.5, top);
    s.closeSubpath();
    return s;
}

QPainterPath spadeUnit() {
    QPainterPath s;
    s.moveTo(0.5, 0.0);
    s.cubicTo(0.62, 0.2, 0.98, 0.36, 0.98, 0.6);
    s.cubicTo(0.98, 0.82, 0.72, 0.88, 0.54, 0.72);
    s.lineTo(0.46, 0.72);
    s.cubicTo(0.28, 0.88, 0.02, 0.82, 0.02, 0.6);
    s.cubicTo(0.02, 0.36, 0.38, 0.2, 0.5, 0.0);
    s.closeSubpath();
    return s.united(stemUnit(0.6));
}

QPainterPath clubUnit() {
    QPainterPath c;
    const double r = 0.235;
    c.addEllipse(QPointF(0.5, 0.255), r, r);
    c.addEllipse(QPointF(0.245, 0.58), r, r);
    c.addEllipse(QPointF(0.755, 0.58), r, r);
    c.addRect(QRectF(0.38, 0.34, 0.24, 0.3));
    c.setFillRule(Qt::WindingFill);
    return c.simplified().united(stemUnit(0.55));
}

QPainterPath diamondUnit() {
    QPainterPath d;
    d.moveTo(0.5, 0.0);
    d.quadTo(0.68, 0.28, 0.92, 0.5);
    d.quadTo(0.68, 0.72, 0.5, 1.0);
    d.quadTo(0.32, 0.72, 0.08, 0.5);
    d.quadTo(0.32, 0.28, 0.5, 0.0);
    d.closeSubpath();
    return d;
}

const QPainterPath& unitPath(Suit suit) {
    static const QPainterPath paths[4] = {spadeUnit(), clubUnit(), heartUnit(), diamondUnit()};
    return paths[static_cast<int>(suit)];
}
}  // namespace

QPainterPath SuitPath(Suit suit, const QRectF& box) {
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    return t.map(unitPath(suit));
}

QColor SuitColour(Suit suit) {
    return suit == Suit::Heart || suit == Suit::Diamond ? look::kCardRed : look::kCardBlack;
}
