#include "app/startup.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "scene_test.h"
#include "scenes/opening_form.h"
#include "shell/back_form.h"

#include <QDir>
#include <algorithm>
#include <map>

namespace {

class OpeningTest : public SceneTest {
protected:
    OpeningForm& start() {
        ShowOpening();
        OpeningForm* f = Forms::Find<OpeningForm>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
    // What the canvas shows: a cached frame of `cache`, 0 blank, -1 other.
    static int shown(const OpeningForm& f, const SceneForm::Cache& cache) { return ShownPicture(f.Picture1, cache); }
};

TEST_F(OpeningTest, ThePreloadFillsTheBackdropsBarAtTheGivenPictures) {
    Forms::Get<BackForm>().Show();
    // Before which of the 32 pictures each bar appears (20 logo frames, then 12 story frames).
    const std::map<int, int> marks = {{2, 0}, {5, 1}, {8, 2}, {11, 3}, {14, 4}, {17, 5}, {20, 6}, {24, 7}, {28, 8}};
    auto expectedBar = [&marks](int loaded) {
        int filled = 0;
        for (auto [picture, bar] : marks)
            if (picture <= loaded) filled = bar;
        return ProgressBarText(filled);
    };
    std::map<int, QString> barAfter;  // pictures loaded -> the bar then
    std::function<void()> watch = [&] {
        OpeningForm* f = Forms::Find<OpeningForm>();
        if (!f || f->OpenTimer1->enabled()) return;
        int loaded = 0;
        for (const auto* cache : {&f->logoFrames, &f->storyFrames}) loaded += cache->loaded();
        BackForm* back = Forms::Find<BackForm>();
        if (back->Label3->isVisible()) barAfter[loaded] = back->Label3->text();
        time->after(1, watch);
    };
    time->after(0, watch);
    OpeningForm& f = start();
    ASSERT_EQ(barAfter.size(), 33u) << "events ran before the first picture and after every one";
    for (auto [loaded, bar] : barAfter) EXPECT_EQ(bar, expectedBar(loaded)) << loaded << " pictures loaded";
    BackForm& back = Forms::Get<BackForm>();
    EXPECT_FALSE(back.Label2->isVisible()) << "the loading texts go once the pictures are in";
    EXPECT_FALSE(back.Label3->isVisible());
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(f.OpenTimer1->enabled());
    EXPECT_FALSE(f.Timer1->enabled());
}

TEST_F(OpeningTest, TheLogoPhaseFollowsItsSteps) {
    OpeningForm& f = start();
    // The steps that do something: the logo frame shown (0 the blank canvas,
    // -1 the title logo, which is not a logo frame) and the interval after.
    struct Row {
        int32_t step;
        int frame;
        int64_t interval;
    };
    const Row rows[] = {
        {1, 0, 100},  {2, 0, 100},    {3, 1, 100},    {4, 2, 100},    {5, 3, 100},   {6, 4, 100},  {21, 5, 50},
        {22, 6, 50},  {23, 7, 100},   {28, 8, 50},    {29, 9, 50},    {30, 10, 100}, {35, 11, 50}, {36, 12, 50},
        {37, 13, 50}, {38, 14, 100},  {39, 15, 100},  {68, 16, 20},   {69, 17, 20},  {70, 18, 20}, {71, 19, 20},
        {72, 20, 50}, {83, 20, 2000}, {86, -1, 2000}, {87, -1, 2000}, {89, 0, 2000},
    };
    std::map<int32_t, Row> byStep;
    for (const Row& r : rows) byStep[r.step] = r;
    Row current{0, 0, 100};
    QPointer<SceneForm> form(&f);
    for (int32_t step = 1; step <= 89; ++step) {
        ASSERT_TRUE(nextTick(form, {f.OpenTimer1, f.Timer1}));
        if (auto it = byStep.find(step); it != byStep.end()) current = it->second;
        SCOPED_TRACE(testing::Message() << "logo step " << step);
        ASSERT_EQ(f.Step, step);
        EXPECT_EQ(static_cast<int64_t>(f.OpenTimer1->deadline() - lastDue), current.interval);
        EXPECT_EQ(shown(f, f.logoFrames), current.frame);
        if (step >= 3 && step <= 85) {
            EXPECT_EQ(f.Picture1->size(), QSize(480, 270));
        }
        if (step >= 86) {
            EXPECT_EQ(f.Picture1->size(), QSize(511, 239));
        }
        EXPECT_EQ(f.Picture1->isVisible(), step >= 2 && step != 86);
        if (step >= 3) {
            EXPECT_EQ(f.Picture1->pos(),
                      QPoint((f.width() - f.Picture1->width()) / 2, (f.height() - f.Picture1->height()) / 2));
        }
    }
    // The title logo is the data picture itself.
    ASSERT_TRUE(nextTick(form, {f.OpenTimer1, f.Timer1}));
    EXPECT_FALSE(f.OpenTimer1->enabled());
    EXPECT_TRUE(f.Timer1->enabled());
    EXPECT_EQ(f.Step, 0);
    EXPECT_EQ(static_cast<int64_t>(f.Timer1->deadline() - lastDue), 200);
}

TEST_F(OpeningTest, TheStoryPhaseFollowsItsStepsAndEndsAtTheTitle) {
    OpeningForm& f = start();
    QPointer<SceneForm> form(&f);
    while (f.OpenTimer1->enabled()) ASSERT_TRUE(nextTick(form, {f.OpenTimer1, f.Timer1}));
    // The frame the canvas shows after each story step (-1 text over frame 12)
    // and the interval after.
    struct Row {
        int32_t first, last;
        int frame;  // 100 + k means frame step - k
        int64_t interval;
    };
    // Where the text block only grazes an edge of the canvas, nothing is checked (-9).
    const Row rows[] = {{1, 1, 0, 200},     {2, 13, 101, 200},  {14, 17, 12, 200}, {18, 18, 12, 2000},
                        {19, 19, 12, 10},   {20, 29, -9, 10},   {30, 250, -1, 10}, {251, 259, -9, 10},
                        {260, 269, 12, 10}, {270, 329, 12, 100}};
    for (const Row& r : rows) {
        for (int32_t step = r.first; step <= r.last; ++step) {
            ASSERT_TRUE(nextTick(form, {f.Timer1}));
            SCOPED_TRACE(testing::Message() << "story step " << step);
            ASSERT_EQ(f.Step, step);
            EXPECT_EQ(static_cast<int64_t>(f.Timer1->deadline() - lastDue), r.interval);
            if (r.frame != -9) {
                EXPECT_EQ(shown(f, f.storyFrames), r.frame >= 100 ? step - (r.frame - 100) : r.frame);
            }
            EXPECT_EQ(f.Picture1->size(), QSize(500, 300));
        }
    }
    EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
    ASSERT_TRUE(nextTick(form, {f.Timer1}));
    EXPECT_FALSE(Forms::IsLoaded<OpeningForm>());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
}

TEST_F(OpeningTest, TheStoryLinesAreCentredAtTheirSizes) {
    OpeningForm& f = start();
    EXPECT_EQ(f.StoryLines[2], QStringLiteral("大魔王「超") + FoeDisplayName(0) + QStringLiteral("」は"));
    for (int i = 0; i < 10; ++i) {
        QFont font = SceneMincho(i == 9 ? 30 : 22, true);
        const int width = QFontMetrics(font).horizontalAdvance(f.StoryLines[static_cast<size_t>(i)]);
        EXPECT_NEAR(f.StoryX[static_cast<size_t>(i)], (500 - width) / 2.0, 0.5) << "line " << i + 1;
    }
    EXPECT_EQ(f.StoryX[5], 250) << "an empty line";
}

TEST_F(OpeningTest, AKeyOrClickSkipsStraightToTheTitle) {
    struct Case {
        int32_t logoSteps;  // steps of the logo before the skip
        int32_t storySteps;
        const char* input;
    };
    const Case cases[] = {{1, 0, "key"},
                          {40, 0, "click on the canvas"},
                          {88, 0, "key"},
                          {90, 30, "click on the window"},
                          {90, 300, "key"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.logoSteps << " logo steps, " << c.storySteps << " story steps, "
                                        << c.input);
        OpeningForm& f = start();
        QPointer<SceneForm> form(&f);
        for (int32_t i = 0; i < c.logoSteps + c.storySteps; ++i) ASSERT_TRUE(nextTick(form, {f.OpenTimer1, f.Timer1}));
        const std::string input = c.input;
        if (input == "key") {
            time->after(1, [form] { ui::KeyPress(form, Qt::Key_Space); });
            advance(2);
        } else {
            clickSoon(input == "click on the canvas" ? static_cast<QWidget*>(f.Picture1) : &f);
        }
        EXPECT_FALSE(Forms::IsLoaded<OpeningForm>());
        EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
        Forms::Unload<OpenForm>();
        advance(1);
    }
}

TEST_F(OpeningTest, ThePrologueTextStandsOutOverTheCity) {
    OpeningForm& f = start();
    QPointer<SceneForm> form(&f);
    // Story step 100: lines 1 to 6 stand in the canvas.
    while (f.OpenTimer1->enabled() || f.Step < 100) ASSERT_TRUE(nextTick(form, {f.OpenTimer1, f.Timer1}));
    const QImage shot = f.Picture1->image().convertToFormat(QImage::Format_RGB32);
    const QString file = QDir::temp().filePath(QStringLiteral("vantrax-prologue.png"));
    shot.save(file);
    std::printf("prologue screenshot: %s\n", qPrintable(file));
    const QImage city = f.storyFrames.picture(12).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(city.size(), shot.size());
    // Pixels the text changed, and the city under the text's lines.
    std::vector<int> text, under;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) != city.pixel(x, y)) text.push_back(qGray(shot.pixel(x, y)));
            const int line = (y - 60) / 40;
            if (y >= 60 && line < 5 && (y - 60) % 40 < 30) under.push_back(qGray(city.pixel(x, y)));
        }
    ASSERT_GT(text.size(), 5000u) << "five lines of text are printed";
    std::sort(text.begin(), text.end());
    std::sort(under.begin(), under.end());
    const int textMedian = text[text.size() / 2];
    const int textCore = text[text.size() * 3 / 4];
    const int cityBright = under[under.size() * 95 / 100];
    EXPECT_GE(textCore, 230) << "the strokes are white";
    EXPECT_GE(textMedian, 150);
    EXPECT_LE(cityBright, 110) << "the city under the lines stays dark";
    EXPECT_GE(textCore - cityBright, 120);
}

}  // namespace

// Provided by the shell: what Main opens once its checks pass.
StartupWindows GameStartupWindows();

namespace {

TEST_F(OpeningTest, StartUpShowsTheBackdropThenThePlayedOpeningThenTheTitle) {
    ASSERT_TRUE(Main(GameStartupWindows()));
    ASSERT_TRUE(Forms::IsLoaded<BackForm>());
    OpeningForm* f = Forms::Find<OpeningForm>();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
    // The logo's steps add up to 21 080 ms, the prologue's to 14 110 ms.
    advance(35190 - 1);
    EXPECT_TRUE(Forms::IsLoaded<OpeningForm>());
    EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
    advance(1);
    EXPECT_FALSE(Forms::IsLoaded<OpeningForm>());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
    EXPECT_TRUE(Forms::Find<OpenForm>()->isVisible());
}

}  // namespace
