#include <gtest/gtest.h>

#include "intl/catalogue.h"
#include "mainwindow/tray_disks.h"

namespace vx {
namespace {

TEST(TrayDisks, EntriesAreANameAndAModeDigit) {
    ASSERT_TRUE(ParseTrayDisk("C:0"));
    EXPECT_EQ(ParseTrayDisk("C:0")->name, "C:");
    EXPECT_EQ(ParseTrayDisk("D:1")->mode, 1);
    for (const char* bad : {"", "C", "C:", "C:2", "C:x"}) EXPECT_FALSE(ParseTrayDisk(bad)) << bad;
    EXPECT_EQ(TrayDiskEntry({"E:", 1}), "E:1");
    EXPECT_EQ(TrayDiskEntry({"E:", 0}), "E:0");
}

TEST(TrayDisks, TooltipsShowTheShareTheListShows) {
    FillDefaultCatalogueIfEmpty();
    DriveRecord drive;
    drive.Capacity = 100LL << 30;
    drive.Free = 30LL << 30;
    drive.Available = 25LL << 30;
    drive.Used = drive.Capacity - drive.Free;
    Options options;
    options.ShowIn = 3;
    options.ShowUsedPercents = true;
    EXPECT_EQ(TrayTooltip("Local Disk (C:)", drive, options, {}), "Local Disk (C:) - Used (Gb):70.00 (75%)");  // the used share is 100 - the free share
    options.ShowUsedPercents = false;
    // The free figure is what the user may still write: the smaller of Available and Free.
    EXPECT_EQ(TrayTooltip("Local Disk (C:)", drive, options, {}), "Local Disk (C:) - Free (Gb):25.00 (25%)");
}

}  // namespace
}  // namespace vx
