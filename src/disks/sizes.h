#pragma once
// Every size the program shows, in the unit the user chose ("ShowIn", powers of 1024), and the
// free and used shares of a drive.
#include <cstdint>
#include <functional>
#include <string>

#include "disks/drive_record.h"

namespace vx {

// The locale's separators (LOCALE_SDECIMAL, LOCALE_STHOUSAND).
struct NumberFormat {
    std::string decimal = ".";
    std::string thousands = ",";
};

// 0 bytes, 1 kilobytes, 2 megabytes, 3 gigabytes, 4 terabytes; any other code divides by 1.
double UnitDivisor(int showIn);
int UnitDecimals(int showIn);
// The unit's name from the catalogue (entries 0 to 3 and 178); empty for other codes.
std::string UnitName(int showIn);

// "0" for zero and negative counts; otherwise at least 0.01 of the unit, with separators.
std::string FormatSize(int64_t bytes, int showIn, const NumberFormat& format);
// " (Gb)", or " Gb" without parentheses; empty for codes without a unit.
std::string UnitSuffix(int showIn, bool parentheses);

// Whole numbers with halves to even.
int64_t RoundHalfEven(double value);

// Shares in whole percent of Capacity. Capacity, as the system reports it, is already the space
// the user may have; measuring against Available instead would make a drive whose Available lies
// below Free (quotas, reserved blocks of network shares) 100 % free for ever.
int FreeShare(const DriveRecord& drive);
int UsedShare(const DriveRecord& drive);

// The text in a 16 by 16 tray icon. Mode 0: gigabytes (used, or free), narrowed until `fits`
// accepts it; mode 1: the share with "%".
std::string TrayValueText(const DriveRecord& drive, int mode, bool showUsedPercents,
                          const NumberFormat& format,
                          const std::function<bool(const std::string& text)>& fits);

// The locale's short date, a blank and its long time, with a leading "0" for one-digit hours.
std::string ComposeDateTimeText(const std::string& shortDate, const std::string& longTime);

}  // namespace vx
