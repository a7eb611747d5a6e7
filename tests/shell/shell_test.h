#pragma once
// The fixture of the shell's window tests: the shared pictures and the options
// as start-up leaves them, and a program end that only records that it came.
#include "app/data_files.h"
#include "app/forms.h"
#include "app/options.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "campaign/mes_form.h"
#include "media/pictures.h"
#include "platform/settings_store.h"
#include "shell/mein_form.h"
#include "shell/ui_input.h"
#include "support/game_test.h"

#include <QLabel>
#include <QPointer>
#include <vector>

class ShellTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_TRUE(ReadOptions());
        MesSheetPicture = LoadPicture(DataFileName("Data", 5));
        HandCursor = LoadPicture(DataFileName("Data", 11));
        Data1Picture = LoadPicture(DataFileName("Data", 1));
        previousEnd_ = SetProgramEnd([this] {
            ++ended;
            Forms::discardAll();
        });
    }
    void TearDown() override {
        SetProgramEnd(previousEnd_);
        GameTest::TearDown();
    }

    // Answers the next question of the message window after `ms`: yes or no.
    void answerAfter(uint64_t ms, bool yes) {
        time->after(ms, [this, yes] {
            MesForm* f = Forms::Find<MesForm>();
            ASSERT_NE(f, nullptr) << "no question is open";
            questions.push_back(f->Label2->text());
            ui::Click(f->Label3[yes ? 0 : 1]);
        });
    }
    // Closes the next message of any kind after `ms`, noting its text.
    void dismissAfter(uint64_t ms) {
        time->after(ms, [this] {
            MesForm* f = Forms::Find<MesForm>();
            ASSERT_NE(f, nullptr) << "no message is open";
            messages.push_back(f->Label2->text());
            ui::Click(f->Label3[1]);
        });
    }
    // Clicks `w` from a scheduled moment rather than from the test body, as the
    // player would: a click whose handler unloads the window it belongs to
    // must not have that window destroyed while the handler still runs.
    void clickSoon(QWidget* w) {
        QPointer<QWidget> target(w);
        time->after(1, [target] {
            ASSERT_FALSE(target.isNull());
            ui::Click(target);
        });
        advance(2);
    }
    static QString option(const char* key) {
        return host::GetSetting(kAppName, QStringLiteral("Option"), QLatin1String(key), QStringLiteral("<absent>"));
    }

    int ended = 0;
    std::vector<QString> questions;
    std::vector<QString> messages;

private:
    ProgramEndHandler previousEnd_;
};
