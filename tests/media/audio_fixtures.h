#pragma once
// Small MIDI and wave files made on the spot, and measuring what the mixer
// renders.
#include "platform/audio_engine.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace fixtures {

inline void varlen(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7F;
    while (v >>= 7) buf[n++] = static_cast<uint8_t>((v & 0x7F) | 0x80);
    while (n) out.push_back(buf[--n]);
}

inline void be32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// One track's events: a delta time in ticks, then the raw message bytes.
class Track {
public:
    Track& ev(uint32_t delta, std::initializer_list<uint8_t> bytes) {
        varlen(data_, delta);
        data_.insert(data_.end(), bytes);
        return *this;
    }
    Track& tempo(uint32_t delta, uint32_t usPerQuarter) {
        return ev(delta, {0xFF, 0x51, 0x03, static_cast<uint8_t>(usPerQuarter >> 16),
                          static_cast<uint8_t>(usPerQuarter >> 8), static_cast<uint8_t>(usPerQuarter)});
    }
    Track& end(uint32_t delta) { return ev(delta, {0xFF, 0x2F, 0x00}); }
    Track& raw(std::initializer_list<uint8_t> bytes) {
        data_.insert(data_.end(), bytes);
        return *this;
    }
    const std::vector<uint8_t>& bytes() const { return data_; }

private:
    std::vector<uint8_t> data_;
};

inline std::vector<uint8_t> Smf(const std::vector<Track>& tracks, int division = 480, int format = 1) {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, static_cast<uint8_t>(format)};
    out.push_back(static_cast<uint8_t>(tracks.size() >> 8));
    out.push_back(static_cast<uint8_t>(tracks.size()));
    out.push_back(static_cast<uint8_t>(division >> 8));
    out.push_back(static_cast<uint8_t>(division));
    for (const Track& t : tracks) {
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        be32(out, static_cast<uint32_t>(t.bytes().size()));
        out.insert(out.end(), t.bytes().begin(), t.bytes().end());
    }
    return out;
}

// A piano note on channel 0 from the start for `noteTicks`, the track ending
// at `endTicks` (480 ticks a quarter, 120 a minute: 1 000 ticks = 1 041.7 ms).
inline std::vector<uint8_t> OneNote(uint32_t noteTicks = 480, uint32_t endTicks = 960, uint8_t key = 60) {
    Track t;
    t.ev(0, {0xC0, 0}).ev(0, {0x90, key, 100}).ev(noteTicks, {0x80, key, 0}).end(endTicks - noteTicks);
    return Smf({t});
}

// Short notes on channel 0, eight a second, for `ticks`.
inline std::vector<uint8_t> Pulse(uint32_t ticks) {
    Track t;
    t.ev(0, {0xC0, 0});
    for (uint32_t at = 0; at + 120 <= ticks; at += 120) t.ev(at == 0 ? 0 : 60, {0x90, 64, 100}).ev(60, {0x80, 64, 0});
    t.end(60);
    return Smf({t});
}

// 16-bit PCM wave of the given samples (one channel).
inline std::vector<uint8_t> Wav16(const std::vector<int16_t>& samples, uint32_t rate = 22050, uint16_t channels = 1) {
    std::vector<uint8_t> b = {'R', 'I', 'F', 'F'};
    auto le32 = [&b](uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto le16 = [&b](uint16_t v) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    };
    uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    le32(36 + dataBytes);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    le32(16);
    le16(1);
    le16(channels);
    le32(rate);
    le32(rate * 2 * channels);
    le16(static_cast<uint16_t>(2 * channels));
    le16(16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    le32(dataBytes);
    for (int16_t s : samples) le16(static_cast<uint16_t>(s));
    return b;
}

inline void WriteFile(const QString& path, const std::vector<uint8_t>& bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

// A wave holding one constant value, so every rendered frame tells which
// sound it came from.
inline std::shared_ptr<const audio::Wave> Level(float value, size_t frames) {
    auto w = std::make_shared<audio::Wave>();
    w->samples.assign(frames * 2, value);
    return w;
}

inline std::vector<float> Render(audio::AudioEngine& e, int frames) {
    std::vector<float> out(static_cast<size_t>(frames) * 2);
    // In blocks the size a sound card asks for.
    for (int done = 0; done < frames; done += 512) e.render(out.data() + done * 2, std::min(512, frames - done));
    return out;
}

inline int Frames(double ms) {
    return static_cast<int>(std::lround(ms * audio::kSampleRate / 1000.0));
}

inline double Rms(const std::vector<float>& s, size_t from = 0, size_t to = SIZE_MAX) {
    to = std::min(to, s.size());
    if (to <= from) return 0;
    double acc = 0;
    for (size_t i = from; i < to; ++i) acc += static_cast<double>(s[i]) * s[i];
    return std::sqrt(acc / static_cast<double>(to - from));
}

// The loudest 100 ms of the samples: a quiet introduction or a pause does not
// hide a sound that is there.
inline double PeakRms(const std::vector<float>& s) {
    const size_t window = static_cast<size_t>(audio::kSampleRate / 10) * 2;
    double best = 0;
    for (size_t at = 0; at < s.size(); at += window / 2) best = std::max(best, Rms(s, at, at + window));
    return best;
}

}  // namespace fixtures
