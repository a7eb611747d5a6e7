#pragma once
// The picture series of the scenes, frame 1 first.
#include <QImage>
#include <vector>

std::vector<QImage> LogoFrames();      // "dData" 1..20, 480 x 270
std::vector<QImage> PrologueFrames();  // "fData" 1..12, 500 x 300
std::vector<QImage> PassageFrames();   // "aData" 1..18, 375 x 258
std::vector<QImage> EndingFrames();    // "hData" 1..38, 375 x 258
std::vector<QImage> StaffFrames();     // "eData" 1..4, 500 x 400
std::vector<QImage> MakingFrames();    // "gData" 1..5, 375 x 330
