#include "scene_test.h"
#include "scenes/ending_form.h"
#include "scenes/over_form.h"
#include "scenes/staff_form.h"

namespace {

class EndingTest : public SceneTest {
protected:
    EndingForm& start() {
        ShowEnding();
        EndingForm* f = Forms::Find<EndingForm>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
};

// What the ending shows after each step and how long until the next: 0 is
// the blank canvas. Step 45, the making-of hint, comes only at the end of an
// official run.
struct EndingRow {
    int32_t step;
    int shown;
    int64_t interval;
};
const EndingRow kEnding[] = {
    {1, 1, 2000},    {2, 2, 100},     {3, 3, 100},    {4, 4, 8000},   {5, 5, 150},    {6, 6, 150},   {7, 7, 8000},
    {8, 8, 150},     {9, 9, 150},     {10, 10, 8000}, {11, 11, 100},  {12, 12, 100},  {13, 1, 3000}, {14, 13, 150},
    {15, 14, 150},   {16, 15, 12000}, {17, 14, 150},  {18, 13, 150},  {19, 1, 3000},  {20, 16, 100}, {21, 17, 100},
    {22, 18, 100},   {23, 19, 100},   {24, 20, 100},  {25, 21, 5000}, {26, 22, 100},  {27, 23, 500}, {28, 24, 100},
    {29, 25, 100},   {30, 26, 100},   {31, 27, 100},  {32, 28, 100},  {33, 29, 5000}, {34, 30, 200}, {35, 31, 200},
    {36, 32, 200},   {37, 33, 200},   {38, 33, 8000}, {39, 34, 4000}, {40, 35, 100},  {41, 36, 100}, {42, 37, 100},
    {43, 38, 10000}, {44, 0, 3000},   {45, 0, 10000},
};

TEST_F(EndingTest, EveryStepShowsItsPictureForItsInterval) {
    for (bool unofficial : {false, true}) {
        SCOPED_TRACE(unofficial ? "unofficial run" : "official run");
        NotOfficial = unofficial;
        EndingForm& f = start();
        EXPECT_TRUE(menusInSceneMode());
        EXPECT_FALSE(f.Label1->isVisible());
        bool hintSeen = false;
        std::vector<Tick> ticks = play(&f, f.Timer1, [&f, &hintSeen] {
            hintSeen = hintSeen || f.Label1->isVisible();
            return ShownPicture(f.Picture1, f.frames);
        });
        std::vector<EndingRow> expected;
        for (EndingRow r : kEnding) {
            if (unofficial && r.step == 45) continue;
            // The step after the pictures jumps over the hint in an unofficial run.
            if (unofficial && r.step == 44) r.step = 45;
            expected.push_back(r);
        }
        ASSERT_EQ(ticks.size(), expected.size() + 1);
        for (size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "step " << expected[i].step);
            EXPECT_EQ(ticks[i].step, expected[i].step);
            EXPECT_EQ(ticks[i].shown, expected[i].shown);
            EXPECT_EQ(ticks[i].interval, expected[i].interval);
        }
        EXPECT_EQ(hintSeen, !unofficial);
        EXPECT_FALSE(Forms::IsLoaded<EndingForm>());
        EXPECT_TRUE(Forms::IsLoaded<StaffForm>());
        Forms::Unload<StaffForm>();
        Forms::Unload<OpenForm>();
        advance(1);
    }
}

TEST_F(EndingTest, LastsTheSumOfItsIntervalsAndTenSecondsLessWhenUnofficial) {
    int64_t sum = 0;
    for (const EndingRow& r : kEnding) sum += r.interval;
    struct Case {
        bool unofficial;
        int64_t lasts;
    };
    // The first step comes a second after loading.
    for (const Case& c : {Case{false, 1000 + sum}, Case{true, 1000 + sum - 10000}}) {
        NotOfficial = c.unofficial;
        EndingForm& f = start();
        const uint64_t begin = time->now();
        std::vector<Tick> ticks = play(&f, f.Timer1, [] { return 0; });
        ASSERT_FALSE(ticks.empty());
        EXPECT_EQ(static_cast<int64_t>(ticks.back().at - begin), c.lasts) << "unofficial " << c.unofficial;
        EXPECT_TRUE(Forms::IsLoaded<StaffForm>());
        Forms::Unload<StaffForm>();
        Forms::Unload<OpenForm>();
        advance(1);
    }
}

TEST_F(EndingTest, AClickAtAnyStepOpensTheStaffRollAtOnce) {
    // Before the first step, on held pictures, on quick runs, on the blank
    // canvas and on the hint.
    for (int32_t step : {0, 1, 2, 13, 16, 26, 38, 43, 44, 45}) {
        SCOPED_TRACE(testing::Message() << "click after step " << step);
        EndingForm& f = start();
        if (step > 0) runToStep(&f, f.Timer1, step);
        QWidget* target = step % 2 ? static_cast<QWidget*>(f.Picture1) : &f;
        clickSoon(target);
        EXPECT_FALSE(Forms::IsLoaded<EndingForm>());
        EXPECT_TRUE(Forms::IsLoaded<StaffForm>());
        Forms::Unload<StaffForm>();
        Forms::Unload<OpenForm>();
        advance(1);
    }
}

TEST_F(EndingTest, ClosingWhileItPreloadsStopsLoadingAndStillLeadsToTheStaffRoll) {
    // The unload arrives between two pictures of the preload.
    QPointer<EndingForm> seen;
    size_t loaded = 0;
    time->after(5, [&] {
        seen = Forms::Find<EndingForm>();
        ASSERT_TRUE(seen);
        loaded = static_cast<size_t>(seen->frames.loaded());
        seen->Unload();
    });
    ShowEnding();
    EXPECT_GT(loaded, 0u);
    EXPECT_LT(loaded, 38u);
    if (seen) {
        EXPECT_EQ(seen->frames.size(), 0);
        EXPECT_FALSE(seen->Timer1->enabled());
        EXPECT_FALSE(seen->isVisible());
    }
    EXPECT_TRUE(Forms::IsLoaded<StaffForm>());
    advance(5000);
    EXPECT_FALSE(seen);
}

TEST_F(EndingTest, GameOverHoldsThreeSecondsWithoutSkipThenTheStaffRoll) {
    ShowGameOver();
    OverForm* f = Forms::Find<OverForm>();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(menusInSceneMode());
    EXPECT_EQ(f->Picture1->size(), QSize(400, 300));
    EXPECT_EQ(ShownPicture(f->Picture1, std::vector<QPixmap>()), -1) << "the game-over picture is up";
    clickSoon(f->Picture1);
    clickSoon(f);
    ui::KeyPress(f, Qt::Key_Space);
    advance(2995 - 4);
    EXPECT_TRUE(Forms::IsLoaded<OverForm>());
    EXPECT_FALSE(Forms::IsLoaded<StaffForm>());
    advance(10);
    EXPECT_FALSE(Forms::IsLoaded<OverForm>());
    EXPECT_TRUE(Forms::IsLoaded<StaffForm>());
}

}  // namespace
