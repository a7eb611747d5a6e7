// Horns, crowns, helmets, hats and bands.
#include "figure_parts.h"

namespace figure_parts {

void horn(QPainter& p, const Head& h, int s) {
    const double bx = h.cx + s * (h.hw - 4), by = h.top() + 7;
    QPainterPath c;
    c.moveTo(bx - s * 3, by + 3);
    c.cubicTo(bx + s * 10, by + 2, bx + s * 18, by - 6, bx + s * 17, by - 24);
    c.cubicTo(bx + s * 12, by - 12, bx + s * 6, by - 6, bx - s * 2, by - 4);
    c.closeSubpath();
    QLinearGradient g(bx, by, bx + s * 17, by - 24);
    g.setColorAt(0, QColor(0x9a, 0x8a, 0x70));
    g.setColorAt(1, QColor(0xf4, 0xec, 0xd8));
    p.setPen(ink());
    p.setBrush(g);
    p.drawPath(c);
    p.setPen(QPen(QColor(0x70, 0x60, 0x50), 0.6));
    for (int i = 1; i <= 3; ++i) {
        double t = i / 4.0;
        QPointF a(bx + s * (12 * t), by + 2 - 8 * t * t);
        QPointF b(bx + s * (9 * t - 1), by - 5 - 8 * t);
        p.drawLine(a, b);
    }
}

void crownShape(QPainter& p, const Figure& f, const Head& h, bool spiked) {
    const double cx = h.cx, base = h.top() + 8, w = h.hw + 1.5;
    QPainterPath c;
    c.moveTo(cx - w, base);
    int points = spiked ? 5 : 3;
    double height = spiked ? 17 : 11;
    c.lineTo(cx - w, base - 5);
    for (int i = 0; i <= points * 2; ++i) {
        double x = cx - w + 2 * w * i / (points * 2);
        double y = i % 2 == 0 ? base - height - (i == points ? 3 : 0) : base - 5.5;
        c.lineTo(x, y);
    }
    c.lineTo(cx + w, base - 5);
    c.lineTo(cx + w, base);
    c.closeSubpath();
    QLinearGradient g(cx - w, base - height, cx + w, base);
    QColor metal = spiked ? f.hatColour : pal::kGold;
    g.setColorAt(0, metal.lighter(150));
    g.setColorAt(1, metal.darker(125));
    p.setPen(ink());
    p.setBrush(g);
    p.drawPath(c);
    p.setPen(QPen(spiked ? pal::kGold : pal::kGoldDark, 0.9));
    p.drawLine(QPointF(cx - w + 0.5, base - 3), QPointF(cx + w - 0.5, base - 3));
    p.setPen(ink(pal::kFine));
    p.setBrush(f.hatColour2);
    p.drawEllipse(QPointF(cx, base - 7.5), 2.2, 2.2);
    for (int s : {-1, 1}) p.drawEllipse(QPointF(cx + s * w * 0.6, base - 3), 1.3, 1.3);
    if (!spiked) {
        p.setBrush(Qt::white);
        for (int i = 0; i <= points * 2; i += 2) {
            double x = cx - w + 2 * w * i / (points * 2);
            p.drawEllipse(QPointF(x, base - height - (i == points ? 3 : 0)), 1.1, 1.1);
        }
    }
}

QPainterPath dome(const Head& h, double bottom, double grow) {
    QPainterPath d;
    d.moveTo(h.cx - h.hw - grow, bottom);
    d.cubicTo(h.cx - h.hw - grow, h.top() - 6 - grow, h.cx + h.hw + grow, h.top() - 6 - grow, h.cx + h.hw + grow,
              bottom);
    d.closeSubpath();
    return d;
}

void headgear(QPainter& p, const Figure& f, const Head& h) {
    const double cx = h.cx, top = h.top();
    switch (f.hat) {
        case Hat::None:
            return;
        case Hat::Horns:
            horn(p, h, -1);
            horn(p, h, 1);
            return;
        case Hat::Crown:
            crownShape(p, f, h, false);
            return;
        case Hat::CrownSpiked:
            crownShape(p, f, h, true);
            return;
        case Hat::Circlet: {
            QPainterPath band;
            band.moveTo(cx - h.hw - 0.5, h.cy - 9);
            band.quadTo(cx, h.cy - 15, cx + h.hw + 0.5, h.cy - 9);
            p.setPen(QPen(pal::kInk, 3.0, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(band);
            p.setPen(QPen(f.hatColour, 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(band);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.hatColour2);
            QPainterPath gem;
            gem.moveTo(cx, h.cy - 16);
            gem.lineTo(cx + 2.6, h.cy - 12.5);
            gem.lineTo(cx, h.cy - 9);
            gem.lineTo(cx - 2.6, h.cy - 12.5);
            gem.closeSubpath();
            p.drawPath(gem);
            return;
        }
        case Hat::Tiara: {
            QPainterPath t;
            t.moveTo(cx - 8, top + 5);
            t.lineTo(cx - 5, top - 1);
            t.lineTo(cx - 2.5, top + 2);
            t.lineTo(cx, top - 4);
            t.lineTo(cx + 2.5, top + 2);
            t.lineTo(cx + 5, top - 1);
            t.lineTo(cx + 8, top + 5);
            t.quadTo(cx, top + 2.5, cx - 8, top + 5);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.hatColour);
            p.drawPath(t);
            p.setBrush(f.hatColour2);
            p.drawEllipse(QPointF(cx, top + 1), 1.5, 1.5);
            return;
        }
        case Hat::ScholarCap: {
            // A dark official's cap with a raised back and a gold band.
            QPainterPath back;
            back.addRoundedRect(QRectF(cx - 8, top - 13, 16, 14), 3, 3);
            metalFill(p, back, f.hatColour);
            QPainterPath cap = dome(h, h.cy - 9, 1.5);
            metalFill(p, cap, f.hatColour);
            p.setPen(QPen(f.hatColour2, 1.6));
            p.drawLine(QPointF(cx - h.hw - 0.5, h.cy - 11), QPointF(cx + h.hw + 0.5, h.cy - 11));
            // Stiff wings at the sides.
            p.setPen(ink(pal::kFine));
            p.setBrush(f.hatColour);
            for (int s : {-1, 1}) {
                p.drawRoundedRect(QRectF(s < 0 ? cx - h.hw - 12 : cx + h.hw + 1, top - 2, 11, 3.2), 1.5, 1.5);
            }
            return;
        }
        case Hat::KettleHelmet: {
            QPainterPath d = dome(h, h.cy - 8, 1.5);
            metalFill(p, d, f.hatColour);
            QPainterPath brim;
            brim.addEllipse(QPointF(cx, h.cy - 8.5), h.hw + 9, 4.2);
            metalFill(p, brim, f.hatColour.darker(110));
            p.setPen(QPen(f.hatColour2, 1.4));
            p.setBrush(Qt::NoBrush);
            QPainterPath band;
            band.moveTo(cx - h.hw - 1, h.cy - 11.5);
            band.quadTo(cx, h.cy - 13.5, cx + h.hw + 1, h.cy - 11.5);
            p.drawPath(band);
            // Chin strap.
            p.setPen(QPen(QColor(0x5a, 0x3a, 0x22), 1.2));
            for (int s : {-1, 1})
                p.drawLine(QPointF(cx + s * (h.hw - 1.5), h.cy - 6), QPointF(cx + s * 6, h.chin() - 1.5));
            return;
        }
        case Hat::PlumedHelmet:
        case Hat::HornedHelmet: {
            if (f.hat == Hat::PlumedHelmet) {
                QPainterPath plume;
                plume.moveTo(cx - 2, top - 4);
                plume.cubicTo(cx + 6, top - 18, cx + 26, top - 16, cx + 30, top + 6);
                plume.cubicTo(cx + 22, top - 6, cx + 10, top - 6, cx + 3, top - 1);
                plume.closeSubpath();
                fillShaded(p, plume, f.hatColour2);
            } else {
                for (int s : {-1, 1}) {
                    QPainterPath hn;
                    double bx = cx + s * (h.hw - 2), by = h.cy - 12;
                    hn.moveTo(bx, by);
                    hn.cubicTo(bx + s * 10, by - 2, bx + s * 14, by - 10, bx + s * 12, by - 20);
                    hn.cubicTo(bx + s * 8, by - 12, bx + s * 4, by - 8, bx - s * 1, by - 6);
                    hn.closeSubpath();
                    QLinearGradient g(bx, by, bx + s * 12, by - 20);
                    g.setColorAt(0, QColor(0xb0, 0xa0, 0x80));
                    g.setColorAt(1, QColor(0xfa, 0xf4, 0xe4));
                    p.setPen(ink());
                    p.setBrush(g);
                    p.drawPath(hn);
                }
            }
            QPainterPath d = dome(h, h.cy - 6, 1.8);
            // Cheek guards.
            for (int s : {-1, 1}) {
                QPainterPath g;
                double x0 = cx + s * (h.hw + 1.8);
                g.moveTo(x0, h.cy - 8);
                g.lineTo(x0, h.cy + 8);
                g.quadTo(x0 - s * 4, h.cy + 11, x0 - s * 6, h.cy + 7);
                g.lineTo(x0 - s * 4.5, h.cy - 6);
                g.closeSubpath();
                d = d.united(g);
            }
            metalFill(p, d, f.hatColour);
            p.setPen(QPen(f.trim, 1.5));
            p.drawLine(QPointF(cx, top - 5), QPointF(cx, h.cy - 7));
            p.setBrush(Qt::NoBrush);
            QPainterPath rim;
            rim.moveTo(cx - h.hw - 1.5, h.cy - 7);
            rim.quadTo(cx, h.cy - 10, cx + h.hw + 1.5, h.cy - 7);
            p.drawPath(rim);
            return;
        }
        case Hat::NasalHelmet: {
            QPainterPath d;
            d.moveTo(cx - h.hw - 2, h.cy - 6);
            d.cubicTo(cx - h.hw - 1, top - 2, cx - 6, top - 9, cx, top - 11);
            d.cubicTo(cx + 6, top - 9, cx + h.hw + 1, top - 2, cx + h.hw + 2, h.cy - 6);
            d.closeSubpath();
            QPainterPath guard;
            guard.addRoundedRect(QRectF(cx - 1.8, h.cy - 8, 3.6, 14), 1.2, 1.2);
            metalFill(p, d.united(guard), f.hatColour);
            p.setPen(QPen(f.hatColour2, 2.0));
            p.setBrush(Qt::NoBrush);
            QPainterPath band;
            band.moveTo(cx - h.hw - 1.5, h.cy - 8);
            band.quadTo(cx, h.cy - 11, cx + h.hw + 1.5, h.cy - 8);
            p.drawPath(band);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x40, 0x40, 0x48));
            for (int i = -3; i <= 3; ++i)
                p.drawEllipse(QPointF(cx + i * 4, h.cy - 8.8 - (3 - std::abs(i)) * 0.35), 0.7, 0.7);
            return;
        }
        case Hat::Bandana:
        case Hat::Headband: {
            bool full = f.hat == Hat::Bandana;
            if (full) {
                QPainterPath cap = dome(h, h.cy - 9, 1.2);
                fillShaded(p, cap, f.hatColour);
            }
            QPainterPath band;
            band.moveTo(cx - h.hw - 1, h.cy - 6.5);
            band.quadTo(cx, h.cy - 11.5, cx + h.hw + 1, h.cy - 6.5);
            band.lineTo(cx + h.hw + 1, h.cy - 11);
            band.quadTo(cx, h.cy - 16, cx - h.hw - 1, h.cy - 11);
            band.closeSubpath();
            fillShaded(p, band, full ? f.hatColour.darker(115) : f.hatColour, pal::kFine);
            // Knot and tails at the side.
            QPainterPath tails;
            double kx = cx + h.hw + 1, ky = h.cy - 9;
            tails.moveTo(kx, ky);
            tails.cubicTo(kx + 6, ky + 2, kx + 8, ky + 8, kx + 7, ky + 14);
            tails.lineTo(kx + 4, ky + 12);
            tails.cubicTo(kx + 4, ky + 7, kx + 2, ky + 4, kx, ky + 2);
            tails.closeSubpath();
            fillShaded(p, tails, f.hatColour, pal::kFine);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.hatColour.darker(110));
            p.drawEllipse(QPointF(kx, ky), 2.4, 2.4);
            if (full) {
                p.setPen(Qt::NoPen);
                p.setBrush(f.hatColour2);
                for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(cx - 9 + i * 4.5, top + 4 + (i % 2) * 2), 1, 1);
            }
            return;
        }
        case Hat::Kerchief: {
            QPainterPath k;
            k.moveTo(cx - h.hw - 3, h.cy + 6);
            k.cubicTo(cx - h.hw - 4, top - 8, cx + h.hw + 4, top - 8, cx + h.hw + 3, h.cy + 6);
            k.lineTo(cx + h.hw - 0.5, h.cy + 6);
            k.cubicTo(cx + h.hw - 1, h.cy - 8, cx + 6, h.cy - 11, cx, h.cy - 11);
            k.cubicTo(cx - 6, h.cy - 11, cx - h.hw + 1, h.cy - 8, cx - h.hw + 0.5, h.cy + 6);
            k.closeSubpath();
            fillShaded(p, k, f.hatColour);
            p.setPen(Qt::NoPen);
            p.setBrush(f.hatColour2);
            for (int i = 0; i < 6; ++i)
                p.drawEllipse(QPointF(cx - 12 + i * 4.8, top + 1 + std::abs(i - 2.5) * 1.6), 1.0, 1.0);
            // The knot under the chin.
            QPainterPath knot;
            knot.moveTo(cx - h.hw + 0.5, h.cy + 6);
            knot.quadTo(cx - 6, h.chin() + 1, cx - 2, h.chin() + 4);
            knot.lineTo(cx - 6, h.chin() + 9);
            knot.lineTo(cx - 1, h.chin() + 7);
            knot.lineTo(cx + 1, h.chin() + 3);
            knot.quadTo(cx - 4, h.chin() - 2, cx - h.hw + 3.5, h.cy + 6);
            knot.closeSubpath();
            fillShaded(p, knot, f.hatColour, pal::kFine);
            return;
        }
        case Hat::Beret: {
            QPainterPath b;
            b.addEllipse(QPointF(cx + 3, top + 2), h.hw + 5, 7.5);
            fillShaded(p, b, f.hatColour);
            p.setPen(QPen(f.hatColour.darker(130), 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(cx - h.hw - 1, top + 1, 2 * h.hw + 6, 8), 190 * 16, 160 * 16);
            // A long feather sweeping back.
            QPainterPath fe;
            fe.moveTo(cx + 10, top + 1);
            fe.cubicTo(cx + 20, top - 8, cx + 30, top - 12, cx + 36, top - 10);
            fe.cubicTo(cx + 28, top - 6, cx + 20, top - 2, cx + 12, top + 3);
            fe.closeSubpath();
            fillShaded(p, fe, f.hatColour2, pal::kFine);
            p.setPen(QPen(f.hatColour2.darker(140), 0.6));
            p.drawLine(QPointF(cx + 11, top + 2), QPointF(cx + 34, top - 10));
            return;
        }
        case Hat::GuideHat: {
            // The guide's wide travelling hat: a broad tilted brim, a tall bent
            // crown, a gold band and a red feather. Nobody else wears one.
            QPainterPath crownPart;
            crownPart.moveTo(cx - 12, top + 5);
            crownPart.cubicTo(cx - 11, top - 8, cx - 4, top - 18, cx + 6, top - 21);
            crownPart.quadTo(cx + 12, top - 22, cx + 13, top - 16);
            crownPart.quadTo(cx + 8, top - 16, cx + 6, top - 12);
            crownPart.cubicTo(cx + 9, top - 6, cx + 12, top - 1, cx + 13, top + 5);
            crownPart.closeSubpath();
            fillShaded(p, crownPart, f.hatColour);
            QPainterPath band;
            band.moveTo(cx - 12.5, top + 4);
            band.lineTo(cx + 13, top + 4);
            band.lineTo(cx + 12, top - 1);
            band.lineTo(cx - 11.5, top - 1);
            band.closeSubpath();
            fillShaded(p, band, f.hatColour2, pal::kFine);
            QPainterPath brim;
            brim.moveTo(cx - 30, top + 10);
            brim.cubicTo(cx - 24, top + 1, cx + 24, top + 1, cx + 31, top + 6);
            brim.cubicTo(cx + 26, top + 12, cx - 20, top + 15, cx - 30, top + 10);
            brim.closeSubpath();
            fillShaded(p, brim, f.hatColour.lighter(110));
            QPainterPath fe;
            fe.moveTo(cx + 9, top + 1);
            fe.cubicTo(cx + 16, top - 10, cx + 22, top - 16, cx + 27, top - 18);
            fe.cubicTo(cx + 24, top - 10, cx + 18, top - 3, cx + 11, top + 3);
            fe.closeSubpath();
            fillShaded(p, fe, pal::kCrimson, pal::kFine);
            p.setPen(QPen(pal::kCrimsonDark, 0.6));
            p.drawLine(QPointF(cx + 10, top + 2), QPointF(cx + 26, top - 17));
            return;
        }
        case Hat::Ribbon: {
            p.setPen(ink(pal::kFine));
            p.setBrush(f.hatColour);
            double x = cx - 9, y = top + 3;
            QPainterPath bow;
            bow.moveTo(x, y);
            bow.lineTo(x - 8, y - 5);
            bow.lineTo(x - 7, y + 5);
            bow.closeSubpath();
            bow.moveTo(x, y);
            bow.lineTo(x + 7, y - 7);
            bow.lineTo(x + 8, y + 3);
            bow.closeSubpath();
            fillShaded(p, bow, f.hatColour, pal::kFine);
            p.setBrush(f.hatColour.darker(115));
            p.drawEllipse(QPointF(x, y), 2, 2);
            return;
        }
    }
}

}  // namespace figure_parts
