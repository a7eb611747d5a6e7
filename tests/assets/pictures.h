#pragma once
// Reading the generated pictures back for the tests: the data files from the
// build tree's program folder, the built-in ones from the compiled resources.
#include <QImage>
#include <QString>
#include <vector>

// A data picture by file name ("Data3._vx"), decoded by content.
QImage DataPicture(const QString& name);
// A built-in picture by resource number; `twice` picks the @2x version.
QImage ResPicture(int number, bool twice = false);
// The picture as w x h grey levels (0..255), smoothly scaled: what is left of
// it when seen small or at a glance.
std::vector<float> Grey(const QImage& img, int w, int h);
// Mean absolute difference of two grey pictures of the same size.
double MeanDiff(const std::vector<float>& a, const std::vector<float>& b);
// Mean absolute difference of two pictures, channel by channel, 0..255.
double PictureDiff(const QImage& a, const QImage& b);
// The share (0..1) of pixels whose colours lie further apart than `distance`
// (in RGB, on white) at real size: how much of the picture visibly changes.
double VisibleShare(const QImage& a, const QImage& b, double distance = 40);
