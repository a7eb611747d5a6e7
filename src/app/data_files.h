#pragma once
// The numbered data files lying in the program folder: a prefix, a decimal
// number counted from 1 without leading zeros, and "._vx".
#include <QString>
#include <array>
#include <string_view>

struct DataGroup {
    const char* prefix;
    int count;
    // A group of pictures also has a 2x twin of each file (HighDensityName),
    // which the game uses where it draws at more than 1x. The twins are not
    // data files of their own: nothing checks or counts them, and a missing
    // one means the 1x picture is used.
    bool pictures = false;
};

// In the order start-up checks them.
inline constexpr std::array<DataGroup, 9> kDataGroups{{
    {"aData", 18, true},  // second opening scene
    {"bData", 15},        // sound effects (wave)
    {"cData", 19},        // background music (MIDI)
    {"Data", 11, true},   // shared pictures and backgrounds
    {"dData", 20, true},  // logo animation of the opening
    {"eData", 4, true},   // staff portraits
    {"fData", 12, true},  // prologue pictures
    {"gData", 5, true},   // making-of pictures
    {"hData", 38, true},  // ending
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

// The 2x twin of a data picture, by name or path: "Data4._vx" gives
// "Data4@2x._vx". The "@2x" before the extension is the toolkit's own mark for
// high-density pictures; the twin keeps the data files' extension, and lies
// outside the numbered names, so the check of the data files never sees it.
inline QString HighDensityName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash) return name + QStringLiteral("@2x");
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

// Every data file name in check order, then the help file: 143 names.
QStringList AllDataFileNames();
