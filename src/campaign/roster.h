#pragma once
// The cast: display names of the 28 opponents and of the guide.
#include <QString>

// Face 28 is the guide, who speaks every briefing and system message.
inline constexpr int kGuideFace = 28;

// Display name of face 0..28 (face 0 is the Demon King); empty outside.
QString FoeDisplayName(int face);
// The Super Demon King shares face 0 with the Demon King but has his own name.
QString SuperDemonKingName();
// "案内人", two spaces and the guide's name: the speaker of every guide message
// and the opponent's name in practice duels.
QString GuideLine();
