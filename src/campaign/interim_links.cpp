// TEMPORARY: stand-ins for windows other parts of the game are still building,
// so the campaign can be played from end to end before they arrive. Every
// definition here is weak: the real window, once it is in the game, takes
// over, and this whole file goes away then.
//  - the game-over and ending scenes lead to the title window for now;
//  - the new castle's opening does what it does when it ends: stage 11, the
//    last duel counted as won, no briefing yet, and the new castle's map;
//  - the title window is opened by its own code.
#include "app/shared_procedures.h"
#include "app/state.h"
#include "shell/open_form.h"

#define INTERIM __attribute__((weak))

INTERIM void ShowTitle() {
    Forms::Get<OpenForm>().Show();
}

INTERIM void ShowGameOver() {
    ShowTitle();
}

INTERIM void ShowEnding() {
    ShowTitle();
}

INTERIM void ShowNewOpening() {
    StageNo = 11;
    LastWon = true;
    BriefingDone = false;
    ShowNewNewMap();
}

