#include <gtest/gtest.h>

#include "intl/catalogue.h"
#include "mainwindow/column_model.h"

namespace vx {
namespace {

// Seven pixels a character, as a fixed-pitch font would measure.
int Width(const std::string& text) {
    return static_cast<int>(text.size()) * 7;
}

std::vector<std::string> Captions(const Options& options) {
    std::vector<std::string> captions;
    for (const auto& column : ShownColumns(options)) captions.push_back(column.caption);
    return captions;
}

TEST(Columns, ShownInTheirFixedOrderWithUnitSuffixes) {
    PublishCatalogue({});
    Options options;
    EXPECT_EQ(Captions(options), (std::vector<std::string>{"Name", "Capacity (Gb)", "Free (Gb)", "% Used"}));
    options.ShowLabels = options.ShowOccuped = options.ShowAvail = true;
    options.ShowUsedPercents = false;
    options.ShowIn = 2;
    EXPECT_EQ(Captions(options), (std::vector<std::string>{"Name", "Disk label", "Capacity (Mb)", "Used (Mb)",
                                                           "Free (Mb)", "Available (Mb)", "% Free"}));
    EXPECT_EQ(ShownColumns(options).back().alignment, ColumnAlignment::Centre);
    EXPECT_EQ(ShownColumns(options)[2].alignment, ColumnAlignment::Right);
}

TEST(Columns, FrameAllowancesByWindowsVersion) {
    struct Case {
        unsigned major, minor;
        int width, height;
    };
    for (const Case c :
         {Case{6, 0, 21, 15}, Case{6, 1, 18, 16}, Case{6, 2, 10, 8}, Case{10, 0, 10, 8}, Case{5, 1, 10, 8}}) {
        const FrameAllowance frame = FrameAllowanceFor(c.major, c.minor);
        EXPECT_EQ(frame.width, c.width) << c.major << "." << c.minor;
        EXPECT_EQ(frame.height, c.height);
    }
}

TEST(Columns, ValueWidthIsTheWidestTextOrCaptionPlus15) {
    PublishCatalogue({});
    Options options;  // Capacity, Free, percent in gigabytes
    DriveRecord big;
    big.Capacity = 1234567890LL * 1073741824;  // "1,234,567,890.00": 16 characters
    big.Free = 1;
    int count = 0;
    EXPECT_EQ(ValueColumnWidth({big}, options, NumberFormat{}, Width, count), 16 * 7 + 15);
    EXPECT_EQ(count, 3);
    DriveRecord small;
    small.Capacity = 1073741824;  // "1.00", narrower than "Capacity (Gb)" + 5
    EXPECT_EQ(ValueColumnWidth({small}, options, NumberFormat{}, Width, count), 13 * 7 + 5 + 15);
    options.ShowTotal = options.ShowFree = options.ShowPercents = false;
    EXPECT_EQ(ValueColumnWidth(
                  {small}, options, NumberFormat{}, [](const std::string&) { return 0; }, count),
              50);
    EXPECT_EQ(count, 0);
}

TEST(Columns, NameAndLabelWidths) {
    PublishCatalogue({});
    EXPECT_EQ(NameColumnWidth({"  C:", "  D:"}, Width, false), 4 * 7 + 30);
    EXPECT_EQ(NameColumnWidth(
                  {"", ""}, [](const std::string&) { return 0; }, false),
              50 + 30);  // nothing wider than 0
    EXPECT_EQ(NameColumnWidth({"C:\\A long folder name"}, Width, false), 21 * 7 + 30);
    EXPECT_EQ(NameColumnWidth({}, Width, true), 50 + 10);
    EXPECT_EQ(LabelColumnWidth({"SYSTEM"}, Width, false), 10 * 7 + 20);  // "Disk label" is wider
    EXPECT_EQ(LabelColumnWidth({"A much longer volume label"}, Width, true), 26 * 7 + 10);
}

TEST(Columns, WindowSizeFormulas) {
    const FrameAllowance frame{10, 8};
    EXPECT_EQ(ClassicWindowHeight(1, 17, 15, 19, frame), 8 + 63);
    EXPECT_EQ(ClassicWindowHeight(0, 17, 15, 19, frame), 71);
    EXPECT_EQ(ClassicWindowHeight(3, 17, 15, 19, frame), 5 * 17 + 15 + 19 - 4 + 8);
    EXPECT_EQ(ClassicWindowWidth(300, frame, false, 200), 310);
    EXPECT_EQ(ClassicWindowWidth(300, frame, true, 200), 324);
    EXPECT_EQ(ClassicWindowWidth(100, frame, false, 260), 260);  // never narrower than the menu bar
}

TEST(Columns, HeaderClicksTradeCapacityAndUsedAndSwitchTheShare) {
    struct Case {
        const char* what;
        int id;
        bool total, used, usedPercents;
        bool changed;
        bool totalAfter, usedAfter, usedPercentsAfter;
    };
    const Case cases[] = {
        {"capacity while used hidden", kColumnCapacity, true, false, true, true, false, true, true},
        {"capacity while used shown", kColumnCapacity, true, true, true, false, true, true, true},
        {"used while capacity hidden", kColumnUsed, false, true, true, true, true, false, true},
        {"used while capacity shown", kColumnUsed, true, true, true, false, true, true, true},
        {"percent from used share", kColumnPercent, true, false, true, true, true, false, false},
        {"percent from free share", kColumnPercent, true, false, false, true, true, false, true},
        {"name does nothing", kColumnName, true, false, true, false, true, false, true},
        {"free does nothing", kColumnFree, true, false, true, false, true, false, true},
        {"label does nothing", kColumnLabel, true, false, true, false, true, false, true},
    };
    for (const auto& c : cases) {
        Options options;
        options.ShowTotal = c.total;
        options.ShowOccuped = c.used;
        options.ShowUsedPercents = c.usedPercents;
        EXPECT_EQ(HeaderClick(options, c.id), c.changed) << c.what;
        EXPECT_EQ(options.ShowTotal, c.totalAfter) << c.what;
        EXPECT_EQ(options.ShowOccuped, c.usedAfter) << c.what;
        EXPECT_EQ(options.ShowUsedPercents, c.usedPercentsAfter) << c.what;
    }
}

TEST(Columns, EveryColumnButNameHasTheSettingThatShowsIt) {
    Options options;
    EXPECT_EQ(ColumnShownSetting(options, kColumnName), nullptr);
    EXPECT_EQ(ColumnShownSetting(options, kColumnLabel), &options.ShowLabels);
    EXPECT_EQ(ColumnShownSetting(options, kColumnCapacity), &options.ShowTotal);
    EXPECT_EQ(ColumnShownSetting(options, kColumnUsed), &options.ShowOccuped);
    EXPECT_EQ(ColumnShownSetting(options, kColumnFree), &options.ShowFree);
    EXPECT_EQ(ColumnShownSetting(options, kColumnAvailable), &options.ShowAvail);
    EXPECT_EQ(ColumnShownSetting(options, kColumnPercent), &options.ShowPercents);
    EXPECT_EQ(ColumnShownSetting(options, 7), nullptr);
}

TEST(Columns, WindowKeptOnItsMonitorAfterAColumnChange) {
    struct Case {
        const char* what;
        bool docked;
        int left, width;
        int expected;
    };
    // A monitor whose right edge is at 1920.
    const Case cases[] = {
        {"docked window that grew", true, 1500, 500, 1420},
        {"docked window that shrank", true, 1500, 300, 1620},
        {"free window that still fits", false, 100, 500, 100},
        {"free window that now fits exactly", false, 1420, 500, 1420},
        {"free window pushed past the edge", false, 1500, 500, 1420},
    };
    for (const auto& c : cases) EXPECT_EQ(LeftKeptOnMonitor(c.docked, c.left, c.width, 1920), c.expected) << c.what;
}

}  // namespace
}  // namespace vx
