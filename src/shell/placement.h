#pragma once
// The main window's placement as the settings store keeps it: "WinSta" (0
// normal, 1 minimised, 2 maximised) and, only for a normal window, its left,
// top, width and height in twips.
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

inline constexpr int16_t kWinNormal = 0, kWinMinimized = 1, kWinMaximized = 2;

struct WindowPlacement {
    int16_t state = kWinMaximized;
    QRect geometry;  // pixels; used when state is normal
};

// The state code of a window state (a minimised window counts as minimised
// even when it is also maximised underneath).
int16_t WindowStateCode(Qt::WindowStates states);
Qt::WindowStates WindowStatesFromCode(int16_t code);

// A stored twips text to pixels (15 twips a pixel, halves to even); nullopt
// when the text is not a number or lies beyond what a screen can hold.
std::optional<int> PixelsFromTwips(const QString& text);

// Reads "WinSta" and, for a normal window, the four geometry keys. Texts that
// cannot be read fall back to their defaults (2; 0, 0, 640, 480 twips).
WindowPlacement ReadPlacement();
// Stores "WinSta" and, only for a normal window, the geometry in twips, in
// one write. False when it could not be written (host::SettingsError says why).
bool StorePlacement(const WindowPlacement& p);
