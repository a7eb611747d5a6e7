// Hair: behind the head, over the shoulders and over the brow.
#include "figure_parts.h"

namespace figure_parts {

// The part of the hair that lies behind the head and over the shoulders.
void hairBack(QPainter& p, const Figure& f, const Head& h) {
    QPainterPath back;
    const double cx = h.cx, cy = h.cy, hw = h.hw;
    switch (f.hair) {
        case Hair::Long:
        case Hair::Wavy: {
            back.moveTo(cx - hw - 2, cy - 8);
            double sway = f.hair == Hair::Wavy ? 3 : 0;
            back.cubicTo(cx - hw - 7, cy + 10, cx - hw - 6 - sway, cy + 25, cx - hw - 8, 90);
            back.quadTo(cx - hw + 2, 94 + sway, cx - hw + 6, 88);
            back.lineTo(cx + hw - 6, 88);
            back.quadTo(cx + hw - 2, 94 + sway, cx + hw + 8, 90);
            back.cubicTo(cx + hw + 6 + sway, cy + 25, cx + hw + 7, cy + 10, cx + hw + 2, cy - 8);
            back.closeSubpath();
            break;
        }
        case Hair::Bob:
            back.moveTo(cx - hw - 3, cy - 6);
            back.cubicTo(cx - hw - 5, cy + 8, cx - hw - 4, cy + 15, cx - hw - 1, cy + 18);
            back.lineTo(cx + hw + 1, cy + 18);
            back.cubicTo(cx + hw + 4, cy + 15, cx + hw + 5, cy + 8, cx + hw + 3, cy - 6);
            back.closeSubpath();
            break;
        case Hair::Ponytail:
            back.moveTo(cx + hw - 4, cy - 10);
            back.cubicTo(cx + hw + 12, cy - 12, cx + hw + 14, cy + 14, cx + hw + 8, cy + 30);
            back.cubicTo(cx + hw + 6, cy + 14, cx + hw + 2, cy, cx + hw - 4, cy - 4);
            back.closeSubpath();
            break;
        case Hair::Twintails:
            for (int s : {-1, 1}) {
                QPainterPath t;
                t.moveTo(cx + s * (hw - 2), cy - 12);
                t.cubicTo(cx + s * (hw + 14), cy - 14, cx + s * (hw + 15), cy + 14, cx + s * (hw + 9), cy + 36);
                t.cubicTo(cx + s * (hw + 6), cy + 16, cx + s * (hw + 3), cy, cx + s * (hw - 1), cy - 4);
                t.closeSubpath();
                back.addPath(t);
            }
            break;
        case Hair::Bun:
            back = ellipse(QPointF(cx, h.top() - 3), 7.5, 6.5);
            break;
        default:
            return;
    }
    fillShaded(p, back, f.hairColour);
}

// The hair over the scalp and forehead; `fringeY` is where the fringe ends.
void hairFront(QPainter& p, const Figure& f, const Head& h) {
    const double cx = h.cx, cy = h.cy, hw = h.hw, top = h.top();
    QPainterPath scalp = ellipse(QPointF(cx, cy - 3), hw + 1.8, h.hh + 1.2);
    QPainterPath cut;  // the region the hair covers, intersected with the scalp
    auto poly = [](std::initializer_list<QPointF> pts) {
        QPainterPath r;
        auto it = pts.begin();
        r.moveTo(*it);
        for (++it; it != pts.end(); ++it) r.lineTo(*it);
        r.closeSubpath();
        return r;
    };
    const double fy = cy - 8;  // fringe line
    switch (f.hair) {
        case Hair::None:
            return;
        case Hair::Short:
            cut = poly({{cx - hw - 4, cy + 4},
                        {cx - hw + 1, cy + 2},
                        {cx - hw + 3, fy},
                        {cx - 7, fy - 1},
                        {cx - 4, fy + 2},
                        {cx, fy - 2},
                        {cx + 4, fy + 1.5},
                        {cx + 8, fy - 2},
                        {cx + hw - 2, fy + 1},
                        {cx + hw - 1, cy + 2},
                        {cx + hw + 4, cy + 4},
                        {cx + hw + 4, 0},
                        {cx - hw - 4, 0}});
            break;
        case Hair::Spiky: {
            cut = poly({{cx - hw - 4, cy + 3},
                        {cx - hw + 1, cy},
                        {cx - hw + 2, fy - 1},
                        {cx - 8, fy + 3},
                        {cx - 5, fy - 3},
                        {cx - 1, fy + 3},
                        {cx + 2, fy - 3},
                        {cx + 6, fy + 3},
                        {cx + 9, fy - 2},
                        {cx + hw - 1, fy + 2},
                        {cx + hw, cy},
                        {cx + hw + 4, cy + 3},
                        {cx + hw + 4, 0},
                        {cx - hw - 4, 0}});
            // Spikes standing out of the scalp.
            QPainterPath spikes;
            for (int i = 0; i < 7; ++i) {
                double a = (-150 + i * 20) * M_PI / 180;
                double bx = cx + (hw + 1) * std::cos(a), by = cy - 3 + (h.hh + 1) * std::sin(a);
                double tx = cx + (hw + 9) * std::cos(a - 0.12), ty = cy - 3 + (h.hh + 9) * std::sin(a - 0.12);
                double a2 = a + 0.35;
                spikes.addPath(poly({{bx, by},
                                     {tx, ty},
                                     {cx + (hw + 1) * std::cos(a2), cy - 3 + (h.hh + 1) * std::sin(a2)},
                                     {cx, cy}}));
            }
            scalp = scalp.united(spikes);
            break;
        }
        case Hair::Long:
        case Hair::Wavy:
            cut = poly({{cx - hw - 4, cy + 12},
                        {cx - hw + 1, cy + 10},
                        {cx - hw + 3, fy + 2},
                        {cx - 6, fy - 2},
                        {cx - 1, top + 6},
                        {cx + 2, fy - 4},
                        {cx + 9, fy},
                        {cx + hw - 2, fy + 4},
                        {cx + hw - 1, cy + 10},
                        {cx + hw + 4, cy + 12},
                        {cx + hw + 4, 0},
                        {cx - hw - 4, 0}});
            break;
        case Hair::Bob:
        case Hair::Twintails:
            cut = poly({{cx - hw - 4, cy + 10},
                        {cx - hw + 1.5, cy + 9},
                        {cx - hw + 2.5, fy + 1},
                        {cx + hw - 2.5, fy + 1},
                        {cx + hw - 1.5, cy + 9},
                        {cx + hw + 4, cy + 10},
                        {cx + hw + 4, 0},
                        {cx - hw - 4, 0}});
            break;
        case Hair::Bun:
        case Hair::Slick:
        case Hair::Ponytail:
            cut = poly({{cx - hw - 4, cy + 3},
                        {cx - hw + 1, cy + 1},
                        {cx - hw + 3, fy - 3},
                        {cx - 4, top + 5},
                        {cx + 5, top + 4.5},
                        {cx + hw - 3, fy - 3},
                        {cx + hw - 1, cy + 1},
                        {cx + hw + 4, cy + 3},
                        {cx + hw + 4, 0},
                        {cx - hw - 4, 0}});
            break;
        case Hair::Curly: {
            QPainterPath curls;
            for (int i = 0; i < 11; ++i) {
                double a = (-190 + i * 20) * M_PI / 180;
                curls.addEllipse(QPointF(cx + (hw + 1) * std::cos(a), cy - 4 + (h.hh + 1) * std::sin(a)), 4.6, 4.6);
            }
            curls.setFillRule(Qt::WindingFill);
            scalp = scalp.united(curls.simplified());
            cut = poly({{cx - hw - 8, cy + 4},
                        {cx - hw + 2, cy},
                        {cx - 6, fy},
                        {cx, fy - 2},
                        {cx + 6, fy},
                        {cx + hw - 2, cy},
                        {cx + hw + 8, cy + 4},
                        {cx + hw + 8, 0},
                        {cx - hw - 8, 0}});
            break;
        }
        case Hair::SidesOnly: {
            QPainterPath sides;
            sides.addEllipse(QPointF(cx - hw + 0.5, cy - 2), 3.5, 7);
            sides.addEllipse(QPointF(cx + hw - 0.5, cy - 2), 3.5, 7);
            fillShaded(p, sides, f.hairColour);
            return;
        }
    }
    QPainterPath hair = scalp.intersected(cut);
    fillShaded(p, hair, f.hairColour);
    // A sheen line following the crown.
    p.save();
    p.setClipPath(hair);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - hw + 2, top + 2, hw * 2 - 4, h.hh), 100 * 16, 60 * 16);
    p.restore();
    if (f.hair == Hair::Slick) {
        p.setPen(QPen(f.hairColour.darker(150), 0.8));
        p.drawLine(QPointF(cx - 5, top + 1), QPointF(cx - 3, fy - 5));
    }
}

void hairLocks(QPainter& p, const Figure& f, const Head& h) {
    // Long hair falls over the shoulders, in front of the clothes.
    if (f.hair != Hair::Long && f.hair != Hair::Wavy) return;
    QPainterPath locks;
    for (int s : {-1, 1}) {
        locks.moveTo(h.cx + s * (h.hw + 1), h.cy);
        locks.cubicTo(h.cx + s * (h.hw + 4), h.cy + 18, h.cx + s * (h.hw + 2), 80, h.cx + s * (h.hw - 2), 92);
        locks.lineTo(h.cx + s * (h.hw - 7), 84);
        locks.cubicTo(h.cx + s * (h.hw - 4), 76, h.cx + s * (h.hw - 3), h.cy + 14, h.cx + s * (h.hw - 2), h.cy);
        locks.closeSubpath();
    }
    fillShaded(p, locks, f.hairColour);
}

}  // namespace figure_parts
