// Whole campaign runs in virtual time: a scripted player starts a new game,
// spins the roulette, plays every duel through the real windows and follows
// the run through both castles and the passage between them, or into game over.
#include "campaign/stage_cast.h"
#include "campaign/stages.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "support/campaign_run.h"
#include "support/game_test.h"

namespace {

using campaign_run::DuelStep;

// Slow enough to lose to anybody, even the townspeople.
constexpr AutoPlayer::Style kSlowPlayer{true, 8000, 1000};

class CampaignRun : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        MesSheetPicture = LoadPicture(DataFileName("Data", 5));
        HandCursor = LoadPicture(DataFileName("Data", 11));
        PlayKeys = {83, 68, 90, 88, 67, 86};
        InputDevice = 1;
        MesTime = 3;
        SoundOn = true;  // into the null output
        MusicOn = false;
    }

    // What every duel of a run must show, whatever its outcome.
    static void CheckHandOver(const DuelStep& s, int16_t level) {
        SCOPED_TRACE(testing::Message() << "stage " << s.stage << " vs " << s.foe.toStdString());
        int position = 0;
        if (s.mode == 1) {
            ASSERT_GE(s.stage, 1);
            ASSERT_LE(s.stage, 9);
            const auto g = campaign::FirstCastleGroup(s.stage);
            EXPECT_EQ(s.foeBase, g->firstFace);
            ASSERT_GE(s.foeIndex, 0);
            ASSERT_LT(s.foeIndex, g->count);
            EXPECT_TRUE(s.leftBefore[static_cast<size_t>(s.foeIndex)]) << "met an opponent already played";
            EXPECT_EQ(s.face, g->firstFace + s.foeIndex);
            position = s.foeIndex;
        } else {
            ASSERT_EQ(s.mode, 2);
            const auto n = campaign::NewCastleOpponent(s.stage);
            ASSERT_TRUE(n);
            EXPECT_EQ(s.face, 63 + n->face);
        }
        EXPECT_EQ(s.foe, campaign::OpponentName(s.stage, position));
        EXPECT_EQ(s.music, campaign::DuelMusicFor(s.stage));
        const campaign::Strength base = campaign::StrengthBase(level, s.stage, position);
        EXPECT_LE(std::abs(s.params[0] - base.x), 4);
        EXPECT_LE(std::abs(s.params[1] - (100 - base.y)), 4);
        EXPECT_LE(std::abs(s.params[2] - base.z), 4);
    }

    // How the run must stand after a duel that did not end it.
    static void CheckSettled(const DuelStep& s, int16_t level) {
        SCOPED_TRACE(testing::Message() << "stage " << s.stage << (s.won ? " won " : " lost ") << s.score);
        if (!s.won) {
            EXPECT_EQ(s.pointsAfter, s.points);
            EXPECT_EQ(s.stageAfter, s.stage);
            return;
        }
        if (s.mode == 2) {
            EXPECT_EQ(s.pointsAfter, s.points + 2 * s.score);
            EXPECT_EQ(s.stageAfter, s.stage + 1);
            return;
        }
        EXPECT_EQ(s.pointsAfter, s.points + s.score);
        const bool cleared = s.pointsAfter >= campaign::GetClearPoint(level, s.stage);
        int16_t next = cleared ? campaign::NextStage(level, s.stage, s.pointsAfter) : s.stage;
        if (next == campaign::kPassageStage) next = campaign::kNewCastleFirst;  // through the passage
        EXPECT_EQ(s.stageAfter, next);
    }
};

TEST_F(CampaignRun, NormalRunThroughBothCastlesToTheEnding) {
    campaign_run::NewGame(1, 0);
    ASSERT_TRUE(campaign_run::Waiting(Forms::Find<NewMapForm>()));
    EXPECT_EQ(StageNo, 1);
    EXPECT_TRUE(BriefingDone);  // the briefing was shown and the map wrote its state back

    const campaign_run::Run run = campaign_run::Play(*time, AutoPlayer::Style{true, 250, 40});
    ASSERT_FALSE(run.steps.empty());
    for (const DuelStep& s : run.steps) {
        CheckHandOver(s, 1);
        if (s.mapWaiting) CheckSettled(s, 1);
    }
    const DuelStep& last = run.steps.back();
    ASSERT_EQ(last.stage, 16) << "the run ended at stage " << last.stage << " after " << run.steps.size() << " duels";
    EXPECT_TRUE(last.won);
    EXPECT_EQ(StageNo, campaign::kEndingStage);
    EXPECT_EQ(TotalPoint, last.points + 2 * last.score);
    EXPECT_TRUE(run.passage);
    EXPECT_GT(run.roulettes, 0);
    EXPECT_FALSE(Forms::IsLoaded<NewNewMap>());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());

    // Every stage of both castles but the passage was played, in order.
    std::vector<int16_t> stages;
    for (const DuelStep& s : run.steps)
        if (stages.empty() || stages.back() != s.stage) stages.push_back(s.stage);
    std::vector<int16_t> expected;
    for (int16_t s = 1; s <= 16; ++s)
        if (s != 10) expected.push_back(s);
    // Stage 1 may skip the gatekeeper when its first duels already made his points.
    if (stages.size() > 1 && stages[1] == 3) expected.erase(expected.begin() + 1);
    EXPECT_EQ(stages, expected);
}

TEST_F(CampaignRun, ASlowPlayerLosesToEveryTownsmanAndTheRunEnds) {
    campaign_run::NewGame(1, 0);
    const campaign_run::Run run = campaign_run::Play(*time, kSlowPlayer);
    ASSERT_EQ(run.steps.size(), 5u);
    for (size_t i = 0; i < run.steps.size(); ++i) {
        const DuelStep& s = run.steps[i];
        CheckHandOver(s, 1);
        EXPECT_FALSE(s.won);
        EXPECT_EQ(s.points, 0);
        EXPECT_EQ(s.mapWaiting, i + 1 < run.steps.size());
        if (s.mapWaiting) CheckSettled(s, 1);
    }
    // The last townsman played, the stage not cleared: game over.
    EXPECT_FALSE(Forms::IsLoaded<NewMapForm>());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
    EXPECT_EQ(StageNo, 1);
    EXPECT_EQ(run.roulettes, 4);  // the fifth is the only one left: no roulette
}

TEST_F(CampaignRun, ANewGameFromTheNewCastleEndsAtItsFirstLoss) {
    campaign_run::NewGame(2, 2);
    time->advance(120'000);  // the new castle's opening leads on to its map
    ASSERT_TRUE(campaign_run::Waiting(Forms::Find<NewNewMap>()));
    EXPECT_EQ(StageNo, 11);
    EXPECT_EQ(TotalPoint, 116000);
    const campaign_run::Run run = campaign_run::Play(*time, kSlowPlayer);
    ASSERT_EQ(run.steps.size(), 1u);
    CheckHandOver(run.steps[0], 2);
    EXPECT_FALSE(run.steps[0].won);
    EXPECT_FALSE(Forms::IsLoaded<NewNewMap>());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
    EXPECT_EQ(TotalPoint, 116000);
}

}  // namespace
