#include "mainwindow/sticker_layout.h"

#include "app/options.h"

namespace vx {

int StickerWidth(int listColumns, bool labels, const StickerMetrics& m, bool clickThrough) {
    const int valueColumns = listColumns - 1 - (labels ? 1 : 0);
    return valueColumns * m.valueWidth + m.nameWidth + (labels ? m.labelWidth + 2 : 0) + (clickThrough ? 13 : 0) + 12;
}

int StickerHeight(int rows, bool header, int rowHeight) {
    const int height = header ? (rows + 1) * rowHeight + 7 : rows * rowHeight + 5;
    return height < rowHeight ? rowHeight : height;
}

int StickerFirstLineTop(bool header, int rowHeight) {
    return header ? rowHeight + 4 : 2;
}

std::vector<int> StickerColumnLefts(int listColumns, bool labels, const StickerMetrics& m) {
    std::vector<int> lefts;
    int x = 5;
    for (int i = 0; i < listColumns; ++i) {
        if (i == 1) x += m.nameWidth;
        if (i == 2) x += labels ? m.labelWidth : m.valueWidth;
        if (i > 2) x += m.valueWidth;
        lefts.push_back(x);
    }
    return lefts;
}

int StickerCaptionX(int columnLeft, int textWidth, StickerAlignment alignment, int valueWidth) {
    switch (alignment) {
        case StickerAlignment::Right:
            return columnLeft + valueWidth - textWidth;
        case StickerAlignment::Centre:
            return columnLeft + (valueWidth - textWidth) / 2;
        default:
            return columnLeft;
    }
}

int StickerValueCellRight(int k, const StickerMetrics& m) {
    return 5 + m.nameWidth + m.labelWidth + m.valueWidth * k;
}

int StickerLineShift(int fontSize) {
    return fontSize == 5 || fontSize == 6 || (fontSize >= 8 && fontSize <= 12) ? 1 : 0;
}

int StickerBarLengthening(int fontSize) {
    return fontSize == 7 ? 1 : 0;
}

int StickerArrowOffset(int fontSize) {
    switch (fontSize) {
        case 3:
        case 7:
            return 1;
        case 4:
        case 6:
            return 2;
        case 5:
            return 3;
        default:
            return 0;
    }
}

int StickerBarWidth(int valueWidth, int cellLeft, int windowWidth) {
    const int width = valueWidth - 2;
    if (cellLeft + width + 5 > windowWidth) return windowWidth - cellLeft - 11;
    return width;
}

StickerTextFont StickerPercentFont(int stickerFontSize, bool showPercents, int rowHeight,
                                   const std::function<int(int size, const std::string& name)>& height) {
    if (stickerFontSize <= 5 || !showPercents) return {};
    int size = stickerFontSize - 1;
    std::string name = StickerFontNameFor(static_cast<int16_t>(size));
    // The first measure is at the sticker's own size; then smaller until the text fits.
    int measuredSize = stickerFontSize;
    while (size > 1 && height(measuredSize, name) > rowHeight - 1) {
        --size;
        measuredSize = size;
        name = StickerFontNameFor(static_cast<int16_t>(size));
    }
    return {measuredSize, name};
}

bool StickerPercentClick(int x, int y, int windowWidth, int percentColumnWidth, bool header, int rowHeight) {
    if (x <= windowWidth - percentColumnWidth) return false;
    return !header || y < rowHeight + 3;
}

std::optional<size_t> StickerLineAt(int y, bool header, int rowHeight, size_t lines) {
    const int top = StickerFirstLineTop(header, rowHeight);
    if (y < top || rowHeight <= 0) return std::nullopt;
    const auto line = static_cast<size_t>((y - top) / rowHeight);
    if (line >= lines) return std::nullopt;
    return line;
}

}  // namespace vx
