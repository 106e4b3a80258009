#pragma once
// A list view of another process, read as an accessibility tool reads it: the messages that
// carry pointers get a buffer in the other process.
#include <windows.h>

#include <string>
#include <vector>

namespace vx::e2e {

class RemoteListView {
public:
    explicit RemoteListView(HWND list);
    ~RemoteListView();
    RemoteListView(const RemoteListView&) = delete;
    RemoteListView& operator=(const RemoteListView&) = delete;

    bool Valid() const { return memory_ != nullptr; }
    HWND Handle() const { return list_; }
    HWND Header() const;
    int RowCount() const;
    int ColumnCount() const;
    int ColumnWidth(int column) const;
    std::wstring ColumnCaption(int column) const;
    std::wstring Text(int row, int column) const;
    // Every row's texts, column by column.
    std::vector<std::vector<std::wstring>> Rows() const;
    // A cell in the list's client coordinates.
    RECT CellRect(int row, int column) const;
    // The header's item in the header's client coordinates.
    RECT HeaderItemRect(int column) const;

private:
    template <typename T>
    bool Put(const T& value, size_t offset = 0) const;
    template <typename T>
    bool Take(T& value, size_t offset = 0) const;
    std::wstring TakeText(size_t offset) const;

    HWND list_;
    HANDLE process_ = nullptr;
    char* memory_ = nullptr;  // an address in the other process
};

// The (first) list view of a window: the drive list of a monitor, the facts of a dialog.
HWND ListViewIn(HWND monitor);

}  // namespace vx::e2e
