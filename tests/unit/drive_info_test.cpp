#include <gtest/gtest.h>

#include "intl/catalogue.h"
#include "mainwindow/drive_info.h"

namespace vx {
namespace {

class DriveInfoTest : public ::testing::Test {
protected:
    void SetUp() override { FillDefaultCatalogueIfEmpty(); }
};

TEST_F(DriveInfoTest, TenRowsWithEveryFactKnown) {
    DriveRecord record;
    record.Capacity = 100LL << 30;
    record.Free = 25LL << 30;
    record.Available = 20LL << 30;
    record.Used = record.Capacity - record.Free;
    const auto rows = DriveInfoRows("C:", record, VolumeFacts{"SYSTEM", 0x1A2B3C4D, "NTFS"}, DiskGeometry{512, 8}, 3, {});
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Drive name", "C:"},       {"Capacity", "100.00 Gb"},  {"Used", "75.00 Gb"},
        {"Free", "25.00 Gb"},       {"Available", "20.00 Gb"},  {"Volume label", "SYSTEM"},
        {"Serial number", "1A2B3C4D"}, {"File system", "NTFS"}, {"Bytes per sector", "512"},
        {"Sectors per cluster", "8"}};
    ASSERT_EQ(rows.size(), kInfoRowCount);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].label, expected[i].first) << i;
        EXPECT_EQ(rows[i].value, expected[i].second) << i;
    }
}

TEST_F(DriveInfoTest, FailedQueriesLeaveTheirRowsEmpty) {
    // A card reader without a card: zero sizes, no volume, no geometry.
    const auto empty = DriveInfoRows("E:", DriveRecord{}, std::nullopt, std::nullopt, 3, {});
    EXPECT_EQ(empty[1].value, "0 Gb");
    EXPECT_EQ(empty[4].value, "0 Gb");
    for (size_t i = 5; i < kInfoRowCount; ++i) EXPECT_EQ(empty[i].value, "") << i;
    // A name that is not in the drive list has no record: its sizes stay empty.
    const auto unknown = DriveInfoRows("\\\\server\\share", std::nullopt, std::nullopt, std::nullopt, 3, {});
    EXPECT_EQ(unknown[0].value, "\\\\server\\share");
    for (size_t i = 1; i <= 4; ++i) EXPECT_EQ(unknown[i].value, "") << i;
}

TEST_F(DriveInfoTest, SerialNumbersHaveEightDigitsHighHalfFirst) {
    const std::pair<uint32_t, const char*> cases[] = {
        {0x1A2B3C4D, "1A2B3C4D"}, {0, "00000000"}, {0xFFFFFFFF, "FFFFFFFF"}, {0x000A0001, "000A0001"}};
    for (const auto& [serial, text] : cases) EXPECT_EQ(SerialNumberText(serial), text);
}

TEST_F(DriveInfoTest, CopyWritesTheSelectedRowsInRowOrder) {
    const auto rows = DriveInfoRows("C:", std::nullopt, VolumeFacts{"", 1, "NTFS"}, std::nullopt, 3, {});
    EXPECT_EQ(CopiedRowsText(rows, {7, 0}), "Drive name\tC:\r\nFile system\tNTFS\r\n");
    EXPECT_EQ(CopiedRowsText(rows, {}), "");
    EXPECT_EQ(CopiedRowsText(rows, {3}), "Free\t\r\n");
    EXPECT_EQ(CopiedRowsText(rows, {42}), "");
}

}  // namespace
}  // namespace vx
