// The windows Main opens once its checks pass, and the loading bar the
// opening fills on the backdrop meanwhile.
#include "app/shared_procedures.h"
#include "app/startup.h"
#include "look/dialogs.h"
#include "shell/back_form.h"
#include "shell/mein_form.h"

#include <QLabel>

StartupWindows GameStartupWindows() {
    StartupWindows w;
    w.showMainWindow = [] { Forms::Get<MeinForm>(); };
    w.showBackdrop = [] { Forms::Get<BackForm>().Show(); };
    // The opening preloads its pictures over the backdrop's loading bar, plays,
    // and opens the title window itself.
    w.showOpening = [] { ShowOpening(); };
    w.dressDialog = [](QWidget& dialog) { DressDialog(dialog); };
    return w;
}

void SetLoadingProgress(const QString& bar) {
    BackForm* back = Forms::Find<BackForm>();
    if (!back) return;
    back->Label3->setText(bar);
    back->Label3->adjustSize();
    back->Form_Resize();
}

void HideLoadingProgress() {
    BackForm* back = Forms::Find<BackForm>();
    if (!back) return;
    back->Label2->hide();
    back->Label3->hide();
}
