#pragma once
#include <QString>

// The player's own SoundFont: a file path kept under this key of the "Option"
// section. Without one (or when the file is gone) the standard SoundFonts of
// the system are used.
inline const QString kSoundFontKey = QStringLiteral("SoundFont");
// Hands the stored choice to the audio engine, with the game's tracks, whose
// instruments are the only ones it loads. The command layer runs it by
// itself before the first music command; call it again after the choice has
// changed.
void ApplySoundFontOption();
// Says, once for each choice, in the multimedia error box, which SoundFont of
// the player's could not be used and why. Music goes on with an installed one.
void ReportSoundFontProblem();
