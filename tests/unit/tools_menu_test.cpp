#include <gtest/gtest.h>

#include <set>

#include "intl/catalogue.h"
#include "mainwindow/tools_menu.h"

namespace vx {
namespace {

class ToolsTest : public ::testing::Test {
protected:
    void SetUp() override { FillDefaultCatalogueIfEmpty(); }
};

TEST_F(ToolsTest, RecordsAreReadAsTheMenuHasAlwaysReadThem) {
    struct Case {
        const char* what;
        const char* text;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"two records", "A|a.exe| |TRUE||B|b.exe| |FALSE||", {"A", "B"}},
        {"empty text", "", {}},
        {"a record without a bar is skipped", "junk||B|b.exe| |FALSE||", {"B"}},
        {"an unterminated last part is lost", "A|a.exe| |TRUE||B|b.exe| |FALSE", {"A"}},
        {"an empty icon field ends the record early", "A|a.exe||TRUE||", {"A"}},
        {"a hand-edited record with two fields", "A|a.exe||", {"A"}},
        {"a name with an ampersand", "Disk &Tool|t.exe| |TRUE||", {"Disk &Tool"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> names;
        for (const auto& record : ParseToolsString(c.text)) names.push_back(record.name);
        EXPECT_EQ(names, c.names) << c.what;
    }
    const auto records = ParseToolsString("A|a.exe| |TRUE||B|b.exe|b.ico|FALSE||C|c.exe||");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_TRUE(records[0].passDisk);
    EXPECT_EQ(records[0].IconSource(), "a.exe");
    EXPECT_FALSE(records[1].passDisk);
    EXPECT_EQ(records[1].IconSource(), "b.ico");
    EXPECT_EQ(records[2].iconFile, "");  // missing fields read as empty
    EXPECT_TRUE(records[2].passDisk);    // anything but FALSE passes the disk
}

TEST_F(ToolsTest, DefaultToolsOnlyOnTheSystemsThatHadThem) {
    const std::set<std::string> files = {"C:\\WINDOWS\\system32\\dfrg.msc", "C:\\WINDOWS\\system32\\Cleanmgr.exe",
                                         "C:\\WINDOWS\\system32\\diskmgmt.msc", "C:\\WINDOWS\\Defrag.exe"};
    const auto exists = [&](const std::string& path) { return files.count(path) > 0; };
    std::vector<std::string> found;
    const std::string xp = GetToolsList({true, 5, "C:\\WINDOWS\\system32", "C:\\WINDOWS"}, exists,
                                        [&](const std::string& path) { found.push_back(path); });
    EXPECT_EQ(xp,
              "Disk Management|C:\\WINDOWS\\system32\\diskmgmt.msc|C:\\WINDOWS\\system32\\dmdskres.dll|FALSE||"
              "Clean Manager|C:\\WINDOWS\\system32\\Cleanmgr.exe| |TRUE||"
              "Disk Defragmenter|C:\\WINDOWS\\system32\\dfrg.msc|C:\\WINDOWS\\system32\\dfrgres.dll|TRUE||");
    EXPECT_EQ(found.size(), 3u);
    // The menu shows the text's records from the last to the first.
    const auto records = ParseToolsString(xp);
    EXPECT_EQ(records.back().name, "Disk Defragmenter");

    EXPECT_EQ(GetToolsList({true, 6, "C:\\WINDOWS\\system32", "C:\\WINDOWS"}, exists), "");
    EXPECT_EQ(GetToolsList({true, 10, "C:\\WINDOWS\\system32", "C:\\WINDOWS"}, exists), "");
    EXPECT_EQ(GetToolsList({true, 5, "", "C:\\WINDOWS"}, exists), "");
    EXPECT_EQ(GetToolsList({false, 4, "C:\\WINDOWS\\system", "C:\\WINDOWS\\"}, exists),
              "Disk Defragmenter|C:\\WINDOWS\\Defrag.exe| |TRUE||");
}

TEST_F(ToolsTest, AClickStartsTheFirstToolOfItsName) {
    const std::string tools = "Twin|first.exe| |TRUE||Twin|second.exe| |TRUE||Disk &Tool|amp.exe| |TRUE||";
    ASSERT_TRUE(ToolForCaption(tools, "&Twin"));
    EXPECT_EQ(ToolForCaption(tools, "&Twin")->path, "first.exe");
    // The caption loses its "&", the record keeps it: never found.
    EXPECT_FALSE(ToolForCaption(tools, "Disk &Tool"));
    EXPECT_FALSE(ToolForCaption(tools, "Missing"));
}

TEST_F(ToolsTest, ArgumentsAreTheSelectedOrPointedDisks) {
    struct Case {
        const char* path;
        std::vector<std::string> selected;
        const char* pointed;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\tools\\check.exe", {}, "  C:", "C:"},
        {"C:\\tools\\check.exe", {"  C:", "  D:"}, "E:", "C: D:"},
        {"C:\\WINDOWS\\system32\\Cleanmgr.exe", {}, "C:", "/dC:"},
        {"C:\\WINDOWS\\system32\\CLEANMGR.EXE", {"C:", "D:"}, "", "/dC: D:"},
        {"C:\\tools\\check.exe", {}, "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ToolArgument(c.path, c.selected, c.pointed), c.expected) << c.path;
}

}  // namespace
}  // namespace vx
