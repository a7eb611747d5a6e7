#pragma once
// The game's emblem and name as drawn on the title, the about box, the
// backdrop and the opening.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <vector>

// One shape of the emblem, painted in order: the fill, then the outline. The
// pictures and the scalable icon are drawn from the same shapes.
struct EmblemLayer {
    QPainterPath path;
    QBrush fill;
    QPen pen;
};
std::vector<EmblemLayer> EmblemLayers(QPointF centre, double radius);

// A round gold-rimmed medal with the four suits around a "V".
void DrawEmblem(QPainter& p, QPointF centre, double radius);
// "Vantrax" in gold letters, fitted into `box`.
void DrawWordmark(QPainter& p, const QRectF& box, double pixelSize, double glow = 1.0);

QImage EmblemPicture(int size);         // "Data1._vx"
QImage TitleLogoPicture();              // "Data2._vx", 511 x 239
QImage AboutPicture();                  // "Data9._vx"
QImage BackdropLogoPicture(int scale);  // the backdrop's 658 x 216 logo
QImage GameOverPicture(int scale);      // the game-over screen's picture
