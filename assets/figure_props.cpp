// What a figure holds: spears, fans, books, lutes, tools.
#include "figure_parts.h"

namespace figure_parts {

void fist(QPainter& p, const Figure& f, double x, double y) {
    p.setPen(ink());
    p.setBrush(f.skin);
    p.drawRoundedRect(QRectF(x - 5, y - 4, 10, 8), 3, 3);
    p.setPen(QPen(f.skin.darker(150), 0.6));
    for (int i = 1; i < 3; ++i) p.drawLine(QPointF(x - 5 + i * 3.3, y - 4), QPointF(x - 5 + i * 3.3, y - 1));
}

void propBehind(QPainter& p, const Figure& f) {
    switch (f.prop) {
        case Prop::Sword: {
            p.save();
            p.translate(70, 70);
            p.rotate(-28);
            p.setPen(ink());
            p.setBrush(QColor(0x5a, 0x3a, 0x22));
            p.drawRect(QRectF(-1.8, -30, 3.6, 14));
            p.setBrush(pal::kGold);
            p.drawRoundedRect(QRectF(-8, -17, 16, 3.4), 1.4, 1.4);
            p.drawEllipse(QPointF(0, -31.5), 2.6, 2.6);
            p.restore();
            break;
        }
        case Prop::Hammer: {
            p.save();
            p.translate(66, 76);
            p.rotate(-35);
            p.setPen(ink());
            p.setBrush(QColor(0x8a, 0x5a, 0x30));
            p.drawRect(QRectF(-2, -40, 4, 40));
            metalFill(
                p,
                [] {
                    QPainterPath h;
                    h.addRoundedRect(QRectF(-9, -50, 18, 11), 1.5, 1.5);
                    return h;
                }(),
                pal::kSteelDark);
            p.restore();
            break;
        }
        default:
            break;
    }
}

void propFront(QPainter& p, const Figure& f) {
    switch (f.prop) {
        case Prop::Spear: {
            p.setPen(ink());
            p.setBrush(QColor(0x7a, 0x52, 0x2e));
            p.drawRect(QRectF(72, 14, 4, 88));
            QPainterPath blade;
            blade.moveTo(74, 0);
            blade.cubicTo(79, 6, 80, 12, 77.5, 16);
            blade.lineTo(70.5, 16);
            blade.cubicTo(68, 12, 69, 6, 74, 0);
            blade.closeSubpath();
            metalFill(p, blade, pal::kSteel);
            p.setPen(ink(pal::kFine));
            p.setBrush(pal::kCrimson);
            p.drawRect(QRectF(71, 16, 6, 3));
            fist(p, f, 74, 88);
            break;
        }
        case Prop::Fan: {
            p.save();
            p.translate(66, 92);
            p.rotate(-20);
            for (int i = 0; i < 7; ++i) {
                QPainterPath fe;
                double a = (-60 + i * 20) * M_PI / 180;
                QPointF tip(24 * std::sin(a), -24 * std::cos(a));
                fe.moveTo(0, 0);
                fe.quadTo(tip * 0.6 + QPointF(3, 0), tip);
                fe.quadTo(tip * 0.6 - QPointF(3, 0), QPointF(0, 0));
                p.setPen(ink(pal::kFine));
                p.setBrush(i % 2 ? QColor(0xf4, 0xf0, 0xe4) : QColor(0xe2, 0xda, 0xc6));
                p.drawPath(fe);
            }
            p.restore();
            fist(p, f, 66, 93);
            break;
        }
        case Prop::Book: {
            p.save();
            p.translate(20, 90);
            p.rotate(-8);
            p.setPen(ink());
            p.setBrush(f.trim.darker(150));
            p.drawRoundedRect(QRectF(-12, -10, 24, 18), 1.5, 1.5);
            p.setBrush(QColor(0xf4, 0xec, 0xd4));
            p.drawRect(QRectF(-10.5, -9, 21, 3));
            p.setPen(QPen(f.trim, 1.2));
            p.drawRect(QRectF(-7, -3, 14, 7));
            p.restore();
            fist(p, f, 28, 94);
            break;
        }
        case Prop::Lute: {
            p.save();
            p.translate(58, 90);
            p.rotate(-40);
            p.setPen(ink());
            p.setBrush(QColor(0x6a, 0x40, 0x20));
            p.drawRect(QRectF(-2.2, -34, 4.4, 28));
            p.drawRoundedRect(QRectF(-3.4, -40, 6.8, 7), 1.5, 1.5);
            QPainterPath body;
            body.addEllipse(QPointF(0, 4), 12, 13);
            QRadialGradient g(QPointF(-3, 0), 14);
            g.setColorAt(0, QColor(0xe0, 0xa0, 0x50));
            g.setColorAt(1, QColor(0x9a, 0x5a, 0x22));
            p.setBrush(g);
            p.drawPath(body);
            p.setBrush(QColor(0x3a, 0x22, 0x10));
            p.drawEllipse(QPointF(0, 0), 3.2, 3.2);
            p.setPen(QPen(QColor(0xf0, 0xe8, 0xd0), 0.4));
            for (int i = -1; i <= 1; ++i) p.drawLine(QPointF(i * 0.9, -38), QPointF(i * 0.9, 10));
            p.restore();
            fist(p, f, 44, 96);
            break;
        }
        case Prop::Scissors: {
            p.save();
            p.translate(70, 86);
            p.rotate(-30);
            p.setPen(ink(pal::kFine));
            p.setBrush(pal::kSteel);
            for (int s : {-1, 1}) {
                QPainterPath b;
                b.moveTo(0, 0);
                b.lineTo(s * 2.2, -20);
                b.lineTo(s * 0.4, -20);
                b.lineTo(-s * 1.2, 0);
                b.closeSubpath();
                p.drawPath(b);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(pal::kInk, 2.6));
                p.drawEllipse(QPointF(s * 3.6, 5), 2.8, 3.2);
                p.setPen(QPen(pal::kSteel, 1.4));
                p.drawEllipse(QPointF(s * 3.6, 5), 2.8, 3.2);
                p.setPen(ink(pal::kFine));
                p.setBrush(pal::kSteel);
            }
            p.restore();
            // And a comb in the breast pocket.
            p.setPen(ink(pal::kFine));
            p.setBrush(QColor(0x3a, 0x3a, 0x44));
            p.drawRect(QRectF(20, 83, 9, 3));
            for (int i = 0; i < 5; ++i) p.drawLine(QPointF(20.8 + i * 1.8, 86), QPointF(20.8 + i * 1.8, 88.5));
            break;
        }
        case Prop::SaltBag: {
            QPainterPath bag;
            bag.moveTo(58, 101);
            bag.cubicTo(56, 90, 58, 82, 62, 80);
            bag.lineTo(60, 76);
            bag.lineTo(76, 76);
            bag.lineTo(74, 80);
            bag.cubicTo(79, 82, 81, 90, 79, 101);
            bag.closeSubpath();
            fillShaded(p, bag, QColor(0xe8, 0xdc, 0xb8));
            p.setPen(QPen(QColor(0x8a, 0x6a, 0x3a), 1.4));
            p.drawLine(QPointF(61, 80), QPointF(75, 80));
            // The character for salt on the sack, as a market stall would have it.
            QPainterPath salt = TextPath(QStringLiteral("塩"), pal::Gothic(12, true), QRectF(58, 82, 21, 17));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x2a, 0x4a, 0x8a));
            p.drawPath(salt);
            break;
        }
        case Prop::Cane: {
            p.setPen(ink());
            p.setBrush(QColor(0x7a, 0x50, 0x2a));
            QPainterPath c;
            c.moveTo(70, 101);
            c.lineTo(70, 82);
            c.cubicTo(70, 74, 80, 74, 80, 82);
            c.lineTo(77, 82);
            c.cubicTo(77, 78, 73, 78, 73, 82);
            c.lineTo(73, 101);
            c.closeSubpath();
            p.drawPath(c);
            fist(p, f, 71.5, 90);
            break;
        }
        case Prop::Pen: {
            p.save();
            p.translate(64, 92);
            p.rotate(30);
            p.setPen(ink(pal::kFine));
            p.setBrush(QColor(0x2a, 0x2a, 0x34));
            p.drawRoundedRect(QRectF(-1.6, -16, 3.2, 18), 1, 1);
            p.setBrush(pal::kGold);
            p.drawRect(QRectF(-1.6, -16, 3.2, 3));
            p.restore();
            fist(p, f, 64, 94);
            break;
        }
        case Prop::Camera: {
            p.setPen(ink());
            p.setBrush(QColor(0x30, 0x30, 0x38));
            p.drawRoundedRect(QRectF(48, 84, 26, 17), 2.5, 2.5);
            p.setBrush(QColor(0x50, 0x50, 0x5a));
            p.drawRect(QRectF(52, 81, 8, 4));
            QRadialGradient lens(QPointF(60, 92), 6);
            lens.setColorAt(0, QColor(0x70, 0x90, 0xc0));
            lens.setColorAt(1, QColor(0x10, 0x14, 0x20));
            p.setBrush(lens);
            p.drawEllipse(QPointF(61, 92.5), 6, 6);
            fist(p, f, 44, 94);
            break;
        }
        default:
            break;
    }
}

}  // namespace figure_parts
