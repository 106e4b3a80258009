#include "mainwindow/sticker_view_win.h"

#include <algorithm>

#include "core/text.h"
#include "core/utf.h"
#include "mainwindow/bar_drawing_win.h"
#include "mainwindow/column_model.h"
#include "mainwindow/percent_bar.h"

namespace vx {

namespace {

SIZE Extent(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void TextAt(HDC dc, int x, int y, const std::string& text) {
    const std::wstring wide = Widen(text);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

}  // namespace

void StickerView::Enter(HWND window) {
    window_ = window;
    dpi_ = GetDpiForWindow(window) ? GetDpiForWindow(window) : 96;
    font_ = CreatePointFont(StickerFontNameFor(options_.StickerFontSize), options_.StickerFontSize, DEFAULT_CHARSET, dpi_);
    arrowFont_ = CreatePointFont("Times New Roman", std::max<int>(options_.StickerFontSize, 1), DEFAULT_CHARSET, dpi_);
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font_.get());
    rowHeight_ = std::max<int>(Extent(dc, L"ANY STRING").cy, 1);
    SelectObject(dc, arrowFont_.get());
    arrowSize_ = Extent(dc, L"\u25B2");
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
}

int StickerView::TextWidth(HDC dc, const std::string& text) const {
    return Extent(dc, Widen(text)).cx;
}

StickerMetrics StickerView::Metrics() const {
    StickerMetrics metrics;
    metrics.rowHeight = rowHeight_;
    HDC dc = GetDC(window_);
    HGDIOBJ previous = SelectObject(dc, font_.get());
    const auto width = [&](const std::string& text) { return TextWidth(dc, text); };
    std::vector<std::string> names, labels;
    for (size_t index : list_.Monitored()) {
        names.push_back(list_.RowCaptionOf(list_.Drives()[index]));
        if (index < list_.Labels().size()) labels.push_back(list_.Labels()[index]);
    }
    metrics.nameWidth = NameColumnWidth(names, width, true);
    metrics.labelWidth = options_.ShowLabels ? LabelColumnWidth(labels, width, true) : 0;
    int count = 0;
    metrics.valueWidth = ValueColumnWidth(list_.Drives(), options_, list_.Format(), width, count);
    SelectObject(dc, previous);
    ReleaseDC(window_, dc);
    return metrics;
}

SIZE StickerView::WindowSize() const {
    const StickerMetrics metrics = Metrics();
    const int columns = static_cast<int>(list_.ShownIds().size());
    return {StickerWidth(columns, options_.ShowLabels, metrics, options_.ClickThrough),
            StickerHeight(static_cast<int>(list_.Monitored().size()), options_.StickerShowCols, rowHeight_)};
}

void StickerView::Paint(HDC target, const RECT& client) const {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    HDC dc = CreateCompatibleDC(target);
    UniqueBitmap bitmap(CreateCompatibleBitmap(target, width, height));
    HGDIOBJ previousBitmap = SelectObject(dc, bitmap.get());
    const COLORREF background = ResolveColour(options_.StickerColor);
    HBRUSH fill = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, fill);
    HPEN grey = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    HGDIOBJ previousPen = SelectObject(dc, grey);
    HGDIOBJ previousBrush = SelectObject(dc, fill);
    Rectangle(dc, 1, 1, width - 1, height - 1);
    SelectObject(dc, previousPen);
    DeleteObject(grey);

    HGDIOBJ previousFont = SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColour(options_.StickerFontColor));
    const StickerMetrics metrics = Metrics();
    const auto& ids = list_.ShownIds();
    if (options_.StickerShowCols) {
        const auto lefts = StickerColumnLefts(static_cast<int>(ids.size()), options_.ShowLabels, metrics);
        for (size_t i = 0; i < ids.size(); ++i) {
            const std::string caption = Trim(ColumnCaption(ids[i], options_));
            const StickerAlignment alignment = ids[i] == kColumnPercent     ? StickerAlignment::Centre
                                               : ids[i] >= kColumnCapacity ? StickerAlignment::Right
                                                                           : StickerAlignment::Left;
            TextAt(dc, StickerCaptionX(lefts[i], TextWidth(dc, caption), alignment, metrics.valueWidth), 2, caption);
        }
    }
    const int top = StickerFirstLineTop(options_.StickerShowCols, rowHeight_);
    for (size_t line = 0; line < list_.Monitored().size(); ++line) {
        const size_t index = list_.Monitored()[line];
        const DriveRecord& drive = list_.Drives()[index];
        const int y = top + static_cast<int>(line) * rowHeight_;
        SelectObject(dc, font_.get());
        SetTextColor(dc, ResolveColour(options_.StickerFontColor));
        TextAt(dc, 5, y, Trim(list_.RowCaptionOf(drive)));
        int k = 0;
        for (int id : ids) {
            if (id == kColumnName) continue;
            if (id == kColumnLabel) {
                const int left = 5 + metrics.nameWidth;
                RECT cell{left, y, left + metrics.labelWidth, y + rowHeight_};
                FillRect(dc, &cell, fill);
                TextAt(dc, left, y, index < list_.Labels().size() ? list_.Labels()[index] : std::string());
                continue;
            }
            const int right = StickerValueCellRight(++k, metrics);
            if (id == kColumnPercent) {
                PaintPercentCell(dc, drive, right, y, width, metrics);
                continue;
            }
            RECT cell{right - metrics.valueWidth, y, right, y + rowHeight_};
            FillRect(dc, &cell, fill);
            const std::string text = FormatSize(ColumnValue(drive, id), options_.ShowIn, list_.Format());
            TextAt(dc, right - TextWidth(dc, text), y, text);
        }
    }
    SelectObject(dc, previousFont);
    SelectObject(dc, previousBrush);
    DeleteObject(fill);
    BitBlt(target, client.left, client.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previousBitmap);
    DeleteDC(dc);
}

void StickerView::PaintPercentCell(HDC dc, const DriveRecord& drive, int right, int lineY, int windowWidth,
                                   const StickerMetrics& metrics) const {
    if (drive.Capacity <= 0) return;
    const int size = options_.StickerFontSize;
    const int y = lineY + StickerLineShift(size);
    const int lengthening = StickerBarLengthening(size);
    const PercentCell percent = PercentCellFor(drive, options_.ShowUsedPercents);
    const int left = right - metrics.valueWidth;
    int w = StickerBarWidth(metrics.valueWidth, left, windowWidth);
    HBRUSH background = CreateSolidBrush(ResolveColour(options_.StickerColor));
    RECT clear{left + 5, y + 1, left + w + 7, y + rowHeight_ + lengthening - 2};
    FillRect(dc, &clear, background);
    DeleteObject(background);
    if (options_.DrawArrow) w -= arrowSize_.cx - 3;
    const int arrowX = left + w + 5;
    RECT bar{left + 5, y + 1, arrowX, y + rowHeight_ + lengthening - 2};
    DrawPercentBar(dc, bar, ResolveColour(BarColorFor(drive, options_)), BarLength(w, percent.barShare));

    const StickerTextFont textFont =
        StickerPercentFont(size, options_.StickerShowPercents, rowHeight_, [&](int points, const std::string& name) {
            UniqueFont probe = CreatePointFont(name, points, DEFAULT_CHARSET, dpi_);
            HGDIOBJ previous = SelectObject(dc, probe.get());
            const int height = Extent(dc, Widen(percent.text)).cy;
            SelectObject(dc, previous);
            return height;
        });
    if (textFont.size > 0 && !percent.text.empty()) {
        UniqueFont font = CreatePointFont(textFont.name, textFont.size, DEFAULT_CHARSET, dpi_);
        HGDIOBJ previous = SelectObject(dc, font.get());
        const SIZE extent = Extent(dc, Widen(percent.text));
        SetTextColor(dc, ResolveColour(options_.BarTextColor));
        TextAt(dc, left + 5 + (w - extent.cx) / 2, y + (rowHeight_ - extent.cy) / 2, percent.text);
        SelectObject(dc, previous);
    }
    const TrendArrow arrow = TrendArrowFor(drive.FreeDelta, options_.ShowUsedPercents);
    if (options_.DrawArrow && arrow != TrendArrow::None) {
        const int arrowTop = y + 1 + StickerArrowOffset(size) - 2;
        HGDIOBJ previous = SelectObject(dc, arrowFont_.get());
        SetTextColor(dc, ResolveColour(arrow == TrendArrow::Up ? options_.UpArrowColor : options_.DownArrowColor));
        TextOutW(dc, arrowX - 1, arrowTop, arrow == TrendArrow::Up ? L"\u25B2" : L"\u25BC", 1);
        SelectObject(dc, previous);
    }
}

std::optional<size_t> StickerView::DriveAt(POINT client) const {
    const auto line = StickerLineAt(client.y, options_.StickerShowCols, rowHeight_, list_.Monitored().size());
    if (!line) return std::nullopt;
    return list_.Monitored()[*line];
}

bool StickerView::IsPercentClick(POINT client, int windowWidth) const {
    if (!options_.ShowPercents) return false;
    return StickerPercentClick(client.x, client.y, windowWidth, Metrics().valueWidth, options_.StickerShowCols,
                               rowHeight_);
}

}  // namespace vx
