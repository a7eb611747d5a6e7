#pragma once
// A player's hands on the duel window: real key and mouse events, delivered
// the way the window system delivers them. The scripted player, the
// end-to-end tests and the benchmarks play through these. Part of the test
// kit: the game itself never includes it.
#include <Qt>
#include <cstdint>
#include <functional>

class VantraForm;

namespace duel_hands {

// Presses and releases the key with this Windows virtual-key code. Like a
// real keyboard it types into the widget that has the keyboard focus: a duel
// that has lost the focus does not hear it.
void ReleaseKey(int16_t vk);
// Holds the key down from `pressedAt` (a window-system time stamp, not 0) as X
// auto-repeat does: after 660 ms, `pairs` made-up release-and-press pairs 40 ms
// apart, each pair sharing one stamp, then the real release. `marked(i)` says
// whether pair i comes marked as auto-repeat (Qt marks only the pairs it sees
// whole). Returns the stamp of the real release.
uint64_t HoldKey(VantraForm& form, int16_t vk, uint64_t pressedAt, int pairs, const std::function<bool(int)>& marked);
// A left click on card image 1..10.
void ClickCard(VantraForm& form, int index);
// Drags card image `from` (a place of the player's row) and drops it on the
// middle of card image `to`; `whileHeld` runs before the button is let go.
void DragCard(VantraForm& form, int from, int to, const std::function<void()>& whileHeld = {});
// A click on the contest panel with the given button.
void ClickContest(VantraForm& form, Qt::MouseButton button = Qt::LeftButton);

}  // namespace duel_hands
