// What the official record opens, where a run is entered, and the digits of a
// save slot.
#include "campaign/new_game_rules.h"
#include "campaign/slot_record.h"
#include "campaign/stages.h"

#include <gtest/gtest.h>

namespace {

TEST(NewGameRules, UnlockByOfficialRecord) {
    struct Row {
        int32_t record;
        int16_t level;
        bool elite, newCastle;
    };
    const Row rows[] = {
        {0, 1, false, false},     {0, 2, false, false},     {0, 3, false, false},     {74999, 1, false, false},
        {75000, 1, true, false},  {75000, 2, false, false}, {124999, 1, true, false}, {125000, 1, true, true},
        {100000, 2, true, false}, {200000, 2, true, true},  {150000, 3, true, false}, {249999, 3, true, false},
        {250000, 3, true, true},  {-1, 1, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "record " << r.record << " level " << r.level);
        EXPECT_TRUE(StartUnlocked(r.record, r.level, kStartFromBeginning));
        EXPECT_EQ(StartUnlocked(r.record, r.level, kStartFromElite), r.elite);
        EXPECT_EQ(StartUnlocked(r.record, r.level, kStartFromNewCastle), r.newCastle);
    }
    // Choices the window does not have are never open, whatever the record.
    for (auto [level, start] : {std::pair<int16_t, int16_t>{4, 0}, {0, 0}, {1, 3}, {1, -1}})
        EXPECT_FALSE(StartUnlocked(INT32_MAX, level, start)) << level << "/" << start;
}

TEST(NewGameRules, RunEntryByStage) {
    const std::pair<int16_t, RunEntry> rows[] = {
        {1, RunEntry::FirstCastleMap},    {4, RunEntry::FirstCastleMap}, {9, RunEntry::FirstCastleMap},
        {10, RunEntry::NewCastleOpening}, {11, RunEntry::NewCastleMap},  {17, RunEntry::NewCastleMap},
    };
    for (auto [stage, entry] : rows) EXPECT_EQ(RunEntryFor(stage), entry) << stage;
}

constexpr std::array<bool, 7> kPlayed0And2{false, true, false, true, true, true, true};
constexpr SlotTime kMarch9th{2000, 3, 9, 7, 5, 9};

TEST(SlotRecord, SavedRunGivesThirtyDigits) {
    const SlotWrite w = MakeSlotRecord(2, 4, 35000, kPlayed0And2, kMarch9th);
    EXPECT_EQ(w.refusal, SlotRefusal::None);
    EXPECT_EQ(w.digits,
              "2040350001010000"
              "20000309070509");
    const auto r = ParseSlotRecord(w.digits);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->level, 2);
    EXPECT_EQ(r->stage, 4);
    EXPECT_EQ(r->points, 35000);
    EXPECT_EQ(r->foeLeft, kPlayed0And2);
    EXPECT_EQ(SlotDateText(*r), "2000/03/09  07:05:09");
}

TEST(SlotRecord, RunsTheRecordCannotHoldAreRefused) {
    struct Row {
        int16_t level, stage;
        int32_t points;
        SlotRefusal refusal;
    };
    const Row rows[] = {
        {3, 16, 999999, SlotRefusal::None},
        {3, 16, 1000000, SlotRefusal::PointsTooLarge},
        {3, 16, 2147483647, SlotRefusal::PointsTooLarge},
        {1, 1, -1, SlotRefusal::NotARun},
        {0, 1, 0, SlotRefusal::NotARun},  // no run was ever set up
        {4, 1, 0, SlotRefusal::NotARun},
        {1, 0, 0, SlotRefusal::NotARun},
        {1, 18, 0, SlotRefusal::NotARun},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.level << "/" << r.stage << "/" << r.points);
        const SlotWrite w = MakeSlotRecord(r.level, r.stage, r.points, kPlayed0And2, kMarch9th);
        EXPECT_EQ(w.refusal, r.refusal);
        EXPECT_EQ(w.digits.empty(), r.refusal != SlotRefusal::None);
    }
}

TEST(SlotRecord, DamagedDigitsAreNotARecord) {
    const std::string good =
        "2040350001010000"
        "20000309070509";
    ASSERT_TRUE(ParseSlotRecord(good));
    const char* const damaged[] = {
        "",
        "204035000101000020000309070",    // cut short
        "20403500010100002000030907050",  // one digit short
        "204035000101000020000309070509"
        "9",  // one digit too many
        // What a seven-digit points field (1234567) would have made.
        "2041234567"
        "010100002000030907050",
        "2O4035000101000020000309070509",  // a letter O among the digits
        " 04035000101000020000309070509",
        "004035000101000020000309070509",  // level 0
        "404035000101000020000309070509",  // level 4
        "200035000101000020000309070509",  // stage 0
        "218035000101000020000309070509",  // stage 18
        "299035000101000020000309070509",  // stage 99
    };
    for (const char* d : damaged) EXPECT_FALSE(ParseSlotRecord(d)) << '"' << d << '"';
}

TEST(SlotRecord, AnyFlagButZeroIsPlayed) {
    const auto r = ParseSlotRecord(
        "1010000000910345"
        "20240101000000");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->foeLeft, (std::array<bool, 7>{true, false, false, true, false, false, false}));
    EXPECT_EQ(r->stage, 1);
    EXPECT_EQ(r->points, 0);
}

}  // namespace
