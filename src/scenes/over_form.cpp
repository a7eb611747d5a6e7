#include "scenes/over_form.h"

#include "app/shared_procedures.h"
#include "media/pictures.h"
#include "platform/timer.h"
#include "scenes/scene_canvas.h"

namespace {
constexpr int kWidth = 400, kHeight = 300;
constexpr int32_t kHold = 3000;
}  // namespace

OverForm::OverForm() {
    // The game-over screen always holds its three seconds.
    skipOnFormClick = false;
    skipsOnClick = false;
    Picture1 = new SceneCanvas(this, kWidth, kHeight);
    Picture1->ShowPicture(LoadBuiltInPicture(QStringLiteral("gameover"), 1.0));
    Timer1 = new host::Timer(this, kHold, [this] { Timer1_Timer(); });
    NameScene(QStringLiteral("ゲームオーバー"));
}

void OverForm::Form_Load() {
    Busy busy(this);
    FillHost();
    SetMenu(0);
    Form_Resize();
    Timer1->setEnabled(true);
}

void OverForm::Timer1_Timer() {
    Timer1->setEnabled(false);
    Unload();
}

void OverForm::Form_Unload(bool& cancel) {
    SceneForm::Form_Unload(cancel);
    hide();
    ShowStaffRoll();
}
