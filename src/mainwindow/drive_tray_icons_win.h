#pragma once
// One tray icon per drive of "TrayDisks": the drive's name and its size or share on the drive's
// bar colour, redrawn at every row update; a click switches what it shows.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/options.h"
#include "disks/drive_record.h"
#include "disks/sizes.h"
#include "mainwindow/tray_disks.h"
#include "platform/win/handles_win.h"
#include "ui/tray_icon_win.h"

namespace vx {

class DriveTrayIcons {
public:
    static constexpr UINT kFirstId = 100;

    // Icons for the entries whose drive is in the list; entries for missing drives are dropped
    // from `entries`. The images come with the first update.
    void Create(HWND window, UINT callbackMessage, std::vector<std::string>& entries,
                const std::vector<DriveRecord>& drives);
    void Clear() { icons_.clear(); }
    bool Empty() const { return icons_.empty(); }
    bool Owns(UINT id) const { return id >= kFirstId && id < kFirstId + icons_.size(); }
    void Update(const DriveRecord& drive, const std::string& displayName, const Options& options,
                const NumberFormat& format);
    // Switches the icon between size and share; returns the drive it shows.
    std::string SwitchMode(UINT id);
    std::vector<std::string> Entries() const;

private:
    struct Icon {
        TrayDisk disk;
        std::unique_ptr<TrayIcon> tray;
        UniqueIcon image;
    };
    std::vector<Icon> icons_;
};

}  // namespace vx
