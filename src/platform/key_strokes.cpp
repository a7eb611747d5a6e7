#include "platform/key_strokes.h"

namespace host {

void KeyStrokes::Press(int key, uint64_t timestamp, bool autoRepeat) {
    Stroke& s = keys_[key];
    const bool repeat = autoRepeat || (timestamp != 0 && s.released && !s.down && s.lastRelease == timestamp);
    if (!repeat) s.counted = false;
    s.down = true;
}

bool KeyStrokes::Release(int key, uint64_t timestamp, bool autoRepeat) {
    Stroke& s = keys_[key];
    const bool wasDown = s.down;
    s.down = false;
    s.released = true;
    s.lastRelease = timestamp;
    if (autoRepeat) return false;
    // A release whose press went to another window (the key was pressed
    // before this one had the keyboard) still counts, once.
    if (wasDown && s.counted) return false;
    s.counted = true;
    return true;
}

}  // namespace host
