#include "install/archive_locator.h"

namespace vx {

namespace {

uint32_t LittleEndian32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

std::optional<ArchiveLocation> Checked(uint64_t start, uint64_t end) {
    if (start >= end) return std::nullopt;
    return ArchiveLocation{start, end};
}

}  // namespace

std::optional<ArchiveLocation> LocateAppendedArchive(uint64_t fileSize, const FileRangeReader& read) {
    if (fileSize < 4) return std::nullopt;
    const auto tail = read(fileSize - 4, 4);
    if (!tail || tail->size() != 4) return std::nullopt;
    const uint32_t marker = LittleEndian32(tail->data());
    if (marker == kNoArchiveMarker) return std::nullopt;
    if (marker == kArchivePresentMarker) {
        if (fileSize < 8) return std::nullopt;
        const auto offset = read(fileSize - 8, 4);
        if (!offset || offset->size() != 4) return std::nullopt;
        return Checked(LittleEndian32(offset->data()), fileSize);
    }

    // Older layout: the end marker followed by a trailer, somewhere in the last block of the file.
    const uint64_t blockSize = fileSize < kArchiveSearchBlock ? fileSize : kArchiveSearchBlock;
    const uint64_t blockStart = fileSize - blockSize;
    const auto block = read(blockStart, static_cast<size_t>(blockSize));
    if (!block || block->size() != blockSize) return std::nullopt;
    const uint8_t* bytes = block->data();
    // The hit needs the 4 bytes of the start offset before it and its own 4 bytes inside the block.
    for (uint64_t hit = 4; hit + 4 <= blockSize; ++hit) {
        if (bytes[hit] == 0x73 && bytes[hit + 1] == 0x19 && bytes[hit + 2] == 0xC0 &&
            bytes[hit + 3] == 0xAB) {
            return Checked(LittleEndian32(bytes + hit - 4), blockStart + hit + 4);
        }
    }
    return std::nullopt;
}

}  // namespace vx
