// "fData" 1..12: the prologue picture, 500 x 300. The demon city and its castle
// at night rise out of the dark; frame 12 stays as the backdrop under the white
// scrolling story text, so the picture is kept dark and quiet in the middle.
#include "buildings.h"
#include "paint_util.h"
#include "palette.h"
#include "scene_kit.h"
#include "scenes.h"

#include <QRadialGradient>
#include <cmath>

namespace {
constexpr int kW = 500, kH = 300;

void bat(QPainter& p, QPointF at, double size) {
    QPainterPath b;
    b.moveTo(at);
    b.quadTo(at + QPointF(-size * 0.5, -size * 0.5), at + QPointF(-size, -size * 0.1));
    b.quadTo(at + QPointF(-size * 0.6, 0), at + QPointF(-size * 0.45, size * 0.15));
    b.quadTo(at + QPointF(-size * 0.2, 0), at + QPointF(0, size * 0.25));
    b.quadTo(at + QPointF(size * 0.2, 0), at + QPointF(size * 0.45, size * 0.15));
    b.quadTo(at + QPointF(size * 0.6, 0), at + QPointF(size, -size * 0.1));
    b.quadTo(at + QPointF(size * 0.5, -size * 0.5), at);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x08, 0x04, 0x0c));
    p.drawPath(b);
}

void city(QPainter& p, double y, int seed, const QColor& colour, double windowAlpha) {
    for (int i = 0; i < 34; ++i) {
        double x = i * 16 - 10 + Hash01(seed, i) * 8;
        double w = 14 + Hash01(seed, i, 2) * 10, h = 14 + Hash01(seed, i, 3) * 26;
        QPainterPath house;
        house.addRect(QRectF(x, y - h, w, h + 40));
        if (Hash01(seed, i, 4) < 0.5) {  // pointed roofs and the odd spire
            QPainterPath roof;
            roof.moveTo(x - 1, y - h);
            roof.lineTo(x + w / 2, y - h - 8 - 14 * Hash01(seed, i, 5));
            roof.lineTo(x + w + 1, y - h);
            roof.closeSubpath();
            house = house.united(roof);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(house);
        for (int k = 0; k < 2; ++k) {
            if (Hash01(seed, i, 10 + k) < 0.55) continue;
            QPointF win(x + 3 + k * (w - 8), y - h + 6 + 8 * Hash01(seed, i, 12 + k));
            p.setBrush(QColor(0xff, 0xa0, 0x50, static_cast<int>(255 * windowAlpha)));
            p.drawRect(QRectF(win, QSizeF(3, 4)));
        }
    }
}

QImage picture() {
    QImage img = Canvas(kW, kH, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    DrawSky(p, QRectF(0, 0, kW, kH), QColor(0x0a, 0x04, 0x16), QColor(0x4a, 0x10, 0x22), 120, 19);
    DrawMoon(p, QPointF(436, 58), 26, QColor(0xd8, 0x3c, 0x2c));
    for (int i = 0; i < 5; ++i)
        bat(p, QPointF(380 + i * 17 + 10 * Hash01(i, 4), 40 + 30 * Hash01(i, 5)), 5 + 3 * Hash01(i, 6));
    DrawRidge(p, kW, 190, 16, 2, QBrush(QColor(0x22, 0x0a, 0x1c)), 120);
    // The cliff and the castle of the Demon King.
    QPainterPath cliff;
    cliff.moveTo(150, 300);
    cliff.cubicTo(170, 230, 190, 214, 250, 210);
    cliff.cubicTo(310, 214, 330, 230, 350, 300);
    cliff.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x16, 0x08, 0x14));
    p.drawPath(cliff);
    DrawOldCastle(p, QPointF(250, 214), 150, QColor(0x3a, 0x32, 0x48), QColor(0x4a, 0x1a, 0x3a), true);
    // Fog lying over the city.
    for (int i = 0; i < 6; ++i)
        DrawCloud(p, QPointF(40 + i * 90, 236 + 8 * Hash01(i, 9)), 60, QColor(0x60, 0x30, 0x50, 70), i);
    city(p, 262, 4, QColor(0x12, 0x06, 0x10), 0.9);
    city(p, 290, 9, QColor(0x08, 0x02, 0x08), 0.8);
    // Keep the middle dim for the white story text.
    QRadialGradient calm(QPointF(kW / 2.0, kH / 2.0), 230);
    calm.setColorAt(0, QColor(0, 0, 0, 110));
    calm.setColorAt(1, QColor(0, 0, 0, 30));
    p.fillRect(QRectF(0, 0, kW, kH), calm);
    Vignette(p, QRectF(0, 0, kW, kH), Qt::black, 0.7);
    p.end();
    return img;
}
}  // namespace

std::vector<QImage> PrologueFrames() {
    const QImage full = picture();
    std::vector<QImage> frames;
    for (int n = 1; n <= 12; ++n) {
        // Out of the dark, with the view settling down a little as it comes.
        double t = n / 12.0;
        QImage moved = Zoomed(full, 1.0 + 0.06 * (1 - t), QPointF(kW / 2.0, kH * 0.35));
        frames.push_back(Dimmed(moved, std::pow(t, 1.3)));
    }
    return frames;
}
