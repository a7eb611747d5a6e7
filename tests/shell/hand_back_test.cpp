// The duel's hand-back through the real windows: it runs after the duel window
// is gone, a duel it starts gets a window of its own, and a quit the player
// confirms while a duel ends is the last thing the program asks.
#include "app/shared_procedures.h"
#include "duel/vantra_form.h"
#include "kit/auto_player.h"
#include "platform/scheduler.h"
#include "platform/timer.h"
#include "shell/open_form.h"
#include "shell/p_main_form.h"
#include "shell/shell_test.h"

#include <QAction>
#include <functional>
#include <memory>

namespace {

const QString kQuitQuestion = QStringLiteral("本当にゲームをやめてしまうのかい？");
const QString kAgainAfterWin = QStringLiteral("なかなかやりますね。もう一度練習しますか？");
const QString kAgainAfterLoss = QStringLiteral("まだまだ練習が足りませんね。もう一度練習しますか？");

class HandBack : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        MesTime = 3;
        InputDevice = 1;
        Forms::Get<MeinForm>();
        Forms::Get<OpenForm>().Show();
        advance(10);
        // Every question is noted once and answered by `answer` when it returns
        // a value; until then it stays open.
        watcher = std::make_unique<host::Timer>(&owner, 100, [this] { lookAtMessages(); });
        watcher->setEnabled(true);
    }

    void lookAtMessages() {
        MesForm* m = Forms::Find<MesForm>();
        if (!m || m->mode() != 1 || !m->isVisible()) return;
        if (m != lastSeen) {
            lastSeen = m;
            questions.push_back(m->Label2->text());
        }
        if (std::optional<bool> yes = answer(m->Label2->text())) ui::Click(m->Label3[*yes ? 0 : 1]);
    }

    // Lets time pass until `done`, at most ten virtual minutes.
    bool runUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 600 && !done(); ++i) advance(1000);
        return done();
    }

    static bool practiceAgain(const QString& text) { return text == kAgainAfterWin || text == kAgainAfterLoss; }

    QObject owner;
    std::unique_ptr<host::Timer> watcher;
    QPointer<MesForm> lastSeen;
    std::function<std::optional<bool>(const QString&)> answer = [](const QString&) { return std::optional<bool>(); };
};

TEST_F(HandBack, ADuelStartedInsideTheHandBackPlaysToItsEndOnAFreshWindow) {
    Forms::Find<MeinForm>()->mnuLevel[0]->trigger();
    QPointer<VantraForm> first = Forms::Find<VantraForm>();
    ASSERT_FALSE(first.isNull());
    auto firstPlayer = std::make_unique<AutoPlayer>(*first, AutoPlayer::Style{});

    // The campaign's maps start their next duel from inside the hand-back; the
    // practice question is the hand-back's wait this test starts it from. The
    // answer puts the title over the new duel and takes the keyboard with it,
    // so the second duel is played with the mouse.
    QPointer<VantraForm> second;
    std::unique_ptr<AutoPlayer> secondPlayer;
    bool startedInsideHandBack = false;
    answer = [&](const QString& text) -> std::optional<bool> {
        if (!practiceAgain(text)) return std::nullopt;
        if (!startedInsideHandBack) {
            startedInsideHandBack = true;
            GameMode = 255;
            InputDevice = 0;
            StartDuel(GuideLine(), kGuideFace, 10, 100, 10, 3);
            second = Forms::Find<VantraForm>();
            if (second) secondPlayer = std::make_unique<AutoPlayer>(*second, AutoPlayer::Style{.keyboard = false});
        }
        return false;
    };
    ASSERT_TRUE(runUntil([&] { return startedInsideHandBack; }));
    ASSERT_FALSE(second.isNull()) << "StartDuel opened no window";
    EXPECT_NE(second.data(), first.data()) << "the duel went into the window being unloaded";
    EXPECT_TRUE(firstPlayer->sawResult);

    ASSERT_TRUE(runUntil([&] { return questions.size() == 2 && !Forms::IsLoaded<MesForm>(); }))
        << "the second duel never handed back";
    EXPECT_TRUE(secondPlayer->sawResult);
    EXPECT_GT(secondPlayer->lays, 0) << "the second duel was played, not just shown";
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
}

struct QuitCase {
    const char* name;
    bool confirm;
    int ends;
    int questionsAsked;  // the quit question, then the practice question if it still comes
};

class QuitWhileADuelEnds : public HandBack, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuitWhileADuelEnds, AConfirmedQuitIsTheLastQuestion) {
    const QuitCase& c = GetParam();
    Forms::Find<MeinForm>()->mnuLevel[0]->trigger();
    QPointer<VantraForm> duel = Forms::Find<VantraForm>();
    ASSERT_FALSE(duel.isNull());
    AutoPlayer player(*duel, AutoPlayer::Style{});

    // The player asks to quit while the result is on show; the duel's window
    // closes behind the question, and only then is the question answered.
    bool quitAsked = false;
    answer = [&](const QString& text) -> std::optional<bool> {
        if (text == kQuitQuestion) {
            if (duel && duel->isVisible()) return std::nullopt;
            return c.confirm;
        }
        return false;
    };
    host::Timer asker(&owner, 50, [&] {
        if (quitAsked || !duel || !duel->EndTimer.enabled()) return;
        quitAsked = true;
        Forms::Find<MeinForm>()->close();
    });
    asker.setEnabled(true);

    ASSERT_TRUE(runUntil([&] { return quitAsked && !Forms::IsLoaded<MesForm>() && !duel; }));
    advance(20000);
    EXPECT_EQ(ended, c.ends);
    ASSERT_EQ(static_cast<int>(questions.size()), c.questionsAsked);
    EXPECT_EQ(questions[0], kQuitQuestion);
    if (c.questionsAsked > 1) {
        EXPECT_TRUE(practiceAgain(questions[1]));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, QuitWhileADuelEnds,
                         ::testing::Values(QuitCase{"Confirmed", true, 1, 1}, QuitCase{"Declined", false, 0, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
