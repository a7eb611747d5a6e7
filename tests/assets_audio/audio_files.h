#pragma once
// Strict readers for the generated waves and MIDI files: they accept only
// what the generator is meant to write and say what is wrong otherwise.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

struct WaveFile {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<double> samples;  // the first channel, scaled to [-1, 1)
    std::string error;            // empty when the file is sound

    double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0; }
    double peakDb() const;
};
WaveFile ReadWave(const QByteArray& bytes);

struct MidiNote {
    uint32_t tick, length;
    int channel, key, velocity;
};

struct MidiFile {
    int format = 0, tracks = 0, division = 0;
    uint32_t endTick = 0;                            // the latest end-of-track
    std::vector<std::pair<uint32_t, double>> tempi;  // tick, beats per minute
    std::vector<MidiNote> notes;                     // sorted by tick, then channel
    std::array<int, 16> programs{};                  // last program per channel, -1 for none
    int danglingNotes = 0;                           // notes never switched off
    int restruckNotes = 0;                           // keys struck again while still sounding
    std::string error;

    double secondsAt(uint32_t tick) const;
    double seconds() const { return secondsAt(endTick); }
    std::set<int> channelsWithNotes() const;
    std::vector<int> melody(int channel, size_t count) const;  // the first keys played on a channel
};
MidiFile ReadMidi(const QByteArray& bytes);

QByteArray ReadProgramFile(const QString& name);
