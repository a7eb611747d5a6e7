// The face: ears, skin and light, eyes, nose, mouth, beard and marks.
#include "figure_parts.h"

namespace figure_parts {

void ears(QPainter& p, const Figure& f, const Head& h) {
    for (int s : {-1, 1}) {
        QPainterPath e;
        double x = h.cx + s * (h.hw - 0.5), y = h.eyeY() + 1;
        if (f.pointyEars) {
            e.moveTo(x, y - 4);
            e.quadTo(x + s * 7, y - 7, x + s * 10, y - 10);
            e.quadTo(x + s * 6, y + 2, x, y + 5);
            e.closeSubpath();
        } else {
            e.addEllipse(QPointF(x + s * 1.2, y), 3.2, 4.8);
        }
        p.setPen(ink());
        p.setBrush(f.skin.darker(106));
        p.drawPath(e);
        if (f.earrings) {
            p.setBrush(pal::kGold);
            p.setPen(ink(pal::kFine));
            p.drawEllipse(QPointF(x + s * 1.2, y + 6), 1.5, 1.5);
        }
    }
}

void oneEye(QPainter& p, const Figure& f, double ex, double ey, int side) {
    const QColor lid = pal::kInk;
    double rx = f.feminine ? 3.6 : 3.3, ry = f.feminine ? 3.3 : 2.7;
    switch (f.eyes) {
        case Eyes::Closed: {
            p.setPen(QPen(lid, 1.1, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            QPainterPath c;
            c.moveTo(ex - 3.2, ey);
            c.quadTo(ex, ey + 2.2, ex + 3.2, ey);
            p.drawPath(c);
            return;
        }
        case Eyes::Happy: {
            p.setPen(QPen(lid, 1.2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            QPainterPath c;
            c.moveTo(ex - 3.2, ey + 1);
            c.quadTo(ex, ey - 2.6, ex + 3.2, ey + 1);
            p.drawPath(c);
            return;
        }
        case Eyes::Old: {
            p.setPen(QPen(lid, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(ex - 2.8, ey - 0.4), QPointF(ex + 2.8, ey - 0.4));
            p.setPen(Qt::NoPen);
            p.setBrush(f.eyeColour.darker(140));
            p.drawEllipse(QPointF(ex, ey + 0.5), 1.1, 1.0);
            p.setPen(QPen(QColor(0x80, 0x50, 0x40, 150), 0.6));
            p.drawLine(QPointF(ex - 2.2, ey + 2.6), QPointF(ex + 2, ey + 2.8));
            return;
        }
        default:
            break;
    }
    if (f.eyes == Eyes::Narrow) ry = 1.5;
    // The white of the eye, shaped by the lids.
    QPainterPath white;
    double inner = ex - side * rx, outer = ex + side * rx;
    double tiltIn = f.eyes == Eyes::Fierce ? 1.3 : f.eyes == Eyes::Gentle ? -0.4 : 0;
    double tiltOut = f.eyes == Eyes::Gentle ? 1.0 : f.eyes == Eyes::Fierce ? -0.6 : 0;
    white.moveTo(inner, ey + tiltIn * 0.3);
    white.cubicTo(inner + side * rx * 0.3, ey - ry + tiltIn, outer - side * rx * 0.4, ey - ry + tiltOut, outer,
                  ey + tiltOut * 0.5);
    white.cubicTo(outer - side * rx * 0.3, ey + ry * 0.9, inner + side * rx * 0.4, ey + ry * 0.9, inner,
                  ey + tiltIn * 0.3);
    white.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(f.eyes == Eyes::Glow ? QColor(0xff, 0xe0, 0x60) : QColor(0xff, 0xfd, 0xf8));
    p.drawPath(white);
    p.save();
    p.setClipPath(white);
    if (f.eyes == Eyes::Glow) {
        p.setBrush(QColor(0xe0, 0x20, 0x10));
        p.drawEllipse(QPointF(ex, ey), 2.6, 2.6);
        p.setBrush(pal::kInk);
        p.drawEllipse(QPointF(ex, ey), 0.6, 2.4);  // slit pupil
    } else {
        double ir = f.feminine ? 2.5 : 2.1;
        QRadialGradient iris(QPointF(ex, ey + 0.8), ir);
        iris.setColorAt(0, f.eyeColour.lighter(150));
        iris.setColorAt(1, f.eyeColour.darker(120));
        p.setBrush(iris);
        p.drawEllipse(QPointF(ex, ey + 0.2), ir, ir + 0.2);
        p.setBrush(pal::kInk);
        p.drawEllipse(QPointF(ex, ey + 0.2), ir * 0.45, ir * 0.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(ex - 0.8, ey - 0.8), 0.7, 0.7);
    }
    p.restore();
    // Upper lid line, heavier than the rest.
    QPainterPath upper;
    upper.moveTo(inner, ey + tiltIn * 0.3);
    upper.cubicTo(inner + side * rx * 0.3, ey - ry + tiltIn, outer - side * rx * 0.4, ey - ry + tiltOut, outer,
                  ey + tiltOut * 0.5);
    p.setPen(QPen(lid, f.feminine ? 1.5 : 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(upper);
    if (f.feminine) {  // a lash flick at the outer corner
        p.drawLine(QPointF(outer, ey + tiltOut * 0.5), QPointF(outer + side * 1.5, ey - 1.5));
    }
}

void eyesAndBrows(QPainter& p, const Figure& f, const Head& h) {
    const double ey = h.eyeY(), dx = h.eyeDx();
    for (int s : {-1, 1}) {
        double ex = h.cx + s * dx;
        if (f.eyepatch && s == 1) continue;
        oneEye(p, f, ex, ey, s);
    }
    if (f.eyes == Eyes::Glow) {
        for (int s : {-1, 1}) {
            QRadialGradient g(QPointF(h.cx + s * dx, ey), 6);
            g.setColorAt(0, QColor(255, 80, 40, 110));
            g.setColorAt(1, QColor(255, 80, 40, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(QPointF(h.cx + s * dx, ey), 6, 6);
        }
    }
    // Brows: `browTilt` lowers the inner ends for a frown.
    double tilt = f.browTilt + (f.eyes == Eyes::Fierce || f.eyes == Eyes::Glow ? 1.2 : 0);
    QColor browColour = f.hair == Hair::None ? f.skin.darker(160) : f.hairColour.darker(125);
    if (f.beard == Beard::LongWhite) browColour = QColor(0xe8, 0xe6, 0xe0);
    p.setPen(QPen(browColour, f.feminine ? 1.0 : 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int s : {-1, 1}) {
        double ex = h.cx + s * dx;
        QPainterPath b;
        b.moveTo(ex - s * 3.2, ey - 5.2 + tilt);
        b.quadTo(ex, ey - 6.6, ex + s * 3.5, ey - 5.0 - tilt * 0.3);
        p.drawPath(b);
    }
    if (f.browTilt > 0.8 || f.eyes == Eyes::Fierce) {  // a crease between frowning brows
        p.setPen(QPen(QColor(0x80, 0x40, 0x30, 120), 0.6));
        p.drawLine(QPointF(h.cx - 0.6, ey - 5), QPointF(h.cx - 0.3, ey - 2.8));
    }
}

void nose(QPainter& p, const Figure& f, const Head& h) {
    const double y = h.cy + 6.5;
    p.setPen(QPen(f.skin.darker(150), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (f.feminine) {
        p.drawLine(QPointF(h.cx + 0.3, y + 2), QPointF(h.cx + 1.0, y + 2.6));
        return;
    }
    QPainterPath n;
    n.moveTo(h.cx + 0.8, y - 3);
    n.lineTo(h.cx + 1.8, y + 2.4);
    n.quadTo(h.cx + 0.5, y + 3.4, h.cx - 1.2, y + 2.8);
    p.drawPath(n);
}

void mouth(QPainter& p, const Figure& f, const Head& h) {
    const double x = h.cx, y = h.mouthY();
    const QColor lipInk = pal::kInk;
    p.setBrush(Qt::NoBrush);
    auto openShape = [&](double w, double depth, bool fangs) {
        QPainterPath m;
        m.moveTo(x - w, y - 0.5);
        m.quadTo(x, y + 1, x + w, y - 0.5);
        m.quadTo(x, y + depth, x - w, y - 0.5);
        m.closeSubpath();
        p.setPen(QPen(lipInk, 0.9));
        p.setBrush(QColor(0x8a, 0x22, 0x2a));
        p.drawPath(m);
        p.save();
        p.setClipPath(m);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(x - w, y - 1, w * 2, 1.9));
        p.setBrush(QColor(0xe0, 0x60, 0x70));
        p.drawEllipse(QPointF(x, y + depth * 0.7), w * 0.5, depth * 0.35);
        p.restore();
        if (fangs) {
            p.setPen(QPen(lipInk, 0.5));
            p.setBrush(Qt::white);
            for (int s : {-1, 1}) {
                QPainterPath t;
                t.moveTo(x + s * (w - 2.6), y + 0.3);
                t.lineTo(x + s * (w - 1.0), y + 0.1);
                t.lineTo(x + s * (w - 1.9), y + 3.4);
                t.closeSubpath();
                p.drawPath(t);
            }
        }
    };
    QPainterPath m;
    switch (f.mouth) {
        case Mouth::Smile:
            m.moveTo(x - 4, y - 0.6);
            m.quadTo(x, y + 2.6, x + 4, y - 0.6);
            p.setPen(QPen(lipInk, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(m);
            break;
        case Mouth::Grin:
            openShape(4.6, 5.2, false);
            break;
        case Mouth::Fangs:
            openShape(5.0, 5.0, true);
            break;
        case Mouth::Frown:
            m.moveTo(x - 3.8, y + 1);
            m.quadTo(x, y - 1.6, x + 3.8, y + 1);
            p.setPen(QPen(lipInk, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(m);
            break;
        case Mouth::Flat:
            p.setPen(QPen(lipInk, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x - 3.4, y), QPointF(x + 3.4, y));
            break;
        case Mouth::Open:
            p.setPen(QPen(lipInk, 0.9));
            p.setBrush(QColor(0x8a, 0x22, 0x2a));
            p.drawEllipse(QPointF(x, y + 0.8), 2.2, 2.6);
            break;
        case Mouth::Smirk:
            m.moveTo(x - 3.6, y + 0.4);
            m.quadTo(x + 1, y + 1.6, x + 4.2, y - 1.8);
            p.setPen(QPen(lipInk, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(m);
            break;
    }
    if (f.feminine && (f.mouth == Mouth::Smile || f.mouth == Mouth::Flat || f.mouth == Mouth::Smirk)) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe0, 0x70, 0x78, 150));
        p.drawEllipse(QPointF(x, y + 1.6), 2.0, 0.9);
    }
}

void beard(QPainter& p, const Figure& f, const Head& h, const QPainterPath& headShape) {
    const double cx = h.cx, y = h.mouthY();
    QColor c = f.beard == Beard::LongWhite ? QColor(0xf0, 0xee, 0xe8) : f.hairColour;
    auto moustache = [&](bool curled) {
        QPainterPath m;
        m.moveTo(cx, y - 3.2);
        m.cubicTo(cx - 3, y - 4.2, cx - 6, y - 2.4, cx - (curled ? 8 : 6.5), y - (curled ? 4.0 : 0.6));
        if (curled) m.quadTo(cx - 9.5, y - 5.5, cx - 8.5, y - 6.0);
        m.cubicTo(cx - 6, y - 0.2, cx - 3, y - 1.6, cx, y - 1.6);
        m.cubicTo(cx + 3, y - 1.6, cx + 6, y - 0.2, cx + (curled ? 8.5 : 6.5), y - (curled ? 6.0 : 0.6));
        if (curled) m.quadTo(cx + 9.5, y - 5.5, cx + 8, y - 4.0);
        m.cubicTo(cx + 6, y - 2.4, cx + 3, y - 4.2, cx, y - 3.2);
        m.closeSubpath();
        fillShaded(p, m, c, pal::kFine);
    };
    switch (f.beard) {
        case Beard::None:
            return;
        case Beard::Stubble: {
            p.save();
            p.setClipPath(headShape);
            QRadialGradient g(QPointF(cx, h.chin() + 2), h.hw * 0.95);
            g.setColorAt(0, WithAlpha(f.hairColour, 95));
            g.setColorAt(0.7, WithAlpha(f.hairColour, 60));
            g.setColorAt(1, WithAlpha(f.hairColour, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRect(QRectF(cx - h.hw, y - 5, h.hw * 2, h.chin() - y + 8));
            p.restore();
            return;
        }
        case Beard::Moustache:
            moustache(false);
            return;
        case Beard::CurledMoustache:
            moustache(true);
            return;
        case Beard::Goatee: {
            QPainterPath g;
            g.moveTo(cx - 3.5, y + 3);
            g.quadTo(cx, y + 2, cx + 3.5, y + 3);
            g.quadTo(cx + 2.5, h.chin() + 5, cx, h.chin() + 6);
            g.quadTo(cx - 2.5, h.chin() + 5, cx - 3.5, y + 3);
            fillShaded(p, g, c, pal::kFine);
            moustache(false);
            return;
        }
        case Beard::Full:
        case Beard::LongWhite: {
            bool longOne = f.beard == Beard::LongWhite;
            double bottom = longOne ? 92 : h.chin() + 5;
            QPainterPath b;
            b.moveTo(cx - h.hw + 0.5, h.cy + 1);
            b.cubicTo(cx - h.hw + 1, y + 4, cx - 9, bottom - 2, cx, bottom);
            b.cubicTo(cx + 9, bottom - 2, cx + h.hw - 1, y + 4, cx + h.hw - 0.5, h.cy + 1);
            b.cubicTo(cx + h.hw - 3, y + 1, cx + 6, y + 3.5, cx, y + 3.5);
            b.cubicTo(cx - 6, y + 3.5, cx - h.hw + 3, y + 1, cx - h.hw + 0.5, h.cy + 1);
            b.closeSubpath();
            fillShaded(p, b, c);
            p.setPen(QPen(c.darker(130), 0.6));
            for (int i = -2; i <= 2; ++i)
                p.drawLine(QPointF(cx + i * 3.2, y + 5), QPointF(cx + i * 3.6, bottom - 3 - std::abs(i) * 2));
            moustache(false);
            return;
        }
    }
}

void faceMarks(QPainter& p, const Figure& f, const Head& h) {
    if (f.blush) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0x70, 0x70, 80));
        for (int s : {-1, 1}) p.drawEllipse(QPointF(h.cx + s * 8, h.eyeY() + 6), 3.2, 1.8);
    }
    if (f.wrinkles) {
        p.setPen(QPen(f.skin.darker(145), 0.6));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 2; ++i) p.drawArc(QRectF(h.cx - 7, h.eyeY() - 12 + i * 2.2, 14, 5), 30 * 16, 120 * 16);
        for (int s : {-1, 1}) {
            p.drawLine(QPointF(h.cx + s * 4.5, h.cy + 7), QPointF(h.cx + s * 6.5, h.mouthY() + 1));
            p.drawLine(QPointF(h.cx + s * (h.eyeDx() + 4.2), h.eyeY() - 0.5),
                       QPointF(h.cx + s * (h.eyeDx() + 5.8), h.eyeY() + 1.2));
        }
    }
    if (f.scar) {
        p.setPen(QPen(QColor(0xa0, 0x40, 0x40), 1.0, Qt::SolidLine, Qt::RoundCap));
        double x = h.cx - h.eyeDx() - 1;
        p.drawLine(QPointF(x - 2, h.eyeY() - 8), QPointF(x + 3, h.eyeY() + 8));
        p.setPen(QPen(QColor(0xa0, 0x40, 0x40), 0.6));
        for (int i = 0; i < 3; ++i) {
            double t = 0.25 + i * 0.25;
            QPointF c(x - 2 + 5 * t, h.eyeY() - 8 + 16 * t);
            p.drawLine(c + QPointF(-1.5, 0.3), c + QPointF(1.5, -0.3));
        }
    }
    if (f.soot) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x28, 0x28, 90));
        p.drawEllipse(QPointF(h.cx + 8.5, h.eyeY() + 7), 3.5, 2.2);
        p.drawEllipse(QPointF(h.cx - 5, h.top() + 9), 2.5, 1.5);
    }
    if (f.bandage) {
        p.save();
        p.translate(h.cx + 8, h.eyeY() + 6);
        p.rotate(-20);
        p.setPen(ink(pal::kFine));
        p.setBrush(QColor(0xf2, 0xe6, 0xcc));
        p.drawRoundedRect(QRectF(-4.5, -1.6, 9, 3.2), 1.2, 1.2);
        p.rotate(90);
        p.drawRoundedRect(QRectF(-4.5, -1.6, 9, 3.2), 1.2, 1.2);
        p.restore();
    }
}

void headWithLight(QPainter& p, const Figure& f, const Head& h, const QPainterPath& headShape) {
    p.setPen(ink());
    p.setBrush(f.skin);
    p.drawPath(headShape);
    // Light from the upper left: the right cheek falls into shade.
    p.save();
    p.setClipPath(headShape);
    QLinearGradient shade(h.cx - h.hw, 0, h.cx + h.hw, 0);
    shade.setColorAt(0, QColor(255, 255, 255, 40));
    shade.setColorAt(0.55, QColor(255, 255, 255, 0));
    shade.setColorAt(0.75, QColor(0x80, 0x30, 0x30, 0));
    shade.setColorAt(1, QColor(0x80, 0x30, 0x30, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(headShape);
    p.restore();
    p.setPen(ink());
    p.setBrush(Qt::NoBrush);
    p.drawPath(headShape);
}

void accessories(QPainter& p, const Figure& f, const Head& h) {
    if (f.glasses) {
        p.setPen(QPen(pal::kInk, 0.9));
        p.setBrush(QColor(255, 255, 255, 40));
        for (int s : {-1, 1}) p.drawRoundedRect(QRectF(h.cx + s * h.eyeDx() - 4.3, h.eyeY() - 3.3, 8.6, 6.4), 1.8, 1.8);
        p.drawLine(QPointF(h.cx - h.eyeDx() + 4.3, h.eyeY() - 1), QPointF(h.cx + h.eyeDx() - 4.3, h.eyeY() - 1));
        p.setPen(QPen(QColor(255, 255, 255, 160), 0.7));
        for (int s : {-1, 1})
            p.drawLine(QPointF(h.cx + s * h.eyeDx() - 2.5, h.eyeY() - 2.2),
                       QPointF(h.cx + s * h.eyeDx() - 0.8, h.eyeY() - 2.2));
    }
    if (f.eyepatch) {
        double ex = h.cx + h.eyeDx();
        p.setPen(QPen(pal::kInk, 1.0));
        p.drawLine(QPointF(h.cx - h.hw, h.eyeY() - 7), QPointF(h.cx + h.hw, h.eyeY() + 2));
        p.setBrush(QColor(0x20, 0x1a, 0x22));
        p.drawEllipse(QPointF(ex, h.eyeY()), 4, 3.4);
    }
}

}  // namespace figure_parts
