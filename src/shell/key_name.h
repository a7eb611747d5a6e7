#pragma once
#include <QString>
#include <cstdint>

// The short name a key button shows for a Windows virtual-key code: letters
// and digits as themselves, the keypad as "Num0".."Num9" and its operators,
// F1..F16, named keys in brackets, and "--" for every other code.
QString KeyName(int16_t code);
