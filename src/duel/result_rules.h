#pragma once
// How a duel ends, how long it took and what a win is worth.
#include "duel/cards.h"
#include "duel/foe_mind.h"

#include <cstdint>
#include <string>

// A side has finished when its deck is exhausted and its row is empty. The
// player's side is looked at first.
enum class Finish : uint8_t { None, PlayerWon, PlayerLost };
Finish CheckFinish(const Table& slot, uint8_t myCount, uint8_t foeCount);

// Milliseconds between two readings of the 32-bit clock; the clock may have
// wrapped in between.
inline uint32_t ClockSpan(uint32_t from, uint32_t to) {
    return to - from;
}

// The duel clock's text, minutes without limit: "0分00秒", "1分05秒", "61分00秒". UTF-8.
std::string ClockText(uint32_t elapsedMs);

// The time bonus of a win e ms after "Go!!": from 4500 at once down to 0 at
// 90 s, in steps of 10; 0 after that.
int32_t TimeBonus(int64_t elapsedMs);
// The score of a duel: 0 when lost; else the time bonus, the opponent's
// strength and 200 for every card the opponent still has to draw.
int32_t DuelScore(bool won, int64_t elapsedMs, const FoeParams& p, uint8_t foeCount, uint8_t myCount);
