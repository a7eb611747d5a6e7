#include "platform/random.h"
#include "platform/rounding.h"
#include "platform/virtual_time.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    struct C {
        double in;
        double out;
    };
    for (C c : {C{0.5, 0}, C{1.5, 2}, C{2.5, 2}, C{-0.5, 0}, C{-1.5, -2}, C{2.4999, 2}, C{2.5001, 3}, C{2767.5, 2768},
                C{1116.4, 1116}})
        EXPECT_EQ(host::RoundHalfEven(c.in), c.out) << c.in;
}

TEST(Rounding, ConversionsSaturateInsteadOfOverflowing) {
    EXPECT_EQ(host::CInt(40000.0), 32767);
    EXPECT_EQ(host::CInt(-40000.0), -32768);
    EXPECT_EQ(host::CLng(1e12), 2147483647);
    EXPECT_EQ(host::Sat16(70000), 32767);
    EXPECT_EQ(host::CInt(12.5), 12);
}

std::vector<int> shuffleAfterReseed() {
    host::Randomize();
    std::vector<int> v;
    for (int i = 0; i < 10; ++i) v.push_back(static_cast<int>(host::Rnd() * 26 + 1));
    return v;
}

TEST(Random, TwoReseedsInTheSameMillisecondGiveDifferentSequences) {
    host::VirtualScheduler vt;  // the clock does not move between the two reseeds
    for (bool seeded : {false, true}) {
        if (seeded)
            host::installRandomSource(std::make_unique<host::SeededRandom>(7));
        else
            host::installRandomSource(std::make_unique<host::ClockSeededRandom>());
        EXPECT_NE(shuffleAfterReseed(), shuffleAfterReseed()) << "seeded=" << seeded;
    }
    host::installRandomSource(nullptr);
}

TEST(Random, ValuesLieInTheUnitInterval) {
    host::installRandomSource(std::make_unique<host::SeededRandom>(3));
    std::set<int> seen;
    for (int i = 0; i < 10000; ++i) {
        double r = host::Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        seen.insert(static_cast<int>(r * 26 + 1));
    }
    EXPECT_EQ(seen.size(), 26u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 26);
    host::installRandomSource(nullptr);
}

TEST(Random, ASeededSourceIsReproducible) {
    auto run = [] {
        host::installRandomSource(std::make_unique<host::SeededRandom>(99));
        host::VirtualScheduler vt;
        auto a = shuffleAfterReseed();
        auto b = shuffleAfterReseed();
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    EXPECT_EQ(run(), run());
    host::installRandomSource(nullptr);
}

TEST(Random, AScriptedSourceReturnsItsValuesFirst) {
    host::installRandomSource(std::make_unique<host::ScriptedRandom>(std::vector<double>{0.95, 0.1}));
    EXPECT_EQ(host::Rnd(), 0.95);
    EXPECT_EQ(host::Rnd(), 0.1);
    double r = host::Rnd();
    EXPECT_GE(r, 0.0);
    EXPECT_LT(r, 1.0);
    host::installRandomSource(nullptr);
}

}  // namespace
