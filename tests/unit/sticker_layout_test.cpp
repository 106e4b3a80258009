#include <gtest/gtest.h>

#include "mainwindow/sticker_layout.h"

namespace vx {
namespace {

const StickerMetrics kMetrics{13, 40, 60, 50};

TEST(StickerLayout, WindowSize) {
    struct Case {
        int columns;
        bool labels, clickThrough;
        int width;
    };
    const Case cases[] = {
        {4, false, false, 3 * 50 + 40 + 12},          // Name, Capacity, Free, percent
        {5, true, false, 3 * 50 + 40 + 60 + 2 + 12},  // with the label column
        {4, false, true, 3 * 50 + 40 + 13 + 12},      // room for the control square
        {1, false, false, 40 + 12},
    };
    const StickerMetrics noLabels{13, 40, 0, 50};
    for (const auto& c : cases)
        EXPECT_EQ(StickerWidth(c.columns, c.labels, c.labels ? kMetrics : noLabels, c.clickThrough), c.width);
    EXPECT_EQ(StickerHeight(3, true, 13), 4 * 13 + 7);
    EXPECT_EQ(StickerHeight(3, false, 13), 3 * 13 + 5);
    EXPECT_EQ(StickerHeight(0, false, 13), 13) << "at least one row";
    EXPECT_EQ(StickerFirstLineTop(true, 13), 17);
    EXPECT_EQ(StickerFirstLineTop(false, 13), 2);
}

TEST(StickerLayout, HeaderColumnsAndCells) {
    EXPECT_EQ(StickerColumnLefts(5, true, kMetrics), (std::vector<int>{5, 45, 105, 155, 205}));
    const StickerMetrics noLabels{13, 40, 0, 50};
    EXPECT_EQ(StickerColumnLefts(4, false, noLabels), (std::vector<int>{5, 45, 95, 145}));
    EXPECT_EQ(StickerCaptionX(45, 30, StickerAlignment::Right, 50), 65);
    EXPECT_EQ(StickerCaptionX(45, 31, StickerAlignment::Centre, 50), 54);
    EXPECT_EQ(StickerCaptionX(45, 30, StickerAlignment::Left, 50), 45);
    EXPECT_EQ(StickerValueCellRight(1, kMetrics), 5 + 40 + 60 + 50);
    EXPECT_EQ(StickerValueCellRight(3, noLabels), 5 + 40 + 150);
}

TEST(StickerLayout, PercentCellAdjustmentsByFontSize) {
    struct Case {
        int size, shift, lengthening, arrow;
    };
    const Case cases[] = {{3, 0, 0, 1}, {4, 0, 0, 2}, {5, 1, 0, 3}, {6, 1, 0, 2}, {7, 0, 1, 1},
                          {8, 1, 0, 0}, {12, 1, 0, 0}, {13, 0, 0, 0}, {14, 0, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(StickerLineShift(c.size), c.shift) << c.size;
        EXPECT_EQ(StickerBarLengthening(c.size), c.lengthening) << c.size;
        EXPECT_EQ(StickerArrowOffset(c.size), c.arrow) << c.size;
    }
    EXPECT_EQ(StickerBarWidth(50, 100, 400), 48);
    EXPECT_EQ(StickerBarWidth(50, 360, 400), 400 - 360 - 11) << "kept inside the window";
}

TEST(StickerLayout, PercentTextFontShrinksUntilItFits) {
    // A font is as high as its size plus 3.
    const auto height = [](int size, const std::string&) { return size + 3; };
    EXPECT_EQ(StickerPercentFont(5, true, 13, height).size, 0) << "size 5 has no text";
    EXPECT_EQ(StickerPercentFont(8, false, 13, height).size, 0) << "switched off";
    const auto fits = StickerPercentFont(8, true, 13, height);
    EXPECT_EQ(fits.size, 8);  // 11 <= 12: measured at the sticker size, it fits at once
    EXPECT_EQ(fits.name, "SMALL FONTS");
    const auto shrunk = StickerPercentFont(14, true, 13, height);
    EXPECT_EQ(shrunk.size, 9);
    EXPECT_EQ(shrunk.name, "TAHOMA");
}

TEST(StickerLayout, ClicksOnTheSticker) {
    // The percent column is the last 50 pixels of a 250 pixel sticker.
    EXPECT_TRUE(StickerPercentClick(230, 5, 250, 50, true, 13));
    EXPECT_FALSE(StickerPercentClick(230, 40, 250, 50, true, 13)) << "below the header line";
    EXPECT_TRUE(StickerPercentClick(230, 40, 250, 50, false, 13)) << "any line without a header";
    EXPECT_FALSE(StickerPercentClick(200, 5, 250, 50, true, 13));
    EXPECT_EQ(StickerLineAt(17, true, 13, 3), std::optional<size_t>(0));
    EXPECT_EQ(StickerLineAt(30, true, 13, 3), std::optional<size_t>(1));
    EXPECT_EQ(StickerLineAt(10, true, 13, 3), std::nullopt) << "the header line";
    EXPECT_EQ(StickerLineAt(60, true, 13, 3), std::nullopt) << "below the last line";
}

}  // namespace
}  // namespace vx
