#include "app/screen_scale.h"
#include "app/state.h"
#include "platform/settings_store.h"
#include "support/game_test.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenScale, FitPicksTheLargestStepThatHoldsTheLargestScreen) {
    const struct {
        QSize client;
        int16_t percent;
    } cases[] = {
        {{640, 480}, 100},   {{500, 400}, 100},   {{959, 720}, 100},   {{960, 719}, 100},
        {{960, 720}, 150},   {{1280, 959}, 150},  {{1280, 960}, 200},  {{1920, 1057}, 200},  // 1920x1080 less the menu
        {{1920, 1439}, 200}, {{1920, 1440}, 300}, {{3840, 2160}, 300}, {{1000, 2000}, 150},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitScalePercent(c.client), c.percent) << c.client.width() << "x" << c.client.height();
        EXPECT_EQ(EffectiveScalePercent(kScaleFit, c.client), c.percent);
    }
    // A chosen size is kept even where the screen does not fit: the player asked for it.
    EXPECT_EQ(EffectiveScalePercent(300, QSize(640, 480)), 300);
}

TEST(ScreenScale, StoredTexts) {
    const struct {
        const char* text;
        std::optional<int16_t> choice;
    } cases[] = {
        {"Fit", kScaleFit}, {"fit", kScaleFit},    {"1", 100},         {"1.5", 150},          {"2", 200},
        {" 3 ", 300},       {"2.5", std::nullopt}, {"", std::nullopt}, {"150", std::nullopt}, {"-1", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(ParseScaleChoice(QString::fromUtf8(c.text)), c.choice) << c.text;
    for (int16_t choice : {kScaleFit, int16_t(100), int16_t(150), int16_t(200), int16_t(300)})
        EXPECT_EQ(ParseScaleChoice(ScaleChoiceText(choice)), choice);
}

using ScaleStoreTest = GameTest;

TEST_F(ScaleStoreTest, AChoiceTheGameDidNotWriteFitsTheWindowAndLeavesTheOtherOptionsAlone) {
    saveOption("Scale", QStringLiteral("7"));
    saveOption("Mes", QStringLiteral("6"));
    ScreenScale = 200;
    ReadScaleChoice();
    EXPECT_EQ(ScreenScale, kScaleFit);
    ScreenScale = 150;
    ASSERT_TRUE(StoreScaleChoice());
    ScreenScale = 0;
    ReadScaleChoice();
    EXPECT_EQ(ScreenScale, 150);
    EXPECT_EQ(host::GetSetting(kAppName, QStringLiteral("Option"), QStringLiteral("Mes")), QStringLiteral("6"));
}

}  // namespace
