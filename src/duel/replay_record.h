#pragma once
// The duel window's recorder: it writes down what the player does, so the
// duel can be played again to the same end (replay_format.h).
#include "duel/cards.h"
#include "duel/replay_format.h"

#include <cstdint>
#include <functional>

// The duel window has loaded and is about to deal: the draws from here on are
// made reproducible and the recording starts afresh.
void ReplayBeginDuel();
// An input the window took, at the clock's present moment.
void ReplayNote(ReplayInput kind, int32_t a, int32_t b = 0);
// The window has closed: the recording is finished and becomes LastReplay.
void ReplayEndDuel(bool won, int32_t score, int32_t myCount, int32_t foeCount, const Table& table);
// Around every tick of the duel's timers.
void ReplayTickStarts();
void ReplayTickEnded();
// Ticks begun since the duel window loaded.
uint64_t ReplayTicks();
// Called after every tick while a replay plays back (empty: nothing).
void SetReplayTickHook(std::function<void()> hook);
// The clock value the recording's times count from.
uint32_t ReplayClockStart();
