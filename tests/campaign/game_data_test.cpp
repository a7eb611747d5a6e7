// The save-slot window: what it shows for each kind of slot, saving, loading,
// and the runs and slots it refuses.
#include "campaign/game_data.h"
#include "campaign/campaign_window_test.h"
#include "campaign/new_form.h"
#include "campaign/new_map_form.h"
#include "campaign/sheet_button.h"
#include "media/sheet_layout.h"
#include "shell/open_form.h"
#include "support/full_disk.h"

#include <sys/resource.h>
#include <QFile>
#include <QLabel>
#include <csignal>

namespace {

const QString kExample = QStringLiteral(
    "2040350001010000"
    "20000309070509");
constexpr std::array<bool, 7> kPlayed0And2{false, true, false, true, true, true, true};

class GameDataTest : public CampaignWindowTest {
protected:
    void SetUp() override {
        CampaignWindowTest::SetUp();
        Forms::Get<MeinForm>();
        SetSlotClock([] { return SlotTime{2000, 3, 9, 7, 5, 9}; });
    }
    void TearDown() override {
        SetSlotClock(nullptr);
        CampaignWindowTest::TearDown();
    }

    static void storeSlot(int slot, const QString& value) {
        ASSERT_TRUE(host::settings().save(kAppName, QStringLiteral("Data"), QStringLiteral("Data%1").arg(slot), value));
    }
    static QString storedSlot(int slot) {
        return host::GetSetting(kAppName, QStringLiteral("Data"), QStringLiteral("Data%1").arg(slot),
                                QStringLiteral("<absent>"));
    }
    GameData& open(bool saving) {
        SaveMode = saving;
        ShowGameData();
        GameData* g = Forms::Find<GameData>();
        EXPECT_NE(g, nullptr);
        return *g;
    }
    static bool shown(QWidget* w) { return w->isVisibleTo(w->parentWidget()); }
    void setRun() {
        LevelNo = 2;
        StageNo = 4;
        TotalPoint = 35000;
        FoeLeft = kPlayed0And2;
        NotOfficial = false;
    }
};

TEST_F(GameDataTest, SaveWritesTheRecordAndMakesTheRunUnofficial) {
    setRun();
    GameData& g = open(true);
    EXPECT_EQ(g.windowTitle(), QStringLiteral("データのセーブ"));
    EXPECT_EQ(g.Label1->text(), QStringLiteral("どこにデータを記録しますか"));
    ui::Click(g.Label2[3]);
    EXPECT_EQ(g.SlotNo, 3);
    watchMessages();
    clickSoon(g.Image1[2]);
    EXPECT_EQ(seen, QStringList{QStringLiteral("セーブが正常に終了しました。")});
    const QString stored = storedSlot(3);
    EXPECT_NE(stored, kExample) << "slots are kept scrambled";
    EXPECT_EQ(DecDigits(stored), kExample);
    EXPECT_TRUE(NotOfficial);
    EXPECT_FALSE(Forms::IsLoaded<GameData>());
    EXPECT_EQ(storedSlot(1), QStringLiteral("<absent>"));
}

TEST_F(GameDataTest, ShowsARecordedSlot) {
    storeSlot(5, EncDigits(kExample));
    GameData& g = open(false);
    EXPECT_EQ(g.windowTitle(), QStringLiteral("データのロード"));
    EXPECT_EQ(g.Label1->text(), QStringLiteral("どのデータを呼び出しますか"));
    ui::Click(g.Label2[5]);
    EXPECT_FALSE(shown(g.Label3));
    EXPECT_FALSE(shown(g.Label6));
    for (QLabel* l : g.Label4) EXPECT_TRUE(shown(l));
    EXPECT_EQ(g.Label5[0]->text(), QStringLiteral("精鋭五戦士（本陣）"));
    EXPECT_EQ(g.Label5[1]->text(), QStringLiteral("35000"));
    EXPECT_EQ(g.Label5[2]->text(), QStringLiteral("ハード"));
    EXPECT_EQ(g.Label5[3]->text(), QStringLiteral("2000/03/09  07:05:09"));
    EXPECT_TRUE(shown(g.Image1[2]));
    // The selected slot is yellow, the others silver.
    EXPECT_EQ(g.Label2[5]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(g.Label2[1]->palette().color(QPalette::WindowText), QColor(192, 192, 192));
}

TEST_F(GameDataTest, EmptySlotCanBeSavedIntoButNotLoaded) {
    for (bool saving : {false, true}) {
        SCOPED_TRACE(saving ? "saving" : "loading");
        GameData& g = open(saving);
        EXPECT_EQ(g.SlotNo, 1);
        EXPECT_TRUE(shown(g.Label3));
        EXPECT_EQ(g.Label3->text(), QStringLiteral("データなし"));
        for (QLabel* l : g.Label4) EXPECT_FALSE(shown(l));
        EXPECT_EQ(shown(g.Image1[2]), saving);
        g.Unload();
    }
}

TEST_F(GameDataTest, BrowsingWrapsAroundTheEightSlots) {
    storeSlot(8, EncDigits(kExample));
    GameData& g = open(false);
    ui::Click(g.Image1[0]);  // back from 1
    EXPECT_EQ(g.SlotNo, 8);
    EXPECT_TRUE(shown(g.Image1[2]));
    ui::Click(g.Image1[1]);  // on from 8
    EXPECT_EQ(g.SlotNo, 1);
    EXPECT_FALSE(shown(g.Image1[2]));
    for (int i = 0; i < 3; ++i) ui::Click(g.Image1[1]);
    EXPECT_EQ(g.SlotNo, 4);
}

TEST_F(GameDataTest, LoadSetsTheRunAndClosesTheTitle) {
    storeSlot(2, EncDigits(kExample));
    Forms::Get<OpenForm>().Show();
    ShowNewGame();
    GainedPoint = 777;
    BriefingDone = true;
    NotOfficial = false;
    GameData& g = open(false);
    ui::Click(g.Label2[2]);
    watchMessages();
    clickSoon(g.Image1[2]);
    // The run starts on its map with the stage's briefing.
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0], QStringLiteral("Vantrax の世界をお楽しみください。"));
    EXPECT_TRUE(seen[1].startsWith(QStringLiteral("歩兵部隊が破れたので"))) << seen[1].toStdString();
    EXPECT_EQ(LevelNo, 2);
    EXPECT_EQ(StageNo, 4);
    EXPECT_EQ(TotalPoint, 35000);
    EXPECT_EQ(FoeLeft, kPlayed0And2);
    EXPECT_EQ(GainedPoint, 0);
    EXPECT_TRUE(NotOfficial);
    EXPECT_FALSE(Forms::IsLoaded<GameData>());
    EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
    EXPECT_FALSE(Forms::IsLoaded<NewForm>()) << "no second run can be started over this one";
    EXPECT_TRUE(Forms::IsLoaded<NewMapForm>());
}

// A slot that does not decode to a whole record is shown as damaged and is
// never read field by field into a run.
TEST_F(GameDataTest, DamagedSlotIsShownAndRefused) {
    const QString damaged[] = {
        QStringLiteral("!!!"),                    // symbols the codec does not know
        EncDigits(QStringLiteral("2040350001")),  // cut short
        // Seven digits of points, as a save of 1,234,567 points would have
        // written without the refusal: every field after it shifts.
        EncDigits(QStringLiteral("2041234567"
                                 "010100002000030907050")),
        EncDigits(QStringLiteral("9040350001010000"
                                 "20000309070509")),  // level 9
        EncDigits(QStringLiteral("2990350001010000"
                                 "20000309070509")),  // stage 99
    };
    for (const QString& value : damaged) {
        SCOPED_TRACE(value.toStdString());
        storeSlot(1, value);
        StageNo = 0;
        LevelNo = 0;
        NotOfficial = false;
        GameData& g = open(false);
        EXPECT_TRUE(shown(g.Label6));
        EXPECT_TRUE(g.Label6->text().contains(QStringLiteral("壊れています")));
        EXPECT_FALSE(shown(g.Label3));
        for (QLabel* l : g.Label4) EXPECT_FALSE(shown(l));
        EXPECT_FALSE(shown(g.Image1[2]));
        // Even pressed, loading refuses and leaves the run as it was.
        seen.clear();
        watchMessages(3'000);
        g.Image1_Click(2);
        EXPECT_EQ(seen, QStringList{QStringLiteral("このデータは壊れているので、ロードできません。")});
        EXPECT_EQ(StageNo, 0);
        EXPECT_EQ(LevelNo, 0);
        EXPECT_FALSE(NotOfficial);
        EXPECT_TRUE(Forms::IsLoaded<GameData>());
        g.Unload();
    }
    // Saving over a damaged slot is allowed.
    GameData& g = open(true);
    EXPECT_TRUE(shown(g.Image1[2]));
}

TEST_F(GameDataTest, PointsBeyondSixDigitsAreNotSaved) {
    storeSlot(1, EncDigits(kExample));
    const QString before = storedSlot(1);
    setRun();
    TotalPoint = 1'000'000;
    GameData& g = open(true);
    watchMessages(3'000);
    clickSoon(g.Image1[2]);
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].contains(QStringLiteral("100万点"))) << seen[0].toStdString();
    EXPECT_EQ(storedSlot(1), before);
    EXPECT_FALSE(NotOfficial);
    EXPECT_TRUE(Forms::IsLoaded<GameData>());
}

TEST_F(GameDataTest, FailedSaveSaysSoAndLeavesTheSlot) {
    storeSlot(1, EncDigits(kExample));
    const QString before = storedSlot(1);
    setRun();
    StageNo = 5;
    GameData& g = open(true);
    watchMessages(3'000);
    {
        FullDisk full;
        clickSoon(g.Image1[2]);
    }
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].contains(QStringLiteral("セーブできませんでした"))) << seen[0].toStdString();
    EXPECT_EQ(storedSlot(1), before);
    EXPECT_FALSE(NotOfficial) << "a run that was not saved stays official";
    EXPECT_TRUE(Forms::IsLoaded<GameData>());
    // The slot still shows what it held.
    EXPECT_EQ(g.Label5[0]->text(), QStringLiteral("精鋭五戦士（本陣）"));
}

TEST_F(GameDataTest, ButtonsAreCutFromTheButtonSheet) {
    const QImage sheet = LoadPicture(DataFileName("Data", 4)).toImage();
    ASSERT_FALSE(sheet.isNull());
    for (bool saving : {true, false}) {
        GameData& g = open(saving);
        const int cells[] = {Sheet4::Previous, Sheet4::Next, saving ? Sheet4::Save : Sheet4::Load, Sheet4::Close};
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(g.Image1[i]->picture().toImage().convertToFormat(QImage::Format_ARGB32),
                      sheet.copy(0, Sheet4::cellTop(cells[i]), Sheet4::kCellWidth, Sheet4::kCellHeight)
                          .convertToFormat(QImage::Format_ARGB32))
                << i;
        g.Unload();
    }
}

}  // namespace
