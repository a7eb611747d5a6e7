#pragma once
// A scripted player: it plays through real key and mouse events at a chosen
// pace; its keys go to the widget that has the keyboard focus, so a duel it
// finishes also proves the duel kept the focus. It plays whole duels in the
// end-to-end tests and the benchmarks, and is handy for balancing the
// opponents. Part of the test kit: the game never includes it.
//
// It does not look at the screen's pixels. It reads the duel window's table
// and controls instead: the cards shown (VantraForm::shown), the player's
// pick (Selected), the deck count (MyCount), which panel is up (Picture1,
// Picture4, Picture5, Image2) and the banner and contest captions.
#include "platform/timer.h"

#include <QObject>
#include <QPointer>
#include <cstdint>

class VantraForm;

class AutoPlayer : public QObject {
    Q_OBJECT
public:
    struct Style {
        bool keyboard = true;
        int32_t thinkMs = 250;  // between two card actions
        int32_t hitMs = 40;     // between two hits in a contest
    };

    AutoPlayer(VantraForm& form, Style style);

    // What the player has done and seen so far.
    int draws = 0, lays = 0, merges = 0, hits = 0;
    int contestsSeen = 0, reDealsSeen = 0;
    bool sawResult = false;

private:
    void Tick();
    void PlayCards();
    void Hit();

    QPointer<VantraForm> form_;
    Style style_;
    host::Timer timer_;
    bool inContest_ = false;
    bool inPause_ = false;
};
