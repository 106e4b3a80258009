#pragma once
// The classic look: the drive list control with its columns, rows and drawn percent bars, and
// the drive records behind it.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/options.h"
#include "disks/drive_list.h"
#include "disks/remote_measurer.h"
#include "disks/sizes.h"
#include "disks/update_cycle.h"
#include "mainwindow/column_model.h"
#include "platform/volumes.h"
#include "ui/font_win.h"

namespace vx {

class DriveListView {
public:
    DriveListView(Options& options, std::shared_ptr<Volumes> volumes);

    // The list control and the window it sizes; set again when the window is recreated.
    void Attach(HWND window, HWND list);
    // Drives and user folders found again, rows created, first figures taken.
    void FillDisks();
    void RebuildColumns();
    void UpdateRowTexts();
    // Network figures handed back by the measuring thread; posts UM_UPDATE_ROW.
    void TakeRemoteResult(const RemoteResult& result);
    void UpdateRow(size_t driveIndex);
    // One refresh of every monitored drive (the timer's UM_REFRESH).
    void Refresh();
    // Custom drawing of the list; returns the result for NM_CUSTOMDRAW.
    LRESULT CustomDraw(NMLVCUSTOMDRAW* draw);
    // The window's size for the rows and columns.
    void FitWindow();
    // The narrowest window that keeps the menu bar on one line; 0 for none.
    void SetMenuBarWidth(int width) { menuBarWidth_ = width; }
    // The drive of the row at a point of the list's client area, by row position.
    std::optional<size_t> DriveAt(POINT point) const;
    // The column id of a sub-item index; kColumnName when there is no such column.
    int ColumnIdAt(int subItem) const;
    // After the user dragged a column border: every changed width is stored; true when any was.
    bool TakeColumnWidths();
    HWND List() const { return list_; }
    // Heard for every monitored drive whose row was updated (its tray icon follows).
    std::function<void(const DriveRecord& drive)> onRowUpdated;
    void Stop();

    const std::vector<DriveRecord>& Drives() const { return drives_; }
    const std::vector<std::string>& Labels() const { return labels_; }
    // Drive indexes of the rows, in row order.
    const std::vector<size_t>& Monitored() const { return monitored_; }
    const std::vector<int>& ShownIds() const { return shownIds_; }
    const NumberFormat& Format() const { return format_; }
    std::string RowCaptionOf(const DriveRecord& drive) const { return RowCaption(drive); }
    // Another look sizes the window instead of the list's rules.
    std::function<void()> fitWindow;

private:
    void AddDisks();
    // Row n is the drive at monitored_[n]; the set changes only when the list is filled again.
    void UpdateMonitored();
    int TextWidth(const std::string& text) const;
    std::string RowCaption(const DriveRecord& drive) const;
    std::vector<std::string> RowTexts(const DriveRecord& drive, size_t index) const;
    void DrawPercentCell(HDC dc, RECT cell, const DriveRecord& drive) const;

    Options& options_;
    std::shared_ptr<Volumes> volumes_;
    NumberFormat format_;
    FrameAllowance frame_;
    HWND window_ = nullptr;
    HWND list_ = nullptr;
    std::vector<DriveRecord> drives_;
    std::vector<std::string> labels_;
    std::vector<size_t> monitored_;
    std::vector<int> shownIds_;      // column ids in list order
    std::vector<int> columnWidths_;  // each column's last known width, in list order
    int menuBarWidth_ = 0;
    std::unique_ptr<RemoteMeasurer> remote_;
    UniqueFont arrowFont_;
    SIZE arrowSize_{};
};

}  // namespace vx
