// "hData" 1..38: the ending, 375 x 258, drawn for the steps it is shown at.
// Frame 1 is the resting view the story keeps coming back to; the frames
// between two held pictures cross-fade from one to the other:
//   1            dawn: the hero on a rise, the silent new castle beyond;
//   2,3 > 4      the Demon King, beaten, eyes closed;
//   5,6 > 7      his kings, strategists and champions bow their heads;
//   8,9 > 10     the townspeople cheer;
//   11,12 > 1    back to the dawn;
//   13,14 > 15   the guide's thanks (and 14, 13 back to 1);
//   16..20 > 21  the castle cracks and shakes;
//   22, 23       it bursts in light (the ending sound) to white;
//   24..28 > 29  the light clears over the ruins;
//   30..33       the sun rises;
//   34           the hero walks home;
//   35..37 > 38  the last picture: "The End".
#include "art.h"
#include "buildings.h"
#include "logos.h"
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

QImage canvas() {
    return Canvas(kW, kH, 1, Qt::black);
}

void sky(QPainter& p, const QColor& top, const QColor& bottom) {
    p.fillRect(kFull, VGradient(0, kH, top, bottom));
}

QImage dawn() {
    QPainter p;
    QImage img = canvas();
    BeginPaint(p, img, 1);
    sky(p, QColor(0x3a, 0x4a, 0x8a), QColor(0xf4, 0xb0, 0x80));
    DrawMoon(p, QPointF(300, 40), 6, QColor(0xf0, 0xf0, 0xff));
    DrawRidge(p, kW, 178, 8, 31, QBrush(QColor(0x6a, 0x5a, 0x7a)), 90);
    DrawNewCastleSilhouette(p, QPointF(260, 184), 90, QColor(0x3a, 0x2a, 0x4a));
    QPainterPath hill;
    hill.moveTo(0, kH);
    hill.lineTo(0, 200);
    hill.cubicTo(70, 186, 140, 196, 200, 222);
    hill.cubicTo(260, 244, 330, 240, kW, 236);
    hill.lineTo(kW, kH);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(VGradient(186, kH, QColor(0x3a, 0x4a, 0x30), QColor(0x1a, 0x22, 0x16)));
    p.drawPath(hill);
    DrawHeroBack(p, QPointF(96, 198), 82, QColor(0x2c, 0x4a, 0x8a));
    Vignette(p, kFull, Qt::black, 0.4);
    p.end();
    return img;
}

QImage beatenKing() {
    QPainter p;
    QImage img = canvas();
    BeginPaint(p, img, 1);
    sky(p, QColor(0x30, 0x08, 0x14), QColor(0x08, 0x02, 0x06));
    for (int i = 0; i < 5; ++i) DrawCloud(p, QPointF(40 + i * 80, 220), 70, QColor(0x40, 0x20, 0x30, 150), 300 + i);
    Figure king = PortraitFigure(0);
    king.eyes = Eyes::Closed;
    king.mouth = Mouth::Frown;
    king.browTilt = -1.5;
    DrawCutout(p, FigureCutout(king, 3), QPointF(kW / 2.0 - 110, 10), 220);
    // Dust settling on the fallen king.
    p.fillRect(kFull, VGradient(150, kH, QColor(0, 0, 0, 0), QColor(0, 0, 0, 170)));
    Vignette(p, kFull, Qt::black, 0.6);
    p.end();
    return img;
}

QImage bowingLine() {
    QPainter p;
    QImage img = canvas();
    BeginPaint(p, img, 1);
    sky(p, QColor(0x2a, 0x1a, 0x4a), QColor(0x0c, 0x08, 0x18));
    // Pillars of the throne hall.
    for (int i = 0; i < 5; ++i) {
        double x = 20 + i * 84;
        p.fillRect(QRectF(x, 0, 22, kH), VGradient(0, kH, QColor(0x4a, 0x3a, 0x6a), QColor(0x1a, 0x12, 0x28)));
    }
    const int faces[7] = {6, 1, 7, 14, 8, 2, 9};
    for (int i = 0; i < 7; ++i) {
        Figure f = PortraitFigure(faces[i]);
        f.eyes = Eyes::Closed;
        f.mouth = f.mouth == Mouth::Grin ? Mouth::Flat : Mouth::Frown;
        f.browTilt = -1.0;
        double x = -6 + i * 52, y = 96 + (i % 2) * 22;
        DrawCutout(p, FigureCutout(f, 2), QPointF(x, y), 110);
    }
    p.fillRect(kFull, VGradient(170, kH, QColor(0, 0, 0, 0), QColor(0, 0, 0, 150)));
    Vignette(p, kFull, Qt::black, 0.5);
    p.end();
    return img;
}

void confetti(QPainter& p, int seed, int count) {
    const QColor colours[5] = {pal::kGold, pal::kCrimson, QColor(0x40, 0x90, 0xe0), QColor(0x50, 0xb0, 0x60),
                               Qt::white};
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(Hash01(seed, i, 1) * kW, Hash01(seed, i, 2) * kH * 0.8);
        p.rotate(Hash01(seed, i, 3) * 180);
        p.setBrush(colours[i % 5]);
        p.drawRect(QRectF(-2, -1, 4, 2.2));
        p.restore();
    }
    p.restore();
}

QImage cheeringTown() {
    QPainter p;
    QImage img = canvas();
    BeginPaint(p, img, 1);
    sky(p, QColor(0x70, 0xb0, 0xf0), QColor(0xe0, 0xf0, 0xff));
    for (int i = 0; i < 9; ++i)
        DrawHouse(p, QPointF(18 + i * 44, 118 + (i % 3) * 4), 36, i % 2 ? pal::kRoof : QColor(0x3a, 0x5a, 0x8a));
    // Bunting across the street.
    p.setPen(QPen(pal::kInk, 0.8));
    for (int i = 0; i < 16; ++i) {
        double x = i * 24 + 6, y = 30 + 8 * std::sin(i * 0.4);
        QPainterPath flag;
        flag.moveTo(x, y);
        flag.lineTo(x + 14, y + 1);
        flag.lineTo(x + 7, y + 12);
        flag.closeSubpath();
        p.setBrush(i % 3 == 0 ? pal::kCrimson : i % 3 == 1 ? pal::kGold : QColor(0x40, 0x90, 0xe0));
        p.drawPath(flag);
    }
    const int faces[5] = {23, 25, 24, 26, 27};
    for (int i = 0; i < 5; ++i) {
        Figure f = PortraitFigure(faces[i]);
        f.eyes = Eyes::Happy;
        f.mouth = Mouth::Grin;
        f.blush = true;
        double y = 98 - (i % 2) * 14;
        DrawCutout(p, FigureCutout(f, 2), QPointF(-14 + i * 76, y), 120);
    }
    confetti(p, 12, 90);
    p.end();
    return img;
}

QImage guideThanks() {
    QPainter p;
    QImage img = canvas();
    BeginPaint(p, img, 1);
    sky(p, QColor(0x8c, 0xc8, 0xf0), QColor(0x3a, 0x70, 0xb0));
    QRadialGradient sun(QPointF(120, 60), 160);
    sun.setColorAt(0, QColor(255, 255, 230, 200));
    sun.setColorAt(1, QColor(255, 255, 230, 0));
    p.fillRect(kFull, sun);
    for (int i = 0; i < 4; ++i)
        DrawCloud(p, QPointF(30 + i * 100, 200 + 10 * Hash01(i, 33)), 50, QColor(255, 255, 255, 150), 330 + i);
    Figure guide = PortraitFigure(28);
    DrawCutout(p, FigureCutout(guide, 3), QPointF(kW / 2.0 - 112, 14), 224);
    Stars(p, QRectF(0, 0, kW, 120), 20, 77, 0.8);
    p.end();
    return img;
}

// The new castle by daylight, `damage` of the way to falling apart.
QImage crumbling(double damage, int frameSeed) {
    QPainter p;
    QImage img = canvas();
    BeginPaint(p, img, 1);
    sky(p, QColor(0x5a, 0x5a, 0x9a), QColor(0xf0, 0xb8, 0x90));
    DrawRidge(p, kW, 196, 6, 41, QBrush(QColor(0x5a, 0x4a, 0x5a)), 80);
    double shake = damage > 0.9 ? 3 : damage * 2;
    p.save();
    p.translate((Hash01(frameSeed, 1) - 0.5) * shake, (Hash01(frameSeed, 2) - 0.5) * shake);
    DrawNewCastle(p, QPointF(187, 206), 170, false);
    // Cracks spreading from the foot of the keep.
    p.setPen(QPen(QColor(0xff, 0xe0, 0xa0), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const int cracks = static_cast<int>(std::round(12 * damage));
    for (int i = 0; i < cracks; ++i) {
        QPainterPath c;
        QPointF at(187 + (Hash01(i, 51) - 0.5) * 190, 200 - Hash01(i, 52) * 40);
        c.moveTo(at);
        for (int k = 0; k < 4; ++k) {
            at += QPointF((Hash01(i, k, 53) - 0.5) * 16, -8 - 10 * Hash01(i, k, 54));
            c.lineTo(at);
        }
        p.drawPath(c);
    }
    p.restore();
    // Stones falling from the spires.
    p.setPen(QPen(pal::kInk, 0.8));
    p.setBrush(QColor(0x3a, 0x30, 0x40));
    int stones = static_cast<int>(std::round(14 * damage));
    for (int i = 0; i < stones; ++i) {
        double x = 187 + (Hash01(i, 55) - 0.5) * 200;
        double y = 40 + Hash01(i, 56) * 150 + damage * 20;
        p.drawRect(QRectF(x, y, 2.5 + 2 * Hash01(i, 57), 2.5 + 2 * Hash01(i, 58)));
    }
    for (int i = 0; i < 6; ++i)
        DrawCloud(p, QPointF(110 + i * 32, 206), 16 + 22 * damage,
                  QColor(0x9a, 0x80, 0x70, static_cast<int>(160 * damage)), 500 + i);
    p.fillRect(QRectF(0, 206, kW, kH - 206), VGradient(206, kH, QColor(0x5a, 0x4a, 0x3a), QColor(0x2a, 0x22, 0x1a)));
    p.end();
    return img;
}

QImage burst() {
    QImage img = crumbling(1.0, 22);
    QPainter p;
    BeginPaint(p, img, 1);
    QRadialGradient light(QPointF(187, 130), 260);
    light.setColorAt(0, QColor(255, 255, 255, 255));
    light.setColorAt(0.3, QColor(255, 250, 220, 230));
    light.setColorAt(1, QColor(255, 240, 200, 60));
    p.fillRect(kFull, light);
    // Rays.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        double a = i * 2 * M_PI / 16 + 0.1;
        QPainterPath ray;
        ray.moveTo(187, 130);
        ray.lineTo(187 + 400 * std::cos(a - 0.05), 130 + 400 * std::sin(a - 0.05));
        ray.lineTo(187 + 400 * std::cos(a + 0.05), 130 + 400 * std::sin(a + 0.05));
        ray.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawPath(ray);
    }
    p.end();
    return img;
}

// The ruins at sunrise; `sun` 0 below the hills .. 1 well up.
QImage ruins(double sun) {
    QPainter p;
    QColor top = Mix(QColor(0x4a, 0x5a, 0x9a), QColor(0x8c, 0xc0, 0xf0), sun);
    QColor bottom = Mix(QColor(0xf0, 0xa0, 0x80), QColor(0xff, 0xe8, 0xb8), sun);
    QImage img = canvas();
    BeginPaint(p, img, 1);
    sky(p, top, bottom);
    QPointF sunAt(270, 200 - 120 * sun);
    QRadialGradient glow(sunAt, 90 + 60 * sun);
    glow.setColorAt(0, QColor(255, 240, 190, 220));
    glow.setColorAt(1, QColor(255, 240, 190, 0));
    p.fillRect(kFull, glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf4, 0xd0));
    p.drawEllipse(sunAt, 18, 18);
    DrawRidge(p, kW, 196, 6, 41, QBrush(QColor(0x5a, 0x4a, 0x5a)), 80);
    // What is left of the castle: broken stumps of towers and rubble.
    p.setPen(QPen(pal::kInk, 1));
    const double stumps[5][3] = {{90, 24, 30}, {140, 30, 52}, {186, 36, 70}, {232, 28, 44}, {286, 22, 26}};
    for (const auto& s : stumps) {
        QPainterPath t;
        double x = s[0], w = s[1], h = s[2];
        t.moveTo(x - w / 2, 206);
        t.lineTo(x - w / 2, 206 - h);
        t.lineTo(x - w / 6, 206 - h - 8);
        t.lineTo(x + w / 8, 206 - h + 4);
        t.lineTo(x + w / 2, 206 - h - 5);
        t.lineTo(x + w / 2, 206);
        t.closeSubpath();
        p.setBrush(VGradient(206 - h, 206, QColor(0x5a, 0x4e, 0x6a), QColor(0x2a, 0x22, 0x34)));
        p.drawPath(t);
    }
    p.fillRect(QRectF(0, 204, kW, kH - 204), VGradient(204, kH, QColor(0x6a, 0x6a, 0x40), QColor(0x2a, 0x30, 0x1a)));
    for (int i = 0; i < 7; ++i)
        DrawCloud(p, QPointF(60 + i * 44, 204 - 6 * Hash01(i, 61)), 30,
                  QColor(0xd0, 0xc0, 0xb0, static_cast<int>(150 * (1 - 0.6 * sun))), 600 + i);
    p.end();
    return img;
}

QImage walkHome() {
    QPainter p;
    QImage img = canvas();
    BeginPaint(p, img, 1);
    sky(p, QColor(0x8c, 0xc8, 0xf0), QColor(0xf0, 0xf4, 0xe0));
    DrawRidge(p, kW, 150, 10, 71, QBrush(QColor(0x7a, 0xa0, 0x70)), 120);
    DrawRidge(p, kW, 176, 8, 72, QBrush(QColor(0x5a, 0x8a, 0x4a)), 100);
    for (int i = 0; i < 4; ++i)
        DrawHouse(p, QPointF(250 + i * 16, 160 + (i % 2) * 3), 14, i % 2 ? pal::kRoof : QColor(0x3a, 0x5a, 0x8a));
    QPainterPath road;
    road.moveTo(120, kH);
    road.cubicTo(150, 220, 230, 200, 270, 168);
    road.lineTo(280, 168);
    road.cubicTo(250, 200, 200, 230, 240, kH);
    road.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(VGradient(168, kH, QColor(0xd8, 0xc8, 0x98), QColor(0xb8, 0xa0, 0x70)));
    p.drawPath(road);
    for (int i = 0; i < 8; ++i)
        DrawTree(p, QPointF(20 + i * 48 + (i > 3 ? 60 : 0), 200 + 20 * Hash01(i, 81)), 30, i + 50);
    DrawHeroBack(p, QPointF(196, 226), 50, QColor(0x2c, 0x4a, 0x8a));
    p.end();
    return img;
}

QImage theEnd() {
    QPainter p;
    QImage img = canvas();
    BeginPaint(p, img, 1);
    sky(p, QColor(0x2a, 0x3a, 0x7a), QColor(0xf0, 0xb0, 0x80));
    Stars(p, QRectF(0, 0, kW, 90), 40, 91, 0.7);
    DrawRidge(p, kW, 200, 8, 93, QBrush(QColor(0x3a, 0x2a, 0x4a)), 80);
    DrawOldCastleSilhouette(p, QPointF(80, 206), 40, QColor(0x3a, 0x2a, 0x4a));
    DrawWordmark(p, QRectF(0, 60, kW, 80), 64);
    QPainterPath end = TextPath(QStringLiteral("The End"), pal::Serif(26, false, true), QRectF(0, 142, kW, 36));
    OutlinedText(p, end, QColor(0xfb, 0xf4, 0xe2), pal::kInk, 1.2);
    p.end();
    return img;
}
}  // namespace

std::vector<QImage> EndingFrames() {
    std::vector<QImage> f(39);
    auto fade = [&f](int from, int to, int first, bool reverse = false) {
        std::vector<QImage> between = CrossFade(f[from], f[to], 2);
        f[first] = between[reverse ? 1 : 0];
        f[first + 1] = between[reverse ? 0 : 1];
    };
    f[1] = dawn();
    f[4] = beatenKing();
    f[7] = bowingLine();
    f[10] = cheeringTown();
    f[15] = guideThanks();
    fade(1, 4, 2);
    fade(4, 7, 5);
    fade(7, 10, 8);
    fade(10, 1, 11);
    fade(1, 15, 13);
    const double damage[6] = {0.15, 0.3, 0.45, 0.6, 0.8, 1.0};
    for (int i = 0; i < 6; ++i) f[16 + i] = crumbling(damage[i], 16 + i);
    f[22] = burst();
    f[23] = Blend(f[22], Flat(kW, kH, QColor(0xff, 0xfc, 0xf0)), 0.85);
    f[29] = ruins(0);
    for (int i = 0; i < 5; ++i) f[24 + i] = Blend(f[23], f[29], (i + 1) / 6.0);
    for (int i = 0; i < 4; ++i) f[30 + i] = ruins((i + 1) / 4.0);
    f[34] = walkHome();
    f[38] = theEnd();
    for (int i = 0; i < 3; ++i) f[35 + i] = Blend(f[34], f[38], (i + 1) / 4.0);
    return std::vector<QImage>(f.begin() + 1, f.end());
}
