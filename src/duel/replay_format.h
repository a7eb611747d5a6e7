#pragma once
// A duel's replay as a small text file: what the duel was dealt from (the seed
// of its draws), whom it was against, the options its input depends on, and
// everything the duel took in, in the order it came, timed from the duel's
// start: every input the player gave, every tick of the duel's timers and
// every reading of the clock its rules made. A duel played in real time
// ticks late and unevenly on a busy machine; the ticks as they came, not as
// they were due, make the duel go the same way again.
//
// Version 1 files hold the inputs only (their timers are played at their
// ideal moments); they are still read and played.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr int kReplayVersion = 2;

// Tick and Clock are not inputs but what the duel took from the host's time.
enum class ReplayInput : uint8_t { Key, Click, Drop, Hit, Tick, Clock };

// The duel's timers, as Tick events number them.
inline constexpr int kReplayTimers = 10;

struct ReplayEvent {
    uint32_t t = 0;      // ms since the duel window loaded (a Clock event: the value read)
    uint64_t ticks = 0;  // the duel's timer ticks begun before an input (version 1 places inputs by it)
    ReplayInput kind = ReplayInput::Key;
    int32_t a = 0;  // key code, card image, drop target, mouse button or timer number
    int32_t b = 0;  // shift state or the dragged card image
    bool operator==(const ReplayEvent&) const = default;
};

// How the duel ended: the winner, the score, both decks' counts and the table.
struct ReplayEnd {
    bool won = false;
    int32_t score = 0;
    int32_t myCount = 0, foeCount = 0;
    std::array<int32_t, 10> table{};
    bool operator==(const ReplayEnd&) const = default;
};

struct Replay {
    int32_t version = kReplayVersion;  // the format it is in: a recording's is the present one
    uint64_t seed = 0, reseeds = 0;
    int32_t gameMode = 0, stageNo = 0;
    QString foeName;
    int32_t face = 0, paramA = 0, paramB = 0, paramC = 0, music = 0;
    int32_t inputDevice = 0;
    std::array<int32_t, 6> keys{};
    std::vector<ReplayEvent> events;
    std::optional<ReplayEnd> end;
};

QByteArray WriteReplay(const Replay& r);

// Reading refuses, with a message for the player, a file of a newer format, a
// damaged one (naming the line) and anything that is no replay at all.
struct ReplayRead {
    std::optional<Replay> replay;
    QString error;
};
ReplayRead ParseReplay(const QByteArray& bytes);
ReplayRead ReadReplayFile(const QString& path);

// The whole file at most; a duel's inputs take a few kilobytes.
inline constexpr qint64 kReplayMaxBytes = 4 * 1024 * 1024;
