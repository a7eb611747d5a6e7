// The life of the duel window: the deal, the countdown and its banners, the
// clock, the opponent's state, and the redraw that only wakes for changes.
#include "duel_fixture.h"

#include "media/pictures.h"
#include "platform/random.h"
#include "platform/scheduler.h"

#include <set>

namespace {

TEST_F(DuelTest, TheDealPutsOneCardOfEachDeckOnThePiles) {
    VantraForm& f = open();
    EXPECT_EQ(f.MyCount, 25);
    EXPECT_EQ(f.FoeCount, 25);
    EXPECT_EQ(f.slot(5), f.MyDeck[25]);
    EXPECT_EQ(f.slot(6), f.FoeDeck[25]);
    for (int i : {1, 2, 3, 4, 7, 8, 9, 10}) EXPECT_EQ(f.slot(i), 0);
    EXPECT_EQ(f.MyGauge.cover, 1);
    EXPECT_EQ(f.FoeGauge.cover, 1);
    EXPECT_EQ(f.Shape1->height(), (f.Picture2->height() + 12) / 25) << "a cover one unit high";
    EXPECT_EQ(f.Picture2->backColor(), BgrColor(0xFF0000));
    std::set<int> mine(f.MyDeck.begin() + 1, f.MyDeck.end()), theirs(f.FoeDeck.begin() + 1, f.FoeDeck.end());
    EXPECT_EQ(mine.size(), 26u);
    EXPECT_EQ(*mine.rbegin(), 26);
    EXPECT_EQ(theirs.size(), 26u);
    EXPECT_EQ(*theirs.begin(), 27);
    EXPECT_EQ(f.Label1->text(), GuideLine());
}

TEST_F(DuelTest, TwoDecksShuffledInTheSameMillisecondDiffer) {
    // The clock-seeded generator the game really uses; virtual time stands still here.
    host::installRandomSource(std::make_unique<host::ClockSeededRandom>());
    VantraForm& f = open();
    const uint32_t t = host::Clock();
    for (int round = 0; round < 5; ++round) {
        f.ShafleCard();
        ASSERT_EQ(host::Clock(), t);
        int samePlace = 0;
        for (int j = 1; j <= 26; ++j) samePlace += (f.FoeDeck[j] - 26 == f.MyDeck[j]) ? 1 : 0;
        EXPECT_LT(samePlace, 26) << "the player's deck must not repeat the opponent's pattern";
        EXPECT_LT(samePlace, 8);
    }
}

TEST_F(DuelTest, CountdownBannersAndPlayBeginning) {
    VantraForm& f = open();
    EXPECT_TRUE(f.Picture4->isVisible());
    EXPECT_FALSE(f.Picture1->isVisible());
    EXPECT_FALSE(f.Label5->isVisible());
    EXPECT_EQ(f.Label11->text(), QStringLiteral("0分00秒"));

    struct Banner {
        uint64_t at;
        const char* text;
        int firstFrameAfter;  // ms until its animation's first frame
    };
    const Banner banners[] = {{2000, "OnYourMark", 100}, {4000, "GetSet", 50}, {6000, "Go!!", 50}};
    uint64_t now = 0;
    for (const Banner& b : banners) {
        advance(b.at - now);
        now = b.at;
        EXPECT_EQ(f.Label5->text(), QString::fromLatin1(b.text));
        EXPECT_EQ(f.Label6->text(), QString::fromLatin1(b.text));
        EXPECT_EQ(f.BannerFrame, 0);
        advance(b.firstFrameAfter - 1);
        EXPECT_EQ(f.BannerFrame, 0) << b.text;
        advance(1);
        now += b.firstFrameAfter;
        EXPECT_EQ(f.BannerFrame, 1) << b.text;
        EXPECT_TRUE(f.Label5->isVisible());
        EXPECT_TRUE(f.Label6->isVisible());
        EXPECT_EQ(f.Label5->x(), -2);
        EXPECT_EQ(f.Label6->x(), 2);
        EXPECT_EQ(f.Label5->palette().color(QPalette::WindowText), BgrColor(0x606060));
        // Fifteen frames 10 ms apart bring the copies together and flash white.
        advance(150);
        now += 150;
        EXPECT_EQ(f.BannerFrame, 16);
        EXPECT_FALSE(f.Label6->isVisible());
        EXPECT_EQ(f.Label5->x(), 0);
        EXPECT_EQ(f.Label5->palette().color(QPalette::WindowText), Qt::white);
        // Then it fades 50 ms a frame down to black and the animation stops.
        advance(8 * 50);
        now += 400;
        EXPECT_EQ(f.BannerFrame, 24);
        EXPECT_EQ(f.Label5->palette().color(QPalette::WindowText), Qt::black);
        advance(50);
        now += 50;
        EXPECT_FALSE(f.OpenTimer.enabled());
        EXPECT_FALSE(f.KeyPlayOn);
    }
    // The clock starts with "Go!!", two seconds before the cards can be played.
    EXPECT_TRUE(f.Timer2.enabled());
    EXPECT_EQ(f.Label11->text(), QStringLiteral("0分00秒"));
    advance(8000 - now);
    EXPECT_EQ(f.Label11->text(), QStringLiteral("0分02秒"));
    EXPECT_TRUE(f.KeyPlayOn);
    EXPECT_FALSE(f.Picture4->isVisible());
    EXPECT_TRUE(f.Picture1->isVisible());
    for (host::Timer* t : {&f.eAvTimer, &f.eHeadTimer, &f.AgainTimer}) EXPECT_TRUE(t->enabled());
    EXPECT_TRUE(f.cardSetEnabled());
    advance(2);
    EXPECT_TRUE(f.Image1[5]->isVisible());
    EXPECT_EQ(f.Image1[5]->picture().toImage(), CardPicture(f.slot(5)).toImage());
    EXPECT_EQ(f.shown(6), f.slot(6));
}

TEST_F(DuelTest, ClockShowsMinutesAboveAnHour) {
    VantraForm& f = play();
    freeze(f);
    f.StartTime = host::Clock() - 3'660'000;
    advance(250);
    EXPECT_EQ(f.Label11->text(), QStringLiteral("61分00秒"));
}

TEST_F(DuelTest, ClockSurvivesTheClockWrapping) {
    // Start the virtual clock 7 s before the 32-bit clock wraps.
    time.reset();
    time = std::make_unique<host::VirtualScheduler>(0xFFFFFFFFull - 7000);
    VantraForm& f = play();
    freeze(f);
    ASSERT_LT(host::Clock(), 10000u) << "the clock has wrapped";
    advance(3000);
    EXPECT_EQ(f.Label11->text(), QStringLiteral("0分05秒"));
}

TEST_F(DuelTest, OpponentStateAtLoadForPracticeLevelTwo) {
    VantraForm& f = open(50, 50, 50);
    EXPECT_EQ(f.Anger, 25);
    EXPECT_EQ(f.Quickness, 52);
    EXPECT_EQ(f.Concentration, 51);
    EXPECT_EQ(f.Accuracy, 58);
    EXPECT_EQ(f.PlayInterval, 1116);
    EXPECT_EQ(f.eHeadTimer.interval(), 1116);
    EXPECT_EQ(f.Label4->text(), QStringLiteral("正常"));
    EXPECT_EQ(f.Label4->palette().color(QPalette::WindowText), Qt::white);
    for (int bar = 0; bar < 4; ++bar) EXPECT_EQ(f.Picture6[bar]->colour(), BgrColor(0xFF0000)) << bar;
    EXPECT_EQ(f.Picture6[0]->value(), 52);
    EXPECT_EQ(f.Picture6[1]->filledWidth(), f.Picture6[1]->width() / 4);
}

TEST_F(DuelTest, AFuriousOpponentTenCardsBehind) {
    VantraForm& f = open(10, 100, 10);
    f.FoeCount = static_cast<uint8_t>(f.MyCount + 10);
    f.eAvTimer_Timer();
    EXPECT_EQ(f.Anger, 100);
    EXPECT_EQ(f.Label4->text(), QStringLiteral("激怒"));
    EXPECT_EQ(f.Picture6[1]->colour(), BgrColor(0x0000FF));
    EXPECT_EQ(f.Picture6[1]->filledWidth(), f.Picture6[1]->width());
}

TEST_F(DuelTest, QuicknessAbove150PacesFromItsValueButShowsFull) {
    VantraForm& f = open(180, 0, 0);
    EXPECT_EQ(f.PlayInterval, 459);
    EXPECT_EQ(f.Quickness, 150) << "stored as the bar shows it, for the contest";
    EXPECT_EQ(f.Picture6[0]->filledWidth(), f.Picture6[0]->width());
    EXPECT_EQ(f.Picture6[0]->colour(), BgrColor(0x0000FF));
}

TEST_F(DuelTest, MoveTimerKeepsItsCountdownWhenTheStateTickRepeatsTheInterval) {
    // The base interval 1116 ms is longer than the state tick's second: the
    // tick at 1000 ms assigns 1116 again, and the first move must still come
    // at 1116 ms.
    VantraForm& f = play(50, 50, 50);
    advance(1115);
    EXPECT_EQ(f.slot(7), 0);
    advance(1);
    EXPECT_NE(f.slot(7), 0);
    EXPECT_EQ(f.FoeCount, 24);
    // And the opponent goes on playing for the rest of the duel.
    advance(20000);
    EXPECT_LE(f.FoeCount, 21);
}

TEST_F(DuelTest, PowerUpOnlyInTheNewCastleWithCardsToSpare) {
    struct Case {
        int16_t stage;
        uint8_t foeCount;
        bool powers;
    };
    const Case cases[] = {{11, 10, true}, {16, 25, true}, {10, 25, false}, {3, 25, false}, {12, 9, false}};
    for (const Case& c : cases) {
        StageNo = c.stage;
        GameMode = 2;
        StartDuel(QStringLiteral("x"), 72, 50, 50, 50, 3);
        VantraForm& f = *Forms::Find<VantraForm>();
        f.StartTimer.setEnabled(false);  // stay before play: only the ticks below run
        f.FoeCount = c.foeCount;
        f.PowerUp = false;
        f.Timer1.setEnabled(false);
        // r = floor(0.2 * 20 + 1) = 5 starts a power-up.
        host::installRandomSource(std::make_unique<host::ScriptedRandom>(std::vector<double>{0.2}));
        f.eAvTimer_Timer();
        EXPECT_EQ(f.PowerUp, c.powers) << "stage " << c.stage << " counter " << int(c.foeCount);
        if (c.powers) {
            EXPECT_EQ(f.Picture1->backColor(), kPowerUpColour);
            EXPECT_EQ(f.Label4->text(), QStringLiteral("PowerUp"));
            EXPECT_EQ(f.Label4->palette().color(QPalette::WindowText), BgrColor(0x00FFFF));
            EXPECT_EQ(f.Quickness, 150);
            EXPECT_EQ(f.PlayInterval, MoveInterval(225));
            f.eAvTimer_Timer();
            EXPECT_EQ(f.Label4->palette().color(QPalette::WindowText), BgrColor(0x0000FF)) << "it blinks";
            advance(10000);
            EXPECT_FALSE(f.PowerUp);
            EXPECT_EQ(f.Picture1->backColor(), kTableColour);
            EXPECT_FALSE(f.Timer1.enabled());
        }
        GameMode = 0;  // nowhere to hand back to
        f.Unload();
        advance(1);
    }
}

TEST_F(DuelTest, RedrawOnlyWakesWhenACardChanged) {
    VantraForm& f = play();
    freeze(f);
    advance(5);
    EXPECT_TRUE(f.cardSetEnabled());
    EXPECT_FALSE(f.CardSetTimer.counting()) << "nothing to redraw, nothing ticking";
    f.SetSlot(1, 7);
    EXPECT_TRUE(f.CardSetTimer.counting());
    EXPECT_EQ(f.shown(1), 0);
    advance(1);
    EXPECT_EQ(f.shown(1), 7);
    EXPECT_FALSE(f.CardSetTimer.counting());
    // Switched off, the picture waits for the table until it is switched on again.
    f.SetCardSetTimer(false);
    f.SetSlot(1, 8);
    advance(10);
    EXPECT_EQ(f.shown(1), 7);
    f.SetCardSetTimer(true);
    advance(1);
    EXPECT_EQ(f.shown(1), 8);
}

// Faces no card shows are let go once many have been drawn; the ones on the
// table never are, and a face let go comes back when a card shows it again.
TEST_F(DuelTest, EveryCardShowsItsFaceThroughAWholeDeckOfChanges) {
    VantraForm& f = play();
    freeze(f);
    const auto faceOf = [](CardValue v) { return CardPicture(v).toImage(); };
    for (int round = 0; round < 2; ++round)
        for (int v = 1; v <= 52; ++v) {
            const int slot = 1 + (v + round) % 10;
            f.SetSlot(slot, static_cast<CardValue>(v));
            advance(1);
            ASSERT_EQ(f.shown(slot), v);
            // Every card on the table still has its own face.
            for (int i = 1; i <= 10; ++i) {
                const CardValue shown = static_cast<CardValue>(f.shown(i));
                if (shown == 0) continue;
                ASSERT_EQ(f.Image1[static_cast<size_t>(i)]->picture().toImage(), faceOf(shown))
                    << "slot " << i << " card " << int(shown) << " round " << round;
            }
        }
}

TEST_F(DuelTest, PortraitByStageAndCaller) {
    struct Case {
        int16_t stage;
        uint8_t mode;
        int16_t face;
        int resource;
    };
    const Case cases[] = {
        {3, 1, 5, 68},      // first castle: a face number
        {12, 2, 77, 77},    // new castle: the portrait's own number
        {0, 255, 28, 91},   // practice from a fresh start
        {12, 255, 28, 91},  // practice after a new-castle game: still the guide, never a card
    };
    for (const Case& c : cases) {
        StageNo = c.stage;
        GameMode = c.mode;
        StartDuel(QStringLiteral("x"), c.face, 10, 10, 10, 3);
        VantraForm& f = *Forms::Find<VantraForm>();
        EXPECT_EQ(f.Image4->pixmap().toImage(), LoadResPicture(c.resource).toImage()) << c.resource;
        GameMode = 0;
        f.Unload();
        advance(1);
    }
}

TEST_F(DuelTest, StrengthsOutsideAByteAreHeldAtItsEnds) {
    GameMode = 255;
    StartDuel(GuideLine(), 28, 300, -5, 255, 3);
    EXPECT_EQ(DuelParamA, 255);
    EXPECT_EQ(DuelParamB, 0);
    EXPECT_EQ(DuelParamC, 255);
    EXPECT_EQ(DuelMusic, 3);
    EXPECT_EQ(DuelFoeFace, 28);
}

}  // namespace
