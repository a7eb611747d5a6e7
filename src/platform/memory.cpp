#include "platform/memory.h"

#include <cstdlib>  // defines __GLIBC__ on glibc

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace host {

void KeepHeapSmall() {
#ifdef __GLIBC__
    // Setting the threshold also stops glibc from raising it, which it would
    // do up to 32 MB after the first picture is freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024);
    // The UI thread, the sound output, the SoundFont loader and Qt's own
    // threads allocate little; two arenas keep their leftovers together.
    mallopt(M_ARENA_MAX, 2);
#endif
}

void ReturnFreeMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

}  // namespace host
