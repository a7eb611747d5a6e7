#pragma once
// Standard MIDI File (format 1) writing: a conductor track with the tempo map
// and one track per channel. Events at the same tick are written in a fixed
// order (meta, note-off, controller, note-on) so the bytes never depend on the
// order the composer happened to add them in.
#include <QByteArray>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace midi {

inline constexpr int kPpq = 480;  // ticks per quarter note
inline constexpr int kDrumChannel = 9;

struct Event {
    uint32_t tick;
    int rank;      // same-tick order: 0 meta, 1 note-off, 2 program/controller, 3 note-on
    uint32_t seq;  // insertion order within a rank
    std::vector<uint8_t> bytes;
};

class Track {
public:
    explicit Track(std::string name) : name_(std::move(name)) {}

    // A note struck again while it still sounds ends the earlier one there,
    // so a synthesizer never sees the key's note-off cut the new note short.
    // Notes of one channel and key must come in time order.
    void note(int channel, uint32_t tick, uint32_t length, int key, int velocity);
    void program(int channel, uint32_t tick, int program);
    void control(int channel, uint32_t tick, int controller, int value);
    void tempo(uint32_t tick, double bpm);
    void timeSignature(uint32_t tick, int numerator, int denominatorPower);
    void keySignature(uint32_t tick, int sharps, bool minor);
    void marker(uint32_t tick, const std::string& text);

    const std::string& name() const { return name_; }
    const std::vector<Event>& events() const { return events_; }
    uint32_t lastTick() const;

private:
    void add(uint32_t tick, int rank, std::vector<uint8_t> bytes);
    std::string name_;
    std::vector<Event> events_;
    uint32_t seq_ = 0;
    // The last note per channel and key: its start and its note-off event.
    std::map<int, std::pair<uint32_t, size_t>> sounding_;
};

// The whole file. Every track is closed with an end-of-track event at `endTick`.
QByteArray WriteSmf(const std::vector<Track>& tracks, uint32_t endTick);

}  // namespace midi
