#pragma once
// Which drives and user folders exist, which are monitored, and their measurement.
#include <functional>
#include <string>
#include <vector>

#include "app/options.h"
#include "disks/drive_record.h"
#include "platform/volumes.h"

namespace vx {

inline constexpr const char* kUnmonitoredLabel = " - ";

// Drives A: to Z: of kinds 2 to 6, then the folders of "FoldersList", each with a fresh record.
// Drives seen for the first time go to the enabled or disabled list by the new-drive rules.
std::vector<DriveRecord> GetDisksList(Volumes& volumes, Options& options);

bool IsMonitored(const Options& options, const std::string& name);
bool IsUserFolder(DriveKind kind);

// The drive list with every drive in neither list enabled, and the label list beside it.
struct FilledDrives {
    std::vector<DriveRecord> drives;
    std::vector<std::string> labels;  // " - " for unmonitored drives
};
// `addDisks` takes the drives over and creates the rows before the fill logs its end.
FilledDrives FillDisks(Volumes& volumes, Options& options,
                       const std::function<void(FilledDrives& filled)>& addDisks = nullptr);

// One local measurement; Kind and Name come from the previous record.
DriveRecord MeasureDrive(Volumes& volumes, const std::string& root, const DriveRecord& previous);

// The volume label, or the shell's name when there is none or the drive is a network drive.
std::string GetDriveLabel(Volumes& volumes, const std::string& name, DriveKind kind);
// The shell's name, except for user folders (kinds 7 and 8), which show their path.
std::string GetDisplayName(Volumes& volumes, const std::string& path, int kind);
// "1A2B3C4D", or the root's first character when the serial is unknown or zero.
std::string GetVolumeSerial(Volumes& volumes, const std::string& root);

}  // namespace vx
