#pragma once
// Castles, houses and landscape pieces shared by the maps and the scenes.
#include <QColor>
#include <QPainter>
#include <QRectF>

// The first castle, standing on `base` (its bottom edge), `height` tall.
// `lit` puts light in the windows.
void DrawOldCastle(QPainter& p, QPointF base, double height, const QColor& wall, const QColor& roof, bool lit);
// The new castle: black spires and red light, `height` tall.
void DrawNewCastle(QPainter& p, QPointF base, double height, bool lit);
// Same outlines as one flat colour, for silhouettes against the sky.
void DrawOldCastleSilhouette(QPainter& p, QPointF base, double height, const QColor& colour);
void DrawNewCastleSilhouette(QPainter& p, QPointF base, double height, const QColor& colour);

// Small map buildings, `size` wide, standing on `base`.
void DrawHouse(QPainter& p, QPointF base, double size, const QColor& roof);
void DrawTent(QPainter& p, QPointF base, double size, const QColor& cloth);
void DrawTower(QPainter& p, QPointF base, double size, const QColor& roof);
void DrawHall(QPainter& p, QPointF base, double size, const QColor& roof);
void DrawTree(QPainter& p, QPointF base, double size, int seed);
void DrawHill(QPainter& p, const QRectF& r, const QColor& colour);

// A moon with a soft halo.
void DrawMoon(QPainter& p, QPointF centre, double radius, const QColor& colour);
// A rolling line of hills filling the picture below `y`.
void DrawRidge(QPainter& p, double width, double y, double amplitude, int seed, const QBrush& fill, double height);
