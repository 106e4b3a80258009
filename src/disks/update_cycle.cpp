#include "disks/update_cycle.h"

#include <algorithm>

#include "core/text.h"
#include "disks/drive_list.h"

namespace vx {

bool UpdateTicker::Tick(int updateInterval) {
    ++counter_;
    if (updateInterval > counter_) return false;
    counter_ = 1;
    return true;
}

RefreshOutcome RefreshDrives(Volumes& volumes, std::vector<DriveRecord>& drives,
                             std::vector<std::string>& labels, const Options& options,
                             const std::vector<std::string>& conditionDrives) {
    RefreshOutcome outcome;
    for (size_t i = 0; i < drives.size(); ++i) {
        DriveRecord& drive = drives[i];
        const bool named = std::any_of(conditionDrives.begin(), conditionDrives.end(),
                                       [&](const std::string& name) { return name == drive.Name; });
        if (!IsMonitored(options, drive.Name) && !named) continue;
        outcome.measuredAny = true;
        if (drive.kind == DriveKind::Network) {
            outcome.networkJob.push_back(drive.Name);
            continue;
        }
        const std::string label = GetDriveLabel(volumes, drive.Name, drive.kind);
        if (i < labels.size()) {
            labels[i] = label;
        } else {
            labels.push_back(label);
        }
        // No volume label means the shell's name stands in: an optical drive without a disc,
        // which would otherwise keep the refresh waiting for the drive.
        if (drive.kind == DriveKind::Optical && label.find(drive.Name) != std::string::npos) {
            drive.Used = drive.Available = drive.Capacity = drive.Free = drive.FreeDelta = 0;
            continue;
        }
        drive = MeasureDrive(volumes, drive.Name, drive);
    }
    return outcome;
}

std::optional<size_t> ApplyRemoteResult(std::vector<DriveRecord>& drives, const RemoteResult& result) {
    for (size_t i = 0; i < drives.size(); ++i) {
        if (!EqualsIgnoreCase(drives[i].Name, result.name)) continue;
        drives[i].Capacity = result.capacity;
        drives[i].Free = result.free;
        drives[i].Available = result.available;
        drives[i].Used = result.capacity - result.free;
        return i;
    }
    return std::nullopt;
}

}  // namespace vx
