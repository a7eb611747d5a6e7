#pragma once
// A small sound-effect synthesiser: band-limited tones, inharmonic bells,
// filtered noise, envelopes and the finishing steps every effect shares.
// Everything is plain arithmetic on float buffers with a fixed seed, so the
// same code always writes the same samples.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace synth {

inline constexpr int kRate = 44100;
using Buffer = std::vector<float>;

// Deterministic noise source (xorshift32); never the C library's generator.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    float next();  // uniform in [-1, 1)
private:
    uint32_t state_;
};

size_t Samples(double seconds);
Buffer Silence(double seconds);

// Adds `src` × gain into `dst` starting at `atSeconds`, growing `dst` as needed.
void MixInto(Buffer& dst, const Buffer& src, double atSeconds, double gain = 1.0);

// Which harmonics a tone carries and how strongly (harmonic k, 1-based).
enum class Spectrum { Sine, Triangle, Square, Saw, Hollow };

struct Tone {
    double freq = 440.0;
    double freqEnd = 0.0;  // > 0: exponential glide towards it over the tone
    double seconds = 0.2;
    Spectrum spectrum = Spectrum::Sine;
    double brightness = 1.0;  // harmonic k is weighted by k^-(1/brightness - 1) on top of the spectrum
    double attack = 0.002;    // linear rise, seconds
    double decay = 0.0;       // > 0: exponential decay time constant after the attack
    double release = 0.01;    // linear fall at the very end
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;  // in semitones
    double vibratoDelay = 0.0;  // seconds before the vibrato fades in
};
// A band-limited tone: harmonics above the Nyquist frequency are left out.
Buffer MakeTone(const Tone& t);

// One partial of an inharmonic (bell, metal, wood) sound.
struct Partial {
    double ratio;  // × fundamental
    double gain;
    double decay;  // time constant in seconds
};
Buffer MakeStrike(double freq, const std::vector<Partial>& partials, double seconds, double attack = 0.001);

// White noise shaped by an attack and an exponential decay.
Buffer MakeNoise(uint32_t seed, double seconds, double attack, double decay);

// Second-order filters (the usual audio-cookbook biquads), applied in place.
void LowPass(Buffer& b, double cutoff, double q = 0.707);
void HighPass(Buffer& b, double cutoff, double q = 0.707);
void BandPass(Buffer& b, double centre, double q);
// A band-pass whose centre glides exponentially from `from` to `to`.
void SweepBandPass(Buffer& b, double from, double to, double q);

// Multiplies by an exponential decay starting at `start` seconds.
void Decay(Buffer& b, double start, double timeConstant);

// Scales so that the largest sample sits at `peakDb` dBFS.
void Normalize(Buffer& b, double peakDb);
// Raised-cosine fades, so every effect starts and stops at silence.
void Fade(Buffer& b, double inSeconds, double outSeconds);
// Drops trailing samples once the sound has fallen below `floorDb` for good.
void TrimTail(Buffer& b, double floorDb, double keepSeconds = 0.02);

double MidiFreq(double note);

}  // namespace synth
