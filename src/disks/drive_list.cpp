#include "disks/drive_list.h"

#include <algorithm>
#include <cstdio>

#include "app/log.h"
#include "core/text.h"
#include "platform/data_folder.h"

namespace vx {

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& name) {
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& item) { return EqualsIgnoreCase(item, name); });
}

// Where a drive seen for the first time goes; none leaves it to FillDisks, which enables it.
void ApplyNewDriveRule(Options& options, const std::string& name, DriveKind kind) {
    if (Contains(options.EnabledDisks, name) || Contains(options.DisabledDisks, name)) return;
    const char letter = name.empty() ? '\0' : name[0];
    switch (kind) {
        case DriveKind::Removable:
            if (letter == 'A' || letter == 'B') {
                options.DisabledDisks.push_back(name);  // floppy drives start unmonitored
            } else {
                options.EnabledDisks.push_back(name);
            }
            break;
        case DriveKind::Fixed:
            if (!options.ShowFixedDrives) options.DisabledDisks.push_back(name);
            break;
        case DriveKind::Network:
            if (!options.ShowNetworkDrives) options.DisabledDisks.push_back(name);
            break;
        case DriveKind::Optical:
            options.DisabledDisks.push_back(name);
            break;
        case DriveKind::RamDisk:
            if (!options.ShowRamdisk) options.DisabledDisks.push_back(name);
            break;
        default:
            break;
    }
}

}  // namespace

bool IsUserFolder(DriveKind kind) {
    return kind == DriveKind::LocalFolder || kind == DriveKind::NetworkFolder;
}

bool IsMonitored(const Options& options, const std::string& name) {
    return Contains(options.EnabledDisks, name);
}

std::vector<DriveRecord> GetDisksList(Volumes& volumes, Options& options) {
    std::vector<DriveRecord> drives;
    const uint32_t mask = volumes.LogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(mask & (1u << bit))) continue;
        const std::string name{static_cast<char>('A' + bit), ':'};
        const int type = static_cast<int>(volumes.DriveType(name + "\\"));
        if (type < 2 || type > 6) continue;
        DriveRecord record;
        record.kind = static_cast<DriveKind>(type);
        record.Name = name;
        ApplyNewDriveRule(options, name, record.kind);
        drives.push_back(record);
    }
    for (const auto& folder : SplitLines(options.FoldersList)) {
        if (folder.empty()) continue;
        DriveRecord record;
        record.kind = folder.compare(0, 2, "\\\\") == 0 ? DriveKind::NetworkFolder : DriveKind::LocalFolder;
        record.Name = folder.substr(0, 255);
        drives.push_back(record);
    }
    return drives;
}

FilledDrives FillDisks(Volumes& volumes, Options& options,
                       const std::function<void(FilledDrives& filled)>& addDisks) {
    LogLine("FillDisks");
    FilledDrives filled;
    filled.drives = GetDisksList(volumes, options);
    std::vector<std::string> names;
    for (const auto& drive : filled.drives) {
        names.push_back(drive.Name);
        if (!Contains(options.EnabledDisks, drive.Name) && !Contains(options.DisabledDisks, drive.Name)) {
            options.EnabledDisks.push_back(drive.Name);
        }
    }
    LogLine("GetDisksList.Text = " + JoinLinesSeparated(names));
    for (const auto& drive : filled.drives) {
        if (!IsMonitored(options, drive.Name)) {
            filled.labels.emplace_back(kUnmonitoredLabel);
            continue;
        }
        const std::string label = GetDriveLabel(volumes, drive.Name, drive.kind);
        LogLine("Get disk label for " + drive.Name + ": " + label);
        filled.labels.push_back(label);
    }
    if (!filled.drives.empty() && addDisks) addDisks(filled);
    LogLine("/FillDisks");
    return filled;
}

DriveRecord MeasureDrive(Volumes& volumes, const std::string& root, const DriveRecord& previous) {
    DriveRecord record;
    record.kind = previous.kind;
    record.Name = previous.Name;
    try {
        const auto space = volumes.FreeSpace(root);
        if (!space) return record;  // every size 0
        record.Capacity = space->total;
        record.Free = space->totalFree;
        record.Available = space->availableToCaller;
        record.Used = record.Capacity - record.Free;
        record.FreeDelta = previous.Capacity != 0 ? record.Free - previous.Free : 0;
    } catch (...) {
        record = DriveRecord{previous.kind, 0, 0, -1, 0, 0, previous.Name};
    }
    return record;
}

std::string GetDriveLabel(Volumes& volumes, const std::string& name, DriveKind kind) {
    std::string label = volumes.VolumeLabel(WithTrailingBackslash(name)).value_or("");
    if (label.size() > 26) label.resize(26);
    if (label.empty() || kind == DriveKind::Network)
        label = volumes.ShellDisplayName(WithTrailingBackslash(name));
    return label;
}

std::string GetDisplayName(Volumes& volumes, const std::string& path, int kind) {
    if (path.empty()) return {};
    if (kind == static_cast<int>(DriveKind::LocalFolder) ||
        kind == static_cast<int>(DriveKind::NetworkFolder)) {
        return path;
    }
    return volumes.ShellDisplayName(WithTrailingBackslash(path));
}

std::string GetVolumeSerial(Volumes& volumes, const std::string& root) {
    const std::string fallback = root.empty() ? std::string() : root.substr(0, 1);
    const auto serial = volumes.VolumeSerial(WithTrailingBackslash(root));
    if (!serial) return fallback;
    char text[16];
    std::snprintf(text, sizeof text, "%04X%04X", static_cast<unsigned>(*serial >> 16),
                  static_cast<unsigned>(*serial & 0xFFFF));
    return std::string(text) == "00000000" ? fallback : std::string(text);
}

}  // namespace vx
