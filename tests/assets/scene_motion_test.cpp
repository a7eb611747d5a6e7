// Scene frames played quickly one after another must move in small even steps,
// not jump; and the prologue's last frame must let white text be read on it.
#include "app/data_files.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct FrameRun {
    const char* prefix;
    std::vector<int> frames;  // in the order the scene shows them
};

// Runs the scene tables play at 10 to 200 ms a frame, as transitions between
// two held pictures: each step must be a fraction of the whole change.
const FrameRun kTransitions[] = {
    {"dData", {1, 2, 3, 4}},     // the light comes up
    {"fData", {1, 4, 8, 12}},    // the prologue fades in (every fourth frame)
    {"aData", {1, 5, 4, 3, 2}},  // the Demon King's face appears
    {"hData", {1, 2, 3, 4}},     // and each cross-fade of the ending
    {"hData", {4, 5, 6, 7}},
    {"hData", {7, 8, 9, 10}},
    {"hData", {10, 11, 12, 1}},
    {"hData", {1, 13, 14, 15}},
    {"hData", {23, 24, 25, 26, 27, 28, 29}},  // the light clears over the ruins
    {"hData", {29, 30, 31, 32, 33}},          // sunrise
    {"hData", {34, 35, 36, 37, 38}},
};

TEST(SceneMotion, TransitionsMoveInEvenSteps) {
    for (const FrameRun& run : kTransitions) {
        std::vector<QImage> frames;
        for (int n : run.frames) frames.push_back(DataPicture(DataFileName(run.prefix, n)));
        const double whole = PictureDiff(frames.front(), frames.back());
        SCOPED_TRACE(testing::Message() << run.prefix << " from " << run.frames.front() << " to " << run.frames.back());
        ASSERT_GT(whole, 3.0) << "the run shows no change at all";
        for (size_t i = 1; i < frames.size(); ++i) {
            const double step = PictureDiff(frames[i - 1], frames[i]);
            EXPECT_GT(step, 0.2) << "frame " << run.frames[i] << " repeats the one before";
            EXPECT_LT(step, whole * 0.75) << "frame " << run.frames[i] << " jumps";
        }
    }
}

// Runs that are motion rather than fades: every frame differs from the last,
// and no step is a cut to an unrelated picture.
const FrameRun kMotions[] = {
    {"dData", {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},  // cards fall, name shines
    {"aData", {11, 10, 9, 8, 7}},                                            // the new castle rises
    {"aData", {12, 13, 14, 15, 16, 17, 18}},                                 // the march to the gate
    {"hData", {16, 17, 18, 19, 20, 21}},                                     // the castle cracks
};

TEST(SceneMotion, MotionFramesChangeEveryStepWithoutCuts) {
    for (const FrameRun& run : kMotions) {
        SCOPED_TRACE(testing::Message() << run.prefix << " from " << run.frames.front());
        for (size_t i = 1; i < run.frames.size(); ++i) {
            QImage a = DataPicture(DataFileName(run.prefix, run.frames[i - 1]));
            QImage b = DataPicture(DataFileName(run.prefix, run.frames[i]));
            const double step = PictureDiff(a, b);
            EXPECT_GT(step, 0.2) << "frame " << run.frames[i] << " does not move";
            EXPECT_LT(step, 40.0) << "frame " << run.frames[i] << " is a cut, not motion";
        }
    }
}

TEST(SceneMotion, TheStoryBackdropKeepsWhiteTextReadable) {
    // White story text scrolls over every part of fData12; the picture under it
    // must stay dark nearly everywhere.
    QImage backdrop = DataPicture(DataFileName("fData", 12)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(backdrop.isNull());
    std::vector<int> luma;
    for (int y = 0; y < backdrop.height(); ++y)
        for (int x = 0; x < backdrop.width(); ++x) luma.push_back(qGray(backdrop.pixel(x, y)));
    std::sort(luma.begin(), luma.end());
    EXPECT_LT(luma[luma.size() / 2], 50) << "median brightness";
    EXPECT_LT(luma[luma.size() * 98 / 100], 130) << "98th percentile brightness";
}

}  // namespace
