#pragma once
// What the campaign's windows ask of each other inside the campaign.

// Closes the first- and the new-castle map if either is open, as a load does
// before it opens the run it has read.
void CloseCastleMaps();

// Opens the run the shared state now holds where RunEntryFor(StageNo) says.
void EnterRun();
