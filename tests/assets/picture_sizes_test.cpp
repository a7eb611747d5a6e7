// Every picture the game loads decodes and has the size its window expects.
#include "app/data_files.h"
#include "media/sheet_layout.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

struct Series {
    const char* prefix;
    int count, width, height;
};

// The scene canvases and the screens the windows size themselves by.
const Series kSeries[] = {
    {"dData", 20, 480, 270},  // the logo: all frames the size of frame 1
    {"fData", 12, 500, 300}, {"aData", 18, 375, 258}, {"hData", 38, 375, 258},
    {"eData", 4, 500, 400},  {"gData", 5, 375, 330},
};

TEST(PictureFiles, SceneFramesDecodeAtTheirCanvasSize) {
    for (const Series& s : kSeries) {
        for (int n = 1; n <= s.count; ++n) {
            const QString name = DataFileName(s.prefix, n);
            SCOPED_TRACE(name.toStdString());
            QImage img = DataPicture(name);
            ASSERT_FALSE(img.isNull());
            EXPECT_EQ(img.width(), s.width);
            EXPECT_EQ(img.height(), s.height);
        }
    }
}

TEST(PictureFiles, SharedPicturesDecodeAtTheirSizes) {
    const struct {
        int n, width, height;
    } cases[] = {
        {1, 128, 128},  // emblem
        {2, 511, 239},  // title logo
        {3, 624, 416},  // first-castle map
        {4, Sheet4::kCellWidth, Sheet4::kCellHeight * Sheet4::kCount},
        {5, Sheet5::kWidth, Sheet5::kHeight},
        {6, 480, 360},  // practice
        {7, Sheet78::kLevelWidth, Sheet78::kPitch * 3},
        {8, Sheet78::kStartWidth, Sheet78::kPitch * 3},
        {9, 320, 180},   // about
        {10, 624, 416},  // new-castle map
        {11, 32, 32},    // hand cursor
    };
    for (const auto& c : cases) {
        const QString name = DataFileName("Data", c.n);
        SCOPED_TRACE(name.toStdString());
        QImage img = DataPicture(name);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(c.width, c.height));
    }
}

TEST(PictureFiles, DataPicturesArePngWhateverTheirExtension) {
    for (const DataGroup& g : kDataGroups) {
        if (QByteArray(g.prefix) == "bData" || QByteArray(g.prefix) == "cData") continue;
        for (int n = 1; n <= g.count; ++n) {
            QFile f(QDir(QStringLiteral(VANTRAX_TEST_PROGRAM_DIR)).filePath(DataFileName(g.prefix, n)));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
            EXPECT_EQ(f.read(8), QByteArray("\x89PNG\r\n\x1a\n", 8)) << f.fileName().toStdString();
        }
    }
}

// Every data picture has a twin drawn at twice its size: the same picture (at
// a glance, scaled down to the 1x size, it looks like the 1x one), and a PNG
// like the data files.
TEST(PictureFiles, EveryDataPictureHasATwinAtTwiceItsSize) {
    int twins = 0;
    for (const DataGroup& g : kDataGroups) {
        if (!g.pictures) continue;
        for (int n = 1; n <= g.count; ++n) {
            const QString name = DataFileName(g.prefix, n);
            SCOPED_TRACE(name.toStdString());
            const QImage plain = DataPicture(name), dense = DataPicture(HighDensityName(name));
            ASSERT_FALSE(dense.isNull());
            EXPECT_EQ(dense.size(), plain.size() * 2);
            const QImage small = dense.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_LT(PictureDiff(small, plain), 12.0);
            ++twins;
        }
    }
    EXPECT_EQ(twins, 142 - DataGroupCount("bData") - DataGroupCount("cData"));
}

TEST(BuiltInPictures, CardsAndFacesHaveTheirSizeAndADoubleSizeTwin) {
    for (int r = 11; r <= 91; ++r) {
        SCOPED_TRACE(r);
        const QSize size = r <= 62 ? QSize(70, 90) : QSize(85, 100);
        QImage one = ResPicture(r), two = ResPicture(r, true);
        ASSERT_FALSE(one.isNull());
        ASSERT_FALSE(two.isNull());
        EXPECT_EQ(one.size(), size);
        EXPECT_EQ(two.size(), size * 2);
    }
}

TEST(BuiltInPictures, CardCornersAreTransparentAndFacesOpaque) {
    // A card is a rounded white face: its corners show the table through.
    for (int r = 11; r <= 62; ++r) {
        QImage card = ResPicture(r);
        EXPECT_EQ(qAlpha(card.pixel(0, 0)), 0) << r;
        EXPECT_EQ(qAlpha(card.pixel(69, 89)), 0) << r;
        EXPECT_EQ(qAlpha(card.pixel(35, 1)), 255) << r;
    }
    for (int r = 63; r <= 91; ++r) {
        QImage face = ResPicture(r);
        EXPECT_FALSE(face.hasAlphaChannel() && qAlpha(face.pixel(0, 0)) < 255) << r;
    }
}

}  // namespace
