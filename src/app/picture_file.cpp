#include "app/picture_file.h"

#include "app/data_files.h"
#include "app/forms.h"
#include "platform/program_folder.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include <png.h>

#include <cstring>

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

QPixmap CutPicture(const QPixmap& picture, const QRect& logical) {
    if (picture.isNull()) return QPixmap();
    const qreal ratio = picture.devicePixelRatio();
    const QRect pixels(qRound(logical.x() * ratio), qRound(logical.y() * ratio), qRound(logical.width() * ratio),
                       qRound(logical.height() * ratio));
    QPixmap cut = picture.copy(pixels);
    cut.setDevicePixelRatio(ratio);
    return cut;
}

QSize PictureSize(const QPixmap& picture) {
    return picture.deviceIndependentSize().toSize();
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

namespace {

struct PngSource {
    const uchar* data;
    size_t size;
    size_t pos;
};

void readPng(png_structp png, png_bytep out, png_size_t n) {
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (src->size - src->pos < n) png_error(png, "truncated");
    std::memcpy(out, src->data + src->pos, n);
    src->pos += n;
}

// Decodes the pixel rows [top, top + rows) of a PNG into `band`, made here,
// reading past the rows before them one at a time; `rows` 0 reads to the
// bottom. False for what Qt's own reader should take instead: anything that
// is not a plain PNG, an interlaced one (its rows come in seven passes), or a
// band outside the picture. Only plain data lives in this function: libpng
// reports errors by longjmp.
bool decodePngRows(const QByteArray& bytes, int top, int rows, QImage* band) {
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.constData()), 0, 8) != 0) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    PngSource src{reinterpret_cast<const uchar*>(bytes.constData()), static_cast<size_t>(bytes.size()), 0};
    png_bytep volatile skip = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        png_free(png, skip);
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &src, &readPng);
    png_read_info(png, info);
    const int width = static_cast<int>(png_get_image_width(png, info));
    const int height = static_cast<int>(png_get_image_height(png, info));
    const int count = rows == 0 ? height - top : rows;
    if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE || top < 0 || count <= 0 || top + count > height) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    // With alpha, 8-bit BGRA in memory as Qt's reader gives it. Without, three
    // bytes a pixel: drawn 1:1, as the screens draw their pictures, that is as
    // fast as four, and a 2x background takes a quarter less.
    const int type = png_get_color_type(png, info);
    const bool alpha = (type & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    if (alpha) png_set_bgr(png);
    png_read_update_info(png, info);
    *band = QImage(width, count, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB888);
    if (band->isNull() || png_get_rowbytes(png, info) != static_cast<size_t>(width) * (alpha ? 4 : 3)) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    skip = static_cast<png_bytep>(png_malloc(png, png_get_rowbytes(png, info)));
    for (int y = 0; y < top; ++y) png_read_row(png, skip, nullptr);
    for (int y = 0; y < count; ++y) png_read_row(png, band->scanLine(y), nullptr);
    png_free(png, skip);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

// Kept in the format it was decoded to: the toolkit would widen three bytes
// a pixel to four.
QPixmap asDecoded(QImage&& image, qreal ratio) {
    QPixmap picture = QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

}  // namespace

QPixmap LoadPicture(const QString& name, qreal ratio) {
    const PictureFile file = ReadPictureFile(name, ratio);
    QImage image;
    if (decodePngRows(file.bytes, 0, 0, &image)) return asDecoded(std::move(image), file.ratio);
    return DecodePicture(file);
}

QPixmap LoadPictureBand(const QString& name, int top, int height, qreal ratio) {
    const PictureFile file = ReadPictureFile(name, ratio);
    QImage band;
    if (decodePngRows(file.bytes, qRound(top * file.ratio), qRound(height * file.ratio), &band))
        return asDecoded(std::move(band), file.ratio);
    const QPixmap whole = DecodePicture(file);
    return CutPicture(whole, QRect(0, top, PictureSize(whole).width(), height));
}
