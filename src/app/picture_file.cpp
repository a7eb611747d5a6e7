#include "app/picture_file.h"

#include "app/data_files.h"
#include "app/forms.h"
#include "platform/program_folder.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

qreal HostScreenRatio() {
    if (QWidget* host = Forms::host()) return host->devicePixelRatioF();
    // Before the main window exists (start-up's pictures): the screen it
    // opens on.
    if (QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr) return screen->devicePixelRatio();
    return 1.0;
}

qreal ScreenPictureRatio() {
    // A screen drawn at 2x on an ordinary screen needs the 2x picture as much
    // as one on a high-density screen.
    return HostScreenRatio() * Forms::scale();
}

PictureFile ReadPictureFile(const QString& name, qreal ratio) {
    PictureFile file{name, {}, 1};
    if (name.isEmpty()) return file;
    host::ChDirProgram();
    if (ratio <= 0) ratio = ScreenPictureRatio();
    if (ratio > 1.0) {
        QFile twin(HighDensityName(name));
        if (twin.open(QIODevice::ReadOnly)) {
            file.bytes = twin.readAll();
            file.ratio = 2;
            if (!file.bytes.isEmpty()) return file;
        }
    }
    QFile plain(name);
    file.bytes = plain.open(QIODevice::ReadOnly) ? plain.readAll() : QByteArray();
    file.ratio = 1;
    return file;
}

QPixmap DecodePicture(const PictureFile& file) {
    // The data files carry the "._vx" extension, so the format comes from the bytes.
    QImage img = QImage::fromData(file.bytes);
    if (img.isNull() && file.ratio > 1) return LoadPicture(file.name, 1.0);
    QPixmap picture = QPixmap::fromImage(std::move(img));
    picture.setDevicePixelRatio(file.ratio);
    return picture;
}

QPixmap LoadPicture(const QString& name, qreal ratio) {
    return DecodePicture(ReadPictureFile(name, ratio));
}
