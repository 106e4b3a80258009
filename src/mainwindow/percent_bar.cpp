#include "mainwindow/percent_bar.h"

#include <algorithm>
#include <cmath>

#include "disks/sizes.h"

namespace vx {

namespace {

uint32_t MapChannels(uint32_t rgb, int percent, int (*change)(int value, int percent)) {
    if (percent <= 0) return rgb;
    percent = std::min(percent, 100);
    const int red = change(static_cast<int>(rgb & 0xFF), percent);
    const int green = change(static_cast<int>((rgb >> 8) & 0xFF), percent);
    const int blue = change(static_cast<int>((rgb >> 16) & 0xFF), percent);
    return static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) |
           (static_cast<uint32_t>(blue) << 16);
}

}  // namespace

uint32_t Lighten(uint32_t rgb, int percent) {
    return MapChannels(rgb, percent, [](int v, int p) { return v + p * (255 - v) / 100; });
}

uint32_t Darken(uint32_t rgb, int percent) {
    return MapChannels(rgb, percent, [](int v, int p) { return v - p * v / 100; });
}

uint32_t BarColorFor(const DriveRecord& drive, const Options& options) {
    if (!options.UseColors) return options.BarColor;
    constexpr double kMegabyte = 1048576.0;
    double free = static_cast<double>(std::min(drive.Available, drive.Free)) / kMegabyte;
    const double reference = static_cast<double>(std::max<int64_t>(drive.Capacity, 0)) / kMegabyte;
    const auto limit = [&](int32_t value, uint8_t units) {
        return units == 1 ? static_cast<double>(value) : static_cast<double>(value) * reference / 100.0;
    };
    double limit1 = limit(options.BarLimit1, options.BarUnits1);
    double limit2 = limit(options.BarLimit2, options.BarUnits2);
    if (std::fabs(limit1 - limit2) > 1) {
        free = static_cast<double>(RoundHalfEven(free));
        limit1 = static_cast<double>(RoundHalfEven(limit1));
        limit2 = static_cast<double>(RoundHalfEven(limit2));
    }
    if (limit1 <= limit2) {
        if (free < limit1) return options.BarColor1;
        if (free < limit2) return options.BarColor2;
        return options.BarColor;
    }
    if (free < limit2) return options.BarColor2;
    if (free < limit1) return options.BarColor1;
    return options.BarColor;
}

PercentCell PercentCellFor(const DriveRecord& drive, bool showUsedPercents) {
    PercentCell cell;
    if (drive.Capacity <= 0) return cell;
    cell.text = std::to_string(showUsedPercents ? UsedShare(drive) : FreeShare(drive));
    const double freePart =
        static_cast<double>(std::max<int64_t>(drive.Free, 0)) / static_cast<double>(drive.Capacity);
    int used = static_cast<int>(100 - RoundHalfEven(freePart * 100.0));
    used = std::clamp(used, 0, 100);
    cell.barShare = showUsedPercents ? used : 100 - used;
    return cell;
}

TrendArrow TrendArrowFor(int64_t freeDelta, bool showUsedPercents) {
    if (freeDelta == 0) return TrendArrow::None;
    const bool up = (freeDelta > 0 && !showUsedPercents) || (freeDelta < 0 && showUsedPercents);
    return up ? TrendArrow::Up : TrendArrow::Down;
}

int BarLength(int width, int barShare) {
    if (width <= 2 || barShare <= 0) return 0;
    return static_cast<int>(static_cast<double>(width - 2) / 100.0 * std::min(barShare, 100));
}

int LowerGradientHeight(int innerHeight) {
    return static_cast<int>(RoundHalfEven(innerHeight * 0.5625));
}

}  // namespace vx
