#pragma once
// What the new-game window decides beyond the start table: whether the
// official record opens a start position, and where a run that has just been
// set up (new or loaded) is entered. No Qt here.
#include <cstdint>

// Start positions of the new-game window.
inline constexpr int16_t kStartFromBeginning = 0;
inline constexpr int16_t kStartFromElite = 1;      // "精鋭五戦士から"
inline constexpr int16_t kStartFromNewCastle = 2;  // "新願蛇羅城から"

// True when an official record of `record` opens the start position at a level
// (1..3). A level or position the window does not have is never open.
bool StartUnlocked(int32_t record, int16_t level, int16_t startChoice);

// The first castle below the passage, the new castle's opening at the passage,
// the new castle after it.
enum class RunEntry { FirstCastleMap, NewCastleOpening, NewCastleMap };
RunEntry RunEntryFor(int16_t stage);
