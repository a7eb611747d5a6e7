// "eData" 1..4: the staff portraits of the staff roll, 500 x 400, revealed in
// blinds on a black canvas; and "gData" 1..5: the making-of pictures, 375 x 330,
// each drawn for its captions (the title and the end; three people building it;
// the scenario from many sources; the cards studied on newspaper in the
// corridor; the thanks).
#include "art.h"
#include "logos.h"
#include "paint_util.h"
#include "palette.h"
#include "scene_kit.h"
#include "scenes.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace {
// The four members of the staff, in the roll's order.
Figure staff(int n) {
    Figure f;
    f.bgTop = QColor(0x2a, 0x34, 0x5a);
    f.bgBottom = QColor(0x08, 0x0a, 0x14);
    switch (n) {
        case 1:  // program
            f.hair = Hair::Slick;
            f.hairColour = QColor(0x1a, 0x16, 0x14);
            f.glasses = true;
            f.eyes = Eyes::Round;
            f.mouth = Mouth::Smile;
            f.outfit = Outfit::Sweater;
            f.cloth = QColor(0x2a, 0x3a, 0x6a);
            f.cloth2 = QColor(0xf0, 0xf0, 0xf4);
            f.jaw = 0.4;
            break;
        case 2:  // scenario
            f.hair = Hair::Long;
            f.hairColour = QColor(0x6a, 0x3a, 0x1e);
            f.feminine = true;
            f.eyes = Eyes::Gentle;
            f.mouth = Mouth::Smile;
            f.outfit = Outfit::Shirt;
            f.cloth = QColor(0x2a, 0x8a, 0x86);
            f.cloth2 = QColor(0xf0, 0xf0, 0xe8);
            f.prop = Prop::Pen;
            f.jaw = 0.05;
            break;
        case 3:  // art
            f.hair = Hair::Curly;
            f.hairColour = QColor(0xa0, 0x5a, 0x28);
            f.eyes = Eyes::Happy;
            f.mouth = Mouth::Grin;
            f.hat = Hat::Beret;
            f.hatColour = QColor(0xb0, 0x24, 0x30);
            f.hatColour2 = QColor(0xf0, 0xd8, 0x60);
            f.outfit = Outfit::Apron;
            f.cloth = QColor(0x5a, 0x6a, 0x8a);
            f.cloth2 = QColor(0xf4, 0xf0, 0xe4);
            f.blush = true;
            f.jaw = 0.2;
            break;
        default:  // camera and sound
            f.skin = QColor(0xd8, 0xa4, 0x78);
            f.hair = Hair::Spiky;
            f.hairColour = QColor(0x2a, 0x1e, 0x16);
            f.eyes = Eyes::Round;
            f.mouth = Mouth::Grin;
            f.beard = Beard::Stubble;
            f.outfit = Outfit::Shirt;
            f.cloth = QColor(0x8a, 0x2a, 0x2a);
            f.cloth2 = QColor(0xf0, 0xe8, 0xd8);
            f.prop = Prop::Camera;
            f.jaw = 0.7;
            break;
    }
    return f;
}

QImage staffPortrait(int n) {
    const int w = 500, h = 400;
    QImage img = Canvas(w, h, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    // A studio backdrop with one soft light, the same for all four.
    QRadialGradient spot(QPointF(w / 2.0, 150), 300);
    spot.setColorAt(0, QColor(0x3a, 0x46, 0x78));
    spot.setColorAt(1, QColor(0x06, 0x08, 0x12));
    p.fillRect(QRectF(0, 0, w, h), spot);
    Figure f = staff(n);
    DrawCutout(p, FigureCutout(f, 4), QPointF(w / 2.0 - 170, 0), 340);
    p.setPen(QPen(pal::kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6.5, 6.5, w - 13, h - 13));
    p.end();
    return img;
}

constexpr int kMw = 375, kMh = 330;
const QRectF kMFull(0, 0, kMw, kMh);

void filmStrip(QPainter& p) {
    for (double y : {0.0, kMh - 24.0}) {
        p.fillRect(QRectF(0, y, kMw, 24), QColor(0x12, 0x10, 0x14));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe8, 0xe0, 0xd0));
        for (int i = 0; i < 19; ++i) p.drawRoundedRect(QRectF(6 + i * 20, y + 7, 10, 10), 2, 2);
    }
}

QImage makingTitle() {
    QImage img = Canvas(kMw, kMh, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    DrawSky(p, kMFull, pal::kNightDeep, pal::kDusk, 90, 101);
    DrawEmblem(p, QPointF(kMw / 2.0, 112), 52);
    QPainterPath making = TextPath(QStringLiteral("Making Of"), pal::Serif(26, false, true), QRectF(0, 170, kMw, 34));
    OutlinedText(p, making, QColor(0xfb, 0xf4, 0xe2), pal::kInk, 1.2);
    DrawWordmark(p, QRectF(0, 198, kMw, 70), 58);
    filmStrip(p);
    p.end();
    return img;
}

void roomWall(QPainter& p) {
    p.fillRect(kMFull, VGradient(0, kMh, QColor(0xe8, 0xdc, 0xc0), QColor(0xc0, 0xae, 0x8a)));
    // A window with a winter sky.
    QRectF win(250, 30, 90, 80);
    p.setPen(QPen(pal::kInk, 1.5));
    p.setBrush(VGradient(win.top(), win.bottom(), QColor(0x9a, 0xb8, 0xe0), QColor(0xd8, 0xe4, 0xf0)));
    p.drawRect(win);
    p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    p.drawLine(QPointF(win.left(), win.center().y()), QPointF(win.right(), win.center().y()));
}

QImage threeAtWork() {
    QImage img = Canvas(kMw, kMh, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    roomWall(p);
    // A poster of the game on the wall.
    p.setPen(QPen(pal::kInk, 1));
    p.setBrush(pal::kNight);
    p.drawRect(QRectF(34, 30, 70, 90));
    DrawEmblem(p, QPointF(69, 66), 24);
    QPainterPath v = TextPath(QStringLiteral("Vantrax"), pal::Serif(14, true), QRectF(34, 94, 70, 20));
    OutlinedText(p, v, pal::kGold, pal::kInk, 0.6);
    const int members[3] = {1, 2, 3};
    for (int i = 0; i < 3; ++i) {
        Figure f = staff(members[i]);
        f.prop = Prop::None;
        DrawCutout(p, FigureCutout(f, 2), QPointF(8 + i * 118, 96 + (i == 1 ? -8 : 0)), 128);
    }
    // The desk and the computer everybody is leaning over.
    p.fillRect(QRectF(0, 244, kMw, kMh - 244), VGradient(244, kMh, QColor(0x8a, 0x5a, 0x30), QColor(0x4a, 0x2a, 0x14)));
    p.setPen(QPen(pal::kInk, 1.5));
    p.drawLine(QPointF(0, 244), QPointF(kMw, 244));
    QRectF monitor(138, 176, 100, 80);
    p.setBrush(QColor(0xd8, 0xd0, 0xc0));
    p.drawRoundedRect(monitor, 5, 5);
    QRectF screen = monitor.adjusted(8, 7, -8, -14);
    p.setBrush(QColor(0x1a, 0x5e, 0x38));
    p.drawRect(screen);
    for (int i = 0; i < 4; ++i)
        p.drawImage(QRectF(screen.left() + 5 + i * 16, screen.top() + 18, 14, 18), CardFace(1 + i * 13, 1));
    p.setBrush(QColor(0xb8, 0xb0, 0xa0));
    p.drawRect(QRectF(170, 256, 36, 8));
    p.drawRoundedRect(QRectF(120, 272, 136, 18), 3, 3);  // keyboard
    p.setPen(QPen(QColor(0x80, 0x78, 0x70), 0.8));
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 14; ++k) p.drawRect(QRectF(124 + k * 9.2, 275 + r * 4.5, 7, 3));
    p.end();
    return img;
}

QImage scenarioDesk() {
    QImage img = Canvas(kMw, kMh, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    p.fillRect(kMFull, VGradient(0, kMh, QColor(0x9a, 0x6a, 0x3a), QColor(0x5a, 0x3a, 0x1e)));
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x10, 60), 1));
    for (int i = 0; i < 30; ++i) p.drawLine(QPointF(0, i * 11 + 4), QPointF(kMw, i * 11 + 4 + 6 * Hash01(i, 111)));
    // A stack of reference books.
    const QColor spines[6] = {pal::kCrimson,  QColor(0x2a, 0x4a, 0x8a), QColor(0x2a, 0x6a, 0x3a),
                              pal::kGoldDark, QColor(0x5a, 0x2a, 0x6a), QColor(0x8a, 0x6a, 0x4a)};
    for (int i = 0; i < 6; ++i) {
        QRectF b(22 + 4 * Hash01(i, 112), 250 - i * 22, 120 - 10 * Hash01(i, 113), 20);
        p.setPen(QPen(pal::kInk, 1));
        p.setBrush(VGradient(b.top(), b.bottom(), spines[i].lighter(120), spines[i].darker(120)));
        p.drawRoundedRect(b, 2, 2);
        p.setPen(QPen(pal::kGoldLight, 1));
        p.drawLine(QPointF(b.left() + 10, b.center().y()), QPointF(b.left() + 40, b.center().y()));
    }
    // The open notebook with the first draft of the story.
    p.save();
    p.translate(250, 170);
    p.rotate(-6);
    QRectF page(-90, -110, 180, 220);
    p.setPen(QPen(pal::kInk, 1.2));
    p.setBrush(QColor(0xfb, 0xf8, 0xee));
    p.drawRect(page);
    p.drawLine(QPointF(0, page.top()), QPointF(0, page.bottom()));
    QPainterPath title = TextPath(QStringLiteral("シナリオ"), pal::Gothic(16, true), QRectF(-86, -104, 84, 22));
    OutlinedText(p, title, pal::kCrimsonDark, QColor(0, 0, 0, 0), 0);
    p.setPen(QPen(QColor(0x40, 0x40, 0x60), 0.9));
    for (int l = 0; l < 12; ++l) {
        double y = -74 + l * 14, len = 50 + 28 * Hash01(l, 114);
        p.drawLine(QPointF(-82, y), QPointF(-82 + len, y));
    }
    // A sketch of the castle on the right page.
    p.setPen(QPen(QColor(0x40, 0x40, 0x60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(20, -40, 50, 40));
    p.drawRect(QRectF(36, -66, 18, 26));
    p.drawLine(QPointF(34, -66), QPointF(45, -84));
    p.drawLine(QPointF(56, -66), QPointF(45, -84));
    p.drawEllipse(QPointF(45, -14), 5, 8);
    for (int l = 0; l < 5; ++l) p.drawLine(QPointF(10, 20 + l * 14), QPointF(80 - 20 * Hash01(l, 115), 20 + l * 14));
    p.restore();
    // Pen and a cup of tea.
    p.save();
    p.translate(150, 290);
    p.rotate(-30);
    p.setPen(QPen(pal::kInk, 1));
    p.setBrush(QColor(0x2a, 0x2a, 0x34));
    p.drawRoundedRect(QRectF(-40, -3, 80, 6), 2, 2);
    p.setBrush(pal::kGold);
    p.drawRect(QRectF(-40, -3, 12, 6));
    p.restore();
    p.setPen(QPen(pal::kInk, 1.2));
    p.setBrush(QColor(0xf4, 0xf0, 0xe8));
    p.drawEllipse(QPointF(330, 280), 26, 26);
    p.setBrush(QColor(0x8a, 0x5a, 0x2a));
    p.drawEllipse(QPointF(330, 280), 19, 19);
    Vignette(p, kMFull, Qt::black, 0.45);
    p.end();
    return img;
}

QImage corridorCards() {
    QImage img = Canvas(kMw, kMh, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    // The corridor: a wall with windows and a floor going away.
    p.fillRect(QRectF(0, 0, kMw, 120), VGradient(0, 120, QColor(0xd0, 0xd4, 0xd8), QColor(0xa8, 0xb0, 0xb8)));
    for (int i = 0; i < 4; ++i) {
        QRectF win(20 + i * 92, 18, 70, 60);
        p.setPen(QPen(pal::kInk, 1.2));
        p.setBrush(VGradient(win.top(), win.bottom(), QColor(0x8a, 0xa8, 0xd0), QColor(0xc8, 0xd8, 0xe8)));
        p.drawRect(win);
        p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    }
    p.fillRect(QRectF(0, 120, kMw, kMh - 120), VGradient(120, kMh, QColor(0x8a, 0x8c, 0x90), QColor(0x5a, 0x5c, 0x62)));
    p.setPen(QPen(QColor(0x40, 0x40, 0x48, 90), 1));
    for (int i = 0; i < 8; ++i) p.drawLine(QPointF(0, 130 + i * 26), QPointF(kMw, 130 + i * 26));
    // Newspaper spread on the floor.
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(70 + i * 118, 226 + (i % 2) * 10);
        p.rotate(-4 + 4 * i);
        QRectF sheet(-62, -70, 124, 140);
        p.setPen(QPen(QColor(0x70, 0x70, 0x70), 0.8));
        p.setBrush(QColor(0xe4, 0xe0, 0xd4));
        p.drawRect(sheet);
        p.setPen(QPen(QColor(0x70, 0x70, 0x78), 0.8));
        for (int l = 0; l < 14; ++l) {
            double y = sheet.top() + 20 + l * 8.5;
            p.drawLine(QPointF(sheet.left() + 6, y), QPointF(sheet.left() + 56, y));
            p.drawLine(QPointF(sheet.left() + 66, y), QPointF(sheet.right() - 6, y));
        }
        p.fillRect(QRectF(sheet.left() + 6, sheet.top() + 5, 80, 10), QColor(0x30, 0x30, 0x34));
        p.restore();
    }
    // Rows of cards laid out for study.
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 8; ++col) {
            int v = 1 + (row * 8 + col) * 2 % 52;
            p.save();
            p.translate(28 + col * 45 + (row % 2) * 8, 180 + row * 48);
            p.rotate((Hash01(row, col, 117) - 0.5) * 10);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 60));
            p.drawRoundedRect(QRectF(-15, -19, 32, 41), 3, 3);
            p.drawImage(QRectF(-16, -20.5, 32, 41), CardFace(v, 1));
            p.restore();
        }
    }
    // Cold winter light.
    p.fillRect(kMFull, QColor(0x80, 0xa0, 0xd0, 30));
    Vignette(p, kMFull, Qt::black, 0.45);
    p.end();
    return img;
}

QImage thanks() {
    QImage img = Canvas(kMw, kMh, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    DrawSky(p, kMFull, QColor(0x5a, 0x9a, 0xe0), QColor(0xe8, 0xf0, 0xff));
    QRadialGradient sun(QPointF(kMw / 2.0, 120), 200);
    sun.setColorAt(0, QColor(255, 250, 220, 200));
    sun.setColorAt(1, QColor(255, 250, 220, 0));
    p.fillRect(kMFull, sun);
    // Everybody jumps for joy, each at a different height.
    const double lift[4] = {30, 0, 22, 8};
    for (int i = 0; i < 4; ++i) {
        Figure f = staff(i + 1);
        f.eyes = Eyes::Happy;
        f.mouth = Mouth::Grin;
        f.prop = Prop::None;
        DrawCutout(p, FigureCutout(f, 2), QPointF(-8 + i * 90, 210 - lift[i]), 112);
    }
    // The meadow they jump from.
    QPainterPath meadow;
    meadow.moveTo(0, kMh);
    meadow.lineTo(0, 304);
    meadow.quadTo(kMw / 2.0, 286, kMw, 304);
    meadow.lineTo(kMw, kMh);
    meadow.closeSubpath();
    p.setPen(QPen(pal::kInk, 1.2));
    p.setBrush(VGradient(290, kMh, QColor(0x6a, 0xb0, 0x50), QColor(0x3a, 0x7a, 0x30)));
    p.drawPath(meadow);
    const QColor colours[5] = {pal::kGold, pal::kCrimson, QColor(0x40, 0x90, 0xe0), QColor(0x50, 0xb0, 0x60),
                               Qt::white};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 110; ++i) {
        p.save();
        p.translate(Hash01(i, 121) * kMw, Hash01(i, 122) * kMh * 0.9);
        p.rotate(Hash01(i, 123) * 180);
        p.setBrush(colours[i % 5]);
        p.drawRect(QRectF(-2.5, -1.2, 5, 2.4));
        p.restore();
    }
    QPainterPath word = TextPath(QStringLiteral("ありがとう！"), pal::Gothic(36, true), QRectF(0, 70, kMw, 60));
    OutlinedText(p, word, pal::kCrimson, Qt::white, 3);
    p.end();
    return img;
}
}  // namespace

std::vector<QImage> StaffFrames() {
    std::vector<QImage> frames;
    for (int n = 1; n <= 4; ++n) frames.push_back(staffPortrait(n));
    return frames;
}

std::vector<QImage> MakingFrames() {
    return {makingTitle(), threeAtWork(), scenarioDesk(), corridorCards(), thanks()};
}
