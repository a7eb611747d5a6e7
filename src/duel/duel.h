#pragma once
#include <QString>
#include <cstdint>

// Opens the duel window (not modal) against the given opponent. The caller has
// set GameMode and unloaded its own window. The three strengths must lie in
// 0..255.
void StartDuel(const QString& name, int16_t face, int32_t paramA, int32_t paramB, int32_t paramC, int16_t music);
// Routes a finished duel back to whoever started it, by GameMode.
void DuelEnd(bool won, int32_t score);

// What the last finished duel handed back. A practice result is recorded
// nowhere else, so this is where a caller can still read it.
struct DuelOutcome {
    bool won = false;
    int32_t score = 0;
};
DuelOutcome LastDuelOutcome();
