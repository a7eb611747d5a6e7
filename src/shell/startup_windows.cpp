// The windows Main opens once its checks pass.
#include "app/startup.h"
#include "shell/back_form.h"
#include "shell/mein_form.h"
#include "shell/open_form.h"

StartupWindows GameStartupWindows() {
    StartupWindows w;
    w.showMainWindow = [] { Forms::Get<MeinForm>(); };
    w.showBackdrop = [] { Forms::Get<BackForm>().Show(); };
    // The opening scene belongs here; until it exists the title follows at once.
    w.showOpening = [] { Forms::Get<OpenForm>().Show(); };
    return w;
}
