// Every music track and every sound effect the game ships makes itself heard
// when rendered, whatever the art in the files happens to be.
#include "app/data_files.h"
#include "audio_fixtures.h"
#include "platform/audio_output.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace fixtures;
using audio::AudioEngine;

namespace {

// The loudest 100 ms must reach -40 dBFS: any sound worth hearing does.
constexpr double kHeard = 0.01;
// A track is listened to for at most this long; no piece opens with longer silence.
constexpr double kListenMs = 8000;

std::vector<uint8_t> dataFile(const char* prefix, int n) {
    QFile f(QStringLiteral(VANTRAX_TEST_PROGRAM_DIR "/") + DataFileName(prefix, n));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray b = f.readAll();
    return std::vector<uint8_t>(b.begin(), b.end());
}

TEST(ShippedSound, EveryMusicTrackSounds) {
    audio::UseManualOutput();
    AudioEngine& e = AudioEngine::instance();
    e.closeAll();
    e.startLoading();
    ASSERT_TRUE(e.waitForSoundFont()) << "no SoundFont: run scripts/deps";
    for (int n = 1; n <= DataGroupCount("cData"); ++n) {
        SCOPED_TRACE("cData" + std::to_string(n));
        std::vector<uint8_t> bytes = dataFile("cData", n);
        auto info = audio::ReadMidiInfo(bytes);
        ASSERT_TRUE(info) << "not a MIDI file the player loads";
        EXPECT_GT(info->lengthMs(), 1000);
        ASSERT_TRUE(e.openSequence("track", bytes, *info));
        ASSERT_TRUE(e.playSequence("track", 0.0, std::nullopt));
        auto out = Render(e, Frames(std::min(kListenMs, info->lengthMs())));
        EXPECT_GT(PeakRms(out), kHeard);
        e.closeSequence("track");
    }
}

TEST(ShippedSound, EveryEffectSounds) {
    for (int n = 1; n <= DataGroupCount("bData"); ++n) {
        SCOPED_TRACE("bData" + std::to_string(n));
        auto wave = audio::DecodeWave(dataFile("bData", n));
        ASSERT_TRUE(wave) << "not a wave the mixer plays";
        EXPECT_GT(wave->frames(), 0u);
        AudioEngine e;
        e.playWave(wave, false);
        EXPECT_GT(PeakRms(Render(e, static_cast<int>(wave->frames()))), kHeard);
        EXPECT_FALSE(e.wavePlaying());
    }
}

}  // namespace
