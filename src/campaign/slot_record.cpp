// Building and reading the digits of a save slot.
#include "campaign/slot_record.h"

#include "campaign/stages.h"

#include <cstdio>

namespace {
bool allDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

int number(std::string_view s) {
    int v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return v;
}

std::string zeroPadded(long v, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*ld", width, v);
    return buf;
}
}  // namespace

SlotWrite MakeSlotRecord(int16_t level, int16_t stage, int32_t points, const std::array<bool, 7>& foeLeft,
                         const SlotTime& when) {
    if (points >= kSlotPointsLimit) return {{}, SlotRefusal::PointsTooLarge};
    if (points < 0 || level < 1 || level > 3 || stage < 1 || stage > campaign::kLastStage)
        return {{}, SlotRefusal::NotARun};
    std::string d;
    d.reserve(kSlotRecordLength);
    d += zeroPadded(level, 1);
    d += zeroPadded(stage, 2);
    d += zeroPadded(points, 6);
    for (bool left : foeLeft) d += left ? '0' : '1';
    d += zeroPadded(when.year % 10000, 4) + zeroPadded(when.month, 2) + zeroPadded(when.day, 2);
    d += zeroPadded(when.hour, 2) + zeroPadded(when.minute, 2) + zeroPadded(when.second, 2);
    if (d.size() != kSlotRecordLength || !allDigits(d)) return {{}, SlotRefusal::NotARun};
    return {d, SlotRefusal::None};
}

std::optional<SlotRecord> ParseSlotRecord(std::string_view digits) {
    if (digits.size() != kSlotRecordLength || !allDigits(digits)) return std::nullopt;
    SlotRecord r;
    r.level = static_cast<int16_t>(number(digits.substr(0, 1)));
    r.stage = static_cast<int16_t>(number(digits.substr(1, 2)));
    r.points = number(digits.substr(3, 6));
    if (r.level < 1 || r.level > 3 || r.stage < 1 || r.stage > campaign::kLastStage) return std::nullopt;
    // Any digit but "0" counts as played, as the game has always read it.
    for (size_t i = 0; i < r.foeLeft.size(); ++i) r.foeLeft[i] = digits[9 + i] == '0';
    r.date = std::string(digits.substr(16, 8));
    r.time = std::string(digits.substr(24, 6));
    return r;
}

std::string SlotDateText(const SlotRecord& r) {
    if (r.date.size() != 8 || r.time.size() != 6) return {};
    return r.date.substr(0, 4) + "/" + r.date.substr(4, 2) + "/" + r.date.substr(6, 2) + "  " + r.time.substr(0, 2) +
           ":" + r.time.substr(2, 2) + ":" + r.time.substr(4, 2);
}
