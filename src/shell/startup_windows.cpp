// The windows Main opens once its checks pass.
#include "app/shared_procedures.h"
#include "app/startup.h"
#include "shell/back_form.h"
#include "shell/mein_form.h"

StartupWindows GameStartupWindows() {
    StartupWindows w;
    w.showMainWindow = [] { Forms::Get<MeinForm>(); };
    w.showBackdrop = [] { Forms::Get<BackForm>().Show(); };
    // The opening preloads its pictures over the backdrop's loading bar, plays,
    // and opens the title window itself.
    w.showOpening = [] { ShowOpening(); };
    return w;
}
