#pragma once
// A SoundFont cut down to the presets the game's music plays. FluidSynth keeps
// about 2 KB for every instrument zone of every preset it loads, used or not:
// a General MIDI set's 130-odd presets cost megabytes, where the game's
// tracks choose 44 of them. The cut keeps the chosen presets, their
// instruments and every sample header; the sample data is read from the
// original file, untouched, so a kept preset sounds exactly as before.
// No Qt here.
#include "platform/audio_midi_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_hashtable_t fluid_settings_t;

namespace audio {

// The "pdta" list of a SoundFont 2 file (the whole chunk, from its "LIST"
// header on) with only the presets in `keep`, and the instruments those use,
// left in. Empty when the list is not well formed, or when none of `keep` is
// in it.
std::optional<std::vector<uint8_t>> CutPresetList(const uint8_t* list, size_t size, const std::set<Preset>& keep);

// Makes the cut of the SoundFont at `path` readable to a synth that has
// LetSynthReadCuts: the name to load it by. Empty when the file cannot be
// cut (not a SoundFont 2 file laid out as usual, or unreadable); the file
// itself is then loaded as it is.
std::optional<std::string> PrepareSoundFontCut(const std::string& path, const std::set<Preset>& keep);

// Lets `synth` load the names PrepareSoundFontCut gives, and plain files as
// before. Before its first SoundFont.
void LetSynthReadCuts(fluid_synth_t* synth, fluid_settings_t* settings);

}  // namespace audio
