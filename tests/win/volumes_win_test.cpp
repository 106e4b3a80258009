#include <gtest/gtest.h>
#include <windows.h>

#include "core/utf.h"
#include "disks/drive_list.h"
#include "platform/win/volumes_win.h"

namespace vx {
namespace {

TEST(WinVolumes, DriveCOfThePrefixAsTheSystemReportsIt) {
    WinVolumes volumes;
    EXPECT_TRUE(volumes.LogicalDrives() & (1u << 2));
    EXPECT_EQ(volumes.DriveType("C:\\"), VolumeType::Fixed);
    const auto space = volumes.FreeSpace("C:");
    ASSERT_TRUE(space.has_value());
    ULARGE_INTEGER available{}, total{}, free{};
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:\\", &available, &total, &free));
    EXPECT_EQ(space->total, static_cast<int64_t>(total.QuadPart));
    EXPECT_GT(space->total, 0);
    EXPECT_FALSE(volumes.ShellDisplayName("C:").empty());
}

TEST(WinVolumes, AMissingDriveGivesNothingAndNoBox) {
    WinVolumes volumes;
    // Find a letter the prefix does not map.
    const uint32_t mask = volumes.LogicalDrives();
    char letter = 0;
    for (char c = 'Q'; c <= 'Y' && !letter; ++c) {
        if (!(mask & (1u << (c - 'A')))) letter = c;
    }
    ASSERT_NE(letter, 0);
    const std::string root{letter, ':', '\\'};
    EXPECT_EQ(volumes.DriveType(root), VolumeType::NoRoot);
    EXPECT_FALSE(volumes.FreeSpace(root).has_value());
    EXPECT_FALSE(volumes.VolumeSerial(root).has_value());
    EXPECT_EQ(GetVolumeSerial(volumes, root), std::string(1, letter));
}

TEST(WinVolumes, TheDriveListOfThePrefix) {
    WinVolumes volumes;
    Options options;
    const FilledDrives filled = FillDisks(volumes, options);
    ASSERT_FALSE(filled.drives.empty());
    bool sawC = false;
    for (size_t i = 0; i < filled.drives.size(); ++i) {
        if (filled.drives[i].Name != "C:") continue;
        sawC = true;
        EXPECT_EQ(filled.drives[i].kind, DriveKind::Fixed);
        EXPECT_TRUE(IsMonitored(options, "C:"));
        EXPECT_NE(filled.labels[i], " - ");
        const DriveRecord measured = MeasureDrive(volumes, "C:\\", filled.drives[i]);
        EXPECT_GT(measured.Capacity, 0);
        EXPECT_EQ(measured.Used, measured.Capacity - measured.Free);
    }
    EXPECT_TRUE(sawC);
}

}  // namespace
}  // namespace vx
