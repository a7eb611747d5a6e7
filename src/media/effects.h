#pragma once
#include <QString>
#include <cstdint>

// Flags of the wave-sound call.
inline constexpr uint32_t SND_SYNC = 0x0000;
inline constexpr uint32_t SND_ASYNC = 0x0001;
inline constexpr uint32_t SND_NODEFAULT = 0x0002;
inline constexpr uint32_t SND_LOOP = 0x0008;

// Plays a wave file by name (a bare name is looked up in the current folder);
// one voice, a new sound replaces the one playing. An empty name stops the
// sound. A file that cannot be found or played plays the default sound
// instead, unless SND_NODEFAULT is given. Without SND_ASYNC it returns when
// the sound has played; SND_LOOP needs SND_ASYNC and repeats until the next
// call. False when nothing could be started.
bool SndPlaySound(const QString& file, uint32_t flags);
// PlayEffect(n), declared with the other shared procedures, plays
// "bData<n>._vx" of the program folder asynchronously when sound effects are
// on; with them off it does nothing at all.
