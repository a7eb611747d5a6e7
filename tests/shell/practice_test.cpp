#include "app/forms.h"
#include "campaign/roster.h"
#include "look/look.h"
#include "shell/open_form.h"
#include "shell/option_form.h"
#include "shell/p_main_form.h"
#include "shell/shell_test.h"

#include <QAction>

namespace {

class PracticeTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        MesTime = 3;  // the guide's timed message closes after 900 ms
        Forms::Get<MeinForm>();
        advance(10);  // the window system settles the maximised frame
    }
};

TEST(PracticeRules, LevelValues) {
    struct Case {
        int16_t level;
        int32_t a, b, c;
    };
    const Case cases[] = {{0, 10, 100, 10}, {1, 30, 70, 30}, {2, 50, 50, 50}, {3, 70, 50, 70}};
    for (const Case& c : cases) {
        const PracticeValues v = PracticeLevelValues(c.level);
        EXPECT_EQ(v.paramA, c.a) << c.level;
        EXPECT_EQ(v.paramB, c.b) << c.level;
        EXPECT_EQ(v.paramC, c.c) << c.level;
    }
}

TEST(PracticeRules, MakingOfGestureIsShiftAlone) {
    EXPECT_TRUE(IsMakingOfGesture(Qt::ShiftModifier));
    EXPECT_TRUE(IsMakingOfGesture(Qt::ShiftModifier | Qt::KeypadModifier));
    EXPECT_FALSE(IsMakingOfGesture(Qt::NoModifier));
    EXPECT_FALSE(IsMakingOfGesture(Qt::ShiftModifier | Qt::ControlModifier));
    EXPECT_FALSE(IsMakingOfGesture(Qt::ShiftModifier | Qt::AltModifier));
    EXPECT_FALSE(IsMakingOfGesture(Qt::ControlModifier));
}

TEST_F(PracticeTest, VeryEasyFromTheMenuWithoutThePracticeWindow) {
    Forms::Get<OpenForm>().Show();
    ASSERT_FALSE(Forms::IsLoaded<p_MainForm>());
    bool loadedDuringMessage = false, visibleDuringMessage = true;
    QString text, speaker;
    time->after(100, [&] {
        loadedDuringMessage = Forms::IsLoaded<p_MainForm>();
        visibleDuringMessage = loadedDuringMessage && Forms::Find<p_MainForm>()->isVisible();
        text = Forms::Find<MesForm>()->Label2->text();
        speaker = Forms::Find<MesForm>()->Label1->text();
    });
    const uint64_t start = time->elapsed();
    Forms::Find<MeinForm>()->mnuLevel[0]->trigger();
    EXPECT_GE(time->elapsed() - start, 900u);  // the timed message ran its time
    EXPECT_TRUE(loadedDuringMessage);
    EXPECT_FALSE(visibleDuringMessage);
    EXPECT_EQ(text, QStringLiteral("では、私と勝負しましょう。"));
    EXPECT_EQ(speaker, GuideLine());
    EXPECT_FALSE(Forms::IsLoaded<p_MainForm>());
    EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
    EXPECT_EQ(GameMode, 255);
    EXPECT_EQ(DuelFoeName, GuideLine());
    EXPECT_EQ(DuelFoeFace, 28);
    EXPECT_EQ(DuelParamA, 10);
    EXPECT_EQ(DuelParamB, 100);
    EXPECT_EQ(DuelParamC, 10);
    EXPECT_EQ(DuelMusic, 3);
}

TEST_F(PracticeTest, PracticePicturesStartTheirLevels) {
    struct Case {
        int picture;
        uint8_t a, b, c;
    };
    const Case cases[] = {{0, 30, 70, 30}, {1, 50, 50, 50}, {2, 70, 50, 70}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        Forms::discardAll();
        advance(1);
        Forms::Get<MeinForm>();
        Forms::Get<OpenForm>().Show();
        Forms::Get<OpenForm>().Image1_Click(2);
        ASSERT_TRUE(Forms::IsLoaded<p_MainForm>());
        p_MainForm& p = *Forms::Find<p_MainForm>();
        EXPECT_TRUE(p.isVisible());
        clickSoon(p.Image1[static_cast<size_t>(c.picture)]);
        EXPECT_FALSE(Forms::IsLoaded<p_MainForm>());
        EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
        EXPECT_EQ(GameMode, 255);
        EXPECT_EQ(DuelParamA, c.a);
        EXPECT_EQ(DuelParamB, c.b);
        EXPECT_EQ(DuelParamC, c.c);
    }
}

// The background is held at the density the screens are drawn at, and
// follows a factor chosen while the window is open.
TEST_F(PracticeTest, TheBackgroundFollowsTheScreensFactorAtItsSize) {
    ShowPractice();
    p_MainForm& p = *Forms::Find<p_MainForm>();
    const QSize logical = p.Picture.deviceIndependentSize().toSize();
    for (qreal factor : {1.5, 2.0, 3.0, 1.0}) {
        Forms::setScale(factor);
        p.update();
        advance(1);
        EXPECT_EQ(p.Picture.devicePixelRatio(), std::min(factor, 2.0)) << factor;
        EXPECT_EQ(p.Picture.deviceIndependentSize().toSize(), logical) << factor;
    }
}

TEST_F(PracticeTest, ClosingThePracticeWindowLeavesTheTitleAsItWas) {
    OpenForm& title = Forms::Get<OpenForm>();
    title.Show();
    const QPoint at = title.pos();
    title.Image1_Click(2);
    p_MainForm& p = *Forms::Find<p_MainForm>();
    EXPECT_EQ(p.size(), p.Picture.deviceIndependentSize().toSize());
    ui::Click(p.Image1[3]);
    EXPECT_FALSE(Forms::IsLoaded<p_MainForm>());
    ASSERT_EQ(Forms::Find<OpenForm>(), &title);
    EXPECT_TRUE(title.isVisible());
    EXPECT_EQ(title.pos(), at);
    EXPECT_TRUE(Forms::Find<MeinForm>()->mnuNew->isEnabled());
    EXPECT_EQ(GameMode, 0);
}

TEST_F(PracticeTest, ShiftCtrlClickOnTheTitleBackgroundDoesNothing) {
    OpenForm& title = Forms::Get<OpenForm>();
    title.Show();
    for (Qt::KeyboardModifiers mods :
         {Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier), Qt::KeyboardModifiers(Qt::NoModifier)}) {
        ui::Click(&title, mods, QPoint(20, title.height() - 20));
        advance(10);
        ASSERT_EQ(Forms::Find<OpenForm>(), &title);
        EXPECT_TRUE(title.isVisible());
    }
}

TEST_F(PracticeTest, TitleButtons) {
    OpenForm& title = Forms::Get<OpenForm>();
    title.Show();
    EXPECT_TRUE(Forms::Find<MeinForm>()->mnuNew->isEnabled());  // menu mode 1
    for (PlaqueButton* b : title.Image1) EXPECT_TRUE(b->testAttribute(Qt::WA_SetCursor));
    SaveMode = true;
    dismissAfter(50);  // the save slots are not in the game yet
    ui::Click(title.Image1[1]);
    EXPECT_FALSE(SaveMode);
    ui::Click(title.Image1[5]);
    EXPECT_TRUE(Forms::IsLoaded<OptionForm>());
    EXPECT_EQ(Forms::Find<OpenForm>(), &title);
}

}  // namespace
