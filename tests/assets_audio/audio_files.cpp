#include "audio_files.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <map>

namespace {

uint32_t Le(const QByteArray& b, qsizetype at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

uint32_t Be(const QByteArray& b, qsizetype at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

}  // namespace

double WaveFile::peakDb() const {
    double peak = 0;
    for (double s : samples) peak = std::max(peak, std::abs(s));
    return peak > 0 ? 20 * std::log10(peak) : -1000;
}

WaveFile ReadWave(const QByteArray& b) {
    WaveFile w;
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") {
        w.error = "not a RIFF WAVE file";
        return w;
    }
    if (Le(b, 4, 4) + 8 != static_cast<uint32_t>(b.size())) w.error = "RIFF size does not match the file";
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const uint32_t size = Le(b, at + 4, 4);
        if (static_cast<uint64_t>(at) + 8 + size > static_cast<uint64_t>(b.size())) {
            w.error = "chunk runs past the end";
            return w;
        }
        if (id == "fmt ") {
            w.format = static_cast<int>(Le(b, at + 8, 2));
            w.channels = static_cast<int>(Le(b, at + 10, 2));
            w.rate = static_cast<int>(Le(b, at + 12, 4));
            w.bits = static_cast<int>(Le(b, at + 22, 2));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || w.format != 1 || w.bits != 16 || w.channels < 1) {
                w.error = "data is not 16-bit PCM";
                return w;
            }
            const uint32_t frames = size / (2 * static_cast<uint32_t>(w.channels));
            for (uint32_t i = 0; i < frames; ++i) {
                const auto v = static_cast<int16_t>(Le(b, at + 8 + 2 * i * static_cast<uint32_t>(w.channels), 2));
                w.samples.push_back(v / 32768.0);
            }
        }
        at += 8 + size + (size & 1);
    }
    if (w.samples.empty() && w.error.empty()) w.error = "no samples";
    return w;
}

double MidiFile::secondsAt(uint32_t tick) const {
    double s = 0;
    for (size_t i = 0; i < tempi.size() && tempi[i].first < tick; ++i) {
        const uint32_t to = i + 1 < tempi.size() ? std::min(tick, tempi[i + 1].first) : tick;
        s += (to - tempi[i].first) / static_cast<double>(division) * 60.0 / tempi[i].second;
    }
    return s;
}

std::set<int> MidiFile::channelsWithNotes() const {
    std::set<int> out;
    for (const MidiNote& n : notes) out.insert(n.channel);
    return out;
}

std::vector<int> MidiFile::melody(int channel, size_t count) const {
    std::vector<int> keys;
    for (const MidiNote& n : notes)
        if (n.channel == channel && keys.size() < count) keys.push_back(n.key);
    return keys;
}

MidiFile ReadMidi(const QByteArray& b) {
    MidiFile m;
    m.programs.fill(-1);
    auto fail = [&m](const std::string& why) {
        if (m.error.empty()) m.error = why;
        return m;
    };
    if (b.size() < 14 || b.left(4) != "MThd" || Be(b, 4, 4) != 6) return fail("no MThd header of length 6");
    m.format = static_cast<int>(Be(b, 8, 2));
    m.tracks = static_cast<int>(Be(b, 10, 2));
    m.division = static_cast<int>(Be(b, 12, 2));
    if (m.division <= 0 || m.division & 0x8000) return fail("division is not ticks per quarter note");
    std::map<uint32_t, double> tempo{{0, 120.0}};
    qsizetype at = 14;
    for (int t = 0; t < m.tracks; ++t) {
        if (at + 8 > b.size() || b.mid(at, 4) != "MTrk") return fail("missing MTrk chunk");
        const qsizetype end = at + 8 + Be(b, at + 4, 4);
        if (end > b.size()) return fail("MTrk chunk runs past the end");
        qsizetype i = at + 8;
        uint32_t tick = 0;
        uint8_t status = 0;
        bool ended = false;
        std::map<std::pair<int, int>, std::vector<std::pair<uint32_t, int>>> open;  // (channel, key) -> on
        auto varLen = [&](uint32_t& v) {
            v = 0;
            for (int n = 0; n < 4; ++n) {
                if (i >= end) return false;
                const auto c = static_cast<uint8_t>(b[i++]);
                v = (v << 7) | (c & 0x7f);
                if (!(c & 0x80)) return true;
            }
            return false;
        };
        while (i < end && !ended) {
            uint32_t delta;
            if (!varLen(delta)) return fail("bad delta time");
            tick += delta;
            auto c = static_cast<uint8_t>(b[i]);
            if (c == 0xff) {
                if (i + 2 > end) return fail("truncated meta event");
                const auto type = static_cast<uint8_t>(b[i + 1]);
                i += 2;
                uint32_t len;
                if (!varLen(len) || i + len > end) return fail("bad meta length");
                if (type == 0x51) {
                    if (len != 3) return fail("tempo event of wrong size");
                    tempo[tick] = 60000000.0 / Be(b, i, 3);
                }
                if (type == 0x2f) ended = true;
                i += len;
                continue;
            }
            if (c == 0xf0 || c == 0xf7) return fail("system-exclusive event");
            if (c & 0x80) {
                status = c;
                ++i;
            } else if (!status) {
                return fail("running status with no status before it");
            }
            const int kind = status & 0xf0, channel = status & 0x0f;
            const int size = kind == 0xc0 || kind == 0xd0 ? 1 : 2;
            if (i + size > end) return fail("truncated channel event");
            const int a = static_cast<uint8_t>(b[i]), v = size > 1 ? static_cast<uint8_t>(b[i + 1]) : 0;
            if (a > 127 || v > 127) return fail("data byte above 127");
            i += size;
            if (kind == 0x90 && v > 0) {
                auto& stack = open[{channel, a}];
                if (!stack.empty()) ++m.restruckNotes;
                stack.push_back({tick, v});
            } else if (kind == 0x80 || kind == 0x90) {
                auto& stack = open[{channel, a}];
                if (stack.empty()) continue;
                m.notes.push_back({stack.front().first, tick - stack.front().first, channel, a, stack.front().second});
                stack.erase(stack.begin());
            } else if (kind == 0xc0) {
                m.programs[static_cast<size_t>(channel)] = a;
            }
        }
        if (!ended) return fail("track without end-of-track");
        if (i != end) return fail("bytes after end-of-track");
        for (const auto& [key, stack] : open) m.danglingNotes += static_cast<int>(stack.size());
        m.endTick = std::max(m.endTick, tick);
        at = end;
    }
    if (at != b.size()) return fail("bytes after the last track");
    m.tempi.assign(tempo.begin(), tempo.end());
    std::sort(m.notes.begin(), m.notes.end(), [](const MidiNote& x, const MidiNote& y) {
        return x.tick != y.tick ? x.tick < y.tick : x.channel < y.channel;
    });
    return m;
}

QByteArray ReadProgramFile(const QString& name) {
    QFile f(QStringLiteral(VANTRAX_TEST_PROGRAM_DIR) + QLatin1Char('/') + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
