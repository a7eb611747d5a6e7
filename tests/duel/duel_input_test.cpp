// The player's keys, clicks and drags on a frozen table: the opponent and the
// stall watch are stopped, so only the player's input changes anything.
// PlayWave always resets StallCount to 1, so a StallCount left at 7 shows
// that no move (and no sound) happened.
#include "duel_fixture.h"
#include "kit/duel_hands.h"
#include "platform/random.h"

#include <functional>

namespace {
using namespace duel_hands;
constexpr int16_t S = 83, D = 68, Z = 90, X = 88, C = 67, V = 86;
constexpr int16_t kUntouched = 7;

class DuelInputTest : public DuelTest {
protected:
    // No contest unless a test asks for one: the lay draw is below 9.
    void noContests() {
        host::installRandomSource(std::make_unique<host::ScriptedRandom>(std::vector<double>(40, 0.0)));
    }
    VantraForm& table(std::initializer_list<int> cards) {
        VantraForm& f = play();
        freeze(f);
        lay(f, cards);
        noContests();
        f.StallCount = kUntouched;
        return f;
    }
};

TEST_F(DuelInputTest, KeysDrawPickUnpickAndLay) {
    // Piles: 5 and the opponent's 10; the player's row empty.
    VantraForm& f = table({0, 0, 0, 0, Mine(5), Theirs(10), 0, 0, 0, 0});
    ReleaseKey(Z);
    EXPECT_EQ(f.slot(1), f.MyDeck[24]);
    EXPECT_EQ(f.MyCount, 24);
    EXPECT_EQ(f.StallCount, 1);
    advance(1);

    f.StallCount = kUntouched;
    ReleaseKey(Z);
    EXPECT_EQ(f.Selected, 1);
    EXPECT_TRUE(f.Shape5->isVisible());
    EXPECT_EQ(f.Shape5->x(), Tw(180));
    ReleaseKey(Z);
    EXPECT_EQ(f.Selected, 0) << "the same key puts the card back";
    EXPECT_FALSE(f.Shape5->isVisible());
    EXPECT_EQ(f.StallCount, kUntouched) << "without a sound";
    ReleaseKey(S);
    EXPECT_EQ(f.StallCount, kUntouched) << "a pile key with nothing picked only hides the cursor";

    f.SetSlot(1, Mine(6));
    f.SetSlot(2, Mine(9));
    f.SetSlot(3, Mine(9) + 13);
    f.SetSlot(4, Mine(2));
    advance(1);
    ReleaseKey(Z);
    ReleaseKey(S);
    EXPECT_EQ(f.slot(5), Mine(6));
    EXPECT_EQ(f.slot(1), 0);
    EXPECT_EQ(f.StallCount, 1);

    f.StallCount = kUntouched;
    ReleaseKey(X);
    ReleaseKey(S);
    EXPECT_EQ(f.slot(2), Mine(9)) << "a 9 does not go on a 6";
    EXPECT_EQ(f.StallCount, 1) << "the refusal sounds";
    EXPECT_EQ(f.Selected, 0);

    ReleaseKey(X);
    ReleaseKey(C);
    EXPECT_EQ(f.slot(3), Mine(9)) << "the picked 9 lies on the other 9";
    EXPECT_EQ(f.slot(2), 0);

    f.StallCount = kUntouched;
    ReleaseKey(C);
    ReleaseKey(V);
    EXPECT_EQ(f.slot(3), Mine(9));
    EXPECT_EQ(f.slot(4), Mine(2));
    EXPECT_EQ(f.StallCount, 1) << "different ranks are refused";
    EXPECT_FALSE(f.Shape5->isVisible());
}

// A key held down: X repeats it by release and press pairs that share one time
// stamp, and Qt marks a pair as auto-repeat only when it sees it whole. However
// many pairs come marked, the hold acts once: one card drawn into the empty
// place, not then picked and put back with every pair.
TEST_F(DuelInputTest, AHeldKeyActsOnce) {
    struct Case {
        const char* name;
        std::function<bool(int)> marked;
    };
    const Case cases[] = {
        {"every pair marked", [](int) { return true; }},
        {"no pair marked (Xvfb)", [](int) { return false; }},
        {"some pairs marked", [](int i) { return i % 3 == 0; }},
        {"all but the first marked", [](int i) { return i > 0; }},
    };
    VantraForm& f = table({0, 0, 0, 0, Mine(5), Theirs(10), 0, 0, 0, 0});
    uint64_t t = 100000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.SetSlot(1, 0);
        advance(1);
        const int before = f.MyCount;
        t = HoldKey(f, Z, t + 500, 7, c.marked);
        EXPECT_EQ(f.slot(1), f.MyDeck[static_cast<size_t>(before - 1)]);
        EXPECT_EQ(f.MyCount, before - 1) << "one card drawn";
        EXPECT_EQ(f.Selected, 0) << "and not picked by a repeat";
        EXPECT_FALSE(f.Shape5->isVisible());
        // Another hold, and a tap after it, are each a stroke of their own.
        advance(2);  // the drawn card is shown
        t = HoldKey(f, Z, t + 300, 4, c.marked);
        EXPECT_EQ(f.Selected, 1);
        t = HoldKey(f, Z, t + 200, 0, c.marked);
        EXPECT_EQ(f.Selected, 0);
        EXPECT_EQ(f.MyCount, before - 1);
    }
}

TEST_F(DuelInputTest, KeysWithTheDeckExhausted) {
    VantraForm& f = table({0, Mine(8), 0, 0, Mine(5), Theirs(10), 0, 0, 0, 0});
    f.MyCount = 1;
    ReleaseKey(Z);
    EXPECT_EQ(f.slot(1), 0);
    EXPECT_EQ(f.Selected, 0);
    EXPECT_EQ(f.StallCount, kUntouched) << "an empty place with nothing picked does nothing";
    ReleaseKey(X);
    ReleaseKey(Z);
    EXPECT_EQ(f.StallCount, 1) << "with a card picked it is refused";
    EXPECT_EQ(f.Selected, 0);
    EXPECT_EQ(f.slot(2), Mine(8));
}

TEST_F(DuelInputTest, KeysDoNothingWithTheMouseChosen) {
    InputDevice = 0;
    VantraForm& f = table({Mine(6), 0, 0, 0, Mine(5), Theirs(10), 0, 0, 0, 0});
    for (int16_t key : {Z, X, S, D}) ReleaseKey(key);
    EXPECT_EQ(f.slot(1), Mine(6));
    EXPECT_EQ(f.slot(2), 0);
    EXPECT_EQ(f.Selected, 0);
    EXPECT_EQ(f.StallCount, kUntouched);
}

TEST_F(DuelInputTest, ConfiguredKeysAreTheOnesThatPlay) {
    PlayKeys = {37, 39, 49, 50, 51, 52};  // arrows for the piles, 1 2 3 4 for the places
    VantraForm& f = table({0, 0, 0, 0, Mine(5), Theirs(10), 0, 0, 0, 0});
    ReleaseKey(Z);
    EXPECT_EQ(f.slot(1), 0);
    ReleaseKey(51);
    EXPECT_NE(f.slot(3), 0);
}

TEST_F(DuelInputTest, ClicksDrawOnlyIntoEmptyPlacesWhileTheDeckLasts) {
    InputDevice = 0;
    VantraForm& f = table({0, 0, 0, 0, Mine(5), Theirs(10), Theirs(1), 0, 0, 0});
    ClickCard(f, 1);
    EXPECT_EQ(f.slot(1), f.MyDeck[24]);
    EXPECT_TRUE(f.Image1[1]->draggable());
    advance(1);
    f.StallCount = kUntouched;
    for (int i : {1, 5, 6, 7, 8}) ClickCard(f, i);
    EXPECT_EQ(f.MyCount, 24);
    EXPECT_EQ(f.StallCount, kUntouched) << "a card, a pile or the opponent's row does nothing";
    f.MyCount = 1;
    ClickCard(f, 2);
    EXPECT_EQ(f.slot(2), 0);
}

TEST_F(DuelInputTest, DragsLayMergeOrAreRefused) {
    InputDevice = 0;
    VantraForm& f = table({0, 0, 0, 0, Mine(5), Theirs(10), Theirs(1), 0, 0, 0});
    for (int i : {1, 2, 3}) ClickCard(f, i);
    f.SetSlot(1, Mine(9));
    f.SetSlot(2, Mine(4));
    f.SetSlot(3, Mine(4) + 13);
    advance(1);

    f.StallCount = kUntouched;
    DragCard(f, 1, 5);
    EXPECT_EQ(f.slot(1), Mine(9)) << "a 9 does not go on a 5";
    EXPECT_EQ(f.StallCount, 1);
    EXPECT_TRUE(f.Image1[1]->draggable()) << "the refused card can still be dragged";

    DragCard(f, 1, 6);
    EXPECT_EQ(f.slot(6), Mine(9)) << "a 9 on the 10";
    EXPECT_EQ(f.slot(1), 0);
    EXPECT_FALSE(f.Image1[1]->draggable());

    advance(1);
    f.StallCount = kUntouched;
    DragCard(f, 2, 4);
    DragCard(f, 2, 7);
    DragCard(f, 2, 2);
    EXPECT_EQ(f.slot(2), Mine(4));
    EXPECT_EQ(f.StallCount, kUntouched) << "onto an empty place, the opponent's row or itself: nothing";

    DragCard(f, 2, 3);
    EXPECT_EQ(f.slot(3), Mine(4));
    EXPECT_EQ(f.slot(2), 0);
    EXPECT_FALSE(f.Image1[2]->draggable());
    EXPECT_TRUE(f.Image1[3]->draggable());
    EXPECT_FALSE(f.dragGhostShown());
}

// A refused move blinks a rim around the card that could not go, on its own
// timer in the duel's time, and then takes it away again; the blink changes
// nothing on the table.
TEST_F(DuelInputTest, ARefusedMoveIsSeenForAMomentAndChangesNothing) {
    struct Case {
        const char* what;
        int device;
        std::function<void(VantraForm&)> refuse;
        int card;  // the card the rim goes round
    };
    const Case cases[] = {
        {"a 9 laid by keys on a 5", 1, [](VantraForm&) { ReleaseKey(Z), ReleaseKey(S); }, 1},
        {"a 4 put by keys on a 9", 1, [](VantraForm&) { ReleaseKey(X), ReleaseKey(Z); }, 2},
        {"a 9 dragged onto a 5", 0, [](VantraForm& f) { DragCard(f, 1, 5); }, 1},
        {"a 4 dragged onto a 9", 0, [](VantraForm& f) { DragCard(f, 2, 1); }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InputDevice = static_cast<int16_t>(c.device);
        VantraForm& f = table({0, 0, 0, 0, Mine(5), Theirs(1), 0, 0, 0, 0});
        if (c.device == 0)
            for (int i : {1, 2}) ClickCard(f, i);
        f.SetSlot(1, Mine(9));
        f.SetSlot(2, Mine(4));
        advance(1);
        EXPECT_FALSE(f.refuseMarkShown());

        f.StallCount = kUntouched;
        std::array<int, 11> before{};
        for (int i = 1; i <= 10; ++i) before[static_cast<size_t>(i)] = f.slot(i);
        const int myCount = f.MyCount, foeCount = f.FoeCount;
        c.refuse(f);
        EXPECT_EQ(f.StallCount, 1) << "the refusal sounds";
        EXPECT_TRUE(f.refuseMarkShown());
        EXPECT_TRUE(f.refuseFlashing());
        EXPECT_TRUE(f.refuseMarkGeometry().contains(f.Image1[static_cast<size_t>(c.card)]->geometry()));

        advance(2000);
        EXPECT_FALSE(f.refuseFlashing()) << "the blink ends by itself";
        EXPECT_FALSE(f.refuseMarkShown());
        for (int i = 1; i <= 10; ++i) EXPECT_EQ(f.slot(i), before[static_cast<size_t>(i)]) << "place " << i;
        EXPECT_EQ(f.MyCount, myCount);
        EXPECT_EQ(f.FoeCount, foeCount);
        EXPECT_EQ(f.Selected, 0);
        Forms::discardAll();
    }
}

TEST_F(DuelInputTest, OnlyCardsDrawnByClickCanBeDragged) {
    InputDevice = 0;
    VantraForm& f = table({Mine(6), 0, 0, 0, Mine(5), Theirs(10), 0, 0, 0, 0});
    DragCard(f, 1, 5);
    EXPECT_EQ(f.slot(1), Mine(6));
    EXPECT_EQ(f.StallCount, kUntouched);
}

TEST_F(DuelInputTest, ClicksAndDropsDoNothingWithTheKeyboardChosen) {
    VantraForm& f = table({0, 0, 0, 0, Mine(5), Theirs(10), 0, 0, 0, 0});
    ClickCard(f, 1);
    EXPECT_EQ(f.slot(1), 0);
    f.SetSlot(1, Mine(6));
    f.Image1[1]->setDraggable(true);  // as if drawn by a click before the device was changed
    advance(1);
    DragCard(f, 1, 5);
    EXPECT_EQ(f.slot(1), Mine(6));
    EXPECT_EQ(f.StallCount, kUntouched);
}

TEST_F(DuelInputTest, NoClicksDuringTheCountdownOrBehindTheReDealCover) {
    InputDevice = 0;
    VantraForm& f = open();
    advance(6000);
    ClickCard(f, 1);
    EXPECT_EQ(f.slot(1), 0) << "the table is hidden behind the banner";
    advance(2000);
    freeze(f);
    f.Image2->show();
    f.Image2->raise();
    ClickCard(f, 1);
    EXPECT_EQ(f.slot(1), 0) << "the cover swallows the click";
    f.Image2->hide();
    ClickCard(f, 1);
    EXPECT_NE(f.slot(1), 0);
}

}  // namespace
