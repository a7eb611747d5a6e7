// The campaign's pictures on screens drawn at 2x: the map, the buttons cut
// from the button sheet and the faces show the 2x pictures pixel for pixel,
// with their hard edges, where the 1x pictures enlarged would blur them; at
// 1x they show the 1x pictures.
#include "campaign/map_parts.h"
#include "campaign/my_data.h"
#include "campaign/new_map_form.h"
#include "campaign/sheet_button.h"
#include "campaign_window_test.h"
#include "media/sheet_layout.h"

#include <QGraphicsView>
#include <cmath>
#include <functional>

namespace {

class ScaledPicturesTest : public CampaignWindowTest {
protected:
    void SetUp() override {
        CampaignWindowTest::SetUp();
        client.resize(1400, 1000);
        client.show();
        Forms::setHost(&client);
    }
    void TearDown() override {
        Forms::discardAll();
        Forms::setHost(nullptr);
        Forms::setScale(1.0);
        CampaignWindowTest::TearDown();
    }

    // What the player sees of `widget`'s logical rectangle `area`, in the
    // client area's pixels: from the view that draws the screens scaled, or
    // at 1x from the client area itself.
    QImage seen(QWidget* widget, const QRect& area) {
        const QPoint at = Forms::mapToHost(widget, QPointF(area.topLeft()));
        const qreal f = Forms::scale();
        const QSize size(qRound(area.width() * f), qRound(area.height() * f));
        if (QGraphicsView* view = Forms::scaledView()) {
            const QImage shot = view->viewport()->grab().toImage();
            return shot.copy(QRect(view->viewport()->mapFrom(&client, at), size)).convertToFormat(QImage::Format_RGB32);
        }
        return client.grab(QRect(at, size)).toImage().convertToFormat(QImage::Format_RGB32);
    }

    QWidget client;
};

bool near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Pixels of `shot` further than `tolerance` from `picture`, where the picture
// is opaque (a button's rounded corners show what lies under them).
int pixelsOff(const QImage& shot, const QImage& picture, int tolerance) {
    int off = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) == 255 && !near(shot.pixel(x, y), picture.pixel(x, y), tolerance)) ++off;
    return off;
}

// Horizontal neighbours whose brightness steps by more than `step`, where
// `mask` is opaque: the hard edges of lines and letters.
int hardSteps(const QImage& img, const QImage& mask, int step) {
    int steps = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 1; x < img.width(); ++x)
            if (qAlpha(mask.pixel(x, y)) == 255 && qAlpha(mask.pixel(x - 1, y)) == 255 &&
                std::abs(qGray(img.pixel(x, y)) - qGray(img.pixel(x - 1, y))) > step)
                ++steps;
    return steps;
}

struct Subject {
    const char* what;
    std::function<QPixmap(qreal)> picture;  // what it shows, at the given density
    std::function<QWidget*()> open;         // opens the screen, gives the widget it is drawn on
    QRect onWidget;                         // where on that widget it lies
};

QPixmap dataPart(int n, const QRect& part, qreal ratio) {
    return CutPicture(LoadPicture(DataFileName("Data", n), ratio), part);
}

TEST_F(ScaledPicturesTest, PicturesAreTheirOwnDensitysPixels) {
    const QRect fields(8, 8, 200, 120);
    const QRect quit(0, Sheet4::cellTop(Sheet4::Quit), Sheet4::kCellWidth, Sheet4::kCellHeight);
    const QRect close(0, Sheet4::cellTop(Sheet4::Close), Sheet4::kCellWidth, Sheet4::kCellHeight);
    const Subject subjects[] = {
        {"the first map's castle fields", [&](qreal r) { return dataPart(3, fields, r); },
         [] {
             NewMapForm& map = Forms::Get<NewMapForm>();
             map.Show();
             return static_cast<QWidget*>(&map);
         },
         fields},
        {"a map button", [&](qreal r) { return dataPart(4, quit, r); },
         [] {
             NewMapForm& map = Forms::Get<NewMapForm>();
             map.Show();
             map.QuitButton->show();
             return static_cast<QWidget*>(map.QuitButton);
         },
         QRect(QPoint(0, 0), quit.size())},
        {"a sheet button", [&](qreal r) { return dataPart(4, close, r); },
         [] {
             ShowMyData();
             return static_cast<QWidget*>(Forms::Find<MyData>()->Image1);
         },
         QRect(QPoint(0, 0), close.size())},
        {"a face on the map", [](qreal r) { return LoadResPicture(63 + 5, r); },
         [] {
             NewMapForm& map = Forms::Get<NewMapForm>();
             map.Show();
             map.Face[0]->setPixmap(FacePicture(5));
             map.Face[0]->show();
             return static_cast<QWidget*>(map.Face[0]);
         },
         QRect(0, 0, 85, 100)},
    };
    for (qreal factor : {1.0, 2.0}) {
        for (const Subject& s : subjects) {
            SCOPED_TRACE(std::string(s.what) + " at " + std::to_string(factor));
            Forms::discardAll();
            Forms::setScale(factor);
            QWidget* widget = s.open();
            ASSERT_NE(widget, nullptr);
            advance(1);
            const QImage shot = seen(widget, s.onWidget);
            const QPixmap own = s.picture(factor);
            ASSERT_EQ(own.devicePixelRatio(), factor) << "the picture of the screens' density";
            const QImage want = own.toImage().convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(shot.size(), want.size());
            EXPECT_EQ(pixelsOff(shot, want, 2), 0) << "pixels that are not the picture's own";
            if (factor == 1.0) continue;
            // The 1x picture enlarged smoothly, as the screens showed it before
            // there were 2x pictures: its edges are blends, so it could not
            // pass for what is shown.
            const QImage blurred = s.picture(1.0)
                                       .toImage()
                                       .scaled(want.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                       .convertToFormat(QImage::Format_ARGB32);
            EXPECT_GT(pixelsOff(shot, blurred, 24), want.width() * want.height() / 100);
            EXPECT_GT(hardSteps(shot, want, 64), 2 * hardSteps(blurred, want, 64));
        }
    }
}

}  // namespace
