#include "platform/audio_midi_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace audio {

namespace {

constexpr int kMaxTracks = 128;            // the most FluidSynth's player keeps
constexpr int32_t kDefaultTempo = 500000;  // 120 quarter notes a minute

// Reads the file the way the synthesizer's own reader does, so a file passes
// here exactly when the player will be able to load it: running status carries
// over from one track to the next, meta events that the reader checks must
// have their fixed sizes, and a track may end without its end-of-track event.
// Sees every event the player keeps, in file order. `body` is what follows
// the status byte: the data bytes of a channel message, the type, length and
// data of a meta event, the length and data of a system exclusive message.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void beginTrack() = 0;
    virtual void event(int64_t tick, uint8_t status, const uint8_t* body, size_t size) = 0;
    virtual void endTrack() = 0;
};

class Reader {
public:
    Reader(const uint8_t* data, size_t size, EventSink* sink = nullptr) : d_(data), n_(size), sink_(sink) {}

    std::optional<MidiInfo> read() {
        if (n_ < 14 || std::memcmp(d_, "MThd", 4) != 0 || be32(d_ + 4) != 6) return std::nullopt;
        MidiInfo info;
        info.format = be16(d_ + 8);
        info.tracks = be16(d_ + 10);
        int division = be16(d_ + 12);
        // SMPTE timing (a negative first byte) is something the player cannot follow.
        if (info.format > 2 || info.tracks < 1 || info.tracks > kMaxTracks || (division & 0x8000) || division == 0)
            return std::nullopt;
        info.division = division;
        pos_ = 14;
        for (int t = 0; t < info.tracks; ++t)
            if (!readTrack(info)) return std::nullopt;
        std::stable_sort(
            tempo_.begin(), tempo_.end(),
            [](const MidiInfo::TempoChange& a, const MidiInfo::TempoChange& b) { return a.tick < b.tick; });
        if (tempo_.empty() || tempo_.front().tick != 0) info.tempo.push_back({0, kDefaultTempo});
        info.tempo.insert(info.tempo.end(), tempo_.begin(), tempo_.end());
        return info;
    }

private:
    static uint32_t be32(const uint8_t* p) {
        return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
               (static_cast<uint32_t>(p[2]) << 8) | p[3];
    }
    static int be16(const uint8_t* p) { return (p[0] << 8) | p[1]; }

    bool have(size_t k) const { return pos_ <= n_ && n_ - pos_ >= k; }
    int getc() { return pos_ < n_ ? d_[pos_++] : -1; }
    bool skip(size_t k) {
        if (!have(k)) return false;
        pos_ += k;
        return true;
    }
    bool varlen(uint32_t& v) {
        v = 0;
        for (int i = 0; i < 4; ++i) {
            int c = getc();
            if (c < 0) return false;
            v = (v << 7) | static_cast<uint32_t>(c & 0x7F);
            if (!(c & 0x80)) return true;
        }
        return false;
    }

    bool readTrack(MidiInfo& info) {
        // Chunks of other kinds between the tracks are skipped, as long as
        // their names are plain ASCII.
        for (;;) {
            if (!have(8)) return false;
            const uint8_t* id = d_ + pos_;
            for (int i = 0; i < 4; ++i)
                if (id[i] & 0x80) return false;
            uint32_t len = be32(d_ + pos_ + 4);
            pos_ += 8;
            if (std::memcmp(id, "MTrk", 4) != 0) {
                if (!skip(len)) return false;
                continue;
            }
            if (sink_) sink_->beginTrack();
            if (!readEvents(info, len)) return false;
            if (sink_) sink_->endTrack();
            return true;
        }
    }

    bool readEvents(MidiInfo& info, uint32_t len) {
        size_t start = pos_;
        int64_t tick = 0;
        int64_t pending = 0;  // delta time of events the player does not keep
        bool eot = false;
        while (!eot && pos_ - start < len) {
            uint32_t delta;
            if (!varlen(delta)) return false;
            pending += delta;
            int status = getc();
            if (status < 0) return false;
            if (!(status & 0x80)) {
                if (!(running_ & 0x80)) return false;
                --pos_;  // the byte is the first data byte of the running message
                status = running_;
            }
            running_ = status;
            const size_t body = pos_;
            bool kept = true;
            if (status == 0xF0) {
                uint32_t size;
                if (!varlen(size) || !skip(size)) return false;
                kept = size > 0;
            } else if (status == 0xFF) {
                int type = getc();
                uint32_t size;
                if (type < 0 || !varlen(size) || !have(size)) return false;
                const uint8_t* m = d_ + pos_;
                pos_ += size;
                switch (type) {
                    case 0x01:
                    case 0x05:
                        break;  // text and lyrics travel with the events
                    case 0x2F:
                        if (size != 0) return false;
                        eot = true;
                        break;
                    case 0x51: {
                        if (size != 3) return false;
                        int32_t us = (m[0] << 16) | (m[1] << 8) | m[2];
                        // A tempo of zero would stop the player's clock for good.
                        if (us == 0) return false;
                        tempo_.push_back({tick + pending, us});
                        break;
                    }
                    case 0x54:
                        if (size != 5) return false;
                        kept = false;
                        break;
                    case 0x58:
                        if (size != 4) return false;
                        kept = false;
                        break;
                    case 0x59:
                        if (size != 2) return false;
                        kept = false;
                        break;
                    default:
                        kept = false;
                        break;
                }
            } else {
                int type = status & 0xF0;
                if (type == 0xF0) return false;  // system messages have no place in a file
                int dataBytes = (type == 0xC0 || type == 0xD0) ? 1 : 2;
                for (int i = 0; i < dataBytes; ++i)
                    if (getc() < 0) return false;
            }
            if (kept) {
                tick += pending;
                pending = 0;
                if (sink_) sink_->event(tick, static_cast<uint8_t>(status), d_ + body, pos_ - body);
            }
        }
        // A declared length beyond what was read is skipped; when that runs
        // past the end of the file only the last track may do so.
        size_t used = pos_ - start;
        if (used < len) {
            size_t rest = len - used;
            pos_ = (n_ - pos_ >= rest) ? pos_ + rest : n_ + 1;
        }
        info.endTick = std::max(info.endTick, tick);
        return true;
    }

    const uint8_t* d_;
    size_t n_;
    EventSink* sink_;
    size_t pos_ = 0;
    int running_ = -1;
    std::vector<MidiInfo::TempoChange> tempo_;
};

void putVarlen(std::vector<uint8_t>& out, uint64_t v) {
    uint8_t buf[10];
    int n = 0;
    buf[n++] = v & 0x7F;
    while (v >>= 7) buf[n++] = static_cast<uint8_t>((v & 0x7F) | 0x80);
    while (n) out.push_back(buf[--n]);
}

// Writes the file again as it stands at `target`: what sets up the channels
// and the tempo before that tick happens at once at the start, the notes
// before it are left out, and everything from it on keeps its timing.
class Trimmer : public EventSink {
public:
    explicit Trimmer(int64_t target) : target_(target) {}

    void beginTrack() override {
        track_.clear();
        last_ = 0;
        ended_ = false;
    }
    void event(int64_t tick, uint8_t status, const uint8_t* body, size_t size) override {
        if (ended_) return;
        const bool meta = status == 0xFF;
        if (meta && size > 0 && body[0] == 0x2F) {
            endAt(std::max<int64_t>(tick - target_, last_));
            return;
        }
        if (tick >= target_) {
            put(tick - target_, status, body, size);
            return;
        }
        const int type = status & 0xF0;
        const bool setup =
            meta ? (size > 0 && body[0] == 0x51) : (type == 0xB0 || type == 0xC0 || type == 0xD0 || type == 0xE0);
        if (setup) put(0, status, body, size);
    }
    void endTrack() override {
        if (!ended_) endAt(last_);
        out_.insert(out_.end(), {'M', 'T', 'r', 'k'});
        for (int i = 3; i >= 0; --i) out_.push_back(static_cast<uint8_t>(track_.size() >> (8 * i)));
        out_.insert(out_.end(), track_.begin(), track_.end());
    }
    std::vector<uint8_t>& out() { return out_; }

private:
    void put(int64_t tick, uint8_t status, const uint8_t* body, size_t size) {
        putVarlen(track_, static_cast<uint64_t>(tick - last_));
        track_.push_back(status);
        track_.insert(track_.end(), body, body + size);
        last_ = tick;
    }
    void endAt(int64_t tick) {
        static const uint8_t kEnd[] = {0x2F, 0x00};
        put(tick, 0xFF, kEnd, 2);
        ended_ = true;
    }

    int64_t target_;
    std::vector<uint8_t> out_;
    std::vector<uint8_t> track_;
    int64_t last_ = 0;
    bool ended_ = false;
};

class PresetCollector : public EventSink {
public:
    static constexpr int kDrumChannel = 9;

    void beginTrack() override {}
    void endTrack() override {}
    void event(int64_t, uint8_t status, const uint8_t* body, size_t size) override {
        const int channel = status & 0x0F;
        const int type = status & 0xF0;
        if (type == 0xB0 && size >= 2 && body[0] == 0) bank_[channel] = body[1];
        if (type == 0xC0 && size >= 1)
            presets.emplace(channel == kDrumChannel ? kDrumBank : bank_[channel], body[0] & 0x7F);
    }

    static constexpr int kDrumBank = 128;
    std::set<Preset> presets{{0, 0}, {kDrumBank, 0}};

private:
    std::array<int, 16> bank_{};
};

}  // namespace

std::set<Preset> MidiPresets(const uint8_t* data, size_t size) {
    PresetCollector collector;
    if (!data || !Reader(data, size, &collector).read()) return {};
    return std::move(collector.presets);
}

std::vector<uint8_t> MidiFrom(const uint8_t* data, size_t size, int64_t tick) {
    Trimmer trimmer(std::max<int64_t>(0, tick));
    if (!data || !Reader(data, size, &trimmer).read()) return {};
    std::vector<uint8_t> file(data, data + 14);
    file.insert(file.end(), trimmer.out().begin(), trimmer.out().end());
    return file;
}

std::optional<MidiInfo> ReadMidiInfo(const uint8_t* data, size_t size) {
    if (!data) return std::nullopt;
    return Reader(data, size).read();
}

double MidiInfo::tickToMs(int64_t tick) const {
    double ms = 0;
    int64_t at = 0;
    int32_t us = kDefaultTempo;
    for (const TempoChange& c : tempo) {
        if (c.tick >= tick) break;
        ms += static_cast<double>(c.tick - at) * us / division / 1000.0;
        at = c.tick;
        us = c.usPerQuarter;
    }
    return ms + static_cast<double>(tick - at) * us / division / 1000.0;
}

int64_t MidiInfo::msToTick(double ms) const {
    double at = 0;
    int64_t tick = 0;
    int32_t us = kDefaultTempo;
    for (const TempoChange& c : tempo) {
        double next = at + static_cast<double>(c.tick - tick) * us / division / 1000.0;
        if (next > ms) break;
        at = next;
        tick = c.tick;
        us = c.usPerQuarter;
    }
    double ticks = (ms - at) * 1000.0 * division / us;
    return tick + static_cast<int64_t>(std::ceil(ticks - 1e-9));
}

}  // namespace audio
