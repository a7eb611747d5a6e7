#pragma once
// Pieces the scene pictures share: skies, the hero, figures cut out of their
// portrait frame, and the helpers that turn one picture into smooth motion.
#include "figures.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

// The player's hero as a bust, and his full figure seen from behind.
Figure HeroFigure();
void DrawHeroBack(QPainter& p, QPointF feet, double height, const QColor& cape, bool silhouette = false);

// A figure without frame or backdrop, `scale` times its 85 x 100 size.
QImage FigureCutout(Figure f, int scale);
// Draws a cut-out figure with its top left at `at`, `width` wide.
void DrawCutout(QPainter& p, const QImage& cutout, QPointF at, double width, double opacity = 1.0);

// A sky from `top` to `bottom` colour over `r`, with stars when `stars` > 0.
void DrawSky(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, int stars = 0, int seed = 0);
// A caption in gold letters on a dark band across the bottom of `canvas`.
void DrawCaption(QPainter& p, const QRectF& canvas, const QString& text, double pixelSize = 18);
// Soft round clouds of smoke or dust.
void DrawCloud(QPainter& p, QPointF centre, double size, const QColor& colour, int seed);

// `steps` pictures between a and b (exclusive of both), evenly blended.
std::vector<QImage> CrossFade(const QImage& a, const QImage& b, int steps);
QImage Flat(int w, int h, const QColor& colour);
