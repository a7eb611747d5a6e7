#pragma once
#include <QString>
#include <cstdint>

// Flags of the wave-sound call.
inline constexpr uint32_t SND_SYNC = 0x0000;
inline constexpr uint32_t SND_ASYNC = 0x0001;
inline constexpr uint32_t SND_LOOP = 0x0008;

// Plays a wave file of the program folder by bare name; one voice, a new sound
// replaces the one playing. An empty name with flags 0 stops the sound. A file
// that cannot be found plays the default sound.
bool SndPlaySound(const QString& file, uint32_t flags);
// Plays "bData<n>._vx" asynchronously when sound effects are on.
void PlayEffect(int32_t n);
