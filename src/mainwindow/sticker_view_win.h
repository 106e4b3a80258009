#pragma once
// The sticker look: the list's columns and rows painted on a small borderless note.
#include <windows.h>

#include <optional>

#include "app/options.h"
#include "mainwindow/drive_list_view_win.h"
#include "mainwindow/sticker_layout.h"
#include "ui/font_win.h"

namespace vx {

class StickerView {
public:
    StickerView(const Options& options, const DriveListView& list) : options_(options), list_(list) {}

    // Fonts, row height and arrow size with the sticker font, measured on entering the look.
    void Enter(HWND window);
    SIZE WindowSize() const;
    void Paint(HDC dc, const RECT& client) const;
    // The drive of the line at a point of the window, by its index in the drive list.
    std::optional<size_t> DriveAt(POINT client) const;
    bool IsPercentClick(POINT client, int windowWidth) const;

private:
    StickerMetrics Metrics() const;
    int TextWidth(HDC dc, const std::string& text) const;
    void PaintPercentCell(HDC dc, const DriveRecord& drive, int right, int y, int windowWidth,
                          const StickerMetrics& metrics) const;

    const Options& options_;
    const DriveListView& list_;
    HWND window_ = nullptr;
    UniqueFont font_;
    UniqueFont arrowFont_;
    SIZE arrowSize_{};
    int rowHeight_ = 13;
    UINT dpi_ = 96;
};

}  // namespace vx
