#pragma once
// The columns of the drive list and how the window's size follows them (shared with the sticker).
#include <functional>
#include <string>
#include <vector>

#include "app/options.h"
#include "disks/drive_record.h"
#include "disks/sizes.h"

namespace vx {

enum ColumnId : int {
    kColumnName = -2,
    kColumnLabel = -1,
    kColumnCapacity = 0,
    kColumnUsed = 1,
    kColumnFree = 2,
    kColumnAvailable = 3,
    kColumnPercent = 4,
};

enum class ColumnAlignment { Left, Right, Centre };

struct ColumnInfo {
    int id = kColumnName;
    std::string caption;
    ColumnAlignment alignment = ColumnAlignment::Left;
};

// The shown columns in their fixed order, Name first, the percent column last.
std::vector<ColumnInfo> ShownColumns(const Options& options);
std::string ColumnCaption(int id, const Options& options);
// The size of a drive that a value column shows.
int64_t ColumnValue(const DriveRecord& drive, int id);

// Frame allowances by Windows version: Vista 21 x 15, Windows 7 18 x 16, any other 10 x 8.
struct FrameAllowance {
    int width = 10;
    int height = 8;
};
FrameAllowance FrameAllowanceFor(unsigned major, unsigned minor);

using TextWidth = std::function<int(const std::string& text)>;

// One width for every value column and the percent column: the widest size text or caption + 5,
// plus 15, at least 50. `count` receives the number of those columns shown.
int ValueColumnWidth(const std::vector<DriveRecord>& drives, const Options& options,
                     const NumberFormat& format, const TextWidth& width, int& count);
// Names (display names for folders) and labels of the monitored drives.
int NameColumnWidth(const std::vector<std::string>& names, const TextWidth& width, bool sticker);
int LabelColumnWidth(const std::vector<std::string>& labels, const TextWidth& width, bool sticker);

// The setting that shows a column; null for the Name column, which is always shown.
bool* ColumnShownSetting(Options& options, int id);

// A click on a column header: Capacity and Used trade places while the other one is hidden, the
// percent header switches between the used and the free share, other headers do nothing.
// True when a setting changed.
bool HeaderClick(Options& options, int id);

// Where the window's left edge goes after a column change: a window whose right edge was on the
// monitor's right edge, or now lies beyond it, is moved so that its right edge is that edge.
int LeftKeptOnMonitor(bool rightEdgeWasDocked, int left, int width, int monitorRight);

// The classic window's height for its rows.
int ClassicWindowHeight(int rows, int rowPitch, int smallCaptionHeight, int menuHeight,
                        const FrameAllowance& frame);
// Its width when the column set stays: the shown columns, the frame, 14 for the click-through square.
int ClassicWindowWidth(int columnWidthSum, const FrameAllowance& frame, bool clickThrough, int menuBarWidth);

}  // namespace vx
