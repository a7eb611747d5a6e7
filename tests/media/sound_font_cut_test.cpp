// The SoundFont cut down to the presets the game's tracks choose: the tracks
// sound exactly as from the whole file, the cut holds only what was asked
// for, and anything it cannot cut is loaded whole.
#include "audio_fixtures.h"
#include "platform/sound_font_subset.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstring>
#include <fstream>
#include <iterator>

using namespace fixtures;
using audio::AudioEngine;
using audio::Preset;

namespace {

std::string InstalledSoundFont() {
    return AudioEngine().findSoundFont();
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where the file's preset list starts (its "LIST" header).
size_t PresetListAt(const std::vector<uint8_t>& sf) {
    for (size_t at = 12; at + 12 <= sf.size();) {
        uint32_t size;
        std::memcpy(&size, sf.data() + at + 4, 4);
        if (std::memcmp(sf.data() + at + 8, "pdta", 4) == 0) return at;
        at += 8 + size + (size & 1);
    }
    return 0;
}

// A band of strings, a bass, a drum kit and a piano on four channels.
std::vector<uint8_t> Ensemble() {
    Track t;
    t.ev(0, {0xC0, 48}).ev(0, {0xC1, 33}).ev(0, {0xC9, 0});
    t.ev(0, {0x90, 60, 100}).ev(0, {0x91, 36, 110}).ev(0, {0x99, 38, 120}).ev(0, {0x92, 72, 90});
    t.ev(480, {0x99, 42, 120}).ev(240, {0x80, 60, 0}).ev(0, {0x81, 36, 0}).ev(0, {0x82, 72, 0}).end(240);
    return Smf({t});
}

std::vector<Preset> PresetsIn(fluid_sfont_t* sfont) {
    std::vector<Preset> all;
    fluid_sfont_iteration_start(sfont);
    while (fluid_preset_t* p = fluid_sfont_iteration_next(sfont))
        all.emplace_back(fluid_preset_get_banknum(p), fluid_preset_get_num(p));
    return all;
}

class SoundFontCut : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = InstalledSoundFont();
        if (path_.empty()) GTEST_SKIP() << "no SoundFont: run scripts/deps";
    }
    std::string path_;
};

TEST_F(SoundFontCut, ATracksPresetsAreTheProgramsItChoosesWithTheDefaultsOnEveryChannel) {
    const std::vector<uint8_t> song = Ensemble();
    EXPECT_EQ(audio::MidiPresets(song.data(), song.size()), (std::set<Preset>{{0, 0}, {0, 33}, {0, 48}, {128, 0}}));
    Track banked;
    banked.ev(0, {0xB3, 0, 8}).ev(0, {0xC3, 4}).ev(0, {0xC9, 25}).end(10);
    const std::vector<uint8_t> other = Smf({banked});
    EXPECT_EQ(audio::MidiPresets(other.data(), other.size()), (std::set<Preset>{{0, 0}, {8, 4}, {128, 0}, {128, 25}}));
    const std::vector<uint8_t> junk(100, 0x42);
    EXPECT_TRUE(audio::MidiPresets(junk.data(), junk.size()).empty());
}

TEST_F(SoundFontCut, TheCutHoldsTheAskedPresetsThatExistAndFluidSynthLoadsIt) {
    const std::set<Preset> keep{{0, 0}, {0, 40}, {128, 0}, {0, 127}, {7, 3}};
    std::optional<std::string> name = audio::PrepareSoundFontCut(path_, keep);
    ASSERT_TRUE(name);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_synth_t* synth = new_fluid_synth(settings);
    audio::LetSynthReadCuts(synth, settings);
    const int id = fluid_synth_sfload(synth, name->c_str(), 1);
    ASSERT_NE(id, FLUID_FAILED);
    std::vector<Preset> presets = PresetsIn(fluid_synth_get_sfont_by_id(synth, id));
    std::sort(presets.begin(), presets.end());
    // Bank 7 has nothing in a General MIDI set.
    EXPECT_EQ(presets, (std::vector<Preset>{{0, 0}, {0, 40}, {0, 127}, {128, 0}}));
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
}

// Sample for sample: the kept presets keep their zones, instruments and samples.
TEST_F(SoundFontCut, TheGamesTracksSoundTheSameFromTheCutAsFromTheWholeFile) {
    QTemporaryDir dir;
    const QString song = dir.filePath(QStringLiteral("song.mid"));
    WriteFile(song, Ensemble());
    std::vector<std::vector<float>> renders;
    for (bool cut : {false, true}) {
        AudioEngine e;
        if (cut) e.setSongFiles({song.toStdString(), dir.filePath(QStringLiteral("missing.mid")).toStdString()});
        e.startLoading();
        ASSERT_TRUE(e.waitForSoundFont());
        const std::vector<uint8_t> bytes = Ensemble();
        ASSERT_TRUE(e.openSequence("t", bytes, *audio::ReadMidiInfo(bytes)));
        ASSERT_TRUE(e.playSequence("t", 0.0, std::nullopt));
        renders.push_back(Render(e, Frames(1500)));
    }
    EXPECT_GT(Rms(renders[0]), 0.01);
    EXPECT_EQ(renders[0], renders[1]);
}

// A track that chooses an instrument outside the cut still sounds, on the
// bank's first program, rather than falling silent.
TEST_F(SoundFontCut, AnInstrumentOutsideTheCutSoundsAsThePiano) {
    QTemporaryDir dir;
    const QString song = dir.filePath(QStringLiteral("song.mid"));
    WriteFile(song, OneNote());
    AudioEngine e;
    e.setSongFiles({song.toStdString()});
    e.startLoading();
    ASSERT_TRUE(e.waitForSoundFont());
    Track violin;
    violin.ev(0, {0xC0, 40}).ev(0, {0x90, 67, 100}).ev(480, {0x80, 67, 0}).end(480);
    const std::vector<uint8_t> bytes = Smf({violin});
    ASSERT_TRUE(e.openSequence("t", bytes, *audio::ReadMidiInfo(bytes)));
    ASSERT_TRUE(e.playSequence("t", 0.0, std::nullopt));
    EXPECT_GT(Rms(Render(e, Frames(400))), 0.01);
}

// What cannot be cut is refused, so the file is loaded whole instead.
TEST_F(SoundFontCut, ListsAndFilesThatCannotBeCutAreRefused) {
    const std::vector<uint8_t> sf = ReadAll(path_);
    const size_t at = PresetListAt(sf);
    ASSERT_GT(at, 0u);
    const std::vector<uint8_t> list(sf.begin() + static_cast<std::ptrdiff_t>(at), sf.end());
    const std::set<Preset> piano{{0, 0}};
    ASSERT_TRUE(audio::CutPresetList(list.data(), list.size(), piano));

    // The first preset's first generator of the list made to name an
    // instrument past the last one.
    std::vector<uint8_t> badInstrument = list;
    size_t pgen = 12;
    while (std::memcmp(badInstrument.data() + pgen, "pgen", 4) != 0) {
        uint32_t size;
        std::memcpy(&size, badInstrument.data() + pgen + 4, 4);
        pgen += 8 + size;
    }
    uint8_t* first = badInstrument.data() + pgen + 8;
    first[0] = 41;
    first[1] = 0;
    first[2] = first[3] = 0xFF;

    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::set<Preset> keep;
    };
    const std::vector<Case> cases{
        {"cut off in the middle",
         std::vector<uint8_t>(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(list.size() / 2)), piano},
        {"not a preset list", std::vector<uint8_t>(sf.begin(), sf.begin() + 4096), piano},
        {"an instrument past the end", badInstrument, std::set<Preset>{}},
        {"none of the presets asked for", list, std::set<Preset>{{5, 5}}},
        {"empty", std::vector<uint8_t>{}, piano},
    };
    for (const Case& c : cases) {
        std::set<Preset> keep = c.keep;
        if (keep.empty()) {
            // Whichever preset owns the first zone.
            uint16_t bank, program;
            std::memcpy(&program, list.data() + 20 + 20, 2);
            std::memcpy(&bank, list.data() + 20 + 22, 2);
            keep = {{bank, program}};
        }
        EXPECT_FALSE(audio::CutPresetList(c.bytes.data(), c.bytes.size(), keep)) << c.what;
    }

    QTemporaryDir dir;
    const std::string notSf = dir.filePath(QStringLiteral("not.sf2")).toStdString();
    WriteFile(QString::fromStdString(notSf), std::vector<uint8_t>(4096, 0x55));
    EXPECT_FALSE(audio::PrepareSoundFontCut(notSf, piano));
    EXPECT_FALSE(audio::PrepareSoundFontCut(dir.filePath(QStringLiteral("none.sf2")).toStdString(), piano));
    // A chunk after the preset list: the cut would drop it.
    std::vector<uint8_t> trailing = sf;
    trailing.insert(trailing.end(), {'j', 'u', 'n', 'k', 4, 0, 0, 0, 1, 2, 3, 4});
    const uint32_t riff = static_cast<uint32_t>(trailing.size() - 8);
    std::memcpy(trailing.data() + 4, &riff, 4);
    const std::string trailed = dir.filePath(QStringLiteral("trailing.sf2")).toStdString();
    WriteFile(QString::fromStdString(trailed), trailing);
    EXPECT_FALSE(audio::PrepareSoundFontCut(trailed, piano));
}

}  // namespace
