#pragma once
// The cast: display names of the 28 opponents and of the guide.
// GuideLine and FoeDisplayName are shared procedures (app/shared_procedures.h).
#include "app/shared_procedures.h"

#include <QString>

// The Super Demon King shares face 0 with the Demon King but has his own name.
QString SuperDemonKingName();
