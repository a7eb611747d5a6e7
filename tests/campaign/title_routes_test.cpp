// The title window's buttons and the main window's commands open the new-game,
// save-slot and player data windows.
#include "campaign/campaign_window_test.h"
#include "campaign/game_data.h"
#include "campaign/my_data.h"
#include "campaign/new_form.h"
#include "records/int_form.h"
#include "shell/open_form.h"

#include <QAction>

namespace {

using TitleRoutesTest = CampaignWindowTest;

TEST_F(TitleRoutesTest, TitleAndMenuOpenTheCampaignWindows) {
    struct Route {
        const char* name;
        std::function<void(MeinForm&)> run;
        std::function<bool()> opened;
    };
    const auto loading = [] {
        const GameData* g = Forms::Find<GameData>();
        return g && g->isVisible() && !g->saving() && !SaveMode;
    };
    const auto visible = [](auto* w) { return w && w->isVisible(); };
    const Route routes[] = {
        {"new game button", [](MeinForm&) { Forms::Get<OpenForm>().Image1_Click(0); },
         [&] { return visible(Forms::Find<NewForm>()); }},
        {"load button", [](MeinForm&) { Forms::Get<OpenForm>().Image1_Click(1); }, loading},
        {"personal data button", [](MeinForm&) { Forms::Get<OpenForm>().Image1_Click(3); },
         [&] { return visible(Forms::Find<MyData>()); }},
        {"Ctrl+N", [](MeinForm& m) { EXPECT_TRUE(ui::ShortcutKey(&m, Qt::Key_N, Qt::ControlModifier)); },
         [&] { return visible(Forms::Find<NewForm>()); }},
        {"Ctrl+O", [](MeinForm& m) { EXPECT_TRUE(ui::ShortcutKey(&m, Qt::Key_O, Qt::ControlModifier)); }, loading},
    };
    for (const Route& r : routes) {
        SCOPED_TRACE(r.name);
        MeinForm& m = Forms::Get<MeinForm>();
        Forms::Get<OpenForm>().Show();
        SaveMode = true;
        r.run(m);
        EXPECT_TRUE(r.opened());
        EXPECT_FALSE(Forms::IsLoaded<MesForm>());
        // The title stays under the window it opened.
        EXPECT_TRUE(Forms::Find<OpenForm>()->isVisible());
        for (GameForm* f :
             std::initializer_list<GameForm*>{Forms::Find<NewForm>(), Forms::Find<GameData>(), Forms::Find<MyData>()})
            if (f) f->Unload();
    }
}

// The export window is modal: the title waits under it until it closes.
TEST_F(TitleRoutesTest, ExportButtonOpensTheExportWizard) {
    Forms::Get<MeinForm>();
    OpenForm& title = Forms::Get<OpenForm>();
    title.Show();
    bool opened = false;
    time->after(100, [&] {
        GameForm* wizard = Forms::Find<IntForm>();
        opened = wizard && wizard->isVisible();
        if (wizard) wizard->Unload();
    });
    title.Image1_Click(4);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(Forms::IsLoaded<MesForm>());
    EXPECT_TRUE(Forms::Find<OpenForm>()->isVisible());
}

}  // namespace
