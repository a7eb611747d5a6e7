// Opening a duel and handing its result back to whoever opened it.
#include "duel/duel.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "campaign/mes_form.h"
#include "campaign/roster.h"
#include "duel/foe_lines.h"
#include "duel/hand_over.h"
#include "duel/vantra_form.h"
#include "shell/open_form.h"
#include "shell/p_main_form.h"

void StartDuel(const QString& name, int16_t face, int32_t paramA, int32_t paramB, int32_t paramC, int16_t music) {
    DuelFoeName = name;
    DuelFoeFace = face;
    DuelParamA = ToParamByte(paramA);
    DuelParamB = ToParamByte(paramB);
    DuelParamC = ToParamByte(paramC);
    DuelMusic = music;
    Forms::Get<VantraForm>().Show();
}

namespace {
constexpr uint8_t kFirstCastle = 1, kNewCastle = 2, kPractice = 255;
DuelOutcome g_lastOutcome;
}  // namespace

DuelOutcome LastDuelOutcome() {
    return g_lastOutcome;
}

void DuelEnd(bool won, int32_t score) {
    g_lastOutcome = DuelOutcome{won, score};
    switch (GameMode) {
        case kFirstCastle:
            LastWon = won;
            GainedPoint = score;
            if (StageNo < 8) {
                const int32_t face = FoeBase + FoeIndex;
                MesBox(static_cast<int16_t>(face), FoeName, FoeLine(face, won ? 1 : 2), false, false);
            }
            BriefingDone = true;
            ShowNewMap();
            break;
        case kNewCastle:
            LastWon = won;
            BriefingDone = true;
            GainedPoint = 2 * score;
            ShowNewNewMap();
            break;
        case kPractice: {
            const QString text = won ? QStringLiteral("なかなかやりますね。もう一度練習しますか？")
                                     : QStringLiteral("まだまだ練習が足りませんね。もう一度練習しますか？");
            if (MesBox(kGuideFace, GuideLine(), text, true, false) == -1)
                Forms::Get<p_MainForm>().Show();
            else
                Forms::Get<OpenForm>().Show();
            break;
        }
        default:
            break;
    }
}
