#include "mainwindow/drive_list_view_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "app/log.h"
#include "core/utf.h"
#include "disks/number_format_win.h"
#include "mainwindow/bar_drawing_win.h"
#include "mainwindow/main_messages.h"
#include "mainwindow/percent_bar.h"
#include "platform/win/version_win.h"
#include "ui/font_win.h"

namespace vx {


DriveListView::DriveListView(Options& options, std::shared_ptr<Volumes> volumes)
    : options_(options), volumes_(std::move(volumes)), format_(UserNumberFormat()) {
    const WindowsVersion version = RealWindowsVersion();
    frame_ = FrameAllowanceFor(version.major, version.minor);
}

void DriveListView::Attach(HWND window, HWND list) {
    window_ = window;
    list_ = list;
    SetWindowLongPtrW(list_, GWL_STYLE,
                      (GetWindowLongPtrW(list_, GWL_STYLE) | LVS_SHAREIMAGELISTS) & ~LVS_NOSORTHEADER);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER | LVS_EX_FULLROWSELECT);
    SHFILEINFOW info{};
    auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (images) ListView_SetImageList(list_, images, LVSIL_SMALL);
    // The arrow glyph: U+25B2 at the list font's size in Times New Roman, made once per window.
    const UINT dpi = GetDpiForWindow(list_);
    arrowFont_ = CreatePointFont("Times New Roman", 8, DEFAULT_CHARSET, dpi ? dpi : 96);
    HDC dc = GetDC(list_);
    HGDIOBJ previous = SelectObject(dc, arrowFont_.get());
    GetTextExtentPoint32W(dc, L"\u25B2", 1, &arrowSize_);
    SelectObject(dc, previous);
    ReleaseDC(list_, dc);
}

void DriveListView::UpdateMonitored() {
    monitored_.clear();
    for (size_t i = 0; i < drives_.size(); ++i) {
        if (IsMonitored(options_, drives_[i].Name)) monitored_.push_back(i);
    }
}

std::string DriveListView::RowCaption(const DriveRecord& drive) const {
    return "  " + (IsUserFolder(drive.kind) ? GetDisplayName(*volumes_, drive.Name, 9) : drive.Name);
}

int DriveListView::TextWidth(const std::string& text) const {
    HDC dc = GetDC(list_);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)));
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(list_, dc);
    return size.cx;
}

void DriveListView::FillDisks() {
    ListView_DeleteAllItems(list_);
    bool added = false;
    vx::FillDisks(*volumes_, options_, [this, &added](FilledDrives& found) {
        added = true;
        drives_ = std::move(found.drives);
        labels_ = std::move(found.labels);
        UpdateMonitored();
        AddDisks();
    });
    if (!added) {
        // No drive at all: the fill creates no rows, and the old records must go as well.
        drives_.clear();
        labels_.clear();
        monitored_.clear();
        remote_.reset();
    }
    RebuildColumns();
}

void DriveListView::AddDisks() {
    LogLine("AddDisks");
    bool networkDrive = false;
    int row = 0;
    for (size_t index : monitored_) {
        DriveRecord& drive = drives_[index];
        LogLine("Adding disk " + drive.Name + "...");
        SHFILEINFOW info{};
        SHGetFileInfoW(Widen(drive.Name + "\\").c_str(), 0, &info, sizeof(info),
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        std::wstring caption = Widen(RowCaption(drive));
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = row++;
        item.pszText = caption.data();
        item.iImage = info.iIcon;
        ListView_InsertItem(list_, &item);
        if (drive.kind == DriveKind::Network) {
            networkDrive = true;
            drive.Capacity = drive.Free = drive.Available = -1;
        } else {
            drive = MeasureDrive(*volumes_, drive.Name, drive);
        }
        LogLine("Added.");
    }
    if (networkDrive && !remote_) {
        HWND window = window_;
        remote_ = std::make_unique<RemoteMeasurer>(volumes_, [window](const RemoteResult& result) {
            // Synchronous: the figures are taken over before the thread goes on.
            SendMessageW(window, UM_REMOTE_MEASURED, 0, reinterpret_cast<LPARAM>(&result));
        });
    } else if (!networkDrive && remote_) {
        remote_.reset();
    }
    if (networkDrive) PostMessageW(window_, UM_REFRESH, 0, 0);
    LogLine("/AddDisks");
}

void DriveListView::RebuildColumns() {
    int valueCount = 0;
    const int valueWidth = ValueColumnWidth(
        drives_, options_, format_, [this](const std::string& t) { return TextWidth(t); }, valueCount);
    std::vector<std::string> names, labels;
    for (size_t index : monitored_) {
        names.push_back(RowCaption(drives_[index]));
        if (index < labels_.size()) labels.push_back(labels_[index]);
    }
    const auto width = [this](const std::string& t) { return TextWidth(t); };
    auto& widths = options_.ColumnWidths;
    // A width once computed stays, until the user drags a column border.
    if (widths[0] == -1) widths[0] = static_cast<int16_t>(NameColumnWidth(names, width, false));
    if (options_.ShowLabels && widths[1] == -1)
        widths[1] = static_cast<int16_t>(LabelColumnWidth(labels, width, false));
    for (const auto& info : ShownColumns(options_)) {
        if (info.id >= kColumnCapacity && widths[info.id + 2] == -1)
            widths[info.id + 2] = static_cast<int16_t>(valueWidth);
    }
    while (ListView_DeleteColumn(list_, 0)) {
    }
    shownIds_.clear();
    columnWidths_.clear();
    int column = 0;
    for (const auto& info : ShownColumns(options_)) {
        std::wstring caption = Widen(info.caption);
        LVCOLUMNW lv{};
        lv.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        lv.fmt = info.alignment == ColumnAlignment::Left    ? LVCFMT_LEFT
                 : info.alignment == ColumnAlignment::Right ? LVCFMT_RIGHT
                                                            : LVCFMT_CENTER;
        lv.cx = std::max<int>(widths[info.id + 2], 0);
        lv.pszText = caption.data();
        ListView_InsertColumn(list_, column++, &lv);
        shownIds_.push_back(info.id);
        columnWidths_.push_back(lv.cx);
    }
    UpdateRowTexts();
    FitWindow();
}

std::vector<std::string> DriveListView::RowTexts(const DriveRecord& drive, size_t index) const {
    std::vector<std::string> texts;
    for (size_t i = 1; i < shownIds_.size(); ++i) {
        const int id = shownIds_[i];
        if (id == kColumnLabel) {
            texts.push_back(index < labels_.size() ? labels_[index] : std::string());
        } else if (id == kColumnPercent) {
            texts.emplace_back();
        } else {
            texts.push_back(FormatSize(ColumnValue(drive, id), options_.ShowIn, format_));
        }
    }
    return texts;
}

void DriveListView::UpdateRowTexts() {
    int row = 0;
    for (size_t index : monitored_) {
        if (onRowUpdated) onRowUpdated(drives_[index]);
        const auto texts = RowTexts(drives_[index], index);
        for (size_t i = 0; i < texts.size(); ++i) {
            wchar_t current[128] = {};
            ListView_GetItemText(list_, row, static_cast<int>(i + 1), current, 128);
            std::wstring wide = Widen(texts[i]);
            if (wide != current) ListView_SetItemText(list_, row, static_cast<int>(i + 1), wide.data());
        }
        ++row;
    }
    InvalidateRect(list_, nullptr, FALSE);
}

void DriveListView::UpdateRow(size_t driveIndex) {
    if (driveIndex >= drives_.size()) return;
    // Row n is the n-th monitored drive.
    const auto& monitored = monitored_;
    const auto position = std::find(monitored.begin(), monitored.end(), driveIndex);
    if (position == monitored.end()) return;
    const int row = static_cast<int>(position - monitored.begin());
    if (onRowUpdated) onRowUpdated(drives_[driveIndex]);
    const auto texts = RowTexts(drives_[driveIndex], driveIndex);
    for (size_t i = 0; i < texts.size(); ++i) {
        std::wstring wide = Widen(texts[i]);
        ListView_SetItemText(list_, row, static_cast<int>(i + 1), wide.data());
    }
    ListView_RedrawItems(list_, row, row);
}

void DriveListView::TakeRemoteResult(const RemoteResult& result) {
    if (auto index = ApplyRemoteResult(drives_, result)) {
        if (*index < labels_.size())
            labels_[*index] = GetDriveLabel(*volumes_, result.name, DriveKind::Network);
        PostMessageW(window_, UM_UPDATE_ROW, 0, static_cast<LPARAM>(*index));
    }
}

void DriveListView::Refresh() {
    const RefreshOutcome outcome = RefreshDrives(*volumes_, drives_, labels_, options_, {});
    if (outcome.measuredAny) UpdateRowTexts();
    if (!outcome.networkJob.empty() && remote_) remote_->TryHandOver(outcome.networkJob);
}

std::optional<size_t> DriveListView::DriveAt(POINT point) const {
    LVHITTESTINFO hit{};
    hit.pt = point;
    const int row = ListView_HitTest(list_, &hit);
    if (row < 0 || static_cast<size_t>(row) >= monitored_.size()) return std::nullopt;
    return monitored_[static_cast<size_t>(row)];
}

int DriveListView::ColumnIdAt(int subItem) const {
    if (subItem < 0 || static_cast<size_t>(subItem) >= shownIds_.size()) return kColumnName;
    return shownIds_[static_cast<size_t>(subItem)];
}

bool DriveListView::TakeColumnWidths() {
    bool changed = false;
    for (size_t i = 0; i < shownIds_.size(); ++i) {
        const int width = ListView_GetColumnWidth(list_, static_cast<int>(i));
        if (width == columnWidths_[i]) continue;
        columnWidths_[i] = width;
        options_.ColumnWidths[shownIds_[i] + 2] = static_cast<int16_t>(std::clamp(width, 0, 32767));
        changed = true;
    }
    if (changed) FitWindow();
    return changed;
}

void DriveListView::FitWindow() {
    if (fitWindow) {
        fitWindow();
        return;
    }
    int total = 0;
    for (int id : shownIds_) total += std::max<int>(options_.ColumnWidths[id + 2], 0);
    const int rows = ListView_GetItemCount(list_);
    int pitch = 17;
    RECT first{}, second{};
    if (rows >= 2 && ListView_GetItemRect(list_, 0, &first, LVIR_BOUNDS) &&
        ListView_GetItemRect(list_, 1, &second, LVIR_BOUNDS)) {
        pitch = second.bottom - first.bottom;
    }
    // The real frame, caption and menu bar are added for the window's DPI and theme; the
    // allowances stay as the margin around the list.
    const int height = ClassicWindowHeight(rows, pitch, GetSystemMetrics(SM_CYSMCAPTION), 0, frame_);
    RECT frameRect{0, 0, 0, 0};
    AdjustWindowRectEx(&frameRect, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                       GetMenu(window_) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    const int width = ClassicWindowWidth(total, frame_, options_.ClickThrough, menuBarWidth_);
    const int outerWidth = width + (frameRect.right - frameRect.left);
    const int outerHeight = height + (frameRect.bottom - frameRect.top);
    if (IsZoomed(window_)) {
        // A maximised window keeps its size; the new one is its restored size.
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        GetWindowPlacement(window_, &placement);
        placement.rcNormalPosition.right = placement.rcNormalPosition.left + outerWidth;
        placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + outerHeight;
        SetWindowPlacement(window_, &placement);
    } else {
        SetWindowPos(window_, nullptr, 0, 0, outerWidth, outerHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client;
    GetClientRect(window_, &client);
    SetWindowPos(list_, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DriveListView::DrawPercentCell(HDC dc, RECT cell, const DriveRecord& drive) const {
    RECT r{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
    const SIZE arrowSize = arrowSize_;
    r.right -= options_.DrawArrow ? arrowSize.cx : 1;
    const int arrowLeft = r.right;
    const PercentCell percent = PercentCellFor(drive, options_.ShowUsedPercents);
    const int length = BarLength(r.right - r.left, percent.barShare);
    DrawPercentBar(dc, r, ResolveColour(BarColorFor(drive, options_)), length);
    if (!percent.text.empty()) {
        const std::wstring text = Widen(percent.text);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ResolveColour(options_.BarTextColor));
        RECT textRect{r.left, r.top + 1, r.right, r.bottom};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    const TrendArrow arrow = TrendArrowFor(drive.FreeDelta, options_.ShowUsedPercents);
    if (options_.DrawArrow && arrow != TrendArrow::None) {
        RECT box{arrowLeft + 1, r.top + 1, arrowLeft + 1 + arrowSize.cx, r.top + 1 + arrowSize.cy};
        HBRUSH background = CreateSolidBrush(ListView_GetBkColor(list_));
        HGDIOBJ oldBrush = SelectObject(dc, background);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(background);
        HGDIOBJ previous = SelectObject(dc, arrowFont_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(
            dc, ResolveColour(arrow == TrendArrow::Up ? options_.UpArrowColor : options_.DownArrowColor));
        DrawTextW(dc, arrow == TrendArrow::Up ? L"\u25B2" : L"\u25BC", 1, &box,
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, previous);
    }
}

LRESULT DriveListView::CustomDraw(NMLVCUSTOMDRAW* draw) {
    switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const int column = draw->iSubItem;
            if (!options_.ShowPercents || column < 0 || static_cast<size_t>(column) >= shownIds_.size() ||
                shownIds_[column] != kColumnPercent) {
                return CDRF_DODEFAULT;
            }
            const auto& monitored = monitored_;
            const size_t row = draw->nmcd.dwItemSpec;
            if (row >= monitored.size()) return CDRF_DODEFAULT;
            RECT cell{};
            ListView_GetSubItemRect(list_, static_cast<int>(row), column, LVIR_BOUNDS, &cell);
            DrawPercentCell(draw->nmcd.hdc, cell, drives_[monitored[row]]);
            return CDRF_SKIPDEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

void DriveListView::Stop() {
    remote_.reset();
}

}  // namespace vx
