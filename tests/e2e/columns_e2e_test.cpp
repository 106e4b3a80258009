// The columns of the drive list as the user changes them: menus, header clicks, border drags.
#include <algorithm>

#include "core/utf.h"
#include "drive_fixture.h"
#include "user_input.h"

namespace vx::e2e {
namespace {

class ColumnsTest : public DrivesTest {
protected:
    void SetUp() override {
        DrivesTest::SetUp();
        // On screen, whatever the width.
        settings.WriteInteger(kSettingsKey, "Left", 0);
        settings.WriteInteger(kSettingsKey, "Top", 0);
    }
    static std::vector<std::wstring> Captions(const RemoteListView& list) {
        std::vector<std::wstring> captions;
        for (int column = 0; column < list.ColumnCount(); ++column) captions.push_back(list.ColumnCaption(column));
        return captions;
    }
    static bool CaptionsBecome(const RemoteListView& list, const std::vector<std::wstring>& expected) {
        return WaitUntil([&] { return Captions(list) == expected; }, 3000);
    }
    static POINT HeaderCentre(const RemoteListView& list, int column) {
        const RECT item = list.HeaderItemRect(column);
        return OnScreen(list.Header(), {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    }
    static RECT WindowRect(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }
};

const std::vector<std::wstring> kDefaultCaptions = {L"Name", L"Capacity (Gb)", L"Free (Gb)", L"% Used"};

TEST_F(ColumnsTest, MenuCommandsToggleColumnsAndTheSettingsKeepThem) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    ASSERT_EQ(Captions(list), kDefaultCaptions);
    Click(OnScreen(list.Handle(), {20, 30}));
    ASSERT_TRUE(BringToFront(window));

    // View, Columns, Used from the main menu.
    PressKey('V', {VK_MENU});
    PressKey('C');
    PressKey('U');
    EXPECT_TRUE(CaptionsBecome(list, {L"Name", L"Capacity (Gb)", L"Used (Gb)", L"Free (Gb)", L"% Used"}));

    // Columns, Disk label from the pop-up menu of the list.
    Click(OnScreen(list.Handle(), {20, 30}), true);
    PressKey('C');
    PressKey('L');
    EXPECT_TRUE(
        CaptionsBecome(list, {L"Name", L"Disk label", L"Capacity (Gb)", L"Used (Gb)", L"Free (Gb)", L"% Used"}));

    // Again from the main menu: the check mark went with the setting, so Used goes away.
    PressKey('V', {VK_MENU});
    PressKey('C');
    PressKey('U');
    EXPECT_TRUE(CaptionsBecome(list, {L"Name", L"Disk label", L"Capacity (Gb)", L"Free (Gb)", L"% Used"}));

    // Alt+X is Exit: the window closes and saves.
    PressKey('X', {VK_MENU});
    ASSERT_TRUE(monitor.WaitForExit(10000));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowLabels"), 1);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowOccuped"), 0);
}

TEST_F(ColumnsTest, HeaderClicksTradeCapacityForUsedAndSwitchTheShare) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    ASSERT_EQ(Captions(list), kDefaultCaptions);

    Click(HeaderCentre(list, 1));  // Capacity, while Used is hidden
    EXPECT_TRUE(CaptionsBecome(list, {L"Name", L"Used (Gb)", L"Free (Gb)", L"% Used"}));
    Click(HeaderCentre(list, 1));  // Used, while Capacity is hidden
    EXPECT_TRUE(CaptionsBecome(list, kDefaultCaptions));
    Click(HeaderCentre(list, 2));  // Free: nothing
    Click(HeaderCentre(list, 0));  // Name: nothing
    Sleep(300);
    EXPECT_EQ(Captions(list), kDefaultCaptions);
    Click(HeaderCentre(list, 3));  // the percent column
    EXPECT_TRUE(CaptionsBecome(list, {L"Name", L"Capacity (Gb)", L"Free (Gb)", L"% Free"}));

    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowUsedPercents"), 0);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowTotal"), 1);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowOccuped"), 0);
}

TEST_F(ColumnsTest, ADraggedBorderIsStoredAndComesBackAtTheNextStart) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    const int before = list.ColumnWidth(0);
    const LONG windowBefore = WindowRect(window).right - WindowRect(window).left;
    ASSERT_GT(before, 0);
    // A width once computed is stored at the first save.
    const RECT name = list.HeaderItemRect(0);
    const POINT border = OnScreen(list.Header(), {name.right - 1, (name.top + name.bottom) / 2});
    Drag(border, {border.x + 40, border.y});
    ASSERT_TRUE(WaitUntil([&] { return list.ColumnWidth(0) != before; }, 3000)) << "the drag did not resize";
    const int dragged = list.ColumnWidth(0);
    EXPECT_NEAR(dragged, before + 40, 3);
    // The window follows the columns.
    EXPECT_TRUE(WaitUntil([&] { return WindowRect(window).right - WindowRect(window).left == windowBefore + (dragged - before); },
                          3000));
    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Column_0"), dragged);

    window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView again(ListViewIn(window));
    EXPECT_EQ(again.ColumnWidth(0), dragged);
}

TEST_F(ColumnsTest, AWindowAtTheRightEdgeOfItsMonitorStaysThereWhenColumnsChange) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    const int screenRight = GetSystemMetrics(SM_CXSCREEN);
    RECT rect = WindowRect(window);
    SetWindowPos(window, nullptr, screenRight - (rect.right - rect.left), 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(WaitUntil([&] { return WindowRect(window).right == screenRight; }, 3000));

    // As the user does: a click into the window, then the menu.
    Click(OnScreen(list.Handle(), {20, 30}));
    ASSERT_TRUE(BringToFront(window));
    PressKey('V', {VK_MENU});
    PressKey('C');
    PressKey('A');  // Available: wider
    ASSERT_TRUE(WaitUntil([&] { return list.ColumnCount() == 5; }, 3000));
    EXPECT_GT(WindowRect(window).right - WindowRect(window).left, rect.right - rect.left);
    EXPECT_EQ(WindowRect(window).right, screenRight);

    PressKey('V', {VK_MENU});
    PressKey('C');
    PressKey('A');  // and narrower again
    ASSERT_TRUE(WaitUntil([&] { return list.ColumnCount() == 4; }, 3000));
    EXPECT_EQ(WindowRect(window).right, screenRight);
}

}  // namespace
}  // namespace vx::e2e
