// "aData" 1..18: the passage to the new castle, 375 x 258, drawn for the steps
// it is shown at:
//   1        the hero on a hill before the fallen first castle at dusk;
//   5,4,3,2  the Demon King's face rises in the sky (played 5 to 2, held on 2
//            while his parting threat sinks in, then back 3, 4, 5 to 1);
//   6        the hero, resolute, in the rising storm;
//   11..8, 7 the new castle bursts out of the ground (played 11 down to 8), and
//            stands complete under lightning on 7 with the chime;
//   12..18   the march: the view closes in on the new castle's gate, where the
//            last frame names it.
#include "art.h"
#include "buildings.h"
#include "paint_util.h"
#include "palette.h"
#include "scene_kit.h"
#include "scenes.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace {
constexpr int kW = 375, kH = 258;
const QRectF kFull(0, 0, kW, kH);

QImage fallenCastle(double ghost) {
    QImage img = Canvas(kW, kH, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    QLinearGradient sky(0, 0, 0, 190);
    sky.setColorAt(0, QColor(0x2a, 0x1a, 0x4a));
    sky.setColorAt(0.6, QColor(0x9a, 0x40, 0x50));
    sky.setColorAt(1, QColor(0xf0, 0x9a, 0x50));
    p.fillRect(kFull, sky);
    Stars(p, QRectF(0, 0, kW, 80), 30, 61, 0.5);
    if (ghost > 0) {
        // The Demon King's face looms over the ruins.
        Figure king = PortraitFigure(0);
        king.mouth = Mouth::Fangs;
        QImage face = FigureCutout(king, 3);
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        DrawCutout(p, face, QPointF(kW / 2.0 - 105, -34), 210, 0.8 * ghost);
        p.restore();
        QRadialGradient red(QPointF(kW / 2.0, 70), 150);
        red.setColorAt(0, QColor(0xff, 0x20, 0x20, static_cast<int>(60 * ghost)));
        red.setColorAt(1, QColor(0xff, 0x20, 0x20, 0));
        p.fillRect(kFull, red);
    }
    DrawRidge(p, kW, 176, 8, 13, QBrush(QColor(0x4a, 0x2a, 0x3a)), 100);
    DrawOldCastle(p, QPointF(250, 182), 84, QColor(0x5a, 0x50, 0x60), QColor(0x4a, 0x22, 0x3a), false);
    // Smoke from the fallen keep.
    for (int i = 0; i < 5; ++i)
        DrawCloud(p, QPointF(244 + i * 6, 96 - i * 16), 22 + i * 5, QColor(0x30, 0x28, 0x30, 130), 40 + i);
    // The hill the hero stands on.
    QPainterPath hill;
    hill.moveTo(0, kH);
    hill.lineTo(0, 206);
    hill.cubicTo(60, 190, 130, 196, 180, 214);
    hill.cubicTo(240, 236, 320, 232, kW, 226);
    hill.lineTo(kW, kH);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(VGradient(190, kH, QColor(0x2a, 0x30, 0x26), QColor(0x10, 0x12, 0x10)));
    p.drawPath(hill);
    DrawHeroBack(p, QPointF(92, 204), 80, QColor(0x2c, 0x4a, 0x8a));
    Vignette(p, kFull, Qt::black, 0.5);
    p.end();
    return img;
}

QImage heroResolute() {
    QImage img = Canvas(kW, kH, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    p.fillRect(kFull, VGradient(0, kH, QColor(0x1a, 0x16, 0x36), QColor(0x5a, 0x24, 0x3a)));
    // Wind lines racing across the storm.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 26; ++i) {
        double y = Hash01(i, 71) * kH, x = Hash01(i, 72) * kW;
        p.drawLine(QPointF(x, y), QPointF(x - 40 - 30 * Hash01(i, 73), y + 6));
    }
    for (int i = 0; i < 4; ++i)
        DrawCloud(p, QPointF(40 + i * 110, 30 + 20 * Hash01(i, 74)), 60, QColor(0x10, 0x0c, 0x1c, 160), 80 + i);
    Figure hero = HeroFigure();
    DrawCutout(p, FigureCutout(hero, 3), QPointF(150, 6), 250);
    // Light from the lightning on his face.
    QRadialGradient rim(QPointF(170, 60), 140);
    rim.setColorAt(0, QColor(0xc0, 0xd0, 0xff, 50));
    rim.setColorAt(1, QColor(0xc0, 0xd0, 0xff, 0));
    p.fillRect(kFull, rim);
    Vignette(p, kFull, Qt::black, 0.6);
    p.end();
    return img;
}

void lightning(QPainter& p, QPointF from, int seed) {
    QPainterPath bolt;
    bolt.moveTo(from);
    QPointF at = from;
    for (int i = 0; i < 7; ++i) {
        at += QPointF((Hash01(seed, i) - 0.5) * 26, 14 + 6 * Hash01(seed, i, 1));
        bolt.lineTo(at);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc0, 0xa0, 0xff, 90), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bolt);
    p.setPen(QPen(QColor(0xff, 0xf8, 0xff), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bolt);
}

// The new castle `risen` of the way out of the ground (0 buried, 1 standing).
QImage newCastle(double risen, bool storm) {
    QImage img = Canvas(kW, kH, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(0x12, 0x06, 0x1a));
    sky.setColorAt(1, QColor(0x6a, 0x1a, 0x2a));
    p.fillRect(kFull, sky);
    Stars(p, QRectF(0, 0, kW, 70), 24, 63, 0.4);
    QRadialGradient glow(QPointF(187, 170), 160);
    glow.setColorAt(0, QColor(0xff, 0x50, 0x30, static_cast<int>(140 * risen)));
    glow.setColorAt(1, QColor(0xff, 0x50, 0x30, 0));
    p.fillRect(kFull, glow);
    DrawRidge(p, kW, 186, 6, 21, QBrush(QColor(0x3a, 0x16, 0x24)), 80);
    const double ground = 200;
    p.save();
    p.setClipRect(QRectF(0, 0, kW, ground));
    DrawNewCastle(p, QPointF(187, ground + 150 * (1 - risen)), 150, risen > 0.5);
    p.restore();
    p.fillRect(QRectF(0, ground, kW, kH - ground),
               VGradient(ground, kH, QColor(0x30, 0x18, 0x20), QColor(0x10, 0x08, 0x0c)));
    // The ground splits where it comes up; dust rolls out while it moves.
    double crack = risen < 1 ? 1.0 : 0.5;
    p.setPen(QPen(QColor(0xff, 0x70, 0x30, static_cast<int>(200 * crack)), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(187 - 100, ground + 1), QPointF(187 + 100, ground + 1));
    if (risen < 1) {
        for (int i = 0; i < 8; ++i) {
            double x = 187 + (i - 3.5) * 30;
            DrawCloud(p, QPointF(x, ground - 4), 20 + 10 * risen, QColor(0x6a, 0x50, 0x50, 150), 90 + i);
        }
        // Rocks thrown up by the rising walls.
        p.setPen(QPen(pal::kInk, 0.8));
        p.setBrush(QColor(0x4a, 0x3a, 0x3a));
        for (int i = 0; i < 10; ++i) {
            double x = 187 + (Hash01(i, 93) - 0.5) * 220, y = ground - 10 - 60 * Hash01(i, 94) * risen;
            p.drawEllipse(QPointF(x, y), 2 + 2 * Hash01(i, 95), 1.6 + 1.5 * Hash01(i, 96));
        }
    }
    if (storm) {
        lightning(p, QPointF(70, 0), 5);
        lightning(p, QPointF(320, 0), 9);
        p.fillRect(kFull, QColor(0xc0, 0xb0, 0xff, 26));
    }
    Vignette(p, kFull, Qt::black, 0.5);
    p.end();
    return img;
}

QImage approach(const QImage& castle, int k) {
    // Equal steps in scale read as an even walk towards the gate.
    double zoom = std::pow(1.18, k);
    QImage img = Zoomed(castle, zoom, QPointF(187, 186));
    QPainter p;
    BeginPaint(p, img, 1);
    DrawHeroBack(p, QPointF(120 + 4 * k, kH + 6), 110 + 6 * k, QColor(0x2c, 0x4a, 0x8a));
    if (k == 6) DrawCaption(p, kFull, QStringLiteral("新願蛇羅城"), 22);
    p.end();
    return img;
}
}  // namespace

std::vector<QImage> PassageFrames() {
    std::vector<QImage> f(19);
    f[1] = fallenCastle(0);
    for (int n = 2; n <= 5; ++n) f[n] = fallenCastle((6 - n) / 4.0);  // 2 full .. 5 faint
    f[6] = heroResolute();
    f[7] = newCastle(1.0, true);
    const double rising[4] = {0.94, 0.72, 0.45, 0.16};  // frames 8..11, shown 11 down to 8
    for (int i = 0; i < 4; ++i) f[8 + i] = newCastle(rising[i], false);
    const QImage standing = newCastle(1.0, false);
    for (int k = 0; k <= 6; ++k) f[12 + k] = approach(standing, k);
    return std::vector<QImage>(f.begin() + 1, f.end());
}
