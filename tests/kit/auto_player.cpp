#include "kit/auto_player.h"

#include "app/state.h"
#include "duel/vantra_form.h"
#include "kit/duel_hands.h"

AutoPlayer::AutoPlayer(VantraForm& form, Style style)
    : form_(&form), style_(style), timer_(this, style.thinkMs, [this] { Tick(); }) {
    timer_.setEnabled(true);
}

void AutoPlayer::Tick() {
    if (!form_ || form_->unloaded()) {
        timer_.setEnabled(false);
        return;
    }
    VantraForm& f = *form_;
    const bool contest = f.Picture5->isVisible();
    if (contest && !inContest_) ++contestsSeen;
    inContest_ = contest;
    const bool pause = f.Picture1->isVisible() && !f.Image2->isHidden();
    if (pause && !inPause_) ++reDealsSeen;
    inPause_ = pause;
    if (f.Picture4->isVisible() && f.Label5->text().startsWith(QStringLiteral("You"))) sawResult = true;

    timer_.setInterval(contest ? style_.hitMs : style_.thinkMs);
    if (contest) {
        if (f.Label9->text() == QStringLiteral("Go!!")) Hit();
    } else if (f.Picture1->isVisible() && !pause) {
        PlayCards();
    }
}

void AutoPlayer::Hit() {
    if (style_.keyboard)
        duel_hands::ReleaseKey(PlayKeys[0]);
    else
        duel_hands::ClickContest(*form_);
    ++hits;
}

void AutoPlayer::PlayCards() {
    VantraForm& f = *form_;
    auto key = [&](int k) { duel_hands::ReleaseKey(PlayKeys[static_cast<size_t>(k + 1)]); };
    auto pileKey = [&](int p) { duel_hands::ReleaseKey(PlayKeys[static_cast<size_t>(p - kLeftPile)]); };
    // A pick left over from an interrupted move is put back first.
    if (style_.keyboard && f.Selected != 0) {
        key(f.Selected);
        return;
    }
    // Two cards of one rank make one: a card less to get rid of.
    for (int a = 1; a <= 4; ++a) {
        for (int b = 1; b <= 4; ++b) {
            if (a == b || !SameRank(f.shown(a), f.shown(b))) continue;
            if (style_.keyboard) {
                key(a);
                key(b);
            } else {
                duel_hands::DragCard(f, a, b);
            }
            ++merges;
            return;
        }
    }
    for (int k = 1; k <= 4; ++k) {
        for (int p : {kLeftPile, kRightPile}) {
            if (!CanMove(f.shown(p), f.shown(k))) continue;
            if (style_.keyboard) {
                key(k);
                pileKey(p);
            } else {
                duel_hands::DragCard(f, k, p);
            }
            ++lays;
            return;
        }
    }
    for (int k = 1; k <= 4; ++k) {
        if (f.shown(k) == 0 && f.MyCount >= 2) {
            if (style_.keyboard)
                key(k);
            else
                duel_hands::ClickCard(f, k);
            ++draws;
            return;
        }
    }
}
