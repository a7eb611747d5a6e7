#include "duel/battle_rules.h"
#include "duel/result_rules.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

Table Row(std::initializer_list<int> cards) {
    Table t{};
    int i = 1;
    for (int v : cards) t[static_cast<size_t>(i++)] = CardValue(v);
    return t;
}

TEST(ContestBar, MovesTowardsWhoeverIsAhead) {
    struct Case {
        int16_t mine, foe, share;
    };
    const Case cases[] = {
        {0, 0, 2768},    // the start: half of 5535, rounded to even
        {5, 5, 2768},    // level again
        {9, 0, 5032},    //
        {10, 3, 5535},   // the player's tenth hit fills the bar
        {2, 10, 0},      // the opponent's tenth empties it
        {10, 10, 5535},  // the player's side is looked at first
        {3, 9, 692},
    };
    for (const Case& c : cases) EXPECT_EQ(PBarShare(c.mine, c.foe), c.share) << c.mine << ":" << c.foe;
}

TEST(ContestBar, OpponentsHitPace) {
    EXPECT_EQ(FoeHitInterval(0), 230);
    EXPECT_EQ(FoeHitInterval(52), 152);
    EXPECT_EQ(FoeHitInterval(99), 82) << "81.5 rounds to even";
    EXPECT_EQ(FoeHitInterval(100), 80);
    EXPECT_EQ(FoeHitInterval(150), 70);
}

TEST(Contest, OnlyWhenTheOpponentCouldAnswerOnThatPile) {
    // Left pile 5, right pile King; the opponent holds a 4 at place 9 and an Ace at 10.
    const Table t = Row({6, 0, 0, 0, 5, 13, 0, 0, 30, 27});
    EXPECT_EQ(ContestingFoePlace(t, 5), 9);
    EXPECT_EQ(ContestingFoePlace(t, 6), 10);
    EXPECT_EQ(ContestingFoePlace(Row({6, 0, 0, 0, 5, 13, 33, 0, 0, 0}), 5), 0);
    EXPECT_FALSE(LayIsContested(8.999f));
    EXPECT_TRUE(LayIsContested(9.0f));
}

TEST(StallWatch, ReDealsAfterTwoQuietTicksAndResumesAfterThePause) {
    const Table full = Row({1, 2, 3, 4, 9, 22, 27, 28, 29, 30});
    const Table myGap = Row({1, 0, 3, 4, 9, 22, 27, 28, 29, 30});
    const Table foeGap = Row({1, 2, 3, 4, 9, 22, 27, 0, 29, 30});
    struct Case {
        const char* what;
        int16_t n;
        const Table& t;
        uint8_t my, foe;
        StallAction action;
    };
    const Case cases[] = {
        {"one quiet tick", 2, full, 20, 20, StallAction::Wait},
        {"two quiet ticks", 3, full, 20, 20, StallAction::ReDeal},
        {"still stalled", 39, full, 20, 20, StallAction::ReDeal},
        {"the pause", 50, full, 20, 20, StallAction::Wait},
        {"after the pause", 51, full, 20, 20, StallAction::Resume},
        {"the player can draw", 3, myGap, 2, 20, StallAction::Reset},
        {"the player's deck is out", 3, myGap, 1, 20, StallAction::ReDeal},
        {"the opponent can draw", 3, foeGap, 20, 2, StallAction::Reset},
        {"the opponent's deck is out", 3, foeGap, 20, 1, StallAction::ReDeal},
    };
    for (const Case& c : cases) EXPECT_EQ(StallWatch(c.n, c.t, c.my, c.foe), c.action) << c.what;
}

TEST(Result, TheSideWithNothingLeftFinishes) {
    EXPECT_EQ(CheckFinish(Row({0, 0, 0, 0, 1, 27, 28, 0, 0, 0}), 1, 5), Finish::PlayerWon);
    EXPECT_EQ(CheckFinish(Row({0, 0, 0, 0, 1, 27, 28, 0, 0, 0}), 2, 5), Finish::None) << "a card left to draw";
    EXPECT_EQ(CheckFinish(Row({0, 0, 3, 0, 1, 27, 0, 0, 0, 0}), 1, 1), Finish::PlayerLost);
    EXPECT_EQ(CheckFinish(Row({0, 0, 0, 0, 1, 27, 0, 0, 0, 0}), 1, 1), Finish::PlayerWon) << "the player first";
}

TEST(Result, ClockText) {
    struct Case {
        uint32_t ms;
        const char* text;
    };
    const Case cases[] = {{0, "0分00秒"},        {999, "0分00秒"},      {65000, "1分05秒"},
                          {3599999, "59分59秒"}, {3660000, "61分00秒"}, {6000000, "100分00秒"}};
    for (const Case& c : cases) EXPECT_EQ(QString::fromStdString(ClockText(c.ms)), QString::fromUtf8(c.text));
    EXPECT_EQ(ClockSpan(0xFFFFF000u, 0x00000400u), 0x1400u) << "the 32-bit clock may wrap during a duel";
}

TEST(Result, TimeBonus) {
    struct Case {
        int64_t ms;
        int32_t bonus;
    };
    const Case cases[] = {{0, 4500},     {100, 4500},   {300, 4480},  // 448.5 rounds to even
                          {40000, 2500}, {60000, 1500}, {89999, 0},  {90000, 0}, {95000, 0}};
    for (const Case& c : cases) EXPECT_EQ(TimeBonus(c.ms), c.bonus) << c.ms;
}

TEST(Result, Score) {
    const FoeParams practice{50, 50, 50};
    EXPECT_EQ(DuelScore(true, 40000, practice, 6, 1), 7500) << "2500 + 4000 + 1000";
    EXPECT_EQ(DuelScore(true, 60000, practice, 6, 1), 6500);
    EXPECT_EQ(DuelScore(false, 40000, practice, 6, 1), 0);
    EXPECT_EQ(DuelScore(true, 95000, {255, 0, 255}, 26, 1), 17300 + 5000) << "the largest strength term";
}

}  // namespace
