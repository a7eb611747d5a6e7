#include "duel/cards.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <set>

namespace {
constexpr CardValue kAce = 1, kFour = 4, kFive = 5, kSix = 6, kSeven = 7, kJack = 11, kQueen = 12, kKing = 13;

struct LayCase {
    CardValue a, b;
    bool fits;
};

class CanMoveTable : public ::testing::TestWithParam<LayCase> {};

TEST_P(CanMoveTable, AdjacentRanksOnly) {
    const LayCase c = GetParam();
    EXPECT_EQ(CanMove(c.a, c.b), c.fits) << int(c.a) << " on " << int(c.b);
    EXPECT_EQ(CanMove(c.b, c.a), c.fits) << "the rule is symmetric";
}

INSTANTIATE_TEST_SUITE_P(Cards, CanMoveTable,
                         ::testing::Values(LayCase{kKing, kAce, true}, LayCase{kAce, kKing, true},
                                           LayCase{kQueen, kKing, true}, LayCase{kKing, kQueen, true},
                                           LayCase{kFive, kFour, true}, LayCase{kFive, kSix, true},
                                           LayCase{kJack, kQueen, true}, LayCase{kFive, kFive, false},
                                           LayCase{kFive, kSeven, false}, LayCase{kKing, kJack, false},
                                           LayCase{kQueen, kAce, false},
                                           LayCase{kKing, kKing + 13, false},  // two Kings
                                           LayCase{kKing, 27, true},           // suits and colours play no part
                                           LayCase{kFive + 39, kSix + 13, true}, LayCase{0, kFive, false},
                                           LayCase{kKing, 0, false}, LayCase{0, 0, false}));

TEST(CanMove, EveryCardFitsExactlyEightOthers) {
    for (int a = 1; a <= 52; ++a) {
        int partners = 0;
        for (int b = 1; b <= 52; ++b) partners += CanMove(CardValue(a), CardValue(b)) ? 1 : 0;
        EXPECT_EQ(partners, 8) << "card " << a;
    }
}

TEST(SameRank, NeedsTwoCardsOfOneRank) {
    EXPECT_TRUE(SameRank(kKing, kKing + 13));
    EXPECT_TRUE(SameRank(kFive, kFive + 13));
    EXPECT_FALSE(SameRank(kKing, 0)) << "a King may not be merged onto an empty place";
    EXPECT_FALSE(SameRank(0, 0));
    EXPECT_FALSE(SameRank(kFive, kSix));
}

TEST(Shuffle, EachDeckHoldsItsColourOnce) {
    host::installRandomSource(std::make_unique<host::SeededRandom>(7));
    for (CardValue first : {CardValue(1), CardValue(27)}) {
        Deck d;
        d.fill(99);
        ShuffleInto(d, first);
        EXPECT_EQ(d[0], 0);
        std::set<int> seen(d.begin() + 1, d.end());
        EXPECT_EQ(seen.size(), 26u);
        EXPECT_EQ(*seen.begin(), first);
        EXPECT_EQ(*seen.rbegin(), first + 25);
    }
    host::installRandomSource(nullptr);
}

TEST(Shuffle, DrawsStayInsideTheDeckEvenAtOne) {
    host::installRandomSource(std::make_unique<host::ScriptedRandom>(std::vector<double>{1.0, 0.0}));
    EXPECT_EQ(Draw(26), 26);
    EXPECT_EQ(Draw(26), 1);
    host::installRandomSource(nullptr);
}

TEST(Draw, TwentyFiveCardsThenNothing) {
    Deck d{};
    for (int i = 1; i <= 26; ++i) d[static_cast<size_t>(i)] = CardValue(26 + i);
    uint8_t count = 26;
    Gauge g;
    std::set<int> drawn;
    for (int n = 1; n <= 25; ++n) {
        const CardValue v = DrawCard(d, count, g);
        EXPECT_EQ(v, d[static_cast<size_t>(26 - n)]) << "the deck is dealt from position 25 down";
        drawn.insert(v);
        EXPECT_EQ(count, 26 - n);
        EXPECT_EQ(g.cover, n);
    }
    EXPECT_EQ(drawn.size(), 25u);
    EXPECT_EQ(drawn.count(d[26]), 0u) << "the card at position 26 never comes into play";
    const GaugeColour before = g.colour;
    EXPECT_EQ(DrawCard(d, count, g), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(g.cover, kGaugeUnits);
    EXPECT_EQ(g.colour, before) << "an empty draw leaves the colour as it was";
}

TEST(Draw, GaugeTurnsYellowAtNineAndRedAtFour) {
    Deck d{};
    uint8_t count = 26;
    Gauge g;
    struct Step {
        int countAfter;
        GaugeColour colour;
    };
    // (counter after the draw, colour it shows)
    const Step steps[] = {{25, GaugeColour::Blue},  {10, GaugeColour::Blue}, {9, GaugeColour::Yellow},
                          {5, GaugeColour::Yellow}, {4, GaugeColour::Red},   {1, GaugeColour::Red}};
    for (const Step& s : steps) {
        while (count > s.countAfter) DrawCard(d, count, g);
        EXPECT_EQ(g.colour, s.colour) << "counter " << s.countAfter;
    }
}
}  // namespace
