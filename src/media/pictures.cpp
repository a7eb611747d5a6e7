#include "media/pictures.h"

#include "app/state.h"
#include "platform/program_folder.h"

#include <QGuiApplication>
#include <QImageReader>

QPixmap LoadPicture(const QString& name) {
    if (name.isEmpty()) return QPixmap();
    host::ChDirProgram();
    QImageReader reader(name);
    reader.setDecideFormatFromContent(true);
    QImage img = reader.read();
    if (img.isNull()) return QPixmap();
    return QPixmap::fromImage(std::move(img));
}

QPixmap LoadBuiltInPicture(const QString& name, qreal devicePixelRatio) {
    if (devicePixelRatio <= 0) devicePixelRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (devicePixelRatio > 1.0) {
        QPixmap hi(QStringLiteral(":/res/%1@2x.png").arg(name));
        if (!hi.isNull()) {
            hi.setDevicePixelRatio(2.0);
            return hi;
        }
    }
    return QPixmap(QStringLiteral(":/res/%1.png").arg(name));
}

QPixmap LoadResPicture(int number, qreal devicePixelRatio) {
    return LoadBuiltInPicture(QString::number(number), devicePixelRatio);
}

QCursor HandCursorShape() {
    if (HandCursor.isNull()) return QCursor(Qt::PointingHandCursor);
    // The hand's fingertip is near the top left of the picture.
    return QCursor(HandCursor.get(), HandCursor.width() / 4, 1);
}
