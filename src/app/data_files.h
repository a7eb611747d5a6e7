#pragma once
// The numbered data files lying in the program folder: a prefix, a decimal
// number counted from 1 without leading zeros, and "._vx".
#include <QString>
#include <array>
#include <string_view>

struct DataGroup {
    const char* prefix;
    int count;
};

// In the order start-up checks them.
inline constexpr std::array<DataGroup, 9> kDataGroups{{
    {"aData", 18},  // second opening scene
    {"bData", 15},  // sound effects (wave)
    {"cData", 19},  // background music (MIDI)
    {"Data", 11},   // shared pictures and backgrounds
    {"dData", 20},  // logo animation of the opening
    {"eData", 4},   // staff portraits
    {"fData", 12},  // prologue pictures
    {"gData", 5},   // making-of pictures
    {"hData", 38},  // ending
}};

// How many files the group with this prefix has; 0 for no such group.
constexpr int DataGroupCount(std::string_view prefix) {
    for (const DataGroup& g : kDataGroups)
        if (prefix == g.prefix) return g.count;
    return 0;
}

inline const QString kHelpFile = QStringLiteral("Vantra.hlp");

inline QString DataFileName(const char* prefix, int n) {
    return QLatin1String(prefix) + QString::number(n) + QStringLiteral("._vx");
}

// Every data file name in check order, then the help file: 143 names.
QStringList AllDataFileNames();
