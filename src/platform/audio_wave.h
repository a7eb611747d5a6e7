#pragma once
// Wave sounds as the mixer plays them: interleaved stereo float at the
// engine's rate, decoded once from RIFF WAVE bytes. No Qt here.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace audio {

// The one rate the whole mixer runs at; waves are converted to it on decoding.
inline constexpr int kSampleRate = 44100;

struct Wave {
    std::vector<float> samples;  // left, right, left, right, ...
    size_t frames() const { return samples.size() / 2; }
    // Milliseconds, rounded up, so a wait of this length outlasts the sound.
    int64_t lengthMs() const { return static_cast<int64_t>((frames() * 1000 + kSampleRate - 1) / kSampleRate); }
};

// Rates a sound card plays. A header outside them is damaged or hostile, and
// converting it would multiply its size by up to 44100.
inline constexpr uint32_t kMinWaveRate = 4000;
inline constexpr uint32_t kMaxWaveRate = 192000;
// The longest sound kept: every effect of the game lasts a few seconds, and
// this bounds what one file can cost to about 42 MB of samples.
inline constexpr size_t kMaxWaveFrames = static_cast<size_t>(kSampleRate) * 120;

// Decodes PCM (8, 16, 24 or 32 bit), IEEE float (32 or 64 bit) or the
// extensible variants of both, mono or more channels (the first two are kept).
// Null when the bytes are not a wave we can play, including a wave without a
// single sample or one whose rate lies outside kMinWaveRate..kMaxWaveRate.
// A longer wave is cut to kMaxWaveFrames.
std::shared_ptr<const Wave> DecodeWave(const uint8_t* data, size_t size);
inline std::shared_ptr<const Wave> DecodeWave(const std::vector<uint8_t>& bytes) {
    return DecodeWave(bytes.data(), bytes.size());
}

// The short chime that stands in for a wave file that cannot be found, as the
// system's default sound does.
std::shared_ptr<const Wave> DefaultSound();

}  // namespace audio
