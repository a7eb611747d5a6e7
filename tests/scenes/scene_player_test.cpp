#include "scene_test.h"
#include "scenes/ending_form.h"
#include "scenes/making_form.h"
#include "scenes/over_form.h"
#include "scenes/staff_form.h"

namespace {

TEST(ScenePlayer, AStepWithoutARowDoesNothing) {
    const SceneScript script = {{1, 1, 100, {}}, {3, 6, 50, {}}, {9, 9, 0, {}}};
    struct Case {
        int32_t step;
        int row;  // index into the script, -1 for none
    };
    for (const Case& c :
         {Case{0, -1}, Case{1, 0}, Case{2, -1}, Case{3, 1}, Case{6, 1}, Case{7, -1}, Case{9, 2}, Case{10, -1}}) {
        const SceneStep* row = FindSceneStep(script, c.step);
        EXPECT_EQ(row ? static_cast<int>(row - script.data()) : -1, c.row) << "step " << c.step;
    }
}

class ScenePlayerTest : public SceneTest {};

TEST_F(ScenePlayerTest, SettingAnIntervalRestartsTheCountdownEvenWhenItIsTheSame) {
    int ticks = 0;
    host::Timer t(nullptr, 100, [&ticks] { ++ticks; });
    t.setEnabled(true);
    advance(60);
    SceneForm::SetInterval(t, 100);
    advance(99);
    EXPECT_EQ(ticks, 0) << "the countdown began again at 60 ms";
    advance(1);
    EXPECT_EQ(ticks, 1);
}

TEST_F(ScenePlayerTest, AStepsIntervalRunsFromTheTickNotFromTheEndOfItsDrawing) {
    // A step that draws in a loop letting events run (the staff roll's
    // portraits) still waits exactly its interval from the tick.
    struct Drawing : SceneForm {
        host::Timer* Timer1 = new host::Timer(this, 100, [this] { RunStep(*Timer1, script); });
        SceneScript script = {{1, 2, 500, [](int32_t) {
                                   for (int i = 0; i < 30; ++i) host::DoEvents();
                               }}};
    };
    auto* f = new Drawing;
    f->Timer1->setEnabled(true);
    const uint64_t firstTick = time->now() + 100;
    advance(100);
    EXPECT_EQ(f->Step, 1);
    EXPECT_EQ(f->Timer1->deadline(), firstTick + 500);
    f->Unload();
    advance(1);
}

// Each scene that keeps a canvas centred in a window covering the client area.
struct Opener {
    const char* name;
    std::function<void()> show;
    std::function<SceneForm*()> find;
};

TEST_F(ScenePlayerTest, TheCanvasStaysCentredAndTheMenusStayOffInEveryScene) {
    const Opener openers[] = {
        {"ending", [] { ShowEnding(); }, [] { return static_cast<SceneForm*>(Forms::Find<EndingForm>()); }},
        {"game over", [] { ShowGameOver(); }, [] { return static_cast<SceneForm*>(Forms::Find<OverForm>()); }},
        {"staff roll", [] { ShowStaffRoll(); }, [] { return static_cast<SceneForm*>(Forms::Find<StaffForm>()); }},
        {"making-of", [] { ShowMaking(); }, [] { return static_cast<SceneForm*>(Forms::Find<MakingForm>()); }},
    };
    for (const Opener& o : openers) {
        SCOPED_TRACE(o.name);
        MeinForm& m = *Forms::Find<MeinForm>();
        SetMenu(1);
        o.show();
        SceneForm* f = o.find();
        ASSERT_NE(f, nullptr);
        EXPECT_TRUE(menusInSceneMode());
        for (QSize client : {QSize(900, 700), QSize(641, 481), QSize(1280, 960)}) {
            m.Client->resize(client);
            advance(1);
            // The scene covers the client area at any size the window fits
            // the screens at (1280 x 960 is 2x), laid out in its own pixels.
            const QSize area = Forms::screenArea();
            EXPECT_EQ(area, client / Forms::scale());
            EXPECT_EQ(f->geometry().size(), area);
            EXPECT_EQ(Forms::mapToHost(f, QPointF(0, 0)), QPoint(0, 0));
            const QWidget* c = f->Picture1;
            if (o.name == std::string("making-of")) {
                EXPECT_EQ(c->x(), (area.width() - c->width()) / 2);  // the caption sits under it
            } else {
                EXPECT_EQ(c->pos(), QPoint((area.width() - c->width()) / 2, (area.height() - c->height()) / 2));
            }
        }
        Forms::discardAll();
        Forms::Get<MeinForm>();
        advance(10);
    }
}

}  // namespace
