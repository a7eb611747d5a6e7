#include "campaign/mes_form.h"
#include "scene_test.h"
#include "scenes/new_opening.h"

namespace {

class PassageTest : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        keepClosingMessages();
    }
    // The new-castle map may greet the player when the passage hands over;
    // its messages are closed as they come.
    void keepClosingMessages() {
        time->after(200, [this] {
            if (MesForm* m = Forms::Find<MesForm>(); m && m->isVisible()) ui::Click(m->Label3[1]);
            keepClosingMessages();
        });
    }
    NewOpening& start() {
        SetMenu(2);  // as the map leaves it
        StageNo = 10;
        LastWon = false;
        BriefingDone = true;
        ShowNewOpening();
        NewOpening* f = Forms::Find<NewOpening>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
    void expectOnTheNewCastle() {
        EXPECT_FALSE(Forms::IsLoaded<NewOpening>());
        EXPECT_EQ(StageNo, 11);
        EXPECT_TRUE(LastWon);
        EXPECT_FALSE(BriefingDone);
    }
};

TEST_F(PassageTest, EveryStepPaintsItsPictureForItsInterval) {
    NewOpening& f = start();
    EXPECT_TRUE(menusInSceneMode());
    std::vector<Tick> ticks = play(&f, f.Timer1, [&f] { return ShownPicture(f.Picture1, f.frames); });
    // Picture shown (0 the blank canvas) and interval after each step; the
    // steps after 27 hold the last picture until step 40 ends the passage.
    struct Row {
        int32_t step;
        int shown;
        int64_t interval;
    };
    const Row rows[] = {{1, 0, 1000},  {2, 0, 1000},  {3, 1, 2000},  {4, 5, 100},   {5, 4, 100},   {6, 3, 100},
                        {7, 2, 100},   {8, 2, 10000}, {9, 3, 100},   {10, 4, 100},  {11, 5, 100},  {12, 1, 3000},
                        {13, 6, 3000}, {14, 6, 50},   {15, 11, 50},  {16, 10, 50},  {17, 9, 50},   {18, 8, 50},
                        {19, 7, 6000}, {20, 6, 2000}, {21, 12, 100}, {22, 13, 100}, {23, 14, 100}, {24, 15, 100},
                        {25, 16, 100}, {26, 17, 100}, {27, 18, 100}};
    ASSERT_EQ(ticks.size(), 40u);
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "step " << r.step);
        const Tick& t = ticks[static_cast<size_t>(r.step - 1)];
        EXPECT_EQ(t.step, r.step);
        EXPECT_EQ(t.shown, r.shown);
        EXPECT_EQ(t.interval, r.interval);
    }
    for (size_t i = 27; i < 39; ++i) {
        EXPECT_EQ(ticks[i].shown, 18);
        EXPECT_EQ(ticks[i].interval, 100);
    }
    EXPECT_EQ(ticks.back().step, -1) << "step 40 closed the passage";
    expectOnTheNewCastle();
}

TEST_F(PassageTest, AKeyOrAClickLeadsToTheNewCastleLikeTheEnd) {
    struct Case {
        int32_t step;
        const char* input;
    };
    for (const Case& c : {Case{0, "key"}, Case{8, "key"}, Case{8, "click"}, Case{20, "canvas"}, Case{39, "key"}}) {
        SCOPED_TRACE(testing::Message() << c.input << " after step " << c.step);
        NewOpening& f = start();
        if (c.step > 0) runToStep(&f, f.Timer1, c.step);
        const std::string input = c.input;
        QPointer<NewOpening> form(&f);
        if (input == "key") {
            // Two presses in a row (a key held down) still end it once.
            time->after(1, [form] {
                ui::KeyPress(form, Qt::Key_Return);
                if (form) ui::KeyPress(form, Qt::Key_Return);
            });
            advance(2);
        } else {
            clickSoon(input == "canvas" ? static_cast<QWidget*>(f.Picture1) : &f);
        }
        expectOnTheNewCastle();
        advance(60000);
        EXPECT_EQ(StageNo, 11);
        Forms::discardAll();
        Forms::Get<MeinForm>();
        advance(10);
    }
}

TEST_F(PassageTest, TheCanvasStaysAtTheCentreWhenTheWindowChanges) {
    NewOpening& f = start();
    MeinForm& m = *Forms::Find<MeinForm>();
    for (QSize client : {QSize(800, 600), QSize(1023, 701), QSize(640, 480)}) {
        m.Client->resize(client);
        advance(1);
        EXPECT_EQ(f.size(), client);
        EXPECT_EQ(f.Picture1->size(), QSize(375, 258));
        // Half a pixel goes to the even side, as the game rounds.
        EXPECT_NEAR(f.Picture1->x(), client.width() / 2.0 - 187.5, 0.5);
        EXPECT_NEAR(f.Picture1->y(), client.height() / 2.0 - 129, 0.5);
    }
}

}  // namespace
