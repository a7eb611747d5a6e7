#include "paint_util.h"

#include "palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
thread_local int density = 1;
}

int PictureDensity() {
    return density;
}

DrawingDensity::DrawingDensity(int d) : before_(density) {
    density = d;
}

DrawingDensity::~DrawingDensity() {
    density = before_;
}

QImage Canvas(int w, int h, int scale, const QColor& fill) {
    scale *= density;
    QImage img(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void BeginPaint(QPainter& p, QImage& img, int scale) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale * density, scale * density);
}

double Hash01(int a, int b, int c) {
    uint32_t h = 0x9e3779b9u;
    for (int v : {a, b, c}) {
        h ^= static_cast<uint32_t>(v) + 0x7f4a7c15u + (h << 6) + (h >> 2);
        h *= 0x85ebca6bu;
        h ^= h >> 13;
        h *= 0xc2b2ae35u;
        h ^= h >> 16;
    }
    return (h & 0xffffff) / double(0x1000000);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()), m(a.alpha(), b.alpha()));
}

QColor WithAlpha(const QColor& c, int alpha) {
    QColor r = c;
    r.setAlpha(std::clamp(alpha, 0, 255));
    return r;
}

QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box, int align) {
    QPainterPath path;
    QFontMetricsF fm(font);
    // Each line is laid out on its own so that multi-line captions stay centred.
    const QStringList lines = text.split(QLatin1Char('\n'));
    double lineH = fm.height();
    double total = lineH * lines.size();
    double y0 = box.top();
    if (align & Qt::AlignVCenter) y0 = box.center().y() - total / 2;
    if (align & Qt::AlignBottom) y0 = box.bottom() - total;
    for (int i = 0; i < lines.size(); ++i) {
        double w = fm.horizontalAdvance(lines[i]);
        double x = box.left();
        if (align & Qt::AlignHCenter) x = box.center().x() - w / 2;
        if (align & Qt::AlignRight) x = box.right() - w;
        path.addText(QPointF(x, y0 + lineH * i + fm.ascent()), font, lines[i]);
    }
    return path;
}

void OutlinedText(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline, double width) {
    p.save();
    if (width > 0) {
        p.setPen(QPen(outline, width * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void ShadowText(QPainter& p, const QRectF& box, int align, const QString& text, const QFont& font, const QColor& colour,
                const QColor& shadow) {
    p.save();
    p.setFont(font);
    p.setPen(shadow);
    p.drawText(box.translated(1, 1), align, text);
    p.setPen(colour);
    p.drawText(box, align, text);
    p.restore();
}

QBrush VGradient(double y0, double y1, const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return QBrush(g);
}

void Vignette(QPainter& p, const QRectF& r, const QColor& colour, double strength) {
    QRadialGradient g(r.center(), std::hypot(r.width(), r.height()) / 2);
    g.setColorAt(0, WithAlpha(colour, 0));
    g.setColorAt(0.55, WithAlpha(colour, 0));
    g.setColorAt(1, WithAlpha(colour, static_cast<int>(255 * strength)));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(r);
    p.restore();
}

void Stars(QPainter& p, const QRectF& r, int count, int seed, double maxAlpha) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        double x = r.left() + Hash01(seed, i, 1) * r.width();
        double y = r.top() + Hash01(seed, i, 2) * r.height();
        double b = Hash01(seed, i, 3);
        double size = 0.5 + b * b * 1.3;
        p.setBrush(QColor(255, 250, 230, static_cast<int>(255 * maxAlpha * (0.35 + 0.65 * b))));
        p.drawEllipse(QPointF(x, y), size / 2, size / 2);
        if (b > 0.93) {  // a few bright ones get a twinkle
            p.setPen(QPen(QColor(255, 250, 230, static_cast<int>(150 * maxAlpha)), 0.5));
            p.drawLine(QPointF(x - 2.5, y), QPointF(x + 2.5, y));
            p.drawLine(QPointF(x, y - 2.5), QPointF(x, y + 2.5));
            p.setPen(Qt::NoPen);
        }
    }
    p.restore();
}

void FramedPanel(QPainter& p, const QRectF& r, const QBrush& fill, double radius) {
    p.save();
    p.setPen(QPen(pal::kInk, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.75, 0.75, -0.75, -0.75), radius, radius);
    p.setPen(QPen(pal::kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), std::max(0.0, radius - 2), std::max(0.0, radius - 2));
    p.restore();
}

QImage Blend(const QImage& a, const QImage& b, double t) {
    QImage out = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    p.setOpacity(std::clamp(t, 0.0, 1.0));
    p.drawImage(0, 0, b);
    return out;
}

QImage Dimmed(const QImage& img, double factor) {
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            QRgb c = line[x];
            auto f = [factor](int v) { return std::clamp(static_cast<int>(std::lround(v * factor)), 0, 255); };
            line[x] = qRgba(f(qRed(c)), f(qGreen(c)), f(qBlue(c)), qAlpha(c));
        }
    }
    return out;
}

QImage Zoomed(const QImage& img, double zoom, QPointF centre) {
    QImage out(img.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    centre *= density;
    p.translate(centre);
    p.scale(zoom, zoom);
    p.translate(-centre);
    p.drawImage(0, 0, img);
    return out;
}
