#include "platform/audio_wave.h"

#include "platform/byte_order.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace audio {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;

struct Format {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint16_t blockAlign = 0;
    uint16_t bits = 0;
};

// One sample of the given encoding, scaled to [-1, 1].
float sampleAt(const uint8_t* p, const Format& f) {
    if (f.tag == kFormatFloat) {
        if (f.bits == 32) {
            uint32_t u = le32(p);
            float v;
            std::memcpy(&v, &u, sizeof v);
            return std::isfinite(v) ? v : 0.0f;
        }
        uint64_t u = static_cast<uint64_t>(le32(p)) | (static_cast<uint64_t>(le32(p + 4)) << 32);
        double v;
        std::memcpy(&v, &u, sizeof v);
        return std::isfinite(v) ? static_cast<float>(v) : 0.0f;
    }
    switch (f.bits) {
        case 8:
            return (static_cast<int>(p[0]) - 128) / 128.0f;
        case 16:
            return static_cast<int16_t>(le16(p)) / 32768.0f;
        case 24: {
            int32_t v = static_cast<int32_t>((static_cast<uint32_t>(p[0]) << 8) | (static_cast<uint32_t>(p[1]) << 16) |
                                             (static_cast<uint32_t>(p[2]) << 24));
            return static_cast<float>(v / 2147483648.0);
        }
        default:
            return static_cast<float>(static_cast<int32_t>(le32(p)) / 2147483648.0);
    }
}

bool supported(const Format& f) {
    if (f.channels == 0 || f.rate < kMinWaveRate || f.rate > kMaxWaveRate) return false;
    if (f.tag == kFormatPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32)) return true;
    if (f.tag == kFormatFloat && (f.bits == 32 || f.bits == 64)) return true;
    return false;
}

// Linear interpolation is plenty for short effects, and keeps a file that is
// already at the mixer's rate bit-exact.
std::vector<float> toMixerRate(std::vector<float> stereo, uint32_t rate) {
    if (rate == static_cast<uint32_t>(kSampleRate)) return stereo;
    size_t inFrames = stereo.size() / 2;
    size_t outFrames =
        std::min(kMaxWaveFrames, static_cast<size_t>(std::ceil(static_cast<double>(inFrames) * kSampleRate / rate)));
    std::vector<float> out(outFrames * 2);
    double step = static_cast<double>(rate) / kSampleRate;
    for (size_t i = 0; i < outFrames; ++i) {
        double pos = static_cast<double>(i) * step;
        size_t a = std::min(static_cast<size_t>(pos), inFrames - 1);
        size_t b = std::min(a + 1, inFrames - 1);
        float t = static_cast<float>(pos - static_cast<double>(a));
        for (size_t c = 0; c < 2; ++c) out[i * 2 + c] = stereo[a * 2 + c] * (1 - t) + stereo[b * 2 + c] * t;
    }
    return out;
}

}  // namespace

std::shared_ptr<const Wave> DecodeWave(const uint8_t* data, size_t size) {
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return nullptr;
    Format fmt;
    bool haveFormat = false;
    const uint8_t* pcm = nullptr;
    size_t pcmBytes = 0;
    size_t pos = 12;
    while (pos + 8 <= size) {
        const uint8_t* chunk = data + pos;
        size_t len = le32(chunk + 4);
        size_t avail = size - pos - 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (len < 16 || len > avail) return nullptr;
            const uint8_t* b = chunk + 8;
            fmt.tag = le16(b);
            fmt.channels = le16(b + 2);
            fmt.rate = le32(b + 4);
            fmt.blockAlign = le16(b + 12);
            fmt.bits = le16(b + 14);
            // The extensible header names the real encoding in its sub-format.
            if (fmt.tag == kFormatExtensible && len >= 26) fmt.tag = le16(b + 24);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            pcm = chunk + 8;
            // Writers that stop short of the declared length (or write 0 or
            // 0xFFFFFFFF while streaming) still leave playable samples.
            pcmBytes = (len == 0 || len > avail) ? avail : len;
            break;
        }
        pos += 8 + len + (len & 1);
    }
    if (!haveFormat || !pcm || !supported(fmt)) return nullptr;
    size_t bytesPerSample = fmt.bits / 8u;
    size_t frameBytes = std::max<size_t>(fmt.blockAlign, bytesPerSample * fmt.channels);
    size_t frames = pcmBytes / frameBytes;
    if (frames == 0) return nullptr;
    // Only as many source frames as make the longest sound kept at the mixer's rate.
    const size_t maxFrames = static_cast<size_t>(static_cast<uint64_t>(kMaxWaveFrames) * fmt.rate / kSampleRate);
    frames = std::min(frames, std::max<size_t>(maxFrames, 1));

    std::vector<float> stereo(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        const uint8_t* frame = pcm + i * frameBytes;
        float l = sampleAt(frame, fmt);
        float r = fmt.channels > 1 ? sampleAt(frame + bytesPerSample, fmt) : l;
        stereo[i * 2] = l;
        stereo[i * 2 + 1] = r;
    }
    auto wave = std::make_shared<Wave>();
    wave->samples = toMixerRate(std::move(stereo), fmt.rate);
    return wave;
}

std::shared_ptr<const Wave> DefaultSound() {
    static const std::shared_ptr<const Wave> chime = [] {
        // Two soft partials a fifth apart with a quick decay: short, clearly a
        // notice and not one of the game's own sounds.
        const size_t frames = kSampleRate * 3 / 10;
        auto w = std::make_shared<Wave>();
        w->samples.resize(frames * 2);
        for (size_t i = 0; i < frames; ++i) {
            double t = static_cast<double>(i) / kSampleRate;
            double attack = std::min(1.0, t / 0.004);
            double env = attack * std::exp(-t * 14.0);
            double v = 0.35 * env * (std::sin(2 * M_PI * 880.0 * t) + 0.5 * std::sin(2 * M_PI * 1320.0 * t));
            w->samples[i * 2] = w->samples[i * 2 + 1] = static_cast<float>(v);
        }
        return std::shared_ptr<const Wave>(std::move(w));
    }();
    return chime;
}

}  // namespace audio
