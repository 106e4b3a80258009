#pragma once
// The facts of the drive information dialog: its ten rows and the text its copy command makes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "disks/drive_record.h"
#include "disks/sizes.h"

namespace vx {

struct VolumeFacts {
    std::string label;
    uint32_t serial = 0;
    std::string fileSystem;
};

struct DiskGeometry {
    uint32_t bytesPerSector = 0;
    uint32_t sectorsPerCluster = 0;
};

struct InfoRow {
    std::string label;
    std::string value;
};

inline constexpr size_t kInfoRowCount = 10;

// Name, the four sizes (empty without a record), label, serial and file system (empty when the
// volume information failed), bytes per sector and sectors per cluster (empty without geometry).
std::vector<InfoRow> DriveInfoRows(const std::string& name, const std::optional<DriveRecord>& record,
                                   const std::optional<VolumeFacts>& volume,
                                   const std::optional<DiskGeometry>& geometry, int showIn,
                                   const NumberFormat& format);

// Eight upper-case hexadecimal digits, the high 16 bits first.
std::string SerialNumberText(uint32_t serial);

// "label TAB value CR LF" for each selected row, in row order; empty when none is selected.
std::string CopiedRowsText(const std::vector<InfoRow>& rows, const std::vector<size_t>& selected);

}  // namespace vx
