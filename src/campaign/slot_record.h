#pragma once
// The 30-digit record a save slot holds before it is scrambled: level, stage,
// points, which opponents of the stage are already played, and when it was
// saved. No Qt here.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr size_t kSlotRecordLength = 30;
// The points field has six digits.
inline constexpr int32_t kSlotPointsLimit = 1'000'000;

struct SlotTime {
    int year, month, day, hour, minute, second;
};

struct SlotRecord {
    int16_t level = 0;
    int16_t stage = 0;
    int32_t points = 0;
    std::array<bool, 7> foeLeft{};
    std::string date;  // yyyymmdd
    std::string time;  // hhnnss
};

enum class SlotRefusal {
    None,
    PointsTooLarge,  // a seventh digit would shift every field after it
    NotARun,         // level, stage or points that no run can have
};

struct SlotWrite {
    std::string digits;  // empty when refused
    SlotRefusal refusal = SlotRefusal::None;
};

// The record of a run saved at `when`. A run the record cannot hold is refused
// rather than written as a record that would load as some other run.
SlotWrite MakeSlotRecord(int16_t level, int16_t stage, int32_t points, const std::array<bool, 7>& foeLeft,
                         const SlotTime& when);

// Reads a decoded slot. Anything that is not a whole record (hand-edited,
// written by another table, cut short) gives nothing, so a damaged slot is
// never loaded into a run.
std::optional<SlotRecord> ParseSlotRecord(std::string_view digits);

// "yyyy/mm/dd  hh:nn:ss", as the slot window shows the moment of saving.
std::string SlotDateText(const SlotRecord& r);
