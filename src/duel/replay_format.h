#pragma once
// A duel's replay as a small text file: what the duel was dealt from (the seed
// of its draws), whom it was against, the options its input depends on, and
// every input the player gave, timed from the duel's start. Nothing else is
// needed: the duel's own timers and the draws do the rest the same way again.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr int kReplayVersion = 1;

enum class ReplayInput : uint8_t { Key, Click, Drop, Hit };

struct ReplayEvent {
    uint32_t t = 0;      // ms since the duel window loaded
    uint64_t ticks = 0;  // the duel's timer ticks begun before it, to keep it in its place among them
    ReplayInput kind = ReplayInput::Key;
    int32_t a = 0;  // key code, card image, drop target or mouse button
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
