#include "duel/foe_mind.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <QString>
#include <set>

namespace {

struct StateCase {
    const char* name;
    FoeParams params;
    uint8_t foeCount, myCount;
    FoeQualities expected;
    int32_t interval;  // from the computed quickness
    const char* mood;
};

class FoeState : public ::testing::TestWithParam<StateCase> {};

TEST_P(FoeState, QualitiesMoodAndPace) {
    const StateCase c = GetParam();
    const FoeQualities q = ComputeQualities(c.params, c.foeCount, c.myCount);
    EXPECT_EQ(q.anger, c.expected.anger);
    EXPECT_EQ(q.quickness, c.expected.quickness);
    EXPECT_EQ(q.concentration, c.expected.concentration);
    EXPECT_EQ(q.accuracy, c.expected.accuracy);
    EXPECT_EQ(MoveInterval(q.quickness), c.interval);
    EXPECT_EQ(QString::fromUtf8(MoodText(MoodOf(q))), QString::fromUtf8(c.mood));
}

INSTANTIATE_TEST_SUITE_P(Foe, FoeState,
                         ::testing::Values(
                             // Practice level 2, level counters: 52.5 and 57.5 round to the even neighbour.
                             StateCase{"practice", {50, 50, 50}, 25, 25, {52, 25, 51, 58}, 1116, "正常"},
                             // Ten cards behind, a hot temper: fury.
                             StateCase{"fury", {10, 100, 10}, 20, 10, {20, 100, 47, 10}, 1393, "激怒"},
                             // Far ahead, the anger would be negative: it is held at 0.
                             StateCase{"ahead", {50, 100, 50}, 5, 25, {50, 0, 70, 60}, 1131, "正常"},
                             // Skilled and calm.
                             StateCase{"calm", {60, 0, 95}, 25, 25, {60, 0, 52, 100}, 1056, "冷静"},
                             // A computed quickness of 180 sets the pace from 180.
                             StateCase{"quick", {180, 0, 0}, 25, 25, {180, 0, 20, 10}, 459, "正常"},
                             // Quickness is held at 200 while computed.
                             StateCase{"quickest", {255, 100, 0}, 25, 5, {200, 100, 43, 0}, 400, "激怒"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FoeState, MoodOrderRageBeforeConfusionBeforeCalm) {
    EXPECT_EQ(MoodOf({0, 81, 10, 90}), Mood::Rage);
    EXPECT_EQ(MoodOf({0, 80, 19, 90}), Mood::Confusion);
    EXPECT_EQ(MoodOf({0, 80, 20, 81}), Mood::Calm);
    EXPECT_EQ(MoodOf({0, 80, 20, 80}), Mood::Normal);
}

TEST(FoeState, PowerUpIsFlawlessAndQuick) {
    const FoeQualities q = PowerUpQualities({255, 50, 50});
    EXPECT_EQ(q.anger, 0);
    EXPECT_EQ(q.concentration, 100);
    EXPECT_EQ(q.accuracy, 100);
    EXPECT_EQ(q.quickness, 328) << "127.5 + 200 rounds to even, and there is no upper limit";
    EXPECT_EQ(MoveInterval(0), 1600);
    EXPECT_EQ(MoveInterval(100), 800);
    EXPECT_EQ(MoveInterval(200), 400);
}

struct BarCase {
    int bar;
    int16_t value;
    BarColour colour;
};

class BarColours : public ::testing::TestWithParam<BarCase> {};

TEST_P(BarColours, ChosenFromTheValue) {
    const BarCase c = GetParam();
    EXPECT_EQ(BarColourFor(c.bar, c.value), c.colour) << "bar " << c.bar << " value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(Foe, BarColours,
                         ::testing::Values(BarCase{0, 180, BarColour::Red}, BarCase{0, 136, BarColour::Red},
                                           BarCase{0, 135, BarColour::Yellow}, BarCase{0, 121, BarColour::Yellow},
                                           BarCase{0, 120, BarColour::Green}, BarCase{0, 91, BarColour::Green},
                                           BarCase{0, 90, BarColour::Blue}, BarCase{1, 91, BarColour::Red},
                                           BarCase{1, 90, BarColour::Yellow}, BarCase{1, 81, BarColour::Yellow},
                                           BarCase{1, 80, BarColour::Green}, BarCase{1, 61, BarColour::Green},
                                           BarCase{1, 60, BarColour::Blue}, BarCase{2, 9, BarColour::Red},
                                           BarCase{2, 10, BarColour::Yellow}, BarCase{2, 19, BarColour::Yellow},
                                           BarCase{2, 20, BarColour::Green}, BarCase{3, 39, BarColour::Green},
                                           BarCase{3, 40, BarColour::Blue}, BarCase{3, 0, BarColour::Red}));

Table Row(std::initializer_list<int> cards) {
    Table t{};
    int i = 1;
    for (int v : cards) t[static_cast<size_t>(i++)] = CardValue(v);
    return t;
}

TEST(FoeMove, FillsTheFirstGapWhileTheDeckLasts) {
    const Table t = Row({0, 0, 0, 0, 4, 9, 27, 0, 30, 0});
    EXPECT_EQ(FoeFillPlace(t, 2), 8);
    EXPECT_EQ(FoeFillPlace(t, 1), 0);
    EXPECT_EQ(FoeFillPlace(Row({0, 0, 0, 0, 4, 9, 27, 28, 29, 30}), 20), 0);
}

TEST(FoeMove, MergesInPairOrderOnlyWhenComposed) {
    // Kings at 9 and 10, fives at 7 and 8: the pair (7, 8) comes first.
    const Table t = Row({0, 0, 0, 0, 1, 1, 31, 44, 39, 52});
    const FoeQualities calm{50, 20, 60, 60};
    EXPECT_EQ(FoeMergePair(t, calm, 1), std::make_pair(7, 8));
    const Table kings = Row({0, 0, 0, 0, 1, 1, 31, 33, 39, 52});
    EXPECT_EQ(FoeMergePair(kings, calm, 1), std::make_pair(9, 10));
    const FoeQualities furious{50, 90, 100, 100};
    EXPECT_EQ(FoeMergePair(t, furious, 1), std::make_pair(0, 0)) << "an opponent at anger 90 never merges";
    const FoeQualities flustered{50, 20, 20, 20};
    EXPECT_EQ(FoeMergePair(t, flustered, 91), std::make_pair(0, 0)) << "40 is not above 91 - 50";
    EXPECT_EQ(FoeMergePair(t, flustered, 89), std::make_pair(7, 8));
}

TEST(FoeMove, LaysTheFirstFittingCardOfItsOrderLeftPileFirst) {
    // Piles: 5 (left) and 9 (right). Opponent: 2, 10, 6, Queen.
    const Table t = Row({0, 0, 0, 0, 5, 9, 28, 36, 32, 38});
    std::array<int, 11> order{};
    order[7] = 7, order[8] = 8, order[9] = 9, order[10] = 10;
    EXPECT_EQ(FoeLay(t, order), std::make_pair(8, 6)) << "the 10 goes on the 9";
    order[7] = 9, order[8] = 8, order[9] = 7, order[10] = 10;
    EXPECT_EQ(FoeLay(t, order), std::make_pair(9, 5)) << "the 6 fits both piles and goes left";
    EXPECT_EQ(FoeLay(Row({0, 0, 0, 0, 5, 9, 27, 27 + 12, 0, 0}), order), std::make_pair(0, 0));
}

TEST(FoeMove, LayOrderIsAPermutationOfTheRow) {
    host::installRandomSource(std::make_unique<host::SeededRandom>(3));
    for (int n = 0; n < 20; ++n) {
        const auto order = FoeLayOrder();
        std::set<int> s(order.begin() + 7, order.end());
        EXPECT_EQ(s, (std::set<int>{7, 8, 9, 10}));
    }
    host::installRandomSource(nullptr);
}

}  // namespace
