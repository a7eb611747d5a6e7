// The two castle maps, driven through their buttons and keys in virtual time:
// how they settle a finished duel, the roulette, the hand-over to the duel,
// the questions of the save and quit buttons, and the darkened faces.
#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "campaign/mes_form.h"
#include "campaign/new_map_form.h"
#include "campaign/new_new_map.h"
#include "campaign/roster.h"
#include "campaign/stage_cast.h"
#include "campaign/stages.h"
#include "duel/vantra_form.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "platform/audio_engine.h"
#include "platform/random.h"
#include "platform/timer.h"
#include "scenes/ending_form.h"
#include "scenes/new_opening.h"
#include "scenes/over_form.h"
#include "shell/open_form.h"
#include "support/campaign_run.h"
#include "support/game_test.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {

using campaign_run::Click;

// Every message the message window shows: its speaker, face and text.
struct Message {
    QString speaker, text;
};
class MessageLog : public QObject {
public:
    std::vector<Message> shown;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show)
            if (auto* f = qobject_cast<MesForm*>(o)) shown.push_back({f->Label1->text(), f->Label2->text()});
        return false;
    }
};

// Where the highlight frame stood, and when.
class FrameLog : public QObject {
public:
    FrameLog(NewMapForm& map, host::VirtualScheduler& time) : map_(map), time_(time) {
        map.Frame->installEventFilter(this);
    }
    struct Stop {
        uint64_t at;
        int position;
    };
    std::vector<Stop> stops;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Move) {
            const int x = map_.Frame->x() + 4 - map_.leftEdge;
            stops.push_back({time_.now(), x / campaign::kFaceStep});
        }
        return false;
    }

private:
    NewMapForm& map_;
    host::VirtualScheduler& time_;
};

constexpr std::array<bool, 7> kAllLeft{true, true, true, true, true, true, true};

class MapTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        MesSheetPicture = LoadPicture(DataFileName("Data", 5));
        HandCursor = LoadPicture(DataFileName("Data", 11));
        MesTime = 3;
        SoundOn = true;  // into the null output
        MusicOn = false;
        qApp->installEventFilter(&messages);
    }
    void TearDown() override {
        qApp->removeEventFilter(&messages);
        GameTest::TearDown();
    }

    static void setRun(int16_t stage, int16_t level, int32_t points, int32_t gained, bool won, bool afterDuel,
                       std::array<bool, 7> left = kAllLeft) {
        StageNo = stage;
        LevelNo = level;
        TotalPoint = points;
        GainedPoint = gained;
        LastWon = won;
        BriefingDone = afterDuel;
        FoeLeft = left;
    }
    // Answers the question the message window will ask next.
    void answer(bool yes) {
        time->after(50, [yes] {
            MesForm* f = Forms::Find<MesForm>();
            ASSERT_NE(f, nullptr);
            Click(f->Label3[yes ? 0 : 1]);
        });
    }
    bool shownText(const char* text) const {
        for (const Message& m : messages.shown)
            if (m.text == QString::fromUtf8(text)) return true;
        return false;
    }

    MessageLog messages;
};

// ---- settling the last duel on the first castle's map ----

struct Settle {
    const char* name;
    int16_t level, stage;
    int32_t points, gained;
    bool won;
    std::array<bool, 7> left;
    int16_t stageAfter;
    int32_t pointsAfter;
    bool gameOver;
};

class FirstCastleSettles : public MapTest, public ::testing::WithParamInterface<Settle> {};

TEST_P(FirstCastleSettles, AfterADuel) {
    const Settle c = GetParam();
    setRun(c.stage, c.level, c.points, c.gained, c.won, true, c.left);
    ShowNewMap();
    if (c.gameOver) {
        EXPECT_FALSE(Forms::IsLoaded<NewMapForm>());
        EXPECT_FALSE(Forms::IsLoaded<VantraForm>());
        EXPECT_TRUE(Forms::IsLoaded<OverForm>());
        return;
    }
    NewMapForm* map = Forms::Find<NewMapForm>();
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(map->StartButton->isVisible());
    EXPECT_TRUE(map->SaveButton->isVisible());
    EXPECT_TRUE(map->QuitButton->isVisible());
    EXPECT_EQ(StageNo, c.stageAfter);
    EXPECT_EQ(TotalPoint, c.pointsAfter);
    EXPECT_EQ(map->PointLabel->text(), QString::number(c.pointsAfter));
    EXPECT_TRUE(BriefingDone);
    const bool cleared = c.stageAfter != c.stage;
    if (cleared) {
        // A fresh stage: everybody is back, its briefing was shown, and its
        // remaining points start from what the run already has.
        EXPECT_EQ(FoeLeft, kAllLeft);
        EXPECT_FALSE(LastWon);
        EXPECT_EQ(GainedPoint, 0);
        EXPECT_TRUE(shownText(campaign::StageBriefing(c.stageAfter)->text));
        if (c.stageAfter < 8) {
            EXPECT_EQ(map->RestLabel->text(),
                      QString::number(campaign::GetClearPoint(c.level, c.stageAfter) - c.pointsAfter));
        }
    } else {
        EXPECT_EQ(FoeLeft, c.left);
        EXPECT_TRUE(messages.shown.empty()) << "no briefing after a duel";
        // A lost duel's points stay in GainedPoint, never in the run.
        EXPECT_EQ(GainedPoint, c.won ? 0 : c.gained);
    }
}

constexpr std::array<bool, 7> kFirstPlayed{false, true, true, true, true, true, true};
constexpr std::array<bool, 7> kNoneLeft{false, false, false, false, false, false, false};

INSTANTIATE_TEST_SUITE_P(Maps, FirstCastleSettles,
                         ::testing::Values(
                             // Stage 1 at level 1: 6000 or more skips the gatekeeper, 5000 to 5999 meets him.
                             Settle{"skips_the_gate", 1, 1, 4000, 2000, true, kFirstPlayed, 3, 6000, false},
                             Settle{"meets_the_gate", 1, 1, 4000, 1999, true, kFirstPlayed, 2, 5999, false},
                             Settle{"exactly_cleared", 1, 1, 4000, 1000, true, kFirstPlayed, 2, 5000, false},
                             Settle{"short_of_clear", 1, 1, 3000, 1990, true, kFirstPlayed, 1, 4990, false},
                             Settle{"hard_skips", 2, 1, 10000, 4000, true, kFirstPlayed, 3, 14000, false},
                             // A lost duel adds nothing, even with opponents to spare.
                             Settle{"lost", 1, 3, 12000, 9000, false, kFirstPlayed, 3, 12000, false},
                             // A stage entered above its clear points is cleared by the next win.
                             Settle{"already_above", 1, 4, 40000, 10, true, kFirstPlayed, 5, 40010, false},
                             Settle{"demon_king_won", 1, 8, 70000, 3000, true, kNoneLeft, 9, 73000, false},
                             // Out of opponents and not cleared, or a Demon King lost: game over.
                             Settle{"last_one_short", 1, 2, 5000, 500, true, kNoneLeft, 2, 5000, true},
                             Settle{"last_one_lost", 1, 5, 40000, 0, false, kNoneLeft, 5, 40000, true},
                             Settle{"demon_king_lost", 3, 9, 200000, 0, false, kNoneLeft, 9, 200000, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MapTest, CountUpShowsEveryTenWithTheLoopedSoundAndClear) {
    setRun(1, 1, 4000, 1234, true, true, kFirstPlayed);
    NewMapForm& map = Forms::Get<NewMapForm>();
    map.Show();
    std::vector<QString> points, rests;
    bool soundDuring = false, redClear = false;
    host::Timer sample(nullptr, 1, [&] {
        if (points.empty() || points.back() != map.PointLabel->text()) points.push_back(map.PointLabel->text());
        if (rests.empty() || rests.back() != map.RestLabel->text()) rests.push_back(map.RestLabel->text());
        if (map.RestLabel->text() == QStringLiteral("Clear!!"))
            redClear = map.RestLabel->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
        if (map.PointLabel->text() == QStringLiteral("4500"))
            soundDuring = audio::AudioEngine::instance().wavePlaying();
    });
    sample.setEnabled(true);
    map.Startup();
    sample.setEnabled(false);

    // Counted in tens from 4000 to 5230, the last digits never shown; the
    // stage (5000 at level 1) is cleared on the way, then stage 2 opens.
    std::vector<QString> tens;
    for (const QString& p : points) {
        if (p.toInt() < 4000) continue;
        tens.push_back(p);
        if (p.toInt() >= 5230) break;  // after the count-up the next stage shows the whole 5234
    }
    ASSERT_GE(tens.size(), 10u);
    EXPECT_EQ(tens.front(), QStringLiteral("4000"));
    for (size_t i = 1; i < tens.size(); ++i) {
        EXPECT_EQ(tens[i].toInt() % 10, 0) << tens[i].toStdString();
        EXPECT_GT(tens[i].toInt(), tens[i - 1].toInt());
    }
    EXPECT_EQ(tens.back(), QStringLiteral("5230"));
    EXPECT_NE(std::find(rests.begin(), rests.end(), QStringLiteral("Clear!!")), rests.end());
    EXPECT_TRUE(redClear);
    EXPECT_TRUE(soundDuring);
    EXPECT_FALSE(audio::AudioEngine::instance().wavePlaying());
    EXPECT_EQ(StageNo, 2);
    EXPECT_EQ(TotalPoint, 5234);
    EXPECT_EQ(map.RestLabel->text(), QStringLiteral("766"));
}

TEST_F(MapTest, AfterALoadTheBriefingShowsAndNothingIsCounted) {
    // A loaded run: the last duel was won, but BriefingDone is false.
    setRun(4, 2, 40000, 9999, true, false, kFirstPlayed);
    ShowNewMap();
    NewMapForm* map = Forms::Find<NewMapForm>();
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].speaker, GuideLine());
    EXPECT_TRUE(shownText(campaign::StageBriefing(4)->text));
    EXPECT_EQ(TotalPoint, 40000);
    EXPECT_EQ(GainedPoint, 9999);
    EXPECT_EQ(StageNo, 4);
    EXPECT_TRUE(BriefingDone);
    EXPECT_EQ(map->RestLabel->text(), QStringLiteral("13000"));
    EXPECT_TRUE(map->StartButton->isVisible());

    Forms::discardAll();
    setRun(12, 2, 90000, 5000, true, false);
    ShowNewNewMap();
    NewNewMap* second = Forms::Find<NewNewMap>();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(StageNo, 12);
    EXPECT_EQ(TotalPoint, 90000);
    EXPECT_TRUE(second->StartButton->isVisible());
}

TEST_F(MapTest, DemonKingStagesShowUnknowAndTheirOwnSpeaker) {
    setRun(9, 1, 70000, 0, false, false, kAllLeft);
    ShowNewMap();
    NewMapForm* map = Forms::Find<NewMapForm>();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->RestLabel->text(), QStringLiteral("unknow"));
    EXPECT_EQ(map->RestLabel->palette().color(QPalette::WindowText), QColor(128, 128, 0));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].speaker, "スーパー大魔王  " + SuperDemonKingName());
    EXPECT_EQ(map->GroupTitle->text(), QStringLiteral("スーパー大魔王"));
    EXPECT_EQ(map->Heading[0]->text(), QStringLiteral("王宮"));
    EXPECT_EQ(map->Heading[1]->text(), QStringLiteral("王宮"));
}

TEST_F(MapTest, StageTenGivesTheLastWordsAndOpensTheNewCastle) {
    setRun(10, 1, 80000, 0, true, false);
    ShowNewMap();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(campaign::StageBriefing(10)->text));
    EXPECT_FALSE(Forms::IsLoaded<NewMapForm>());
    // The new castle's opening plays first and leads on to its map.
    EXPECT_TRUE(Forms::IsLoaded<NewOpening>());
    time->advance(120'000);
    EXPECT_FALSE(Forms::IsLoaded<NewOpening>());
    NewNewMap* second = Forms::Find<NewNewMap>();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->StartButton->isVisible());
    EXPECT_EQ(StageNo, 11);
    EXPECT_EQ(TotalPoint, 80000);
    EXPECT_EQ(second->TitleLabel->text(), QStringLiteral("スーパー門番"));
    EXPECT_EQ(second->NameLabel->text(), FoeDisplayName(22));

    // Stage 10 with its words already heard still leads on, never to game over.
    Forms::discardAll();
    messages.shown.clear();
    setRun(10, 1, 80000, 0, false, true);
    ShowNewMap();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
    time->advance(120'000);
    EXPECT_TRUE(Forms::IsLoaded<NewNewMap>());
    EXPECT_EQ(StageNo, 11);
}

// ---- the new castle ----

struct NewSettle {
    const char* name;
    int16_t stage;
    bool won, afterDuel;
    int16_t stageAfter;
    int32_t pointsAfter;
    enum { Waits, GameOver, Ending } outcome;
};

class NewCastleSettles : public MapTest, public ::testing::WithParamInterface<NewSettle> {};

TEST_P(NewCastleSettles, AfterADuel) {
    const NewSettle c = GetParam();
    setRun(c.stage, 1, 100000, 8000, c.won, c.afterDuel);
    ShowNewNewMap();
    EXPECT_TRUE(messages.shown.empty());
    switch (c.outcome) {
        case NewSettle::Waits: {
            NewNewMap* m = Forms::Find<NewNewMap>();
            ASSERT_NE(m, nullptr);
            EXPECT_TRUE(m->StartButton->isVisible());
            EXPECT_EQ(m->PointLabel->text(), QString::number(c.pointsAfter));
            EXPECT_FALSE(BriefingDone);
            break;
        }
        case NewSettle::GameOver:
            EXPECT_FALSE(Forms::IsLoaded<NewNewMap>());
            EXPECT_TRUE(Forms::IsLoaded<OverForm>());
            break;
        case NewSettle::Ending:
            EXPECT_FALSE(Forms::IsLoaded<NewNewMap>());
            EXPECT_TRUE(Forms::IsLoaded<EndingForm>());
            break;
    }
    if (c.outcome != NewSettle::GameOver) {
        EXPECT_EQ(StageNo, c.stageAfter);
        EXPECT_EQ(TotalPoint, c.pointsAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(Maps, NewCastleSettles,
                         ::testing::Values(NewSettle{"won", 11, true, true, 12, 108000, NewSettle::Waits},
                                           NewSettle{"loaded", 13, true, false, 13, 100000, NewSettle::Waits},
                                           NewSettle{"lost", 13, false, true, 13, 100000, NewSettle::GameOver},
                                           NewSettle{"last_won", 16, true, true, 17, 108000, NewSettle::Ending},
                                           NewSettle{"loaded_at_end", 17, false, false, 17, 100000, NewSettle::Ending}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the roulette and the hand-over ----

struct Spin {
    const char* name;
    int16_t stage;
    std::array<bool, 7> left;
    uint64_t seed;
};

class Roulette : public MapTest, public ::testing::WithParamInterface<Spin> {};

TEST_P(Roulette, NeverLandsOnAnOpponentAlreadyPlayed) {
    const Spin c = GetParam();
    host::installRandomSource(std::make_unique<host::SeededRandom>(c.seed));
    setRun(c.stage, 1, 0, 0, false, false, c.left);
    ShowNewMap();
    NewMapForm* map = Forms::Find<NewMapForm>();
    ASSERT_NE(map, nullptr);
    FrameLog frames(*map, *time);
    Click(map->StartButton);
    EXPECT_TRUE(map->StopButton->isVisible());
    EXPECT_FALSE(map->StartButton->isVisible());
    advance(1000 + c.seed * 200);
    Click(map->StopButton);

    ASSERT_GE(frames.stops.size(), 11u);  // five ticks, at least five slowing steps and the last
    for (const FrameLog::Stop& s : frames.stops)
        EXPECT_TRUE(c.left[static_cast<size_t>(s.position)]) << "highlight on played position " << s.position;
    const int chosen = frames.stops.back().position;
    EXPECT_EQ(FoeIndex, chosen);
    EXPECT_FALSE(FoeLeft[static_cast<size_t>(chosen)]);
    for (size_t i = 0; i < 7; ++i)
        if (static_cast<int>(i) != chosen) {
            EXPECT_EQ(FoeLeft[i], c.left[i]);
        }
    EXPECT_TRUE(Forms::IsLoaded<VantraForm>());
    EXPECT_FALSE(Forms::IsLoaded<NewMapForm>());
}

INSTANTIATE_TEST_SUITE_P(Maps, Roulette,
                         ::testing::Values(Spin{"all_seven", 3, kAllLeft, 1},
                                           Spin{"gaps", 3, {true, false, true, false, false, true, false}, 2},
                                           Spin{"two_far_apart", 3, {true, false, false, false, false, false, true}, 3},
                                           Spin{"two_of_five", 1, {false, true, false, true, false, true, true}, 4},
                                           Spin{"strategists", 7, kAllLeft, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MapTest, TheStopSlowsDownStepByStep) {
    struct Case {
        double r;
        std::vector<uint64_t> waits;  // between the highlight's moves after the stop
    };
    const Case cases[] = {
        {0.0, {360, 520, 680, 840, 1000}},                             // 5 steps
        {0.999, {280, 360, 440, 520, 600, 680, 760, 840, 920, 1000}},  // 10 steps
        {0.5, {300, 400, 500, 600, 700, 800, 900, 1000}},              // 8 steps
        {0.2, {333, 467, 600, 733, 867, 1000}},                        // 6 steps, to the nearest millisecond
    };
    for (const Case& c : cases) {
        Forms::discardAll();
        host::installRandomSource(std::make_unique<host::ScriptedRandom>(std::vector<double>{c.r}));
        setRun(3, 1, 0, 0, false, true, kAllLeft);
        ShowNewMap();
        NewMapForm* map = Forms::Find<NewMapForm>();
        ASSERT_NE(map, nullptr);
        FrameLog frames(*map, *time);
        Click(map->StartButton);
        advance(650);  // three ticks, 200 ms apart
        ASSERT_EQ(frames.stops.size(), 3u);
        EXPECT_EQ(frames.stops[1].at - frames.stops[0].at, 200u);
        const uint64_t stopAt = time->now();
        Click(map->StopButton);
        const std::vector<FrameLog::Stop> after(frames.stops.begin() + 3, frames.stops.end());
        ASSERT_EQ(after.size(), c.waits.size() + 1) << "r " << c.r;
        EXPECT_GE(after[0].at - stopAt, 200u);
        EXPECT_LE(after[0].at - stopAt, 202u);
        for (size_t i = 0; i < c.waits.size(); ++i) {
            const uint64_t gap = after[i + 1].at - after[i].at;
            EXPECT_GE(gap, c.waits[i]) << "r " << c.r << " step " << i + 1;
            EXPECT_LE(gap, c.waits[i] + 2) << "r " << c.r << " step " << i + 1;
        }
    }
}

TEST_F(MapTest, OneOpponentLeftGoesStraightToTheDuel) {
    setRun(4, 2, 40000, 0, false, true, {false, false, true, false, false, true, true});
    FoeLeft = {false, false, true, false, false, false, false};
    ShowNewMap();
    NewMapForm* map = Forms::Find<NewMapForm>();
    ASSERT_NE(map, nullptr);
    messages.shown.clear();
    Click(map->StartButton);
    EXPECT_FALSE(Forms::IsLoaded<NewMapForm>());
    ASSERT_TRUE(Forms::IsLoaded<VantraForm>());
    EXPECT_EQ(GameMode, 1);
    EXPECT_EQ(FoeIndex, 2);
    EXPECT_EQ(FoeBase, 10);
    EXPECT_EQ(FoeName, FoeDisplayName(12));
    EXPECT_FALSE(FoeLeft[2]);
    EXPECT_EQ(DuelFoeName, FoeDisplayName(12));
    EXPECT_EQ(DuelFoeFace, 12);
    EXPECT_EQ(DuelMusic, 6);
    // Level 2, stage 4, position 2: 70/40/40, each jittered by at most 4.
    EXPECT_LE(std::abs(DuelParamA - 70), 4);
    EXPECT_LE(std::abs(DuelParamB - 60), 4);
    EXPECT_LE(std::abs(DuelParamC - 40), 4);
    // The opponent's challenge comes before the duel.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].speaker, FoeDisplayName(12));
    EXPECT_EQ(messages.shown[0].text, FoeLine(12, 0));
}

TEST_F(MapTest, TheDemonKingAndTheNewCastleSayNothingBeforeTheDuel) {
    setRun(8, 3, 200000, 0, false, true);
    ShowNewMap();
    messages.shown.clear();
    Click(Forms::Find<NewMapForm>()->StartButton);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(DuelFoeFace, 0);
    EXPECT_EQ(DuelFoeName, FoeDisplayName(0));
    EXPECT_LE(std::abs(DuelParamA - 190), 4);
    EXPECT_LE(DuelParamB, 4);  // 100 − (100 − up to 4)
    EXPECT_EQ(DuelMusic, 14);

    Forms::discardAll();
    setRun(16, 3, 300000, 0, true, false);
    ShowNewNewMap();
    NewNewMap* second = Forms::Find<NewNewMap>();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->TitleLabel->text(), QStringLiteral("大魔王"));
    EXPECT_EQ(second->NameLabel->text(), SuperDemonKingName());
    Click(second->StartButton);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(GameMode, 2);
    EXPECT_EQ(DuelFoeFace, 63);
    EXPECT_EQ(DuelFoeName, SuperDemonKingName());
    EXPECT_GE(DuelParamA, 246);
    EXPECT_LE(DuelParamA, 254);
    EXPECT_EQ(DuelMusic, 12);
    EXPECT_FALSE(Forms::IsLoaded<NewNewMap>());
}

TEST_F(MapTest, KeysPressStartThenStop) {
    setRun(3, 1, 0, 0, false, true);
    ShowNewMap();
    NewMapForm* map = Forms::Find<NewMapForm>();
    ASSERT_NE(map, nullptr);
    auto press = [map](bool repeat) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
        QCoreApplication::sendEvent(map, &e);
    };
    press(false);
    EXPECT_TRUE(map->StopButton->isVisible());
    press(true);  // the held key repeating does not stop the roulette
    EXPECT_TRUE(map->StopButton->isVisible());
    advance(600);
    press(false);
    EXPECT_TRUE(Forms::IsLoaded<VantraForm>());
    EXPECT_FALSE(Forms::IsLoaded<NewMapForm>());
}

TEST_F(MapTest, SaveAsksOnlyForAnOfficialRunAndQuitAsks) {
    struct Case {
        bool notOfficial, yes;
        bool asked, saving;
    };
    const Case cases[] = {{false, true, true, true}, {false, false, true, false}, {true, false, false, true}};
    for (const Case& c : cases) {
        Forms::discardAll();
        setRun(2, 1, 5000, 0, false, true);
        NotOfficial = c.notOfficial;
        SaveMode = false;
        ShowNewMap();
        messages.shown.clear();
        if (c.asked) answer(c.yes);
        Click(Forms::Find<NewMapForm>()->SaveButton);
        EXPECT_EQ(!messages.shown.empty(), c.asked);
        if (c.asked) {
            EXPECT_EQ(messages.shown[0].text,
                      QStringLiteral("セーブすると公認記録ではなくなりますが、よろしいですか？"));
        }
        EXPECT_EQ(SaveMode, c.saving);
        EXPECT_TRUE(Forms::IsLoaded<NewMapForm>()) << "the map stays open under the slots";
    }

    for (bool yes : {false, true}) {
        Forms::discardAll();
        setRun(12, 1, 90000, 0, false, false);
        ShowNewNewMap();
        answer(yes);
        Click(Forms::Find<NewNewMap>()->QuitButton);
        EXPECT_EQ(Forms::IsLoaded<NewNewMap>(), !yes);
        EXPECT_EQ(Forms::IsLoaded<OpenForm>(), yes);
    }
}

// ---- faces ----

TEST(MapFaces, HalvingRoundsTiesToEven) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 0},    {2, 1},     {3, 2},     {5, 2},
                                         {7, 4}, {128, 64}, {253, 126}, {254, 127}, {255, 128}};
    for (auto [v, half] : cases) EXPECT_EQ(HalfToEven(v), half) << v;
}

TEST(MapFaces, DarkeningWorksAtBothDensities) {
    for (qreal dpr : {1.0, 2.0}) {
        const QPixmap face = LoadResPicture(63 + 5, dpr);
        ASSERT_FALSE(face.isNull());
        const QImage before = face.toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage after = DarkenedFace(face).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(after.size(), before.size()) << dpr;
        EXPECT_EQ(after.size(), QSize(85, 100) * dpr);
        EXPECT_EQ(after.devicePixelRatio(), dpr);
        for (int y = 0; y < before.height(); y += 7)
            for (int x = 0; x < before.width(); x += 5) {
                const QRgb b = before.pixel(x, y), a = after.pixel(x, y);
                ASSERT_EQ(qRed(a), HalfToEven(qRed(b)));
                ASSERT_EQ(qGreen(a), HalfToEven(qGreen(b)));
                ASSERT_EQ(qBlue(a), HalfToEven(qBlue(b)));
                ASSERT_EQ(qAlpha(a), qAlpha(b));
            }
    }
}

TEST_F(MapTest, PlayedOpponentsAreShownDarkened) {
    setRun(6, 1, 50000, 0, false, true, {true, false, true, true, true, true, true});
    ShowNewMap();
    NewMapForm* map = Forms::Find<NewMapForm>();
    ASSERT_NE(map, nullptr);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(map->Face[static_cast<size_t>(i)]->isVisible(), i < 3) << i;
    for (int i = 0; i < 3; ++i) {
        const QImage shown =
            map->Face[static_cast<size_t>(i)]->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QImage expected = FacePicture(3 + i).toImage();
        if (i == 1) expected = DarkenedImage(expected);
        EXPECT_EQ(shown, expected.convertToFormat(QImage::Format_ARGB32)) << i;
        EXPECT_EQ(map->Face[static_cast<size_t>(i)]->x(), 180 + 88 * i);
    }
}

}  // namespace
