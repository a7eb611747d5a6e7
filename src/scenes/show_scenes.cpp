// The entry points through which other windows start the scenes. Each scene
// opens the window after it by itself.
#include "app/shared_procedures.h"
#include "scenes/ending_form.h"
#include "scenes/making_form.h"
#include "scenes/new_opening.h"
#include "scenes/opening_form.h"
#include "scenes/over_form.h"
#include "scenes/staff_form.h"

namespace {
// A scene may already have ended while it loaded (a skip during its preload);
// it must not be shown again then.
template <class F>
void showScene() {
    F& f = Forms::Get<F>();
    if (!f.closing()) f.Show();
}
}  // namespace

void ShowOpening() {
    showScene<OpeningForm>();
}
void ShowNewOpening() {
    showScene<NewOpening>();
}
void ShowEnding() {
    showScene<EndingForm>();
}
void ShowGameOver() {
    showScene<OverForm>();
}
void ShowStaffRoll() {
    showScene<StaffForm>();
}
void ShowMaking() {
    showScene<MakingForm>();
}
