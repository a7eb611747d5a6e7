// The audio engine measured by rendering: tracks sound and end, effects
// replace, loop and stop, and nothing waits for the SoundFont.
#include "audio_fixtures.h"
#include "platform/audio_output.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace fixtures;
using audio::AudioEngine;

namespace {

// The synthesizer's release of the last notes plus FluidSynth's wait for the
// reverb after them, both with some room.
constexpr double kGraceMs = 2000;
constexpr double kReleaseRoomMs = 2500;
constexpr double kAudible = 0.01;
constexpr double kSilent = 1e-4;

class TrackTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { audio::UseManualOutput(); }
    void SetUp() override {
        e().closeAll();
        e().stopWave();
        e().startLoading();
        ASSERT_TRUE(e().waitForSoundFont()) << "no SoundFont: run scripts/deps";
    }
    static AudioEngine& e() { return AudioEngine::instance(); }
    static void open(AudioEngine& engine, const std::string& alias, const std::vector<uint8_t>& bytes) {
        auto info = audio::ReadMidiInfo(bytes);
        ASSERT_TRUE(info);
        ASSERT_TRUE(engine.openSequence(alias, bytes, *info));
    }
    // Renders in 10 ms steps until the track stops; the time it stopped at.
    static double msUntilEnd(AudioEngine& engine, const std::string& alias, double limitMs) {
        double t = 0;
        while (engine.isPlaying(alias) && t < limitMs) {
            Render(engine, Frames(10));
            t += 10;
        }
        return t;
    }
};

TEST_F(TrackTest, ATrackSoundsThenEndsAtItsLengthPlusTheGracePeriodAndDoesNotRepeat) {
    open(e(), "t", OneNote(480, 960));  // one beat of piano, the track two beats: 1 000 ms
    ASSERT_DOUBLE_EQ(*e().lengthMs("t"), 1000.0);
    ASSERT_TRUE(e().playSequence("t", 0.0, std::nullopt));
    auto first = Render(e(), Frames(500));
    EXPECT_GT(Rms(first), kAudible);
    Render(e(), Frames(490));
    EXPECT_TRUE(e().isPlaying("t"));

    double end = 990 + msUntilEnd(e(), "t", 10000);
    EXPECT_GE(end, 1000 + kGraceMs);
    EXPECT_LE(end, 1000 + kGraceMs + kReleaseRoomMs);
    EXPECT_DOUBLE_EQ(*e().positionMs("t"), 1000.0);
    EXPECT_TRUE(e().isOpen("t"));  // ended, not closed

    auto after = Render(e(), Frames(3000));
    EXPECT_LT(Rms(after, static_cast<size_t>(Frames(2000)) * 2), kSilent);
}

TEST_F(TrackTest, PlayingFromZeroAgainRestartsWhilePlayingOnGoesOn) {
    open(e(), "t", OneNote(4800, 4800));
    e().playSequence("t", 0.0, std::nullopt);
    Render(e(), Frames(700));
    EXPECT_NEAR(*e().positionMs("t"), 700, 1);

    e().playSequence("t", std::nullopt, std::nullopt);
    EXPECT_NEAR(*e().positionMs("t"), 700, 1);

    e().playSequence("t", 0.0, std::nullopt);
    EXPECT_NEAR(*e().positionMs("t"), 0, 1);
    EXPECT_GT(Rms(Render(e(), Frames(300))), kAudible);
    EXPECT_NEAR(*e().positionMs("t"), 300, 1);
}

TEST_F(TrackTest, AStopKeepsThePositionAndAnEndPointStopsOnTime) {
    open(e(), "t", OneNote(4800, 4800));
    e().playSequence("t", 0.0, std::nullopt);
    Render(e(), Frames(400));
    ASSERT_TRUE(e().stopSequence("t"));
    EXPECT_FALSE(e().isPlaying("t"));
    EXPECT_NEAR(*e().positionMs("t"), 400, 1);

    // Play without a start goes on from there, up to the end point.
    e().playSequence("t", std::nullopt, 700.0);
    Render(e(), Frames(290));
    EXPECT_TRUE(e().isPlaying("t"));
    Render(e(), Frames(20));
    EXPECT_FALSE(e().isPlaying("t"));
    EXPECT_DOUBLE_EQ(*e().positionMs("t"), 700.0);
}

TEST_F(TrackTest, TwoTracksNeverChangeEachOthersChannels) {
    open(e(), "piano", Pulse(9600));
    e().playSequence("piano", 0.0, std::nullopt);
    double alone = Rms(Render(e(), Frames(600)), static_cast<size_t>(Frames(100)) * 2);
    ASSERT_GT(alone, kAudible);

    // The other track only turns channel 1 down to nothing and changes its
    // instrument; on a shared channel that would silence the piano.
    Track mute;
    mute.ev(0, {0xB0, 7, 0}).ev(0, {0xC0, 80}).ev(0, {0xB9, 7, 0}).end(9600);
    open(e(), "mute", Smf({mute}));
    e().playSequence("mute", 0.0, std::nullopt);
    e().playSequence("piano", 0.0, std::nullopt);
    EXPECT_NE(e().channelBlock("piano"), e().channelBlock("mute"));
    double together = Rms(Render(e(), Frames(600)), static_cast<size_t>(Frames(100)) * 2);
    EXPECT_NEAR(together, alone, alone * 0.25);

    // Closing one leaves the other playing.
    ASSERT_TRUE(e().closeSequence("mute"));
    EXPECT_FALSE(e().isOpen("mute"));
    EXPECT_TRUE(e().isPlaying("piano"));
    EXPECT_GT(Rms(Render(e(), Frames(300))), kAudible);
}

TEST_F(TrackTest, ClosingSilencesTheTrack) {
    open(e(), "t", OneNote(9600, 9600));
    e().playSequence("t", 0.0, std::nullopt);
    Render(e(), Frames(300));
    e().closeSequence("t");
    auto after = Render(e(), Frames(3000));
    EXPECT_LT(Rms(after, static_cast<size_t>(Frames(2000)) * 2), kSilent);
}

TEST_F(TrackTest, WhenEveryChannelBlockIsTakenTheOldestTrackGivesWay) {
    for (int i = 0; i <= AudioEngine::kChannelBlocks; ++i) {
        open(e(), "t" + std::to_string(i), OneNote(9600, 9600, static_cast<uint8_t>(48 + i)));
        e().playSequence("t" + std::to_string(i), 0.0, std::nullopt);
        Render(e(), 64);
    }
    EXPECT_FALSE(e().isPlaying("t0"));
    for (int i = 1; i <= AudioEngine::kChannelBlocks; ++i) EXPECT_TRUE(e().isPlaying("t" + std::to_string(i))) << i;
}

TEST_F(TrackTest, ATrackPlayedBeforeTheSoundFontIsReadyStartsWhenItIs) {
    AudioEngine fresh;
    open(fresh, "t", OneNote(960, 960));
    // Whether loading has finished yet or not, the track is on its way.
    ASSERT_TRUE(fresh.playSequence("t", 0.0, std::nullopt));
    EXPECT_TRUE(fresh.isPlaying("t"));
    ASSERT_TRUE(fresh.waitForSoundFont());
    EXPECT_GT(Rms(Render(fresh, Frames(500))), kAudible);
}

TEST_F(TrackTest, ABrokenSoundFontFailsAndTheWaitingTrackIsDropped) {
    QTemporaryDir dir;
    QString broken = dir.filePath(QStringLiteral("broken.sf2"));
    WriteFile(broken, std::vector<uint8_t>(4096, 0x55));
    AudioEngine fresh;
    fresh.setSoundFontCandidates({broken.toStdString()});
    open(fresh, "t", OneNote());
    fresh.playSequence("t", 0.0, std::nullopt);
    EXPECT_FALSE(fresh.waitForSoundFont());
    EXPECT_EQ(fresh.soundFontState(), audio::SoundFontState::Failed);
    EXPECT_FALSE(fresh.isPlaying("t"));
    EXPECT_LT(Rms(Render(fresh, Frames(200))), kSilent);

    AudioEngine none;
    none.setSoundFontCandidates({});
    none.startLoading();
    EXPECT_EQ(none.soundFontState(), audio::SoundFontState::Failed);
}

// The player's own SoundFont that cannot be used gives way to an installed
// one, and says once which file it was and why.
TEST_F(TrackTest, APlayersSoundFontThatCannotBeUsedGivesWayToAnInstalledOne) {
    QTemporaryDir dir;
    const std::string installed = e().loadedSoundFont();
    const std::string folder = dir.path().toStdString();
    const std::string junk = folder + "/junk.sf2";
    WriteFile(QString::fromStdString(junk), std::vector<uint8_t>(4096, 0x55));
    // Looks like a SoundFont to the first glance, but nothing inside is.
    std::vector<uint8_t> inner = {'R', 'I', 'F', 'F', 0xF4, 0x0F, 0, 0, 's', 'f', 'b', 'k'};
    inner.resize(4096, 0x55);
    const std::string damaged = folder + "/damaged.sf2";
    WriteFile(QString::fromStdString(damaged), inner);
    struct Case {
        std::string path;
        audio::SoundFontFault fault;
    };
    const Case cases[] = {
        {folder + "/gone.sf2", audio::SoundFontFault::Missing},
        {folder, audio::SoundFontFault::NotAFile},
        {junk, audio::SoundFontFault::NotASoundFont},
        {damaged, audio::SoundFontFault::Refused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        AudioEngine fresh;
        fresh.setSoundFontCandidates({installed});
        fresh.setSoundFontPath(c.path);
        open(fresh, "t", OneNote(960, 960));
        ASSERT_TRUE(fresh.playSequence("t", 0.0, std::nullopt));
        ASSERT_TRUE(fresh.waitForSoundFont());
        EXPECT_EQ(fresh.loadedSoundFont(), installed);
        EXPECT_GT(Rms(Render(fresh, Frames(500))), kAudible) << "the music plays";
        auto problem = fresh.takeSoundFontProblem();
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->path, c.path);
        EXPECT_EQ(problem->fault, c.fault);
        EXPECT_FALSE(fresh.takeSoundFontProblem()) << "said once";
        // Choosing the same file again says nothing new.
        fresh.setSoundFontPath(c.path);
        EXPECT_FALSE(fresh.takeSoundFontProblem());
    }
}

TEST_F(TrackTest, ChoosingAnotherSoundFontKeepsTheTrackGoing) {
    std::string loaded = e().loadedSoundFont();
    // Another name for the same file is enough to make it load again.
    size_t slash = loaded.rfind('/');
    std::string other = loaded.substr(0, slash) + "/." + loaded.substr(slash);
    AudioEngine fresh;
    fresh.setSoundFontCandidates({loaded});
    // Short notes all along: a note held from before the change would not
    // be struck again when the track goes on from the middle.
    open(fresh, "t", Pulse(9600));
    fresh.playSequence("t", 0.0, std::nullopt);
    ASSERT_TRUE(fresh.waitForSoundFont());
    Render(fresh, Frames(400));
    fresh.setSoundFontPath(other);
    ASSERT_TRUE(fresh.waitForSoundFont());
    EXPECT_EQ(fresh.loadedSoundFont(), other);
    EXPECT_TRUE(fresh.isPlaying("t"));
    EXPECT_NEAR(*fresh.positionMs("t"), 400, 1);
    EXPECT_GT(Rms(Render(fresh, Frames(300))), kAudible);
}

TEST_F(TrackTest, AfterShutdownEverythingIsAcceptedAndSilent) {
    AudioEngine fresh;
    fresh.startLoading();
    open(fresh, "t", OneNote());
    fresh.playSequence("t", 0.0, std::nullopt);
    fresh.shutdown();  // possibly while the SoundFont is still loading
    auto info = audio::ReadMidiInfo(OneNote());
    EXPECT_FALSE(fresh.openSequence("u", OneNote(), *info));
    fresh.playWave(Level(0.5f, 100), false);
    auto out = Render(fresh, 256);
    EXPECT_EQ(Rms(out), 0.0);
    fresh.shutdown();
}

// The wave voice, on engines without a synthesizer, so every sample is exact.
TEST(WaveVoice, ASecondSoundCutsOffTheFirstForGood) {
    AudioEngine e;
    e.playWave(Level(0.25f, 44100), false);
    auto a = Render(e, 100);
    EXPECT_EQ(a, std::vector<float>(200, 0.25f));
    e.playWave(Level(-0.5f, 441), false);
    auto b = Render(e, 1000);
    EXPECT_EQ(std::vector<float>(b.begin(), b.begin() + 882), std::vector<float>(882, -0.5f));
    EXPECT_EQ(std::vector<float>(b.begin() + 882, b.end()), std::vector<float>(1118, 0.0f));
    EXPECT_FALSE(e.wavePlaying());
    EXPECT_EQ(e.waveStarts(), 2u);
}

TEST(WaveVoice, ALoopRepeatsUntilStoppedOrReplaced) {
    AudioEngine e;
    e.playWave(Level(-0.5f, 441), true);
    auto looped = Render(e, 441 * 5 + 7);
    EXPECT_EQ(looped, std::vector<float>(looped.size(), -0.5f));
    EXPECT_TRUE(e.wavePlaying());
    e.stopWave();
    EXPECT_EQ(Render(e, 300), std::vector<float>(600, 0.0f));

    // An effect started during the loop ends it: after the effect, silence.
    e.playWave(Level(-0.5f, 441), true);
    Render(e, 200);
    e.playWave(Level(0.125f, 100), false);
    auto out = Render(e, 1000);
    EXPECT_EQ(out[199], 0.125f);
    EXPECT_EQ(out[200], 0.0f);
    EXPECT_FALSE(e.wavePlaying());
}

TEST(WaveVoice, EffectsAloneNeverLoadTheSoundFont) {
    AudioEngine e;
    e.playWave(Level(0.5f, 10), false);
    Render(e, 64);
    EXPECT_EQ(e.soundFontState(), audio::SoundFontState::Idle);
}

}  // namespace
