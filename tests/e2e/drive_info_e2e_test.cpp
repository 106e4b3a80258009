// The drive information dialog as the user opens it from the list, and its copy command.
#include <algorithm>

#include "core/utf.h"
#include "drive_fixture.h"
#include "user_input.h"

namespace vx::e2e {
namespace {

class DriveInfoTest : public DrivesTest {
protected:
    void SetUp() override {
        DrivesTest::SetUp();
        settings.WriteInteger(kSettingsKey, "Left", 0);
        settings.WriteInteger(kSettingsKey, "Top", 0);
        settings.WriteString(kSettingsKey, "FoldersList", "C:\\users");
        settings.WriteString(kSettingsKey, "EnabledDisks", "C:\r\n");
        settings.WriteString(kSettingsKey, "DisabledDisks", "A:\r\nD:\r\nE:\r\nF:\r\nN:\r\nZ:\r\n");
    }
    // Double-clicks a row of the drive list and waits for the dialog.
    static HWND OpenFor(const RemoteListView& list, int row) {
        const RECT cell = list.CellRect(row, 0);
        DoubleClick(OnScreen(list.Handle(), {cell.left + 30, (cell.top + cell.bottom) / 2}));
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = FindWindowW(L"TdlgInfo", nullptr)) && IsWindowVisible(dialog); }, 5000);
        return dialog;
    }
    static std::wstring Clipboard() {
        std::wstring text;
        if (!OpenClipboard(nullptr)) return text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
};

TEST_F(DriveInfoTest, AFolderRowOpensTheFolderWithItsFigures) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    ASSERT_EQ(list.RowCount(), 2);

    HWND dialog = OpenFor(list, 1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), L"C:\\users Drive information");
    RemoteListView facts(ListViewIn(dialog));
    ASSERT_EQ(facts.RowCount(), 10);
    EXPECT_EQ(facts.Text(0, 1), L"C:\\users");
    // The folder's record came along: its sizes are there.
    for (int row = 1; row <= 4; ++row) {
        EXPECT_NE(facts.Text(row, 1), L"") << row;
        EXPECT_NE(facts.Text(row, 1).find(L" Gb"), std::wstring::npos) << row;
    }
    ASSERT_TRUE(BringToFront(dialog));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([] { return FindWindowW(L"TdlgInfo", nullptr) == nullptr || !IsWindowVisible(FindWindowW(L"TdlgInfo", nullptr)); }, 5000));
}

TEST_F(DriveInfoTest, TheFactsOfADriveAndTwoRowsCopied) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    HWND dialog = OpenFor(list, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), L"C: Drive information");
    RemoteListView facts(ListViewIn(dialog));
    ASSERT_EQ(facts.RowCount(), 10);

    wchar_t label[256] = {}, fileSystem[256] = {};
    DWORD serial = 0, longest = 0, flags = 0;
    ASSERT_TRUE(GetVolumeInformationW(L"C:\\", label, 255, &serial, &longest, &flags, fileSystem, 255));
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    ASSERT_TRUE(GetDiskFreeSpaceW(L"C:\\", &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters));
    wchar_t serialText[16];
    swprintf(serialText, 16, L"%04X%04X", serial >> 16, serial & 0xFFFF);
    const std::vector<std::pair<std::wstring, std::wstring>> expected = {
        {L"Drive name", L"C:"},
        {L"Volume label", label},
        {L"Serial number", serialText},
        {L"File system", fileSystem},
        {L"Bytes per sector", std::to_wstring(bytesPerSector)},
        {L"Sectors per cluster", std::to_wstring(sectorsPerCluster)}};
    const int rows[] = {0, 5, 6, 7, 8, 9};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(facts.Text(rows[i], 0), expected[i].first);
        EXPECT_EQ(facts.Text(rows[i], 1), expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(facts.Text(1, 0), L"Capacity");
    SaveWindowScreenshot(L"drive-information", dialog);

    // Rows 0 and 7 chosen with the mouse, the second with Ctrl held, then Ctrl+C.
    const RECT first = facts.CellRect(0, 0);
    const RECT seventh = facts.CellRect(7, 0);
    Click(OnScreen(facts.Handle(), {first.left + 10, (first.top + first.bottom) / 2}));
    PressKey('C', {VK_CONTROL});
    EXPECT_TRUE(WaitUntil([&] { return Clipboard() == L"Drive name\tC:\r\n"; }, 3000)) << Narrow(Clipboard());
    ClickWith(OnScreen(facts.Handle(), {seventh.left + 10, (seventh.top + seventh.bottom) / 2}), VK_CONTROL);
    PressKey('C', {VK_CONTROL});
    EXPECT_TRUE(WaitUntil([&] { return Clipboard() == L"Drive name\tC:\r\nFile system\t" + std::wstring(fileSystem) + L"\r\n"; },
                          3000))
        << Narrow(Clipboard());
    // Select all from the keyboard: every row.
    PressKey('A', {VK_CONTROL});
    PressKey('C', {VK_CONTROL});
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::wstring text = Clipboard();
            return std::count(text.begin(), text.end(), L'\n') == 10;
        },
        3000))
        << Narrow(Clipboard());

    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([] { return FindWindowW(L"TdlgInfo", nullptr) == nullptr || !IsWindowVisible(FindWindowW(L"TdlgInfo", nullptr)); }, 5000));
    ASSERT_TRUE(Close(window, monitor));
}

}  // namespace
}  // namespace vx::e2e
