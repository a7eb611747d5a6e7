#pragma once
// The harmony the composer works with: modes, chords written as Roman
// numerals, chord-scales for the melody and close voicings for the
// accompaniment. Pitches are MIDI note numbers; pitch classes are 0..11.
#include <cstdint>
#include <string>
#include <vector>

namespace compose {

enum class Mode { Major, Minor, HarmonicMinor, Dorian, Mixolydian, Phrygian, Lydian };

// Pitch classes of the mode above its tonic, ascending.
std::vector<int> ModeScale(Mode mode);

struct Chord {
    int root = 0;                // semitones above the tonic
    std::vector<int> intervals;  // above the root, starting with 0
    uint32_t start = 0;          // ticks
    uint32_t length = 0;
};

// Parses one bar per blank-separated token, e.g. "i bVI bIII bVII". A bar
// holding two or more chords joins them with '.', as in "ii.V"; "%" repeats
// the previous bar's last chord. Numerals count from a major scale (I = 0,
// II = 2, ..., VII = 11) with 'b' or '#' before them; upper case is major,
// lower case minor; suffixes: "o" diminished, "+" augmented, "7", "maj7",
// "6", "9", "sus2", "sus4". Throws std::invalid_argument on a bad token.
std::vector<Chord> ParseBars(const std::string& text, uint32_t barTicks, uint32_t startTick = 0);
Chord ParseChord(const std::string& token);

// The absolute pitch classes (tonic added) of a chord.
std::vector<int> ChordClasses(const Chord& c, int tonic);
// The seven-ish pitch classes a melody may use over this chord: the mode,
// with every scale tone that grinds a semitone against a chord tone
// replaced by that chord tone.
std::vector<int> ChordScale(Mode mode, const Chord& c, int tonic);

bool HasClass(const std::vector<int>& classes, int pitch);
// The nearest pitch whose class is in `classes`; ties go the way of `prefer`
// (+1 up, -1 down).
int Nearest(int pitch, const std::vector<int>& classes, int prefer = 1);
// Moves `steps` positions along the pitches whose classes are in `classes`,
// starting from the nearest such pitch.
int StepAlong(int pitch, const std::vector<int>& classes, int steps);

// A close voicing of the chord between lo and hi that moves as little as
// possible from `previous` (or sits around `centre` when there is none).
std::vector<int> Voice(const std::vector<int>& classes, const std::vector<int>& previous, int lo, int hi, int centre);

}  // namespace compose
