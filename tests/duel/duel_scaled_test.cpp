// The duel drawn at every size the player can choose: clicks and drags sent
// where the player sees the cards land on those cards, and at 2x the cards'
// edges are the 2x pictures' own pixels, not a blur of the 1x ones.
#include "duel_fixture.h"
#include "kit/duel_hands.h"
#include "media/pictures.h"
#include "platform/random.h"

#include <QApplication>
#include <QGraphicsView>
#include <QMouseEvent>

namespace {

// The main window's client area, large enough for the duel at 3x.
class DuelScaledTest : public DuelTest {
protected:
    void SetUp() override {
        DuelTest::SetUp();
        client.resize(1800, 1100);
        client.show();
        Forms::setHost(&client);
        InputDevice = 0;
    }
    void TearDown() override {
        Forms::discardAll();
        Forms::setHost(nullptr);
        DuelTest::TearDown();
    }

    VantraForm& table(qreal factor, std::initializer_list<int> cards) {
        Forms::setScale(factor);
        VantraForm& f = play();
        freeze(f);
        lay(f, cards);
        host::installRandomSource(std::make_unique<host::ScriptedRandom>(std::vector<double>(40, 0.0)));
        return f;
    }

    // The middle of card image `i`, where the player sees it in the client area.
    static QPoint seen(VantraForm& f, int i) {
        QWidget* card = f.Image1[static_cast<size_t>(i)];
        return Forms::mapToHost(card, QPointF(card->rect().center()));
    }

    // A mouse event at a point of the client area, delivered as the window
    // system would: to the view that draws the screens scaled, or at 1x to
    // the widget under the point.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* target = nullptr;
        if (QGraphicsView* view = Forms::scaledView())
            target = view->viewport();
        else if (grabbed && type != QEvent::MouseButtonPress)
            target = grabbed;
        else
            target = client.childAt(at);
        ASSERT_NE(target, nullptr);
        if (type == QEvent::MouseButtonPress) grabbed = target;
        const QPointF local = target->mapFrom(&client, QPointF(at));
        const QPointF global = client.mapToGlobal(QPointF(at));
        QMouseEvent e(type, local, local, global, button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
        if (type == QEvent::MouseButtonRelease) grabbed = nullptr;
    }
    void click(QPoint at) {
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }

    QWidget client;
    QWidget* grabbed = nullptr;
};

constexpr qreal kFactors[] = {1.0, 1.5, 2.0, 3.0};

TEST_F(DuelScaledTest, ClicksAndDragsLandOnTheCardsThePlayerSees) {
    for (qreal factor : kFactors) {
        SCOPED_TRACE(factor);
        VantraForm& f = table(factor, {0, 0, 0, 0, Mine(5), Theirs(10), Theirs(1), 0, 0, 0});
        EXPECT_EQ(Forms::scaledView() != nullptr, factor != 1.0);
        const QSize area = Forms::screenArea();
        const QPoint centred((area.width() - f.width()) / 2, (area.height() - f.height()) / 2);
        EXPECT_EQ(Forms::mapToHost(&f, QPointF(0, 0)), (QPointF(centred) * factor).toPoint())
            << "the duel stays in the middle of the client area";

        click(seen(f, 2));
        EXPECT_EQ(f.slot(2), f.MyDeck[24]) << "a click draws into the place clicked";
        EXPECT_EQ(f.slot(1), 0);
        f.SetSlot(2, Mine(9));
        advance(1);

        // Held over the 10, the card is drawn under the pointer.
        const QPoint from = seen(f, 2), onto = seen(f, 6);
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, (from + onto) / 2, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, onto, Qt::NoButton, Qt::LeftButton);
        ASSERT_TRUE(f.dragGhostShown());
        // Within a pixel: at 1.5x a screen pixel is two thirds of the duel's.
        EXPECT_LE((f.dragGhostGeometry().topLeft() - f.Image1[6]->geometry().topLeft()).manhattanLength(), 2);
        mouse(QEvent::MouseButtonRelease, onto, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(f.slot(6), Mine(9)) << "dropped on the 10";
        EXPECT_EQ(f.slot(2), 0);
        EXPECT_FALSE(f.dragGhostShown());

        // A refused drop leaves the card where it was.
        click(seen(f, 3));
        f.SetSlot(3, Mine(12));
        advance(1);
        mouse(QEvent::MouseButtonPress, seen(f, 3), Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, seen(f, 5), Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, seen(f, 5), Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(f.slot(3), Mine(12));
        EXPECT_EQ(f.slot(5), Mine(5));

        // The next size starts from a fresh duel, with no hand-back.
        Forms::discardAll();
        advance(1);
    }
}

// The keyboard reaches a duel drawn scaled, through the view that shows it.
TEST_F(DuelScaledTest, KeysPlayAtTwiceTheSize) {
    VantraForm& f = table(2.0, {0, 0, 0, 0, Mine(5), Theirs(10), 0, 0, 0, 0});
    InputDevice = 1;
    duel_hands::ReleaseKey(90);  // Z, the first place
    EXPECT_EQ(f.slot(1), f.MyDeck[24]);
}

// Every opaque pixel of the card as drawn against the 2x picture it came from.
TEST_F(DuelScaledTest, CardsAtTwiceTheSizeAreTheTwoTimesPicturesPixelForPixel) {
    VantraForm& f = table(2.0, {Mine(1), 0, 0, 0, Mine(5), Theirs(10), Theirs(1), 0, 0, 0});
    advance(2);
    CardImage* card = f.Image1[6];
    ASSERT_EQ(card->picture().devicePixelRatio(), 2.0) << "the 2x picture is the one shown";
    const QImage source = LoadResPicture(Theirs(10) + 10, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QGraphicsView* view = Forms::scaledView();
    ASSERT_NE(view, nullptr);
    const QImage shot = view->viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shot.devicePixelRatio(), 1.0);

    const QSizeF s = card->picture().deviceIndependentSize();
    const QPointF topLeft((card->width() - s.width()) / 2, (card->height() - s.height()) / 2);
    const QPoint at = view->viewport()->mapFrom(&client, Forms::mapToHost(card, topLeft));
    int compared = 0, off = 0, edgeCompared = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb want = source.pixel(x, y);
            if (qAlpha(want) != 255) continue;
            const QRgb got = shot.pixel(at.x() + x, at.y() + y);
            const bool same = std::abs(qRed(got) - qRed(want)) <= 2 && std::abs(qGreen(got) - qGreen(want)) <= 2 &&
                              std::abs(qBlue(got) - qBlue(want)) <= 2;
            ++compared;
            if (!same) ++off;
            const bool edge = x == 0 || y == 0 || x == source.width() - 1 || y == source.height() - 1 ||
                              qAlpha(source.pixel(x - 1, y)) != 255 || qAlpha(source.pixel(x + 1, y)) != 255;
            if (edge) ++edgeCompared;
        }
    }
    EXPECT_GT(edgeCompared, 100);
    EXPECT_GT(compared, source.width() * source.height() / 2);
    EXPECT_EQ(off, 0) << "pixels of the card that are not the picture's own";
}

}  // namespace
