#include "disks/sizes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "intl/catalogue.h"

namespace vx {

namespace {

// A number with fixed decimals, the locale's separators and thousands groups.
std::string FormatNumber(double value, int decimals, const NumberFormat& format) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    std::string integer = text;
    std::string fraction;
    if (const size_t dot = text.find('.'); dot != std::string::npos) {
        integer = text.substr(0, dot);
        fraction = text.substr(dot + 1);
    }
    bool negative = !integer.empty() && integer[0] == '-';
    if (negative) integer.erase(0, 1);
    std::string grouped;
    for (size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) grouped += format.thousands;
        grouped += integer[i];
    }
    std::string out = negative ? "-" + grouped : grouped;
    if (!fraction.empty()) out += format.decimal + fraction;
    return out;
}

std::string WithDecimal(const char* printfFormat, double value, const NumberFormat& format) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, printfFormat, value);
    std::string text(buffer);
    if (const size_t dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, format.decimal);
    return text;
}

}  // namespace

double UnitDivisor(int showIn) {
    switch (showIn) {
        case 1:
            return 1024.0;
        case 2:
            return 1048576.0;
        case 3:
            return 1073741824.0;
        case 4:
            return 1099511627776.0;
        default:
            return 1.0;
    }
}

int UnitDecimals(int showIn) {
    return showIn == 0 || showIn == 1 ? 0 : 2;
}

std::string UnitName(int showIn) {
    switch (showIn) {
        case 0:
        case 1:
        case 2:
        case 3:
            return CatalogueText(showIn);
        case 4:
            return CatalogueText(178);
        default:
            return {};
    }
}

std::string FormatSize(int64_t bytes, int showIn, const NumberFormat& format) {
    if (bytes <= 0) return "0";
    const double quotient = std::max(static_cast<double>(bytes) / UnitDivisor(showIn), 0.01);
    return FormatNumber(quotient, UnitDecimals(showIn), format);
}

std::string UnitSuffix(int showIn, bool parentheses) {
    int entry = -1;
    switch (showIn) {
        case 0:
            entry = 32;
            break;
        case 1:
            entry = 33;
            break;
        case 2:
            entry = 34;
            break;
        case 3:
            entry = 35;
            break;
        case 4:
            entry = 179;
            break;
        default:
            return {};
    }
    std::string suffix = " " + CatalogueText(entry);
    if (!parentheses)
        suffix.erase(
            std::remove_if(suffix.begin(), suffix.end(), [](char c) { return c == '(' || c == ')'; }),
            suffix.end());
    return suffix;
}

int64_t RoundHalfEven(double value) {
    return static_cast<int64_t>(std::nearbyint(value));
}

int FreeShare(const DriveRecord& drive) {
    if (drive.Capacity <= 0) return 0;
    const double free = static_cast<double>(std::min(drive.Available, drive.Free));
    if (free <= 0) return 0;
    return static_cast<int>(
        std::min<int64_t>(RoundHalfEven(free / static_cast<double>(drive.Capacity) * 100.0), 100));
}

int UsedShare(const DriveRecord& drive) {
    return 100 - FreeShare(drive);
}

std::string TrayValueText(const DriveRecord& drive, int mode, bool showUsedPercents,
                          const NumberFormat& format,
                          const std::function<bool(const std::string& text)>& fits) {
    if (mode == 1) return std::to_string(showUsedPercents ? UsedShare(drive) : FreeShare(drive)) + "%";
    const double bytes =
        static_cast<double>(showUsedPercents ? drive.Used : std::min(drive.Available, drive.Free));
    const double value = std::max(bytes, 0.0) / 1073741824.0;
    std::string text = WithDecimal("%3.2f", value, format);
    if (fits(text)) return text;
    text = WithDecimal("%2.1f", value, format);
    if (value < 10 || fits(text)) return text;
    char whole[32];
    std::snprintf(whole, sizeof whole, "%2lld", static_cast<long long>(RoundHalfEven(value)));
    return whole;
}

std::string ComposeDateTimeText(const std::string& shortDate, const std::string& longTime) {
    std::string time = longTime;
    if (time.size() < 2 || time[1] < '0' || time[1] > '9') time.insert(0, "0");
    return shortDate + " " + time;
}

}  // namespace vx
