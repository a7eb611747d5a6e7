#pragma once
// The fixture of the records tests: the message window's pictures as start-up
// loads them, and every message the window shows noted and dismissed.
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <ostream>

#include "app/forms.h"
#include "app/state.h"
#include "campaign/mes_form.h"
#include "media/data_files.h"
#include "media/pictures.h"
#include "shell/ui_input.h"
#include "support/game_test.h"

class RecordsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        MesSheetPicture = LoadPicture(DataFileName("Data", 5));
        HandCursor = LoadPicture(DataFileName("Data", 11));
        MesTime = 15;
    }

    // Closes the message open `ms` from now, noting its text; a question is
    // answered yes or no.
    void dismissAfter(uint64_t ms, bool yes = false) {
        time->after(ms, [this, yes] {
            MesForm* f = Forms::Find<MesForm>();
            ASSERT_NE(f, nullptr) << "no message is open";
            messages.push_back(f->Label2->text());
            ui::Click(f->Label3[yes ? 0 : 1]);
        });
    }
    // Dismisses every message as it comes, up to `count` of them, each noted
    // once however long its window takes to close.
    void dismissAll(int count) {
        for (int i = 1; i <= count; ++i)
            time->after(100 * i, [this] {
                MesForm* f = Forms::Find<MesForm>();
                if (!f || f == lastDismissed_) return;
                lastDismissed_ = f;
                messages.push_back(f->Label2->text());
                ui::Click(f->Label3[1]);
            });
    }

    QStringList messages;

private:
    QPointer<MesForm> lastDismissed_;
};

// Readable failures for texts and lists of texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
