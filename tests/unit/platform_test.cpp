#include <gtest/gtest.h>

#include "platform/data_folder.h"
#include "platform/memory/memory_registry.h"

namespace vx {
namespace {

TEST(MemoryRegistry, NamesCompareWithoutCaseAndKeepTheirFirstSpelling) {
    MemoryRegistry reg;
    EXPECT_TRUE(reg.WriteInteger("SOFTWARE\\Brelling\\Vantorix", "visible", 1));
    EXPECT_TRUE(reg.WriteInteger("Software\\Brelling\\Vantorix", "Visible", 0));
    EXPECT_EQ(reg.ValueNames("software\\brelling\\vantorix"), std::vector<std::string>{"visible"});
    EXPECT_EQ(ReadInteger(reg, "SOFTWARE\\Brelling\\Vantorix", "VISIBLE"), 0);
}

TEST(MemoryRegistry, DirectReadsGiveTheirMissingValues) {
    MemoryRegistry reg;
    reg.WriteString("K", "Text", "abc");
    EXPECT_EQ(ReadInteger(reg, "K", "Missing"), -1);
    EXPECT_EQ(ReadInteger(reg, "K", "Text"), -1);  // wrong type reads as missing
    EXPECT_EQ(ReadString(reg, "Nowhere", "Text"), "");
    EXPECT_EQ(ReadString(reg, "K", "Text"), "abc");
    EXPECT_TRUE(ValueExists(reg, "K", "text"));
    EXPECT_EQ(ValueType(reg, "K", "Text"), RegType::String);
    EXPECT_FALSE(ValueType(reg, "K", "Missing"));
}

TEST(MemoryRegistry, DeleteKeyTreeRemovesSubkeysButNotNeighbours) {
    MemoryRegistry reg;
    reg.WriteInteger("A\\B", "x", 1);
    reg.WriteInteger("A\\B\\C\\D", "y", 2);
    reg.WriteInteger("A\\BB", "z", 3);
    EXPECT_EQ(reg.SubKeyNames("A"), (std::vector<std::string>{"b", "bb"}));
    EXPECT_TRUE(reg.DeleteKeyTree("A\\B"));
    EXPECT_FALSE(reg.KeyExists("A\\B"));
    EXPECT_FALSE(reg.KeyExists("A\\B\\C\\D"));
    EXPECT_TRUE(reg.KeyExists("A\\BB"));
    EXPECT_FALSE(reg.DeleteKeyTree("A\\B"));
}

TEST(DataFolder, ProgramFolderWhenWritableElseTheUsersFolder) {
    const auto writable = [](const std::string&) { return true; };
    const auto readOnly = [](const std::string&) { return false; };
    EXPECT_EQ(ChooseDataFolder("C:\\Tools\\Vantorix", "C:\\Users\\a\\AppData\\Local", writable),
              "C:\\Tools\\Vantorix");
    EXPECT_EQ(ChooseDataFolder("C:\\Program Files\\Vantorix", "C:\\Users\\a\\AppData\\Local", readOnly),
              "C:\\Users\\a\\AppData\\Local\\Brelling\\Vantorix");
    EXPECT_EQ(ChooseDataFolder("C:\\Program Files\\Vantorix", "C:\\Users\\a\\AppData\\Local\\", readOnly),
              "C:\\Users\\a\\AppData\\Local\\Brelling\\Vantorix");
    // With no user folder known, the program folder is still the best guess.
    EXPECT_EQ(ChooseDataFolder("C:\\Program Files\\Vantorix", "", readOnly), "C:\\Program Files\\Vantorix");
}

TEST(DataFolder, TrailingBackslashes) {
    EXPECT_EQ(WithTrailingBackslash("C:\\Dir"), "C:\\Dir\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\Dir\\"), "C:\\Dir\\");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\Dir\\\\"), "C:\\Dir");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\"), "C:\\");
}

}  // namespace
}  // namespace vx
