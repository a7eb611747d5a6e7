// "dData" 1..20: the maker's logo at start-up, 480 x 270. A spotlight comes up
// (1-4), three court cards slam onto the table one after another (5-7, 8-10,
// 11-13, the impacts falling on the frames where the impact sound plays), the
// maker's name appears (14-15), and a shine sweeps across it with the flourish
// sound (16-20).
#include "art.h"
#include "paint_util.h"
#include "palette.h"
#include "scenes.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace {
constexpr int kW = 480, kH = 270;

struct CardPose {
    int value;
    QPointF centre;
    double angle;
};
const CardPose kCards[3] = {{13, {170, 112}, -12}, {38, {240, 104}, 0}, {50, {310, 112}, 12}};

// Where a card is `t` of the way through its fall (0 high above, 1 landed).
void drawCard(QPainter& p, const CardPose& c, double t) {
    double scale = 1.2 * (1 + 1.3 * (1 - t) * (1 - t));
    QPointF at = c.centre + QPointF(0, -170 * (1 - t) * (1 - t));
    p.save();
    p.translate(at);
    p.rotate(c.angle + 25 * (1 - t));
    p.scale(scale, scale);
    if (t >= 1) {  // a shadow once it lies on the table
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 110));
        p.drawRoundedRect(QRectF(-33, -42, 70, 90), 6, 6);
    }
    p.setOpacity(0.55 + 0.45 * t);
    p.drawImage(QRectF(-35, -45, 70, 90), CardFace(c.value, 2));
    p.restore();
}

void impact(QPainter& p, QPointF at, double strength) {
    QRadialGradient flash(at, 90);
    flash.setColorAt(0, QColor(255, 250, 230, static_cast<int>(170 * strength)));
    flash.setColorAt(1, QColor(255, 250, 230, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(flash);
    p.drawEllipse(at, 90, 90);
    p.setPen(QPen(QColor(255, 230, 160, static_cast<int>(200 * strength)), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, 64, 22);
    // Sparks flying out from the blow.
    for (int i = 0; i < 10; ++i) {
        double a = i * 2 * M_PI / 10 + Hash01(i, 17) * 0.4;
        QPointF d(std::cos(a), std::sin(a) * 0.5);
        p.setPen(QPen(QColor(255, 220, 140, static_cast<int>(220 * strength)), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at + d * 48, at + d * (60 + 16 * Hash01(i, 18)));
    }
}

void stage(QPainter& p, double light) {
    p.fillRect(QRectF(0, 0, kW, kH), Qt::black);
    QRadialGradient spot(QPointF(kW / 2.0, kH / 2.0 - 10), 260);
    spot.setColorAt(0, Mix(Qt::black, QColor(0x26, 0x34, 0x66), light));
    spot.setColorAt(0.6, Mix(Qt::black, QColor(0x10, 0x16, 0x30), light));
    spot.setColorAt(1, Qt::black);
    p.fillRect(QRectF(0, 0, kW, kH), spot);
    Stars(p, QRectF(0, 0, kW, kH), 70, 3, 0.6 * light);
}

void name(QPainter& p, double opacity, double shine, double halo) {
    p.save();
    if (halo > 0) {  // a warm glow swells behind the name with the flourish
        QRadialGradient g(QPointF(kW / 2.0, 204), 150);
        g.setColorAt(0, QColor(0xf6, 0xc8, 0x60, static_cast<int>(110 * halo)));
        g.setColorAt(1, QColor(0xf6, 0xc8, 0x60, 0));
        p.fillRect(QRectF(0, 120, kW, 150), g);
    }
    p.setOpacity(opacity);
    QPainterPath word = TextPath(QStringLiteral("Nimbrel"), pal::Serif(44, true, true), QRectF(0, 178, kW, 52));
    QRectF b = word.boundingRect();
    QLinearGradient gold(0, b.top(), 0, b.bottom());
    gold.setColorAt(0, pal::kGoldLight);
    gold.setColorAt(0.5, pal::kGold);
    gold.setColorAt(1, pal::kGoldDark);
    OutlinedText(p, word, gold, pal::kInk, 1.2);
    if (shine >= 0) {  // the flourish: a band of light crossing the name
        double x = b.left() - 60 + (b.width() + 120) * shine;
        QLinearGradient band(x - 30, 0, x + 30, 0);
        band.setColorAt(0, QColor(255, 255, 255, 0));
        band.setColorAt(0.5, QColor(255, 255, 255, 230));
        band.setColorAt(1, QColor(255, 255, 255, 0));
        p.setClipPath(word);
        p.fillRect(b.adjusted(-40, 0, 40, 0), band);
        p.setClipping(false);
    }
    QPainterPath presents = TextPath(QStringLiteral("presents"), pal::Serif(15, false, true), QRectF(0, 228, kW, 22));
    OutlinedText(p, presents, QColor(0xd8, 0xd4, 0xe8), pal::kInk, 0.8);
    p.restore();
}

void twinkle(QPainter& p, QPointF at, double size) {
    p.save();
    QRadialGradient g(at, size);
    g.setColorAt(0, QColor(255, 255, 240, 230));
    g.setColorAt(1, QColor(255, 255, 240, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, size, size);
    p.setPen(QPen(QColor(255, 255, 240, 220), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at - QPointF(size * 1.8, 0), at + QPointF(size * 1.8, 0));
    p.drawLine(at - QPointF(0, size * 1.8), at + QPointF(0, size * 1.8));
    p.restore();
}

QImage frame(int n) {
    QImage img = Canvas(kW, kH, 1, Qt::black);
    QPainter p;
    BeginPaint(p, img, 1);
    const double lights[4] = {0.12, 0.38, 0.7, 1.0};
    stage(p, n <= 4 ? lights[n - 1] : 1.0);
    if (n >= 5 && n <= 13) {
        // Three falls of three frames each: two in the air, then the blow.
        const int falling = (n - 5) / 3, phase = (n - 5) % 3;
        if (phase == 2) p.translate(Hash01(n, 5) * 4 - 2, 2);  // the table shakes
        for (int i = 0; i < falling; ++i) drawCard(p, kCards[i], 1.0);
        drawCard(p, kCards[falling], phase == 0 ? 0.25 : phase == 1 ? 0.65 : 1.0);
        if (phase == 2) impact(p, kCards[falling].centre + QPointF(0, 30), 0.7 + 0.15 * falling);
    } else if (n >= 14) {
        for (const CardPose& c : kCards) drawCard(p, c, 1.0);
    }
    if (n >= 14) {
        const double opacity = n == 14 ? 0.5 : 1.0;
        // The flourish, 16..20: the shine crosses the name while the glow and
        // the sparkles grow, one more sparkle each frame.
        const double shine = n >= 16 && n <= 19 ? (n - 15.5) / 4.0 : -1;
        const double bloom = n >= 16 ? (n - 15) / 5.0 : 0;
        name(p, opacity, shine, bloom);
        const QPointF spots[5] = {{120, 52}, {360, 60}, {240, 26}, {96, 170}, {388, 176}};
        for (int i = 0; i < n - 15 && i < 5; ++i) twinkle(p, spots[i], (3 + 3 * Hash01(i, 8)) * (0.5 + bloom));
    }
    p.end();
    return img;
}
}  // namespace

std::vector<QImage> LogoFrames() {
    std::vector<QImage> frames;
    for (int n = 1; n <= 20; ++n) frames.push_back(frame(n));
    return frames;
}
