#include "scene_kit.h"

#include "paint_util.h"
#include "palette.h"

#include <QLinearGradient>
#include <QRadialGradient>

Figure HeroFigure() {
    Figure f;
    f.bgTop = QColor(0x6a, 0x8a, 0xc0);
    f.bgBottom = QColor(0x2a, 0x3a, 0x6a);
    f.skin = QColor(0xf2, 0xc8, 0xa0);
    f.hair = Hair::Spiky;
    f.hairColour = QColor(0x5a, 0x36, 0x1e);
    f.eyeColour = QColor(0x2a, 0x5a, 0x9a);
    f.eyes = Eyes::Fierce;
    f.mouth = Mouth::Flat;
    f.hat = Hat::Headband;
    f.hatColour = pal::kCrimson;
    f.outfit = Outfit::Armour;
    f.cloth = QColor(0x5a, 0x7a, 0xb0);
    f.cloth2 = QColor(0x2a, 0x3a, 0x6a);
    f.trim = pal::kGold;
    f.prop = Prop::Sword;
    f.jaw = 0.5;
    return f;
}

void DrawHeroBack(QPainter& p, QPointF feet, double h, const QColor& cape, bool silhouette) {
    p.save();
    p.translate(feet);
    p.scale(h / 100.0, h / 100.0);  // drawn in a 100-high unit, feet at the origin
    const QColor dark = silhouette ? cape : QColor(0x2a, 0x24, 0x30);
    const QPen line = silhouette ? QPen(Qt::NoPen) : QPen(pal::kInk, 1.2);
    p.setPen(line);
    // Legs and boots.
    p.setBrush(dark);
    p.drawRect(QRectF(-7, -34, 5.5, 32));
    p.drawRect(QRectF(1.5, -34, 5.5, 32));
    p.setBrush(silhouette ? cape : QColor(0x4a, 0x30, 0x1e));
    p.drawRoundedRect(QRectF(-8, -10, 7.5, 10), 2, 2);
    p.drawRoundedRect(QRectF(0.5, -10, 7.5, 10), 2, 2);
    // Sword on the back.
    p.save();
    p.rotate(-24);
    p.setBrush(silhouette ? cape : pal::kSteel);
    p.drawRect(QRectF(-1.4, -92, 2.8, 48));
    p.setBrush(silhouette ? cape : pal::kGold);
    p.drawRect(QRectF(-5, -94, 10, 2.6));
    p.setBrush(silhouette ? cape : QColor(0x5a, 0x3a, 0x22));
    p.drawRect(QRectF(-1.5, -103, 3, 9));
    p.restore();
    // Cape from the shoulders, stirring in the wind.
    QPainterPath c;
    c.moveTo(-9, -80);
    c.cubicTo(-16, -70, -18, -48, -20, -28);
    c.quadTo(-10, -24, -2, -27);
    c.quadTo(8, -23, 19, -25);
    c.cubicTo(17, -46, 15, -70, 9, -80);
    c.closeSubpath();
    if (silhouette) {
        p.setBrush(cape);
    } else {
        QLinearGradient g(-20, 0, 20, 0);
        g.setColorAt(0, cape.lighter(130));
        g.setColorAt(1, cape.darker(140));
        p.setBrush(g);
    }
    p.drawPath(c);
    // Head and spiky hair seen from behind.
    QPainterPath head;
    head.addEllipse(QPointF(0, -88), 7.5, 8.5);
    for (int i = 0; i < 6; ++i) {
        double a = (-160 + i * 28) * M_PI / 180;
        QPainterPath spike;
        spike.moveTo(7 * std::cos(a - 0.3), -88 + 8 * std::sin(a - 0.3));
        spike.lineTo(12 * std::cos(a), -88 + 12.5 * std::sin(a));
        spike.lineTo(7 * std::cos(a + 0.3), -88 + 8 * std::sin(a + 0.3));
        spike.closeSubpath();
        head = head.united(spike);
    }
    p.setBrush(silhouette ? cape : QColor(0x5a, 0x36, 0x1e));
    p.drawPath(head);
    // Headband tails.
    QPainterPath tails;
    tails.moveTo(4, -90);
    tails.cubicTo(10, -92, 16, -86, 22, -88);
    tails.lineTo(21, -85);
    tails.cubicTo(15, -83, 10, -87, 4, -86);
    tails.closeSubpath();
    p.setBrush(silhouette ? cape : pal::kCrimson);
    p.drawPath(tails);
    if (!silhouette) {
        p.setPen(QPen(pal::kCrimson, 2.2));
        p.drawLine(QPointF(-7.4, -89), QPointF(7.4, -89));
    }
    p.restore();
}

QImage FigureCutout(Figure f, int scale) {
    f.frame = false;
    f.backdrop = false;
    QImage img = Canvas(85, 100, scale);
    QPainter p;
    BeginPaint(p, img, scale);
    DrawFigure(p, f);
    p.end();
    return img;
}

void DrawCutout(QPainter& p, const QImage& cutout, QPointF at, double width, double opacity) {
    p.save();
    p.setOpacity(opacity);
    p.drawImage(QRectF(at.x(), at.y(), width, width * cutout.height() / cutout.width()), cutout);
    p.restore();
}

void DrawSky(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, int stars, int seed) {
    p.fillRect(r, VGradient(r.top(), r.bottom(), top, bottom));
    if (stars > 0) Stars(p, QRectF(r.left(), r.top(), r.width(), r.height() * 0.7), stars, seed);
}

void DrawCaption(QPainter& p, const QRectF& canvas, const QString& text, double px) {
    QRectF band(canvas.left(), canvas.bottom() - px * 2.2, canvas.width(), px * 2.2);
    p.save();
    p.fillRect(band, VGradient(band.top(), band.bottom(), QColor(0, 0, 0, 0), QColor(0, 0, 0, 190)));
    QPainterPath t = TextPath(text, pal::Mincho(px, true), band.adjusted(0, px * 0.4, 0, 0));
    QRectF b = t.boundingRect();
    QLinearGradient gold(0, b.top(), 0, b.bottom());
    gold.setColorAt(0, pal::kGoldLight);
    gold.setColorAt(1, pal::kGold);
    OutlinedText(p, t, gold, pal::kInk, px / 12);
    p.restore();
}

void DrawCloud(QPainter& p, QPointF c, double size, const QColor& colour, int seed) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        double dx = (Hash01(seed, i, 1) - 0.5) * size * 1.4, dy = (Hash01(seed, i, 2) - 0.5) * size * 0.5;
        double r = size * (0.3 + 0.25 * Hash01(seed, i, 3));
        QRadialGradient g(c + QPointF(dx, dy), r);
        g.setColorAt(0, colour);
        g.setColorAt(1, WithAlpha(colour, 0));
        p.setBrush(g);
        p.drawEllipse(c + QPointF(dx, dy), r, r);
    }
    p.restore();
}

std::vector<QImage> CrossFade(const QImage& a, const QImage& b, int steps) {
    std::vector<QImage> out;
    for (int i = 1; i <= steps; ++i) out.push_back(Blend(a, b, double(i) / (steps + 1)));
    return out;
}

QImage Flat(int w, int h, const QColor& colour) {
    return Canvas(w, h, 1, colour);
}
