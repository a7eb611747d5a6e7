#include "scene_test.h"
#include "scenes/staff_form.h"
#include "scenes/staff_roll.h"

#include <set>

namespace {

TEST(StaffRoll, FiftySixLinesWithTheRoleHeadingsInPlace) {
    struct Heading {
        int line;
        const char* text;
    };
    const Heading headings[] = {{1, "PROGRAM"}, {3, "SCENARIO"},    {6, "ART"},
                                {9, "VOICE"},   {12, "B.G.M"},      {18, "CAMERA"},
                                {20, "SCAN"},   {23, "PHOTOGRAPH"}, {53, "Special Thanks"}};
    std::set<int> headingLines;
    for (const Heading& h : headings) {
        headingLines.insert(h.line);
        EXPECT_TRUE(kStaffRoll[static_cast<size_t>(h.line - 1)].heading) << h.line;
        EXPECT_STREQ(kStaffRoll[static_cast<size_t>(h.line - 1)].text, h.text);
    }
    std::set<std::string> names;
    for (int line = 1; line <= kRollCount; ++line) {
        const RollLine& l = kStaffRoll[static_cast<size_t>(line - 1)];
        EXPECT_EQ(l.heading, headingLines.count(line) == 1) << line;
        EXPECT_GT(std::strlen(l.text), 0u) << line;
        if (!l.heading) names.insert(l.text);
    }
    EXPECT_EQ(names.size(), 47u) << "47 different credited names";
    EXPECT_STREQ(kStaffRoll.back().text, "All Of User");
    for (const char* portrait : kPortraitNames) EXPECT_EQ(names.count(portrait), 1u) << portrait;
}

TEST(StaffRoll, LinesStandWhereTheScrollHasTakenThem) {
    struct Case {
        int32_t s;
        std::vector<RollPlacement> lines;
    };
    const Case cases[] = {
        {0, {{1, 400}}},
        {4, {{1, 396}}},
        {39, {{1, 361}}},
        {40, {{2, 400}, {1, 360}}},
        {2200,
         {{56, 400},
          {55, 360},
          {54, 320},
          {53, 280},
          {52, 240},
          {51, 200},
          {50, 160},
          {49, 120},
          {48, 80},
          {47, 40},
          {46, 0}}},
        {2608, {{56, -8}}},
        {2648, {}},  // the last roll step: every line has left the top
    };
    for (const Case& c : cases) {
        const std::vector<RollPlacement> got = RollLinesAt(c.s);
        ASSERT_EQ(got.size(), c.lines.size()) << "s = " << c.s;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].line, c.lines[i].line) << "s = " << c.s;
            EXPECT_EQ(got[i].y, c.lines[i].y) << "s = " << c.s;
        }
    }
    // At every scroll of the roll: y = 400 + 40 (L - 1) - s, at most eleven
    // lines, and none missing that stands inside the canvas.
    for (int32_t s = 0; s <= 2648; s += 4) {
        const std::vector<RollPlacement> got = RollLinesAt(s);
        EXPECT_LE(got.size(), 11u);
        std::set<int> drawn;
        for (const RollPlacement& p : got) {
            EXPECT_EQ(p.y, 400 + 40 * (p.line - 1) - s) << "s = " << s;
            drawn.insert(p.line);
        }
        for (int line = 1; line <= kRollCount; ++line) {
            const int y = 400 + 40 * (line - 1) - s;
            if (y > -40 && y < 400) {
                EXPECT_EQ(drawn.count(line), 1u) << "line " << line << " at s = " << s;
            }
        }
    }
}

class StaffTest : public SceneTest {
protected:
    StaffForm& start() {
        ShowStaffRoll();
        StaffForm* f = Forms::Find<StaffForm>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
    static QColor colour(QLabel* l) { return l->palette().color(QPalette::WindowText); }
};

struct StaffRow {
    int32_t step;
    int64_t interval;
    QColor title;      // invalid while Label1 is hidden
    int portrait;      // the portrait up in Picture1, 0 for black; -2 when hidden
    const char* name;  // Label3, null while hidden
    QColor closing;    // Label4, invalid while hidden
};

TEST_F(StaffTest, TheTitleFadesThePortraitsOpenAndTheMakersLineFades) {
    StaffForm& f = start();
    EXPECT_TRUE(menusInSceneMode());
    struct Seen {
        int32_t step;
        QColor title;
        int portrait;
        QString name;  // empty while hidden
        QColor closing;
    };
    std::vector<Seen> seen;
    std::vector<Tick> ticks = play(&f, f.Timer1, [&] {
        if (f.Step > 16 && f.Step < 680) return 0;
        Seen r{f.Step, {}, -2, {}, {}};
        if (f.Label1->isVisible()) r.title = colour(f.Label1);
        if (f.Picture1->isVisible()) r.portrait = ShownPicture(f.Picture1, f.faces);
        if (f.Label3->isVisible()) r.name = f.Label3->text();
        if (f.Label4->isVisible()) r.closing = colour(f.Label4);
        seen.push_back(r);
        return 0;
    });
    ASSERT_EQ(ticks.size(), 690u);  // 689 steps, then step 690 closes the roll
    for (size_t i = 0; i + 1 < ticks.size(); ++i) {
        // Step 17 comes late: the wipe before it takes longer than its 20 ms.
        if (static_cast<int32_t>(i) + 1 <= 17 || static_cast<int32_t>(i) + 1 >= 680) continue;
        EXPECT_EQ(ticks[i].interval, 20) << "roll step " << ticks[i].step;
    }
    auto grey = [](int v) { return QColor(v, v, v); };
    auto yellow = [](int v) { return QColor(v, v, 0); };
    const char* n1 = kPortraitNames[0];
    const char* n2 = kPortraitNames[1];
    const char* n3 = kPortraitNames[2];
    const char* n4 = kPortraitNames[3];
    const StaffRow expected[] = {
        {1, 100, {}, 0, nullptr, {}},
        {2, 100, grey(64), 0, nullptr, {}},
        {3, 100, grey(128), 0, nullptr, {}},
        {4, 100, grey(192), 0, nullptr, {}},
        {5, 100, grey(224), 0, nullptr, {}},
        {6, 2000, Qt::white, 0, nullptr, {}},
        {7, 100, grey(224), 0, nullptr, {}},
        {8, 100, grey(192), 0, nullptr, {}},
        {9, 100, grey(128), 0, nullptr, {}},
        {10, 100, grey(64), 0, nullptr, {}},
        {11, 500, {}, 0, nullptr, {}},
        {12, 5500, {}, 1, n1, {}},
        {13, 5500, {}, 2, n2, {}},
        {14, 5500, {}, 3, n3, {}},
        {15, 5500, {}, 4, n4, {}},
        {16, 20, {}, -2, nullptr, {}},
        {680, 100, {}, -2, nullptr, yellow(48)},
        {681, 100, {}, -2, nullptr, yellow(96)},
        {682, 100, {}, -2, nullptr, yellow(144)},
        {683, 100, {}, -2, nullptr, yellow(192)},
        {684, 13000, {}, -2, nullptr, yellow(255)},
        {685, 100, {}, -2, nullptr, yellow(192)},
        {686, 100, {}, -2, nullptr, yellow(144)},
        {687, 100, {}, -2, nullptr, yellow(96)},
        {688, 100, {}, -2, nullptr, yellow(48)},
        {689, 2000, {}, -2, nullptr, {}},
    };
    ASSERT_EQ(seen.size(), std::size(expected));
    for (size_t i = 0; i < seen.size(); ++i) {
        const StaffRow& e = expected[i];
        const Seen& g = seen[i];
        SCOPED_TRACE(testing::Message() << "step " << e.step);
        EXPECT_EQ(g.step, e.step);
        EXPECT_EQ(ticks[static_cast<size_t>(e.step - 1)].interval, e.interval);
        EXPECT_EQ(g.title, e.title);
        EXPECT_EQ(g.portrait, e.portrait);
        EXPECT_EQ(g.name, e.name ? QString::fromUtf8(e.name) : QString());
        EXPECT_EQ(g.closing, e.closing);
    }
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
}

TEST_F(StaffTest, TheCreditsArePrintedWhereTheScrollPutsThem) {
    StaffForm& f = start();
    const int32_t step = 17 + 250;  // s = 1000
    runToStep(&f, f.Timer1, step);
    const QImage shot = f.Picture2->image();
    auto inked = [&shot](int top, int bottom) {
        int n = 0;
        for (int y = std::max(0, top); y < std::min(shot.height(), bottom); ++y)
            for (int x = 0; x < shot.width(); ++x) n += qGray(shot.pixel(x, y)) > 100;
        return n;
    };
    const std::vector<RollPlacement> lines = RollLinesAt(1000);
    ASSERT_EQ(lines.size(), 11u);
    for (const RollPlacement& p : lines) {
        if (p.y < 0 || p.y + 40 > 400) continue;
        EXPECT_GT(inked(p.y, p.y + 40), 30) << "line " << p.line << " is not at y " << p.y;
        // The gap between two lines stays empty.
        EXPECT_EQ(inked(p.y + 36, p.y + 40), 0) << "line " << p.line;
    }
    EXPECT_FALSE(f.Picture1->isVisible());
}

TEST_F(StaffTest, AClickAtAnyStepReturnsToTheTitle) {
    struct Case {
        int32_t step;
        const char* target;
    };
    const Case cases[] = {{0, "form"},   {2, "title"},  {6, "form"},    {12, "portrait"},
                          {300, "roll"}, {680, "line"}, {684, "maker"}, {689, "form"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << c.step << ", click on the " << c.target);
        StaffForm& f = start();
        if (c.step > 0) runToStep(&f, f.Timer1, c.step);
        QWidget* w = &f;
        const std::string t = c.target;
        if (t == "title") w = f.Label1;
        if (t == "portrait") w = f.Picture1;
        if (t == "roll") w = f.Picture2;
        if (t == "line" || t == "maker") w = f.Label4;
        clickSoon(w);
        EXPECT_FALSE(Forms::IsLoaded<StaffForm>());
        EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
        Forms::Unload<OpenForm>();
        advance(1);
    }
}

TEST_F(StaffTest, AClickDuringARevealStopsAllDrawing) {
    // During the reveal of the second portrait and during the final wipe.
    for (int32_t before : {12, 15}) {
        SCOPED_TRACE(testing::Message() << "click in the step after " << before);
        StaffForm& f = start();
        runToStep(&f, f.Timer1, before);
        const uint64_t due = f.Timer1->deadline();
        QPointer<SceneCanvas> canvas(f.Picture1);
        QImage atClose;
        bool checked = false;
        time->at(due + 10, [&] {
            ASSERT_TRUE(canvas);
            ui::Click(canvas);
            ASSERT_TRUE(canvas) << "the window is destroyed only once its handlers are done";
            atClose = canvas->image();
        });
        time->at(due + 14, [&] {
            checked = true;
            if (canvas) {
                EXPECT_EQ(canvas->image(), atClose) << "the canvas was drawn on after the close";
            }
        });
        advance(due + 20 - time->now());
        EXPECT_TRUE(checked);
        EXPECT_FALSE(Forms::IsLoaded<StaffForm>());
        EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
        Forms::Unload<OpenForm>();
        advance(1);
    }
}

}  // namespace
