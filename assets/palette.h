#pragma once
// The generator draws in the game's one palette; `pal::` is its short name
// for it here.
#include "look/palette.h"

namespace pal = look;
