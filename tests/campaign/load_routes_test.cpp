// Where a loaded slot leads, loading over an open map, and the menu's save
// command on the maps.
#include "campaign/campaign_window_test.h"
#include "campaign/campaign_windows.h"
#include "campaign/game_data.h"
#include "campaign/new_map_form.h"
#include "campaign/new_new_map.h"
#include "campaign/sheet_button.h"
#include "scenes/new_opening.h"
#include "shell/open_form.h"

#include <QAction>

namespace {

class LoadRoutesTest : public CampaignWindowTest {
protected:
    void SetUp() override {
        CampaignWindowTest::SetUp();
        Forms::Get<MeinForm>();
    }
    static void storeRecord(int slot, const char* digits) {
        ASSERT_TRUE(host::settings().save(kAppName, QStringLiteral("Data"), QStringLiteral("Data%1").arg(slot),
                                          EncDigits(QString::fromLatin1(digits))));
    }
    void load(int slot) {
        SaveMode = false;
        ShowGameData();
        GameData* g = Forms::Find<GameData>();
        ASSERT_NE(g, nullptr);
        ui::Click(g->Label2[static_cast<size_t>(slot)]);
        watchMessages();
        clickSoon(g->Image1[2]);
        advance(20'000);
    }
    // A first-castle map waiting for the player at stage 4, as a new game
    // from the elite warriors leaves it.
    NewMapForm& mapWaiting() {
        LevelNo = 1;
        StageNo = 4;
        TotalPoint = 20000;
        FoeLeft.fill(true);
        NotOfficial = false;
        watchMessages();
        ShowNewMap();
        advance(10'000);
        NewMapForm* m = Forms::Find<NewMapForm>();
        EXPECT_NE(m, nullptr);
        EXPECT_TRUE(m->SaveButton->isVisibleTo(m));
        return *m;
    }
};

TEST_F(LoadRoutesTest, StageDecidesWhichScreenALoadOpens) {
    struct Row {
        const char* digits;
        bool firstCastle, newCastle;
    };
    const Row rows[] = {
        {"1090650000000000"
         "20240101120000",
         true, false},
        // The passage never shows the first castle: its opening leads on.
        {"3101820000000000"
         "20240101120000",
         false, true},
        {"2120900000000000"
         "20240101120000",
         false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.digits);
        storeRecord(1, r.digits);
        Forms::Get<OpenForm>().Show();
        load(1);
        EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
        // Stage 10 plays the new castle's opening first, which leads on by itself.
        if (Forms::IsLoaded<NewOpening>()) {
            EXPECT_FALSE(Forms::IsLoaded<NewMapForm>());
            advance(120'000);
            EXPECT_FALSE(Forms::IsLoaded<NewOpening>());
        }
        EXPECT_EQ(Forms::IsLoaded<NewMapForm>(), r.firstCastle);
        EXPECT_EQ(Forms::IsLoaded<NewNewMap>(), r.newCastle);
        CloseCastleMaps();
    }
}

TEST_F(LoadRoutesTest, ALoadedRunStartsWithItsBriefingAndNoCountUp) {
    storeRecord(1,
                "1040240000110000"
                "20240101120000");
    GainedPoint = 5000;
    LastWon = true;
    load(1);
    NewMapForm* m = Forms::Find<NewMapForm>();
    ASSERT_NE(m, nullptr);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_TRUE(seen[1].startsWith(QStringLiteral("歩兵部隊が破れたので"))) << seen.join('|').toStdString();
    EXPECT_EQ(TotalPoint, 24000);
    EXPECT_EQ(m->PointLabel->text(), QStringLiteral("24000"));
    EXPECT_EQ(GainedPoint, 0);
}

TEST_F(LoadRoutesTest, LoadingFromAMapReplacesIt) {
    mapWaiting();
    storeRecord(2,
                "2130900000000000"
                "20240101120000");
    EXPECT_TRUE(ui::ShortcutKey(Forms::Find<MeinForm>(), Qt::Key_O, Qt::ControlModifier));
    load(2);
    EXPECT_FALSE(Forms::IsLoaded<NewMapForm>());
    ASSERT_TRUE(Forms::IsLoaded<NewNewMap>());
    EXPECT_EQ(StageNo, 13);
}

TEST_F(LoadRoutesTest, MenuSaveDoesWhatTheMapsSaveButtonDoes) {
    NewMapForm& m = mapWaiting();
    MeinForm* main = Forms::Find<MeinForm>();
    ASSERT_TRUE(main->mnuSave->isEnabled());
    // An official run is asked about first; no leaves it as it was.
    answerAfter(50, false);
    main->mnuSave->trigger();
    EXPECT_EQ(questions,
              std::vector<QString>{QStringLiteral("セーブすると公認記録ではなくなりますが、よろしいですか？")});
    EXPECT_FALSE(Forms::IsLoaded<GameData>());
    answerAfter(50, true);
    main->mnuSave->trigger();
    GameData* g = Forms::Find<GameData>();
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(g->saving());
    g->Unload();
    // While the map is busy (its buttons hidden) there is nothing to save.
    m.SaveButton->hide();
    questions.clear();
    main->mnuSave->trigger();
    advance(1'000);
    EXPECT_TRUE(questions.empty());
    EXPECT_FALSE(Forms::IsLoaded<GameData>());
}

}  // namespace
