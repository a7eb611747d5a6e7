#pragma once
// The opponent's temperament: from its three fixed values and how far ahead or
// behind it is, once a second it works out quickness, anger, concentration and
// accuracy, which set its mood, its pace and its will to tidy its row.
#include "duel/cards.h"

#include <cstdint>
#include <utility>

struct FoeParams {
    int16_t quickBase = 0;  // base quickness
    int16_t temper = 0;
    int16_t skill = 0;
};

struct FoeQualities {
    int16_t quickness = 0;  // up to 200 while computed (more in a power-up), 150 once shown
    int16_t anger = 0;
    int16_t concentration = 0;
    int16_t accuracy = 0;
};

// The qualities of a calm opponent whose counter is foeCount against the player's myCount.
FoeQualities ComputeQualities(const FoeParams& p, uint8_t foeCount, uint8_t myCount);
// During a power-up the opponent is flawless and far quicker.
FoeQualities PowerUpQualities(const FoeParams& p);

enum class Mood : uint8_t { Normal, Rage, Confusion, Calm };
Mood MoodOf(const FoeQualities& q);
// The mood as the window shows it, UTF-8.
const char* MoodText(Mood m);
inline constexpr const char* kPowerUpText = "PowerUp";

// The base move interval in ms: 1600 at quickness 0, halving every 100 points.
int32_t MoveInterval(int16_t quickness);

// The four bars: 0 quickness, 1 anger, 2 concentration, 3 accuracy.
enum class BarColour : uint8_t { Red, Yellow, Green, Blue };
int16_t BarMaximum(int bar);
// Chosen from the value before it is limited to the bar.
BarColour BarColourFor(int bar, int16_t value);

// The opponent's move, one per tick: fill a gap, merge equal ranks, or lay.
// The place 7..10 to fill with a new card, or 0.
int FoeFillPlace(const Table& slot, uint8_t foeCount);
// The (target, source) pair to merge, or (0, 0). A flustered or angry opponent
// does not tidy: merging needs concentration + accuracy > r - 50 and anger < 90.
std::pair<int, int> FoeMergePair(const Table& slot, const FoeQualities& q, int r);
// A random order of the places 7..10 (index 7..10 of the result), from the
// game's random generator.
std::array<int, 11> FoeLayOrder();
// The first card of the order that fits a pile, left pile first: (source, pile), or (0, 0).
std::pair<int, int> FoeLay(const Table& slot, const std::array<int, 11>& order);
