#pragma once
// Finds the install archive appended to the program file: the last four bytes say whether one
// is there; an older layout is found by searching the end of the file for the end marker.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace vx {

inline constexpr uint32_t kArchivePresentMarker = 0xABC01973;
inline constexpr uint32_t kNoArchiveMarker = 0xABBA1973;
inline constexpr uint64_t kArchiveSearchBlock = 15500;

struct ArchiveLocation {
    uint64_t start = 0;  // offset of the archive's first byte
    uint64_t end = 0;    // offset just past its last byte
};

// Reads `length` bytes at `offset`; empty when they cannot be read.
using FileRangeReader = std::function<std::optional<std::vector<uint8_t>>(uint64_t offset, size_t length)>;

// Empty when no archive is there, or when the stored start offset points outside the file.
std::optional<ArchiveLocation> LocateAppendedArchive(uint64_t fileSize, const FileRangeReader& read);

}  // namespace vx
