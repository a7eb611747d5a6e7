#include "midi_writer.h"

#include <algorithm>
#include <cmath>

namespace midi {

namespace {
uint8_t Clamp7(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 127));
}

void Be32(QByteArray& b, uint32_t v) {
    for (int i = 3; i >= 0; --i) b.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

void VarLen(QByteArray& b, uint32_t v) {
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = static_cast<uint8_t>(v & 0x7f);
        v >>= 7;
    } while (v);
    while (n > 1) b.append(static_cast<char>(groups[--n] | 0x80));
    b.append(static_cast<char>(groups[0]));
}

std::vector<uint8_t> Meta(uint8_t type, const std::string& data) {
    std::vector<uint8_t> m{0xff, type};
    QByteArray len;
    VarLen(len, static_cast<uint32_t>(data.size()));
    m.insert(m.end(), len.begin(), len.end());
    m.insert(m.end(), data.begin(), data.end());
    return m;
}

QByteArray Chunk(const Track& t, uint32_t endTick) {
    std::vector<Event> ev = t.events();
    std::stable_sort(ev.begin(), ev.end(), [](const Event& a, const Event& b) {
        if (a.tick != b.tick) return a.tick < b.tick;
        if (a.rank != b.rank) return a.rank < b.rank;
        return a.seq < b.seq;
    });
    QByteArray body;
    uint32_t now = 0;
    auto put = [&](uint32_t tick, const std::vector<uint8_t>& bytes) {
        VarLen(body, tick - now);
        now = tick;
        for (uint8_t c : bytes) body.append(static_cast<char>(c));
    };
    put(0, Meta(0x03, t.name()));
    for (const Event& e : ev) put(e.tick, e.bytes);
    put(std::max(endTick, now), {0xff, 0x2f, 0x00});
    QByteArray chunk("MTrk");
    Be32(chunk, static_cast<uint32_t>(body.size()));
    chunk.append(body);
    return chunk;
}
}  // namespace

void Track::add(uint32_t tick, int rank, std::vector<uint8_t> bytes) {
    events_.push_back(Event{tick, rank, seq_++, std::move(bytes)});
}

void Track::note(int channel, uint32_t tick, uint32_t length, int key, int velocity) {
    if (length == 0 || key < 0 || key > 127) return;
    const uint8_t ch = static_cast<uint8_t>(channel & 0x0f);
    const int id = ch * 128 + key;
    auto prev = sounding_.find(id);
    if (prev != sounding_.end()) {
        Event& off = events_[prev->second.second];
        if (prev->second.first == tick) return;  // the same key struck twice at once
        if (off.tick > tick) off.tick = tick;
    }
    add(tick, 3, {static_cast<uint8_t>(0x90 | ch), Clamp7(key), std::max<uint8_t>(1, Clamp7(velocity))});
    add(tick + length, 1, {static_cast<uint8_t>(0x80 | ch), Clamp7(key), 0x40});
    sounding_[id] = {tick, events_.size() - 1};
}

void Track::program(int channel, uint32_t tick, int program) {
    add(tick, 2, {static_cast<uint8_t>(0xc0 | (channel & 0x0f)), Clamp7(program)});
}

void Track::control(int channel, uint32_t tick, int controller, int value) {
    add(tick, 2, {static_cast<uint8_t>(0xb0 | (channel & 0x0f)), Clamp7(controller), Clamp7(value)});
}

void Track::tempo(uint32_t tick, double bpm) {
    const uint32_t us = static_cast<uint32_t>(std::lround(60000000.0 / bpm));
    add(tick, 0,
        {0xff, 0x51, 0x03, static_cast<uint8_t>(us >> 16), static_cast<uint8_t>(us >> 8), static_cast<uint8_t>(us)});
}

void Track::timeSignature(uint32_t tick, int numerator, int denominatorPower) {
    add(tick, 0, {0xff, 0x58, 0x04, static_cast<uint8_t>(numerator), static_cast<uint8_t>(denominatorPower), 24, 8});
}

void Track::keySignature(uint32_t tick, int sharps, bool minor) {
    add(tick, 0, {0xff, 0x59, 0x02, static_cast<uint8_t>(static_cast<int8_t>(sharps)), static_cast<uint8_t>(minor)});
}

void Track::marker(uint32_t tick, const std::string& text) {
    add(tick, 0, Meta(0x06, text));
}

uint32_t Track::lastTick() const {
    uint32_t last = 0;
    for (const Event& e : events_) last = std::max(last, e.tick);
    return last;
}

QByteArray WriteSmf(const std::vector<Track>& tracks, uint32_t endTick) {
    QByteArray smf("MThd");
    Be32(smf, 6);
    smf.append('\0').append('\1');  // format 1
    smf.append(static_cast<char>(tracks.size() >> 8)).append(static_cast<char>(tracks.size() & 0xff));
    smf.append(static_cast<char>(kPpq >> 8)).append(static_cast<char>(kPpq & 0xff));
    for (const Track& t : tracks) smf.append(Chunk(t, endTick));
    return smf;
}

}  // namespace midi
