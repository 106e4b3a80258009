#include "mainwindow/tray_disks.h"

#include <algorithm>

#include "intl/catalogue.h"

namespace vx {

std::optional<TrayDisk> ParseTrayDisk(const std::string& entry) {
    if (entry.size() < 2) return std::nullopt;
    const char mode = entry.back();
    if (mode != '0' && mode != '1') return std::nullopt;
    return TrayDisk{entry.substr(0, entry.size() - 1), mode - '0'};
}

std::string TrayDiskEntry(const TrayDisk& disk) {
    return disk.name + static_cast<char>('0' + (disk.mode == 1 ? 1 : 0));
}

std::string TrayTooltip(const std::string& displayName, const DriveRecord& drive, const Options& options,
                        const NumberFormat& format) {
    const std::string unit = UnitSuffix(options.ShowIn, true);
    if (options.ShowUsedPercents) {
        return displayName + " - " + CatalogueText(37) + unit + ":" + FormatSize(drive.Used, options.ShowIn, format) +
               " (" + std::to_string(UsedShare(drive)) + "%)";
    }
    return displayName + " - " + CatalogueText(38) + unit + ":" +
           FormatSize(std::min(drive.Available, drive.Free), options.ShowIn, format) + " (" +
           std::to_string(FreeShare(drive)) + "%)";
}

}  // namespace vx
