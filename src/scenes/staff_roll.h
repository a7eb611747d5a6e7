#pragma once
// The staff roll's credits and where each line stands while they scroll:
// plain tables and arithmetic, without any window.
#include <array>
#include <cstdint>
#include <vector>

inline constexpr int kRollCount = 56;

struct RollLine {
    const char* text;
    bool heading;  // a role heading rather than a credited name
};
// The credits, top to bottom: role headings and the names under them, ending
// with the players themselves.
extern const std::array<RollLine, kRollCount> kStaffRoll;

// The four portraits of the staff roll, in the order they are revealed.
extern const std::array<const char*, 4> kPortraitNames;

// Where a credit line is printed in the 400-pixel-high credit canvas.
struct RollPlacement {
    int line;  // 1..rollCount
    int y;     // top of the text
};
// The lines drawn at scroll s (pixels): at most eleven, lowest first. Line L
// stands at y = 400 + 40 * (L - 1) - s, entering at the bottom edge when
// s = 40 * (L - 1).
std::vector<RollPlacement> RollLinesAt(int32_t s, int rollCount = kRollCount);
