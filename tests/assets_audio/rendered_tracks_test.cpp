// Every music track, played through the game's own audio engine, still sounds
// when its screen's minimum time is reached, and then comes to an end.
#include "app/data_files.h"
#include "audio_files.h"
#include "platform/audio_engine.h"
#include "track_uses.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kBlock = 1024;

// RMS of `ms` milliseconds of what the engine renders.
double RenderRms(audio::AudioEngine& e, double ms) {
    std::vector<float> block(kBlock * 2);
    double sum = 0;
    int64_t count = 0;
    for (double done = 0; done < ms; done += 1000.0 * kBlock / audio::kSampleRate) {
        e.render(block.data(), kBlock);
        for (float v : block) sum += static_cast<double>(v) * v;
        count += static_cast<int64_t>(block.size());
    }
    return count ? std::sqrt(sum / static_cast<double>(count)) : 0;
}

TEST(RenderedTracks, EveryTrackSoundsAtItsMinimumLengthAndThenEnds) {
    audio::AudioEngine e;
    e.startLoading();
    ASSERT_TRUE(e.waitForSoundFont()) << "no SoundFont: run scripts/deps";
    for (const Use& u : kUses) {
        SCOPED_TRACE("cData" + std::to_string(u.n) + ", " + u.why);
        const QByteArray file = ReadProgramFile(DataFileName("cData", u.n));
        std::vector<uint8_t> bytes(file.begin(), file.end());
        const auto info = audio::ReadMidiInfo(bytes);
        ASSERT_TRUE(info.has_value());
        ASSERT_TRUE(e.openSequence("track", bytes, *info));
        // The last four seconds before the minimum are still music (-40 dBFS RMS at least).
        const double from = u.minSeconds * 1000 - 4000;
        ASSERT_TRUE(e.playSequence("track", from, std::nullopt));
        EXPECT_GT(RenderRms(e, 4000), 0.01);
        // Played on, the track stops by itself: the game never loops music.
        double played = u.minSeconds * 1000;
        while (e.isPlaying("track") && played < info->lengthMs() + 20000) {
            RenderRms(e, 1000);
            played += 1000;
        }
        EXPECT_FALSE(e.isPlaying("track"));
        e.closeSequence("track");
    }
    e.shutdown();
}

}  // namespace
