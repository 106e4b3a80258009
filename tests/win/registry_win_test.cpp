#include <gtest/gtest.h>
#include <windows.h>

#include "app/options.h"
#include "platform/win/registry_win.h"

namespace vx {
namespace {

constexpr char kTestKey[] = "SOFTWARE\\Brelling\\VantorixTests";

class WinRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { reg.DeleteKeyTree(kTestKey); }
    void TearDown() override { reg.DeleteKeyTree(kTestKey); }
    WinRegistry reg{Hive::CurrentUser};
};

TEST_F(WinRegistryTest, WritesAndReadsEveryType) {
    ASSERT_TRUE(reg.WriteString(kTestKey, "Text", "Gr\xC3\xBC\xC3\x9F \xE6\x97\xA5\xE6\x9C\xAC"));
    ASSERT_TRUE(reg.WriteInteger(kTestKey, "Number", -123456));
    ASSERT_TRUE(reg.WriteBinary(kTestKey, "Bytes", {0, 1, 2, 255}));
    ASSERT_TRUE(reg.WriteString(kTestKey, "Empty", ""));
    EXPECT_EQ(ReadString(reg, kTestKey, "Text"), "Gr\xC3\xBC\xC3\x9F \xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(ReadInteger(reg, kTestKey, "Number"), -123456);
    EXPECT_EQ(ReadBinary(reg, kTestKey, "Bytes"), (std::vector<uint8_t>{0, 1, 2, 255}));
    EXPECT_EQ(ValueType(reg, kTestKey, "Bytes"), RegType::Binary);
    EXPECT_TRUE(ValueExists(reg, kTestKey, "Empty"));
    EXPECT_EQ(ReadString(reg, kTestKey, "Empty"), "");
}

TEST_F(WinRegistryTest, MissingValuesAndOtherTypes) {
    EXPECT_EQ(ReadInteger(reg, kTestKey, "Nothing"), -1);
    EXPECT_EQ(ReadString(reg, kTestKey, "Nothing"), "");
    EXPECT_FALSE(ValueExists(reg, kTestKey, "Nothing"));
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Brelling\\VantorixTests", 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t expand[] = L"%TEMP%\\x";
    RegSetValueExW(key, L"Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expand), sizeof(expand));
    // A string stored without its terminator, as some tools write them.
    RegSetValueExW(key, L"NoTerminator", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"abc"),
                   3 * sizeof(wchar_t));
    const unsigned long long big = 5;
    RegSetValueExW(key, L"Qword", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&big), sizeof(big));
    RegCloseKey(key);
    EXPECT_EQ(ValueType(reg, kTestKey, "Expand"), RegType::ExpandString);
    EXPECT_EQ(ReadString(reg, kTestKey, "Expand"), "%TEMP%\\x");
    EXPECT_EQ(ReadString(reg, kTestKey, "NoTerminator"), "abc");
    EXPECT_EQ(ValueType(reg, kTestKey, "Qword"), RegType::Other);
    EXPECT_EQ(ReadInteger(reg, kTestKey, "Qword"), -1);
}

TEST_F(WinRegistryTest, NamesAreCaseInsensitive) {
    ASSERT_TRUE(reg.WriteInteger(kTestKey, "visible", 1));
    ASSERT_TRUE(reg.WriteInteger("software\\brelling\\vantoRIXtests", "Visible", 0));
    EXPECT_EQ(reg.ValueNames(kTestKey).size(), 1u);
    EXPECT_EQ(ReadInteger(reg, kTestKey, "VISIBLE"), 0);
}

TEST_F(WinRegistryTest, DeletesAKeyTreeDepthFirst) {
    const std::string deep = std::string(kTestKey) + "\\A\\B\\C\\D";
    ASSERT_TRUE(reg.WriteInteger(deep, "x", 1));
    ASSERT_TRUE(reg.WriteInteger(std::string(kTestKey) + "\\A\\Other", "y", 2));
    ASSERT_TRUE(reg.WriteInteger(kTestKey, "z", 3));
    EXPECT_EQ(reg.SubKeyNames(kTestKey), std::vector<std::string>{"A"});
    EXPECT_TRUE(reg.DeleteKeyTree(kTestKey));
    EXPECT_FALSE(reg.KeyExists(kTestKey));
    EXPECT_TRUE(reg.KeyExists("SOFTWARE\\Brelling"));
    EXPECT_FALSE(reg.DeleteKeyTree(kTestKey));
}

TEST_F(WinRegistryTest, SettingsRoundTripThroughTheRealRegistry) {
    Options o;
    LoadOptions(reg, o, LoadContext{}, kTestKey);
    o.TrayDisks = {"C:0"};
    o.EnabledDisks = {"C:", "D:"};
    o.TipOfDayDate = 46367.5;
    o.CurrentLanguage = "vx_\xD1\x80\xD1\x83.int";
    ASSERT_TRUE(SaveOptions(reg, o, kTestKey));

    // The stored types are what other programs and older versions expect.
    EXPECT_EQ(ValueType(reg, kTestKey, "TipOfDayDate"), RegType::Binary);
    EXPECT_EQ(ReadBinary(reg, kTestKey, "TipOfDayDate").size(), 8u);
    EXPECT_EQ(ValueType(reg, kTestKey, "ShowFree"), RegType::Integer);
    EXPECT_EQ(ValueType(reg, kTestKey, "StayOnTopShortCut"), RegType::String);
    EXPECT_EQ(ReadString(reg, kTestKey, "TempFilesExts").substr(0, 7), " *.bak,");
    EXPECT_EQ(ReadString(reg, kTestKey, "EnabledDisks"), "C:\r\nD:\r\n");
    EXPECT_EQ(reg.ValueNames(kTestKey).size(), 72u);

    Options back;
    LoadOptions(reg, back, LoadContext{}, kTestKey);
    EXPECT_EQ(back.TipOfDayDate, 46367.5);
    EXPECT_EQ(back.CurrentLanguage, o.CurrentLanguage);
    EXPECT_EQ(back.TrayDisks, o.TrayDisks);
    EXPECT_EQ(back.EnabledDisks, o.EnabledDisks);
}

}  // namespace
}  // namespace vx
