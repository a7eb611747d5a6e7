#pragma once
#include <QString>
#include <cstdint>

// The opponents' lines: situation 0 before the duel, 1 after the player won,
// 2 after the player lost. Empty outside faces 1..27 and situations 0..2.
QString FoeLine(int32_t face, int32_t situation);
