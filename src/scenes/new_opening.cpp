#include "scenes/new_opening.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "platform/program_folder.h"
#include "platform/rounding.h"
#include "platform/scheduler.h"
#include "platform/timer.h"
#include "scenes/scene_canvas.h"

namespace {
constexpr int kWidth = 375, kHeight = 258;
constexpr int32_t kLastStep = 40;
}  // namespace

NewOpening::NewOpening() {
    skipOnKey = true;
    Picture1 = new SceneCanvas(this, kWidth, kHeight);
    connect(Picture1, &SceneCanvas::clicked, this, [this] { Skip(); });
    Timer1 = new host::Timer(this, 1000, [this] { Timer1_Timer(); });
    auto paint = [this](int n) { Picture1->PaintPicture(frames.picture(n), 0, 0); };
    script_ = {
        {1, 1, 1000, {}},
        {3, 3, 2000, [paint](int32_t) { paint(1); }},
        {4, 7, 100, [paint](int32_t step) { paint(9 - step); }},
        {8, 8, 10000, {}},
        {9, 11, 100, [paint](int32_t step) { paint(step - 6); }},
        {12, 12, 3000, [paint](int32_t) { paint(1); }},
        {13, 13, 3000, [paint](int32_t) { paint(6); }},
        {14, 14, 50, {}},
        {15, 18, 50, [paint](int32_t step) { paint(26 - step); }},
        {19, 19, 6000,
         [paint](int32_t) {
             paint(7);
             PlayEffect(8);
         }},
        {20, 20, 2000, [paint](int32_t) { paint(6); }},
        {21, 21, 100,
         [paint](int32_t) {
             PlayEffect(9);
             paint(12);
         }},
        {22, 27, 100, [paint](int32_t step) { paint(step - 9); }},
        {kLastStep, kLastStep, 0, [this](int32_t) { Skip(); }},
    };
    NameScene(QStringLiteral("新願蛇羅城"));
}

void NewOpening::Form_Load() {
    Busy busy(this);
    FillHost();
    // The map that opened the passage may have left its menus on.
    SetMenu(0);
    Timer1->setEnabled(false);
    host::DoEvents();
    if (closing()) return;
    host::ChDirProgram();
    if (!Preload(frames, "aData", 18)) return;
    Step = 0;
    Form_Resize();
    SetInterval(*Timer1, 1000);
    Timer1->setEnabled(true);
}

void NewOpening::Form_Resize() {
    Picture1->setCanvasSize(kWidth, kHeight);
    Picture1->move(host::CInt(width() / 2.0 - 187.5), host::CInt(height() / 2.0 - 129));
}

void NewOpening::Form_Unload(bool& cancel) {
    SceneForm::Form_Unload(cancel);
    hide();
    host::DoEvents();
}

void NewOpening::Timer1_Timer() {
    // The step stops at its last value, so the passage ends once and only once.
    if (Step >= kLastStep) Step = kLastStep - 1;
    RunStep(*Timer1, script_);
}

void NewOpening::Skip() {
    // A click, a key and the last step all end here; only the first of them
    // may open the map.
    if (finished_) return;
    finished_ = true;
    Busy busy(this);
    Unload();
    StageNo = 11;
    LastWon = true;
    BriefingDone = false;
    ShowNewNewMap();
}
