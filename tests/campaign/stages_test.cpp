// The campaign tables, pinned, and the rules that read them.
#include "campaign/stages.h"
#include "campaign/roster.h"
#include "campaign/stage_cast.h"

#include <gtest/gtest.h>

#include <QString>

using namespace campaign;

namespace {

QString U(const char* s) {
    return QString::fromUtf8(s);
}

TEST(CampaignTables, LevelNames) {
    EXPECT_EQ(U(LevelName(1)), "ノーマル");
    EXPECT_EQ(U(LevelName(2)), "ハード");
    EXPECT_EQ(U(LevelName(3)), "スーパーハード");
    EXPECT_EQ(U(LevelName(0)), "");
    EXPECT_EQ(U(LevelName(4)), "");
}

TEST(CampaignTables, FirstCastleGroups) {
    struct Row {
        int stage;
        const char *heading, *title;
        int count, firstFace, left;
    };
    const Row rows[] = {
        {1, "城下町", "願蛇羅 住民", 5, 23, 92},  {2, "願蛇羅城 城門", "門番", 1, 22, 268},
        {3, "兵舎", "歩兵部隊", 7, 15, 4},        {4, "本陣", "精鋭五戦士", 5, 10, 92},
        {5, "政庁", "四天王", 4, 6, 136},         {6, "宮殿", "三人娘", 3, 3, 180},
        {7, "王宮", "参謀", 2, 1, 224},           {8, "王宮", "大魔王", 1, 0, 268},
        {9, "王宮", "スーパー大魔王", 1, 0, 268},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.stage);
        const auto g = FirstCastleGroup(r.stage);
        ASSERT_TRUE(g);
        EXPECT_EQ(U(g->heading), U(r.heading));
        EXPECT_EQ(U(GetPlaceName(r.stage)), U(r.heading));
        EXPECT_EQ(U(g->title), U(r.title));
        EXPECT_EQ(g->count, r.count);
        EXPECT_EQ(g->firstFace, r.firstFace);
        EXPECT_EQ(g->leftEdge, r.left);
        // The row is centred on the map.
        EXPECT_EQ(g->leftEdge, 268 - 44 * (g->count - 1));
    }
    EXPECT_FALSE(FirstCastleGroup(0));
    EXPECT_FALSE(FirstCastleGroup(10));
    EXPECT_EQ(U(GetPlaceName(10)), "願蛇羅城");
    for (int s : {0, 11, 17, -1}) EXPECT_EQ(U(GetPlaceName(s)), "") << s;
}

TEST(CampaignTables, NewCastleOpponents) {
    struct Row {
        int stage;
        const char* title;
        int face;
    };
    const Row rows[] = {{11, "スーパー門番", 22}, {12, "スーパー戦士", 14}, {13, "スーパー王", 9},
                        {14, "スーパー参謀", 2},  {15, "スーパー参謀", 1},  {16, "大魔王", 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.stage);
        const auto n = NewCastleOpponent(r.stage);
        ASSERT_TRUE(n);
        EXPECT_EQ(U(n->title), U(r.title));
        EXPECT_EQ(n->face, r.face);
        EXPECT_EQ(OpponentName(r.stage, 0), r.stage == 16 ? SuperDemonKingName() : FoeDisplayName(r.face));
        EXPECT_EQ(OpponentName(r.stage, 1), "");
    }
    EXPECT_FALSE(NewCastleOpponent(10));
    EXPECT_FALSE(NewCastleOpponent(17));
}

TEST(CampaignTables, OpponentNamesFollowTheRoster) {
    EXPECT_EQ(OpponentName(1, 0), FoeDisplayName(23));
    EXPECT_EQ(OpponentName(1, 4), FoeDisplayName(27));
    EXPECT_EQ(OpponentName(1, 5), "");
    EXPECT_EQ(OpponentName(3, 6), FoeDisplayName(21));
    EXPECT_EQ(OpponentName(8, 0), FoeDisplayName(0));
    EXPECT_EQ(OpponentName(9, 0), SuperDemonKingName());
    EXPECT_NE(FoeDisplayName(0), SuperDemonKingName());
    EXPECT_EQ(OpponentName(10, 0), "");
}

TEST(CampaignTables, StageLabels) {
    const char* labels[] = {
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
    for (int s = 1; s <= 17; ++s) EXPECT_EQ(U(StageLabel(s)), U(labels[s - 1])) << s;
    EXPECT_EQ(U(StageLabel(0)), "");
    EXPECT_EQ(U(StageLabel(18)), "");
}

TEST(CampaignTables, BriefingsAndSpeakers) {
    for (int s = 1; s <= 7; ++s) {
        const auto b = StageBriefing(s);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->face, 28);
        EXPECT_EQ(BriefingSpeakerLine(s), GuideLine());
    }
    EXPECT_EQ(U(StageBriefing(1)->text),
              "まずは、願蛇羅城へ行く途中の町の住民が反乱を起こしています。制圧してください。");
    EXPECT_EQ(U(StageBriefing(6)->text), "宮殿があります。このすぐ奥は「大魔王」の居る王宮です。");
    EXPECT_EQ(U(StageBriefing(7)->text), "念願の王宮にたどり着きました。参謀が待ち受けています。");
    EXPECT_EQ(StageBriefing(8)->face, 0);
    EXPECT_EQ(BriefingSpeakerLine(8), "大魔王  " + FoeDisplayName(0));
    EXPECT_EQ(U(StageBriefing(8)->text), "よく来れたな。ただ俺はそこらへんの奴らとは違う。");
    EXPECT_EQ(BriefingSpeakerLine(9), "スーパー大魔王  " + SuperDemonKingName());
    EXPECT_EQ(BriefingSpeakerLine(10), BriefingSpeakerLine(9));
    EXPECT_EQ(U(StageBriefing(10)->text),
              "こんな奴に負けるとは。人間界を甘く見過ぎたようだ。でも、いい気になるなよ。いつの日か必ずおまえを倒す。");
    EXPECT_EQ(GuideLine(), "案内人  " + FoeDisplayName(28));
    EXPECT_FALSE(StageBriefing(11));
    EXPECT_FALSE(StageBriefing(0));
}

TEST(CampaignTables, ClearPoints) {
    const int32_t table[7][3] = {{5000, 12000, 21000},   {6000, 14000, 24000},   {20000, 35000, 60000},
                                 {32000, 53000, 90000},  {44000, 70000, 115000}, {56000, 86000, 140000},
                                 {65000, 100000, 160000}};
    for (int16_t l = 1; l <= 3; ++l)
        for (int s = 1; s <= 7; ++s) EXPECT_EQ(GetClearPoint(l, s), table[s - 1][l - 1]) << l << "/" << s;
    for (int s : {0, 8, 9, 10, 11, 16, 17}) EXPECT_EQ(GetClearPoint(1, s), 0) << s;
    EXPECT_EQ(GetClearPoint(0, 1), 0);
    EXPECT_EQ(GetClearPoint(4, 1), 0);
}

TEST(CampaignTables, StartPositions) {
    struct Row {
        int choice, level;
        int16_t stage;
        int32_t points, record;
    };
    const Row rows[] = {
        {0, 1, 1, 0, 0},          {0, 3, 1, 0, 0},           {1, 1, 4, 20000, 75000},    {1, 2, 4, 35000, 100000},
        {1, 3, 4, 60000, 150000}, {2, 1, 10, 76200, 125000}, {2, 2, 10, 116000, 200000}, {2, 3, 10, 182000, 250000},
    };
    for (const Row& r : rows) {
        const auto v = StartOf(r.choice, r.level);
        ASSERT_TRUE(v) << r.choice << "/" << r.level;
        EXPECT_EQ(v->stage, r.stage);
        EXPECT_EQ(v->points, r.points);
        EXPECT_EQ(v->record, r.record);
    }
    // The elite five start with the points that clear the barracks.
    for (int16_t l = 1; l <= 3; ++l) EXPECT_EQ(StartOf(1, l)->points, GetClearPoint(l, 3));
    EXPECT_FALSE(StartOf(3, 1));
    EXPECT_FALSE(StartOf(0, 0));
    EXPECT_FALSE(StartOf(-1, 1));
}

TEST(CampaignTables, DuelMusic) {
    const int16_t tracks[17] = {4, 13, 5, 6, 7, 8, 13, 14, 14, 0, 15, 18, 19, 16, 17, 12, 0};
    for (int s = 1; s <= 17; ++s) EXPECT_EQ(DuelMusicFor(s), tracks[s - 1]) << s;
    EXPECT_EQ(kMapMusic, 3);
}

TEST(CampaignTables, StrengthBases) {
    struct Row {
        int level, stage, position;
        Strength expected;
    };
    const Row rows[] = {
        {1, 1, 0, {20, 20, 10}},
        {1, 1, 4, {20, 30, 0}},
        {2, 1, 2, {60, 20, 20}},
        {3, 1, 3, {60, 70, 70}},
        {1, 2, 0, {50, 0, 0}},
        {2, 2, 0, {90, 0, 10}},
        {3, 2, 0, {110, 45, 45}},
        {1, 3, 0, {33, 33, 33}},
        {1, 3, 6, {50, 30, 20}},
        {2, 3, 2, {60, 20, 70}},
        {3, 3, 5, {70, 90, 90}},
        {1, 4, 1, {50, 30, 20}},
        {2, 4, 3, {70, 50, 30}},
        {3, 4, 4, {110, 50, 90}},
        {1, 5, 3, {60, 50, 40}},
        {2, 5, 1, {70, 60, 70}},
        {3, 5, 0, {110, 100, 90}},
        {1, 6, 1, {65, 25, 60}},
        {2, 6, 2, {80, 90, 80}},
        {3, 6, 1, {130, 90, 100}},
        {1, 7, 1, {70, 30, 50}},
        {2, 7, 0, {90, 80, 80}},
        {2, 7, 1, {90, 80, 80}},
        {3, 7, 1, {160, 100, 100}},
        {1, 8, 0, {80, 80, 40}},
        {2, 8, 0, {100, 75, 75}},
        {3, 8, 0, {190, 100, 100}},
        {1, 9, 0, {80, 40, 80}},
        {2, 9, 0, {150, 75, 75}},
        {3, 9, 0, {250, 100, 100}},
        {1, 11, 0, {50, 0, 0}},
        {2, 11, 0, {90, 5, 5}},
        {3, 11, 0, {110, 45, 45}},
        {2, 12, 0, {70, 40, 40}},
        {3, 13, 0, {100, 100, 100}},
        {2, 14, 0, {80, 85, 85}},
        {3, 15, 0, {190, 100, 100}},
        {1, 16, 0, {80, 40, 80}},
        {3, 16, 0, {250, 100, 100}},
        // Outside the table.
        {1, 10, 0, {0, 0, 0}},
        {1, 17, 0, {0, 0, 0}},
        {1, 7, 2, {0, 0, 0}},
        {3, 2, 1, {0, 0, 0}},
        {0, 1, 0, {0, 0, 0}},
        {4, 1, 0, {0, 0, 0}},
        {1, 1, -1, {0, 0, 0}},
        {2, 11, 1, {0, 0, 0}},
    };
    for (const Row& r : rows) {
        const Strength s = StrengthBase(r.level, r.stage, r.position);
        EXPECT_EQ(s, r.expected) << r.level << "/" << r.stage << "/" << r.position;
    }
}

// Every opponent of every group has a strength at every level, and none beyond.
TEST(CampaignTables, StrengthCoversExactlyEachGroup) {
    for (int level = 1; level <= 3; ++level) {
        for (int stage = 1; stage <= 16; ++stage) {
            int count = 0;
            if (const auto g = FirstCastleGroup(stage)) count = g->count;
            if (NewCastleOpponent(stage)) count = 1;
            for (int p = 0; p < 8; ++p) {
                const Strength s = StrengthBase(level, stage, p);
                EXPECT_EQ(s.x > 0, p < count) << level << "/" << stage << "/" << p;
            }
        }
    }
}

TEST(FoeStrengthRule, JitterBoundsAndLimits) {
    struct Row {
        Strength base;
        double r1, r2, r3;
        Strength expected;
    };
    const double lo = 0.0, hi = 0.999999, mid = 0.5;  // jitters -4, +4 and 0
    const Row rows[] = {
        {{50, 50, 50}, lo, lo, lo, {46, 46, 46}},
        {{50, 50, 50}, hi, hi, hi, {54, 54, 54}},
        {{50, 50, 50}, mid, mid, mid, {50, 50, 50}},
        // y from r1, z from r2, x from r3.
        {{50, 50, 50}, lo, hi, mid, {50, 46, 54}},
        // y and z stay in 0..100; x is only raised to 0.
        {{2, 100, 0}, hi, lo, lo, {0, 100, 0}},
        {{250, 2, 98}, lo, hi, hi, {254, 0, 100}},
        // Just below a step: 4/9 is the first r giving 0.
        {{10, 10, 10}, 4.0 / 9 - 1e-9, 4.0 / 9, 5.0 / 9, {11, 9, 10}},
    };
    for (const Row& r : rows) EXPECT_EQ(Jitter(r.base, r.r1, r.r2, r.r3), r.expected);
}

TEST(FoeStrengthRule, StaysInItsRangesOverManyDraws) {
    for (int i = 0; i < 300; ++i) {
        for (int16_t level = 1; level <= 3; ++level) {
            for (int16_t stage : {2, 9, 11, 13, 16}) {
                const Strength base = StrengthBase(level, stage, 0);
                const Strength s = FoeStrength(level, stage, 0);
                EXPECT_GE(s.x, 0);
                EXPECT_LE(s.x, 254);
                EXPECT_GE(s.y, 0);
                EXPECT_LE(s.y, 100);
                EXPECT_GE(s.z, 0);
                EXPECT_LE(s.z, 100);
                EXPECT_LE(std::abs(s.x - base.x), 4);
                EXPECT_LE(std::abs(s.y - base.y), 4);
                const Strength h = HandOverStrength(level, stage, 0);
                EXPECT_GE(h.y, 0);
                EXPECT_LE(h.y, 100);
                EXPECT_LE(std::abs(h.y - (100 - base.y)), 4);
            }
        }
    }
}

TEST(StageSequence, StageOneSkipsTheGateWhenItsPointsAreReached) {
    struct Row {
        int16_t level, stage;
        int32_t points;
        int16_t next;
    };
    const Row rows[] = {
        {1, 1, 5000, 2},  {1, 1, 5999, 2},  {1, 1, 6000, 3},  {1, 1, 9000, 3}, {2, 1, 13999, 2}, {2, 1, 14000, 3},
        {3, 1, 24000, 3}, {1, 2, 30000, 3}, {1, 3, 40000, 4}, {1, 9, 0, 10},   {1, 11, 0, 12},   {1, 16, 0, 17},
    };
    for (const Row& r : rows) EXPECT_EQ(NextStage(r.level, r.stage, r.points), r.next) << r.stage << "/" << r.points;
}

}  // namespace
