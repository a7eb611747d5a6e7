#pragma once
#include <cstdint>

// Opens music track n ("cData<n>._vx") under the alias "CX<n>" and plays it
// from the start, when music is on.
void PlayMusic(int16_t n);
// Closes the alias "CX<n>", when music is on.
void StopMusic(int16_t n);
