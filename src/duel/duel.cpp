// Opening a duel and handing its result back to whoever opened it.
#include "app/shared_procedures.h"
#include "app/state.h"
#include "duel/hand_over.h"
#include "duel/vantra_form.h"

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
}  // namespace

void DuelEnd(bool won, int32_t score) {
    Shared.LastDuel = DuelOutcome{won, score};
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
                ShowPractice();
            else
                ShowTitle();
            break;
        }
        default:
            break;
    }
}
