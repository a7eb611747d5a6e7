#pragma once
// The parts DrawFigure assembles a figure from, each in the 85 x 100 box of a
// portrait. Shared only by the figure painter's own files.
#include "figures.h"
#include "paint_util.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace figure_parts {
inline constexpr double kCx = 42.5;

// Where the parts of a head lie, worked out once from the figure's proportions.
struct Head {
    double cx = kCx, cy = 47, hw, hh;
    double top() const { return cy - hh; }
    double chin() const { return cy + hh; }
    double eyeY() const { return cy + 1.5; }
    double eyeDx() const { return 6.3 * hw / 14.5; }
    double mouthY() const { return cy + 11.5 * hh / 17.5; }
};

inline Head headOf(const Figure& f) {
    Head h;
    h.hw = 14.5 * f.headWidth;
    h.hh = 17.5 * f.headHeight;
    return h;
}

inline QPen ink(double w = pal::kLine) {
    return QPen(pal::kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

inline QPainterPath headPath(const Head& h, double jaw) {
    QPainterPath p;
    const double cx = h.cx, cy = h.cy, hw = h.hw, hh = h.hh;
    const double chinW = hw * (0.28 + 0.4 * jaw);
    p.moveTo(cx, cy - hh);
    p.cubicTo(cx + hw * 0.58, cy - hh, cx + hw, cy - hh * 0.58, cx + hw, cy - hh * 0.05);
    p.cubicTo(cx + hw, cy + hh * 0.45, cx + chinW + hw * 0.25, cy + hh * 0.88, cx + chinW * 0.4, cy + hh);
    p.quadTo(cx, cy + hh * 1.03, cx - chinW * 0.4, cy + hh);
    p.cubicTo(cx - chinW - hw * 0.25, cy + hh * 0.88, cx - hw, cy + hh * 0.45, cx - hw, cy - hh * 0.05);
    p.cubicTo(cx - hw, cy - hh * 0.58, cx - hw * 0.58, cy - hh, cx, cy - hh);
    p.closeSubpath();
    return p;
}

inline void fillShaded(QPainter& p, const QPainterPath& path, const QColor& c, double w = pal::kLine) {
    QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, c.lighter(118));
    g.setColorAt(1, c.darker(122));
    p.setPen(ink(w));
    p.setBrush(g);
    p.drawPath(path);
}

inline void metalFill(QPainter& p, const QPainterPath& path, const QColor& c) {
    QRectF b = path.boundingRect();
    QLinearGradient g(b.left(), b.top(), b.right(), b.bottom());
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(0.45, c);
    g.setColorAt(1, c.darker(150));
    p.setPen(ink());
    p.setBrush(g);
    p.drawPath(path);
}

inline QPainterPath ellipse(QPointF c, double rx, double ry) {
    QPainterPath e;
    e.addEllipse(c, rx, ry);
    return e;
}

// Body and frame (figure_body.cpp).
void backdrop(QPainter& p, const Figure& f);
void highCollar(QPainter& p, const Figure& f);
void neck(QPainter& p, const Figure& f, const Head& h);
void outfit(QPainter& p, const Figure& f);
void frameAndLight(QPainter& p, const Figure& f);
// Hair (figure_hair.cpp).
void hairBack(QPainter& p, const Figure& f, const Head& h);
void hairLocks(QPainter& p, const Figure& f, const Head& h);
void hairFront(QPainter& p, const Figure& f, const Head& h);
// Face (figure_face.cpp).
void ears(QPainter& p, const Figure& f, const Head& h);
void headWithLight(QPainter& p, const Figure& f, const Head& h, const QPainterPath& headShape);
void faceMarks(QPainter& p, const Figure& f, const Head& h);
void eyesAndBrows(QPainter& p, const Figure& f, const Head& h);
void nose(QPainter& p, const Figure& f, const Head& h);
void mouth(QPainter& p, const Figure& f, const Head& h);
void beard(QPainter& p, const Figure& f, const Head& h, const QPainterPath& headShape);
void accessories(QPainter& p, const Figure& f, const Head& h);
// Headgear (figure_headgear.cpp).
void headgear(QPainter& p, const Figure& f, const Head& h);
// What the figure holds (figure_props.cpp).
void propBehind(QPainter& p, const Figure& f);
void propFront(QPainter& p, const Figure& f);
}  // namespace figure_parts
