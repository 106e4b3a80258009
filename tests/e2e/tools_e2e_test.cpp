// The Tools submenu: a user's tool started with the disk under the mouse, or without it.
#include "core/text.h"
#include "drive_fixture.h"
#include "platform/win/files_win.h"
#include "user_input.h"

namespace vx::e2e {
namespace {

constexpr wchar_t kTool[] = L"C:\\users\\Public\\record-disk.bat";
constexpr wchar_t kRecord[] = L"C:\\users\\Public\\tool-argument.txt";

class ToolsTest : public DrivesTest {
protected:
    void SetUp() override {
        DrivesTest::SetUp();
        WriteWholeFile(kTool, "@echo.[%1]> C:\\users\\Public\\tool-argument.txt\r\n");
        DeleteFileW(kRecord);
        settings.WriteInteger(kSettingsKey, "Left", 0);
        settings.WriteInteger(kSettingsKey, "Top", 0);
        settings.WriteString(kSettingsKey, "EnabledDisks", "C:\r\nF:\r\n");
        settings.WriteString(kSettingsKey, "DisabledDisks", "A:\r\nD:\r\nE:\r\nN:\r\nZ:\r\n");
        // Shown from the last record to the first: "Plain", then "Record disk".
        settings.WriteString(kSettingsKey, "ToolsString",
                             "Record disk|C:\\users\\Public\\record-disk.bat| |TRUE||"
                             "Plain|C:\\users\\Public\\record-disk.bat| |FALSE||");
    }
    void TearDown() override {
        DeleteFileW(kTool);
        DeleteFileW(kRecord);
        DrivesTest::TearDown();
    }
    // Opens the pop-up menu over a row, then Tools, and runs the item at `position` of it.
    static void RunTool(const RemoteListView& list, int row, int position) {
        const RECT cell = list.CellRect(row, 0);
        Click(OnScreen(list.Handle(), {cell.left + 30, (cell.top + cell.bottom) / 2}), true);
        PressKey('T');
        for (int i = 0; i < position; ++i) PressKey(VK_DOWN);
        PressKey(VK_RETURN);
    }
    static std::string Recorded() {
        std::string text;
        WaitUntil([&] { return !(text = Trim(ReadWholeFile(kRecord).value_or(""))).empty(); }, 10000);
        return text;
    }
};

TEST_F(ToolsTest, AToolThatTakesTheDiskGetsTheOneUnderTheMouse) {
    settings.WriteInteger(kSettingsKey, "CloseVX", 0);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    ASSERT_EQ(list.RowCount(), 2);
    RunTool(list, 1, 1);
    EXPECT_EQ(Recorded(), "[F:]");
    EXPECT_TRUE(monitor.Running()) << "CloseVX is off";

    DeleteFileW(kRecord);
    RunTool(list, 0, 1);
    EXPECT_EQ(Recorded(), "[C:]");
}

TEST_F(ToolsTest, AToolWithoutTheDiskFlagStartsBareAndCloseVXEndsTheMonitor) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    RunTool(list, 0, 0);
    EXPECT_EQ(Recorded(), "[]");
    EXPECT_TRUE(monitor.WaitForExit(10000)) << "CloseVX is on by default";
}

}  // namespace
}  // namespace vx::e2e
