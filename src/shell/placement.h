#pragma once
// The main window's placement as the settings store keeps it: "WinSta" (0
// normal, 1 minimised, 2 maximised) and, only for a normal window, its left,
// top, width and height in twips.
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr int16_t kWinNormal = 0, kWinMinimized = 1, kWinMaximized = 2;

struct WindowPlacement {
    int16_t state = kWinMaximized;
    QRect geometry;  // pixels; used when state is normal
};

// The state code of a window state (a minimised window counts as minimised
// even when it is also maximised underneath).
int16_t WindowStateCode(Qt::WindowStates states);

// A stored twips text to pixels (15 twips a pixel, halves to even); nullopt
// when the text is not a number or lies beyond what a screen can hold.
std::optional<int> PixelsFromTwips(const QString& text);

// The smallest client area the main window may have: the largest of the game's
// screens (the title and the maps, 640 x 480; the duel needs 569 x 333). Below
// it a screen is cut off and its cards or buttons cannot be reached.
inline constexpr QSize kMinClientSize{640, 480};

// The normal geometry a window gets when it starts maximised or minimised and
// has no stored one: centred in the screen's available area, four fifths of its
// size but never below `minimum` nor beyond the area, so that the first restore
// gives a window whose frame and title bar are on the screen.
QRect FittedNormalGeometry(const QRect& available, const QSize& minimum);

// Where a normal window stored at `frame` is put back: where it was, as long as
// enough of its title bar lies on one of the screens' `areas` to grab it;
// otherwise moved just far enough into `primary` for its title bar to be seen.
// (A window that crept off the top of the screen would otherwise stay there.)
QPoint ReachablePosition(const QRect& frame, const std::vector<QRect>& areas, const QRect& primary);

// Reads "WinSta" and, for a normal window, the four geometry keys. Texts that
// cannot be read fall back to their defaults (2; 0, 0, 640, 480 twips).
WindowPlacement ReadPlacement();
// Stores "WinSta" and, only for a normal window, the geometry in twips, in
// one write. False when it could not be written (host::SettingsError says why).
bool StorePlacement(const WindowPlacement& p);
