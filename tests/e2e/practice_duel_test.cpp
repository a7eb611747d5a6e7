// Whole practice duels in virtual time, played by a scripted player through
// the real windows: the practice window or the menu's entry starts the duel,
// the player watches the countdown, plays to the end with the keyboard or the
// mouse, and answers the guide's question afterwards.
#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "campaign/mes_form.h"
#include "duel/result_rules.h"
#include "duel/vantra_form.h"
#include "kit/auto_player.h"
#include "look/look.h"
#include "platform/scheduler.h"
#include "shell/open_form.h"
#include "shell/p_main_form.h"
#include "support/game_test.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

struct Match {
    int16_t level;
    bool keyboard;
    AutoPlayer::Style style;
    bool wins;
    bool practiseAgain;
};

std::ostream& operator<<(std::ostream& os, const Match& m) {
    return os << "level " << m.level << (m.keyboard ? " keyboard" : " mouse") << " think " << m.style.thinkMs;
}

class PracticeDuel : public GameTest, public ::testing::WithParamInterface<Match> {
protected:
    void SetUp() override {
        GameTest::SetUp();
        PlayKeys = {83, 68, 90, 88, 67, 86};
        MesTime = 3;
        SoundOn = true;  // the effects play into the null output
        MusicOn = false;
    }

    static void click(QWidget* w) {
        const QPointF local(w->rect().center()), global(w->mapToGlobal(w->rect().center()));
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &release);
    }

    // Level 0 is on the menu only; 1..3 are the practice window's buttons.
    VantraForm& start(int16_t level) {
        if (level == 0) {
            Bot(0);
        } else {
            p_MainForm& practice = Forms::Get<p_MainForm>();
            practice.Show();
            click(practice.Image1[static_cast<size_t>(level - 1)]);
        }
        VantraForm* f = Forms::Find<VantraForm>();
        EXPECT_NE(f, nullptr);
        EXPECT_FALSE(Forms::IsLoaded<p_MainForm>());
        return *f;
    }
};

TEST_P(PracticeDuel, PlaysToTheEnd) {
    const Match m = GetParam();
    InputDevice = m.keyboard ? 1 : 0;
    VantraForm& f = start(m.level);
    const PracticeValues v = PracticeLevelValues(m.level);
    EXPECT_EQ(f.FoeQuickBase, v.paramA);
    EXPECT_EQ(f.FoeTemper, v.paramB);
    EXPECT_EQ(f.FoeSkill, v.paramC);
    AutoPlayer player(f, m.style);

    // The countdown, as the player sees it.
    const char* steps[] = {"OnYourMark", "GetSet", "Go!!"};
    for (const char* step : steps) {
        advance(2000);
        EXPECT_TRUE(f.Picture4->isVisible());
        EXPECT_FALSE(f.Picture1->isVisible());
        EXPECT_EQ(f.Label6->text(), QString::fromLatin1(step));
    }
    advance(2000);
    EXPECT_TRUE(f.Picture1->isVisible());

    // Play until the result banner comes up.
    int waited = 0;
    while (!f.EndTimer.enabled() && waited < 20 * 60 * 1000) {
        advance(100);
        waited += 100;
    }
    ASSERT_TRUE(f.EndTimer.enabled()) << m << ": the duel never ended";
    const uint64_t closeAt = f.EndTimer.deadline();
    EXPECT_EQ(f.Won, m.wins) << m << " after " << waited / 1000 << " s, my " << int(f.MyCount) << " foe "
                             << int(f.FoeCount) << " draws " << player.draws << " lays " << player.lays << " merges "
                             << player.merges << " hits " << player.hits << " contests " << player.contestsSeen
                             << " redeals " << player.reDealsSeen;
    EXPECT_TRUE(f.Picture4->isVisible());
    EXPECT_EQ(f.Label6->text(), m.wins ? QStringLiteral("You Win !!") : QStringLiteral("You Lose.."));
    EXPECT_GE(player.contestsSeen, m.wins ? 1 : 0) << m;
    EXPECT_GE(player.reDealsSeen, 1) << m;
    const int32_t expected = DuelScore(f.Won, ClockSpan(f.StartTime, static_cast<uint32_t>(closeAt)),
                                       FoeParams{f.FoeQuickBase, f.FoeTemper, f.FoeSkill}, f.FoeCount, f.MyCount);

    // Three seconds later the window closes and the guide asks.
    bool asked = false;
    time->at(closeAt + 50, [&] {
        MesForm* q = Forms::Find<MesForm>();
        ASSERT_NE(q, nullptr);
        asked = true;
        EXPECT_EQ(q->Label2->text(), m.wins ? QStringLiteral("なかなかやりますね。もう一度練習しますか？")
                                            : QStringLiteral("まだまだ練習が足りませんね。もう一度練習しますか？"));
        click(q->Label3[m.practiseAgain ? 0 : 1]);
    });
    advance(closeAt - 1 - time->now());
    EXPECT_EQ(Forms::Find<VantraForm>(), &f) << "still showing the result";
    advance(100);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Forms::Find<VantraForm>(), nullptr);
    EXPECT_EQ(LastDuelOutcome().won, m.wins);
    EXPECT_EQ(LastDuelOutcome().score, expected);
    if (m.wins) {
        EXPECT_GT(LastDuelOutcome().score, 0);
    }
    EXPECT_EQ(Forms::IsLoaded<p_MainForm>(), m.practiseAgain);
    EXPECT_EQ(Forms::IsLoaded<OpenForm>(), !m.practiseAgain);
}

constexpr AutoPlayer::Style kKeys{true, 250, 40};
constexpr AutoPlayer::Style kMouse{false, 300, 40};
constexpr AutoPlayer::Style kSlowKeys{true, 5000, 1000};
constexpr AutoPlayer::Style kSlowMouse{false, 5000, 1000};

INSTANTIATE_TEST_SUITE_P(Practice, PracticeDuel,
                         ::testing::Values(Match{0, true, kKeys, true, true}, Match{1, true, kKeys, true, false},
                                           Match{2, true, kKeys, true, true}, Match{3, true, kKeys, true, false},
                                           Match{0, false, kMouse, true, false}, Match{1, false, kMouse, true, true},
                                           Match{2, false, kMouse, true, false}, Match{3, false, kMouse, true, true},
                                           Match{2, true, kSlowKeys, false, false},
                                           Match{3, false, kSlowMouse, false, true}));

}  // namespace
