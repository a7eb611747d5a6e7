// TEMPORARY: stand-ins for shared procedures that other branches define and
// that are not merged yet, so that this branch links and runs. Remove this
// file when the shell's ShowTitle and the campaign's ShowNewNewMap are merged.
#include "app/shared_procedures.h"
#include "shell/open_form.h"

// Temporary: the shell's own ShowTitle replaces this.
void ShowTitle() {
    Forms::Get<OpenForm>().Show();
}

// Temporary: the campaign's new-castle map replaces this; until then the
// passage ends at the title window.
void ShowNewNewMap() {
    ShowTitle();
}
