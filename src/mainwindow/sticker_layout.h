#pragma once
// The sticker look's geometry: window size, where the header, lines and cells go, the percent
// cell's adjustments by font size, and what a click on the sticker hits.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vx {

struct StickerMetrics {
    int rowHeight = 13;
    int nameWidth = 0;   // with its +10
    int labelWidth = 0;  // with its +10; 0 when labels are hidden
    int valueWidth = 50;
};

// `listColumns` counts every column of the list, Name included.
int StickerWidth(int listColumns, bool labels, const StickerMetrics& metrics, bool clickThrough);
int StickerHeight(int rows, bool header, int rowHeight);
int StickerFirstLineTop(bool header, int rowHeight);

enum class StickerAlignment { Left, Right, Centre };
// Where each list column's caption starts on the header line (the column's left edge is given;
// right-aligned and centred captions are placed within the value width).
std::vector<int> StickerColumnLefts(int listColumns, bool labels, const StickerMetrics& metrics);
int StickerCaptionX(int columnLeft, int textWidth, StickerAlignment alignment, int valueWidth);

// The right edge of the k-th shown value column (1-based, percent counted last).
int StickerValueCellRight(int k, const StickerMetrics& metrics);

// By "StickerFontSize": sizes 5, 6 and 8 to 12 draw the percent line 1 pixel lower; 7 instead
// lengthens the bar by a pixel at the bottom.
int StickerLineShift(int fontSize);
int StickerBarLengthening(int fontSize);
// The arrow's extra drop: 3 or 7 give 1, 4 or 6 give 2, 5 gives 3.
int StickerArrowOffset(int fontSize);
// The bar's width: the value width - 2, narrower when it would run past the window.
int StickerBarWidth(int valueWidth, int cellLeft, int windowWidth);

// The percent text's font: one point below the sticker's, smaller until its height fits the
// line (`height` measures a size and name); 0 when no text is drawn (size 5 or below, or off).
struct StickerTextFont {
    int size = 0;
    std::string name;
};
StickerTextFont StickerPercentFont(int stickerFontSize, bool showPercents, int rowHeight,
                                   const std::function<int(int size, const std::string& name)>& height);

// A left click that switches the share: right of the percent column's left edge, and on the
// header line when there is one.
bool StickerPercentClick(int x, int y, int windowWidth, int percentColumnWidth, bool header, int rowHeight);
// The monitored drive whose line holds y, counted from the top of the first line.
std::optional<size_t> StickerLineAt(int y, bool header, int rowHeight, size_t lines);

}  // namespace vx
