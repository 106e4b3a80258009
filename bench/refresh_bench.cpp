// One refresh of 26 drives and 50 user folders: measuring, labels and the row texts, over
// in-memory volumes, so that the figures show the program's own cost and not the disks'.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/options.h"
#include "disks/drive_list.h"
#include "disks/sizes.h"
#include "disks/update_cycle.h"
#include "mainwindow/column_model.h"
#include "mainwindow/percent_bar.h"
#include "platform/memory/memory_volumes.h"

int main() {
    using namespace vx;
    MemoryVolumes volumes;
    Options options;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        MemoryVolume volume;
        volume.type = letter == 'N' ? VolumeType::Remote : VolumeType::Fixed;
        volume.label = std::string("DISK_") + letter;
        volume.space = SpaceFigures{letter * 1000000000LL, letter * 4000000000LL, letter * 1500000000LL};
        volumes.Add(std::string(1, letter) + ":\\", volume);
    }
    std::string folders;
    for (int i = 0; i < 50; ++i) {
        const std::string path = "C:\\Users\\me\\Folder" + std::to_string(i);
        MemoryVolume volume;
        volume.space = SpaceFigures{i * 100000LL, 1000000000LL, i * 200000LL};
        volumes.Add(path, volume);
        folders += (i ? "\r\n" : "") + path;
    }
    options.FoldersList = folders;
    FilledDrives filled = FillDisks(volumes, options);
    const NumberFormat format;

    constexpr int kRounds = 20000;
    size_t textBytes = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) {
        RefreshOutcome outcome = RefreshDrives(volumes, filled.drives, filled.labels, options, {});
        for (const auto& drive : filled.drives) {
            for (const auto& column : ShownColumns(options)) {
                if (column.id >= kColumnCapacity && column.id <= kColumnAvailable) {
                    textBytes += FormatSize(ColumnValue(drive, column.id), options.ShowIn, format).size();
                }
            }
            textBytes += PercentCellFor(drive, options.ShowUsedPercents).text.size();
            (void)BarColorFor(drive, options);
        }
        textBytes += outcome.networkJob.size();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double perRefresh = seconds / kRounds * 1e6;
    std::printf("drives and folders: %zu\n", filled.drives.size());
    std::printf("one refresh (measure, labels, row texts, bar colours): %.1f us\n", perRefresh);
    // A refresh every 9 s with the default interval: the share of one core it takes.
    std::printf("CPU of the refresh work at the default interval: %.6f %%\n", perRefresh / 9e6 * 100);
    std::printf("(checksum %zu)\n", textBytes);
    return 0;
}
