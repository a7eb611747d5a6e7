#pragma once
// Who the player meets on a stage, by display name: the stage tables give
// faces, the roster gives names, and the Demon King's face 0 carries two.
#include <QString>

namespace campaign {

// Display name of the opponent at a position of a stage's group (first castle)
// or of the stage's one opponent (new castle, position 0); empty outside.
QString OpponentName(int stage, int position);
// The speaker line of a stage's briefing (stages 1 to 10); empty outside.
QString BriefingSpeakerLine(int stage);

}  // namespace campaign
