#pragma once
#include <QString>

// The player's own SoundFont: a file path kept under this key of the "Option"
// section. Without one (or when the file is gone) the standard SoundFonts of
// the system are used.
inline const QString kSoundFontKey = QStringLiteral("SoundFont");
// Hands the stored choice to the audio engine. The command layer runs it by
// itself before the first music command; call it again after the choice has
// changed.
void ApplySoundFontOption();
