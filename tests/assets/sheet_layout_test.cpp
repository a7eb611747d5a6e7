// The button and message sheets are cut by the windows at fixed cells: each
// drawn button must lie exactly in its cell, or the windows show halves of two.
#include "media/sheet_layout.h"
#include "app/data_files.h"
#include "pictures.h"

#include <gtest/gtest.h>

namespace {

bool isInk(QRgb c) {
    return qAlpha(c) == 255 && qGray(c) < 70;
}
bool isBlueFill(QRgb c) {
    return qAlpha(c) == 255 && qBlue(c) > qRed(c) + 20;
}
bool isRedFill(QRgb c) {
    return qAlpha(c) == 255 && qRed(c) > qBlue(c) + 30;
}
bool isPaper(QRgb c) {
    return qAlpha(c) == 255 && qGray(c) > 170;
}

// A button drawn from (left, top) with the given size: an ink edge on its first
// and last row and column, and its fill just inside, away from the label.
void expectButton(const QImage& sheet, int left, int top, int width, int height, bool pressed) {
    const int midX = left + width / 2, midY = top + height / 2;
    EXPECT_TRUE(isInk(sheet.pixel(midX, top))) << "top edge at " << top;
    EXPECT_TRUE(isInk(sheet.pixel(midX, top + height - 1))) << "bottom edge at " << top + height - 1;
    EXPECT_TRUE(isInk(sheet.pixel(left, midY))) << "left edge at " << left;
    EXPECT_TRUE(isInk(sheet.pixel(left + width - 1, midY))) << "right edge at " << left + width - 1;
    QRgb fill = sheet.pixel(left + 4, midY);
    EXPECT_TRUE(pressed ? isRedFill(fill) : isBlueFill(fill)) << "fill at " << left + 4 << "," << midY;
}

TEST(ButtonSheet4, EveryCellHoldsOneButtonAndNoTwoLookAlike) {
    QImage sheet = DataPicture(DataFileName("Data", 4));
    ASSERT_FALSE(sheet.isNull());
    std::vector<std::vector<float>> cells;
    for (int i = 0; i < Sheet4::kCount; ++i) {
        SCOPED_TRACE(i);
        expectButton(sheet, 0, Sheet4::cellTop(i), Sheet4::kCellWidth, Sheet4::kCellHeight, false);
        cells.push_back(Grey(sheet.copy(0, Sheet4::cellTop(i), Sheet4::kCellWidth, Sheet4::kCellHeight),
                             Sheet4::kCellWidth, Sheet4::kCellHeight));
    }
    // Each label is its own: the windows tell their buttons apart by it.
    for (size_t a = 0; a < cells.size(); ++a)
        for (size_t b = a + 1; b < cells.size(); ++b) EXPECT_GT(MeanDiff(cells[a], cells[b]), 2.0) << a << " vs " << b;
}

TEST(RowSheets, PlainAndPressedLooksLieInTheirCells) {
    const struct { int n, width; } sheets[] = {{7, Sheet78::kLevelWidth}, {8, Sheet78::kStartWidth}};
    for (const auto& s : sheets) {
        QImage sheet = DataPicture(DataFileName("Data", s.n));
        ASSERT_FALSE(sheet.isNull());
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(testing::Message() << "Data" << s.n << " button " << i);
            expectButton(sheet, 0, Sheet78::plainTop(i), s.width, Sheet78::kButtonHeight, false);
            expectButton(sheet, 0, Sheet78::pressedTop(i), s.width, Sheet78::kButtonHeight, true);
        }
    }
}

TEST(MessageSheet5, ButtonsAreDrawnWhereTheClickAreasLie) {
    QImage sheet = DataPicture(DataFileName("Data", 5));
    ASSERT_FALSE(sheet.isNull());
    const struct {
        int backgroundTop, left;
    } areas[] = {{Sheet5::kQuestionTop, Sheet5::kYesLeft},
                 {Sheet5::kQuestionTop, Sheet5::kNoLeft},
                 {Sheet5::kOkTop, Sheet5::kNoLeft}};
    for (const auto& a : areas) {
        SCOPED_TRACE(testing::Message() << "area at " << a.left << " in background " << a.backgroundTop);
        const int top = a.backgroundTop + Sheet5::kAreaTop;
        expectButton(sheet, a.left, top, Sheet5::kAreaWidth, Sheet5::kAreaHeight, false);
        // Paper all round it: nothing that looks clickable spills outside.
        const int midY = top + Sheet5::kAreaHeight / 2;
        EXPECT_TRUE(isPaper(sheet.pixel(a.left - 3, midY)));
        EXPECT_TRUE(isPaper(sheet.pixel(a.left + Sheet5::kAreaWidth / 2, top - 3)));
    }
    // The OK background has no yes button, and the timed one no button at all.
    EXPECT_TRUE(isPaper(sheet.pixel(Sheet5::kYesLeft + 4, Sheet5::kOkTop + Sheet5::kAreaTop + 15)));
    for (int x : {Sheet5::kYesLeft + 4, Sheet5::kNoLeft + 4})
        EXPECT_TRUE(isPaper(sheet.pixel(x, Sheet5::kTimedTop + Sheet5::kTimedHeight - 20)));
}

TEST(HandCursor, TheFingertipIsWhereTheHotSpotIs) {
    QImage cursor = DataPicture(DataFileName("Data", 11));
    ASSERT_EQ(cursor.size(), QSize(32, 32));
    ASSERT_TRUE(cursor.hasAlphaChannel());
    // The game puts the hot spot at (width / 4, 1): the top of the finger.
    const QPoint hot(cursor.width() / 4, 1);
    EXPECT_EQ(qAlpha(cursor.pixel(hot)), 255);
    for (int x = 0; x < 32; ++x) EXPECT_EQ(qAlpha(cursor.pixel(x, 0)), 0) << "nothing above the fingertip at " << x;
    EXPECT_GT(qGray(cursor.pixel(hot + QPoint(0, 3))), 200);  // the finger itself is light
    EXPECT_EQ(qAlpha(cursor.pixel(31, 0)), 0);
    EXPECT_EQ(qAlpha(cursor.pixel(0, 31)), 0);
}

}  // namespace
