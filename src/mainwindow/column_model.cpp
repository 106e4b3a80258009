#include "mainwindow/column_model.h"

#include <algorithm>

#include "intl/catalogue.h"

namespace vx {

std::string ColumnCaption(int id, const Options& options) {
    switch (id) {
        case kColumnName:
            return CatalogueText(41);
        case kColumnLabel:
            return CatalogueText(153);
        case kColumnCapacity:
            return CatalogueText(36) + UnitSuffix(options.ShowIn, true);
        case kColumnUsed:
            return CatalogueText(37) + UnitSuffix(options.ShowIn, true);
        case kColumnFree:
            return CatalogueText(38) + UnitSuffix(options.ShowIn, true);
        case kColumnAvailable:
            return CatalogueText(39) + UnitSuffix(options.ShowIn, true);
        case kColumnPercent:
            return options.ShowUsedPercents ? CatalogueText(40) : "% " + CatalogueText(38);
        default:
            return {};
    }
}

std::vector<ColumnInfo> ShownColumns(const Options& options) {
    std::vector<ColumnInfo> columns;
    const auto add = [&](int id, ColumnAlignment alignment) {
        columns.push_back({id, ColumnCaption(id, options), alignment});
    };
    add(kColumnName, ColumnAlignment::Left);
    if (options.ShowLabels) add(kColumnLabel, ColumnAlignment::Left);
    if (options.ShowTotal) add(kColumnCapacity, ColumnAlignment::Right);
    if (options.ShowOccuped) add(kColumnUsed, ColumnAlignment::Right);
    if (options.ShowFree) add(kColumnFree, ColumnAlignment::Right);
    if (options.ShowAvail) add(kColumnAvailable, ColumnAlignment::Right);
    if (options.ShowPercents) add(kColumnPercent, ColumnAlignment::Centre);
    return columns;
}

int64_t ColumnValue(const DriveRecord& drive, int id) {
    switch (id) {
        case kColumnCapacity:
            return drive.Capacity;
        case kColumnUsed:
            return drive.Used;
        case kColumnFree:
            return drive.Free;
        case kColumnAvailable:
            return drive.Available;
        default:
            return 0;
    }
}

bool* ColumnShownSetting(Options& options, int id) {
    switch (id) {
        case kColumnLabel:
            return &options.ShowLabels;
        case kColumnCapacity:
            return &options.ShowTotal;
        case kColumnUsed:
            return &options.ShowOccuped;
        case kColumnFree:
            return &options.ShowFree;
        case kColumnAvailable:
            return &options.ShowAvail;
        case kColumnPercent:
            return &options.ShowPercents;
        default:
            return nullptr;
    }
}

bool HeaderClick(Options& options, int id) {
    if (id == kColumnCapacity && !options.ShowOccuped) {
        options.ShowTotal = false;
        options.ShowOccuped = true;
        return true;
    }
    if (id == kColumnUsed && !options.ShowTotal) {
        options.ShowTotal = true;
        options.ShowOccuped = false;
        return true;
    }
    if (id == kColumnPercent) {
        options.ShowUsedPercents = !options.ShowUsedPercents;
        return true;
    }
    return false;
}

int LeftKeptOnMonitor(bool rightEdgeWasDocked, int left, int width, int monitorRight) {
    if (rightEdgeWasDocked || left + width > monitorRight) return monitorRight - width;
    return left;
}

FrameAllowance FrameAllowanceFor(unsigned major, unsigned minor) {
    if (major == 6 && minor == 0) return {21, 15};
    if (major == 6 && minor == 1) return {18, 16};
    return {10, 8};
}

int ValueColumnWidth(const std::vector<DriveRecord>& drives, const Options& options,
                     const NumberFormat& format, const TextWidth& width, int& count) {
    count = 0;
    int64_t largest = 0;
    std::vector<int> shownValueColumns;
    for (const auto& column : ShownColumns(options)) {
        if (column.id >= kColumnCapacity && column.id <= kColumnAvailable)
            shownValueColumns.push_back(column.id);
    }
    for (const auto& drive : drives) {
        for (int id : shownValueColumns) largest = std::max(largest, ColumnValue(drive, id));
    }
    int result = width(FormatSize(largest, options.ShowIn, format));
    for (int id : shownValueColumns) {
        result = std::max(result, width(ColumnCaption(id, options)) + 5);
        ++count;
    }
    if (options.ShowPercents) {
        result = std::max(result, width(ColumnCaption(kColumnPercent, options)) + 5);
        ++count;
    }
    return std::max(result + 15, 50);
}

namespace {
int WidestOr50(const std::vector<std::string>& texts, const TextWidth& width, const std::string& caption) {
    int widest = 0;
    for (const auto& text : texts) widest = std::max(widest, width(text));
    if (widest <= 0) widest = 50;
    return std::max(widest, width(caption));
}
}  // namespace

int NameColumnWidth(const std::vector<std::string>& names, const TextWidth& width, bool sticker) {
    return WidestOr50(names, width, CatalogueText(41)) + (sticker ? 10 : 30);
}

int LabelColumnWidth(const std::vector<std::string>& labels, const TextWidth& width, bool sticker) {
    return WidestOr50(labels, width, CatalogueText(153)) + (sticker ? 10 : 20);
}

int ClassicWindowHeight(int rows, int rowPitch, int smallCaptionHeight, int menuHeight,
                        const FrameAllowance& frame) {
    if (rows < 2) return frame.height + 63;
    return (rows + 2) * rowPitch + smallCaptionHeight + menuHeight - 4 + frame.height;
}

int ClassicWindowWidth(int columnWidthSum, const FrameAllowance& frame, bool clickThrough, int menuBarWidth) {
    return std::max(columnWidthSum + frame.width + (clickThrough ? 14 : 0), menuBarWidth);
}

}  // namespace vx
