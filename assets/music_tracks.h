#pragma once
// The game's music, in track order: element n - 1 is "cData<n>".
#include "music_compose.h"

#include <vector>

std::vector<compose::Piece> MusicTracks();
