#pragma once
// A duel window in virtual time: the default keys, practice against the
// guide, and helpers to freeze the opponent and lay out the table by hand.
#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "campaign/roster.h"
#include "duel/vantra_form.h"
#include "support/game_test.h"

#include <initializer_list>

class DuelTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        PlayKeys = {83, 68, 90, 88, 67, 86};  // S D | Z X C V
        InputDevice = 1;
        SoundOn = false;
        MusicOn = false;
        MesTime = 3;  // timed messages close after 900 ms
    }

    // Opens a practice duel and returns its window (still counting down).
    VantraForm& open(int a = 50, int b = 50, int c = 50) {
        GameMode = 255;
        StartDuel(GuideLine(), 28, a, b, c, 3);
        VantraForm* f = Forms::Find<VantraForm>();
        EXPECT_NE(f, nullptr);
        return *f;
    }

    // Opens a duel and lets the countdown run until the cards can be played.
    VantraForm& play(int a = 50, int b = 50, int c = 50) {
        VantraForm& f = open(a, b, c);
        advance(8000);
        return f;
    }

    // Stops the opponent and the stall watch, so the table only changes by hand.
    static void freeze(VantraForm& f) {
        f.eAvTimer.setEnabled(false);
        f.eHeadTimer.setEnabled(false);
        f.AgainTimer.setEnabled(false);
    }

    // Lays out the table (positions 1..10, 0 = no card) and lets the picture follow.
    void lay(VantraForm& f, std::initializer_list<int> cards) {
        int i = 1;
        for (int v : cards) f.SetSlot(i++, static_cast<CardValue>(v));
        advance(2);
    }

    // Card values by rank: the player's spades and the opponent's hearts.
    static constexpr int Mine(int rank) { return rank; }  // 1 Ace .. 13 King
    static constexpr int Theirs(int rank) { return 26 + rank; }
};
