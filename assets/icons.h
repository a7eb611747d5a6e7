#pragma once
// The desktop icon: the game's emblem at the hicolor theme's sizes and as a
// scalable SVG drawn from the same shapes.
#include <QByteArray>
#include <QString>

// Writes <dir>/hicolor/<n>x<n>/apps/<name>.png and
// <dir>/hicolor/scalable/apps/<name>.svg. False when a file could not be written.
bool GenerateIcons(const QString& dir, const QString& name);
// The emblem as an SVG document, `size` pixels square.
QByteArray EmblemSvg(int size);
