#pragma once
// Pictures from the data files and the program's built-in pictures.
#include "app/picture_file.h"

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

// A picture drawn whole, brought to the density the screens are drawn at: on
// screens drawn at 1.5, a 2x background is scaled down once, smoothly, rather
// than at every paint, and holds little more than half the pixels. A picture
// at or below that density is returned as it is.
QPixmap AtScreenDensity(const QPixmap& picture);
// Loads the data picture `name`, drawn whole, at the screens' density into
// `picture` unless `loadedFor` already is that density, and notes it there.
// The screens' factor can be chosen anew while a window is open: called
// before each paint, this keeps the picture sharp and at its size.
void LoadAtScreenDensity(QPixmap& picture, qreal& loadedFor, const QString& name);
// A built-in picture by resource number: card value + 10 (11..62) or face + 63
// (63..91). The 2x version is used on high-density screens.
QPixmap LoadResPicture(int number, qreal devicePixelRatio = 0);
// A built-in picture of a window's own design by name ("backdrop_logo"), with
// its 2x version on high-density screens.
QPixmap LoadBuiltInPicture(const QString& name, qreal devicePixelRatio = 0);
// The card face of card value v (1..52); empty for 0.
inline QPixmap CardPicture(int value) {
    return value > 0 ? LoadResPicture(value + 10) : QPixmap();
}
// The portrait of face number f (0..28).
inline QPixmap FacePicture(int face) {
    return LoadResPicture(face + 63);
}
