// The windows Main opens once its checks pass.
#include "app/startup.h"
#include "shell/back_form.h"
#include "shell/mein_form.h"
#include "shell/open_form.h"

#include <QLabel>

StartupWindows GameStartupWindows() {
    StartupWindows w;
    w.showMainWindow = [] { Forms::Get<MeinForm>(); };
    w.showBackdrop = [] { Forms::Get<BackForm>().Show(); };
    // The opening scene belongs here; until it exists the title follows at once,
    // and with nothing to load the backdrop's loading texts go, as the scene
    // would hide them when it is done.
    w.showOpening = [] {
        if (BackForm* back = Forms::Find<BackForm>()) {
            back->Label2->hide();
            back->Label3->hide();
        }
        Forms::Get<OpenForm>().Show();
    };
    return w;
}
