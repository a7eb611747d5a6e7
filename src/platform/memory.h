#pragma once
// How the game's memory goes back to the system. The game holds few large
// blocks for long: pictures of a screen, a scene's preloaded frames, the
// samples of the instruments the music uses. glibc's allocator would keep
// such blocks in its heaps once freed (it raises its threshold for handing
// large blocks straight to the system each time one is freed, and gives
// every thread that allocates an arena of its own), so the game's resident
// memory would stay at its highest point for good.

namespace host {

// Large blocks always come from the system and go back to it when freed; the
// threads share two arenas. Call once at start, before the windows load
// their pictures.
void KeepHeapSmall();
// Hands the free memory the heaps still hold back to the system. Call after
// a large release (a scene's frames, a closed screen).
void ReturnFreeMemory();

}  // namespace host
