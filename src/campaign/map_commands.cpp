// What the save-slot window and the main window's save command ask of the
// castle maps.
#include "app/shared_procedures.h"
#include "campaign/campaign_windows.h"
#include "campaign/new_map_form.h"
#include "campaign/new_new_map.h"

void CloseCastleMaps() {
    Forms::Unload<NewMapForm>();
    Forms::Unload<NewNewMap>();
}

void MapSaveCommand() {
    // The map shows its save button only while it waits for the player; in
    // the middle of a count-up or a roulette the run in the shared state is
    // not yet the one on the screen, so there is nothing to save then.
    if (NewMapForm* m = Forms::Find<NewMapForm>(); m && m->SaveButton->isVisibleTo(m)) {
        m->SaveButton_Click();
        return;
    }
    if (NewNewMap* m = Forms::Find<NewNewMap>(); m && m->SaveButton->isVisibleTo(m)) m->SaveButton_Click();
}
