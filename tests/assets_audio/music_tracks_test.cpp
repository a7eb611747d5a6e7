// The nineteen generated music tracks, read back from the program folder.
#include "app/data_files.h"
#include "audio_files.h"
#include "platform/audio_midi_file.h"
#include "track_uses.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kDrums = 9;

MidiFile Track(int n) {
    return ReadMidi(ReadProgramFile(DataFileName("cData", n)));
}

TEST(MusicTracks, EveryTrackIsAWellFormedGeneralMidiFile) {
    for (const Use& u : kUses) {
        SCOPED_TRACE("cData" + std::to_string(u.n) + ", " + u.why);
        const MidiFile m = Track(u.n);
        ASSERT_EQ(m.error, "");
        EXPECT_EQ(m.format, 1);
        EXPECT_EQ(m.danglingNotes, 0);
        // A key struck again before its note-off would be cut short by that note-off.
        EXPECT_EQ(m.restruckNotes, 0);
        // Every melodic channel that plays says which instrument it is.
        for (int ch : m.channelsWithNotes()) {
            if (ch != kDrums) {
                EXPECT_GE(m.programs[static_cast<size_t>(ch)], 0) << "channel " << ch;
            }
        }
        // The game's own sequencer accepts the file and times it as we do.
        const QByteArray bytes = ReadProgramFile(DataFileName("cData", u.n));
        const auto info =
            audio::ReadMidiInfo(reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<size_t>(bytes.size()));
        ASSERT_TRUE(info.has_value());
        EXPECT_NEAR(info->lengthMs() / 1000, m.seconds(), 0.05);
    }
}

TEST(MusicTracks, EveryTrackHasMelodyHarmonyBassAndDrumsWherePlanned) {
    for (const Use& u : kUses) {
        SCOPED_TRACE("cData" + std::to_string(u.n) + ", " + u.why);
        const MidiFile m = Track(u.n);
        ASSERT_EQ(m.error, "");
        std::set<int> pitched = m.channelsWithNotes();
        const bool drums = pitched.erase(kDrums) > 0;
        EXPECT_GE(pitched.size(), 3u);
        EXPECT_EQ(drums, u.drums);
        // Something low (a bass line) and something high (a tune).
        int lowest = 127, highest = 0;
        for (const MidiNote& n : m.notes)
            if (n.channel != kDrums) lowest = std::min(lowest, n.key), highest = std::max(highest, n.key);
        EXPECT_LE(lowest, 48);
        EXPECT_GE(highest, 72);
    }
}

TEST(MusicTracks, EveryTrackLastsAsLongAsItsScreenNeedsAndThenEnds) {
    for (const Use& u : kUses) {
        SCOPED_TRACE("cData" + std::to_string(u.n) + ", " + u.why);
        const MidiFile m = Track(u.n);
        ASSERT_EQ(m.error, "");
        EXPECT_GE(m.seconds(), u.minSeconds);
        // Music plays through to the end: no long silence anywhere, and the
        // last notes sound right before the file ends (a real ending, not a
        // tail of nothing).
        uint32_t soundingUntil = 0;
        double longestGap = 0;
        for (const MidiNote& n : m.notes) {
            if (n.tick > soundingUntil)
                longestGap = std::max(longestGap, m.secondsAt(n.tick) - m.secondsAt(soundingUntil));
            soundingUntil = std::max(soundingUntil, n.tick + n.length);
        }
        EXPECT_LT(longestGap, 2.0);
        EXPECT_LT(m.seconds() - m.secondsAt(soundingUntil), 3.0);
    }
}

TEST(MusicTracks, NoTwoTracksShareTempoOrTune) {
    std::vector<MidiFile> tracks;
    for (const Use& u : kUses) tracks.push_back(Track(u.n));
    for (size_t a = 0; a < tracks.size(); ++a) {
        for (size_t b = a + 1; b < tracks.size(); ++b) {
            SCOPED_TRACE("cData" + std::to_string(a + 1) + " and cData" + std::to_string(b + 1));
            ASSERT_FALSE(tracks[a].tempi.empty());
            ASSERT_FALSE(tracks[b].tempi.empty());
            EXPECT_NE(std::lround(tracks[a].tempi.front().second), std::lround(tracks[b].tempi.front().second));
            EXPECT_NE(tracks[a].melody(0, 16), tracks[b].melody(0, 16));
        }
    }
}

}  // namespace
