// The program-wide values and their reset.
#include "app/state.h"
#include "app/data_files.h"
#include "app/options.h"
#include "app/shared_procedures.h"
#include "media/mci.h"
#include "media/pictures.h"
#include "support/game_test.h"

namespace {

class SharedStateTest : public GameTest {};

// Values left behind by one test or one run would leak into the next: after a
// run that touched the options, the campaign, the duel hand-back, the message
// window, the shared pictures and the command layer, a reset leaves nothing.
TEST_F(SharedStateTest, AResetLeavesNoProgramWideValueBehind) {
    saveOption("MesTime", QStringLiteral("9"));
    ASSERT_TRUE(ReadOptions());
    GameMode = 1;
    StageNo = 4;
    FoeLeft[2] = true;
    FoeName = QStringLiteral("ガイラ");
    StartDuel(GuideLine(), kGuideFace, 10, 100, 10, 3);
    GameMode = 0;  // a duel handed back to nobody only records its outcome
    DuelEnd(true, 4321);
    MesMode = 10;
    CapturedKey = 90;
    MesSheetPicture = LoadPicture(DataFileName("Data", 5));
    MciSend(QString(), false);  // no command: the layer notes its own error
    ASSERT_EQ(MciLastError, -1);
    ASSERT_EQ(LastDuelOutcome(), (DuelOutcome{true, 4321}));
    ASSERT_NE(Shared, SharedState{});

    ResetSharedState();

    EXPECT_EQ(Shared, SharedState{});
    EXPECT_EQ(MciLastError, 0);
    EXPECT_TRUE(MciLastText.isEmpty());
    EXPECT_EQ(LastDuelOutcome(), DuelOutcome{});
    EXPECT_TRUE(MesSheetPicture.isNull());
    EXPECT_TRUE(DuelFoeName.isEmpty());
    EXPECT_EQ(MesTime, 0);
}

}  // namespace
