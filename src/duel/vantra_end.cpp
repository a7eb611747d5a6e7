// The end of a match: the result banner, the window closing three seconds
// later, the score and the hand-back.
#include "duel/vantra_form.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "duel/replay_record.h"
#include "duel/result_rules.h"
#include "platform/scheduler.h"

bool VantraForm::EndCcheck() {
    const Finish finish = CheckFinish(Slot, MyCount, FoeCount);
    if (finish == Finish::None) return false;
    Won = finish == Finish::PlayerWon;
    KeyPlayOn = false;
    Picture4->show();
    Picture4->raise();
    Picture1->hide();
    PlayRun(false);
    Timer2.setEnabled(false);  // the clock stops where the match ended
    if (Won) {
        StartBanner(QStringLiteral("You Win !!"), QStringLiteral("You Win !!"));
        PlayEffect(14);
    } else {
        StartBanner(QStringLiteral("You Lose.. "), QStringLiteral("You Lose.."));
        PlayEffect(7);
    }
    EndTimer.setEnabled(true);
    return true;
}

void VantraForm::EndTimer_Timer() {
    EndTimer.setEnabled(false);
    Unload();
}

void VantraForm::Form_Unload(bool&) {
    host::Timer::disableAllOwnedBy(this);
    hide();
    host::DoEvents();
    StopMusic(DuelMusic);
    const int64_t elapsed = ClockSpan(StartTime, DuelClock());
    const int32_t score = DuelScore(Won, elapsed, FoeParams{FoeQuickBase, FoeTemper, FoeSkill}, FoeCount, MyCount);
    // The hand-back waits in message windows, counts points up and may start
    // the next duel at once: it runs once this window is gone and no wait is
    // running, so StartDuel gets a fresh window and nothing runs inside a
    // dying one. A quit question open meanwhile is answered first.
    ReplayEndDuel(Won, score, MyCount, FoeCount, Slot);
    const bool won = Won;
    host::Defer([won, score] { DuelEnd(won, score); });
}
