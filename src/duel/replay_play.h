#pragma once
// Playing a recorded duel again: the same opponent, options and draws, and
// the player's inputs and the duel's timer ticks handed to the duel window at
// their recorded moments, in their recorded order, with the clock reading
// what it read then. It runs in virtual time, so headless and watched it goes
// the same way; watched in a window, the clock is held to the wall clock's
// pace.
#include "duel/replay_format.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

struct ReplayRun {
    ReplayEnd end;           // how the duel played back ended
    QByteArray recording;    // the replay the duel recorded while it played back
    bool finished = true;    // false: the duel was given up after kReplayGiveUpMs
    bool asRecorded = true;  // every recorded tick found its timer counting
    bool matches = true;     // played as recorded to the end the file holds (if it holds one)
};

inline constexpr uint64_t kReplayGiveUpMs = 3600ull * 1000;

// Needs the program folder current and a QApplication; installs its own
// virtual scheduler and draws for the duel's length and puts the previous ones
// back. The shared options it sets (input device, keys, stage, mode) are left
// as the replay had them.
ReplayRun PlayReplay(const Replay& replay, bool wallClockPace);

// `vantrax --replay FILE [--headless]`: reads and plays the file, prints the
// result and the score. Returns the exit status: 0 played, 1 refused.
int ReplayCommand(const QString& path, bool headless);
