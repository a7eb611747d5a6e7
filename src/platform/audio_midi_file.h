#pragma once
// What the sequencer needs to know about a Standard MIDI File before it plays
// it: whether the synthesizer's reader will accept it, and how long it lasts.
// Checking at open time lets a bad file fail its "open" instead of playing
// silence. No Qt here.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace audio {

class MidiInfo {
public:
    int format = 0;
    int tracks = 0;
    int division = 0;  // ticks per quarter note
    int64_t endTick = 0;

    // Time of a tick from the start of the file, following the tempo changes.
    double tickToMs(int64_t tick) const;
    // The first tick at or after a time from the start.
    int64_t msToTick(double ms) const;
    double lengthMs() const { return tickToMs(endTick); }

    struct TempoChange {
        int64_t tick;
        int32_t usPerQuarter;
    };
    std::vector<TempoChange> tempo;  // sorted by tick, the first one at tick 0
};

// Null unless the bytes are a MIDI file that FluidSynth's reader loads: the
// "MThd" header of length 6, format 0 to 2, metrical timing with a non-zero
// division, 1 to 128 tracks, every "MTrk" chunk complete and its events well
// formed (meta events of fixed size with their size, no stray system bytes).
std::optional<MidiInfo> ReadMidiInfo(const uint8_t* data, size_t size);
inline std::optional<MidiInfo> ReadMidiInfo(const std::vector<uint8_t>& bytes) {
    return ReadMidiInfo(bytes.data(), bytes.size());
}

// The file as it stands at a tick, for playing from the middle: channel set-up
// and tempo from before the tick take effect at once, notes from before it are
// dropped, and what follows keeps its timing. Empty when the bytes do not pass
// ReadMidiInfo. (FluidSynth's own seek cannot be used with more than 16
// channels on the synth.)
std::vector<uint8_t> MidiFrom(const uint8_t* data, size_t size, int64_t tick);

// A SoundFont preset as the synthesizer finds it: bank and program, with the
// drum kits in bank 128.
using Preset = std::pair<int, int>;

// The presets a file's tracks play on, as the synthesizer chooses them with
// its default bank selection: the bank is the last controller 0 before a
// program change on that channel, and channel 10 always takes a drum kit.
// Every channel starts on program 0 (kit 0 on channel 10), so those two are
// always in. Empty when the bytes do not pass ReadMidiInfo.
std::set<Preset> MidiPresets(const uint8_t* data, size_t size);

}  // namespace audio
