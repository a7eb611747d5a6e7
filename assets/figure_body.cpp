// The backdrop, neck, clothes and frame of a figure.
#include "figure_parts.h"

namespace figure_parts {

void backdrop(QPainter& p, const Figure& f) {
    p.fillRect(QRectF(0, 0, 85, 100), VGradient(0, 100, f.bgTop, f.bgBottom));
    if (f.glow.alpha() > 0) {
        QRadialGradient g(QPointF(kCx, 40), 44);
        g.setColorAt(0, f.glow);
        g.setColorAt(1, WithAlpha(f.glow, 0));
        p.fillRect(QRectF(0, 0, 85, 100), g);
    }
    // Faint diagonal rays give every backdrop the same storybook texture.
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 14), 3));
    for (int i = -6; i < 12; ++i) p.drawLine(QPointF(i * 12, 0), QPointF(i * 12 + 60, 100));
    p.restore();
}

QPainterPath torsoPath(double shoulderTop = 73) {
    QPainterPath t;
    t.moveTo(kCx - 8, shoulderTop - 1);
    t.cubicTo(kCx - 20, shoulderTop, kCx - 33, shoulderTop + 4, kCx - 37, shoulderTop + 15);
    t.lineTo(kCx - 40, 101);
    t.lineTo(kCx + 40, 101);
    t.lineTo(kCx + 37, shoulderTop + 15);
    t.cubicTo(kCx + 33, shoulderTop + 4, kCx + 20, shoulderTop, kCx + 8, shoulderTop - 1);
    t.closeSubpath();
    return t;
}

void neck(QPainter& p, const Figure& f, const Head& h) {
    QPainterPath n;
    n.addRect(QRectF(h.cx - 5.8, h.chin() - 8, 11.6, 78 - h.chin() + 8));
    p.setPen(ink());
    p.setBrush(f.skin);
    p.drawPath(n);
    // Shadow under the chin.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x60, 0x30, 0x30, 60));
    p.drawRect(QRectF(h.cx - 5.2, h.chin() - 1, 10.4, 4));
}

void vCollar(QPainter& p, const QColor& c, double depth) {
    QPainterPath l, r;
    l.moveTo(kCx - 8, 72);
    l.lineTo(kCx - 12, 78);
    l.lineTo(kCx, 72 + depth);
    l.closeSubpath();
    r.moveTo(kCx + 8, 72);
    r.lineTo(kCx + 12, 78);
    r.lineTo(kCx, 72 + depth);
    r.closeSubpath();
    p.setPen(ink(pal::kFine));
    p.setBrush(c);
    p.drawPath(l);
    p.drawPath(r);
}

void pauldron(QPainter& p, double x, const Figure& f) {
    QPainterPath s;
    s.addEllipse(QPointF(x, 86), 13, 10);
    QRadialGradient g(QPointF(x - 4, 81), 14);
    g.setColorAt(0, f.cloth.lighter(150));
    g.setColorAt(1, f.cloth.darker(130));
    p.setPen(ink());
    p.setBrush(g);
    p.drawPath(s);
    p.setPen(QPen(f.trim, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(x - 11, 78, 22, 16), 20 * 16, 140 * 16);
}

void outfit(QPainter& p, const Figure& f) {
    const QPainterPath torso = torsoPath();
    switch (f.outfit) {
        case Outfit::Cape: {
            fillShaded(p, torso, f.cloth2);
            // Breastplate and gem under the cape.
            QPainterPath plate;
            plate.moveTo(kCx - 13, 76);
            plate.quadTo(kCx, 72, kCx + 13, 76);
            plate.lineTo(kCx + 10, 101);
            plate.lineTo(kCx - 10, 101);
            plate.closeSubpath();
            fillShaded(p, plate, Mix(f.cloth2, pal::kSteelDark, 0.5), pal::kFine);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.trim);
            p.drawEllipse(QPointF(kCx, 86), 3.5, 4.2);
            p.setBrush(QColor(0xff, 0x50, 0x40));
            p.drawEllipse(QPointF(kCx, 86), 1.8, 2.3);
            // The cape falls from the shoulders, red lining showing at the front.
            for (int s : {-1, 1}) {
                QPainterPath c;
                c.moveTo(kCx + s * 10, 72);
                c.cubicTo(kCx + s * 24, 72, kCx + s * 36, 78, kCx + s * 40, 90);
                c.lineTo(kCx + s * 42, 101);
                c.lineTo(kCx + s * 22, 101);
                c.cubicTo(kCx + s * 20, 90, kCx + s * 16, 80, kCx + s * 10, 72);
                c.closeSubpath();
                fillShaded(p, c, f.cloth);
                QPainterPath lining;
                lining.moveTo(kCx + s * 22, 101);
                lining.cubicTo(kCx + s * 20, 90, kCx + s * 16, 80, kCx + s * 10, 72);
                lining.cubicTo(kCx + s * 18, 82, kCx + s * 25, 92, kCx + s * 26, 101);
                lining.closeSubpath();
                p.setBrush(f.trim == pal::kGold ? pal::kCrimson : f.trim);
                p.drawPath(lining);
            }
            break;
        }
        case Outfit::Robe: {
            fillShaded(p, torso, f.cloth);
            for (int s : {-1, 1}) {
                QPainterPath band;
                band.moveTo(kCx + s * 9, 72);
                band.lineTo(kCx + s * 15, 74);
                band.lineTo(kCx - s * 6, 101);
                band.lineTo(kCx - s * 13, 101);
                band.closeSubpath();
                p.setPen(ink(pal::kFine));
                p.setBrush(f.cloth2);
                p.drawPath(band);
            }
            p.setPen(QPen(f.trim, 1));
            p.drawLine(QPointF(kCx - 13, 101), QPointF(kCx + 9, 72.5));
            break;
        }
        case Outfit::Dress: {
            fillShaded(p, torso, f.cloth);
            QPainterPath neckline;
            neckline.moveTo(kCx - 12, 74);
            neckline.cubicTo(kCx - 10, 84, kCx + 10, 84, kCx + 12, 74);
            neckline.closeSubpath();
            p.setPen(ink(pal::kFine));
            p.setBrush(f.skin);
            p.drawPath(neckline);
            for (int s : {-1, 1}) {
                QPainterPath puff;
                puff.addEllipse(QPointF(kCx + s * 29, 84), 11, 9);
                fillShaded(p, puff, f.cloth.lighter(112), pal::kFine);
                p.setPen(QPen(f.cloth2, 1.4));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(kCx + s * 29 - 10, 77, 20, 15), 200 * 16, 140 * 16);
            }
            // Lace edge and a bow.
            p.setPen(QPen(f.cloth2, 1.6));
            p.setBrush(Qt::NoBrush);
            QPainterPath lace;
            lace.moveTo(kCx - 12, 74);
            lace.cubicTo(kCx - 10, 84, kCx + 10, 84, kCx + 12, 74);
            p.drawPath(lace);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.trim);
            QPainterPath bow;
            bow.moveTo(kCx, 86);
            bow.lineTo(kCx - 6, 82);
            bow.lineTo(kCx - 6, 90);
            bow.closeSubpath();
            bow.moveTo(kCx, 86);
            bow.lineTo(kCx + 6, 82);
            bow.lineTo(kCx + 6, 90);
            bow.closeSubpath();
            p.drawPath(bow);
            p.drawEllipse(QPointF(kCx, 86), 1.6, 1.6);
            break;
        }
        case Outfit::Armour: {
            fillShaded(p, torso, f.cloth2);
            QPainterPath plate;
            plate.moveTo(kCx - 17, 77);
            plate.quadTo(kCx, 73, kCx + 17, 77);
            plate.lineTo(kCx + 15, 101);
            plate.lineTo(kCx - 15, 101);
            plate.closeSubpath();
            QLinearGradient g(kCx - 17, 75, kCx + 17, 101);
            g.setColorAt(0, f.cloth.lighter(160));
            g.setColorAt(0.5, f.cloth);
            g.setColorAt(1, f.cloth.darker(140));
            p.setPen(ink());
            p.setBrush(g);
            p.drawPath(plate);
            p.setPen(QPen(f.trim, 1.2));
            p.drawLine(QPointF(kCx, 75), QPointF(kCx, 101));
            p.setPen(QPen(f.trim, 1.6));
            p.setBrush(Qt::NoBrush);
            QPainterPath rim;
            rim.moveTo(kCx - 16, 78);
            rim.quadTo(kCx, 74, kCx + 16, 78);
            p.drawPath(rim);
            // Gorget around the neck.
            p.setPen(ink(pal::kFine));
            p.setBrush(f.cloth.darker(115));
            p.drawRoundedRect(QRectF(kCx - 9, 70, 18, 6), 2, 2);
            pauldron(p, kCx - 28, f);
            pauldron(p, kCx + 28, f);
            break;
        }
        case Outfit::Royal: {
            fillShaded(p, torso, f.cloth);
            // Ermine mantle across the shoulders.
            QPainterPath mantle;
            mantle.moveTo(kCx - 9, 72);
            mantle.cubicTo(kCx - 22, 73, kCx - 33, 77, kCx - 37, 88);
            mantle.cubicTo(kCx - 25, 86, kCx - 12, 84, kCx, 86);
            mantle.cubicTo(kCx + 12, 84, kCx + 25, 86, kCx + 37, 88);
            mantle.cubicTo(kCx + 33, 77, kCx + 22, 73, kCx + 9, 72);
            mantle.closeSubpath();
            p.setPen(ink());
            p.setBrush(QColor(0xfa, 0xf6, 0xec));
            p.drawPath(mantle);
            p.setPen(Qt::NoPen);
            p.setBrush(pal::kInk);
            for (int i = 0; i < 9; ++i) {
                double x = kCx - 30 + i * 7.5;
                double y = 79 + 3 * std::sin(i * 1.3);
                p.drawRect(QRectF(x, y, 1.1, 2.2));
            }
            // Chain of office.
            p.setPen(QPen(f.trim, 1.6, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            QPainterPath chain;
            chain.moveTo(kCx - 14, 84);
            chain.quadTo(kCx, 98, kCx + 14, 84);
            p.drawPath(chain);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.trim);
            p.drawEllipse(QPointF(kCx, 93), 3.6, 3.6);
            p.setBrush(f.cloth2);
            p.drawEllipse(QPointF(kCx, 93), 1.6, 1.6);
            break;
        }
        case Outfit::Uniform: {
            fillShaded(p, torso, f.cloth);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.cloth.darker(120));
            p.drawRoundedRect(QRectF(kCx - 10, 70, 20, 6), 2, 2);  // stand collar
            // Cross strap and buttons.
            QPainterPath strap;
            strap.moveTo(kCx - 22, 75);
            strap.lineTo(kCx - 16, 74);
            strap.lineTo(kCx + 24, 101);
            strap.lineTo(kCx + 16, 101);
            strap.closeSubpath();
            p.setBrush(QColor(0x6a, 0x46, 0x26));
            p.drawPath(strap);
            p.setBrush(f.trim);
            for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(kCx - 3, 81 + i * 6), 1.2, 1.2);
            // Unit badge on the chest.
            p.setBrush(f.cloth2);
            p.drawRoundedRect(QRectF(kCx - 19, 84, 8, 9), 1.5, 1.5);
            p.setPen(QPen(f.trim, 1));
            p.drawLine(QPointF(kCx - 17.5, 88.5), QPointF(kCx - 12.5, 88.5));
            p.drawLine(QPointF(kCx - 15, 86), QPointF(kCx - 15, 91));
            break;
        }
        case Outfit::Tunic: {
            fillShaded(p, torso, f.cloth);
            QPainterPath neckline;
            neckline.moveTo(kCx - 9, 73);
            neckline.quadTo(kCx, 82, kCx + 9, 73);
            p.setPen(QPen(f.cloth2, 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(neckline);
            p.setPen(QPen(f.trim, 1));
            p.drawLine(QPointF(kCx - 38, 95), QPointF(kCx + 38, 95));
            break;
        }
        case Outfit::Apron: {
            fillShaded(p, torso, f.cloth2);
            QPainterPath apron;
            apron.moveTo(kCx - 15, 82);
            apron.lineTo(kCx + 15, 82);
            apron.lineTo(kCx + 17, 101);
            apron.lineTo(kCx - 17, 101);
            apron.closeSubpath();
            fillShaded(p, apron, f.cloth, pal::kFine);
            p.setPen(QPen(f.cloth.darker(130), 2.2));
            p.drawLine(QPointF(kCx - 13, 83), QPointF(kCx - 9, 72));
            p.drawLine(QPointF(kCx + 13, 83), QPointF(kCx + 9, 72));
            vCollar(p, f.cloth2.lighter(108), 9);
            break;
        }
        case Outfit::Coat: {
            fillShaded(p, torso, f.cloth);
            QPainterPath shirt;
            shirt.moveTo(kCx - 8, 72);
            shirt.lineTo(kCx + 8, 72);
            shirt.lineTo(kCx + 4, 101);
            shirt.lineTo(kCx - 4, 101);
            shirt.closeSubpath();
            p.setPen(ink(pal::kFine));
            p.setBrush(f.cloth2);
            p.drawPath(shirt);
            p.setBrush(f.trim);
            QPainterPath tie;
            tie.moveTo(kCx - 2, 75);
            tie.lineTo(kCx + 2, 75);
            tie.lineTo(kCx + 3, 90);
            tie.lineTo(kCx, 94);
            tie.lineTo(kCx - 3, 90);
            tie.closeSubpath();
            p.drawPath(tie);
            for (int s : {-1, 1}) {
                QPainterPath lapel;
                lapel.moveTo(kCx + s * 8, 72);
                lapel.lineTo(kCx + s * 14, 76);
                lapel.lineTo(kCx + s * 9, 82);
                lapel.lineTo(kCx + s * 4, 101);
                lapel.lineTo(kCx + s * 3, 101);
                lapel.closeSubpath();
                p.setBrush(f.cloth.darker(108));
                p.drawPath(lapel);
            }
            break;
        }
        case Outfit::Sweater: {
            fillShaded(p, torso, f.cloth);
            vCollar(p, f.cloth2, 8);
            p.setPen(QPen(f.cloth.darker(125), 3));
            p.setBrush(Qt::NoBrush);
            QPainterPath rib;
            rib.moveTo(kCx - 10, 72.5);
            rib.quadTo(kCx, 80, kCx + 10, 72.5);
            p.drawPath(rib);
            break;
        }
        case Outfit::Shirt: {
            fillShaded(p, torso, f.cloth);
            vCollar(p, f.cloth.lighter(115), 10);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.cloth2);
            for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(kCx, 86 + i * 6), 1, 1);
            break;
        }
    }
}

// A cape's standing collar rises behind the head.

void highCollar(QPainter& p, const Figure& f) {
    for (int s : {-1, 1}) {
        QPainterPath c;
        c.moveTo(kCx + s * 8, 74);
        c.cubicTo(kCx + s * 20, 64, kCx + s * 30, 50, kCx + s * 34, 36);
        c.cubicTo(kCx + s * 30, 52, kCx + s * 26, 66, kCx + s * 22, 78);
        c.closeSubpath();
        fillShaded(p, c, f.cloth);
        QPainterPath inner;
        inner.moveTo(kCx + s * 10, 73);
        inner.cubicTo(kCx + s * 20, 64, kCx + s * 28, 52, kCx + s * 32, 40);
        inner.cubicTo(kCx + s * 26, 56, kCx + s * 20, 66, kCx + s * 14, 75);
        inner.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(pal::kCrimson);
        p.drawPath(inner);
    }
}

void frameAndLight(QPainter& p, const Figure& f) {
    if (!f.backdrop) return;
    // One soft light for the whole bust, from the upper left.
    QRadialGradient light(QPointF(18, 14), 110);
    light.setColorAt(0, QColor(255, 250, 235, 30));
    light.setColorAt(0.5, QColor(255, 250, 235, 0));
    light.setColorAt(0.8, QColor(10, 6, 20, 0));
    light.setColorAt(1, QColor(10, 6, 20, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawRect(QRectF(0, 0, 85, 100));
    if (!f.frame) return;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::kInk, 1));
    p.drawRect(QRectF(0.5, 0.5, 84, 99));
    p.setPen(QPen(WithAlpha(pal::kGold, 200), 1));
    p.drawRect(QRectF(1.5, 1.5, 82, 97));
}

}  // namespace figure_parts
