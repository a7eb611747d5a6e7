#pragma once
// The fixture of the new-game, save-slot and player data window tests: the
// shell's fixture (main window, shared pictures, options as start-up leaves
// them) with timed messages that close on their own, and a note of every
// message the guide shows.
#include "shell/shell_test.h"

#include "app/shared_procedures.h"

#include <QStringList>

class CampaignWindowTest : public ShellTest {
protected:
    static constexpr int16_t kOkMessage = -1;

    void SetUp() override {
        ShellTest::SetUp();
        MesTime = 3;  // timed messages close by themselves after 900 ms
    }

    // Notes the text of every message window open at each 100 ms step for
    // the next `ms`, closing OK messages the way the player would. Questions
    // are left to the test.
    void watchMessages(uint64_t ms = 60'000) {
        for (uint64_t t = 50; t < ms; t += 100)
            time->after(t, [this] {
                MesForm* f = Forms::Find<MesForm>();
                if (!f) return;
                const QString text = f->Label2->text();
                if (seen.isEmpty() || seen.last() != text || f != lastForm_) seen << text;
                lastForm_ = f;
                if (f->mode() == kOkMessage) ui::Click(f->Label3[1]);
            });
    }

    QStringList seen;

private:
    QPointer<MesForm> lastForm_;
};
