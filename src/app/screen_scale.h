#pragma once
// How large the screens in the main window are drawn. The player picks one of
// a few steps or lets the game fit the window; the choice is kept in the
// options section under a key of its own, so the other options never change
// meaning.
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The largest screen the main window hosts (title, maps, new game).
inline constexpr QSize kLargestScreen{640, 480};
// The sizes a player can choose, in percent. Fitting picks among the same
// steps: the built-in pictures exist at 1x and 2x, so these steps keep
// them sharp (1x and 2x exactly, 1.5x and 3x from the 2x pictures scaled
// smoothly), where a fraction such as 1.37 would blur every card edge.
inline constexpr std::array<int16_t, 4> kScaleSteps{100, 150, 200, 300};
inline constexpr int16_t kScaleFit = 0;

// The largest step at which the largest screen fits in `client`; 100 when even
// that does not fit.
int16_t FitScalePercent(QSize client);
// The size in percent that `choice` (a step or kScaleFit) gives in `client`.
int16_t EffectiveScalePercent(int16_t choice, QSize client);

// The stored text of a choice: "Fit", "1", "1.5", "2" or "3".
QString ScaleChoiceText(int16_t choice);
// A stored text back to a choice; nullopt for anything else.
std::optional<int16_t> ParseScaleChoice(const QString& text);

// Reads "Scale" from the options into ScreenScale. A value the game did not
// write means fitting: the screens' size is no reason to refuse to start.
void ReadScaleChoice();
// Stores ScreenScale; false when the store could not be written.
bool StoreScaleChoice();
