#pragma once
// Drives with a tray icon of their own: "TrayDisks" entries ("C:0" - the drive and its mode,
// 0 for the size in gigabytes, 1 for the percentage) and the texts of their icons.
#include <optional>
#include <string>
#include <vector>

#include "app/options.h"
#include "disks/drive_record.h"
#include "disks/sizes.h"

namespace vx {

struct TrayDisk {
    std::string name;
    int mode = 0;
};

// Null for an entry that is not a name followed by the digit 0 or 1.
std::optional<TrayDisk> ParseTrayDisk(const std::string& entry);
std::string TrayDiskEntry(const TrayDisk& disk);

// "Local Disk (C:) - Used (Gb):12.34 (56%)", or with the free share "... - Free (Gb):..."
std::string TrayTooltip(const std::string& displayName, const DriveRecord& drive, const Options& options,
                        const NumberFormat& format);

}  // namespace vx
