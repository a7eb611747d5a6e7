#pragma once
// Loading a data picture. It lives below the media layer because start-up
// loads the three shared pictures with it before any window exists.
#include <QByteArray>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

// The pixel density of the main window's own screen (not the highest of all
// screens, which is what the application reports). Dialogs stay at their own
// size whatever the screens' size, so their pictures go by this alone. Before
// the main window exists, the primary screen's.
qreal HostScreenRatio();
// The pixel density the screens are drawn at: their screen's ratio times the
// screens' size. Pictures loaded without a ratio use it.
qreal ScreenPictureRatio();

// A part of a picture given in its logical pixels (the layouts' numbers),
// whatever its density: a cell cut from a 2x sheet is the same cell at 2x.
// Beyond the picture's edge the cut is clipped, as QPixmap::copy does.
QPixmap CutPicture(const QPixmap& picture, const QRect& logical);
// A picture's size in logical pixels, the size the layouts compare with.
QSize PictureSize(const QPixmap& picture);

// Loads a data picture by bare file name from the program folder (made current
// first), or by path. An empty name gives an empty picture; a file that is
// missing or not a picture gives a null one. Above a ratio of 1 the picture's
// 2x twin (HighDensityName) is loaded instead, with a device pixel ratio of 2,
// so it keeps its logical size; without a usable twin the 1x picture is
// loaded. `ratio` 0 means ScreenPictureRatio(). An opaque PNG is held at
// three bytes a pixel.
QPixmap LoadPicture(const QString& name, qreal ratio = 0);

// A data picture read from its file but not decoded: held like this a
// scene's preloaded frames take a fraction of the memory their pixels would.
struct PictureFile {
    QString name;  // the 1x file, for when the 2x twin does not decode
    QByteArray bytes;
    qreal ratio = 1;  // 2 when `bytes` are the 2x twin's
};
// Reads a data picture's file the way LoadPicture chooses it; empty bytes
// when there is no such file.
PictureFile ReadPictureFile(const QString& name, qreal ratio = 0);
// The picture of a file read by ReadPictureFile, at its logical size; a 2x
// twin that does not decode gives way to the 1x picture.
QPixmap DecodePicture(const PictureFile& file);
// One band of a data picture, the logical rows [top, top + height) across its
// whole width, chosen and falling back like LoadPicture. Only the band's
// pixels are ever held: a window showing one strip of a large sheet does not
// pay for the whole sheet, even for a moment.
QPixmap LoadPictureBand(const QString& name, int top, int height, qreal ratio = 0);
