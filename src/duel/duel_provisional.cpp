// Provisional until the duel window exists.
#include "duel/duel.h"

void StartDuel(const QString&, int16_t, int32_t, int32_t, int32_t, int16_t) {}
void DuelEnd(bool, int32_t) {}
