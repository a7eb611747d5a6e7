// The end of a match: the result banner, the window closing three seconds
// later, the score and the hand-back.
#include "duel/vantra_form.h"

#include "app/state.h"
#include "duel/duel.h"
#include "duel/result_rules.h"
#include "media/music.h"
#include "platform/scheduler.h"

bool VantraForm::EndCcheck() {
    const Finish finish = CheckFinish(Slot, MyCount, FoeCount);
    if (finish == Finish::None) return false;
    Won = finish == Finish::PlayerWon;
    KeyPlayOn = false;
    Picture4->show();
    Picture4->raise();
    Picture1->hide();
    SetCardSetTimer(false);
    eAvTimer.setEnabled(false);
    eHeadTimer.setEnabled(false);
    AgainTimer.setEnabled(false);
    Timer2.setEnabled(false);  // the clock stops where the match ended
    if (Won) {
        StartBanner(QStringLiteral("You Win !!"), QStringLiteral("You Win !!"));
        Effect(14);
    } else {
        StartBanner(QStringLiteral("You Lose.. "), QStringLiteral("You Lose.."));
        Effect(7);
    }
    EndTimer.setEnabled(true);
    return true;
}

void VantraForm::EndTimer_Timer() {
    EndTimer.setEnabled(false);
    Unload();
}

void VantraForm::Form_Unload(bool&) {
    // The hand-back below may wait in a message window; nothing of this
    // window may tick behind it.
    host::Timer::disableAllOwnedBy(this);
    hide();
    host::DoEvents();
    StopMusic(DuelMusic);
    const int64_t elapsed = ClockSpan(StartTime, host::Clock());
    const int32_t score = DuelScore(Won, elapsed, FoeParams{FoeQuickBase, FoeTemper, FoeSkill}, FoeCount, MyCount);
    DuelEnd(Won, score);
}
