// The scene canvas at both densities: where the screens are drawn above 1x it
// keeps its drawing at 2x, so the 2x frames land on it pixel for pixel, and
// a blind's column is copied from the same place of a 2x frame as of a 1x one.
#include "app/data_files.h"
#include "app/forms.h"
#include "media/pictures.h"
#include "scenes/scene_canvas.h"
#include "support/game_test.h"

#include <QWidget>

namespace {

class CanvasDensityTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        client.resize(1400, 1000);
        Forms::setHost(&client);
    }
    void TearDown() override {
        Forms::setHost(nullptr);
        Forms::setScale(1.0);
        GameTest::TearDown();
    }
    QWidget client;
};

TEST_F(CanvasDensityTest, FramesAndColumnsLandAtTheCanvasDensity) {
    const QString frame = DataFileName("hData", 1), other = DataFileName("hData", 30);
    for (qreal factor : {1.0, 2.0}) {
        SCOPED_TRACE(factor);
        Forms::setScale(factor);
        SceneCanvas canvas(nullptr, 375, 258);
        EXPECT_EQ(canvas.ratio(), factor);
        const QPixmap picture = LoadPicture(frame);
        ASSERT_EQ(picture.devicePixelRatio(), factor) << "the preload holds frames of the screens' density only";
        canvas.ShowPicture(picture);
        EXPECT_EQ(canvas.image().size(), QSize(375, 258) * factor);
        EXPECT_EQ(canvas.image().convertToFormat(QImage::Format_RGB32),
                  picture.toImage().convertToFormat(QImage::Format_RGB32));

        // Column 200 of another frame, copied over: the canvas's pixels of
        // that logical column are the other frame's, its neighbours stay.
        const QImage next = LoadPicture(other).toImage().convertToFormat(QImage::Format_RGB32);
        canvas.CopyColumn(LoadPicture(other), 200, 258);
        const QImage shown = canvas.image().convertToFormat(QImage::Format_RGB32);
        const QImage before = picture.toImage().convertToFormat(QImage::Format_RGB32);
        const int d = static_cast<int>(factor);
        int copied = 0, kept = 0, differ = 0;
        for (int y = 0; y < shown.height(); y += 3) {
            for (int x = 199 * d; x < 202 * d; ++x) {
                const bool inColumn = x >= 200 * d && x < 201 * d;
                if (next.pixel(x, y) == before.pixel(x, y)) continue;
                ++differ;
                if (inColumn && shown.pixel(x, y) == next.pixel(x, y)) ++copied;
                if (!inColumn && shown.pixel(x, y) == before.pixel(x, y)) ++kept;
            }
        }
        EXPECT_GT(differ, 100) << "the two frames differ along the column";
        EXPECT_EQ(copied + kept, differ);
    }
}

}  // namespace
