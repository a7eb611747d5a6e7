// Data pictures at both densities: the 2x twin is chosen above a ratio of 1
// and keeps the picture's logical size, a missing or broken twin gives the 1x
// picture, and cells are cut from a sheet of either density by the layouts'
// numbers.
#include "app/data_files.h"
#include "app/forms.h"
#include "media/pictures.h"
#include "media/sheet_layout.h"
#include "support/game_test.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <optional>

namespace {

using DataPictures = GameTest;

TEST(HighDensityNames, TheMarkGoesBeforeTheExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"Data4._vx", "Data4@2x._vx"},
        {"hData38._vx", "hData38@2x._vx"},
        {"/opt/v.1/Data4._vx", "/opt/v.1/Data4@2x._vx"},  // a dot in a folder is no extension
        {"/opt/v.1/picture", "/opt/v.1/picture@2x"},
    };
    for (auto [name, twin] : cases) EXPECT_EQ(HighDensityName(QString::fromUtf8(name)), QString::fromUtf8(twin));
}

TEST_F(DataPictures, AboveARatioOfOneTheTwinIsLoadedAtItsLogicalSize) {
    const QSize logical(Sheet4::kCellWidth, Sheet4::kCellHeight * Sheet4::kCount);
    const struct { qreal ratio, density; } cases[] = {{1.0, 1.0}, {1.5, 2.0}, {2.0, 2.0}, {3.0, 2.0}};
    for (const auto& c : cases) {
        // Loaded at once, and read now but decoded later, as scenes preload.
        for (const QPixmap& sheet : {LoadPicture(DataFileName("Data", 4), c.ratio),
                                     DecodePicture(ReadPictureFile(DataFileName("Data", 4), c.ratio))}) {
            ASSERT_FALSE(sheet.isNull()) << c.ratio;
            EXPECT_EQ(sheet.devicePixelRatio(), c.density) << c.ratio;
            EXPECT_EQ(PictureSize(sheet), logical) << c.ratio;
            EXPECT_EQ(sheet.size(), logical * c.density) << c.ratio;
        }
    }
}

TEST_F(DataPictures, AMissingOrBrokenTwinGivesTheOneTimesPicture) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString name = folder.filePath(DataFileName("Data", 4));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTRAX_TEST_PROGRAM_DIR "/") + DataFileName("Data", 4), name));
    // No twin, an empty one, one cut short.
    const std::optional<QByteArray> twins[] = {std::nullopt, QByteArray(),
                                               QByteArray("\x89PNG\r\n\x1a\n cut short", 18)};
    for (const auto& twin : twins) {
        QFile::remove(HighDensityName(name));
        if (twin) {
            QFile f(HighDensityName(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(*twin);
        }
        for (const QPixmap& sheet : {LoadPicture(name, 2.0), DecodePicture(ReadPictureFile(name, 2.0))}) {
            ASSERT_FALSE(sheet.isNull()) << (twin ? twin->size() : -1);
            EXPECT_EQ(sheet.devicePixelRatio(), 1.0) << (twin ? twin->size() : -1);
            EXPECT_EQ(sheet.size(), QSize(Sheet4::kCellWidth, Sheet4::kCellHeight * Sheet4::kCount))
                << (twin ? twin->size() : -1);
        }
    }
    EXPECT_TRUE(boxes->calls.empty()) << "a missing twin is no error";
}

// The mean colour difference of two pictures of one size.
double difference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int c = 0; c < x.width(); ++c) {
            const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

// A cell cut from the 2x sheet is the same button as the cell cut from the 1x
// sheet by the same numbers, not a neighbour or a piece of two.
TEST_F(DataPictures, CellsCutFromEitherDensityAreTheSameButton) {
    const QPixmap plain = LoadPicture(DataFileName("Data", 4), 1.0);
    const QPixmap dense = LoadPicture(DataFileName("Data", 4), 2.0);
    ASSERT_EQ(dense.devicePixelRatio(), 2.0);
    const QSize cell(Sheet4::kCellWidth, Sheet4::kCellHeight);
    std::vector<QImage> cells;
    for (int i = 0; i < Sheet4::kCount; ++i)
        cells.push_back(CutPicture(plain, QRect(QPoint(0, Sheet4::cellTop(i)), cell)).toImage());
    for (int i = 0; i < Sheet4::kCount; ++i) {
        const QPixmap cut = CutPicture(dense, QRect(QPoint(0, Sheet4::cellTop(i)), cell));
        EXPECT_EQ(cut.devicePixelRatio(), 2.0) << i;
        EXPECT_EQ(PictureSize(cut), cell) << i;
        const QImage seenSmall = cut.toImage()
                                     .scaled(cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                     .convertToFormat(QImage::Format_RGB32);
        const double own = difference(seenSmall, cells[static_cast<size_t>(i)]);
        for (int j = 0; j < Sheet4::kCount; ++j)
            if (j != i) {
                EXPECT_LT(own, difference(seenSmall, cells[static_cast<size_t>(j)])) << i << " looks like " << j;
            }
    }
    // The message sheet's three backgrounds, cut by their own numbers.
    const QPixmap mes = LoadPicture(DataFileName("Data", 5), 2.0);
    const QPixmap ok = CutPicture(mes, QRect(0, Sheet5::kOkTop, Sheet5::kWidth, Sheet5::kOkHeight));
    EXPECT_EQ(ok.size(), QSize(Sheet5::kWidth, Sheet5::kOkHeight) * 2);
    EXPECT_EQ(PictureSize(ok), QSize(Sheet5::kWidth, Sheet5::kOkHeight));
}

// A band decoded alone is the band of the whole picture, pixel for pixel,
// whatever kind of picture file it comes from.
TEST_F(DataPictures, ABandDecodedAloneIsTheSameAsCutFromTheWhole) {
    const auto same = [](const QPixmap& band, const QPixmap& whole, const QRect& logical, const char* what) {
        const qreal r = whole.devicePixelRatio();
        ASSERT_FALSE(band.isNull()) << what;
        EXPECT_EQ(band.devicePixelRatio(), r) << what;
        const QImage expected =
            whole.toImage()
                .copy(QRect(0, qRound(logical.y() * r), whole.width(), qRound(logical.height() * r)))
                .convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(band.toImage().convertToFormat(QImage::Format_ARGB32), expected) << what;
    };
    const QRect bands[] = {{0, Sheet5::kQuestionTop, Sheet5::kWidth, Sheet5::kQuestionHeight},
                           {0, Sheet5::kOkTop, Sheet5::kWidth, Sheet5::kOkHeight},
                           {0, Sheet5::kTimedTop, Sheet5::kWidth, Sheet5::kTimedHeight}};
    for (qreal ratio : {1.0, 2.0})
        for (const QRect& b : bands)
            same(LoadPictureBand(DataFileName("Data", 5), b.y(), b.height(), ratio),
                 LoadPicture(DataFileName("Data", 5), ratio), b, ratio > 1 ? "the 2x sheet" : "the sheet");

    // Pictures the generator never writes, which a player's own files may be.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage colours(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < colours.height(); ++y)
        for (int x = 0; x < colours.width(); ++x) colours.setPixel(x, y, qRgba(x * 6, y * 8, (x ^ y) * 4, 40 + x + y));
    const struct {
        const char* what;
        QImage image;
        const char* format;
    } files[] = {
        {"a PNG with alpha", colours, "PNG"},
        {"an opaque PNG", colours.convertToFormat(QImage::Format_RGB32), "PNG"},
        {"a grey PNG", colours.convertToFormat(QImage::Format_Grayscale8), "PNG"},
        {"a palette PNG", colours.convertToFormat(QImage::Format_Indexed8), "PNG"},
        {"a 16-bit PNG", colours.convertToFormat(QImage::Format_RGBA64), "PNG"},
        {"a BMP", colours.convertToFormat(QImage::Format_RGB32), "BMP"},
    };
    for (const auto& f : files) {
        const QString name = folder.filePath(QStringLiteral("p._vx"));
        ASSERT_TRUE(f.image.save(name, f.format)) << f.what;
        same(LoadPictureBand(name, 7, 12, 1.0), LoadPicture(name, 1.0), QRect(0, 7, 40, 12), f.what);
    }

    // A twin cut short gives the 1x picture's band.
    const QString name = folder.filePath(DataFileName("Data", 5));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTRAX_TEST_PROGRAM_DIR "/") + DataFileName("Data", 5), name));
    QFile twin(HighDensityName(name));
    ASSERT_TRUE(twin.open(QIODevice::WriteOnly));
    QFile full(QStringLiteral(VANTRAX_TEST_PROGRAM_DIR "/") + HighDensityName(DataFileName("Data", 5)));
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    twin.write(full.read(full.size() / 4));
    twin.close();
    same(LoadPictureBand(name, Sheet5::kOkTop, Sheet5::kOkHeight, 2.0), LoadPicture(name, 1.0), bands[1],
         "a broken twin");
}

// A picture drawn whole keeps the screens' density when that is below its
// own, at its logical size, and is never enlarged.
TEST_F(DataPictures, APictureDrawnWholeTakesTheScreensDensityBelowItsOwn) {
    const QPixmap twin = LoadPicture(DataFileName("Data", 6), 2.0);
    ASSERT_EQ(twin.devicePixelRatio(), 2.0);
    const QSize logical = PictureSize(twin);
    const struct { qreal factor, density; } cases[] = {{1.0, 1.0}, {1.5, 1.5}, {2.0, 2.0}, {3.0, 2.0}};
    for (const auto& c : cases) {
        Forms::setScale(c.factor);
        const QPixmap drawn = AtScreenDensity(twin);
        EXPECT_EQ(drawn.devicePixelRatio(), c.density) << c.factor;
        EXPECT_EQ(PictureSize(drawn), logical) << c.factor;
        EXPECT_EQ(drawn.size(), (QSizeF(logical) * c.density).toSize()) << c.factor;
    }
    Forms::setScale(1.0);
}

}  // namespace
