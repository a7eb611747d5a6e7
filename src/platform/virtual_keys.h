#pragma once
// Keys are kept as Windows virtual-key codes, because the stored settings and
// the default duel keys (83, 68, 90, 88, 67, 86 = S, D, Z, X, C, V) use them.
// This is the one place where Qt's key events become those codes.
#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace host {

// The virtual-key code of a key event; 0 for a key that has none.
int16_t VirtualKeyFromEvent(const QKeyEvent& e);
// The same from a Qt key and its modifiers (the keypad modifier matters).
int16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A Qt key that produces the given code (for tests and key captions);
// Qt::Key_unknown when there is none. Keypad codes (IsKeypadVirtualKey) need
// Qt::KeypadModifier on the event as well.
int QtKeyFromVirtualKey(int16_t vk);
bool IsKeypadVirtualKey(int16_t vk);

}  // namespace host
