// The campaign's fixed data and the few rules that read it.
#include "campaign/stages.h"

#include "platform/random.h"

#include <algorithm>
#include <cmath>

namespace campaign {

namespace {

const std::array<const char*, 3> kLevelNames = {"ノーマル", "ハード", "スーパーハード"};

// Stages 1 to 9 of the first castle.
const std::array<FirstCastleStage, 9> kFirstCastle = {{
    {"城下町", "願蛇羅 住民", 5, 23, 92},
    {"願蛇羅城 城門", "門番", 1, 22, 268},
    {"兵舎", "歩兵部隊", 7, 15, 4},
    {"本陣", "精鋭五戦士", 5, 10, 92},
    {"政庁", "四天王", 4, 6, 136},
    {"宮殿", "三人娘", 3, 3, 180},
    {"王宮", "参謀", 2, 1, 224},
    {"王宮", "大魔王", 1, 0, 268},
    {"王宮", "スーパー大魔王", 1, 0, 268},
}};

// Stages 11 to 16 of the new castle.
const std::array<NewCastleStage, 6> kNewCastle = {{
    {"スーパー門番", 22, false},
    {"スーパー戦士", 14, false},
    {"スーパー王", 9, false},
    {"スーパー参謀", 2, false},
    {"スーパー参謀", 1, false},
    {"大魔王", 0, true},
}};

// Stages 1 to 17.
const std::array<const char*, 17> kStageLabels = {
    "願蛇羅住民（城下町）",
    "門番（願蛇羅城）",
    "歩兵（兵舎）",
    "精鋭五戦士（本陣）",
    "四天王（政庁）",
    "三人娘（宮殿）",
    "参謀（王宮）",
    "大魔王（王宮）",
    "スーパー大魔王（王宮）",
    "スーパー大魔王（王宮）",
    "スーパー門番（新願蛇羅城）",
    "スーパー戦士（新願蛇羅城）",
    "スーパー王（新願蛇羅城）",
    "スーパー参謀（新願蛇羅城）",
    "スーパー参謀（新願蛇羅城）",
    "大魔王（新願蛇羅城）",
    "大魔王（新願蛇羅城）",
};

// Stages 1 to 10.
const std::array<Briefing, 10> kBriefings = {{
    {Speaker::Guide, "", 28, "まずは、願蛇羅城へ行く途中の町の住民が反乱を起こしています。制圧してください。"},
    {Speaker::Guide, "", 28, "城門にたどり着きましたが、門番がいるようです。"},
    {Speaker::Guide, "", 28, "兵舎に歩兵部隊がいます。"},
    {Speaker::Guide, "", 28, "歩兵部隊が破れたので、大将である精鋭五戦士が出迎えています。"},
    {Speaker::Guide, "", 28, "政庁までたどり着きました。"},
    {Speaker::Guide, "", 28, "宮殿があります。このすぐ奥は「大魔王」の居る王宮です。"},
    {Speaker::Guide, "", 28, "念願の王宮にたどり着きました。参謀が待ち受けています。"},
    {Speaker::DemonKing, "大魔王", 0, "よく来れたな。ただ俺はそこらへんの奴らとは違う。"},
    {Speaker::SuperDemonKing, "スーパー大魔王", 0, "この程度で満足されたんじゃ、たまったもんじゃないぜ。"},
    {Speaker::SuperDemonKing, "スーパー大魔王", 0,
     "こんな奴に負けるとは。人間界を甘く見過ぎたようだ。でも、いい気になるなよ。いつの日か必ずおまえを倒す。"},
}};

// Stages 1 to 7, levels 1 to 3.
const std::array<std::array<int32_t, 3>, 7> kClearPoints = {{
    {5000, 12000, 21000},
    {6000, 14000, 24000},
    {20000, 35000, 60000},
    {32000, 53000, 90000},
    {44000, 70000, 115000},
    {56000, 86000, 140000},
    {65000, 100000, 160000},
}};

// Stages 1 to 17; 0 for the stages without a duel (10 and 17).
const std::array<int16_t, 17> kDuelMusic = {4, 13, 5, 6, 7, 8, 13, 14, 14, 0, 15, 18, 19, 16, 17, 12, 0};

// One cell of the strength table: the triples of positions 0, 1, ... of a
// stage at one level. A cell shared by all positions is written out for each.
struct StrengthCell {
    int stage;
    std::array<Strength, kMaxGroup> byPosition;
    int count;
};
using Level = std::array<StrengthCell, 15>;

const std::array<Level, 3> kStrength = {{
    {{
        {1, {{{20, 20, 10}, {20, 10, 20}, {25, 15, 10}, {25, 10, 15}, {20, 30, 0}}}, 5},
        {2, {{{50, 0, 0}}}, 1},
        {3, {{{33, 33, 33}, {30, 30, 40}, {60, 20, 20}, {40, 30, 30}, {30, 30, 40}, {60, 20, 20}, {50, 30, 20}}}, 7},
        {4, {{{50, 20, 30}, {50, 30, 20}, {60, 20, 20}, {60, 20, 20}, {50, 20, 30}}}, 5},
        {5, {{{60, 40, 50}, {50, 50, 50}, {50, 50, 50}, {60, 50, 40}}}, 4},
        {6, {{{60, 30, 60}, {65, 25, 60}, {60, 20, 70}}}, 3},
        {7, {{{70, 40, 40}, {70, 30, 50}}}, 2},
        {8, {{{80, 80, 40}}}, 1},
        {9, {{{80, 40, 80}}}, 1},
        {11, {{{50, 0, 0}}}, 1},
        {12, {{{50, 25, 25}}}, 1},
        {13, {{{50, 50, 50}}}, 1},
        {14, {{{70, 40, 40}}}, 1},
        {15, {{{70, 40, 40}}}, 1},
        {16, {{{80, 40, 80}}}, 1},
    }},
    {{
        {1, {{{50, 20, 30}, {50, 30, 20}, {60, 20, 20}, {60, 20, 20}, {50, 20, 30}}}, 5},
        {2, {{{90, 0, 10}}}, 1},
        {3, {{{60, 30, 60}, {65, 25, 60}, {60, 20, 70}, {60, 30, 60}, {60, 30, 60}, {65, 25, 60}, {60, 20, 70}}}, 7},
        {4, {{{70, 40, 40}, {70, 30, 50}, {70, 40, 40}, {70, 50, 30}, {70, 40, 40}}}, 5},
        {5, {{{80, 60, 60}, {70, 60, 70}, {70, 70, 60}, {80, 60, 60}}}, 4},
        {6, {{{80, 90, 80}, {85, 85, 80}, {80, 90, 80}}}, 3},
        {7, {{{90, 80, 80}, {90, 80, 80}}}, 2},
        {8, {{{100, 75, 75}}}, 1},
        {9, {{{150, 75, 75}}}, 1},
        {11, {{{90, 5, 5}}}, 1},
        {12, {{{70, 40, 40}}}, 1},
        {13, {{{70, 65, 65}}}, 1},
        {14, {{{80, 85, 85}}}, 1},
        {15, {{{80, 85, 85}}}, 1},
        {16, {{{150, 75, 75}}}, 1},
    }},
    {{
        {1, {{{70, 60, 70}, {70, 60, 70}, {80, 60, 60}, {60, 70, 70}, {70, 70, 60}}}, 5},
        {2, {{{110, 45, 45}}}, 1},
        {3, {{{80, 90, 80}, {85, 85, 80}, {80, 90, 80}, {80, 80, 90}, {90, 80, 80}, {70, 90, 90}, {80, 90, 80}}}, 7},
        {4, {{{100, 75, 75}, {100, 50, 100}, {90, 70, 90}, {100, 100, 50}, {110, 50, 90}}}, 5},
        {5, {{{110, 100, 90}, {100, 100, 100}, {90, 100, 100}, {110, 90, 100}}}, 4},
        {6, {{{120, 100, 100}, {130, 90, 100}, {120, 100, 100}}}, 3},
        {7, {{{160, 100, 100}, {160, 100, 100}}}, 2},
        {8, {{{190, 100, 100}}}, 1},
        {9, {{{250, 100, 100}}}, 1},
        {11, {{{110, 45, 45}}}, 1},
        {12, {{{100, 75, 75}}}, 1},
        {13, {{{100, 100, 100}}}, 1},
        {14, {{{160, 100, 100}}}, 1},
        {15, {{{190, 100, 100}}}, 1},
        {16, {{{250, 100, 100}}}, 1},
    }},
}};

int32_t JitterOf(double r) {
    return static_cast<int32_t>(std::floor(r * 9 - 4));
}

}  // namespace

const char* LevelName(int level) {
    if (level < 1 || level > 3) return "";
    return kLevelNames[static_cast<size_t>(level - 1)];
}

std::optional<FirstCastleStage> FirstCastleGroup(int stage) {
    if (stage < 1 || stage > 9) return std::nullopt;
    return kFirstCastle[static_cast<size_t>(stage - 1)];
}

std::optional<NewCastleStage> NewCastleOpponent(int stage) {
    if (stage < 11 || stage > 16) return std::nullopt;
    return kNewCastle[static_cast<size_t>(stage - 11)];
}

const char* StageLabel(int stage) {
    if (stage < 1 || stage > 17) return "";
    return kStageLabels[static_cast<size_t>(stage - 1)];
}

std::optional<Briefing> StageBriefing(int stage) {
    if (stage < 1 || stage > 10) return std::nullopt;
    return kBriefings[static_cast<size_t>(stage - 1)];
}

int32_t GetClearPoint(int16_t level, int32_t stage) {
    if (level < 1 || level > 3 || stage < 1 || stage > 7) return 0;
    return kClearPoints[static_cast<size_t>(stage - 1)][static_cast<size_t>(level - 1)];
}

const char* GetPlaceName(int32_t stage) {
    if (stage == kPassageStage) return "願蛇羅城";
    if (const auto g = FirstCastleGroup(stage)) return g->heading;
    return "";
}

int16_t NextStage(int16_t level, int16_t stage, int32_t points) {
    if (stage == 1 && points >= GetClearPoint(level, 2)) return 3;
    return static_cast<int16_t>(stage + 1);
}

std::optional<StartValues> StartOf(int choice, int level) {
    if (choice < 0 || choice > 2 || level < 1 || level > 3) return std::nullopt;
    const StartPosition& p = kStartPositions[static_cast<size_t>(choice)];
    const auto l = static_cast<size_t>(level - 1);
    return StartValues{p.stage, p.points[l], p.record[l]};
}

int16_t DuelMusicFor(int stage) {
    if (stage < 1 || stage > 17) return 0;
    return kDuelMusic[static_cast<size_t>(stage - 1)];
}

Strength StrengthBase(int level, int stage, int position) {
    if (level < 1 || level > 3 || position < 0) return {0, 0, 0};
    for (const StrengthCell& cell : kStrength[static_cast<size_t>(level - 1)]) {
        if (cell.stage != stage) continue;
        if (position >= cell.count) return {0, 0, 0};
        return cell.byPosition[static_cast<size_t>(position)];
    }
    return {0, 0, 0};
}

Strength Jitter(Strength base, double r1, double r2, double r3) {
    Strength s;
    s.y = std::clamp(base.y + JitterOf(r1), 0, 100);
    s.z = std::clamp(base.z + JitterOf(r2), 0, 100);
    s.x = std::max(base.x + JitterOf(r3), 0);
    return s;
}

Strength FoeStrength(int16_t level, int16_t stage, int32_t position) {
    const Strength base = StrengthBase(level, stage, position);
    host::Randomize();
    const double r1 = host::Rnd();
    const double r2 = host::Rnd();
    const double r3 = host::Rnd();
    return Jitter(base, r1, r2, r3);
}

Strength HandOverStrength(int16_t level, int16_t stage, int32_t position) {
    const int32_t x = FoeStrength(level, stage, position).x;
    const int32_t y = FoeStrength(level, stage, position).y;
    const int32_t z = FoeStrength(level, stage, position).z;
    return {x, 100 - y, z};
}

}  // namespace campaign
