#pragma once
// The percent column of the classic list: its colour, its number and its bar.
#include <cstdint>
#include <string>

#include "app/options.h"
#include "disks/drive_record.h"

namespace vx {

// Lighten by p %: v + p (255 - v) / 100; darken: v - p v / 100; p at most 100, 0 or less changes
// nothing. Colours are RGB (system colours are resolved before).
uint32_t Lighten(uint32_t rgb, int percent);
uint32_t Darken(uint32_t rgb, int percent);

// "BarColor", or with "UseColors" the colour of the limit that the free space lies below.
uint32_t BarColorFor(const DriveRecord& drive, const Options& options);

struct PercentCell {
    std::string text;  // the shown share without "%"; empty without data
    int barShare = 0;  // 0 to 100
};
// Both the number and the bar are shares of Capacity; the bar follows Free, the number
// min(Available, Free), as the list always showed them.
PercentCell PercentCellFor(const DriveRecord& drive, bool showUsedPercents);
// The trend arrow beside the bar: up in "UpArrowColor" when the shown share rose (free space
// grew in free mode, shrank in used mode), down in "DownArrowColor" otherwise; none without change.
enum class TrendArrow { None, Up, Down };
TrendArrow TrendArrowFor(int64_t freeDelta, bool showUsedPercents);

// The filled part of a bar `width` pixels wide (frame included).
int BarLength(int width, int barShare);
// The split of the filled part: the lower k of h pixels have the darker gradient.
int LowerGradientHeight(int innerHeight);

}  // namespace vx
