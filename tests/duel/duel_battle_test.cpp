// Contests, re-deals, the end of the match, the score and the hand-back.
#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include "app/shared_procedures.h"
#include "campaign/mes_form.h"
#include "duel/battle_rules.h"
#include "duel_fixture.h"
#include "kit/duel_hands.h"
#include "platform/random.h"
#include "platform/scheduler.h"
#include "shell/open_form.h"
#include "shell/p_main_form.h"

namespace {
using namespace duel_hands;
constexpr int16_t S = 83, Z = 90, X = 88;

class BattleTest : public DuelTest {
protected:
    // The next lay draws x = 10.5: contested whenever the opponent could answer.
    static void contestNext() {
        host::installRandomSource(std::make_unique<host::ScriptedRandom>(std::vector<double>{0.95}));
    }
    static void noContest() {
        host::installRandomSource(std::make_unique<host::ScriptedRandom>(std::vector<double>{0.0}));
    }
    // The player's 5 at place 1 against the left pile's 4; the opponent holds a 3 at place 7.
    VantraForm& contested() {
        VantraForm& f = play(50, 50, 50);
        freeze(f);
        lay(f, {Mine(5), 0, 0, 0, Mine(4), Theirs(10), Theirs(3), 0, 0, 0});
        return f;
    }
};

TEST_F(BattleTest, ContestWonByTheMashKey) {
    VantraForm& f = contested();
    contestNext();
    ReleaseKey(Z);
    ReleaseKey(S);
    EXPECT_TRUE(f.Picture5->isVisible());
    EXPECT_FALSE(f.Picture1->isVisible());
    EXPECT_EQ(f.Label9->text(), QStringLiteral("Wait"));
    EXPECT_EQ(f.slot(1), Mine(5)) << "the card waits for the contest";
    EXPECT_EQ(f.slot(5), Mine(4));
    EXPECT_EQ(f.Shape3->width(), Tw(kContestBarMiddle));
    EXPECT_FALSE(f.KeyPlayOn);
    for (host::Timer* t : {&f.AgainTimer, &f.eAvTimer, &f.eHeadTimer}) EXPECT_FALSE(t->enabled());
    EXPECT_FALSE(f.cardSetEnabled());

    ReleaseKey(X);
    EXPECT_EQ(f.MashKey, 0) << "hits before \"Go!!\" do not count";
    advance(499);
    EXPECT_FALSE(f.BattleOn);
    advance(1);
    EXPECT_TRUE(f.BattleOn);
    EXPECT_EQ(f.Label9->text(), QStringLiteral("Go!!"));
    EXPECT_EQ(f.BatTimer.interval(), 152);

    ReleaseKey(X);
    EXPECT_EQ(f.MashKey, X);
    for (int i = 0; i < 3; ++i) ReleaseKey(Z);
    EXPECT_EQ(f.MyHits, 1) << "only the latched key counts";
    for (int i = 0; i < 8; ++i) ReleaseKey(X);
    EXPECT_EQ(f.MyHits, 9);
    EXPECT_EQ(f.Shape3->width(), Tw(5032));
    ReleaseKey(X);
    EXPECT_EQ(f.slot(5), Mine(5));
    EXPECT_EQ(f.slot(1), 0);
    EXPECT_EQ(f.slot(7), Theirs(3));
    EXPECT_TRUE(f.Picture1->isVisible());
    EXPECT_FALSE(f.Picture5->isVisible());
    EXPECT_TRUE(f.KeyPlayOn);
    EXPECT_FALSE(f.BatTimer.enabled());
    for (host::Timer* t : {&f.AgainTimer, &f.eAvTimer, &f.eHeadTimer}) EXPECT_TRUE(t->enabled());
    EXPECT_TRUE(f.cardSetEnabled());
}

// Holding the mash key is one hit, however X repeats it; tapping it (each
// tap with its own time stamp) still wins.
TEST_F(BattleTest, HoldingTheMashKeyWinsNothing) {
    VantraForm& f = contested();
    contestNext();
    ReleaseKey(Z);
    ReleaseKey(S);
    advance(500);
    ASSERT_TRUE(f.BattleOn);
    f.BatTimer.setEnabled(false);  // the opponent does not hit back meanwhile
    // Held twice: once with no pair marked as auto-repeat (as on Xvfb), once with every pair marked.
    uint64_t t = HoldKey(f, X, 500000, 40, [](int) { return false; });
    EXPECT_EQ(f.MashKey, X);
    EXPECT_EQ(f.MyHits, 1);
    t = HoldKey(f, X, t + 100, 40, [](int) { return true; });
    EXPECT_EQ(f.MyHits, 2);
    EXPECT_TRUE(f.BattleOn);
    for (int i = 0; i < 8; ++i) t = HoldKey(f, X, t + 90, 0, [](int) { return false; });
    EXPECT_EQ(f.MyHits, 10);
    EXPECT_FALSE(f.BattleOn);
    EXPECT_EQ(f.slot(5), Mine(5)) << "won by tapping";
}

TEST_F(BattleTest, ContestWonByLeftClicks) {
    InputDevice = 0;
    VantraForm& f = contested();
    ClickCard(f, 2);  // a card drawn by a click can be dragged
    f.SetSlot(2, Mine(5) + 13);
    advance(1);
    contestNext();
    DragCard(f, 2, 5);
    EXPECT_TRUE(f.Picture5->isVisible());
    EXPECT_FALSE(f.Image1[2]->draggable());
    advance(500);
    ClickContest(f, Qt::RightButton);
    ReleaseKey(X);
    EXPECT_EQ(f.MyHits, 0) << "the right button and the keys do not count";
    for (int i = 0; i < 9; ++i) ClickContest(f);
    EXPECT_EQ(f.MyHits, 9);
    // Clicks on the panel's labels are clicks on the panel.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QWidget* label = f.Label7;
    QWidget* target = f.childAt(label->mapTo(&f, QPoint(5, 5)));
    ASSERT_EQ(target, f.Picture5);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
    EXPECT_EQ(f.slot(5), Mine(5) + 13);
    EXPECT_EQ(f.slot(2), 0);
}

TEST_F(BattleTest, ContestLostLeavesTheCardToBeLaidAgain) {
    InputDevice = 0;
    VantraForm& f = contested();
    ClickCard(f, 2);
    f.SetSlot(2, Mine(5) + 13);
    f.SetSlot(6, Mine(6));
    advance(1);
    contestNext();
    DragCard(f, 2, 5);
    // "Wait" for 500 ms, then ten hits of the opponent 152 ms apart.
    advance(500 + 9 * 152);
    EXPECT_EQ(f.FoeHits, 9);
    EXPECT_TRUE(f.Picture5->isVisible());
    advance(152);
    EXPECT_EQ(f.FoeHits, 10);
    EXPECT_EQ(f.Shape3->width(), 0);
    EXPECT_EQ(f.slot(5), Theirs(3));
    EXPECT_EQ(f.slot(7), 0);
    EXPECT_EQ(f.slot(2), Mine(5) + 13);
    EXPECT_TRUE(f.Image1[2]->draggable());
    EXPECT_TRUE(f.Picture1->isVisible());
    ClickContest(f);
    EXPECT_EQ(f.MyHits, 0) << "hits after the contest do not count";

    freeze(f);
    advance(1);
    noContest();
    DragCard(f, 2, 6);
    EXPECT_EQ(f.slot(6), Mine(5) + 13);
    EXPECT_EQ(f.slot(2), 0);
}

TEST_F(BattleTest, NoContestWhenTheOpponentCouldNotAnswer) {
    VantraForm& f = contested();
    f.SetSlot(7, Theirs(9));
    advance(1);
    contestNext();
    ReleaseKey(Z);
    ReleaseKey(S);
    EXPECT_FALSE(f.Picture5->isVisible());
    EXPECT_EQ(f.slot(5), Mine(5));
}

// Both rows full, nothing fits: the piles are a 7 and a 7.
class StallTest : public DuelTest {
protected:
    VantraForm& stalled() {
        VantraForm& f = play();
        f.eAvTimer.setEnabled(false);
        f.eHeadTimer.setEnabled(false);
        lay(f, {Mine(1), Mine(2), Mine(3), Mine(4), Mine(7), Theirs(7), Theirs(1), Theirs(2), Theirs(3), Theirs(4)});
        return f;  // 8002 ms: the stall watch ticks at 10000, 12000, ...
    }
};

TEST_F(StallTest, ReDealAfterTwoQuietTicksThenResume) {
    VantraForm& f = stalled();
    advance(1998);
    EXPECT_FALSE(f.Picture4->isVisible());
    advance(2000);
    EXPECT_TRUE(f.Picture4->isVisible());
    EXPECT_TRUE(f.Image2->isVisible());
    EXPECT_EQ(f.Label5->text(), QStringLiteral("Go!!"));
    EXPECT_FALSE(f.KeyPlayOn);
    EXPECT_EQ(f.MyCount, 24);
    EXPECT_EQ(f.FoeCount, 24);
    EXPECT_EQ(f.slot(5), f.MyDeck[24]);
    EXPECT_EQ(f.slot(6), f.FoeDeck[24]);
    EXPECT_EQ(f.shown(5), Mine(7)) << "the new cards appear when play resumes";
    EXPECT_EQ(f.StallCount, 50);
    advance(1999);
    EXPECT_TRUE(f.Picture4->isVisible());
    advance(1);
    EXPECT_FALSE(f.Picture4->isVisible());
    EXPECT_FALSE(f.Image2->isVisible());
    EXPECT_TRUE(f.KeyPlayOn);
    EXPECT_EQ(f.StallCount, 1);
    advance(1);
    EXPECT_EQ(f.shown(5), f.slot(5));
    EXPECT_TRUE(f.eHeadTimer.enabled());
}

TEST_F(StallTest, ARefusedMovePostponesTheReDeal) {
    VantraForm& f = stalled();
    advance(2998);  // 11000
    ReleaseKey(X);
    ReleaseKey(S);  // a 2 on a 7: refused, but it is a move
    EXPECT_EQ(f.StallCount, 1);
    advance(1000);  // 12000
    EXPECT_FALSE(f.Picture4->isVisible());
    advance(2000);  // 14000
    EXPECT_TRUE(f.Picture4->isVisible());
}

TEST_F(StallTest, ACardHeldIntoTheReDealLandsOnTheBannerAndPlayResumes) {
    InputDevice = 0;
    VantraForm& f = stalled();
    f.Image1[1]->setDraggable(true);
    DragCard(f, 1, 5, [&] {
        advance(4000);  // the re-deal comes while the Ace is held
        ASSERT_TRUE(f.Picture4->isVisible());
        f.SetSlot(5, Mine(2));  // behind the banner the Ace would fit
    });
    EXPECT_EQ(f.slot(1), Mine(1));
    EXPECT_EQ(f.slot(5), Mine(2));
    EXPECT_EQ(f.StallCount, 50);
    advance(2000);
    EXPECT_FALSE(f.Picture4->isVisible());
    EXPECT_FALSE(f.Image2->isVisible());
    EXPECT_TRUE(f.KeyPlayOn);
}

TEST_F(StallTest, ExhaustedDecksKeepReDealingRandomCardsOfTheirColour) {
    VantraForm& f = stalled();
    f.MyCount = 1;
    f.FoeCount = 1;
    for (int round = 0; round < 3; ++round) {
        f.eAvTimer.setEnabled(false);
        f.eHeadTimer.setEnabled(false);
        advance(4000);
        ASSERT_TRUE(f.Picture4->isVisible()) << "round " << round;
        EXPECT_GE(f.slot(5), 1);
        EXPECT_LE(f.slot(5), 26);
        EXPECT_GE(f.slot(6), 27);
        EXPECT_LE(f.slot(6), 52);
        EXPECT_EQ(f.MyCount, 1);
        advance(2000);
        ASSERT_FALSE(f.Picture4->isVisible());
        // Whatever came up, put the stall back.
        f.SetSlot(5, Mine(7));
        f.SetSlot(6, Theirs(7));
    }
}

class EndTest : public DuelTest {
protected:
    // The player's last card, a 5, waits at place 1 over a 4; the opponent
    // has 5 cards left to draw.
    VantraForm& lastCard(int a = 50, int b = 50, int c = 50) {
        VantraForm& f = play(a, b, c);
        freeze(f);
        lay(f, {Mine(5), 0, 0, 0, Mine(4), Theirs(10), Theirs(1), Theirs(1) + 13, 0, 0});
        f.MyCount = 1;
        f.FoeCount = 6;
        host::installRandomSource(std::make_unique<host::ScriptedRandom>(std::vector<double>{0.0}));
        return f;
    }
    // Answers the practice question when it comes up.
    void answerAt(uint64_t ms, bool yes) {
        time->after(ms, [yes] {
            MesForm* m = Forms::Find<MesForm>();
            ASSERT_NE(m, nullptr) << "the question is up";
            m->Label3_Click(yes ? 0 : 1);
        });
    }
};

TEST_F(EndTest, LayingTheLastCardWinsAtOnceAndScores) {
    VantraForm& f = lastCard();
    // Closing 40 s after "Go!!": the practice example.
    f.StartTime = host::Clock() + 3000 - 40000;
    ReleaseKey(Z);
    ReleaseKey(S);
    EXPECT_TRUE(f.Won);
    EXPECT_TRUE(f.Picture4->isVisible());
    EXPECT_FALSE(f.Picture1->isVisible());
    EXPECT_EQ(f.Label5->text(), QStringLiteral("You Win !!"));
    EXPECT_EQ(f.Label6->text(), QStringLiteral("You Win !!"));
    EXPECT_FALSE(f.KeyPlayOn);
    for (host::Timer* t : {&f.Timer2, &f.eAvTimer, &f.eHeadTimer, &f.AgainTimer}) EXPECT_FALSE(t->enabled());
    EXPECT_FALSE(f.cardSetEnabled());
    EXPECT_TRUE(f.EndTimer.enabled());
    const QString clock = f.Label11->text();

    answerAt(3000 + 100, false);
    advance(2999);
    EXPECT_EQ(Forms::Find<VantraForm>(), &f);
    EXPECT_EQ(f.Label11->text(), clock) << "the clock stopped with the match";
    advance(200);
    EXPECT_EQ(Forms::Find<VantraForm>(), nullptr);
    EXPECT_TRUE(LastDuelOutcome().won);
    EXPECT_EQ(LastDuelOutcome().score, 7500);
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>()) << "No goes back to the title";
    EXPECT_FALSE(Forms::IsLoaded<p_MainForm>());
}

TEST_F(EndTest, PracticeAgainAfterAWin) {
    VantraForm& f = lastCard();
    f.StartTime = host::Clock() + 3000 - 60000;
    ReleaseKey(Z);
    ReleaseKey(S);
    answerAt(3000 + 100, true);
    advance(3200);
    EXPECT_EQ(LastDuelOutcome().score, 1500 + 4000 + 1000) << "60 s gives a bonus of 1500";
    EXPECT_TRUE(Forms::IsLoaded<p_MainForm>());
    EXPECT_FALSE(Forms::IsLoaded<OpenForm>());
}

TEST_F(EndTest, TheOpponentsLastCardLosesAndScoresNothing) {
    VantraForm& f = play();
    freeze(f);
    lay(f, {Mine(1), 0, 0, 0, Mine(4), Theirs(10), Theirs(5), 0, 0, 0});
    f.FoeCount = 1;
    f.eHeadTimer_Timer();
    EXPECT_EQ(f.slot(5), Theirs(5));
    EXPECT_FALSE(f.Won);
    EXPECT_EQ(f.Label5->text(), QStringLiteral("You Lose.. "));
    EXPECT_EQ(f.Label6->text(), QStringLiteral("You Lose.."));
    EXPECT_TRUE(f.EndTimer.enabled());
    answerAt(3000 + 100, true);
    advance(3200);
    EXPECT_FALSE(LastDuelOutcome().won);
    EXPECT_EQ(LastDuelOutcome().score, 0);
    EXPECT_TRUE(Forms::IsLoaded<p_MainForm>());
}

// Notes the text of every message window that comes up while it lives.
class MessageWatch : public QObject {
public:
    explicit MessageWatch(QStringList& shown) : shown_(shown) { qApp->installEventFilter(this); }
    ~MessageWatch() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show)
            if (auto* m = qobject_cast<MesForm*>(o)) shown_.push_back(m->Label2->text());
        return false;
    }

private:
    QStringList& shown_;
};

// The campaign routes hand the result to the map, whose Startup settles it:
// the won points reach the run (doubled in the new castle) and the stage moves
// on. The Demon King and the new castle say nothing after the duel.
TEST_F(EndTest, CampaignRoutesSetTheResult) {
    struct Case {
        uint8_t mode;
        int16_t stage;
        int32_t gained;  // from a win scoring 7500
        int16_t next;
    };
    const Case cases[] = {{1, 8, 7500, 9}, {2, 12, 15000, 13}};
    for (const Case& c : cases) {
        Forms::discardAll();
        GameMode = c.mode;
        StageNo = c.stage;
        LevelNo = 1;
        TotalPoint = 100000;
        FoeLeft.fill(false);
        LastWon = false;
        BriefingDone = false;
        // A townsman's place, so a wrongly spoken line would be one.
        FoeBase = 23;
        FoeIndex = 0;
        QStringList shown;
        MessageWatch watch(shown);
        DuelEnd(true, 7500);
        EXPECT_EQ(TotalPoint, 100000 + c.gained) << "mode " << int(c.mode);
        EXPECT_EQ(StageNo, c.next);
        EXPECT_EQ(GainedPoint, 0);
        EXPECT_FALSE(shown.contains(FoeLine(23, 1))) << "no line after stage 7 or in the new castle";
    }
}

TEST_F(EndTest, FirstCastleOpponentSpeaksAfterTheDuel) {
    GameMode = 1;
    StageNo = 3;
    FoeBase = 15;
    FoeIndex = 2;
    FoeName = QStringLiteral("歩兵タケル");
    QString spoken, speaker;
    time->after(10, [&] {
        MesForm* m = Forms::Find<MesForm>();
        ASSERT_NE(m, nullptr);
        spoken = m->Label2->text();
        speaker = m->Label1->text();
    });
    DuelEnd(false, 0);
    EXPECT_EQ(spoken, FoeLine(17, 2));
    EXPECT_EQ(speaker, FoeName);
    EXPECT_FALSE(LastWon);
    EXPECT_EQ(GainedPoint, 0);
    EXPECT_TRUE(BriefingDone);
}

}  // namespace
