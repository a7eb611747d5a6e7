// Display names for the stage tables.
#include "campaign/stage_cast.h"

#include "campaign/roster.h"
#include "campaign/stages.h"

namespace campaign {

QString OpponentName(int stage, int position) {
    if (const auto g = FirstCastleGroup(stage)) {
        if (position < 0 || position >= g->count) return {};
        // Stage 9 is the Super Demon King, who wears the Demon King's face.
        if (stage == 9) return SuperDemonKingName();
        return FoeDisplayName(g->firstFace + position);
    }
    if (const auto n = NewCastleOpponent(stage)) {
        if (position != 0) return {};
        return n->superDemonKing ? SuperDemonKingName() : FoeDisplayName(n->face);
    }
    return {};
}

QString BriefingSpeakerLine(int stage) {
    const auto b = StageBriefing(stage);
    if (!b) return {};
    switch (b->speaker) {
        case Speaker::Guide:
            return GuideLine();
        case Speaker::DemonKing:
            return QString::fromUtf8(b->rank) + QStringLiteral("  ") + FoeDisplayName(0);
        case Speaker::SuperDemonKing:
            return QString::fromUtf8(b->rank) + QStringLiteral("  ") + SuperDemonKingName();
    }
    return {};
}

}  // namespace campaign
