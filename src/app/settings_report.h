#pragma once
// Telling the player, through the guide in the message window, that something
// they would expect to find at the next start could not be stored.
#include <QString>
#include <cstdint>

// The guide's face: every system message is the guide's.
inline constexpr int16_t kGuideMessageFace = 28;

// `what` names what was not kept ("設定", "ウィンドウの位置"); the store's last
// failure supplies why and where. Waits for the player's click, since the
// message matters more than the flow it interrupts.
void TellNotSaved(const QString& what);
// The guide's text for it, for the windows and their tests.
QString NotSavedText(const QString& what);
// A path as the player reads it: the home folder written as "~".
QString ShortPath(const QString& path);
