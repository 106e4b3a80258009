#include <gtest/gtest.h>

#include "install/archive_locator.h"

namespace vx {
namespace {

void Put32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::optional<ArchiveLocation> Locate(const std::vector<uint8_t>& file) {
    return LocateAppendedArchive(
        file.size(), [&file](uint64_t offset, size_t length) -> std::optional<std::vector<uint8_t>> {
            if (offset + length > file.size()) return std::nullopt;
            return std::vector<uint8_t>(file.begin() + offset, file.begin() + offset + length);
        });
}

// A program of `programSize` bytes, an archive, then the archive's start offset and `marker`.
std::vector<uint8_t> WithArchive(size_t programSize, size_t archiveSize, uint32_t marker) {
    std::vector<uint8_t> file(programSize + archiveSize, 0x5A);
    Put32(file, static_cast<uint32_t>(programSize));
    Put32(file, marker);
    return file;
}

// The older layout: offset, end marker, then a trailer of `trailerSize` bytes.
std::vector<uint8_t> WithTrailer(size_t programSize, size_t trailerSize) {
    std::vector<uint8_t> file(programSize + 100, 0x11);
    Put32(file, static_cast<uint32_t>(programSize));
    Put32(file, kArchivePresentMarker);
    file.insert(file.end(), trailerSize, 0x22);
    return file;
}

TEST(ArchiveLocator, FileEndingWithThePresentMarker) {
    const auto file = WithArchive(40000, 1234, kArchivePresentMarker);
    const auto found = Locate(file);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->start, 40000u);
    EXPECT_EQ(found->end, file.size());
}

TEST(ArchiveLocator, FileEndingWithTheNoArchiveMarker) {
    // Even with the present marker inside the last block, the explicit "none" wins.
    auto file = WithTrailer(40000, 100);
    Put32(file, kNoArchiveMarker);
    EXPECT_FALSE(Locate(file));
}

TEST(ArchiveLocator, OlderLayoutFoundWithinTheLastBlockOnly) {
    struct Case {
        size_t trailer;
        bool found;
    };
    // The last block is 15500 bytes: a trailer of 15492 leaves the 4 offset bytes inside it.
    for (const Case c :
         {Case{0, true}, Case{10, true}, Case{15492, true}, Case{15493, false}, Case{20000, false}}) {
        const auto file = WithTrailer(30000, c.trailer);
        const auto found = Locate(file);
        ASSERT_EQ(found.has_value(), c.found) << "trailer " << c.trailer;
        if (c.found) {
            EXPECT_EQ(found->start, 30000u);
            EXPECT_EQ(found->end, file.size() - c.trailer);
        }
    }
}

TEST(ArchiveLocator, PlainAndDamagedFilesHaveNoArchive) {
    EXPECT_FALSE(Locate({}));
    EXPECT_FALSE(Locate({0x73, 0x19, 0xC0}));
    EXPECT_FALSE(Locate({0x73, 0x19, 0xC0, 0xAB}));  // marker without room for an offset
    EXPECT_FALSE(Locate(std::vector<uint8_t>(50000, 0x90)));
    // A start offset past the end of the file is not an archive.
    std::vector<uint8_t> badOffset(100, 0);
    Put32(badOffset, 0xFFFFFFF0u);
    Put32(badOffset, kArchivePresentMarker);
    EXPECT_FALSE(Locate(badOffset));
}

TEST(ArchiveLocator, ShortFileSearchesWhatThereIs) {
    const auto file = WithTrailer(8, 3);
    const auto found = Locate(file);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->start, 8u);
}

}  // namespace
}  // namespace vx
