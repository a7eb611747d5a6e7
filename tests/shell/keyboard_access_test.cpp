// The keyboard option: off, the title's picture buttons take no focus and no
// key; on, Tab and the arrows move between them and Enter presses one. The
// options dialog turns it on for the windows already open and stores it.
#include "look/look.h"
#include "shell/open_form.h"
#include "shell/option_form.h"
#include "shell/p_main_form.h"
#include "shell/shell_test.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

class KeyboardAccessTest : public ShellTest {
protected:
    // A key pressed and released where the keyboard is in `window`, as the
    // window system delivers it: each half to the focus of that moment.
    static void key(QWidget* window, int k) {
        auto target = [window] { return window->focusWidget() ? window->focusWidget() : window; };
        ui::KeyPress(target(), k);
        ui::KeyRelease(target(), k);
    }
    // Presses Tab until a picture button has the focus; null when none ever does.
    static PlaqueButton* tabToAPlaque(QWidget* window) {
        for (int i = 0; i < 12; ++i) {
            key(window, Qt::Key_Tab);
            if (auto* b = qobject_cast<PlaqueButton*>(window->focusWidget())) return b;
        }
        return nullptr;
    }
    OpenForm& title() {
        Forms::Get<MeinForm>();
        OpenForm& t = Forms::Get<OpenForm>();
        t.Show();
        return t;
    }
};

TEST_F(KeyboardAccessTest, OffTheTitleIsWorkedByMouseOnly) {
    KeyboardAccess = false;
    OpenForm& t = title();
    EXPECT_EQ(tabToAPlaque(t.window()), nullptr);
    for (PlaqueButton* b : t.Image1) EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    // Even sent straight to the options button, Enter does not press it.
    ui::KeyPress(t.Image1[5], Qt::Key_Return);
    ui::KeyRelease(t.Image1[5], Qt::Key_Return);
    EXPECT_FALSE(Forms::IsLoaded<OptionForm>());
}

TEST_F(KeyboardAccessTest, OnTabArrowsAndEnterWorkTheTitle) {
    KeyboardAccess = true;
    OpenForm& t = title();
    QWidget* win = t.window();
    ASSERT_EQ(tabToAPlaque(win), t.Image1[0]);
    struct Step {
        int key;
        size_t focused;
    };
    // The arrows go round the buttons the way Tab does, and wrap at the ends.
    const Step steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Left, 1}, {Qt::Key_Up, 0},
                          {Qt::Key_Up, 6},    {Qt::Key_Down, 0}, {Qt::Key_Tab, 1},  {Qt::Key_Tab, 2}};
    for (const Step& s : steps) {
        key(win, s.key);
        EXPECT_EQ(win->focusWidget(), t.Image1[s.focused]) << "after key " << s.key;
    }
    for (int i = 0; i < 3; ++i) key(win, Qt::Key_Tab);
    ASSERT_EQ(win->focusWidget(), t.Image1[5]);
    EXPECT_EQ(t.Image1[5]->accessibleName(), t.Image1[5]->caption());
    key(win, Qt::Key_Return);
    EXPECT_TRUE(Forms::IsLoaded<OptionForm>()) << "Enter pressed the options button";
}

// Escape on a screen's picture buttons presses its cancel: the practice
// screen's "戻る" takes the player back to the title.
TEST_F(KeyboardAccessTest, EscapePressesTheScreensCancel) {
    KeyboardAccess = true;
    title();
    p_MainForm& practice = Forms::Get<p_MainForm>();
    practice.Show();
    practice.Image1[0]->setFocus();
    QWidget* win = practice.window();
    ASSERT_EQ(win->focusWidget(), practice.Image1[0]);
    key(win, Qt::Key_Escape);
    advance(1);
    EXPECT_FALSE(Forms::IsLoaded<p_MainForm>());
    EXPECT_TRUE(Forms::IsLoaded<OpenForm>());
}

// The release of an Enter pressed elsewhere (one that closed a dialog, say)
// does not press the button that has the focus afterwards.
TEST_F(KeyboardAccessTest, OnlyAWholeKeyStrokePressesAButton) {
    KeyboardAccess = true;
    OpenForm& t = title();
    ui::KeyRelease(t.Image1[5], Qt::Key_Return);
    EXPECT_FALSE(Forms::IsLoaded<OptionForm>());
}

TEST_F(KeyboardAccessTest, TheOptionsDialogTurnsItOnAndStoresIt) {
    KeyboardAccess = false;
    OpenForm& t = title();
    OptionForm& f = Forms::Get<OptionForm>();
    f.Show();
    EXPECT_FALSE(f.Check3->isChecked());
    EXPECT_FALSE(f.Check3->accessibleName().isEmpty());
    f.Check3->setChecked(true);
    ui::Click(f.Command2);
    EXPECT_TRUE(KeyboardAccess);
    EXPECT_EQ(host::GetSetting(kAppName, QStringLiteral("Option"), QStringLiteral("Access")), QStringLiteral("True"));
    for (PlaqueButton* b : t.Image1) EXPECT_EQ(b->focusPolicy(), Qt::StrongFocus) << "the open title follows";
}

// The option is read at start-up with the others; a value that cannot be read
// leaves it off without counting the settings as damaged.
TEST_F(KeyboardAccessTest, StartUpReadsTheOption) {
    struct Case {
        const char* stored;  // null: not stored
        bool on;
    };
    const Case cases[] = {{nullptr, false}, {"True", true}, {"False", false}, {"-1", true}, {"yes please", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(none)");
        if (c.stored)
            ASSERT_TRUE(host::SaveSetting(kAppName, QStringLiteral("Option"), QStringLiteral("Access"),
                                          QString::fromUtf8(c.stored)));
        else
            ASSERT_TRUE(host::DeleteSetting(kAppName, QStringLiteral("Option"), QStringLiteral("Access")));
        KeyboardAccess = !c.on;
        EXPECT_TRUE(ReadOptions());
        EXPECT_EQ(KeyboardAccess, c.on);
    }
}

}  // namespace
