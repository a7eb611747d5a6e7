#include "buildings.h"

#include "paint_util.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {
QPen ink(double w = pal::kLine) {
    return QPen(pal::kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A wall top with merlons, as a path, from x0 to x1 at height y (upwards is -).
QPainterPath crenellated(double x0, double x1, double top, double bottom, double merlon) {
    QPainterPath r;
    r.moveTo(x0, bottom);
    r.lineTo(x0, top);
    int n = std::max(1, static_cast<int>((x1 - x0) / (merlon * 2)));
    double step = (x1 - x0) / (n * 2 - 1);
    for (int i = 0; i < n * 2 - 1; ++i) {
        double xa = x0 + i * step, xb = xa + step;
        if (i % 2 == 1) {
            r.lineTo(xa, top);
            r.lineTo(xa, top + merlon * 0.8);
            r.lineTo(xb, top + merlon * 0.8);
            r.lineTo(xb, top);
        }
    }
    r.lineTo(x1, top);
    r.lineTo(x1, bottom);
    r.closeSubpath();
    return r;
}

QPainterPath cone(double cx, double base, double halfWidth, double height, double overhang) {
    QPainterPath c;
    c.moveTo(cx - halfWidth - overhang, base);
    c.quadTo(cx - halfWidth * 0.3, base - height * 0.45, cx, base - height);
    c.quadTo(cx + halfWidth * 0.3, base - height * 0.45, cx + halfWidth + overhang, base);
    c.closeSubpath();
    return c;
}

QPainterPath spire(double cx, double base, double halfWidth, double height) {
    QPainterPath s;
    s.moveTo(cx - halfWidth, base);
    s.cubicTo(cx - halfWidth * 0.4, base - height * 0.4, cx - halfWidth * 0.1, base - height * 0.8, cx, base - height);
    s.cubicTo(cx + halfWidth * 0.1, base - height * 0.8, cx + halfWidth * 0.4, base - height * 0.4, cx + halfWidth,
              base);
    s.closeSubpath();
    return s;
}

struct Part {
    QPainterPath path;
    bool roof;
};

// The first castle as parts in a unit where the height is 1 and x = 0 the centre.
std::vector<Part> oldCastleParts() {
    std::vector<Part> parts;
    auto rect = [](double x0, double y0, double x1, double y1) {
        QPainterPath r;
        r.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
        return r;
    };
    for (int s : {-1, 1}) {  // outer towers
        parts.push_back({crenellated(s * 0.63 - 0.08, s * 0.63 + 0.08, -0.5, 0, 0.03), false});
        parts.push_back({cone(s * 0.63, -0.5, 0.09, 0.2, 0.015), true});
    }
    parts.push_back({crenellated(-0.56, 0.56, -0.3, 0, 0.03), false});       // curtain wall
    parts.push_back({crenellated(-0.27, 0.27, -0.62, -0.29, 0.03), false});  // keep
    for (int s : {-1, 1}) {
        parts.push_back({rect(s * 0.27 - 0.045, -0.72, s * 0.27 + 0.045, -0.5), false});
        parts.push_back({cone(s * 0.27, -0.72, 0.05, 0.13, 0.012), true});
    }
    parts.push_back({rect(-0.1, -0.84, 0.1, -0.6), false});  // central tower
    parts.push_back({cone(0, -0.84, 0.11, 0.18, 0.02), true});
    return parts;
}

std::vector<Part> newCastleParts() {
    std::vector<Part> parts;
    auto rect = [](double x0, double y0, double x1, double y1) {
        QPainterPath r;
        r.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
        return r;
    };
    for (int s : {-1, 1}) {
        parts.push_back({rect(s * 0.6 - 0.06, -0.42, s * 0.6 + 0.06, 0), false});
        parts.push_back({spire(s * 0.6, -0.42, 0.075, 0.22), true});
        parts.push_back({rect(s * 0.34 - 0.07, -0.62, s * 0.34 + 0.07, -0.2), false});
        parts.push_back({spire(s * 0.34, -0.62, 0.085, 0.28), true});
    }
    parts.push_back({crenellated(-0.62, 0.62, -0.24, 0, 0.025), false});
    parts.push_back({rect(-0.15, -0.7, 0.15, -0.22), false});
    parts.push_back({rect(-0.07, -0.86, 0.07, -0.66), false});
    parts.push_back({spire(0, -0.84, 0.1, 0.42), true});
    // Thorny buttresses.
    for (int s : {-1, 1}) {
        QPainterPath t;
        t.moveTo(s * 0.15, -0.5);
        t.lineTo(s * 0.26, -0.78);
        t.lineTo(s * 0.2, -0.46);
        t.closeSubpath();
        parts.push_back({t, true});
    }
    return parts;
}

QTransform placed(QPointF base, double height) {
    QTransform t;
    t.translate(base.x(), base.y());
    t.scale(height, height);
    return t;
}

void windows(QPainter& p, QPointF base, double h, const std::vector<QPointF>& spots, const QColor& glow, bool lit) {
    p.save();
    for (QPointF s : spots) {
        QPointF c(base.x() + s.x() * h, base.y() + s.y() * h);
        double w = std::max(1.2, h * 0.022), hh = std::max(2.0, h * 0.045);
        QPainterPath win;
        win.moveTo(c.x() - w, c.y() + hh / 2);
        win.lineTo(c.x() - w, c.y() - hh / 2 + w);
        win.quadTo(c.x(), c.y() - hh / 2 - w * 0.6, c.x() + w, c.y() - hh / 2 + w);
        win.lineTo(c.x() + w, c.y() + hh / 2);
        win.closeSubpath();
        p.setPen(Qt::NoPen);
        if (lit) {
            QRadialGradient g(c, hh * 1.6);
            g.setColorAt(0, WithAlpha(glow, 120));
            g.setColorAt(1, WithAlpha(glow, 0));
            p.setBrush(g);
            p.drawEllipse(c, hh * 1.6, hh * 1.6);
        }
        p.setBrush(lit ? glow.lighter(130) : QColor(0x20, 0x1a, 0x24));
        p.drawPath(win);
    }
    p.restore();
}
}  // namespace

void DrawOldCastle(QPainter& p, QPointF base, double height, const QColor& wall, const QColor& roof, bool lit) {
    const QTransform t = placed(base, height);
    p.save();
    double line = std::clamp(height / 120, 0.6, pal::kLine);
    for (const Part& part : oldCastleParts()) {
        QPainterPath path = t.map(part.path);
        QRectF b = path.boundingRect();
        QLinearGradient g(b.left(), 0, b.right(), 0);
        QColor c = part.roof ? roof : wall;
        g.setColorAt(0, c.lighter(125));
        g.setColorAt(0.6, c);
        g.setColorAt(1, c.darker(135));
        p.setPen(ink(line));
        p.setBrush(g);
        p.drawPath(path);
    }
    // The gate.
    QPainterPath gate;
    double gw = 0.07 * height, gh = 0.17 * height;
    gate.moveTo(base.x() - gw, base.y());
    gate.lineTo(base.x() - gw, base.y() - gh + gw);
    gate.quadTo(base.x(), base.y() - gh - gw * 0.5, base.x() + gw, base.y() - gh + gw);
    gate.lineTo(base.x() + gw, base.y());
    gate.closeSubpath();
    p.setPen(ink(line));
    p.setBrush(QColor(0x2a, 0x1e, 0x1a));
    p.drawPath(gate);
    p.setPen(QPen(QColor(0x6a, 0x50, 0x30), std::max(0.5, line * 0.6)));
    for (int i = -1; i <= 1; ++i)
        p.drawLine(QPointF(base.x() + i * gw * 0.5, base.y()), QPointF(base.x() + i * gw * 0.5, base.y() - gh + gw));
    windows(p, base, height,
            {{-0.63, -0.38},
             {0.63, -0.38},
             {-0.15, -0.45},
             {0, -0.45},
             {0.15, -0.45},
             {0, -0.72},
             {-0.27, -0.62},
             {0.27, -0.62},
             {-0.4, -0.18},
             {0.4, -0.18}},
            QColor(0xff, 0xc8, 0x60), lit);
    // Banners on the keep's turrets.
    for (int s : {-1, 1}) {
        QPointF top(base.x() + s * 0.27 * height, base.y() - 0.85 * height);
        p.setPen(ink(std::max(0.5, line * 0.6)));
        p.drawLine(top, top + QPointF(0, 0.05 * height));
        QPainterPath flag;
        flag.moveTo(top);
        flag.lineTo(top + QPointF(s * 0.08 * height, 0.012 * height));
        flag.lineTo(top + QPointF(0, 0.03 * height));
        flag.closeSubpath();
        p.setBrush(pal::kCrimson);
        p.drawPath(flag);
    }
    p.restore();
}

void DrawNewCastle(QPainter& p, QPointF base, double height, bool lit) {
    const QTransform t = placed(base, height);
    p.save();
    double line = std::clamp(height / 120, 0.6, pal::kLine);
    for (const Part& part : newCastleParts()) {
        QPainterPath path = t.map(part.path);
        QRectF b = path.boundingRect();
        QLinearGradient g(b.left(), 0, b.right(), 0);
        QColor c = part.roof ? QColor(0x3a, 0x1a, 0x3a) : QColor(0x2e, 0x2a, 0x3a);
        g.setColorAt(0, c.lighter(150));
        g.setColorAt(0.5, c);
        g.setColorAt(1, c.darker(150));
        p.setPen(ink(line));
        p.setBrush(g);
        p.drawPath(path);
    }
    QPainterPath gate;
    double gw = 0.08 * height, gh = 0.16 * height;
    gate.moveTo(base.x() - gw, base.y());
    gate.lineTo(base.x() - gw, base.y() - gh * 0.6);
    gate.lineTo(base.x(), base.y() - gh);
    gate.lineTo(base.x() + gw, base.y() - gh * 0.6);
    gate.lineTo(base.x() + gw, base.y());
    gate.closeSubpath();
    p.setPen(ink(line));
    p.setBrush(lit ? QColor(0xa0, 0x20, 0x18) : QColor(0x1a, 0x10, 0x14));
    p.drawPath(gate);
    windows(p, base, height,
            {{-0.6, -0.3},
             {0.6, -0.3},
             {-0.34, -0.45},
             {0.34, -0.45},
             {0, -0.5},
             {0, -0.36},
             {0, -0.76},
             {-0.2, -0.12},
             {0.2, -0.12}},
            QColor(0xff, 0x40, 0x30), lit);
    p.restore();
}

void DrawOldCastleSilhouette(QPainter& p, QPointF base, double height, const QColor& colour) {
    const QTransform t = placed(base, height);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (const Part& part : oldCastleParts()) p.drawPath(t.map(part.path));
    p.restore();
}

void DrawNewCastleSilhouette(QPainter& p, QPointF base, double height, const QColor& colour) {
    const QTransform t = placed(base, height);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (const Part& part : newCastleParts()) p.drawPath(t.map(part.path));
    p.restore();
}

void DrawHouse(QPainter& p, QPointF base, double size, const QColor& roof) {
    p.save();
    double w = size, h = size * 0.55;
    QRectF body(base.x() - w / 2, base.y() - h, w, h);
    p.setPen(ink(0.8));
    p.setBrush(VGradient(body.top(), body.bottom(), QColor(0xf0, 0xe0, 0xc0), QColor(0xc8, 0xb0, 0x88)));
    p.drawRect(body);
    QPainterPath r;
    r.moveTo(body.left() - size * 0.1, body.top());
    r.lineTo(base.x(), body.top() - size * 0.45);
    r.lineTo(body.right() + size * 0.1, body.top());
    r.closeSubpath();
    p.setBrush(VGradient(body.top() - size * 0.45, body.top(), roof.lighter(120), roof.darker(120)));
    p.drawPath(r);
    p.setBrush(QColor(0x5a, 0x3a, 0x22));
    p.drawRect(QRectF(base.x() - size * 0.09, base.y() - h * 0.6, size * 0.18, h * 0.6));
    p.setBrush(QColor(0xff, 0xd8, 0x80));
    p.drawRect(QRectF(body.left() + size * 0.1, body.top() + h * 0.25, size * 0.16, h * 0.3));
    p.restore();
}

void DrawTent(QPainter& p, QPointF base, double size, const QColor& cloth) {
    p.save();
    QPainterPath t;
    t.moveTo(base.x() - size / 2, base.y());
    t.quadTo(base.x() - size * 0.2, base.y() - size * 0.4, base.x(), base.y() - size * 0.75);
    t.quadTo(base.x() + size * 0.2, base.y() - size * 0.4, base.x() + size / 2, base.y());
    t.closeSubpath();
    p.setPen(ink(0.8));
    QLinearGradient g(base.x() - size / 2, 0, base.x() + size / 2, 0);
    g.setColorAt(0, cloth.lighter(130));
    g.setColorAt(1, cloth.darker(130));
    p.setBrush(g);
    p.drawPath(t);
    p.setBrush(QColor(0x2a, 0x1a, 0x14));
    QPainterPath door;
    door.moveTo(base.x() - size * 0.1, base.y());
    door.lineTo(base.x(), base.y() - size * 0.35);
    door.lineTo(base.x() + size * 0.1, base.y());
    door.closeSubpath();
    p.drawPath(door);
    p.drawLine(QPointF(base.x(), base.y() - size * 0.75), QPointF(base.x(), base.y() - size * 1.0));
    QPainterPath flag;
    flag.moveTo(base.x(), base.y() - size * 1.0);
    flag.lineTo(base.x() + size * 0.28, base.y() - size * 0.93);
    flag.lineTo(base.x(), base.y() - size * 0.86);
    flag.closeSubpath();
    p.setBrush(pal::kCrimson);
    p.drawPath(flag);
    p.restore();
}

void DrawTower(QPainter& p, QPointF base, double size, const QColor& roof) {
    p.save();
    double w = size * 0.4, h = size * 0.9;
    QRectF body(base.x() - w / 2, base.y() - h, w, h);
    QLinearGradient g(body.left(), 0, body.right(), 0);
    g.setColorAt(0, pal::kStone.lighter(120));
    g.setColorAt(1, pal::kStoneDark);
    p.setPen(ink(0.8));
    p.setBrush(g);
    p.drawRect(body);
    QPainterPath r = cone(base.x(), body.top(), w / 2, size * 0.45, size * 0.05);
    p.setBrush(VGradient(body.top() - size * 0.45, body.top(), roof.lighter(120), roof.darker(120)));
    p.drawPath(r);
    p.setBrush(QColor(0x2a, 0x1e, 0x1a));
    p.drawRect(QRectF(base.x() - w * 0.15, body.top() + h * 0.2, w * 0.3, h * 0.14));
    p.restore();
}

void DrawHall(QPainter& p, QPointF base, double size, const QColor& roof) {
    p.save();
    double w = size, h = size * 0.42;
    QRectF body(base.x() - w / 2, base.y() - h, w, h);
    p.setPen(ink(0.8));
    p.setBrush(VGradient(body.top(), body.bottom(), QColor(0xf4, 0xec, 0xd8), QColor(0xc8, 0xb8, 0x98)));
    p.drawRect(body);
    // Columns.
    p.setPen(QPen(QColor(0x9a, 0x88, 0x68), std::max(0.6, size * 0.02)));
    for (int i = 0; i < 5; ++i) {
        double x = body.left() + w * (0.14 + i * 0.18);
        p.drawLine(QPointF(x, body.top() + h * 0.15), QPointF(x, body.bottom() - h * 0.05));
    }
    QPainterPath r;
    r.moveTo(body.left() - size * 0.06, body.top());
    r.lineTo(base.x(), body.top() - size * 0.26);
    r.lineTo(body.right() + size * 0.06, body.top());
    r.closeSubpath();
    p.setPen(ink(0.8));
    p.setBrush(VGradient(body.top() - size * 0.26, body.top(), roof.lighter(120), roof.darker(120)));
    p.drawPath(r);
    p.setBrush(pal::kGold);
    p.drawEllipse(QPointF(base.x(), body.top() - size * 0.09), size * 0.05, size * 0.05);
    p.restore();
}

void DrawTree(QPainter& p, QPointF base, double size, int seed) {
    p.save();
    p.setPen(ink(0.6));
    p.setBrush(QColor(0x6a, 0x48, 0x2a));
    p.drawRect(QRectF(base.x() - size * 0.07, base.y() - size * 0.4, size * 0.14, size * 0.4));
    QColor leaf = Mix(pal::kGrassDark, pal::kForest, Hash01(seed, 7));
    QRadialGradient g(QPointF(base.x() - size * 0.15, base.y() - size * 0.8), size * 0.6);
    g.setColorAt(0, leaf.lighter(150));
    g.setColorAt(1, leaf);
    p.setBrush(g);
    if (Hash01(seed, 3) < 0.5) {
        p.drawEllipse(QPointF(base.x(), base.y() - size * 0.65), size * 0.36, size * 0.4);
    } else {
        QPainterPath pine;
        pine.moveTo(base.x(), base.y() - size * 1.1);
        pine.lineTo(base.x() + size * 0.34, base.y() - size * 0.3);
        pine.lineTo(base.x() - size * 0.34, base.y() - size * 0.3);
        pine.closeSubpath();
        p.drawPath(pine);
    }
    p.restore();
}

void DrawHill(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    QPainterPath h;
    h.moveTo(r.left(), r.bottom());
    h.cubicTo(r.left() + r.width() * 0.25, r.top(), r.left() + r.width() * 0.75, r.top(), r.right(), r.bottom());
    h.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(VGradient(r.top(), r.bottom(), colour.lighter(115), colour.darker(110)));
    p.drawPath(h);
    p.restore();
}

void DrawMoon(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    p.save();
    QRadialGradient halo(centre, radius * 4);
    halo.setColorAt(0, WithAlpha(colour, 90));
    halo.setColorAt(1, WithAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, radius * 4, radius * 4);
    QRadialGradient disc(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    disc.setColorAt(0, colour.lighter(130));
    disc.setColorAt(1, colour.darker(115));
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(WithAlpha(colour.darker(130), 90));
    p.drawEllipse(centre + QPointF(radius * 0.3, -radius * 0.2), radius * 0.2, radius * 0.16);
    p.drawEllipse(centre + QPointF(-radius * 0.25, radius * 0.35), radius * 0.14, radius * 0.12);
    p.restore();
}

void DrawRidge(QPainter& p, double width, double y, double amplitude, int seed, const QBrush& fill, double height) {
    QPainterPath r;
    r.moveTo(0, y + height);
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        double x = width * i / steps;
        double v = 0.6 * std::sin(i * 0.7 + seed) + 0.4 * (Hash01(seed, i) * 2 - 1);
        r.lineTo(x, y - amplitude * v);
    }
    r.lineTo(width, y + height);
    r.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(r);
    p.restore();
}
