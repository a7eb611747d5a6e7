// TEMPORARY: stand-ins that keep the new-game, save-slot and player data
// windows linking until the record book is on this branch. Delete this file
// when it arrives.
#include "app/shared_procedures.h"

// No records yet.
int32_t ReadOfficialRecord() {
    return 0;
}
int32_t ReadPersonalRecord() {
    return 0;
}
