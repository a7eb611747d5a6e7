// The fifteen sound effects "bData1" to "bData15". Each is built for the one
// moment the game plays it; all are finished the same way (faded in and out,
// peaks normalised to a few dB below full scale) so none jumps out of the mix.
#include "app/data_files.h"
#include "asset_io.h"
#include "sound_synth.h"

#include <array>
#include <cmath>
#include <functional>

using namespace synth;

namespace {

// The card move: a crisp paper flick with a little body under it.
Buffer CardMove() {
    Buffer flick = MakeNoise(101, 0.12, 0.0008, 0.018);
    BandPass(flick, 4200, 0.9);
    Buffer snap = MakeNoise(102, 0.02, 0.0003, 0.003);
    HighPass(snap, 2500);
    Tone body{.freq = 190, .freqEnd = 95, .seconds = 0.06, .attack = 0.001, .decay = 0.014, .release = 0.01};
    Buffer out = flick;
    MixInto(out, snap, 0.0, 0.6);
    MixInto(out, MakeTone(body), 0.0, 0.35);
    return out;
}

// The refusal: a short, low, slightly sour buzz.
Buffer Refusal() {
    Buffer out;
    for (double f : {98.0, 103.8}) {
        Tone t{.freq = f,
               .seconds = 0.22,
               .spectrum = Spectrum::Square,
               .brightness = 0.8,
               .attack = 0.006,
               .release = 0.05};
        MixInto(out, MakeTone(t), 0.0, 0.5);
    }
    LowPass(out, 1400, 0.9);
    return out;
}

// The countdown calls rise E5, G5 and a bright C6 chord, so "Go!!" lands on the home note.
Buffer CountBeep(double note) {
    Tone t{.freq = MidiFreq(note),
           .seconds = 0.34,
           .spectrum = Spectrum::Triangle,
           .attack = 0.004,
           .decay = 0.22,
           .release = 0.06};
    Buffer out = MakeTone(t);
    Tone octave = t;
    octave.freq *= 2;
    octave.spectrum = Spectrum::Sine;
    MixInto(out, MakeTone(octave), 0.0, 0.25);
    return out;
}

Buffer Go() {
    Buffer out;
    const std::array<double, 4> notes{84, 88, 91, 96};
    for (size_t i = 0; i < notes.size(); ++i) {
        Tone t{.freq = MidiFreq(notes[i]),
               .seconds = 0.75,
               .spectrum = Spectrum::Saw,
               .brightness = 0.55,
               .attack = 0.004,
               .decay = 0.35,
               .release = 0.12,
               .vibratoHz = 6.0,
               .vibratoDepth = 0.08,
               .vibratoDelay = 0.2};
        MixInto(out, MakeTone(t), 0.0, i == 0 ? 0.5 : 0.32);
    }
    Buffer sparkle = MakeNoise(103, 0.25, 0.001, 0.05);
    HighPass(sparkle, 6000);
    MixInto(out, sparkle, 0.0, 0.15);
    return out;
}

// The contest start: two blades meet. A metallic ring over a hard attack and a thump.
Buffer Clash() {
    std::vector<Partial> metal{{1.0, 0.5, 0.55},  {1.51, 0.4, 0.42},  {2.23, 0.35, 0.33},
                               {2.89, 0.3, 0.25}, {4.07, 0.22, 0.16}, {5.12, 0.15, 0.1}};
    Buffer out = MakeStrike(1180, metal, 1.4);
    Buffer second = MakeStrike(1247, metal, 1.3);
    MixInto(out, second, 0.012, 0.6);
    Buffer attack = MakeNoise(104, 0.08, 0.0005, 0.012);
    HighPass(attack, 1800);
    MixInto(out, attack, 0.0, 1.2);
    Tone thump{.freq = 110, .freqEnd = 55, .seconds = 0.3, .attack = 0.001, .decay = 0.08, .release = 0.05};
    MixInto(out, MakeTone(thump), 0.0, 0.7);
    return out;
}

// A brass voice whose brightness follows its own attack.
Buffer Brass(double note, double seconds, double vibrato = 0.0) {
    Tone t{.freq = MidiFreq(note),
           .seconds = seconds,
           .spectrum = Spectrum::Saw,
           .brightness = 0.6,
           .attack = 0.025,
           .release = std::min(0.08, seconds / 3),
           .vibratoHz = 5.5,
           .vibratoDepth = vibrato,
           .vibratoDelay = 0.25};
    Buffer b = MakeTone(t);
    LowPass(b, MidiFreq(note) * 6, 0.8);
    return b;
}

// The win: a triplet pick-up, a climb to the fifth and a held major chord.
Buffer WinFanfare() {
    struct Note {
        double at, len, lead, under;
    };
    const double trip = 0.1;
    const std::array<Note, 7> line{{{0.0, 0.09, 67, 64},
                                    {trip, 0.09, 67, 64},
                                    {2 * trip, 0.09, 67, 64},
                                    {3 * trip, 0.3, 72, 67},
                                    {3 * trip + 0.32, 0.14, 76, 72},
                                    {3 * trip + 0.48, 0.14, 79, 76},
                                    {3 * trip + 0.64, 1.45, 84, 79}}};
    Buffer out;
    for (const Note& n : line) {
        const double vib = n.len > 1 ? 0.12 : 0.0;
        MixInto(out, Brass(n.lead, n.len, vib), n.at, 0.5);
        MixInto(out, Brass(n.under, n.len, vib), n.at, 0.33);
    }
    // The final chord gets its third and a low root underneath.
    const double last = line.back().at;
    MixInto(out, Brass(76, 1.45, 0.12), last, 0.28);
    MixInto(out, Brass(48, 1.45), last, 0.35);
    Buffer cymbal = MakeNoise(105, 1.5, 0.002, 0.45);
    HighPass(cymbal, 5000);
    MixInto(out, cymbal, last, 0.12);
    return out;
}

// The loss: a muted horn sighing down four semitones, the last one wobbling.
Buffer LosingPhrase() {
    Buffer out;
    const std::array<double, 4> notes{67, 66, 65, 64};
    double at = 0.0;
    for (size_t i = 0; i < notes.size(); ++i) {
        const bool last = i + 1 == notes.size();
        const double len = last ? 1.3 : 0.36;
        Tone t{.freq = MidiFreq(notes[i]),
               .seconds = len,
               .spectrum = Spectrum::Saw,
               .brightness = 0.5,
               .attack = 0.03,
               .decay = last ? 0.9 : 0.0,
               .release = 0.08,
               .vibratoHz = 5.0,
               .vibratoDepth = last ? 0.35 : 0.0,
               .vibratoDelay = 0.2};
        Buffer b = MakeTone(t);
        // Each note opens and closes like a plunger mute ("wah").
        SweepBandPass(b, 500, 1300, 1.2);
        MixInto(out, b, at, 1.0);
        at += len + 0.04;
    }
    LowPass(out, 2500);
    return out;
}

// The count-up tick loops while points roll in: a whole number of tick periods,
// each tick fully decayed before the next, so the seam is inaudible.
Buffer CountUpLoop() {
    const size_t period = 2646;  // 60 ms at 44.1 kHz
    Buffer out(period * 8, 0.0f);
    for (size_t k = 0; k < 8; ++k) {
        Tone t{.freq = k % 2 ? 1760.0 : 2093.0,
               .seconds = 0.045,
               .spectrum = Spectrum::Triangle,
               .attack = 0.0008,
               .decay = 0.007,
               .release = 0.01};
        Buffer tick = MakeTone(t);
        for (size_t i = 0; i < tick.size(); ++i) out[k * period + i] += tick[i];
    }
    return out;
}

// The roulette tick: a small wooden knock.
Buffer RouletteTick() {
    std::vector<Partial> wood{{1.0, 0.8, 0.018}, {2.45, 0.4, 0.01}, {3.9, 0.2, 0.006}};
    Buffer out = MakeStrike(1050, wood, 0.07, 0.0005);
    Buffer click = MakeNoise(106, 0.01, 0.0002, 0.0015);
    HighPass(click, 3000);
    MixInto(out, click, 0.0, 0.3);
    return out;
}

std::vector<Partial> BellPartials(double length) {
    return {{1.0, 0.6, length},
            {2.0, 0.3, length * 0.6},
            {2.76, 0.22, length * 0.4},
            {4.07, 0.12, length * 0.25},
            {5.4, 0.08, length * 0.15}};
}

// The roulette stop: a two-note "ding-dong" that settles on the choice.
Buffer RouletteStop() {
    Buffer out = MakeStrike(MidiFreq(91), BellPartials(0.5), 1.1);
    MixInto(out, MakeStrike(MidiFreq(84), BellPartials(0.6), 1.0), 0.14, 1.1);
    return out;
}

// The logo impacts: a heavy boom with a crack on top.
Buffer LogoImpact() {
    Tone boom{.freq = 120, .freqEnd = 36, .seconds = 0.75, .attack = 0.002, .decay = 0.2, .release = 0.1};
    Buffer out = MakeTone(boom);
    Buffer crack = MakeNoise(107, 0.3, 0.0005, 0.03);
    LowPass(crack, 3500);
    MixInto(out, crack, 0.0, 0.7);
    Tone thud{.freq = 220,
              .freqEnd = 140,
              .seconds = 0.15,
              .spectrum = Spectrum::Triangle,
              .attack = 0.001,
              .decay = 0.035,
              .release = 0.03};
    MixInto(out, MakeTone(thud), 0.0, 0.5);
    return out;
}

// The logo flourish: a glittering run up two octaves over a rising whoosh.
Buffer LogoFlourish() {
    Buffer out;
    const std::array<double, 9> run{72, 76, 79, 84, 88, 91, 96, 100, 103};
    for (size_t i = 0; i < run.size(); ++i)
        MixInto(out, MakeStrike(MidiFreq(run[i]), BellPartials(0.5), 1.2), 0.035 * i, 0.45);
    Buffer whoosh = MakeNoise(108, 1.0, 0.5, 0.15);
    SweepBandPass(whoosh, 800, 7000, 2.0);
    MixInto(out, whoosh, 0.0, 0.8);
    return out;
}

// The opening chime: soft bells rolling up a C major ninth and ringing on.
Buffer OpeningChime() {
    Buffer out;
    const std::array<double, 5> notes{67, 72, 76, 79, 86};
    for (size_t i = 0; i < notes.size(); ++i)
        MixInto(out, MakeStrike(MidiFreq(notes[i]), BellPartials(1.4), 3.2, 0.004), 0.16 * i, 0.4);
    MixInto(out, MakeStrike(MidiFreq(48), BellPartials(1.8), 3.2, 0.01), 0.0, 0.3);
    return out;
}

// The ending sound: a deep swell that blooms into a bright, ringing chord.
Buffer EndingSound() {
    Tone swell{.freq = 55,
               .freqEnd = 41,
               .seconds = 1.6,
               .spectrum = Spectrum::Triangle,
               .attack = 0.01,
               .decay = 0.6,
               .release = 0.2};
    Buffer out = MakeTone(swell);
    Buffer rise = MakeNoise(109, 1.1, 0.8, 0.2);
    SweepBandPass(rise, 300, 5000, 1.5);
    MixInto(out, rise, 0.0, 0.6);
    const std::array<double, 6> chord{69, 73, 76, 81, 85, 88};
    for (size_t i = 0; i < chord.size(); ++i)
        MixInto(out, MakeStrike(MidiFreq(chord[i]), BellPartials(1.2), 2.6, 0.01), 0.85 + 0.03 * i, 0.3);
    return out;
}

struct Effect {
    int n;
    std::function<Buffer()> make;
    double peakDb;
    double fadeIn, fadeOut;  // seconds
};

}  // namespace

void GenerateSounds(const AssetContext& ctx) {
    const std::array<Effect, 15> effects{{
        {1, CardMove, -4.0, 0.0005, 0.02},
        {2, CountUpLoop, -5.0, 0.0, 0.0},  // already silent at both ends: a fade would dent the loop
        {3, Refusal, -5.5, 0.002, 0.03},
        {4, [] { return CountBeep(79); }, -4.5, 0.001, 0.04},
        {5, LogoFlourish, -3.0, 0.002, 0.2},
        {6, Go, -1.5, 0.001, 0.1},
        {7, LosingPhrase, -3.0, 0.005, 0.15},
        {8, OpeningChime, -3.0, 0.002, 0.4},
        {9, Clash, -2.0, 0.0005, 0.2},
        {10, [] { return CountBeep(76); }, -4.5, 0.001, 0.04},
        {11, LogoImpact, -1.5, 0.0005, 0.1},
        {12, RouletteTick, -4.0, 0.0003, 0.01},
        {13, RouletteStop, -3.0, 0.0005, 0.15},
        {14, WinFanfare, -2.0, 0.003, 0.15},
        {15, EndingSound, -2.5, 0.005, 0.4},
    }};
    for (const Effect& e : effects) {
        Buffer b = e.make();
        if (e.fadeOut > 0) TrimTail(b, -70.0);
        Fade(b, e.fadeIn, e.fadeOut);
        Normalize(b, e.peakDb);
        WriteWav(ctx.out(DataFileName("bData", e.n)), b, kRate);
    }
}
