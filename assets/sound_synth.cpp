#include "sound_synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {
constexpr double kTwoPi = 6.283185307179586;

double HarmonicGain(Spectrum s, int k) {
    switch (s) {
        case Spectrum::Sine:
            return k == 1 ? 1.0 : 0.0;
        case Spectrum::Triangle:
            return k % 2 ? ((k / 2) % 2 ? -1.0 : 1.0) / (k * k) : 0.0;
        case Spectrum::Square:
            return k % 2 ? 1.0 / k : 0.0;
        case Spectrum::Saw:
            return 1.0 / k;
        case Spectrum::Hollow:  // a reedy tone: odd harmonics, a soft fundamental
            return k % 2 ? (k == 1 ? 0.6 : 1.0 / k) : 0.15 / k;
    }
    return 0.0;
}

// One biquad section in direct form I.
struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    float run(float in) {
        double y = b0 * in + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = in;
        y2 = y1;
        y1 = y;
        return static_cast<float>(y);
    }
};

enum class Kind { Low, High, Band };

Biquad Design(Kind kind, double freq, double q) {
    freq = std::clamp(freq, 10.0, kRate * 0.49);
    double w = kTwoPi * freq / kRate;
    double cw = std::cos(w), alpha = std::sin(w) / (2 * q);
    double b0, b1, b2;
    switch (kind) {
        case Kind::Low:
            b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2;
            break;
        case Kind::High:
            b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2;
            break;
        default:
            b0 = alpha, b1 = 0, b2 = -alpha;
            break;
    }
    double a0 = 1 + alpha;
    return Biquad{b0 / a0, b1 / a0, b2 / a0, -2 * cw / a0, (1 - alpha) / a0};
}

// Every primitive dies away to silence by its last sample, so a sound laid
// over another never ends in a step.
double Tail(double time, double seconds) {
    const double release = std::min(0.05, seconds / 4);
    return std::clamp((seconds - time) / release, 0.0, 1.0);
}

void Filter(Buffer& b, Kind kind, double freq, double q) {
    Biquad f = Design(kind, freq, q);
    for (float& s : b) s = f.run(s);
}
}  // namespace

float Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ / 2147483648.0 - 1.0);
}

size_t Samples(double seconds) {
    return static_cast<size_t>(std::max(0.0, std::round(seconds * kRate)));
}

Buffer Silence(double seconds) {
    return Buffer(Samples(seconds), 0.0f);
}

void MixInto(Buffer& dst, const Buffer& src, double atSeconds, double gain) {
    size_t at = Samples(atSeconds);
    if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[at + i] += static_cast<float>(src[i] * gain);
}

double MidiFreq(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

Buffer MakeTone(const Tone& t) {
    Buffer out(Samples(t.seconds), 0.0f);
    const double fEnd = t.freqEnd > 0 ? t.freqEnd : t.freq;
    const double fMax = std::max(t.freq, fEnd) * std::pow(2.0, t.vibratoDepth / 12.0);
    const int harmonics = std::clamp(static_cast<int>(kRate * 0.45 / fMax), 1, 60);
    std::vector<double> gains(static_cast<size_t>(harmonics) + 1, 0.0);
    const double tilt = 1.0 / std::max(0.05, t.brightness) - 1.0;
    for (int k = 1; k <= harmonics; ++k)
        gains[static_cast<size_t>(k)] = HarmonicGain(t.spectrum, k) * std::pow(k, -tilt);

    const double n = static_cast<double>(out.size());
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double time = static_cast<double>(i) / kRate;
        double f = t.freq * std::pow(fEnd / t.freq, i / n);
        if (t.vibratoDepth > 0 && time > t.vibratoDelay) {
            double ramp = std::min(1.0, (time - t.vibratoDelay) / 0.15);
            f *= std::pow(2.0, ramp * t.vibratoDepth * std::sin(kTwoPi * t.vibratoHz * time) / 12.0);
        }
        double s = 0.0;
        for (int k = 1; k <= harmonics; ++k) {
            double g = gains[static_cast<size_t>(k)];
            if (g != 0.0) s += g * std::sin(k * phase);
        }
        double env = time < t.attack ? time / t.attack : 1.0;
        if (t.decay > 0 && time >= t.attack) env *= std::exp(-(time - t.attack) / t.decay);
        const double left = t.seconds - time;
        if (t.release > 0 && left < t.release) env *= std::max(0.0, left / t.release);
        out[i] = static_cast<float>(s * env);
        phase = std::fmod(phase + kTwoPi * f / kRate, kTwoPi);
    }
    return out;
}

Buffer MakeStrike(double freq, const std::vector<Partial>& partials, double seconds, double attack) {
    Buffer out(Samples(seconds), 0.0f);
    for (const Partial& p : partials) {
        const double f = freq * p.ratio;
        if (f >= kRate * 0.45) continue;
        for (size_t i = 0; i < out.size(); ++i) {
            const double time = static_cast<double>(i) / kRate;
            double env = (time < attack ? time / attack : 1.0) * std::exp(-time / p.decay) * Tail(time, seconds);
            out[i] += static_cast<float>(p.gain * env * std::sin(kTwoPi * f * time));
        }
    }
    return out;
}

Buffer MakeNoise(uint32_t seed, double seconds, double attack, double decay) {
    Noise noise(seed);
    Buffer out(Samples(seconds));
    for (size_t i = 0; i < out.size(); ++i) {
        const double time = static_cast<double>(i) / kRate;
        double env = (time < attack ? time / attack : std::exp(-(time - attack) / decay)) * Tail(time, seconds);
        out[i] = static_cast<float>(noise.next() * env);
    }
    return out;
}

void LowPass(Buffer& b, double cutoff, double q) {
    Filter(b, Kind::Low, cutoff, q);
}
void HighPass(Buffer& b, double cutoff, double q) {
    Filter(b, Kind::High, cutoff, q);
}
void BandPass(Buffer& b, double centre, double q) {
    Filter(b, Kind::Band, centre, q);
}

void SweepBandPass(Buffer& b, double from, double to, double q) {
    // Redesigning every 64 samples keeps the sweep smooth and cheap.
    Biquad f = Design(Kind::Band, from, q);
    const double n = static_cast<double>(b.size());
    for (size_t i = 0; i < b.size(); ++i) {
        if (i % 64 == 0) {
            Biquad g = Design(Kind::Band, from * std::pow(to / from, i / n), q);
            g.x1 = f.x1, g.x2 = f.x2, g.y1 = f.y1, g.y2 = f.y2;
            f = g;
        }
        b[i] = f.run(b[i]);
    }
}

void Decay(Buffer& b, double start, double timeConstant) {
    for (size_t i = Samples(start); i < b.size(); ++i)
        b[i] *= static_cast<float>(std::exp(-(static_cast<double>(i) / kRate - start) / timeConstant));
}

void Normalize(Buffer& b, double peakDb) {
    float peak = 0.0f;
    for (float s : b) peak = std::max(peak, std::abs(s));
    if (peak <= 0.0f) return;
    const double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (float& s : b) s = static_cast<float>(s * gain);
}

void Fade(Buffer& b, double inSeconds, double outSeconds) {
    const size_t in = std::min(b.size(), Samples(inSeconds));
    const size_t out = std::min(b.size(), Samples(outSeconds));
    for (size_t i = 0; i < in; ++i) b[i] *= static_cast<float>(0.5 - 0.5 * std::cos(M_PI * i / in));
    for (size_t i = 0; i < out; ++i) b[b.size() - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(M_PI * i / out));
}

void TrimTail(Buffer& b, double floorDb, double keepSeconds) {
    float peak = 0.0f;
    for (float s : b) peak = std::max(peak, std::abs(s));
    const float floor = static_cast<float>(peak * std::pow(10.0, floorDb / 20.0));
    size_t last = b.size();
    while (last > 0 && std::abs(b[last - 1]) < floor) --last;
    b.resize(std::min(b.size(), last + Samples(keepSeconds)));
}

}  // namespace synth
