#pragma once
// The duel window's recorder: it writes down what the player does, so the
// duel can be played again to the same end (replay_format.h).
#include "duel/cards.h"
#include "duel/replay_format.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The duel window has loaded and is about to deal: the draws from here on are
// made reproducible and the recording starts afresh.
void ReplayBeginDuel();
// An input the window took, at the clock's present moment.
void ReplayNote(ReplayInput kind, int32_t a, int32_t b = 0);
// The window has closed: the recording is finished and becomes LastReplay.
void ReplayEndDuel(bool won, int32_t score, int32_t myCount, int32_t foeCount, const Table& table);
// Around every tick of the duel's timers; `timer` numbers it (0..kReplayTimers-1).
void ReplayTickStarts(int timer);
void ReplayTickEnded();
// The clock as the duel's rules read it: noted while recording; while a
// replay plays back, the value the recorded duel read at this point.
uint32_t DuelClock();
// While a replay plays back: the clock readings its duel made, in order
// (from its Clock events); an empty optional reads the clock itself again.
void SetReplayClockReads(std::optional<std::vector<uint32_t>> reads);
// Ticks begun since the duel window loaded.
uint64_t ReplayTicks();
// Called after every tick while a replay plays back (empty: nothing).
void SetReplayTickHook(std::function<void()> hook);
// The clock value the recording's times count from.
uint32_t ReplayClockStart();
