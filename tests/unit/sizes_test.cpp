#include <gtest/gtest.h>

#include "disks/sizes.h"
#include "intl/catalogue.h"

namespace vx {
namespace {

DriveRecord Drive(int64_t capacity, int64_t free, int64_t available, int64_t used = 0) {
    DriveRecord d;
    d.Capacity = capacity;
    d.Free = free;
    d.Available = available;
    d.Used = used;
    return d;
}

TEST(FormatSize, EveryUnitAndTheFloor) {
    const NumberFormat comma;
    const NumberFormat german{",", "."};
    struct Case {
        int64_t bytes;
        int unit;
        const char* text;
    };
    const Case cases[] = {
        {5, 3, "0.01"},  // below 0.01 of the unit
        {0, 3, "0"},
        {-1, 2, "0"},  // no data
        {1600, 1, "2"},
        {300, 1, "0"},
        {1234567, 1, "1,206"},
        {123456789012LL, 3, "114.98"},
        {1023, 0, "1,023"},
        {5LL << 40, 4, "5.00"},
        {1048576LL * 1536, 2, "1,536.00"},
        {999, 9, "999.00"},  // an unknown unit divides by 1
        {-5, 9, "0"},
        {INT64_MAX, 0, "9,223,372,036,854,775,808"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatSize(c.bytes, c.unit, comma), c.text) << c.bytes << " in " << c.unit;
    EXPECT_EQ(FormatSize(1234567, 1, german), "1.206");
    EXPECT_EQ(FormatSize(123456789012LL, 3, german), "114,98");
}

TEST(UnitTexts, SuffixesAndNames) {
    PublishCatalogue({});
    EXPECT_EQ(UnitSuffix(3, true), " (Gb)");
    EXPECT_EQ(UnitSuffix(3, false), " Gb");
    EXPECT_EQ(UnitSuffix(0, true), " (bytes)");
    EXPECT_EQ(UnitSuffix(4, true), " (Tb)");
    EXPECT_EQ(UnitSuffix(7, true), "");
    EXPECT_EQ(UnitName(4), "Terabytes");
    EXPECT_EQ(UnitName(1), "Kilobytes");
    EXPECT_EQ(UnitName(-1), "");
}

TEST(Shares, OfCapacityWithHalvesToEven) {
    struct Case {
        DriveRecord drive;
        int free;
    };
    const Case cases[] = {
        {Drive(0, 0, 0), 0},     // no data: 0 free, 100 used
        {Drive(-1, -1, -1), 0},  // failed measurement
        {Drive(1000, 300, 300), 30},
        {Drive(1000, 125, 125), 12},  // 12.5 -> 12
        {Drive(1000, 135, 135), 14},  // 13.5 -> 14
        {Drive(1000, 1000, 1000), 100},
        {Drive(1000, 2000, 2000), 100},  // capped
        // Available below Free (quota, reserved blocks): measured against Capacity, not 100 %.
        {Drive(1000, 400, 250), 25},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FreeShare(c.drive), c.free) << c.drive.Capacity << "/" << c.drive.Free;
        EXPECT_EQ(UsedShare(c.drive), 100 - c.free);
    }
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
}

TEST(TrayValueText, NarrowsUntilItFits) {
    const NumberFormat format;
    const int64_t gb = 1073741824LL;
    const DriveRecord big = Drive(500 * gb, gb * 1234 / 10, gb * 1234 / 10, 100 * gb);
    std::vector<std::string> tried;
    auto narrowOnly = [&](size_t width) {
        return [&tried, width](const std::string& text) {
            tried.push_back(text);
            return text.size() <= width;
        };
    };
    EXPECT_EQ(TrayValueText(big, 0, false, format, narrowOnly(6)), "123.40");
    tried.clear();
    EXPECT_EQ(TrayValueText(big, 0, false, format, narrowOnly(5)), "123.4");
    tried.clear();
    EXPECT_EQ(TrayValueText(big, 0, false, format, narrowOnly(3)), "123");
    EXPECT_EQ(tried, (std::vector<std::string>{"123.40", "123.4"}));
    // Below 10 the one-decimal form is the last step.
    const DriveRecord small = Drive(20 * gb, gb * 55 / 10, gb * 55 / 10);
    EXPECT_EQ(TrayValueText(small, 0, false, format, narrowOnly(1)), "5.5");
    EXPECT_EQ(TrayValueText(big, 0, true, {",", "."}, narrowOnly(9)), "100,00");
    EXPECT_EQ(TrayValueText(Drive(1000, 370, 370), 1, false, format, narrowOnly(9)), "37%");
    EXPECT_EQ(TrayValueText(Drive(1000, 370, 370), 1, true, format, narrowOnly(9)), "63%");
}

TEST(DateTimeText, OneDigitHoursGetALeadingZero) {
    EXPECT_EQ(ComposeDateTimeText("09.12.2026", "9:05:01"), "09.12.2026 09:05:01");
    EXPECT_EQ(ComposeDateTimeText("12/9/2026", "10:05:01 PM"), "12/9/2026 10:05:01 PM");
    EXPECT_EQ(ComposeDateTimeText("d", ""), "d 0");
}

}  // namespace
}  // namespace vx
