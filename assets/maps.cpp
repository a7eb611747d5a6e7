// The two castle maps, "Data3._vx" (the first castle) and "Data10._vx" (the
// new castle), 624 x 416. The places lie in the upper part; the lower band is
// a calm panel where the map window sets its row of faces, names and buttons.
#include "maps.h"

#include "buildings.h"
#include "paint_util.h"
#include "palette.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace {
constexpr int kW = MapWidth, kH = MapHeight;
constexpr double kPanelTop = MapPanelTop;

void panel(QPainter& p, const QColor& tint) {
    QRectF r(0, kPanelTop, kW, kH - kPanelTop);
    p.fillRect(r, VGradient(r.top(), r.bottom(), Mix(pal::kNight, tint, 0.2), Mix(pal::kNightDeep, tint, 0.1)));
    // Fine cross-hatching like a cloth table.
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int x = -int(r.height()); x < kW; x += 6) p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    p.restore();
    p.setPen(QPen(pal::kInk, 2));
    p.drawLine(QPointF(0, kPanelTop), QPointF(kW, kPanelTop));
    p.setPen(QPen(pal::kGold, 1));
    p.drawLine(QPointF(0, kPanelTop + 2.5), QPointF(kW, kPanelTop + 2.5));
    p.setPen(QPen(WithAlpha(pal::kGold, 90), 1));
    p.drawLine(QPointF(0, kH - 3.5), QPointF(kW, kH - 3.5));
}

void outerFrame(QPainter& p) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::kInk, 2));
    p.drawRect(QRectF(1, 1, kW - 2, kH - 2));
    p.setPen(QPen(pal::kGold, 1));
    p.drawRect(QRectF(3.5, 3.5, kW - 7, kH - 7));
    p.restore();
}

// A small name plate under a place.
void plate(QPainter& p, QPointF at, const QString& text) {
    QFont f = pal::Gothic(11, true);
    QPainterPath t = TextPath(text, f, QRectF(at.x() - 60, at.y(), 120, 16));
    QRectF b = t.boundingRect().adjusted(-5, -3, 5, 3);
    p.save();
    p.setPen(QPen(pal::kInk, 1));
    p.setBrush(VGradient(b.top(), b.bottom(), pal::kParchment, pal::kParchmentDark));
    p.drawRoundedRect(b, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kInk);
    p.drawPath(t);
    p.restore();
}

// The scroll in the top left corner with the castle's name.
void cartouche(QPainter& p, const QString& name) {
    QRectF r(12, 10, 132, 34);
    p.save();
    p.setPen(QPen(pal::kInk, 1.2));
    p.setBrush(VGradient(r.top(), r.bottom(), pal::kParchment, pal::kParchmentDark));
    p.drawRoundedRect(r, 4, 4);
    for (int s : {-1, 1}) {
        QRectF roll(s < 0 ? r.left() - 5 : r.right() - 3, r.top() - 2, 8, r.height() + 4);
        p.setBrush(VGradient(roll.top(), roll.bottom(), pal::kParchmentDark, pal::kEarth));
        p.drawRoundedRect(roll, 3, 3);
    }
    QPainterPath t = TextPath(name, pal::Mincho(20, true), r);
    OutlinedText(p, t, pal::kCrimsonDark, pal::kParchment, 0);
    p.restore();
}

// A road drawn as a pale band with a dotted red route on top.
void route(QPainter& p, const QPainterPath& path, bool dark) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark ? QColor(0x50, 0x38, 0x40) : QColor(0x9a, 0x80, 0x56), 9, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(dark ? QColor(0x8a, 0x6a, 0x6a) : pal::kRoad, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QPen dots(dark ? QColor(0xff, 0x60, 0x40) : pal::kCrimson, 2, Qt::CustomDashLine, Qt::RoundCap);
    dots.setDashPattern({0.1, 3});
    p.setPen(dots);
    p.drawPath(path);
    p.restore();
}

void texture(QPainter& p, const QRectF& r, const QColor& a, const QColor& b, int seed, int count) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        double x = r.left() + Hash01(seed, i, 1) * r.width();
        double y = r.top() + Hash01(seed, i, 2) * r.height();
        double s = 3 + Hash01(seed, i, 3) * 9;
        p.setBrush(WithAlpha(Mix(a, b, Hash01(seed, i, 4)), 50));
        p.drawEllipse(QPointF(x, y), s, s * 0.6);
    }
    p.restore();
}

QPainterPath wallRing() {
    QPainterPath w;
    w.moveTo(200, 250);
    w.lineTo(176, 150);
    w.quadTo(190, 52, 330, 40);
    w.lineTo(600, 36);
    w.lineTo(612, 250);
    return w;
}

void firstCastleLand(QPainter& p) {
    QRectF land(0, 0, kW, kPanelTop);
    p.fillRect(land, VGradient(0, kPanelTop, QColor(0x7e, 0xa0, 0x5a), QColor(0x5a, 0x80, 0x42)));
    texture(p, land, pal::kGrassDark, QColor(0xa0, 0xc0, 0x70), 11, 260);
    // Mountains along the top.
    for (int i = 0; i < 9; ++i) {
        double x = 20 + i * 75 + Hash01(i, 5) * 20, hgt = 26 + Hash01(i, 6) * 18;
        QPainterPath m;
        m.moveTo(x - 44, 40);
        m.lineTo(x, 40 - hgt);
        m.lineTo(x + 44, 40);
        m.closeSubpath();
        p.setPen(QPen(pal::kInk, 1));
        p.setBrush(VGradient(40 - hgt, 40, QColor(0x9a, 0x94, 0xa8), QColor(0x6a, 0x70, 0x6a)));
        p.drawPath(m);
        QPainterPath snow;
        snow.moveTo(x - 8, 40 - hgt + 8);
        snow.lineTo(x, 40 - hgt);
        snow.lineTo(x + 8, 40 - hgt + 8);
        snow.lineTo(x + 3, 40 - hgt + 6);
        snow.lineTo(x, 40 - hgt + 9);
        snow.closeSubpath();
        p.setBrush(QColor(0xf4, 0xf4, 0xfa));
        p.drawPath(snow);
    }
    p.fillRect(QRectF(0, 34, kW, 14), VGradient(34, 48, QColor(0x5a, 0x80, 0x42, 0), QColor(0x6e, 0x94, 0x52)));
    // The river and the moat.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2a, 0x4a, 0x7a), 12, Qt::SolidLine, Qt::RoundCap));
    QPainterPath river;
    river.moveTo(-5, 120);
    river.cubicTo(60, 110, 110, 150, 150, 130);
    river.cubicTo(170, 120, 168, 90, 190, 60);
    p.drawPath(river);
    p.setPen(QPen(pal::kWater, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(river);
    p.setPen(QPen(QColor(0x2a, 0x4a, 0x7a), 16, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(wallRing().translated(-10, 0));
    p.setPen(QPen(pal::kWater, 11, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(wallRing().translated(-10, 0));
    // Inside the walls the ground is paved.
    QPainterPath inside = wallRing();
    inside.lineTo(200, 250);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0xa8, 0x80, 150));
    p.drawPath(inside);
    texture(p, inside.boundingRect(), QColor(0x90, 0x80, 0x60), QColor(0xd0, 0xc0, 0x98), 12, 120);
    // The wall itself.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::kInk, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(wallRing());
    p.setPen(QPen(pal::kStone, 6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(wallRing());
    p.setPen(QPen(pal::kStoneDark, 2, Qt::DashLine, Qt::FlatCap));
    p.drawPath(wallRing());
    for (QPointF t : {QPointF(176, 150), QPointF(200, 248), QPointF(260, 48), QPointF(600, 36), QPointF(608, 160)})
        DrawTower(p, t + QPointF(0, 12), 24, pal::kRoof);
    // Trees outside the walls.
    for (int i = 0; i < 26; ++i) {
        double x = Hash01(i, 21) * 170, y = 60 + Hash01(i, 22) * 180;
        if (x > 40 && x < 130 && y > 170) continue;  // leave the town clear
        DrawTree(p, QPointF(x, y), 14 + Hash01(i, 23) * 6, i);
    }
}

void firstCastlePlaces(QPainter& p) {
    QPainterPath road;
    road.moveTo(80, 230);
    road.cubicTo(120, 236, 150, 200, 186, 196);  // town to the gate
    road.cubicTo(230, 196, 250, 220, 290, 222);  // barracks
    road.cubicTo(340, 222, 350, 186, 392, 184);  // camp
    road.cubicTo(420, 182, 360, 150, 314, 136);  // government office
    road.cubicTo(340, 110, 400, 112, 446, 110);  // palace
    road.cubicTo(480, 108, 500, 100, 530, 96);   // royal palace
    route(p, road, false);
    // Town: a cluster of houses.
    const QColor roofs[3] = {pal::kRoof, QColor(0x3a, 0x5a, 0x8a), QColor(0x8a, 0x6a, 0x2a)};
    for (int i = 0; i < 7; ++i) {
        double x = 48 + (i % 4) * 22 + (i / 4) * 11, y = 206 + (i / 4) * 22;
        DrawHouse(p, QPointF(x, y), 18, roofs[i % 3]);
    }
    plate(p, QPointF(80, 236), QStringLiteral("城下町"));
    // The gate in the wall.
    p.setPen(QPen(pal::kInk, 1.2));
    p.setBrush(pal::kStone);
    p.drawRect(QRectF(170, 176, 32, 26));
    p.setBrush(QColor(0x3a, 0x26, 0x1a));
    QPainterPath arch;
    arch.moveTo(179, 202);
    arch.lineTo(179, 190);
    arch.quadTo(186, 182, 193, 190);
    arch.lineTo(193, 202);
    arch.closeSubpath();
    p.drawPath(arch);
    plate(p, QPointF(186, 206), QStringLiteral("城門"));
    // Barracks: long low houses.
    for (int i = 0; i < 3; ++i) DrawHall(p, QPointF(262 + i * 28, 214 - (i % 2) * 4), 24, QColor(0x6a, 0x5a, 0x4a));
    plate(p, QPointF(292, 224), QStringLiteral("兵舎"));
    // Camp: tents.
    for (int i = 0; i < 3; ++i)
        DrawTent(p, QPointF(372 + i * 20, 178 + (i % 2) * 6), 20, i == 1 ? pal::kCrimson : QColor(0xe0, 0xd8, 0xc0));
    plate(p, QPointF(394, 190), QStringLiteral("本陣"));
    // Government office: a columned hall.
    DrawHall(p, QPointF(306, 130), 50, QColor(0x3a, 0x5a, 0x8a));
    plate(p, QPointF(306, 134), QStringLiteral("政庁"));
    // Palace.
    DrawHall(p, QPointF(440, 104), 56, QColor(0x8a, 0x2a, 0x5a));
    DrawTower(p, QPointF(410, 104), 26, QColor(0x8a, 0x2a, 0x5a));
    DrawTower(p, QPointF(470, 104), 26, QColor(0x8a, 0x2a, 0x5a));
    plate(p, QPointF(440, 108), QStringLiteral("宮殿"));
    // Royal palace: the castle keep of the Demon King.
    DrawOldCastle(p, QPointF(546, 102), 82, QColor(0x8a, 0x80, 0x90), QColor(0x5a, 0x2a, 0x5a), true);
    plate(p, QPointF(546, 106), QStringLiteral("王宮"));
}

void newCastleLand(QPainter& p) {
    QRectF land(0, 0, kW, kPanelTop);
    QLinearGradient sky(0, 0, 0, 150);
    sky.setColorAt(0, QColor(0x1a, 0x06, 0x1e));
    sky.setColorAt(1, QColor(0x8a, 0x24, 0x2a));
    p.fillRect(land, sky);
    Stars(p, QRectF(0, 0, kW, 90), 60, 77, 0.6);
    DrawMoon(p, QPointF(96, 50), 20, QColor(0xe0, 0x50, 0x30));
    DrawRidge(p, kW, 140, 14, 3, QBrush(QColor(0x3a, 0x16, 0x24)), 140);
    DrawRidge(p, kW, 170, 10, 8, QBrush(QColor(0x2a, 0x10, 0x1c)), 120);
    QRectF ground(0, 168, kW, kPanelTop - 168);
    p.fillRect(ground, VGradient(168, kPanelTop, QColor(0x3a, 0x22, 0x2a), QColor(0x22, 0x14, 0x1a)));
    texture(p, ground, QColor(0x10, 0x08, 0x0a), QColor(0x6a, 0x30, 0x2a), 31, 140);
    // Lava cracks.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        QPainterPath c;
        double x = 30 + i * 88 + Hash01(i, 41) * 30, y = 190 + Hash01(i, 42) * 50;
        c.moveTo(x, y);
        c.lineTo(x + 14, y + 4);
        c.lineTo(x + 22, y - 2);
        c.lineTo(x + 36, y + 5);
        p.setPen(QPen(QColor(0xff, 0x70, 0x20, 120), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(c);
        p.setPen(QPen(QColor(0xff, 0xd0, 0x60), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(c);
    }
}

void newCastlePlaces(QPainter& p) {
    // Red glow behind the castle.
    QRadialGradient glow(QPointF(430, 120), 170);
    glow.setColorAt(0, QColor(0xff, 0x50, 0x30, 110));
    glow.setColorAt(1, QColor(0xff, 0x50, 0x30, 0));
    p.fillRect(QRectF(0, 0, kW, kPanelTop), glow);
    DrawNewCastle(p, QPointF(430, 196), 170, true);
    QPainterPath road;
    road.moveTo(40, 244);
    road.cubicTo(120, 250, 160, 214, 230, 222);
    road.cubicTo(300, 230, 340, 214, 430, 198);
    route(p, road, true);
    // Six banners on the way up, one for each trial inside.
    for (int i = 0; i < 6; ++i) {
        double t = (i + 0.5) / 6.0;
        QPointF at = road.pointAtPercent(t);
        p.setPen(QPen(pal::kInk, 1.2));
        p.drawLine(at, at + QPointF(0, -18));
        QPainterPath flag;
        flag.moveTo(at + QPointF(0, -18));
        flag.lineTo(at + QPointF(11, -14));
        flag.lineTo(at + QPointF(0, -10));
        flag.closeSubpath();
        p.setBrush(i == 5 ? QColor(0xa0, 0x30, 0xd0) : pal::kCrimson);
        p.drawPath(flag);
    }
}
}  // namespace

QImage FirstCastleMap() {
    QImage img = Canvas(kW, kH, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    firstCastleLand(p);
    firstCastlePlaces(p);
    Vignette(p, QRectF(0, 0, kW, kPanelTop), QColor(0x3a, 0x2a, 0x10), 0.45);
    cartouche(p, QStringLiteral("願蛇羅"));
    panel(p, QColor(0x30, 0x50, 0x30));
    outerFrame(p);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage NewCastleMap() {
    QImage img = Canvas(kW, kH, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    newCastleLand(p);
    newCastlePlaces(p);
    Vignette(p, QRectF(0, 0, kW, kPanelTop), Qt::black, 0.5);
    cartouche(p, QStringLiteral("新願蛇羅"));
    panel(p, QColor(0x60, 0x20, 0x30));
    outerFrame(p);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}
