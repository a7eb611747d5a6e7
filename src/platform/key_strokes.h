#pragma once
// Tells a key the player let go from the releases that auto-repeat makes up.
//
// While a key is held, X servers that repeat by release and press pairs (Xvfb
// does, and so do some desktops) send a release and a press of the same key
// with the same time stamp, over and over, until the real release. Qt marks
// such a pair as auto-repeat only when it happens to see the press already
// waiting behind the release; often it has not arrived yet. A game that acts on
// a key's release would then act again at every repeat.
//
// Here a stroke is a press the player made, with every made-up pair that
// follows it; each stroke counts one release, the first one that is not marked
// as auto-repeat. A press with the time stamp of the key's last release is part
// of the pair, not a new stroke. A time stamp of 0 says the time is not known
// (events made by the program itself): such a press always begins a stroke.
#include <cstdint>
#include <map>

namespace host {

class KeyStrokes {
public:
    // A key went down.
    void Press(int key, uint64_t timestamp, bool autoRepeat);
    // A key went up. True when this release is to count.
    bool Release(int key, uint64_t timestamp, bool autoRepeat);

private:
    struct Stroke {
        bool down = false;      // pressed since its last release
        bool counted = false;   // this stroke has already counted its release
        bool released = false;  // lastRelease holds a time
        uint64_t lastRelease = 0;
    };
    std::map<int, Stroke> keys_;
};

}  // namespace host
