#include "figures.h"

#include "paint_util.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {
constexpr double kCx = 42.5;

// Where the parts of a head lie, worked out once from the figure's proportions.
struct Head {
    double cx = kCx, cy = 47, hw, hh;
    double top() const { return cy - hh; }
    double chin() const { return cy + hh; }
    double eyeY() const { return cy + 1.5; }
    double eyeDx() const { return 6.3 * hw / 14.5; }
    double mouthY() const { return cy + 11.5 * hh / 17.5; }
};

Head headOf(const Figure& f) {
    Head h;
    h.hw = 14.5 * f.headWidth;
    h.hh = 17.5 * f.headHeight;
    return h;
}

QPen ink(double w = pal::kLine) {
    return QPen(pal::kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath headPath(const Head& h, double jaw) {
    QPainterPath p;
    const double cx = h.cx, cy = h.cy, hw = h.hw, hh = h.hh;
    const double chinW = hw * (0.28 + 0.4 * jaw);
    p.moveTo(cx, cy - hh);
    p.cubicTo(cx + hw * 0.58, cy - hh, cx + hw, cy - hh * 0.58, cx + hw, cy - hh * 0.05);
    p.cubicTo(cx + hw, cy + hh * 0.45, cx + chinW + hw * 0.25, cy + hh * 0.88, cx + chinW * 0.4, cy + hh);
    p.quadTo(cx, cy + hh * 1.03, cx - chinW * 0.4, cy + hh);
    p.cubicTo(cx - chinW - hw * 0.25, cy + hh * 0.88, cx - hw, cy + hh * 0.45, cx - hw, cy - hh * 0.05);
    p.cubicTo(cx - hw, cy - hh * 0.58, cx - hw * 0.58, cy - hh, cx, cy - hh);
    p.closeSubpath();
    return p;
}

// ---------------------------------------------------------------- backdrop

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

// ---------------------------------------------------------------- body

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

void fillShaded(QPainter& p, const QPainterPath& path, const QColor& c, double w = pal::kLine) {
    QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, c.lighter(118));
    g.setColorAt(1, c.darker(122));
    p.setPen(ink(w));
    p.setBrush(g);
    p.drawPath(path);
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

// ---------------------------------------------------------------- hair

QPainterPath ellipse(QPointF c, double rx, double ry) {
    QPainterPath e;
    e.addEllipse(c, rx, ry);
    return e;
}

// The part of the hair that lies behind the head and over the shoulders.
void hairBack(QPainter& p, const Figure& f, const Head& h) {
    QPainterPath back;
    const double cx = h.cx, cy = h.cy, hw = h.hw;
    switch (f.hair) {
        case Hair::Long:
        case Hair::Wavy: {
            back.moveTo(cx - hw - 2, cy - 8);
            double sway = f.hair == Hair::Wavy ? 3 : 0;
            back.cubicTo(cx - hw - 7, cy + 10, cx - hw - 6 - sway, cy + 25, cx - hw - 8, 90);
            back.quadTo(cx - hw + 2, 94 + sway, cx - hw + 6, 88);
            back.lineTo(cx + hw - 6, 88);
            back.quadTo(cx + hw - 2, 94 + sway, cx + hw + 8, 90);
            back.cubicTo(cx + hw + 6 + sway, cy + 25, cx + hw + 7, cy + 10, cx + hw + 2, cy - 8);
            back.closeSubpath();
            break;
        }
        case Hair::Bob:
            back.moveTo(cx - hw - 3, cy - 6);
            back.cubicTo(cx - hw - 5, cy + 8, cx - hw - 4, cy + 15, cx - hw - 1, cy + 18);
            back.lineTo(cx + hw + 1, cy + 18);
            back.cubicTo(cx + hw + 4, cy + 15, cx + hw + 5, cy + 8, cx + hw + 3, cy - 6);
            back.closeSubpath();
            break;
        case Hair::Ponytail:
            back.moveTo(cx + hw - 4, cy - 10);
            back.cubicTo(cx + hw + 12, cy - 12, cx + hw + 14, cy + 14, cx + hw + 8, cy + 30);
            back.cubicTo(cx + hw + 6, cy + 14, cx + hw + 2, cy, cx + hw - 4, cy - 4);
            back.closeSubpath();
            break;
        case Hair::Twintails:
            for (int s : {-1, 1}) {
                QPainterPath t;
                t.moveTo(cx + s * (hw - 2), cy - 12);
                t.cubicTo(cx + s * (hw + 14), cy - 14, cx + s * (hw + 15), cy + 14, cx + s * (hw + 9), cy + 36);
                t.cubicTo(cx + s * (hw + 6), cy + 16, cx + s * (hw + 3), cy, cx + s * (hw - 1), cy - 4);
                t.closeSubpath();
                back.addPath(t);
            }
            break;
        case Hair::Bun:
            back = ellipse(QPointF(cx, h.top() - 3), 7.5, 6.5);
            break;
        default:
            return;
    }
    fillShaded(p, back, f.hairColour);
}

// The hair over the scalp and forehead; `fringeY` is where the fringe ends.
void hairFront(QPainter& p, const Figure& f, const Head& h) {
    const double cx = h.cx, cy = h.cy, hw = h.hw, top = h.top();
    QPainterPath scalp = ellipse(QPointF(cx, cy - 3), hw + 1.8, h.hh + 1.2);
    QPainterPath cut;  // the region the hair covers, intersected with the scalp
    auto poly = [](std::initializer_list<QPointF> pts) {
        QPainterPath r;
        auto it = pts.begin();
        r.moveTo(*it);
        for (++it; it != pts.end(); ++it) r.lineTo(*it);
        r.closeSubpath();
        return r;
    };
    const double fy = cy - 8;  // fringe line
    switch (f.hair) {
        case Hair::None:
            return;
        case Hair::Short:
            cut = poly({{cx - hw - 4, cy + 4},
                        {cx - hw + 1, cy + 2},
                        {cx - hw + 3, fy},
                        {cx - 7, fy - 1},
                        {cx - 4, fy + 2},
                        {cx, fy - 2},
                        {cx + 4, fy + 1.5},
                        {cx + 8, fy - 2},
                        {cx + hw - 2, fy + 1},
                        {cx + hw - 1, cy + 2},
                        {cx + hw + 4, cy + 4},
                        {cx + hw + 4, 0},
                        {cx - hw - 4, 0}});
            break;
        case Hair::Spiky: {
            cut = poly({{cx - hw - 4, cy + 3},
                        {cx - hw + 1, cy},
                        {cx - hw + 2, fy - 1},
                        {cx - 8, fy + 3},
                        {cx - 5, fy - 3},
                        {cx - 1, fy + 3},
                        {cx + 2, fy - 3},
                        {cx + 6, fy + 3},
                        {cx + 9, fy - 2},
                        {cx + hw - 1, fy + 2},
                        {cx + hw, cy},
                        {cx + hw + 4, cy + 3},
                        {cx + hw + 4, 0},
                        {cx - hw - 4, 0}});
            // Spikes standing out of the scalp.
            QPainterPath spikes;
            for (int i = 0; i < 7; ++i) {
                double a = (-150 + i * 20) * M_PI / 180;
                double bx = cx + (hw + 1) * std::cos(a), by = cy - 3 + (h.hh + 1) * std::sin(a);
                double tx = cx + (hw + 9) * std::cos(a - 0.12), ty = cy - 3 + (h.hh + 9) * std::sin(a - 0.12);
                double a2 = a + 0.35;
                spikes.addPath(poly({{bx, by},
                                     {tx, ty},
                                     {cx + (hw + 1) * std::cos(a2), cy - 3 + (h.hh + 1) * std::sin(a2)},
                                     {cx, cy}}));
            }
            scalp = scalp.united(spikes);
            break;
        }
        case Hair::Long:
        case Hair::Wavy:
            cut = poly({{cx - hw - 4, cy + 12},
                        {cx - hw + 1, cy + 10},
                        {cx - hw + 3, fy + 2},
                        {cx - 6, fy - 2},
                        {cx - 1, top + 6},
                        {cx + 2, fy - 4},
                        {cx + 9, fy},
                        {cx + hw - 2, fy + 4},
                        {cx + hw - 1, cy + 10},
                        {cx + hw + 4, cy + 12},
                        {cx + hw + 4, 0},
                        {cx - hw - 4, 0}});
            break;
        case Hair::Bob:
        case Hair::Twintails:
            cut = poly({{cx - hw - 4, cy + 10},
                        {cx - hw + 1.5, cy + 9},
                        {cx - hw + 2.5, fy + 1},
                        {cx + hw - 2.5, fy + 1},
                        {cx + hw - 1.5, cy + 9},
                        {cx + hw + 4, cy + 10},
                        {cx + hw + 4, 0},
                        {cx - hw - 4, 0}});
            break;
        case Hair::Bun:
        case Hair::Slick:
        case Hair::Ponytail:
            cut = poly({{cx - hw - 4, cy + 3},
                        {cx - hw + 1, cy + 1},
                        {cx - hw + 3, fy - 3},
                        {cx - 4, top + 5},
                        {cx + 5, top + 4.5},
                        {cx + hw - 3, fy - 3},
                        {cx + hw - 1, cy + 1},
                        {cx + hw + 4, cy + 3},
                        {cx + hw + 4, 0},
                        {cx - hw - 4, 0}});
            break;
        case Hair::Curly: {
            QPainterPath curls;
            for (int i = 0; i < 11; ++i) {
                double a = (-190 + i * 20) * M_PI / 180;
                curls.addEllipse(QPointF(cx + (hw + 1) * std::cos(a), cy - 4 + (h.hh + 1) * std::sin(a)), 4.6, 4.6);
            }
            curls.setFillRule(Qt::WindingFill);
            scalp = scalp.united(curls.simplified());
            cut = poly({{cx - hw - 8, cy + 4},
                        {cx - hw + 2, cy},
                        {cx - 6, fy},
                        {cx, fy - 2},
                        {cx + 6, fy},
                        {cx + hw - 2, cy},
                        {cx + hw + 8, cy + 4},
                        {cx + hw + 8, 0},
                        {cx - hw - 8, 0}});
            break;
        }
        case Hair::SidesOnly: {
            QPainterPath sides;
            sides.addEllipse(QPointF(cx - hw + 0.5, cy - 2), 3.5, 7);
            sides.addEllipse(QPointF(cx + hw - 0.5, cy - 2), 3.5, 7);
            fillShaded(p, sides, f.hairColour);
            return;
        }
    }
    QPainterPath hair = scalp.intersected(cut);
    fillShaded(p, hair, f.hairColour);
    // A sheen line following the crown.
    p.save();
    p.setClipPath(hair);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - hw + 2, top + 2, hw * 2 - 4, h.hh), 100 * 16, 60 * 16);
    p.restore();
    if (f.hair == Hair::Slick) {
        p.setPen(QPen(f.hairColour.darker(150), 0.8));
        p.drawLine(QPointF(cx - 5, top + 1), QPointF(cx - 3, fy - 5));
    }
}

// ---------------------------------------------------------------- face

void ears(QPainter& p, const Figure& f, const Head& h) {
    for (int s : {-1, 1}) {
        QPainterPath e;
        double x = h.cx + s * (h.hw - 0.5), y = h.eyeY() + 1;
        if (f.pointyEars) {
            e.moveTo(x, y - 4);
            e.quadTo(x + s * 7, y - 7, x + s * 10, y - 10);
            e.quadTo(x + s * 6, y + 2, x, y + 5);
            e.closeSubpath();
        } else {
            e.addEllipse(QPointF(x + s * 1.2, y), 3.2, 4.8);
        }
        p.setPen(ink());
        p.setBrush(f.skin.darker(106));
        p.drawPath(e);
        if (f.earrings) {
            p.setBrush(pal::kGold);
            p.setPen(ink(pal::kFine));
            p.drawEllipse(QPointF(x + s * 1.2, y + 6), 1.5, 1.5);
        }
    }
}

void oneEye(QPainter& p, const Figure& f, double ex, double ey, int side) {
    const QColor lid = pal::kInk;
    double rx = f.feminine ? 3.6 : 3.3, ry = f.feminine ? 3.3 : 2.7;
    switch (f.eyes) {
        case Eyes::Closed: {
            p.setPen(QPen(lid, 1.1, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            QPainterPath c;
            c.moveTo(ex - 3.2, ey);
            c.quadTo(ex, ey + 2.2, ex + 3.2, ey);
            p.drawPath(c);
            return;
        }
        case Eyes::Happy: {
            p.setPen(QPen(lid, 1.2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            QPainterPath c;
            c.moveTo(ex - 3.2, ey + 1);
            c.quadTo(ex, ey - 2.6, ex + 3.2, ey + 1);
            p.drawPath(c);
            return;
        }
        case Eyes::Old: {
            p.setPen(QPen(lid, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(ex - 2.8, ey - 0.4), QPointF(ex + 2.8, ey - 0.4));
            p.setPen(Qt::NoPen);
            p.setBrush(f.eyeColour.darker(140));
            p.drawEllipse(QPointF(ex, ey + 0.5), 1.1, 1.0);
            p.setPen(QPen(QColor(0x80, 0x50, 0x40, 150), 0.6));
            p.drawLine(QPointF(ex - 2.2, ey + 2.6), QPointF(ex + 2, ey + 2.8));
            return;
        }
        default:
            break;
    }
    if (f.eyes == Eyes::Narrow) ry = 1.5;
    // The white of the eye, shaped by the lids.
    QPainterPath white;
    double inner = ex - side * rx, outer = ex + side * rx;
    double tiltIn = f.eyes == Eyes::Fierce ? 1.3 : f.eyes == Eyes::Gentle ? -0.4 : 0;
    double tiltOut = f.eyes == Eyes::Gentle ? 1.0 : f.eyes == Eyes::Fierce ? -0.6 : 0;
    white.moveTo(inner, ey + tiltIn * 0.3);
    white.cubicTo(inner + side * rx * 0.3, ey - ry + tiltIn, outer - side * rx * 0.4, ey - ry + tiltOut, outer,
                  ey + tiltOut * 0.5);
    white.cubicTo(outer - side * rx * 0.3, ey + ry * 0.9, inner + side * rx * 0.4, ey + ry * 0.9, inner,
                  ey + tiltIn * 0.3);
    white.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(f.eyes == Eyes::Glow ? QColor(0xff, 0xe0, 0x60) : QColor(0xff, 0xfd, 0xf8));
    p.drawPath(white);
    p.save();
    p.setClipPath(white);
    if (f.eyes == Eyes::Glow) {
        p.setBrush(QColor(0xe0, 0x20, 0x10));
        p.drawEllipse(QPointF(ex, ey), 2.6, 2.6);
        p.setBrush(pal::kInk);
        p.drawEllipse(QPointF(ex, ey), 0.6, 2.4);  // slit pupil
    } else {
        double ir = f.feminine ? 2.5 : 2.1;
        QRadialGradient iris(QPointF(ex, ey + 0.8), ir);
        iris.setColorAt(0, f.eyeColour.lighter(150));
        iris.setColorAt(1, f.eyeColour.darker(120));
        p.setBrush(iris);
        p.drawEllipse(QPointF(ex, ey + 0.2), ir, ir + 0.2);
        p.setBrush(pal::kInk);
        p.drawEllipse(QPointF(ex, ey + 0.2), ir * 0.45, ir * 0.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(ex - 0.8, ey - 0.8), 0.7, 0.7);
    }
    p.restore();
    // Upper lid line, heavier than the rest.
    QPainterPath upper;
    upper.moveTo(inner, ey + tiltIn * 0.3);
    upper.cubicTo(inner + side * rx * 0.3, ey - ry + tiltIn, outer - side * rx * 0.4, ey - ry + tiltOut, outer,
                  ey + tiltOut * 0.5);
    p.setPen(QPen(lid, f.feminine ? 1.5 : 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(upper);
    if (f.feminine) {  // a lash flick at the outer corner
        p.drawLine(QPointF(outer, ey + tiltOut * 0.5), QPointF(outer + side * 1.5, ey - 1.5));
    }
}

void eyesAndBrows(QPainter& p, const Figure& f, const Head& h) {
    const double ey = h.eyeY(), dx = h.eyeDx();
    for (int s : {-1, 1}) {
        double ex = h.cx + s * dx;
        if (f.eyepatch && s == 1) continue;
        oneEye(p, f, ex, ey, s);
    }
    if (f.eyes == Eyes::Glow) {
        for (int s : {-1, 1}) {
            QRadialGradient g(QPointF(h.cx + s * dx, ey), 6);
            g.setColorAt(0, QColor(255, 80, 40, 110));
            g.setColorAt(1, QColor(255, 80, 40, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(QPointF(h.cx + s * dx, ey), 6, 6);
        }
    }
    // Brows: `browTilt` lowers the inner ends for a frown.
    double tilt = f.browTilt + (f.eyes == Eyes::Fierce || f.eyes == Eyes::Glow ? 1.2 : 0);
    QColor browColour = f.hair == Hair::None ? f.skin.darker(160) : f.hairColour.darker(125);
    if (f.beard == Beard::LongWhite) browColour = QColor(0xe8, 0xe6, 0xe0);
    p.setPen(QPen(browColour, f.feminine ? 1.0 : 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int s : {-1, 1}) {
        double ex = h.cx + s * dx;
        QPainterPath b;
        b.moveTo(ex - s * 3.2, ey - 5.2 + tilt);
        b.quadTo(ex, ey - 6.6, ex + s * 3.5, ey - 5.0 - tilt * 0.3);
        p.drawPath(b);
    }
    if (f.browTilt > 0.8 || f.eyes == Eyes::Fierce) {  // a crease between frowning brows
        p.setPen(QPen(QColor(0x80, 0x40, 0x30, 120), 0.6));
        p.drawLine(QPointF(h.cx - 0.6, ey - 5), QPointF(h.cx - 0.3, ey - 2.8));
    }
}

void nose(QPainter& p, const Figure& f, const Head& h) {
    const double y = h.cy + 6.5;
    p.setPen(QPen(f.skin.darker(150), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (f.feminine) {
        p.drawLine(QPointF(h.cx + 0.3, y + 2), QPointF(h.cx + 1.0, y + 2.6));
        return;
    }
    QPainterPath n;
    n.moveTo(h.cx + 0.8, y - 3);
    n.lineTo(h.cx + 1.8, y + 2.4);
    n.quadTo(h.cx + 0.5, y + 3.4, h.cx - 1.2, y + 2.8);
    p.drawPath(n);
}

void mouth(QPainter& p, const Figure& f, const Head& h) {
    const double x = h.cx, y = h.mouthY();
    const QColor lipInk = pal::kInk;
    p.setBrush(Qt::NoBrush);
    auto openShape = [&](double w, double depth, bool fangs) {
        QPainterPath m;
        m.moveTo(x - w, y - 0.5);
        m.quadTo(x, y + 1, x + w, y - 0.5);
        m.quadTo(x, y + depth, x - w, y - 0.5);
        m.closeSubpath();
        p.setPen(QPen(lipInk, 0.9));
        p.setBrush(QColor(0x8a, 0x22, 0x2a));
        p.drawPath(m);
        p.save();
        p.setClipPath(m);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(x - w, y - 1, w * 2, 1.9));
        p.setBrush(QColor(0xe0, 0x60, 0x70));
        p.drawEllipse(QPointF(x, y + depth * 0.7), w * 0.5, depth * 0.35);
        p.restore();
        if (fangs) {
            p.setPen(QPen(lipInk, 0.5));
            p.setBrush(Qt::white);
            for (int s : {-1, 1}) {
                QPainterPath t;
                t.moveTo(x + s * (w - 2.6), y + 0.3);
                t.lineTo(x + s * (w - 1.0), y + 0.1);
                t.lineTo(x + s * (w - 1.9), y + 3.4);
                t.closeSubpath();
                p.drawPath(t);
            }
        }
    };
    QPainterPath m;
    switch (f.mouth) {
        case Mouth::Smile:
            m.moveTo(x - 4, y - 0.6);
            m.quadTo(x, y + 2.6, x + 4, y - 0.6);
            p.setPen(QPen(lipInk, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(m);
            break;
        case Mouth::Grin:
            openShape(4.6, 5.2, false);
            break;
        case Mouth::Fangs:
            openShape(5.0, 5.0, true);
            break;
        case Mouth::Frown:
            m.moveTo(x - 3.8, y + 1);
            m.quadTo(x, y - 1.6, x + 3.8, y + 1);
            p.setPen(QPen(lipInk, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(m);
            break;
        case Mouth::Flat:
            p.setPen(QPen(lipInk, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x - 3.4, y), QPointF(x + 3.4, y));
            break;
        case Mouth::Open:
            p.setPen(QPen(lipInk, 0.9));
            p.setBrush(QColor(0x8a, 0x22, 0x2a));
            p.drawEllipse(QPointF(x, y + 0.8), 2.2, 2.6);
            break;
        case Mouth::Smirk:
            m.moveTo(x - 3.6, y + 0.4);
            m.quadTo(x + 1, y + 1.6, x + 4.2, y - 1.8);
            p.setPen(QPen(lipInk, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(m);
            break;
    }
    if (f.feminine && (f.mouth == Mouth::Smile || f.mouth == Mouth::Flat || f.mouth == Mouth::Smirk)) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe0, 0x70, 0x78, 150));
        p.drawEllipse(QPointF(x, y + 1.6), 2.0, 0.9);
    }
}

void beard(QPainter& p, const Figure& f, const Head& h, const QPainterPath& headShape) {
    const double cx = h.cx, y = h.mouthY();
    QColor c = f.beard == Beard::LongWhite ? QColor(0xf0, 0xee, 0xe8) : f.hairColour;
    auto moustache = [&](bool curled) {
        QPainterPath m;
        m.moveTo(cx, y - 3.2);
        m.cubicTo(cx - 3, y - 4.2, cx - 6, y - 2.4, cx - (curled ? 8 : 6.5), y - (curled ? 4.0 : 0.6));
        if (curled) m.quadTo(cx - 9.5, y - 5.5, cx - 8.5, y - 6.0);
        m.cubicTo(cx - 6, y - 0.2, cx - 3, y - 1.6, cx, y - 1.6);
        m.cubicTo(cx + 3, y - 1.6, cx + 6, y - 0.2, cx + (curled ? 8.5 : 6.5), y - (curled ? 6.0 : 0.6));
        if (curled) m.quadTo(cx + 9.5, y - 5.5, cx + 8, y - 4.0);
        m.cubicTo(cx + 6, y - 2.4, cx + 3, y - 4.2, cx, y - 3.2);
        m.closeSubpath();
        fillShaded(p, m, c, pal::kFine);
    };
    switch (f.beard) {
        case Beard::None:
            return;
        case Beard::Stubble: {
            p.save();
            p.setClipPath(headShape);
            QRadialGradient g(QPointF(cx, h.chin() + 2), h.hw * 0.95);
            g.setColorAt(0, WithAlpha(f.hairColour, 95));
            g.setColorAt(0.7, WithAlpha(f.hairColour, 60));
            g.setColorAt(1, WithAlpha(f.hairColour, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRect(QRectF(cx - h.hw, y - 5, h.hw * 2, h.chin() - y + 8));
            p.restore();
            return;
        }
        case Beard::Moustache:
            moustache(false);
            return;
        case Beard::CurledMoustache:
            moustache(true);
            return;
        case Beard::Goatee: {
            QPainterPath g;
            g.moveTo(cx - 3.5, y + 3);
            g.quadTo(cx, y + 2, cx + 3.5, y + 3);
            g.quadTo(cx + 2.5, h.chin() + 5, cx, h.chin() + 6);
            g.quadTo(cx - 2.5, h.chin() + 5, cx - 3.5, y + 3);
            fillShaded(p, g, c, pal::kFine);
            moustache(false);
            return;
        }
        case Beard::Full:
        case Beard::LongWhite: {
            bool longOne = f.beard == Beard::LongWhite;
            double bottom = longOne ? 92 : h.chin() + 5;
            QPainterPath b;
            b.moveTo(cx - h.hw + 0.5, h.cy + 1);
            b.cubicTo(cx - h.hw + 1, y + 4, cx - 9, bottom - 2, cx, bottom);
            b.cubicTo(cx + 9, bottom - 2, cx + h.hw - 1, y + 4, cx + h.hw - 0.5, h.cy + 1);
            b.cubicTo(cx + h.hw - 3, y + 1, cx + 6, y + 3.5, cx, y + 3.5);
            b.cubicTo(cx - 6, y + 3.5, cx - h.hw + 3, y + 1, cx - h.hw + 0.5, h.cy + 1);
            b.closeSubpath();
            fillShaded(p, b, c);
            p.setPen(QPen(c.darker(130), 0.6));
            for (int i = -2; i <= 2; ++i)
                p.drawLine(QPointF(cx + i * 3.2, y + 5), QPointF(cx + i * 3.6, bottom - 3 - std::abs(i) * 2));
            moustache(false);
            return;
        }
    }
}

void faceMarks(QPainter& p, const Figure& f, const Head& h) {
    if (f.blush) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0x70, 0x70, 80));
        for (int s : {-1, 1}) p.drawEllipse(QPointF(h.cx + s * 8, h.eyeY() + 6), 3.2, 1.8);
    }
    if (f.wrinkles) {
        p.setPen(QPen(f.skin.darker(145), 0.6));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 2; ++i) p.drawArc(QRectF(h.cx - 7, h.eyeY() - 12 + i * 2.2, 14, 5), 30 * 16, 120 * 16);
        for (int s : {-1, 1}) {
            p.drawLine(QPointF(h.cx + s * 4.5, h.cy + 7), QPointF(h.cx + s * 6.5, h.mouthY() + 1));
            p.drawLine(QPointF(h.cx + s * (h.eyeDx() + 4.2), h.eyeY() - 0.5),
                       QPointF(h.cx + s * (h.eyeDx() + 5.8), h.eyeY() + 1.2));
        }
    }
    if (f.scar) {
        p.setPen(QPen(QColor(0xa0, 0x40, 0x40), 1.0, Qt::SolidLine, Qt::RoundCap));
        double x = h.cx - h.eyeDx() - 1;
        p.drawLine(QPointF(x - 2, h.eyeY() - 8), QPointF(x + 3, h.eyeY() + 8));
        p.setPen(QPen(QColor(0xa0, 0x40, 0x40), 0.6));
        for (int i = 0; i < 3; ++i) {
            double t = 0.25 + i * 0.25;
            QPointF c(x - 2 + 5 * t, h.eyeY() - 8 + 16 * t);
            p.drawLine(c + QPointF(-1.5, 0.3), c + QPointF(1.5, -0.3));
        }
    }
    if (f.soot) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x28, 0x28, 90));
        p.drawEllipse(QPointF(h.cx + 8.5, h.eyeY() + 7), 3.5, 2.2);
        p.drawEllipse(QPointF(h.cx - 5, h.top() + 9), 2.5, 1.5);
    }
    if (f.bandage) {
        p.save();
        p.translate(h.cx + 8, h.eyeY() + 6);
        p.rotate(-20);
        p.setPen(ink(pal::kFine));
        p.setBrush(QColor(0xf2, 0xe6, 0xcc));
        p.drawRoundedRect(QRectF(-4.5, -1.6, 9, 3.2), 1.2, 1.2);
        p.rotate(90);
        p.drawRoundedRect(QRectF(-4.5, -1.6, 9, 3.2), 1.2, 1.2);
        p.restore();
    }
}

void headWithLight(QPainter& p, const Figure& f, const Head& h, const QPainterPath& headShape) {
    p.setPen(ink());
    p.setBrush(f.skin);
    p.drawPath(headShape);
    // Light from the upper left: the right cheek falls into shade.
    p.save();
    p.setClipPath(headShape);
    QLinearGradient shade(h.cx - h.hw, 0, h.cx + h.hw, 0);
    shade.setColorAt(0, QColor(255, 255, 255, 40));
    shade.setColorAt(0.55, QColor(255, 255, 255, 0));
    shade.setColorAt(0.75, QColor(0x80, 0x30, 0x30, 0));
    shade.setColorAt(1, QColor(0x80, 0x30, 0x30, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(headShape);
    p.restore();
    p.setPen(ink());
    p.setBrush(Qt::NoBrush);
    p.drawPath(headShape);
}

// ---------------------------------------------------------------- headgear

void horn(QPainter& p, const Head& h, int s) {
    const double bx = h.cx + s * (h.hw - 4), by = h.top() + 7;
    QPainterPath c;
    c.moveTo(bx - s * 3, by + 3);
    c.cubicTo(bx + s * 10, by + 2, bx + s * 18, by - 6, bx + s * 17, by - 24);
    c.cubicTo(bx + s * 12, by - 12, bx + s * 6, by - 6, bx - s * 2, by - 4);
    c.closeSubpath();
    QLinearGradient g(bx, by, bx + s * 17, by - 24);
    g.setColorAt(0, QColor(0x9a, 0x8a, 0x70));
    g.setColorAt(1, QColor(0xf4, 0xec, 0xd8));
    p.setPen(ink());
    p.setBrush(g);
    p.drawPath(c);
    p.setPen(QPen(QColor(0x70, 0x60, 0x50), 0.6));
    for (int i = 1; i <= 3; ++i) {
        double t = i / 4.0;
        QPointF a(bx + s * (12 * t), by + 2 - 8 * t * t);
        QPointF b(bx + s * (9 * t - 1), by - 5 - 8 * t);
        p.drawLine(a, b);
    }
}

void crownShape(QPainter& p, const Figure& f, const Head& h, bool spiked) {
    const double cx = h.cx, base = h.top() + 8, w = h.hw + 1.5;
    QPainterPath c;
    c.moveTo(cx - w, base);
    int points = spiked ? 5 : 3;
    double height = spiked ? 17 : 11;
    c.lineTo(cx - w, base - 5);
    for (int i = 0; i <= points * 2; ++i) {
        double x = cx - w + 2 * w * i / (points * 2);
        double y = i % 2 == 0 ? base - height - (i == points ? 3 : 0) : base - 5.5;
        c.lineTo(x, y);
    }
    c.lineTo(cx + w, base - 5);
    c.lineTo(cx + w, base);
    c.closeSubpath();
    QLinearGradient g(cx - w, base - height, cx + w, base);
    QColor metal = spiked ? f.hatColour : pal::kGold;
    g.setColorAt(0, metal.lighter(150));
    g.setColorAt(1, metal.darker(125));
    p.setPen(ink());
    p.setBrush(g);
    p.drawPath(c);
    p.setPen(QPen(spiked ? pal::kGold : pal::kGoldDark, 0.9));
    p.drawLine(QPointF(cx - w + 0.5, base - 3), QPointF(cx + w - 0.5, base - 3));
    p.setPen(ink(pal::kFine));
    p.setBrush(f.hatColour2);
    p.drawEllipse(QPointF(cx, base - 7.5), 2.2, 2.2);
    for (int s : {-1, 1}) p.drawEllipse(QPointF(cx + s * w * 0.6, base - 3), 1.3, 1.3);
    if (!spiked) {
        p.setBrush(Qt::white);
        for (int i = 0; i <= points * 2; i += 2) {
            double x = cx - w + 2 * w * i / (points * 2);
            p.drawEllipse(QPointF(x, base - height - (i == points ? 3 : 0)), 1.1, 1.1);
        }
    }
}

QPainterPath dome(const Head& h, double bottom, double grow) {
    QPainterPath d;
    d.moveTo(h.cx - h.hw - grow, bottom);
    d.cubicTo(h.cx - h.hw - grow, h.top() - 6 - grow, h.cx + h.hw + grow, h.top() - 6 - grow, h.cx + h.hw + grow,
              bottom);
    d.closeSubpath();
    return d;
}

void metalFill(QPainter& p, const QPainterPath& path, const QColor& c) {
    QRectF b = path.boundingRect();
    QLinearGradient g(b.left(), b.top(), b.right(), b.bottom());
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(0.45, c);
    g.setColorAt(1, c.darker(150));
    p.setPen(ink());
    p.setBrush(g);
    p.drawPath(path);
}

void headgear(QPainter& p, const Figure& f, const Head& h) {
    const double cx = h.cx, top = h.top();
    switch (f.hat) {
        case Hat::None:
            return;
        case Hat::Horns:
            horn(p, h, -1);
            horn(p, h, 1);
            return;
        case Hat::Crown:
            crownShape(p, f, h, false);
            return;
        case Hat::CrownSpiked:
            crownShape(p, f, h, true);
            return;
        case Hat::Circlet: {
            QPainterPath band;
            band.moveTo(cx - h.hw - 0.5, h.cy - 9);
            band.quadTo(cx, h.cy - 15, cx + h.hw + 0.5, h.cy - 9);
            p.setPen(QPen(pal::kInk, 3.0, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(band);
            p.setPen(QPen(f.hatColour, 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(band);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.hatColour2);
            QPainterPath gem;
            gem.moveTo(cx, h.cy - 16);
            gem.lineTo(cx + 2.6, h.cy - 12.5);
            gem.lineTo(cx, h.cy - 9);
            gem.lineTo(cx - 2.6, h.cy - 12.5);
            gem.closeSubpath();
            p.drawPath(gem);
            return;
        }
        case Hat::Tiara: {
            QPainterPath t;
            t.moveTo(cx - 8, top + 5);
            t.lineTo(cx - 5, top - 1);
            t.lineTo(cx - 2.5, top + 2);
            t.lineTo(cx, top - 4);
            t.lineTo(cx + 2.5, top + 2);
            t.lineTo(cx + 5, top - 1);
            t.lineTo(cx + 8, top + 5);
            t.quadTo(cx, top + 2.5, cx - 8, top + 5);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.hatColour);
            p.drawPath(t);
            p.setBrush(f.hatColour2);
            p.drawEllipse(QPointF(cx, top + 1), 1.5, 1.5);
            return;
        }
        case Hat::ScholarCap: {
            // A dark official's cap with a raised back and a gold band.
            QPainterPath back;
            back.addRoundedRect(QRectF(cx - 8, top - 13, 16, 14), 3, 3);
            metalFill(p, back, f.hatColour);
            QPainterPath cap = dome(h, h.cy - 9, 1.5);
            metalFill(p, cap, f.hatColour);
            p.setPen(QPen(f.hatColour2, 1.6));
            p.drawLine(QPointF(cx - h.hw - 0.5, h.cy - 11), QPointF(cx + h.hw + 0.5, h.cy - 11));
            // Stiff wings at the sides.
            p.setPen(ink(pal::kFine));
            p.setBrush(f.hatColour);
            for (int s : {-1, 1}) {
                p.drawRoundedRect(QRectF(s < 0 ? cx - h.hw - 12 : cx + h.hw + 1, top - 2, 11, 3.2), 1.5, 1.5);
            }
            return;
        }
        case Hat::KettleHelmet: {
            QPainterPath d = dome(h, h.cy - 8, 1.5);
            metalFill(p, d, f.hatColour);
            QPainterPath brim;
            brim.addEllipse(QPointF(cx, h.cy - 8.5), h.hw + 9, 4.2);
            metalFill(p, brim, f.hatColour.darker(110));
            p.setPen(QPen(f.hatColour2, 1.4));
            p.setBrush(Qt::NoBrush);
            QPainterPath band;
            band.moveTo(cx - h.hw - 1, h.cy - 11.5);
            band.quadTo(cx, h.cy - 13.5, cx + h.hw + 1, h.cy - 11.5);
            p.drawPath(band);
            // Chin strap.
            p.setPen(QPen(QColor(0x5a, 0x3a, 0x22), 1.2));
            for (int s : {-1, 1})
                p.drawLine(QPointF(cx + s * (h.hw - 1.5), h.cy - 6), QPointF(cx + s * 6, h.chin() - 1.5));
            return;
        }
        case Hat::PlumedHelmet:
        case Hat::HornedHelmet: {
            if (f.hat == Hat::PlumedHelmet) {
                QPainterPath plume;
                plume.moveTo(cx - 2, top - 4);
                plume.cubicTo(cx + 6, top - 18, cx + 26, top - 16, cx + 30, top + 6);
                plume.cubicTo(cx + 22, top - 6, cx + 10, top - 6, cx + 3, top - 1);
                plume.closeSubpath();
                fillShaded(p, plume, f.hatColour2);
            } else {
                for (int s : {-1, 1}) {
                    QPainterPath hn;
                    double bx = cx + s * (h.hw - 2), by = h.cy - 12;
                    hn.moveTo(bx, by);
                    hn.cubicTo(bx + s * 10, by - 2, bx + s * 14, by - 10, bx + s * 12, by - 20);
                    hn.cubicTo(bx + s * 8, by - 12, bx + s * 4, by - 8, bx - s * 1, by - 6);
                    hn.closeSubpath();
                    QLinearGradient g(bx, by, bx + s * 12, by - 20);
                    g.setColorAt(0, QColor(0xb0, 0xa0, 0x80));
                    g.setColorAt(1, QColor(0xfa, 0xf4, 0xe4));
                    p.setPen(ink());
                    p.setBrush(g);
                    p.drawPath(hn);
                }
            }
            QPainterPath d = dome(h, h.cy - 6, 1.8);
            // Cheek guards.
            for (int s : {-1, 1}) {
                QPainterPath g;
                double x0 = cx + s * (h.hw + 1.8);
                g.moveTo(x0, h.cy - 8);
                g.lineTo(x0, h.cy + 8);
                g.quadTo(x0 - s * 4, h.cy + 11, x0 - s * 6, h.cy + 7);
                g.lineTo(x0 - s * 4.5, h.cy - 6);
                g.closeSubpath();
                d = d.united(g);
            }
            metalFill(p, d, f.hatColour);
            p.setPen(QPen(f.trim, 1.5));
            p.drawLine(QPointF(cx, top - 5), QPointF(cx, h.cy - 7));
            p.setBrush(Qt::NoBrush);
            QPainterPath rim;
            rim.moveTo(cx - h.hw - 1.5, h.cy - 7);
            rim.quadTo(cx, h.cy - 10, cx + h.hw + 1.5, h.cy - 7);
            p.drawPath(rim);
            return;
        }
        case Hat::NasalHelmet: {
            QPainterPath d;
            d.moveTo(cx - h.hw - 2, h.cy - 6);
            d.cubicTo(cx - h.hw - 1, top - 2, cx - 6, top - 9, cx, top - 11);
            d.cubicTo(cx + 6, top - 9, cx + h.hw + 1, top - 2, cx + h.hw + 2, h.cy - 6);
            d.closeSubpath();
            QPainterPath guard;
            guard.addRoundedRect(QRectF(cx - 1.8, h.cy - 8, 3.6, 14), 1.2, 1.2);
            metalFill(p, d.united(guard), f.hatColour);
            p.setPen(QPen(f.hatColour2, 2.0));
            p.setBrush(Qt::NoBrush);
            QPainterPath band;
            band.moveTo(cx - h.hw - 1.5, h.cy - 8);
            band.quadTo(cx, h.cy - 11, cx + h.hw + 1.5, h.cy - 8);
            p.drawPath(band);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x40, 0x40, 0x48));
            for (int i = -3; i <= 3; ++i)
                p.drawEllipse(QPointF(cx + i * 4, h.cy - 8.8 - (3 - std::abs(i)) * 0.35), 0.7, 0.7);
            return;
        }
        case Hat::Bandana:
        case Hat::Headband: {
            bool full = f.hat == Hat::Bandana;
            if (full) {
                QPainterPath cap = dome(h, h.cy - 9, 1.2);
                fillShaded(p, cap, f.hatColour);
            }
            QPainterPath band;
            band.moveTo(cx - h.hw - 1, h.cy - 6.5);
            band.quadTo(cx, h.cy - 11.5, cx + h.hw + 1, h.cy - 6.5);
            band.lineTo(cx + h.hw + 1, h.cy - 11);
            band.quadTo(cx, h.cy - 16, cx - h.hw - 1, h.cy - 11);
            band.closeSubpath();
            fillShaded(p, band, full ? f.hatColour.darker(115) : f.hatColour, pal::kFine);
            // Knot and tails at the side.
            QPainterPath tails;
            double kx = cx + h.hw + 1, ky = h.cy - 9;
            tails.moveTo(kx, ky);
            tails.cubicTo(kx + 6, ky + 2, kx + 8, ky + 8, kx + 7, ky + 14);
            tails.lineTo(kx + 4, ky + 12);
            tails.cubicTo(kx + 4, ky + 7, kx + 2, ky + 4, kx, ky + 2);
            tails.closeSubpath();
            fillShaded(p, tails, f.hatColour, pal::kFine);
            p.setPen(ink(pal::kFine));
            p.setBrush(f.hatColour.darker(110));
            p.drawEllipse(QPointF(kx, ky), 2.4, 2.4);
            if (full) {
                p.setPen(Qt::NoPen);
                p.setBrush(f.hatColour2);
                for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(cx - 9 + i * 4.5, top + 4 + (i % 2) * 2), 1, 1);
            }
            return;
        }
        case Hat::Kerchief: {
            QPainterPath k;
            k.moveTo(cx - h.hw - 3, h.cy + 6);
            k.cubicTo(cx - h.hw - 4, top - 8, cx + h.hw + 4, top - 8, cx + h.hw + 3, h.cy + 6);
            k.lineTo(cx + h.hw - 0.5, h.cy + 6);
            k.cubicTo(cx + h.hw - 1, h.cy - 8, cx + 6, h.cy - 11, cx, h.cy - 11);
            k.cubicTo(cx - 6, h.cy - 11, cx - h.hw + 1, h.cy - 8, cx - h.hw + 0.5, h.cy + 6);
            k.closeSubpath();
            fillShaded(p, k, f.hatColour);
            p.setPen(Qt::NoPen);
            p.setBrush(f.hatColour2);
            for (int i = 0; i < 6; ++i)
                p.drawEllipse(QPointF(cx - 12 + i * 4.8, top + 1 + std::abs(i - 2.5) * 1.6), 1.0, 1.0);
            // The knot under the chin.
            QPainterPath knot;
            knot.moveTo(cx - h.hw + 0.5, h.cy + 6);
            knot.quadTo(cx - 6, h.chin() + 1, cx - 2, h.chin() + 4);
            knot.lineTo(cx - 6, h.chin() + 9);
            knot.lineTo(cx - 1, h.chin() + 7);
            knot.lineTo(cx + 1, h.chin() + 3);
            knot.quadTo(cx - 4, h.chin() - 2, cx - h.hw + 3.5, h.cy + 6);
            knot.closeSubpath();
            fillShaded(p, knot, f.hatColour, pal::kFine);
            return;
        }
        case Hat::Beret: {
            QPainterPath b;
            b.addEllipse(QPointF(cx + 3, top + 2), h.hw + 5, 7.5);
            fillShaded(p, b, f.hatColour);
            p.setPen(QPen(f.hatColour.darker(130), 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(cx - h.hw - 1, top + 1, 2 * h.hw + 6, 8), 190 * 16, 160 * 16);
            // A long feather sweeping back.
            QPainterPath fe;
            fe.moveTo(cx + 10, top + 1);
            fe.cubicTo(cx + 20, top - 8, cx + 30, top - 12, cx + 36, top - 10);
            fe.cubicTo(cx + 28, top - 6, cx + 20, top - 2, cx + 12, top + 3);
            fe.closeSubpath();
            fillShaded(p, fe, f.hatColour2, pal::kFine);
            p.setPen(QPen(f.hatColour2.darker(140), 0.6));
            p.drawLine(QPointF(cx + 11, top + 2), QPointF(cx + 34, top - 10));
            return;
        }
        case Hat::GuideHat: {
            // The guide's wide travelling hat: a broad tilted brim, a tall bent
            // crown, a gold band and a red feather. Nobody else wears one.
            QPainterPath crownPart;
            crownPart.moveTo(cx - 12, top + 5);
            crownPart.cubicTo(cx - 11, top - 8, cx - 4, top - 18, cx + 6, top - 21);
            crownPart.quadTo(cx + 12, top - 22, cx + 13, top - 16);
            crownPart.quadTo(cx + 8, top - 16, cx + 6, top - 12);
            crownPart.cubicTo(cx + 9, top - 6, cx + 12, top - 1, cx + 13, top + 5);
            crownPart.closeSubpath();
            fillShaded(p, crownPart, f.hatColour);
            QPainterPath band;
            band.moveTo(cx - 12.5, top + 4);
            band.lineTo(cx + 13, top + 4);
            band.lineTo(cx + 12, top - 1);
            band.lineTo(cx - 11.5, top - 1);
            band.closeSubpath();
            fillShaded(p, band, f.hatColour2, pal::kFine);
            QPainterPath brim;
            brim.moveTo(cx - 30, top + 10);
            brim.cubicTo(cx - 24, top + 1, cx + 24, top + 1, cx + 31, top + 6);
            brim.cubicTo(cx + 26, top + 12, cx - 20, top + 15, cx - 30, top + 10);
            brim.closeSubpath();
            fillShaded(p, brim, f.hatColour.lighter(110));
            QPainterPath fe;
            fe.moveTo(cx + 9, top + 1);
            fe.cubicTo(cx + 16, top - 10, cx + 22, top - 16, cx + 27, top - 18);
            fe.cubicTo(cx + 24, top - 10, cx + 18, top - 3, cx + 11, top + 3);
            fe.closeSubpath();
            fillShaded(p, fe, pal::kCrimson, pal::kFine);
            p.setPen(QPen(pal::kCrimsonDark, 0.6));
            p.drawLine(QPointF(cx + 10, top + 2), QPointF(cx + 26, top - 17));
            return;
        }
        case Hat::Ribbon: {
            p.setPen(ink(pal::kFine));
            p.setBrush(f.hatColour);
            double x = cx - 9, y = top + 3;
            QPainterPath bow;
            bow.moveTo(x, y);
            bow.lineTo(x - 8, y - 5);
            bow.lineTo(x - 7, y + 5);
            bow.closeSubpath();
            bow.moveTo(x, y);
            bow.lineTo(x + 7, y - 7);
            bow.lineTo(x + 8, y + 3);
            bow.closeSubpath();
            fillShaded(p, bow, f.hatColour, pal::kFine);
            p.setBrush(f.hatColour.darker(115));
            p.drawEllipse(QPointF(x, y), 2, 2);
            return;
        }
    }
}

void accessories(QPainter& p, const Figure& f, const Head& h) {
    if (f.glasses) {
        p.setPen(QPen(pal::kInk, 0.9));
        p.setBrush(QColor(255, 255, 255, 40));
        for (int s : {-1, 1}) p.drawRoundedRect(QRectF(h.cx + s * h.eyeDx() - 4.3, h.eyeY() - 3.3, 8.6, 6.4), 1.8, 1.8);
        p.drawLine(QPointF(h.cx - h.eyeDx() + 4.3, h.eyeY() - 1), QPointF(h.cx + h.eyeDx() - 4.3, h.eyeY() - 1));
        p.setPen(QPen(QColor(255, 255, 255, 160), 0.7));
        for (int s : {-1, 1})
            p.drawLine(QPointF(h.cx + s * h.eyeDx() - 2.5, h.eyeY() - 2.2),
                       QPointF(h.cx + s * h.eyeDx() - 0.8, h.eyeY() - 2.2));
    }
    if (f.eyepatch) {
        double ex = h.cx + h.eyeDx();
        p.setPen(QPen(pal::kInk, 1.0));
        p.drawLine(QPointF(h.cx - h.hw, h.eyeY() - 7), QPointF(h.cx + h.hw, h.eyeY() + 2));
        p.setBrush(QColor(0x20, 0x1a, 0x22));
        p.drawEllipse(QPointF(ex, h.eyeY()), 4, 3.4);
    }
}

// ---------------------------------------------------------------- props

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
}  // namespace

void DrawFigure(QPainter& p, const Figure& f) {
    p.save();
    p.setClipRect(QRectF(0, 0, 85, 100));
    const Head h = headOf(f);
    const QPainterPath headShape = headPath(h, f.jaw);
    if (f.backdrop) backdrop(p, f);
    propBehind(p, f);
    if (f.highCollar) highCollar(p, f);
    hairBack(p, f, h);
    neck(p, f, h);
    outfit(p, f);
    if (f.hair == Hair::Long || f.hair == Hair::Wavy || f.hair == Hair::Twintails) {
        // Locks falling over the shoulders in front of the clothes.
        QPainterPath locks;
        for (int s : {-1, 1}) {
            if (f.hair == Hair::Twintails) break;
            locks.moveTo(h.cx + s * (h.hw + 1), h.cy);
            locks.cubicTo(h.cx + s * (h.hw + 4), h.cy + 18, h.cx + s * (h.hw + 2), 80, h.cx + s * (h.hw - 2), 92);
            locks.lineTo(h.cx + s * (h.hw - 7), 84);
            locks.cubicTo(h.cx + s * (h.hw - 4), 76, h.cx + s * (h.hw - 3), h.cy + 14, h.cx + s * (h.hw - 2), h.cy);
            locks.closeSubpath();
        }
        if (!locks.isEmpty()) fillShaded(p, locks, f.hairColour);
    }
    if (f.hat != Hat::Kerchief) ears(p, f, h);
    headWithLight(p, f, h, headShape);
    faceMarks(p, f, h);
    eyesAndBrows(p, f, h);
    nose(p, f, h);
    mouth(p, f, h);
    beard(p, f, h, headShape);
    hairFront(p, f, h);
    headgear(p, f, h);
    accessories(p, f, h);
    propFront(p, f);
    frameAndLight(p, f);
    p.restore();
}
