// render_audio <program folder> <output folder> [soundfont]
// Plays every sound effect and every music track of the program folder
// through the game's own audio engine, exactly as the game would, and writes
// what the mixer hands out as 16-bit stereo WAV files (bData<n>.wav,
// cData<n>.wav). Prints one line per file: name, length in seconds, peak and
// RMS in dBFS. This is how the sounds are reviewed by ear.
#include "app/data_files.h"
#include "platform/audio_engine.h"
#include "platform/audio_midi_file.h"
#include "platform/audio_wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kBlock = 1024;
// A track that has not ended this long after its own length has hung.
constexpr double kGraceMs = 15000;

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteStereoWav(const std::string& path, const std::vector<float>& samples) {
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&out](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&out](uint16_t v) {
        out.put(static_cast<char>(v & 0xff));
        out.put(static_cast<char>(v >> 8));
    };
    const uint32_t bytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    u32(36 + bytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(2);
    u32(audio::kSampleRate);
    u32(audio::kSampleRate * 4);
    u16(4);
    u16(16);
    out.write("data", 4);
    u32(bytes);
    for (float s : samples)
        u16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767))));
    return static_cast<bool>(out);
}

void Report(const std::string& name, const std::vector<float>& s) {
    double peak = 0, sum = 0;
    for (float v : s) {
        peak = std::max(peak, static_cast<double>(std::abs(v)));
        sum += static_cast<double>(v) * v;
    }
    const double rms = s.empty() ? 0 : std::sqrt(sum / static_cast<double>(s.size()));
    auto db = [](double v) { return v > 0 ? 20 * std::log10(v) : -999.0; };
    std::printf("%-8s %8.2f s  peak %6.1f dBFS  rms %6.1f dBFS\n", name.c_str(),
                static_cast<double>(s.size()) / 2 / audio::kSampleRate, db(peak), db(rms));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_audio <program folder> <output folder> [soundfont]\n");
        return 2;
    }
    const std::string in = argv[1], out = argv[2];
    audio::AudioEngine engine;
    if (argc > 3) engine.setSoundFontPath(argv[3]);
    engine.startLoading();
    if (!engine.waitForSoundFont()) {
        std::fprintf(stderr, "render_audio: no SoundFont could be loaded\n");
        return 1;
    }
    std::printf("SoundFont %s\n", engine.loadedSoundFont().c_str());
    int failures = 0;
    std::vector<float> block(kBlock * 2);

    for (int n = 1; n <= DataGroupCount("bData"); ++n) {
        const std::string name = "bData" + std::to_string(n);
        auto wave = audio::DecodeWave(ReadAll(in + "/" + name + "._vx"));
        if (!wave) {
            std::fprintf(stderr, "render_audio: %s is not a playable wave\n", name.c_str());
            ++failures;
            continue;
        }
        std::vector<float> sound;
        engine.playWave(wave, false);
        while (engine.wavePlaying()) {
            engine.render(block.data(), kBlock);
            sound.insert(sound.end(), block.begin(), block.end());
        }
        Report(name, sound);
        if (!WriteStereoWav(out + "/" + name + ".wav", sound)) ++failures;
    }

    for (int n = 1; n <= DataGroupCount("cData"); ++n) {
        const std::string name = "cData" + std::to_string(n), alias = "CX" + std::to_string(n);
        std::vector<uint8_t> bytes = ReadAll(in + "/" + name + "._vx");
        auto info = audio::ReadMidiInfo(bytes);
        if (!info || !engine.openSequence(alias, std::move(bytes), *info) || !engine.playSequence(alias, 0.0, {})) {
            std::fprintf(stderr, "render_audio: %s does not play\n", name.c_str());
            ++failures;
            continue;
        }
        const double limitMs = info->lengthMs() + kGraceMs;
        std::vector<float> music;
        while (engine.isPlaying(alias) && music.size() / 2.0 / audio::kSampleRate * 1000 < limitMs) {
            engine.render(block.data(), kBlock);
            music.insert(music.end(), block.begin(), block.end());
        }
        engine.closeSequence(alias);
        Report(name, music);
        if (!WriteStereoWav(out + "/" + name + ".wav", music)) ++failures;
    }
    engine.shutdown();
    return failures ? 1 : 0;
}
