#pragma once
// The campaign's fixed data: levels, the stages of both castles with their
// groups, faces, briefings and clear points, the duel music and the opponents'
// strengths. Plain tables and functions with no Qt, so the maps, the new-game
// window and the save slots read one copy of them. Texts are UTF-8.
#include <array>
#include <cstdint>
#include <optional>

namespace campaign {

inline constexpr int16_t kFirstStage = 1;
inline constexpr int16_t kPassageStage = 10;  // the Super Demon King's parting words, then the new castle
inline constexpr int16_t kNewCastleFirst = 11;
inline constexpr int16_t kEndingStage = 17;
inline constexpr int16_t kLastStage = 17;
inline constexpr int kMaxGroup = 7;
inline constexpr int kFaceStep = 88;  // pixels from one face of a group to the next

// "ノーマル", "ハード", "スーパーハード" for levels 1 to 3; empty outside.
const char* LevelName(int level);

// A first-castle stage (1 to 9): its place heading, group title and the row of
// faces on the map.
struct FirstCastleStage {
    const char* heading;
    const char* title;
    int16_t count;      // opponents in the group
    int16_t firstFace;  // face of the opponent at position 0 (FoeBase)
    int16_t leftEdge;   // left edge of the face at position 0; position i stands 88 × i further right
};
std::optional<FirstCastleStage> FirstCastleGroup(int stage);

// A new-castle stage (11 to 16): one opponent, always at position 0.
struct NewCastleStage {
    const char* title;
    int16_t face;
    bool superDemonKing;  // face 0 under the Super Demon King's name rather than the Demon King's
};
std::optional<NewCastleStage> NewCastleOpponent(int stage);

// The label the save-slot window shows for a stage (1 to 17); empty outside.
const char* StageLabel(int stage);

// Who speaks a stage's briefing: the guide, or one of the two Demon Kings,
// whose speaker line is their rank, two spaces and their name.
enum class Speaker { Guide, DemonKing, SuperDemonKing };
struct Briefing {
    Speaker speaker;
    const char* rank;  // "大魔王" or "スーパー大魔王"; empty for the guide
    int16_t face;
    const char* text;
};
// The briefing of first-castle stages 1 to 10 (10: the parting words).
std::optional<Briefing> StageBriefing(int stage);

// The points a first-castle stage demands before the run may move on; 0 for
// every other stage or level (the Demon King's stages are cleared by a win).
int32_t GetClearPoint(int16_t level, int32_t stage);
// The place heading of stages 1 to 10; empty for any other stage.
const char* GetPlaceName(int32_t stage);
// The stage after a cleared first-castle stage: the next one, except that a
// run clearing stage 1 with the gate's points already reached skips the gate.
int16_t NextStage(int16_t level, int16_t stage, int32_t points);

// Where a new game may start: 0 from the beginning, 1 from the elite five
// warriors' stage, 2 from the new castle. A later start carries the points a
// run would have had there, and is open only to an official record of at
// least the given size.
struct StartPosition {
    int16_t stage;
    std::array<int32_t, 3> points;  // by level 1..3
    std::array<int32_t, 3> record;  // the official record needed, by level 1..3; 0 for none
};
inline constexpr std::array<StartPosition, 3> kStartPositions = {{
    {1, {0, 0, 0}, {0, 0, 0}},
    {4, {20000, 35000, 60000}, {75000, 100000, 150000}},
    {10, {76200, 116000, 182000}, {125000, 200000, 250000}},
}};
// The stage, points and record needed of a start choice at a level; empty
// outside choices 0..2 and levels 1..3.
struct StartValues {
    int16_t stage;
    int32_t points;
    int32_t record;
};
std::optional<StartValues> StartOf(int choice, int level);

// The music track of a stage's duels (0 where no duel is played).
int16_t DuelMusicFor(int stage);
// The track both maps play while they wait.
inline constexpr int16_t kMapMusic = 3;

// Three strength values of an opponent.
struct Strength {
    int32_t x, y, z;
    bool operator==(const Strength&) const = default;
};
// The base values by level, stage and position in the group; all 0 outside
// the table.
Strength StrengthBase(int level, int stage, int position);
// Jitters a base by floor(r × 9 − 4) for each of three draws in [0, 1): the
// first moves y, the second z, the third x. y and z stay in 0..100, x is
// raised to 0 when it would be negative.
Strength Jitter(Strength base, double r1, double r2, double r3);
// The base for the opponent, jittered by three fresh draws after a reseed
// from the clock.
Strength FoeStrength(int16_t level, int16_t stage, int32_t position);
// What the duel is handed: x of a first FoeStrength call, 100 − y of a second
// and z of a third, so each value has its own jitter.
Strength HandOverStrength(int16_t level, int16_t stage, int32_t position);

}  // namespace campaign
