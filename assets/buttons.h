#pragma once
// The game's buttons: one look for every button sheet and the message sheet.
#include <QPainter>
#include <QRectF>
#include <QString>

enum class ButtonLook { Plain, Pressed, Accent };

// A gilded button with its label fitted inside `r`.
void DrawButton(QPainter& p, const QRectF& r, const QString& label, ButtonLook look, double pixelSize = 13);

// The sheets windows cut their buttons and backgrounds from.
QImage ButtonSheet4();
QImage RowSheet(int width, const char* const labels[3]);
QImage MessageSheet5();
QImage HandCursorPicture();
