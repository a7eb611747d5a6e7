// Practice from the title to a whole duel and back, through the real windows.
#include "duel/vantra_form.h"
#include "kit/auto_player.h"
#include "look/look.h"
#include "platform/scheduler.h"
#include "platform/timer.h"
#include "shell/open_form.h"
#include "shell/p_main_form.h"
#include "shell/shell_test.h"

#include <QAction>
#include <memory>

namespace {

class PracticeRoundTrip : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        MesTime = 3;
        InputDevice = 1;
        Forms::Get<MeinForm>();
        Forms::Get<OpenForm>().Show();
        advance(10);
    }

    // Plays the duel that has just been opened until the practice question
    // comes, and answers it.
    void playDuelAndAnswer(bool again) {
        VantraForm* duel = Forms::Find<VantraForm>();
        ASSERT_NE(duel, nullptr) << "no duel was started";
        EXPECT_FALSE(Forms::Find<MeinForm>()->mnuNew->isEnabled()) << "the duel puts the menus in mode 0";
        AutoPlayer player(*duel, AutoPlayer::Style{});
        // The question comes in the duel's hand-back, which waits in it, so it
        // is answered from a timer that keeps looking for it.
        bool asked = false;
        QObject owner;
        host::Timer watcher(&owner, 200, [&] {
            MesForm* m = Forms::Find<MesForm>();
            if (m && m->mode() == 1 && m->isVisible()) {
                asked = true;
                watcher.setEnabled(false);
                ui::Click(m->Label3[again ? 0 : 1]);
            }
        });
        watcher.setEnabled(true);
        // Time passes as the test lets it, not in a wait of the game's: the
        // hand-back runs only once no wait is running.
        for (int i = 0; i < 600 && !(asked && !Forms::IsLoaded<MesForm>() && !Forms::IsLoaded<VantraForm>()); ++i)
            advance(1000);
        advance(100);
        EXPECT_TRUE(asked);
        EXPECT_TRUE(player.sawResult);
        EXPECT_FALSE(Forms::IsLoaded<VantraForm>());
    }
};

TEST_F(PracticeRoundTrip, AgainLeadsToThePracticeWindowAndItsBackButtonToTheTitle) {
    ui::Click(Forms::Find<OpenForm>()->Image1[2]);
    clickSoon(Forms::Find<p_MainForm>()->Image1[1]);
    EXPECT_EQ(DuelParamA, 50);
    playDuelAndAnswer(true);
    ASSERT_TRUE(Forms::IsLoaded<p_MainForm>());
    EXPECT_TRUE(Forms::Find<p_MainForm>()->isVisible());
    EXPECT_FALSE(Forms::IsLoaded<OpenForm>());

    ui::Click(Forms::Find<p_MainForm>()->Image1[3]);
    EXPECT_FALSE(Forms::IsLoaded<p_MainForm>());
    ASSERT_TRUE(Forms::IsLoaded<OpenForm>());
    EXPECT_TRUE(Forms::Find<OpenForm>()->isVisible());
    EXPECT_TRUE(Forms::Find<MeinForm>()->mnuNew->isEnabled()) << "the title sets menu mode 1";
}

TEST_F(PracticeRoundTrip, FromTheMenuAndNoLeadsToTheTitle) {
    Forms::Find<MeinForm>()->mnuLevel[3]->trigger();
    EXPECT_EQ(DuelParamA, 70);
    playDuelAndAnswer(false);
    ASSERT_TRUE(Forms::IsLoaded<OpenForm>());
    EXPECT_TRUE(Forms::Find<OpenForm>()->isVisible());
    EXPECT_FALSE(Forms::IsLoaded<p_MainForm>());
    EXPECT_TRUE(Forms::Find<MeinForm>()->mnuNew->isEnabled());
}

}  // namespace
