#pragma once
// What each music track is for and how long its screen may need it.

struct Use {
    int n;
    double minSeconds;
    bool drums;
    const char* why;
};
inline constexpr Use kUses[] = {
    {1, 45, false, "prologue: under the logo's end and the scrolling story"},
    {2, 90, true, "title: the player lingers on the title window"},
    {3, 180, true, "maps and practice duels"},
    {4, 180, true, "duel, stage 1"},
    {5, 180, true, "duel, stage 3"},
    {6, 180, true, "duel, stage 4"},
    {7, 180, true, "duel, stage 5"},
    {8, 180, true, "duel, stage 6"},
    {9, 182, true, "making-of: 26 steps of 7 s"},
    {10, 100, true, "staff roll: about 100 s"},
    {11, 150, true, "ending scene: about two and a half minutes"},
    {12, 180, true, "duel, stage 16 (final battle)"},
    {13, 180, true, "duel, stages 2 and 7"},
    {14, 180, true, "duel, stages 8 and 9 (Demon King)"},
    {15, 180, true, "duel, stage 11"},
    {16, 180, true, "duel, stage 14"},
    {17, 180, true, "duel, stage 15"},
    {18, 180, true, "duel, stage 12"},
    {19, 180, true, "duel, stage 13"},
};
