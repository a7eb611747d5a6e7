// Stalls and contests: the re-deal when nobody plays, and the race to ten
// hits when both sides want the same pile.
#include "duel/vantra_form.h"

#include "app/shared_procedures.h"
#include "app/state.h"
#include "duel/battle_rules.h"
#include "platform/random.h"

void VantraForm::AgainTimer_Timer() {
    ++StallCount;
    switch (StallWatch(StallCount, Slot, MyCount, FoeCount)) {
        case StallAction::Reset:
            StallCount = 1;
            break;
        case StallAction::ReDeal:
            ReDeal();
            break;
        case StallAction::Resume:
            Resume();
            break;
        case StallAction::Wait:
            break;
    }
}

void VantraForm::ReDeal() {
    Picture4->show();
    Picture4->raise();
    Image2->show();
    Image2->raise();
    SetCardSetTimer(false);
    eAvTimer.setEnabled(false);
    eHeadTimer.setEnabled(false);
    KeyPlayOn = false;
    host::Randomize();
    // An exhausted deck turns a random card of its colour, which may repeat one seen before.
    CardValue m = AddCard();
    if (m == 0) m = static_cast<CardValue>(Draw(26));
    CardValue d = eAddCard();
    if (d == 0) d = static_cast<CardValue>(Draw(26) + 26);
    SetSlot(kLeftPile, m);
    SetSlot(kRightPile, d);
    StallCount = kReDealCount;
    StartBanner(QStringLiteral("Go!!"), QStringLiteral("Go!!"));
    PlayEffect(6);
    EndCcheck();
}

void VantraForm::Resume() {
    Picture4->hide();
    Picture1->show();
    Image2->hide();
    PlayRun(true);
    StallCount = 1;
    KeyPlayOn = true;
}

void VantraForm::CardBat(int src, int dst) {
    host::Randomize();
    const float x = static_cast<float>(host::Rnd()) * 10.0f + 1.0f;
    const int foe = LayIsContested(x) ? ContestingFoePlace(Slot, dst) : 0;
    if (foe == 0) {
        SetSlot(dst, slot(src));
        SetSlot(src, 0);
        return;
    }
    // The player's card stays in its place until the contest is decided.
    BattlePile = static_cast<int16_t>(dst);
    BattleMine = static_cast<int16_t>(src);
    BattleFoe = static_cast<int16_t>(foe);
    ContestStart();
}

void VantraForm::ContestStart() {
    Shape3->setShapeWidth(Tw(kContestBarMiddle));
    Label9->setText(QStringLiteral("Wait"));
    Picture5->show();
    Picture1->hide();
    PlayRun(false);
    MashKey = 0;
    BattleOn = false;
    KeyPlayOn = false;
    BattlePhase = 0;
    BatTimer.setInterval(DuelTiming::kBatAnnounce);
    BatTimer.setEnabled(true);
}

void VantraForm::BatTimer_Timer() {
    if (BattlePhase == 0) {
        MyHits = 0;
        FoeHits = 0;
        BatTimer.setInterval(FoeHitInterval(Quickness));
        BattleOn = true;
        Label9->setText(QStringLiteral("Go!!"));
        BattlePhase = 1;
        PlayWave(ContestSound);
        return;
    }
    ++FoeHits;
    P_Bar(MyHits, FoeHits);
    if (FoeHits == kContestHits) {
        BatTimer.setEnabled(false);
        BattleOn = false;
        BatEnd(false);
    }
}

void VantraForm::P_Bar(int16_t mine, int16_t foe) {
    Shape3->setShapeWidth(Tw(PBarShare(mine, foe)));
}

void VantraForm::BatEnd(bool playerWon) {
    if (playerWon) {
        SetSlot(BattlePile, slot(BattleMine));
        SetSlot(BattleMine, 0);
    } else {
        SetSlot(BattlePile, slot(BattleFoe));
        SetSlot(BattleFoe, 0);
        // The player's card is still in its place and may be laid again.
        if (InputDevice == 0) Image1[static_cast<size_t>(BattleMine)]->setDraggable(true);
    }
    Picture1->show();
    Picture5->hide();
    if (!EndCcheck()) {
        PlayRun(true);
        BattleOn = false;
        KeyPlayOn = true;
        BatTimer.setEnabled(false);
        StallCount = 1;
    }
}
