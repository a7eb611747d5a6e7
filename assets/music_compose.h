#pragma once
// The composer behind every music track. A piece is described by its key,
// tempo, instruments and form (sections with hand-written chord
// progressions); the composer writes the melody from per-piece motifs, voices
// the harmony, follows it with a bass line, plays a drum groove with fills
// and closes with a held final chord. Its choices come from a seeded
// generator, so a piece always comes out the same.
#include "music_theory.h"

#include <QByteArray>
#include <cstdint>
#include <string>
#include <vector>

namespace compose {

// How the harmony instrument plays the chords.
enum class Comp { None, Pad, Block, Offbeat, Arp8, Arp16, Stabs, Waltz, Strum, Power };
// How the bass follows the chords.
enum class Bass { None, Whole, Roots4, RootFifth, Octave8, Pedal8, Walking, Gallop, Syncop, Waltz };
// The drum groove on channel 10.
enum class Groove { None, Ballad, Pop, Rock, Driving, March, Polka, Funk, HalfTime, Double, Tribal, Gallop, Waltz };

struct Section {
    std::string name;
    std::string chords;   // one token per bar, see ParseBars
    char motif = 'A';     // melody material: sections with the same letter share it; '-' for none
    double energy = 0.5;  // 0..1: loudness, drum density, fills
    Comp comp = Comp::Pad;
    Bass bass = Bass::Roots4;
    Groove groove = Groove::Pop;
    bool pad = true;       // a sustained pad under everything
    bool counter = false;  // a slower second line under the melody
    bool broad = false;    // melody at half speed (long notes)
    int octave = 0;        // octave shift of the melody in this section
};

struct Voices {
    int lead = 0;    // General MIDI program numbers, 0-based; -1 leaves the part out
    int lead2 = -1;  // takes the melody when a section comes back
    int comp = 0;
    int pad = 48;
    int bass = 33;
    int counter = -1;
    int timpani = -1;  // -1, or a program (47) for hits on big downbeats and the final roll
};

struct Piece {
    std::string title;
    uint32_t seed = 1;
    int tonic = 0;  // pitch class of the key, 0 = C
    Mode mode = Mode::Major;
    double bpm = 120;
    int beats = 4;  // quarter notes per bar (3 or 4)
    bool swing = false;
    Voices voices;
    int leadLow = 62, leadHigh = 81;  // melody range
    double busy = 0.4;                // 0..1: how many short notes the melody uses
    bool staccato = false;
    std::vector<Section> sections;  // the section definitions
    std::string form;               // section names in playing order, blank-separated
    std::string finalChord = "I";   // the held chord that ends the piece
    int finalBars = 2;              // how long it is held
    double ritardando = 0.8;        // tempo reached at the end, as a fraction of bpm
    double gainDb = 0.0;            // evens out loudness between pieces (channel volumes)
};

// The finished Standard MIDI File.
QByteArray ComposeSmf(const Piece& piece);
// The playing time in seconds, from the same tempo map.
double PieceSeconds(const Piece& piece);

}  // namespace compose
