#pragma once
#include <cstdint>

// Puts the main window's menus into mode 0 (duel and scenes), 1 (title) or 2
// (castle maps). "Off" items stay visible but greyed.
void SetMenu(int16_t mode);
