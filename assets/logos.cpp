// The emblem "Data1._vx", the title logo "Data2._vx", the about picture
// "Data9._vx", and two pictures of the windows' own design: the backdrop's
// logo and the game-over picture.
#include "logos.h"

#include "art.h"
#include "buildings.h"
#include "figures.h"
#include "look/suits.h"
#include "paint_util.h"
#include "palette.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

std::vector<EmblemLayer> EmblemLayers(QPointF c, double r) {
    std::vector<EmblemLayer> layers;
    auto disc = [&](double radius) {
        QPainterPath path;
        path.addEllipse(c, radius, radius);
        return path;
    };
    // Gold rim.
    QLinearGradient rim(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
    rim.setColorAt(0, pal::kGoldLight);
    rim.setColorAt(0.5, pal::kGold);
    rim.setColorAt(1, pal::kGoldDark);
    layers.push_back({disc(r), rim, QPen(pal::kInk, r / 40)});
    // Parchment ring carrying the four suits.
    layers.push_back({disc(r * 0.88), VGradient(c.y() - r, c.y() + r, pal::kParchment, pal::kParchmentDark),
                      QPen(pal::kInk, r / 40)});
    const Suit order[4] = {Suit::Spade, Suit::Heart, Suit::Club, Suit::Diamond};
    for (int i = 0; i < 4; ++i) {
        double a = i * M_PI / 2;
        QPointF at(c.x() + std::sin(a) * r * 0.72, c.y() - std::cos(a) * r * 0.72);
        double s = r * 0.22;
        layers.push_back({SuitPath(order[i], QRectF(at.x() - s / 2, at.y() - s * 0.55, s, s * 1.1)),
                          SuitColour(order[i]), Qt::NoPen});
    }
    // Night disc with the V.
    QRadialGradient night(c - QPointF(r * 0.2, r * 0.2), r * 0.7);
    night.setColorAt(0, pal::kNightHigh);
    night.setColorAt(1, pal::kNightDeep);
    layers.push_back({disc(r * 0.55), night, QPen(pal::kGold, r / 30)});
    QPainterPath v =
        TextPath(QStringLiteral("V"), pal::Serif(r * 0.9, true), QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    QRectF vb = v.boundingRect();
    v.translate(c.x() - vb.center().x(), c.y() - vb.center().y() + r * 0.02);
    QLinearGradient gold(0, vb.top(), 0, vb.bottom());
    gold.setColorAt(0, pal::kGoldLight);
    gold.setColorAt(0.55, pal::kGold);
    gold.setColorAt(1, pal::kGoldDark);
    // Outlined as OutlinedText does: a doubled outline under the fill.
    layers.push_back({v, Qt::NoBrush, QPen(pal::kInk, r / 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)});
    layers.push_back({v, gold, Qt::NoPen});
    return layers;
}

void DrawEmblem(QPainter& p, QPointF c, double r) {
    p.save();
    for (const EmblemLayer& layer : EmblemLayers(c, r)) {
        p.setPen(layer.pen);
        p.setBrush(layer.fill);
        p.drawPath(layer.path);
    }
    p.restore();
}

void DrawWordmark(QPainter& p, const QRectF& box, double px, double glow) {
    QFont f = pal::Serif(px, true);
    f.setLetterSpacing(QFont::PercentageSpacing, 104);
    QPainterPath word = TextPath(QStringLiteral("Vantrax"), f, box, Qt::AlignCenter);
    QRectF b = word.boundingRect();
    word.translate(box.center().x() - b.center().x(), box.center().y() - b.center().y());
    b = word.boundingRect();
    p.save();
    // Soft dark halo so the gold reads on any background.
    for (int i = 4; i >= 1; --i) {
        p.setPen(QPen(QColor(0, 0, 0, static_cast<int>(38 * glow)), px / 14.0 * i, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(word);
    }
    QLinearGradient gold(0, b.top(), 0, b.bottom());
    gold.setColorAt(0, QColor(0xff, 0xf4, 0xc4));
    gold.setColorAt(0.45, pal::kGold);
    gold.setColorAt(0.5, pal::kGoldDark);
    gold.setColorAt(0.75, pal::kGold);
    gold.setColorAt(1, pal::kGoldLight);
    OutlinedText(p, word, gold, pal::kInk, px / 40.0);
    // A thin highlight along the upper edges.
    p.setClipRect(QRectF(b.left(), b.top(), b.width(), b.height() * 0.3));
    p.setPen(QPen(QColor(255, 255, 255, 120), px / 60.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    p.restore();
}

QImage EmblemPicture(int size) {
    QImage img = Canvas(size, size);
    QPainter p;
    BeginPaint(p, img, 1);
    DrawEmblem(p, QPointF(size / 2.0, size / 2.0), size / 2.0 - 1);
    return img;
}

namespace {
void nightSky(QPainter& p, const QRectF& r, int seed) {
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, pal::kNightDeep);
    g.setColorAt(0.6, pal::kNight);
    g.setColorAt(1, pal::kDusk);
    p.fillRect(r, g);
    Stars(p, r, static_cast<int>(r.width() * r.height() / 700), seed);
}

void cardFan(QPainter& p, QPointF pivot, const std::vector<int>& values, double spread, double scale) {
    for (size_t i = 0; i < values.size(); ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(-spread / 2 + spread * i / std::max<size_t>(1, values.size() - 1));
        p.scale(scale, scale);
        QImage face = CardFace(values[i], 2);
        p.drawImage(QRectF(-35, -110, 70, 90), face);
        p.restore();
    }
}
}  // namespace

QImage TitleLogoPicture() {
    const int w = 511, h = 239;
    QImage img = Canvas(w, h, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    nightSky(p, QRectF(0, 0, w, h), 31);
    DrawMoon(p, QPointF(420, 52), 18, QColor(0xf0, 0x90, 0x70));
    DrawOldCastleSilhouette(p, QPointF(w / 2.0, 239), 120, QColor(0x0a, 0x08, 0x14));
    DrawRidge(p, w, 222, 6, 5, QBrush(QColor(0x08, 0x06, 0x10)), 30);
    // The four Aces fanned behind the name.
    cardFan(p, QPointF(w / 2.0, 150), {1, 27, 14, 40}, 48, 0.95);
    p.fillRect(QRectF(0, 0, w, h), QColor(8, 10, 24, 80));
    DrawWordmark(p, QRectF(0, 62, w, 110), 100);
    QPainterPath sub =
        TextPath(QStringLiteral("カード・デュエル・ファンタジー"), pal::Mincho(17), QRectF(0, 176, w, 26));
    OutlinedText(p, sub, pal::kGoldLight, pal::kInk, 1.6);
    p.setPen(QPen(pal::kGold, 1));
    QRectF sb = sub.boundingRect();
    p.drawLine(QPointF(sb.left() - 60, sb.center().y()), QPointF(sb.left() - 10, sb.center().y()));
    p.drawLine(QPointF(sb.right() + 10, sb.center().y()), QPointF(sb.right() + 60, sb.center().y()));
    Vignette(p, QRectF(0, 0, w, h), Qt::black, 0.8);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage AboutPicture() {
    const int w = 320, h = 180;
    QImage img = Canvas(w, h, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    nightSky(p, QRectF(0, 0, w, h), 41);
    DrawOldCastleSilhouette(p, QPointF(230, 180), 60, QColor(0x0a, 0x08, 0x14));
    DrawEmblem(p, QPointF(72, 86), 54);
    DrawWordmark(p, QRectF(132, 40, 180, 60), 44);
    QPainterPath maker = TextPath(QStringLiteral("Nimbrel"), pal::Serif(16, false, true), QRectF(132, 104, 180, 22));
    OutlinedText(p, maker, QColor(0xe8, 0xe0, 0xf0), pal::kInk, 1.2);
    FramedPanel(p, QRectF(0, 0, w, h), Qt::NoBrush, 3);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage BackdropLogoPicture(int scale) {
    const int w = 658, h = 216;
    QImage img = Canvas(w, h, scale);
    QPainter p;
    BeginPaint(p, img, scale);
    DrawEmblem(p, QPointF(112, 108), 92);
    DrawWordmark(p, QRectF(214, 20, 426, 140), 112);
    QPainterPath sub =
        TextPath(QStringLiteral("カード・デュエル・ファンタジー"), pal::Mincho(22), QRectF(210, 156, 440, 34));
    OutlinedText(p, sub, pal::kGoldLight, pal::kInk, 2);
    p.end();
    return img;
}

QImage GameOverPicture(int scale) {
    const int w = 400, h = 300;
    QImage img = Canvas(w, h, scale, Qt::black);
    QPainter p;
    BeginPaint(p, img, scale);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(0x30, 0x04, 0x0c));
    sky.setColorAt(1, QColor(0x08, 0x02, 0x06));
    p.fillRect(QRectF(0, 0, w, h), sky);
    DrawMoon(p, QPointF(200, 90), 40, QColor(0xd0, 0x30, 0x20));
    // The Demon King looms over the field, laughing.
    Figure king = PortraitFigure(0);
    king.frame = false;
    king.backdrop = false;
    king.mouth = Mouth::Fangs;
    QImage kingImg = Canvas(85, 100, 3);
    {
        QPainter kp;
        BeginPaint(kp, kingImg, 3);
        DrawFigure(kp, king);
    }
    p.save();
    p.setOpacity(0.55);
    p.drawImage(QRectF(95, 10, 210, 247), kingImg);
    p.restore();
    p.fillRect(QRectF(0, 0, w, h), VGradient(120, 300, QColor(0, 0, 0, 0), QColor(0, 0, 0, 220)));
    // Scattered cards of the lost duel.
    const int cards[5] = {13, 27, 5, 40, 20};
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(72 + i * 64, 276 - (i % 2) * 6);
        p.rotate(-30 + 15 * i + 20 * Hash01(i, 9));
        p.setOpacity(0.85);
        p.drawImage(QRectF(-17.5, -22.5, 35, 45), CardFace(cards[i], 2));
        p.restore();
    }
    QPainterPath word = TextPath(QStringLiteral("GAME OVER"), pal::Serif(56, true), QRectF(0, 160, w, 70));
    QRectF b = word.boundingRect();
    QLinearGradient red(0, b.top(), 0, b.bottom());
    red.setColorAt(0, QColor(0xff, 0x90, 0x70));
    red.setColorAt(0.5, pal::kCardRed);
    red.setColorAt(1, pal::kCrimsonDark);
    for (int i = 3; i >= 1; --i) {
        p.setPen(QPen(QColor(0, 0, 0, 70), 5 * i, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(word);
    }
    OutlinedText(p, word, red, pal::kInk, 1.6);
    QPainterPath sub = TextPath(QStringLiteral("力尽きた…"), pal::Mincho(16), QRectF(0, 222, w, 24));
    OutlinedText(p, sub, QColor(0xe8, 0xd8, 0xd0), pal::kInk, 1.4);
    Vignette(p, QRectF(0, 0, w, h), Qt::black, 0.8);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}
