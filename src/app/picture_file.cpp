#include "app/picture_file.h"

#include "platform/program_folder.h"

#include <QImageReader>

QPixmap LoadPicture(const QString& name) {
    if (name.isEmpty()) return QPixmap();
    host::ChDirProgram();
    QImageReader reader(name);
    // The data files carry the "._vx" extension, so the format comes from the bytes.
    reader.setDecideFormatFromContent(true);
    QImage img = reader.read();
    if (img.isNull()) return QPixmap();
    return QPixmap::fromImage(std::move(img));
}
