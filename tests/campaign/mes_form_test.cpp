#include "campaign/mes_form.h"
#include "app/data_files.h"
#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "media/pictures.h"
#include "media/sheet_layout.h"
#include "platform/timer.h"
#include "shell/ui_input.h"
#include "support/game_test.h"

#include <QFontInfo>
#include <QLabel>

namespace {

constexpr int16_t kTimed = 0, kOk = -1, kQuestion = 1;

class MesFormTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        MesSheetPicture = LoadPicture(DataFileName("Data", 5));
        HandCursor = LoadPicture(DataFileName("Data", 11));
        ASSERT_FALSE(MesSheetPicture.isNull());
        MesTime = 15;
    }

    // Runs `action` on the open message window after `ms`.
    void onWindow(uint64_t ms, std::function<void(MesForm&)> action) {
        time->after(ms, [action] {
            MesForm* f = Forms::Find<MesForm>();
            ASSERT_NE(f, nullptr) << "no message window is open";
            action(*f);
        });
    }
    // Ends whatever message is still open, so a test that expects a window to
    // stay can go on.
    void discardAfter(uint64_t ms) {
        time->after(ms, [] {
            if (Forms::IsLoaded<MesForm>()) Forms::discardAll();
        });
    }
    int16_t show(int16_t mode) {
        return MesBox(28, QStringLiteral("案内人  ポルカ"), QStringLiteral("本当にゲームをやめてしまうのかい？"),
                      mode == kQuestion, mode == kOk);
    }
};

TEST_F(MesFormTest, TimedMessageClosesAfterMesTimeSteps) {
    MesTime = 5;
    bool openBeforeTime = false;
    time->after(1490, [&] { openBeforeTime = Forms::IsLoaded<MesForm>(); });
    const uint64_t start = time->elapsed();
    EXPECT_EQ(show(kTimed), 0);
    const uint64_t took = time->elapsed() - start;
    EXPECT_TRUE(openBeforeTime);
    EXPECT_GE(took, 1500u);
    EXPECT_LT(took, 1520u);
    EXPECT_EQ(MesMode, kTimed);
}

TEST_F(MesFormTest, TimedMessageWithMesTime15WaitsOnTheOkBackground) {
    MesTime = 15;
    bool stillOpen = false;
    int height = 0;
    bool okAreaIsHand = false;
    onWindow(60'000, [&](MesForm& f) {
        stillOpen = true;
        height = f.height();
        okAreaIsHand = f.Label3[1]->testAttribute(Qt::WA_SetCursor);
        QImage shown = f.Picture1->pixmap().toImage();
        QImage okBackground = MesSheetPicture.copy(0, Sheet5::kOkTop, Sheet5::kWidth, Sheet5::kOkHeight).toImage();
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), okBackground.convertToFormat(QImage::Format_ARGB32));
        ui::Click(f.Label2);  // anywhere on the window closes a timed message
    });
    EXPECT_EQ(show(kTimed), 0);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(height, Sheet5::kOkHeight);
    EXPECT_TRUE(okAreaIsHand);
    EXPECT_GE(time->elapsed(), 60'000u);
}

TEST_F(MesFormTest, LayoutOfEachForm) {
    struct Case {
        int16_t mode;
        int16_t mesTime;
        int height;
        bool yesHand, noHand;
    };
    const Case cases[] = {
        {kQuestion, 5, Sheet5::kQuestionHeight, true, true},
        {kOk, 5, Sheet5::kOkHeight, false, true},
        {kTimed, 5, Sheet5::kTimedHeight, false, false},
        {kTimed, 15, Sheet5::kOkHeight, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", MesTime " << c.mesTime);
        MesTime = c.mesTime;
        onWindow(10, [&](MesForm& f) {
            EXPECT_EQ(f.height(), c.height);
            EXPECT_EQ(f.width(), Sheet5::kWidth);
            EXPECT_EQ(f.Label3[0]->testAttribute(Qt::WA_SetCursor), c.yesHand);
            EXPECT_EQ(f.Label3[1]->testAttribute(Qt::WA_SetCursor), c.noHand);
            EXPECT_EQ(f.Label1->text(), QStringLiteral("案内人  ポルカ"));
            EXPECT_FALSE(f.Image1->pixmap().isNull());
            EXPECT_TRUE(f.isModal());
            EXPECT_EQ(QFontInfo(f.Label1->font()).family(), QStringLiteral("IPAPGothic"));
            EXPECT_EQ(QFontInfo(f.Label2->font()).family(), QStringLiteral("IPAPMincho"));
        });
        discardAfter(20);
        show(c.mode);
    }
}

// Every cell of the window's event table: does the event close the window, and
// what does MesBox return?
TEST_F(MesFormTest, EventTable) {
    enum Event { ClickWindow, ClickFace, ClickSpeaker, ClickText, AnyKey, YesArea, NoArea, WindowClose };
    struct Case {
        int16_t mode;
        Event event;
        bool closes;
        int16_t result;
        int16_t mesModeAfter;
    };
    const Case cases[] = {
        {kQuestion, ClickWindow, false, 0, kQuestion},
        {kQuestion, ClickFace, false, 0, kQuestion},
        {kQuestion, ClickSpeaker, false, 0, kQuestion},
        {kQuestion, ClickText, false, 0, kQuestion},
        {kQuestion, AnyKey, false, 0, kQuestion},
        {kQuestion, WindowClose, false, 0, kQuestion},
        {kQuestion, YesArea, true, -1, 10},
        {kQuestion, NoArea, true, 0, 20},
        {kOk, ClickWindow, false, 0, kOk},
        {kOk, ClickFace, false, 0, kOk},
        {kOk, ClickText, false, 0, kOk},
        {kOk, YesArea, false, 0, kOk},
        {kOk, AnyKey, true, 0, kOk},
        {kOk, NoArea, true, 0, kOk},
        {kTimed, ClickWindow, true, 0, kTimed},
        {kTimed, ClickFace, true, 0, kTimed},
        {kTimed, ClickSpeaker, true, 0, kTimed},
        {kTimed, ClickText, true, 0, kTimed},
        {kTimed, AnyKey, true, 0, kTimed},
        {kTimed, YesArea, true, 0, kTimed},
        {kTimed, NoArea, true, 0, kTimed},
    };
    MesTime = 100;  // 30 s: the timer stays out of the way
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", event " << c.event);
        bool closed = false;
        onWindow(10, [&](MesForm& f) {
            switch (c.event) {
                case ClickWindow:
                    ui::Click(&f, Qt::NoModifier, QPoint(f.width() - 4, 4));
                    break;
                case ClickFace:
                    ui::Click(f.Image1);
                    break;
                case ClickSpeaker:
                    ui::Click(f.Label1);
                    break;
                case ClickText:
                    ui::Click(f.Label2);
                    break;
                case AnyKey:
                    ui::KeyPress(&f, Qt::Key_Escape);
                    break;
                case YesArea:
                    ui::Click(f.Label3[0]);
                    break;
                case NoArea:
                    ui::Click(f.Label3[1]);
                    break;
                case WindowClose:
                    f.close();
                    break;
            }
        });
        time->after(50, [&] { closed = !Forms::IsLoaded<MesForm>(); });
        discardAfter(60);
        const int16_t result = show(c.mode);
        advance(100);  // lets the probe run when the window closed at once
        EXPECT_EQ(closed, c.closes);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(MesMode, c.mesModeAfter);
    }
}

// Y and N answer a question only with the keyboard option on; without it a
// question waits for the mouse whatever key is pressed.
TEST_F(MesFormTest, KeysAnswerAQuestionOnlyWithTheKeyboardOption) {
    struct Case {
        bool keyboardAccess;
        int key;
        Qt::KeyboardModifiers mods;
        bool closes;
        int16_t result;
        int16_t mesModeAfter;
    };
    const Case cases[] = {
        {false, Qt::Key_Y, Qt::NoModifier, false, 0, kQuestion},
        {false, Qt::Key_N, Qt::NoModifier, false, 0, kQuestion},
        {false, Qt::Key_Return, Qt::NoModifier, false, 0, kQuestion},
        {true, Qt::Key_Y, Qt::NoModifier, true, -1, 10},
        {true, Qt::Key_N, Qt::NoModifier, true, 0, 20},
        {true, Qt::Key_Y, Qt::ControlModifier, false, 0, kQuestion},
        {true, Qt::Key_Return, Qt::NoModifier, false, 0, kQuestion},
        {true, Qt::Key_Escape, Qt::NoModifier, false, 0, kQuestion},
    };
    MesTime = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "option " << c.keyboardAccess << ", key " << c.key);
        KeyboardAccess = c.keyboardAccess;
        bool closed = false;
        onWindow(10, [&](MesForm& f) { ui::KeyPress(&f, c.key, c.mods); });
        time->after(50, [&] { closed = !Forms::IsLoaded<MesForm>(); });
        discardAfter(60);
        const int16_t result = show(kQuestion);
        advance(100);
        EXPECT_EQ(closed, c.closes);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(MesMode, c.mesModeAfter);
    }
}

TEST_F(MesFormTest, QuestionWaitsWithoutTimer) {
    MesTime = 3;
    bool stillOpen = false;
    onWindow(120'000, [&](MesForm& f) {
        stillOpen = true;
        ui::Click(f.Label3[0]);
    });
    EXPECT_EQ(show(kQuestion), -1);
    EXPECT_TRUE(stillOpen);
}

// A message asked for by another window's timer while a question is open
// waits for the question, and cannot hand the question's caller its own mode.
TEST_F(MesFormTest, MessageFromATimerWaitsAndKeepsEachAnswer) {
    MesTime = 5;
    QObject owner;
    int16_t innerResult = 99;
    host::Timer timer(&owner, 100, [&] {
        timer.setEnabled(false);
        innerResult = MesBox(3, QStringLiteral("ココ"), QStringLiteral("まだよ。"), false, false);
    });
    timer.setEnabled(true);
    const uint64_t start = time->elapsed();
    onWindow(400, [&](MesForm& f) {
        EXPECT_EQ(f.mode(), kQuestion);
        ui::Click(f.Label3[0]);
    });
    const int16_t outer = show(kQuestion);
    EXPECT_EQ(outer, -1);
    EXPECT_EQ(innerResult, 0);
    EXPECT_EQ(MesMode, kTimed);  // the last window's value stays
    // The timed message came after the answer and ran its full time.
    EXPECT_GE(time->elapsed() - start, 400u + 1500u);
}

}  // namespace
