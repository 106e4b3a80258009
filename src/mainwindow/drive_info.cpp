#include "mainwindow/drive_info.h"

#include <algorithm>
#include <cstdio>

#include "intl/catalogue.h"

namespace vx {

std::string SerialNumberText(uint32_t serial) {
    char text[16];
    std::snprintf(text, sizeof(text), "%04X%04X", static_cast<unsigned>(serial >> 16),
                  static_cast<unsigned>(serial & 0xFFFF));
    return text;
}

std::vector<InfoRow> DriveInfoRows(const std::string& name, const std::optional<DriveRecord>& record,
                                   const std::optional<VolumeFacts>& volume,
                                   const std::optional<DiskGeometry>& geometry, int showIn,
                                   const NumberFormat& format) {
    constexpr int kLabels[kInfoRowCount] = {81, 36, 37, 38, 39, 82, 83, 84, 85, 86};
    std::vector<InfoRow> rows;
    for (int entry : kLabels) rows.push_back({CatalogueText(entry), {}});
    rows[0].value = name;
    if (record) {
        const auto size = [&](int64_t bytes) { return FormatSize(bytes, showIn, format) + UnitSuffix(showIn, false); };
        rows[1].value = size(record->Capacity);
        rows[2].value = size(record->Used);
        rows[3].value = size(record->Free);
        rows[4].value = size(record->Available);
    }
    if (volume) {
        rows[5].value = volume->label;
        rows[6].value = SerialNumberText(volume->serial);
        rows[7].value = volume->fileSystem;
    }
    if (geometry) {
        rows[8].value = std::to_string(geometry->bytesPerSector);
        rows[9].value = std::to_string(geometry->sectorsPerCluster);
    }
    return rows;
}

std::string CopiedRowsText(const std::vector<InfoRow>& rows, const std::vector<size_t>& selected) {
    std::vector<size_t> ordered = selected;
    std::sort(ordered.begin(), ordered.end());
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
    std::string text;
    for (size_t row : ordered) {
        if (row < rows.size()) text += rows[row].label + "\t" + rows[row].value + "\r\n";
    }
    return text;
}

}  // namespace vx
