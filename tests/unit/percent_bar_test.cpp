#include <gtest/gtest.h>

#include "mainwindow/percent_bar.h"

namespace vx {
namespace {

constexpr int64_t kGb = 1073741824LL;

DriveRecord Drive(int64_t capacity, int64_t free, int64_t available = -2) {
    DriveRecord d;
    d.Capacity = capacity;
    d.Free = free;
    d.Available = available == -2 ? free : available;
    d.Used = capacity - free;
    return d;
}

TEST(Colours, LightenAndDarkenByPercent) {
    struct Case {
        uint32_t rgb;
        int percent;
        uint32_t lighter;
        uint32_t darker;
    };
    const Case cases[] = {
        {Rgb(58, 230, 67), 0, Rgb(58, 230, 67), Rgb(58, 230, 67)},
        {Rgb(58, 230, 67), 56, Rgb(168, 244, 172), Rgb(26, 102, 30)},
        {Rgb(58, 230, 67), 30, Rgb(117, 237, 123), Rgb(41, 161, 47)},
        {Rgb(0, 100, 255), 150, Rgb(255, 255, 255), Rgb(0, 0, 0)},  // above 100 counts as 100
        {Rgb(10, 20, 30), -5, Rgb(10, 20, 30), Rgb(10, 20, 30)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Lighten(c.rgb, c.percent), c.lighter) << c.percent;
        EXPECT_EQ(Darken(c.rgb, c.percent), c.darker) << c.percent;
    }
}

TEST(BarColor, FollowsTheLimits) {
    Options options;
    EXPECT_EQ(BarColorFor(Drive(100 * kGb, 9 * kGb), options), options.BarColor) << "without UseColors";
    options.UseColors = true;
    struct Case {
        int64_t freeGb;
        uint32_t colour;
    };
    for (const Case c : {Case{24, options.BarColor1}, Case{9, options.BarColor2}, Case{30, options.BarColor},
                         Case{25, options.BarColor}, Case{0, options.BarColor2}}) {
        EXPECT_EQ(BarColorFor(Drive(100 * kGb, c.freeGb * kGb), options), c.colour) << c.freeGb << " GB free";
    }
    // Limits in megabytes, and the limits the other way round.
    options.BarUnits1 = 1;
    options.BarLimit1 = 500;
    options.BarUnits2 = 1;
    options.BarLimit2 = 2000;
    EXPECT_EQ(BarColorFor(Drive(100 * kGb, 1000LL * 1048576), options), options.BarColor2);
    EXPECT_EQ(BarColorFor(Drive(100 * kGb, 400LL * 1048576), options), options.BarColor1);
    EXPECT_EQ(BarColorFor(Drive(100 * kGb, 3000LL * 1048576), options), options.BarColor);
    // Quota: Available decides, measured against Capacity.
    options = Options{};
    options.UseColors = true;
    EXPECT_EQ(BarColorFor(Drive(100 * kGb, 50 * kGb, 5 * kGb), options), options.BarColor2);
}

TEST(PercentCell, NumberAndBarOfTheShownShare) {
    const DriveRecord thirtyUsed = Drive(100 * kGb, 70 * kGb);
    EXPECT_EQ(PercentCellFor(thirtyUsed, true).text, "30");
    EXPECT_EQ(PercentCellFor(thirtyUsed, true).barShare, 30);
    EXPECT_EQ(PercentCellFor(thirtyUsed, false).text, "70");
    EXPECT_EQ(PercentCellFor(thirtyUsed, false).barShare, 70);
    for (const DriveRecord& empty : {Drive(0, 0), Drive(-1, -1)}) {
        EXPECT_EQ(PercentCellFor(empty, true).text, "");
        EXPECT_EQ(PercentCellFor(empty, true).barShare, 0);
    }
    // The bar follows Free, the number min(Available, Free).
    const DriveRecord quota = Drive(100 * kGb, 60 * kGb, 20 * kGb);
    EXPECT_EQ(PercentCellFor(quota, true).text, "80");
    EXPECT_EQ(PercentCellFor(quota, true).barShare, 40);
}

TEST(PercentCell, TrendArrows) {
    struct Case {
        int64_t delta;
        bool used;
        TrendArrow arrow;
    };
    for (const Case c : {Case{0, true, TrendArrow::None}, Case{0, false, TrendArrow::None},
                         Case{100, false, TrendArrow::Up}, Case{-100, false, TrendArrow::Down},
                         Case{-100, true, TrendArrow::Up}, Case{100, true, TrendArrow::Down}}) {
        EXPECT_EQ(TrendArrowFor(c.delta, c.used), c.arrow) << c.delta << (c.used ? " used" : " free");
    }
}

TEST(PercentCell, BarGeometry) {
    EXPECT_EQ(BarLength(102, 30), 30);
    EXPECT_EQ(BarLength(52, 50), 25);
    EXPECT_EQ(BarLength(2, 100), 0);
    EXPECT_EQ(BarLength(102, 0), 0);
    EXPECT_EQ(BarLength(102, 150), 100);
    EXPECT_EQ(LowerGradientHeight(16), 9);
    EXPECT_EQ(LowerGradientHeight(8), 4);  // 4.5 -> 4, halves to even
}

}  // namespace
}  // namespace vx
