#include <gtest/gtest.h>

#include "disks/drive_list.h"
#include "platform/memory/memory_volumes.h"

namespace vx {
namespace {

MemoryVolume Volume(VolumeType type, std::optional<std::string> label = "DATA", std::string display = "") {
    MemoryVolume v;
    v.type = type;
    v.label = std::move(label);
    v.displayName = std::move(display);
    v.space = SpaceFigures{400, 1000, 500};
    v.serial = 0x1A2B3C4D;
    return v;
}

class DriveListTest : public ::testing::Test {
protected:
    void SetUp() override {
        volumes.Add("A:\\", Volume(VolumeType::Removable, std::nullopt, "Floppy (A:)"));
        volumes.Add("C:\\", Volume(VolumeType::Fixed, "SYSTEM", "SYSTEM (C:)"));
        volumes.Add("D:\\", Volume(VolumeType::CdRom, std::nullopt, "CD Drive (D:)"));
        volumes.Add("E:\\", Volume(VolumeType::Removable, "STICK"));
        volumes.Add("F:\\", Volume(VolumeType::NoRoot));
        volumes.Add("N:\\", Volume(VolumeType::Remote, "share", "share on server (N:)"));
        volumes.Add("R:\\", Volume(VolumeType::RamDisk, "RAM"));
    }
    MemoryVolumes volumes;
    Options options;
};

std::vector<std::string> Names(const std::vector<DriveRecord>& drives) {
    std::vector<std::string> names;
    for (const auto& d : drives) names.push_back(d.Name);
    return names;
}

TEST_F(DriveListTest, NewDrivesFollowTheirKindsRule) {
    options.FoldersList = "C:\\Data\r\n\\\\server\\share";
    const auto drives = GetDisksList(volumes, options);
    EXPECT_EQ(Names(drives), (std::vector<std::string>{"A:", "C:", "D:", "E:", "N:", "R:", "C:\\Data",
                                                       "\\\\server\\share"}));
    EXPECT_EQ(drives[6].kind, DriveKind::LocalFolder);
    EXPECT_EQ(drives[7].kind, DriveKind::NetworkFolder);
    EXPECT_EQ(drives[4].kind, DriveKind::Network);
    // Floppies and optical drives start unmonitored, a stick monitored; fixed, network and RAM
    // drives are left to the fill, which enables them.
    EXPECT_EQ(options.DisabledDisks, (std::vector<std::string>{"A:", "D:"}));
    EXPECT_EQ(options.EnabledDisks, (std::vector<std::string>{"E:"}));
}

TEST_F(DriveListTest, ShowSwitchesDecideForNewDrivesOnly) {
    options.ShowFixedDrives = false;
    options.ShowNetworkDrives = false;
    options.ShowRamdisk = false;
    options.EnabledDisks = {"C:"};  // known before: stays monitored
    FilledDrives filled = FillDisks(volumes, options);
    EXPECT_TRUE(IsMonitored(options, "C:"));
    EXPECT_FALSE(IsMonitored(options, "N:"));
    EXPECT_FALSE(IsMonitored(options, "R:"));
    EXPECT_TRUE(IsMonitored(options, "e:"));
    EXPECT_EQ(filled.labels, (std::vector<std::string>{" - ", "SYSTEM", " - ", "STICK", " - ", " - "}));
}

TEST_F(DriveListTest, FillEnablesWhatNoListNames) {
    FilledDrives filled = FillDisks(volumes, options);
    EXPECT_EQ(options.EnabledDisks, (std::vector<std::string>{"E:", "C:", "N:", "R:"}));
    // A network drive shows the shell's name; a drive without a label too.
    EXPECT_EQ(filled.labels[4], "share on server (N:)");
    EXPECT_EQ(filled.labels[0], " - ");
}

TEST_F(DriveListTest, OnlyDriveIsOneRow) {
    MemoryVolumes one;
    one.Add("C:\\", Volume(VolumeType::Fixed));
    EXPECT_EQ(FillDisks(one, options).drives.size(), 1u);
}

TEST_F(DriveListTest, MeasurementSuccessFailureAndError) {
    DriveRecord previous;
    previous.kind = DriveKind::Fixed;
    previous.Name = "C:";
    DriveRecord first = MeasureDrive(volumes, "C:\\", previous);
    EXPECT_EQ(first.Capacity, 1000);
    EXPECT_EQ(first.Free, 500);
    EXPECT_EQ(first.Available, 400);
    EXPECT_EQ(first.Used, 500);
    EXPECT_EQ(first.FreeDelta, 0);  // no valid previous measurement
    EXPECT_EQ(first.Name, "C:");
    volumes.At("C:\\").space = SpaceFigures{300, 1000, 450};
    EXPECT_EQ(MeasureDrive(volumes, "C:\\", first).FreeDelta, -50);

    volumes.At("E:\\").space.reset();  // no medium
    const DriveRecord failed = MeasureDrive(volumes, "E:\\", first);
    EXPECT_EQ(failed.Capacity, 0);
    EXPECT_EQ(failed.Free, 0);
    EXPECT_EQ(failed.FreeDelta, 0);
    volumes.At("E:\\").throwsOnMeasure = true;
    const DriveRecord error = MeasureDrive(volumes, "E:\\", first);
    EXPECT_EQ(error.Capacity, -1);
    EXPECT_EQ(error.Used, 0);
    EXPECT_EQ(error.Name, "C:");
}

TEST_F(DriveListTest, LabelsNamesAndSerials) {
    volumes.At("C:\\").label = std::string(40, 'L');
    EXPECT_EQ(GetDriveLabel(volumes, "C:", DriveKind::Fixed), std::string(26, 'L'));
    EXPECT_EQ(GetDriveLabel(volumes, "D:", DriveKind::Optical), "CD Drive (D:)");
    EXPECT_EQ(GetDisplayName(volumes, "C:\\Data", 7), "C:\\Data");
    EXPECT_EQ(GetDisplayName(volumes, "N:", 9), "share on server (N:)");
    EXPECT_EQ(GetDisplayName(volumes, "", 9), "");
    EXPECT_EQ(GetVolumeSerial(volumes, "C:"), "1A2B3C4D");
    volumes.At("C:\\").serial = 0x00000ABC;
    EXPECT_EQ(GetVolumeSerial(volumes, "C:\\"), "00000ABC");
    volumes.At("C:\\").serial = 0;
    EXPECT_EQ(GetVolumeSerial(volumes, "C:\\"), "C");
    volumes.At("C:\\").serial.reset();
    EXPECT_EQ(GetVolumeSerial(volumes, "C:\\"), "C");
}

}  // namespace
}  // namespace vx
