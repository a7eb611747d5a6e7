// The fifteen generated sound effects, read back from the program folder.
#include "app/data_files.h"
#include "audio_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

namespace {

WaveFile Effect(int n) {
    return ReadWave(ReadProgramFile(DataFileName("bData", n)));
}

double LevelDb(const std::vector<double>& s, size_t from, size_t count) {
    double peak = 0;
    for (size_t i = from; i < std::min(s.size(), from + count); ++i) peak = std::max(peak, std::abs(s[i]));
    return peak > 0 ? 20 * std::log10(peak) : -1000;
}

// Spectral centroid of the loudest 4096 samples: where the brightness of a sound sits.
double CentroidHz(const WaveFile& w) {
    const size_t n = 4096;
    size_t start = 0;
    double best = -1;
    for (size_t at = 0; at + n <= w.samples.size(); at += 1024) {
        double e = 0;
        for (size_t i = 0; i < n; ++i) e += w.samples[at + i] * w.samples[at + i];
        if (e > best) best = e, start = at;
    }
    double weighted = 0, total = 0;
    for (size_t k = 1; k < n / 2; ++k) {
        std::complex<double> sum = 0;
        for (size_t i = 0; i < n && start + i < w.samples.size(); ++i)
            sum += w.samples[start + i] * std::polar(1.0, -2 * M_PI * static_cast<double>(k * i) / n);
        const double mag = std::abs(sum);
        weighted += mag * k * w.rate / static_cast<double>(n);
        total += mag;
    }
    return total > 0 ? weighted / total : 0;
}

TEST(SoundEffects, EveryEffectIsCleanSixteenBitPcmNormalisedBelowFullScale) {
    for (int n = 1; n <= DataGroupCount("bData"); ++n) {
        SCOPED_TRACE("bData" + std::to_string(n));
        const WaveFile w = Effect(n);
        ASSERT_EQ(w.error, "");
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_GE(w.rate, 22050);
        // Consistent loudness with headroom: no effect clips, none is lost under the music.
        EXPECT_LE(w.peakDb(), -1.0);
        EXPECT_GE(w.peakDb(), -6.0);
        // No click where the sound starts or stops: both ends sit at silence.
        EXPECT_LT(std::abs(w.samples.front()), 0.003);
        EXPECT_LT(std::abs(w.samples.back()), 0.003);
        const size_t twoMs = static_cast<size_t>(w.rate / 500);
        EXPECT_LT(LevelDb(w.samples, w.samples.size() - twoMs, twoMs), -30.0);
    }
}

// How long each effect may last, from where the game plays it.
TEST(SoundEffects, EachEffectFitsTheMomentItIsPlayedFor) {
    struct Case {
        int n;
        double maxSeconds;
        const char* why;
    };
    const Case cases[] = {
        {1, 0.25, "card move: sounds on every lay, draw and merge"},
        {3, 0.4, "refusal: must not blur into the next key press"},
        {12, 0.2, "roulette tick: one per roulette step"},
        {10, 2.0, "OnYourMark: the start timer calls the next every 2 s"},
        {4, 2.0, "GetSet: the start timer calls the next every 2 s"},
        {6, 2.0, "Go!!: play starts under it"},
        {14, 3.0, "win fanfare: the result banner stands for 3 s"},
        {7, 3.0, "losing phrase: the result banner stands for 3 s"},
        {8, 6.0, "opening chime: the title logo stays 4 s"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const WaveFile w = Effect(c.n);
        EXPECT_GT(w.seconds(), 0.03);
        EXPECT_LE(w.seconds(), c.maxSeconds);
    }
}

TEST(SoundEffects, CountUpTickLoopsWithoutASeam) {
    const WaveFile w = Effect(2);
    ASSERT_EQ(w.error, "");
    // Played looped: the end runs straight into the start, so both sides of
    // the seam must be quiet and meet without a jump.
    const size_t fiveMs = static_cast<size_t>(w.rate / 200);
    EXPECT_LT(LevelDb(w.samples, 0, 1), -40.0);
    EXPECT_LT(LevelDb(w.samples, w.samples.size() - fiveMs, fiveMs), -40.0);
    EXPECT_LT(std::abs(w.samples.back() - w.samples.front()), 0.003);
    // And it really ticks: several separate bursts, not one blip.
    int bursts = 0;
    bool loud = false;
    for (double s : w.samples) {
        if (!loud && std::abs(s) > 0.2) ++bursts, loud = true;
        if (loud && std::abs(s) < 0.001) loud = false;
    }
    EXPECT_GE(bursts, 4);
}

TEST(SoundEffects, GoIsTheBrightestOfTheCountdown) {
    const WaveFile mark = Effect(10), set = Effect(4), go = Effect(6);
    EXPECT_GT(CentroidHz(go), CentroidHz(mark));
    EXPECT_GT(CentroidHz(go), CentroidHz(set));
    EXPECT_GE(go.peakDb(), set.peakDb());
    EXPECT_GE(go.peakDb(), mark.peakDb());
}

}  // namespace
