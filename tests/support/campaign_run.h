#pragma once
// A scripted player for whole campaign runs in virtual time: it sets up a new
// game the way the new-game window does, presses the maps' buttons with real
// mouse events (letting the roulette spin a while before it stops it), plays
// every duel with the duel's scripted player, and writes down what each duel
// was and what the run looked like afterwards. The end-to-end tests and the
// campaign benchmark play through it. Header-only so the benchmarks can use it
// without the test framework.
#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "campaign/mes_form.h"
#include "campaign/new_map_form.h"
#include "campaign/new_new_map.h"
#include "campaign/stages.h"
#include "duel/vantra_form.h"
#include "kit/auto_player.h"
#include "platform/virtual_time.h"
#include "shell/open_form.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace campaign_run {

inline void Click(QWidget* w) {
    const QPointF local(w->rect().center()), global(w->mapToGlobal(w->rect().center()));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

// What the new-game window does on OK: the run's start values, then the first
// map or, from the new castle, the new castle's opening.
inline void NewGame(int16_t level, int choice) {
    const auto start = campaign::StartOf(choice, level);
    LevelNo = level;
    StageNo = start->stage;
    TotalPoint = start->points;
    NotOfficial = false;
    BriefingDone = false;
    LastWon = false;
    GainedPoint = 0;
    FoeLeft.fill(true);
    if (StageNo == campaign::kPassageStage)
        ShowNewOpening();
    else
        ShowNewMap();
}

// One duel of the run, and the run's state when the next screen had settled.
struct DuelStep {
    int16_t stage = 0;
    int32_t points = 0;
    std::array<bool, 7> leftBefore{};
    uint8_t mode = 0;
    QString foe;
    int16_t face = 0;
    int32_t foeIndex = 0, foeBase = 0;
    std::array<int32_t, 3> params{};
    int16_t music = 0;
    bool won = false;
    int32_t score = 0;
    // After the duel, once the map has settled it.
    int16_t stageAfter = 0;
    int32_t pointsAfter = 0;
    bool mapWaiting = false;  // a map waits for the next start
};

struct Run {
    std::vector<DuelStep> steps;
    bool passage = false;  // the new castle's map came up after stage 10
    int roulettes = 0;     // duels whose opponent the roulette chose
};

inline bool Waiting(NewMapForm* m) {
    return m && !m->unloaded() && m->StartButton->isVisible();
}
inline bool Waiting(NewNewMap* m) {
    return m && !m->unloaded() && m->StartButton->isVisible();
}

// Reads every message the run shows to its end: a message still open after
// longer than any timed one lasts waits for a click (the record book's news
// at the staff roll), and the player gives it one. Runs until `alive` is false.
inline void ReadMessages(host::VirtualScheduler& time, std::shared_ptr<bool> alive, QWidget* seen = nullptr,
                         uint64_t since = 0) {
    time.after(500, [&time, alive, seen, since] {
        if (!*alive) return;
        MesForm* f = Forms::Find<MesForm>();
        QWidget* now = f && f->isVisible() ? f : nullptr;
        if (now && now == seen && time.now() - since > 20000) {
            Click(f->Label3[1]);
            now = nullptr;
        }
        ReadMessages(time, alive, now, now == seen ? since : time.now());
    });
}

// Plays from a map in its waiting state until the title window opens (the
// run ended in game over or the ending, and the staff roll after it) or
// `limitMs` of virtual time pass.
inline Run Play(host::VirtualScheduler& time, AutoPlayer::Style style, uint64_t limitMs = 6ull * 3600 * 1000) {
    Run run;
    auto alive = std::make_shared<bool>(true);
    ReadMessages(time, alive);
    const uint64_t end = time.now() + limitMs;
    bool sawFirstCastle = false;
    while (!Forms::IsLoaded<OpenForm>() && time.now() < end) {
        NewMapForm* first = Forms::Find<NewMapForm>();
        NewNewMap* second = Forms::Find<NewNewMap>();
        DuelStep step;
        step.stage = StageNo;
        step.points = TotalPoint;
        step.leftBefore = FoeLeft;
        if (Waiting(first)) {
            sawFirstCastle = true;
            Click(first->StartButton);
            if (first->StopButton->isVisible()) {
                ++run.roulettes;
                time.advance(900);  // let it spin
                Click(first->StopButton);
            }
        } else if (Waiting(second)) {
            if (sawFirstCastle && StageNo == campaign::kNewCastleFirst) run.passage = true;
            Click(second->StartButton);
        } else {
            time.advance(200);
            continue;
        }
        VantraForm* duel = Forms::Find<VantraForm>();
        if (!duel) continue;
        step.mode = GameMode;
        step.foe = DuelFoeName;
        step.face = DuelFoeFace;
        step.foeIndex = FoeIndex;
        step.foeBase = FoeBase;
        step.params = {DuelParamA, DuelParamB, DuelParamC};
        step.music = DuelMusic;
        {
            AutoPlayer player(*duel, style);
            time.waitUntil([] { return !Forms::IsLoaded<VantraForm>(); });
        }
        // The result is handed back once the duel window is gone, from the
        // outermost level: let that moment come, and the map settle the duel.
        time.advance(1);
        step.won = LastDuelOutcome().won;
        step.score = LastDuelOutcome().score;
        step.stageAfter = StageNo;
        step.pointsAfter = TotalPoint;
        step.mapWaiting = Waiting(Forms::Find<NewMapForm>()) || Waiting(Forms::Find<NewNewMap>());
        run.steps.push_back(step);
    }
    *alive = false;
    return run;
}

}  // namespace campaign_run
