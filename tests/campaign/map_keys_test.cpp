// The castle maps by keyboard. Off, the keyboard option leaves the maps their
// own key (any key presses start, then stop) and no key answers their
// questions. On, Tab and the arrows go round the shown buttons, Enter or
// Space presses the one with the focus, Escape asks to quit, and Y or N answer.
#include "campaign/campaign_window_test.h"
#include "campaign/new_map_form.h"
#include "campaign/new_new_map.h"
#include "duel/vantra_form.h"
#include "shell/open_form.h"

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>

namespace {

class MapKeysTest : public CampaignWindowTest {
protected:
    void SetUp() override {
        CampaignWindowTest::SetUp();
        MusicOn = false;
        NotOfficial = false;
        Forms::Get<MeinForm>();
    }
    // A stage of the first castle with everybody left, after a lost duel:
    // the map comes up waiting, without a briefing or a count-up.
    NewMapForm& firstCastle() {
        StageNo = 3;
        LevelNo = 1;
        TotalPoint = 20000;
        GainedPoint = 0;
        LastWon = false;
        BriefingDone = true;
        FoeLeft.fill(true);
        ShowNewMap();
        NewMapForm* map = Forms::Find<NewMapForm>();
        EXPECT_NE(map, nullptr);
        return *map;
    }
    NewNewMap& newCastle() {
        StageNo = 12;
        LevelNo = 1;
        TotalPoint = 90000;
        LastWon = false;
        BriefingDone = false;
        ShowNewNewMap();
        NewNewMap* map = Forms::Find<NewNewMap>();
        EXPECT_NE(map, nullptr);
        return *map;
    }
    // A key pressed and released where the keyboard is, each half delivered
    // to the focus of that moment, as the window system does.
    static void key(QWidget* screen, int k) {
        QWidget* win = screen->window();
        auto target = [win, screen] { return win->focusWidget() ? win->focusWidget() : screen; };
        ui::KeyPress(target(), k);
        ui::KeyRelease(target(), k);
    }
    // Presses `k` on the question the message window will show next.
    void answerByKey(int k) {
        time->after(50, [this, k] {
            MesForm* f = Forms::Find<MesForm>();
            ASSERT_NE(f, nullptr) << "no question is open";
            questions << f->Label2->text();
            ui::KeyPress(f, k);
            ui::KeyRelease(f, k);
            // Whatever the key did, the question does not stay open for ever.
            time->after(50, [] {
                if (MesForm* still = Forms::Find<MesForm>()) {
                    stillOpen = true;
                    ui::Click(still->Label3[1]);
                }
            });
        });
    }
    QStringList questions;
    static inline bool stillOpen = false;
};

TEST_F(MapKeysTest, OnTheArrowsAndTabGoRoundTheShownButtons) {
    KeyboardAccess = true;
    NewMapForm& map = firstCastle();
    QWidget* win = map.window();
    ASSERT_EQ(win->focusWidget(), map.StartButton) << "start has the focus once the map waits";
    struct Step {
        int key;
        MapButton* focused;
    };
    // Stop is not shown, so it is passed over; the arrows wrap at the ends.
    const Step steps[] = {{Qt::Key_Right, map.SaveButton},  {Qt::Key_Down, map.QuitButton},
                          {Qt::Key_Right, map.StartButton}, {Qt::Key_Left, map.QuitButton},
                          {Qt::Key_Up, map.SaveButton},     {Qt::Key_Tab, map.QuitButton}};
    for (const Step& s : steps) {
        key(&map, s.key);
        EXPECT_EQ(win->focusWidget(), s.focused) << "after key " << s.key;
    }
    EXPECT_EQ(map.StartButton->accessibleName(), QStringLiteral("スタート"));
    EXPECT_EQ(map.SaveButton->accessibleName(), QStringLiteral("セーブ"));
    EXPECT_EQ(map.QuitButton->accessibleName(), QStringLiteral("やめる"));
    EXPECT_EQ(map.StopButton->accessibleName(), QStringLiteral("ストップ"));
    for (QLabel* f : map.Face)
        if (f->isVisible()) {
            EXPECT_FALSE(f->accessibleName().isEmpty());
        }
}

TEST_F(MapKeysTest, OffTheButtonsTakeNoFocus) {
    KeyboardAccess = false;
    NewMapForm& map = firstCastle();
    for (MapButton* b : {map.StartButton, map.StopButton, map.SaveButton, map.QuitButton})
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(qobject_cast<MapButton*>(map.window()->focusWidget()));
}

// What a key stroke on the waiting first-castle map leads to.
struct MapKeyCase {
    const char* name;
    bool option;
    std::vector<int> keys;
    int answer;  // the key pressed on the question that follows, 0: none expected
    enum Outcome { Waits, Spins, Title } outcome;
    const char* asked;  // the question shown, if any
};

class FirstCastleKeys : public MapKeysTest, public ::testing::WithParamInterface<MapKeyCase> {};

TEST_P(FirstCastleKeys, Stroke) {
    const MapKeyCase c = GetParam();
    KeyboardAccess = c.option;
    stillOpen = false;
    NewMapForm& map = firstCastle();
    if (c.answer) answerByKey(c.answer);
    for (int k : c.keys) key(&map, k);
    advance(100);
    NewMapForm* after = Forms::Find<NewMapForm>();
    switch (c.outcome) {
        case MapKeyCase::Waits:
            ASSERT_NE(after, nullptr);
            EXPECT_TRUE(after->StartButton->isVisible());
            EXPECT_FALSE(after->StopButton->isVisible());
            break;
        case MapKeyCase::Spins:
            ASSERT_NE(after, nullptr);
            EXPECT_TRUE(after->StopButton->isVisible());
            EXPECT_TRUE(after->Timer1->enabled());
            if (c.option) {
                EXPECT_EQ(after->window()->focusWidget(), after->StopButton);
            }
            break;
        case MapKeyCase::Title:
            EXPECT_EQ(after, nullptr);
            EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
            break;
    }
    EXPECT_EQ(questions.size(), c.asked ? 1 : 0);
    if (c.asked && !questions.isEmpty()) {
        EXPECT_EQ(questions[0], QString::fromUtf8(c.asked));
    }
    EXPECT_FALSE(stillOpen) << "Y and N answer";
    EXPECT_FALSE(SaveMode) << "no save was agreed to";
}

const char kQuit[] = "強制終了してもいいですか？";
const char kSave[] = "セーブすると公認記録ではなくなりますが、よろしいですか？";

INSTANTIATE_TEST_SUITE_P(
    Maps, FirstCastleKeys,
    ::testing::Values(
        // Off: every key is the map's own, Escape and Enter included.
        MapKeyCase{"off_escape_starts", false, {Qt::Key_Escape}, 0, MapKeyCase::Spins, nullptr},
        MapKeyCase{"off_enter_starts", false, {Qt::Key_Return}, 0, MapKeyCase::Spins, nullptr},
        MapKeyCase{"off_letter_starts", false, {Qt::Key_A}, 0, MapKeyCase::Spins, nullptr},
        // On: Enter and Space press the focused button, start first.
        MapKeyCase{"on_enter_starts", true, {Qt::Key_Return}, 0, MapKeyCase::Spins, nullptr},
        MapKeyCase{"on_space_starts", true, {Qt::Key_Space}, 0, MapKeyCase::Spins, nullptr},
        MapKeyCase{"on_letter_still_starts", true, {Qt::Key_A}, 0, MapKeyCase::Spins, nullptr},
        MapKeyCase{"on_arrows_only_move", true, {Qt::Key_Right, Qt::Key_Left}, 0, MapKeyCase::Waits, nullptr},
        // On: Escape is the quit button, and the question takes Y or N.
        MapKeyCase{"on_escape_yes_quits", true, {Qt::Key_Escape}, Qt::Key_Y, MapKeyCase::Title, kQuit},
        MapKeyCase{"on_escape_no_stays", true, {Qt::Key_Escape}, Qt::Key_N, MapKeyCase::Waits, kQuit},
        MapKeyCase{"on_enter_on_save_no", true, {Qt::Key_Right, Qt::Key_Return}, Qt::Key_N, MapKeyCase::Waits, kSave}),
    [](const auto& info) { return std::string(info.param.name); });

// Off, the question comes from a click, and Y does not answer it.
TEST_F(MapKeysTest, OffAClickAsksAndYDoesNotAnswer) {
    KeyboardAccess = false;
    stillOpen = false;
    NewMapForm& map = firstCastle();
    answerByKey(Qt::Key_Y);
    ui::Click(map.QuitButton);
    advance(200);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(Forms::IsLoaded<NewMapForm>());
}

// While the roulette spins there is nothing to cancel: Escape must not stop it
// and send the player into a duel. Enter on the focused stop does.
TEST_F(MapKeysTest, OnEscapeLeavesTheRouletteAndEnterStopsIt) {
    KeyboardAccess = true;
    NewMapForm& map = firstCastle();
    key(&map, Qt::Key_Return);
    advance(600);
    key(&map, Qt::Key_Escape);
    advance(600);
    ASSERT_TRUE(Forms::IsLoaded<NewMapForm>());
    EXPECT_TRUE(map.StopButton->isVisible());
    EXPECT_TRUE(questions.isEmpty());
    key(&map, Qt::Key_Return);
    advance(100);
    EXPECT_TRUE(Forms::IsLoaded<VantraForm>());
    EXPECT_FALSE(Forms::IsLoaded<NewMapForm>());
}

// At 2x the map lives in the view that scales the screens; the keys reach
// its buttons through the view, as they come from the window system.
TEST_F(MapKeysTest, OnTheKeysReachTheMapThroughTheScalingView) {
    KeyboardAccess = true;
    MeinForm& main = Forms::Get<MeinForm>();
    main.resize(1600, 1300);
    main.show();
    Forms::setScale(2);
    NewMapForm& map = firstCastle();
    ASSERT_NE(map.graphicsProxyWidget(), nullptr);
    main.activateWindow();
    advance(10);
    auto viaTheWindow = [&](int k) {
        QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : &main;
        ui::KeyPress(to, k);
        ui::KeyRelease(to, k);
    };
    ASSERT_EQ(map.focusWidget(), map.StartButton);
    ASSERT_EQ(QApplication::focusWidget(), Forms::scaledView()) << "the window system's keys go to the view";
    viaTheWindow(Qt::Key_Right);
    EXPECT_EQ(map.focusWidget(), map.SaveButton);
    viaTheWindow(Qt::Key_Left);
    viaTheWindow(Qt::Key_Return);
    EXPECT_TRUE(map.StopButton->isVisible());
    EXPECT_EQ(map.focusWidget(), map.StopButton);
    Forms::setScale(1);
}

TEST_F(MapKeysTest, OnTheNewCastleTakesEscapeAndEnter) {
    KeyboardAccess = true;
    for (int answer : {Qt::Key_N, Qt::Key_Y}) {
        Forms::discardAll();
        Forms::Get<MeinForm>();
        questions.clear();
        NewNewMap& map = newCastle();
        ASSERT_EQ(map.window()->focusWidget(), map.StartButton);
        answerByKey(answer);
        key(&map, Qt::Key_Escape);
        advance(100);
        EXPECT_EQ(questions, QStringList{QString::fromUtf8(kQuit)});
        EXPECT_EQ(Forms::IsLoaded<NewNewMap>(), answer == Qt::Key_N);
        EXPECT_EQ(Forms::IsLoaded<OpenForm>(), answer == Qt::Key_Y);
    }
    Forms::discardAll();
    Forms::Get<MeinForm>();
    NewNewMap& map = newCastle();
    key(&map, Qt::Key_Right);
    EXPECT_EQ(map.window()->focusWidget(), map.SaveButton);
    key(&map, Qt::Key_Left);
    key(&map, Qt::Key_Return);
    advance(3000);
    EXPECT_TRUE(Forms::IsLoaded<VantraForm>());
    EXPECT_FALSE(Forms::IsLoaded<NewNewMap>());
}

}  // namespace
