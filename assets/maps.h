#pragma once
// The castle maps. Their size is the map windows' picture size.
#include <QImage>

inline constexpr int MapWidth = 624;
inline constexpr int MapHeight = 416;
// From here down the map is a plain panel for the faces, names and buttons.
inline constexpr int MapPanelTop = 262;

QImage FirstCastleMap();  // "Data3._vx"
QImage NewCastleMap();    // "Data10._vx"
