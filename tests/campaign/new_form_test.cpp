// The new-game window: the level and start buttons, what the official record
// opens, and the run OK sets up.
#include "campaign/new_form.h"
#include "campaign/campaign_window_test.h"
#include "campaign/game_data.h"
#include "campaign/new_map_form.h"
#include "campaign/new_new_map.h"
#include "campaign/sheet_button.h"
#include "media/sheet_layout.h"
#include "records/record_book.h"
#include "shell/open_form.h"

namespace {

class NewFormTest : public CampaignWindowTest {
protected:
    void SetUp() override {
        CampaignWindowTest::SetUp();
        Forms::Get<MeinForm>();
        Forms::Get<OpenForm>().Show();
    }
    NewForm& open() {
        ShowNewGame();
        NewForm* f = Forms::Find<NewForm>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
    static bool shown(QWidget* w) { return w->isVisibleTo(w->parentWidget()); }
    static QImage cut(int sheetNumber, int width, int top) {
        return LoadPicture(DataFileName("Data", sheetNumber))
            .toImage()
            .copy(0, top, width, Sheet78::kButtonHeight)
            .convertToFormat(QImage::Format_ARGB32);
    }
    static QImage shownPicture(SheetButton* b) { return b->picture().toImage().convertToFormat(QImage::Format_ARGB32); }
    // Which of the three buttons of a row shows its pressed look.
    static int pressedIn(const std::array<SheetButton*, 3>& row, int sheetNumber, int width) {
        int pressed = -1;
        for (int i = 0; i < 3; ++i) {
            const QImage img = shownPicture(row[static_cast<size_t>(i)]);
            if (img == cut(sheetNumber, width, Sheet78::pressedTop(i))) {
                EXPECT_EQ(pressed, -1) << "two buttons pressed";
                pressed = i;
            } else {
                EXPECT_EQ(img, cut(sheetNumber, width, Sheet78::plainTop(i))) << "button " << i;
            }
        }
        return pressed;
    }
};

TEST_F(NewFormTest, OpensAtNormalFromTheBeginning) {
    NewForm& f = open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("新しくシナリオを始める"));
    EXPECT_EQ(f.Label1->text(), QStringLiteral("ゲームレベル"));
    EXPECT_EQ(f.Label2->text(), QStringLiteral("シナリオ開始場所"));
    EXPECT_EQ(f.LevelChoice, 0);
    EXPECT_EQ(f.StartChoice, 0);
    EXPECT_EQ(pressedIn(f.Image1, 7, Sheet78::kLevelWidth), 0);
    EXPECT_EQ(pressedIn(f.Image2, 8, Sheet78::kStartWidth), 0);
    EXPECT_EQ(f.Image1[0]->size(), QSize(79, 28));
    EXPECT_EQ(f.Image2[0]->size(), QSize(125, 28));
}

TEST_F(NewFormTest, ARecordOfNothingOffersOnlyTheBeginning) {
    ASSERT_TRUE(records::WriteRecord(records::kOfficialRecord, 0));
    NewForm& f = open();
    for (int16_t level = 0; level < 3; ++level) {
        SCOPED_TRACE(level);
        ui::Click(f.Image1[static_cast<size_t>(level)]);
        EXPECT_EQ(pressedIn(f.Image1, 7, Sheet78::kLevelWidth), level);
        EXPECT_TRUE(shown(f.Image2[0]));
        EXPECT_FALSE(shown(f.Image2[1]));
        EXPECT_FALSE(shown(f.Image2[2]));
    }
}

TEST_F(NewFormTest, TheOfficialRecordOpensLaterStarts) {
    struct Row {
        int32_t record;
        // By level: elite warriors offered, new castle offered.
        std::array<std::pair<bool, bool>, 3> offered;
    };
    const Row rows[] = {
        {74999, {{{false, false}, {false, false}, {false, false}}}},
        {75000, {{{true, false}, {false, false}, {false, false}}}},
        {125000, {{{true, true}, {true, false}, {false, false}}}},
        {200000, {{{true, true}, {true, true}, {true, false}}}},
        {250000, {{{true, true}, {true, true}, {true, true}}}},
    };
    for (const Row& r : rows) {
        ASSERT_TRUE(records::WriteRecord(records::kOfficialRecord, r.record));
        NewForm& f = open();
        for (int16_t level = 0; level < 3; ++level) {
            SCOPED_TRACE(testing::Message() << "record " << r.record << " level " << level);
            ui::Click(f.Image1[static_cast<size_t>(level)]);
            EXPECT_TRUE(shown(f.Image2[0]));
            EXPECT_EQ(shown(f.Image2[1]), r.offered[static_cast<size_t>(level)].first);
            EXPECT_EQ(shown(f.Image2[2]), r.offered[static_cast<size_t>(level)].second);
        }
        f.Unload();
    }
}

// A run from the new castle never sees the first castle: the new castle's
// opening comes first and leads to stage 11 with the level's start points.
TEST_F(NewFormTest, NewCastleStartGoesThroughItsOpening) {
    ASSERT_TRUE(records::WriteRecord(records::kOfficialRecord, 250000));
    NewForm& f = open();
    ui::Click(f.Image1[2]);
    ui::Click(f.Image2[2]);
    bool firstCastleSeen = false;
    for (uint64_t t = 10; t < 600'000; t += 50)
        time->after(t, [&] { firstCastleSeen = firstCastleSeen || Forms::IsLoaded<NewMapForm>(); });
    watchMessages(600'000);
    clickSoon(f.Image3);
    advance(600'000);
    EXPECT_FALSE(firstCastleSeen);
    EXPECT_EQ(seen.value(0), QStringLiteral("Vantrax の世界をお楽しみください。"));
    ASSERT_TRUE(Forms::IsLoaded<NewNewMap>());
    EXPECT_EQ(StageNo, 11);
    EXPECT_EQ(LevelNo, 3);
    EXPECT_EQ(TotalPoint, 182000);
    EXPECT_FALSE(NotOfficial);
}

TEST_F(NewFormTest, ChangingTheLevelResetsTheStart) {
    NewForm& f = open();
    for (int16_t start : {1, 2}) {
        f.Image2_Click(start);
        EXPECT_EQ(f.StartChoice, start);
        EXPECT_EQ(pressedIn(f.Image2, 8, Sheet78::kStartWidth), start);
        ui::Click(f.Image1[1]);
        EXPECT_EQ(f.LevelChoice, 1);
        EXPECT_EQ(f.StartChoice, 0);
        EXPECT_EQ(pressedIn(f.Image2, 8, Sheet78::kStartWidth), 0);
    }
}

// A start the record does not open is refused at OK even when chosen, and
// nothing of the run in memory changes.
TEST_F(NewFormTest, OkRefusesAStartTheRecordDoesNotOpen) {
    const std::pair<int16_t, const char*> rows[] = {
        {2, "公認記録が足りません。あなたはまだ「新願蛇羅城から」のプレイは認められません。"},
        {1, "公認記録が足りません。あなたはまだ「精鋭五戦士から」のプレイは認められません。"},
    };
    // Just short of the elite warriors at ノーマル.
    ASSERT_TRUE(records::WriteRecord(records::kOfficialRecord, 74999));
    NewForm& f = open();
    StageNo = 6;
    NotOfficial = true;
    for (auto [start, text] : rows) {
        SCOPED_TRACE(start);
        seen.clear();
        f.Image2_Click(start);
        watchMessages(3'000);
        clickSoon(f.Image3);
        EXPECT_EQ(seen, QStringList{QString::fromUtf8(text)});
        EXPECT_TRUE(Forms::IsLoaded<NewForm>());
        EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
        EXPECT_EQ(StageNo, 6);
        EXPECT_TRUE(NotOfficial);
    }
}

TEST_F(NewFormTest, OkStartsANewOfficialRun) {
    NotOfficial = true;
    LastWon = true;
    BriefingDone = true;
    GainedPoint = 1234;
    TotalPoint = 99999;
    FoeLeft.fill(false);
    NewForm& f = open();
    SaveMode = false;
    ShowGameData();
    f.Show();
    ui::Click(f.Image1[1]);  // ハード
    watchMessages();
    clickSoon(f.Image3);
    // The first castle opens with the stage's briefing.
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0], QStringLiteral("Vantrax の世界をお楽しみください。"));
    EXPECT_TRUE(seen[1].startsWith(QStringLiteral("まずは、"))) << seen[1].toStdString();
    EXPECT_TRUE(Forms::IsLoaded<NewMapForm>());
    EXPECT_FALSE(Forms::IsLoaded<NewForm>());
    EXPECT_FALSE(Forms::IsLoaded<GameData>()) << "no slot can be loaded over the new run";
    EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
    EXPECT_EQ(LevelNo, 2);
    EXPECT_EQ(StageNo, 1);
    EXPECT_EQ(TotalPoint, 0);
    EXPECT_FALSE(NotOfficial);
    EXPECT_FALSE(LastWon);
    EXPECT_EQ(GainedPoint, 0);
    EXPECT_EQ(FoeLeft, (std::array<bool, 7>{true, true, true, true, true, true, true}));
}

TEST_F(NewFormTest, CancelLeavesEverythingAsItWas) {
    StageNo = 7;
    LevelNo = 3;
    TotalPoint = 65000;
    NotOfficial = true;
    NewForm& f = open();
    ui::Click(f.Image1[2]);
    clickSoon(f.Image4);
    EXPECT_FALSE(Forms::IsLoaded<NewForm>());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
    EXPECT_EQ(StageNo, 7);
    EXPECT_EQ(LevelNo, 3);
    EXPECT_EQ(TotalPoint, 65000);
    EXPECT_TRUE(NotOfficial);
}

}  // namespace
