// Opening a run that a new game or a load has just put into the shared state.
#include "app/shared_procedures.h"
#include "app/state.h"
#include "campaign/campaign_windows.h"
#include "campaign/new_game_rules.h"

void EnterRun() {
    switch (RunEntryFor(StageNo)) {
        case RunEntry::FirstCastleMap:
            ShowNewMap();
            break;
        case RunEntry::NewCastleOpening:
            ShowNewOpening();
            break;
        case RunEntry::NewCastleMap:
            ShowNewNewMap();
            break;
    }
}
