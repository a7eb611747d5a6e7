// Reading the files before they play: waves decoded to the mixer's format,
// MIDI files checked the way the synthesizer's reader checks them.
#include "audio_fixtures.h"
#include "platform/audio_midi_file.h"
#include "platform/audio_wave.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

std::vector<uint8_t> waveWith(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                              const std::vector<uint8_t>& pcm, bool extensible = false) {
    std::vector<uint8_t> b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    auto le32 = [&b](uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto le16 = [&b](uint16_t v) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    };
    le32(extensible ? 40 : 16);
    le16(extensible ? 0xFFFE : tag);
    le16(channels);
    le32(rate);
    le32(rate * channels * bits / 8);
    le16(static_cast<uint16_t>(channels * bits / 8));
    le16(bits);
    if (extensible) {
        le16(22);
        le16(bits);
        le32(3);
        le16(tag);  // the sub-format GUID starts with the real format tag
        b.insert(b.end(), {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71});
    }
    // An unrelated chunk with an odd length (and its pad byte) before the samples.
    b.insert(b.end(), {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0});
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    le32(static_cast<uint32_t>(pcm.size()));
    b.insert(b.end(), pcm.begin(), pcm.end());
    return b;
}

}  // namespace

TEST(WaveDecoding, EveryEncodingGivesTheSameStereoValues) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    // Each holds two mono frames: half scale, then minus a quarter.
    const Case cases[] = {
        {"8-bit", waveWith(1, 1, 44100, 8, {192, 96})},
        {"16-bit", waveWith(1, 1, 44100, 16, {0x00, 0x40, 0x00, 0xE0})},
        {"24-bit", waveWith(1, 1, 44100, 24, {0, 0, 0x40, 0, 0, 0xE0})},
        {"32-bit", waveWith(1, 1, 44100, 32, {0, 0, 0, 0x40, 0, 0, 0, 0xE0})},
        {"float", waveWith(3, 1, 44100, 32, {0, 0, 0, 0x3F, 0, 0, 0x80, 0xBE})},
        {"double", waveWith(3, 1, 44100, 64, {0, 0, 0, 0, 0, 0, 0xE0, 0x3F, 0, 0, 0, 0, 0, 0, 0xD0, 0xBF})},
        {"extensible 16-bit", waveWith(1, 1, 44100, 16, {0x00, 0x40, 0x00, 0xE0}, true)},
    };
    for (const Case& c : cases) {
        auto w = audio::DecodeWave(c.bytes);
        ASSERT_TRUE(w) << c.name;
        ASSERT_EQ(w->frames(), 2u) << c.name;
        EXPECT_NEAR(w->samples[0], 0.5f, 1e-6) << c.name;
        EXPECT_NEAR(w->samples[1], 0.5f, 1e-6) << c.name;
        EXPECT_NEAR(w->samples[2], -0.25f, 1e-6) << c.name;
        EXPECT_NEAR(w->samples[3], -0.25f, 1e-6) << c.name;
    }
}

TEST(WaveDecoding, KeepsLeftAndRightAndConvertsTheRate) {
    auto stereo = audio::DecodeWave(Wav16({16384, -16384, 16384, -16384}, 44100, 2));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->samples, (std::vector<float>{0.5f, -0.5f, 0.5f, -0.5f}));

    // A 22 050 Hz second lasts a second at the mixer's rate too.
    auto slow = audio::DecodeWave(Wav16(std::vector<int16_t>(22050, 8192)));
    ASSERT_TRUE(slow);
    EXPECT_EQ(slow->frames(), 44100u);
    EXPECT_NEAR(slow->samples[44100], 0.25f, 1e-6);
    EXPECT_EQ(slow->lengthMs(), 1000);
}

TEST(WaveDecoding, ADataChunkCutShortStillPlaysWhatIsThere) {
    auto bytes = Wav16(std::vector<int16_t>(100, 1000), 44100);
    bytes.resize(bytes.size() - 50);  // the declared length now runs past the end
    auto w = audio::DecodeWave(bytes);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->frames(), 75u);
}

TEST(WaveDecoding, RefusesWhatIsNotAPlayableWave) {
    const std::vector<uint8_t> good = Wav16({1, 2, 3});
    auto withByte = [&](size_t at, uint8_t v) {
        auto b = good;
        b[at] = v;
        return b;
    };
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"not RIFF", withByte(0, 'X')},
        {"not WAVE", withByte(8, 'X')},
        {"no fmt chunk", withByte(12, 'X')},
        {"no channels", withByte(22, 0)},
        {"compressed", withByte(20, 2)},
        {"12-bit", withByte(34, 12)},
        {"no samples", Wav16({})},
        {"a MIDI file", OneNote()},
    };
    for (const Case& c : cases) EXPECT_FALSE(audio::DecodeWave(c.bytes)) << c.name;
}

// Headers that lie: each is refused or decoded within a bounded size, so a
// small file can never make the game ask for gigabytes.
TEST(WaveDecoding, HostileHeadersAreRefusedOrBounded) {
    auto with32 = [](std::vector<uint8_t> b, size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
        return b;
    };
    const std::vector<uint8_t> fourKb(4096, 0x80);
    // The data chunk's length field of waveWith's layout.
    const size_t dataLength = 12 + 8 + 16 + 12 + 4;
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        size_t frames;  // 0: refused
    };
    const Case cases[] = {
        {"rate 0", waveWith(1, 1, 0, 8, fourKb), 0},
        {"rate 1 (4 KB would become 1.4 GB)", waveWith(1, 1, 1, 8, fourKb), 0},
        {"rate 8", waveWith(1, 1, 8, 8, fourKb), 0},
        {"rate 3999", waveWith(1, 1, 3999, 8, fourKb), 0},
        {"rate 192001", waveWith(1, 1, 192001, 8, fourKb), 0},
        {"rate 400000", waveWith(1, 1, 400000, 8, fourKb), 0},
        {"rate 4 billion", waveWith(1, 1, 0xFFFFFFFFu, 8, fourKb), 0},
        {"lowest rate a card plays", waveWith(1, 1, 4000, 8, {128, 128, 128, 128}), 45},
        {"highest rate a card plays", waveWith(1, 1, 192000, 8, std::vector<uint8_t>(192, 128)), 45},
        {"data chunk claims 4 GB", with32(waveWith(1, 1, 44100, 8, fourKb), dataLength, 0xFFFFFFFFu), 4096},
        {"data chunk claims past the end", with32(waveWith(1, 1, 44100, 8, fourKb), dataLength, 5000), 4096},
        {"fmt chunk claims 4 GB", with32(waveWith(1, 1, 44100, 8, fourKb), 16, 0xFFFFFFFFu), 0},
        {"a chunk before the data claims 4 GB", with32(waveWith(1, 1, 44100, 8, fourKb), 40, 0xFFFFFFFFu), 0},
        {"65535 channels", waveWith(1, 0xFFFF, 44100, 8, fourKb), 0},
        {"frames larger than the data", with32(waveWith(1, 1, 44100, 8, fourKb), 32, 0x0008FFFFu), 0},
        // 121 s at 4000 Hz: 484 KB of file, cut to the longest sound kept.
        {"longer than any effect", waveWith(1, 1, 4000, 8, std::vector<uint8_t>(4000 * 121, 128)),
         audio::kMaxWaveFrames},
    };
    for (const Case& c : cases) {
        auto w = audio::DecodeWave(c.bytes);
        if (c.frames == 0) {
            EXPECT_FALSE(w) << c.name;
            continue;
        }
        ASSERT_TRUE(w) << c.name;
        EXPECT_EQ(w->frames(), c.frames) << c.name;
    }
}

TEST(WaveDecoding, TheDefaultSoundIsShortAndAudible) {
    auto w = audio::DefaultSound();
    ASSERT_TRUE(w);
    EXPECT_LE(w->lengthMs(), 500);
    EXPECT_GT(PeakRms(w->samples), 0.05);
    EXPECT_EQ(w, audio::DefaultSound());
}

TEST(MidiFileReading, LengthFollowsTheTempoChanges) {
    // Two tracks: the conductor halves the tempo after one beat; the notes
    // run for three beats.
    Track conductor;
    conductor.tempo(0, 500000).tempo(480, 1000000).end(0);
    Track notes;
    notes.ev(0, {0x90, 60, 100}).ev(1440, {0x80, 60, 0}).end(0);
    auto info = audio::ReadMidiInfo(Smf({conductor, notes}));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->format, 1);
    EXPECT_EQ(info->tracks, 2);
    EXPECT_EQ(info->endTick, 1440);
    EXPECT_DOUBLE_EQ(info->lengthMs(), 500.0 + 2 * 1000.0);
    EXPECT_DOUBLE_EQ(info->tickToMs(480), 500.0);
    EXPECT_EQ(info->msToTick(500.0), 480);
    EXPECT_EQ(info->msToTick(1500.0), 960);
}

TEST(MidiFileReading, TheDefaultTempoAndRunningStatus) {
    Track t;
    t.ev(0, {0x90, 60, 100}).ev(240, {62, 100}).ev(240, {60, 0}).ev(0, {62, 0}).end(0);
    auto info = audio::ReadMidiInfo(Smf({t}, 480, 0));
    ASSERT_TRUE(info);
    EXPECT_DOUBLE_EQ(info->lengthMs(), 500.0);
}

TEST(MidiFileReading, ATrackWithoutItsEndEventEndsAtItsLastEvent) {
    Track t;
    t.ev(0, {0x90, 60, 100}).ev(960, {0x80, 60, 0}).ev(480, {0xFF, 0x06, 0x01, 'x'});  // a marker is not kept
    auto info = audio::ReadMidiInfo(Smf({t}));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->endTick, 960);
}

TEST(MidiFileReading, RefusesWhatThePlayerCannotLoad) {
    const auto good = OneNote();
    auto with = [&](size_t at, uint8_t v) {
        auto b = good;
        b[at] = v;
        return b;
    };
    auto track = [](Track t) { return Smf({t}); };
    auto truncated = good;
    truncated.resize(truncated.size() - 3);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"a wave", Wav16({1, 2})},
        {"header name", with(0, 'X')},
        {"header length", with(7, 8)},
        {"format 3", with(9, 3)},
        {"no tracks", with(11, 0)},
        {"more tracks than present", with(11, 2)},
        {"SMPTE timing", with(12, 0xE7)},
        {"zero division", Smf({Track().end(0)}, 0)},
        {"track cut short", truncated},
        {"tempo of three bytes but given two", track(Track().ev(0, {0xFF, 0x51, 0x02, 1, 2}).end(0))},
        {"tempo of zero", track(Track().tempo(0, 0).end(0))},
        {"end of track with data", track(Track().ev(0, {0xFF, 0x2F, 0x01, 0}))},
        {"time signature of the wrong size", track(Track().ev(0, {0xFF, 0x58, 0x03, 4, 2, 24}).end(0))},
        {"a system message", track(Track().ev(0, {0xF2, 0, 0}).end(0))},
        {"data without any status", track(Track().ev(0, {60, 100}).end(0))},
        {"delta time of five bytes", track(Track().raw({0x81, 0x81, 0x81, 0x81, 0x00, 0xFF, 0x2F, 0x00}))},
    };
    for (const Case& c : cases) EXPECT_FALSE(audio::ReadMidiInfo(c.bytes)) << c.name;
}

TEST(MidiFileReading, SkipsForeignChunksBetweenTracks) {
    auto b = OneNote();
    std::vector<uint8_t> extra = {'X', 'F', 'I', 'H', 0, 0, 0, 2, 7, 7};
    b.insert(b.begin() + 14, extra.begin(), extra.end());
    EXPECT_TRUE(audio::ReadMidiInfo(b));
    b[14] = 0xC8;  // a chunk name that is not ASCII means a damaged file
    EXPECT_FALSE(audio::ReadMidiInfo(b));
}

TEST(MidiFileReading, FromTheMiddleTheSetUpHappensAtOnceAndEarlierNotesAreDropped) {
    Track conductor;
    conductor.tempo(0, 500000).tempo(480, 1000000).end(0);
    Track notes;
    notes.ev(0, {0x90, 60, 100})
        .ev(100, {62, 100})  // running status: a note too, so it is dropped
        .ev(100, {0xC0, 5})
        .ev(0, {0xB0, 7, 90})
        .ev(40, {0x80, 60, 0})
        .ev(0, {0x80, 62, 0})
        .ev(720, {0x90, 64, 100})
        .ev(480, {0x80, 64, 0})
        .end(0);
    auto original = Smf({conductor, notes});
    auto from = audio::MidiFrom(original.data(), original.size(), 480);

    Track wantConductor;
    wantConductor.tempo(0, 500000).tempo(0, 1000000).end(0);
    Track wantNotes;
    wantNotes.ev(0, {0xC0, 5}).ev(0, {0xB0, 7, 90}).ev(480, {0x90, 64, 100}).ev(480, {0x80, 64, 0}).end(0);
    EXPECT_EQ(from, Smf({wantConductor, wantNotes}));
    EXPECT_DOUBLE_EQ(audio::ReadMidiInfo(from)->lengthMs(), audio::ReadMidiInfo(original)->lengthMs() - 500);

    EXPECT_TRUE(audio::MidiFrom(original.data(), 10, 480).empty());
}
