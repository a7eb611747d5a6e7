#include "media/pictures.h"

#include <QImage>

namespace {
// Loaded through QImage: QPixmap's own loading also files every picture in
// the program-wide pixmap cache, which would keep a 2 MB logo alive after the
// window that showed it let it go. Whoever shows a picture keeps it.
QPixmap readResource(const QString& path) {
    return QPixmap::fromImage(QImage(path));
}
}  // namespace

QPixmap LoadBuiltInPicture(const QString& name, qreal devicePixelRatio) {
    if (devicePixelRatio <= 0) devicePixelRatio = ScreenPictureRatio();
    if (devicePixelRatio > 1.0) {
        QPixmap hi = readResource(QStringLiteral(":/res/%1@2x.png").arg(name));
        if (!hi.isNull()) {
            hi.setDevicePixelRatio(2.0);
            return hi;
        }
    }
    return readResource(QStringLiteral(":/res/%1.png").arg(name));
}

QPixmap LoadResPicture(int number, qreal devicePixelRatio) {
    return LoadBuiltInPicture(QString::number(number), devicePixelRatio);
}

QPixmap AtScreenDensity(const QPixmap& picture) {
    const qreal ratio = ScreenPictureRatio();
    if (picture.isNull() || ratio >= picture.devicePixelRatio()) return picture;
    const QImage full = picture.toImage();
    const QSize pixels = (QSizeF(PictureSize(picture)) * ratio).toSize();
    QImage scaled = full.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(full.format());
    QPixmap out = QPixmap::fromImage(std::move(scaled), Qt::NoFormatConversion);
    out.setDevicePixelRatio(ratio);
    return out;
}

void LoadAtScreenDensity(QPixmap& picture, qreal& loadedFor, const QString& name) {
    const qreal ratio = ScreenPictureRatio();
    if (loadedFor == ratio) return;
    picture = AtScreenDensity(LoadPicture(name, ratio));
    loadedFor = ratio;
}
