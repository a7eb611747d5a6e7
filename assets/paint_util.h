#pragma once
#include <QColor>
#include <QImage>
#include <QString>

// A framed panel with a centred caption; the first look of a picture until it
// gets its own drawing.
QImage LabelledPanel(int w, int h, const QColor& fill, const QString& caption, int pixelSize = 16);
