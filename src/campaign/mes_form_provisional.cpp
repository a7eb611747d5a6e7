// Provisional until the message window exists.
#include "campaign/mes_form.h"

int16_t MesBox(int16_t, const QString&, const QString&, bool, bool) { return 0; }
