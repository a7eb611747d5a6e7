#pragma once
// Small drawing helpers shared by every picture of the generator.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

// The density the data pictures are being drawn at: 1 for the files the game
// loads by default, 2 for their "@2x" twins. Canvas() and BeginPaint() multiply
// by it, so a picture's drawing code stays in logical pixels and its 2x twin is
// drawn anew at twice the size (crisp lines and text), not enlarged. It is
// per thread; 1 unless a DrawingDensity is alive.
int PictureDensity();
class DrawingDensity {
public:
    explicit DrawingDensity(int density);
    ~DrawingDensity();
    DrawingDensity(const DrawingDensity&) = delete;
    DrawingDensity& operator=(const DrawingDensity&) = delete;

private:
    int before_;
};

// A transparent ARGB canvas of w x h logical pixels at the given scale (times
// the picture density).
QImage Canvas(int w, int h, int scale = 1, const QColor& fill = Qt::transparent);
// Antialiased painting in logical pixels on a canvas made by Canvas().
void BeginPaint(QPainter& p, QImage& img, int scale);

// A deterministic value in [0, 1) for the given integers: the generator's only
// source of variation, so every run gives the same bytes.
double Hash01(int a, int b = 0, int c = 0);

QColor Mix(const QColor& a, const QColor& b, double t);
QColor WithAlpha(const QColor& c, int alpha);

// Text as a path, so it can be outlined, filled with a gradient and scaled
// exactly. The path's box is aligned inside `box` by `align`.
QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box, int align = Qt::AlignCenter);
// Filled text with an outer stroke (stroke drawn first, under the fill).
void OutlinedText(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline, double width);
// Plain label text with a soft one-pixel drop shadow.
void ShadowText(QPainter& p, const QRectF& box, int align, const QString& text, const QFont& font, const QColor& colour,
                const QColor& shadow = QColor(0, 0, 0, 160));

// A vertical gradient brush from y0 to y1.
QBrush VGradient(double y0, double y1, const QColor& top, const QColor& bottom);
// Darkens the edges of a rectangle towards `colour`.
void Vignette(QPainter& p, const QRectF& r, const QColor& colour, double strength);
// A field of small stars in `r`.
void Stars(QPainter& p, const QRectF& r, int count, int seed, double maxAlpha = 1.0);

// The game's framed panel: an ink border, a gold inner line and a fill.
void FramedPanel(QPainter& p, const QRectF& r, const QBrush& fill, double radius = 4);

// Cross-fade of two pictures of the same size; t = 0 gives a, 1 gives b.
QImage Blend(const QImage& a, const QImage& b, double t);
// Every pixel multiplied by `factor` (0 black, 1 unchanged).
QImage Dimmed(const QImage& img, double factor);
// Scales a picture around its centre (in logical pixels) by `zoom` (> 1
// enlarges), keeping its size.
QImage Zoomed(const QImage& img, double zoom, QPointF centre);
