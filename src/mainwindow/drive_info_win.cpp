#include "mainwindow/drive_info_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "core/utf.h"
#include "disks/number_format_win.h"
#include "mainwindow/drive_info.h"
#include "platform/win/handles_win.h"

namespace vx {

namespace {

constexpr int kIconLeft = 12;
constexpr int kIconTop = 12;

FormSpec DriveInfoDesign() {
    FormSpec design;
    design.name = "dlgInfo";
    design.className = "TdlgInfo";
    design.caption = "Drive information";
    design.clientWidth = 320;
    design.clientHeight = 224;
    design.controls = {
        {.kind = ControlKind::ListView,
         .name = "lvInfo",
         .bounds = {56, 12, 252, 168},
         .items = {"", ""},
         .columnWidths = {124, 120}},
        {.kind = ControlKind::Button, .name = "btnProperties", .bounds = {56, 190, 100, 25}, .caption = "&Properties"},
        {.kind = ControlKind::Button, .name = "btnOK", .bounds = {208, 190, 100, 25}, .caption = "OK"},
    };
    design.popupMenus = {{.name = "pmInfo",
                          .items = {{.name = "pmiSelectAll", .caption = "Select all", .shortcut = "Ctrl+A"},
                                    {.name = "pmiCopy", .caption = "Copy to Clipboard", .shortcut = "Ctrl+C"}}}};
    return design;
}

std::string RootOf(const std::string& name) {
    return !name.empty() && name.back() == '\\' ? name : name + "\\";
}

std::optional<VolumeFacts> ReadVolumeFacts(const std::string& root) {
    wchar_t label[256] = {}, fileSystem[256] = {};
    DWORD serial = 0, longest = 0, flags = 0;
    if (!GetVolumeInformationW(Widen(root).c_str(), label, 255, &serial, &longest, &flags, fileSystem, 255))
        return std::nullopt;
    return VolumeFacts{Narrow(label), serial, Narrow(fileSystem)};
}

std::optional<DiskGeometry> ReadGeometry(const std::string& root) {
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!GetDiskFreeSpaceW(Widen(root).c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return std::nullopt;
    return DiskGeometry{bytesPerSector, sectorsPerCluster};
}

// Drawn when the shell has no icon for the drive: a drive's front with its light.
void DrawDrivePicture(HDC dc, int left, int top, int size) {
    const int unit = size / 8;
    RECT body{left, top + 2 * unit, left + size, top + 6 * unit};
    HBRUSH face = CreateSolidBrush(RGB(200, 203, 206));
    HPEN edge = CreatePen(PS_SOLID, 1, RGB(96, 100, 104));
    HGDIOBJ oldBrush = SelectObject(dc, face);
    HGDIOBJ oldPen = SelectObject(dc, edge);
    RoundRect(dc, body.left, body.top, body.right, body.bottom, unit, unit);
    HBRUSH light = CreateSolidBrush(RGB(58, 200, 67));
    SelectObject(dc, light);
    Ellipse(dc, body.right - 2 * unit, body.bottom - 2 * unit, body.right - unit, body.bottom - unit);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(light);
    DeleteObject(edge);
    DeleteObject(face);
}

bool PutOnClipboard(HWND owner, const std::string& text) {
    const std::wstring wide = Widen(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return false;
    memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);
    return placed;
}

class DriveInfoDialog {
public:
    DriveInfoDialog(HWND owner, const std::string& name, const std::optional<DriveRecord>& record, int showIn)
        : name_(name), form_(CreateDriveInfoForm(owner)) {
        if (!form_) return;
        const std::string root = RootOf(name);
        rows_ = DriveInfoRows(name, record, ReadVolumeFacts(root), ReadGeometry(root), showIn, UserNumberFormat());
        SHFILEINFOW info{};
        if (SHGetFileInfoW(Widen(root).c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_LARGEICON))
            icon_ = info.hIcon;
        form_->SetText(TextProperty::Caption, name + " " + form_->GetText(TextProperty::Caption));
        FillList();
        form_->onCommand = [this](const std::string& command) { Command(command); };
        form_->onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
            return HandleMessage(message, wParam, lParam);
        };
    }
    ~DriveInfoDialog() {
        if (icon_) DestroyIcon(icon_);
    }
    DriveInfoDialog(const DriveInfoDialog&) = delete;
    DriveInfoDialog& operator=(const DriveInfoDialog&) = delete;

    void ShowModal() {
        if (!form_) return;
        SetFocus(List());
        form_->ShowModal();
    }

private:
    HWND List() const { return form_->ControlHandle("lvInfo"); }

    void FillList() {
        HWND list = List();
        SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) | LVS_NOCOLUMNHEADER);
        LVCOLUMNW column{};
        column.mask = LVCF_FMT;
        column.fmt = LVCFMT_RIGHT;
        ListView_SetColumn(list, 1, &column);
        for (size_t i = 0; i < rows_.size(); ++i) {
            std::wstring label = Widen(rows_[i].label);
            std::wstring value = Widen(rows_[i].value);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.pszText = label.data();
            ListView_InsertItem(list, &item);
            ListView_SetItemText(list, static_cast<int>(i), 1, value.data());
        }
    }

    void Command(const std::string& command) {
        if (command == "btnOK") {
            form_->EndModal(IDOK);
        } else if (command == "btnProperties") {
            const std::wstring root = Widen(RootOf(name_));
            SHELLEXECUTEINFOW execute{};
            execute.cbSize = sizeof(execute);
            execute.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_FLAG_NO_UI;
            execute.hwnd = form_->Handle();
            execute.lpVerb = L"properties";
            execute.lpFile = root.c_str();
            execute.nShow = SW_SHOW;
            ShellExecuteExW(&execute);  // a failure is not the user's concern
        } else if (command == "pmiSelectAll") {
            ListView_SetItemState(List(), -1, LVIS_SELECTED, LVIS_SELECTED);
        } else if (command == "pmiCopy") {
            std::vector<size_t> selected;
            for (int row = ListView_GetNextItem(List(), -1, LVNI_SELECTED); row >= 0;
                 row = ListView_GetNextItem(List(), row, LVNI_SELECTED)) {
                selected.push_back(static_cast<size_t>(row));
            }
            if (!selected.empty()) PutOnClipboard(form_->Handle(), CopiedRowsText(rows_, selected));
        }
    }

    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK && lParam == 0) {  // Enter
                    form_->EndModal(IDOK);
                    return 0;
                }
                return std::nullopt;
            case WM_CONTEXTMENU: {
                POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                if (lParam == -1) {
                    at = {0, 0};
                    ClientToScreen(List(), &at);
                }
                TrackPopupMenu(form_->PopupMenu("pmInfo"), TPM_RIGHTBUTTON, at.x, at.y, 0, form_->Handle(), nullptr);
                return 0;
            }
            case WM_PAINT: {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(form_->Handle(), &paint);
                const int size = form_->Scale(32);
                if (icon_) {
                    DrawIconEx(dc, form_->Scale(kIconLeft), form_->Scale(kIconTop), icon_, size, size, 0, nullptr,
                               DI_NORMAL);
                } else {
                    DrawDrivePicture(dc, form_->Scale(kIconLeft), form_->Scale(kIconTop), size);
                }
                EndPaint(form_->Handle(), &paint);
                return 0;
            }
            default:
                return std::nullopt;
        }
    }

    std::string name_;
    std::unique_ptr<Form> form_;
    std::vector<InfoRow> rows_;
    HICON icon_ = nullptr;
};

}  // namespace

std::unique_ptr<Form> CreateDriveInfoForm(HWND owner) {
    return Form::Create(DriveInfoDesign(), owner);
}

void ShowDriveInformation(HWND owner, const std::string& name, const std::optional<DriveRecord>& record,
                          int showIn) {
    DriveInfoDialog dialog(owner, name, record, showIn);
    dialog.ShowModal();
}

}  // namespace vx
