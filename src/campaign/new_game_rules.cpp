// Unlocking the start positions, and where a run is entered.
#include "campaign/new_game_rules.h"

#include "campaign/stages.h"

bool StartUnlocked(int32_t record, int16_t level, int16_t startChoice) {
    const auto start = campaign::StartOf(startChoice, level);
    // The beginning is open to everyone, whatever the record book says.
    return start && (startChoice == kStartFromBeginning || record >= start->record);
}

RunEntry RunEntryFor(int16_t stage) {
    if (stage < campaign::kPassageStage) return RunEntry::FirstCastleMap;
    if (stage == campaign::kPassageStage) return RunEntry::NewCastleOpening;
    return RunEntry::NewCastleMap;
}
