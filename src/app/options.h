#pragma once
// Reading and writing the options in the settings store, with the store's text
// conversions: numbers as plain decimals, Booleans as "True" and "False".
#include <QString>
#include <cstdint>
#include <optional>

// A decimal number as Integer, rounded half to even; nullopt when the text is
// not a number or does not fit 16 bits.
std::optional<int16_t> ToInteger(const QString& text);
// "True", "False" (any case) or a number, where any non-zero number is true.
std::optional<bool> ToBoolean(const QString& text);
inline QString BoolText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

// The key of section "Option" that holds the keyboard accessibility option.
inline constexpr char kKeyboardAccessKey[] = "Access";

// Reads "Mes", "Div", "Bgm", "Wav" and "Key0".."Key5" of section "Option" into
// the shared options, in that order, each with its default. False as soon as
// one stored text cannot be converted (the integrity failure). The keyboard
// option comes last and never fails the check: unreadable, it is off.
bool ReadOptions();
