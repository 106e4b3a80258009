#include "remote_list_view.h"

#include <commctrl.h>

namespace vx::e2e {

namespace {
constexpr size_t kBufferSize = 8192;
constexpr size_t kTextOffset = 1024;
constexpr int kTextChars = 1024;
}  // namespace

RemoteListView::RemoteListView(HWND list) : list_(list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) {
        memory_ = static_cast<char*>(
            VirtualAllocEx(process_, nullptr, kBufferSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
}

RemoteListView::~RemoteListView() {
    if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

template <typename T>
bool RemoteListView::Put(const T& value, size_t offset) const {
    SIZE_T written = 0;
    return WriteProcessMemory(process_, memory_ + offset, &value, sizeof(T), &written) && written == sizeof(T);
}

template <typename T>
bool RemoteListView::Take(T& value, size_t offset) const {
    SIZE_T read = 0;
    return ReadProcessMemory(process_, memory_ + offset, &value, sizeof(T), &read) && read == sizeof(T);
}

std::wstring RemoteListView::TakeText(size_t offset) const {
    wchar_t text[kTextChars] = {};
    SIZE_T read = 0;
    ReadProcessMemory(process_, memory_ + offset, text, sizeof(text) - sizeof(wchar_t), &read);
    return text;
}

HWND RemoteListView::Header() const {
    return reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
}

int RemoteListView::RowCount() const {
    return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

int RemoteListView::ColumnCount() const {
    return static_cast<int>(SendMessageW(Header(), HDM_GETITEMCOUNT, 0, 0));
}

int RemoteListView::ColumnWidth(int column) const {
    return static_cast<int>(SendMessageW(list_, LVM_GETCOLUMNWIDTH, column, 0));
}

std::wstring RemoteListView::ColumnCaption(int column) const {
    if (!Valid()) return {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = reinterpret_cast<wchar_t*>(memory_ + kTextOffset);
    info.cchTextMax = kTextChars;
    Put(info);
    Put(wchar_t{0}, kTextOffset);
    if (!SendMessageW(list_, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(memory_))) return {};
    return TakeText(kTextOffset);
}

std::wstring RemoteListView::Text(int row, int column) const {
    if (!Valid()) return {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(memory_ + kTextOffset);
    item.cchTextMax = kTextChars;
    Put(item);
    Put(wchar_t{0}, kTextOffset);
    SendMessageW(list_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(memory_));
    return TakeText(kTextOffset);
}

std::vector<std::vector<std::wstring>> RemoteListView::Rows() const {
    std::vector<std::vector<std::wstring>> rows;
    const int columns = ColumnCount();
    for (int row = 0; row < RowCount(); ++row) {
        std::vector<std::wstring> texts;
        for (int column = 0; column < columns; ++column) texts.push_back(Text(row, column));
        rows.push_back(std::move(texts));
    }
    return rows;
}

RECT RemoteListView::CellRect(int row, int column) const {
    RECT rect{LVIR_BOUNDS, column, 0, 0};
    if (!Valid() || !Put(rect)) return {};
    if (!SendMessageW(list_, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(memory_))) return {};
    Take(rect);
    if (column == 0) {
        // The first column's bounds are the whole row's; its own width ends it.
        rect.right = rect.left + ColumnWidth(0);
    }
    return rect;
}

RECT RemoteListView::HeaderItemRect(int column) const {
    RECT rect{};
    if (!Valid() || !Put(rect)) return {};
    if (!SendMessageW(Header(), HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(memory_))) return {};
    Take(rect);
    return rect;
}

HWND ListViewIn(HWND monitor) {
    return FindWindowExW(monitor, nullptr, WC_LISTVIEWW, nullptr);
}

}  // namespace vx::e2e
