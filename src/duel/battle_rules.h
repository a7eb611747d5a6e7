#pragma once
// Keeping the duel moving: the stall watch that re-deals the piles when nobody
// can or will play, and the contest that settles a lay both sides want.
#include "duel/cards.h"

#include <cstdint>

// The stall watch's verdict for the stall count n it has just reached.
enum class StallAction : uint8_t {
    Reset,   // someone can still draw into a gap: the count starts over
    ReDeal,  // two quiet ticks with full rows: turn new pile cards
    Resume,  // the pause after a re-deal is over
    Wait,
};
StallAction StallWatch(int16_t n, const Table& slot, uint8_t myCount, uint8_t foeCount);
// Pause marker: the count a re-deal leaves behind; the next tick passes 50 and resumes.
inline constexpr int16_t kReDealCount = 50;

// A player's lay is contested (x >= 9, one time in five) only when the
// opponent could also play on that pile: its first such place 7..10, or 0.
inline bool LayIsContested(float x) {
    return !(x < 9.0f);
}
int ContestingFoePlace(const Table& slot, int pile);

// Hits needed to win a contest.
inline constexpr int16_t kContestHits = 10;
// The contest bar's width in twips and the player's red share of it.
inline constexpr int16_t kContestBarTwips = 5535;
inline constexpr int16_t kContestBarMiddle = 2775;  // where every contest starts
int16_t PBarShare(int16_t mine, int16_t foe);
// Milliseconds between the opponent's hits: 230 at quickness 0 down to 70 at 150.
int32_t FoeHitInterval(int16_t quickness);
