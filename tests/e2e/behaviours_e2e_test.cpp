// The window's behaviours as the user meets them: stay on top, transparency, hide to tray, hot keys.
#include "drive_fixture.h"
#include "mainwindow/main_messages.h"
#include "user_input.h"

namespace vx::e2e {
namespace {

class BehavioursTest : public DrivesTest {
protected:
    void SetUp() override {
        DrivesTest::SetUp();
        settings.WriteInteger(kSettingsKey, "Left", 0);
        settings.WriteInteger(kSettingsKey, "Top", 0);
    }
    static bool Topmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    static bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }
    static void FocusList(HWND window) {
        RemoteListView list(ListViewIn(window));
        Click(OnScreen(list.Handle(), {20, 30}));
        BringToFront(window);
    }
};

TEST_F(BehavioursTest, StayOnTopAndTransparencyFromTheMenusAreKept) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Topmost(window); }, 3000)) << "Stay on top is on by default";
    FocusList(window);
    PressKey('V', {VK_MENU});
    PressKey('S');  // Stay on top
    EXPECT_TRUE(WaitUntil([&] { return !Topmost(window); }, 3000));

    // Transparency, 50 %, from the pop-up menu.
    Click(OnScreen(ListViewIn(window), {20, 30}), true);
    PressKey('P');
    for (int i = 0; i < 5; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    // Away from the window, which brightens while the mouse is over it.
    Click({900, 900});
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(WaitUntil(
        [&] { return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) && alpha == 128; }, 3000))
        << int(alpha);

    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "StayOnTop"), 0);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Transparency"), 50);
}

TEST_F(BehavioursTest, HideToTrayByMessageMinimiseAndHotKey) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, UM_TOGGLE_TRAY, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !Visible(window); }, 3000));
    PostMessageW(window, UM_TOGGLE_TRAY, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return Visible(window); }, 3000));

    // Minimising hides to the tray.
    PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !Visible(window); }, 3000));

    // Ctrl+F11, the default hot key, brings it back from anywhere.
    PressKey(VK_F11, {VK_CONTROL});
    EXPECT_TRUE(WaitUntil([&] { return Visible(window); }, 3000));
    // A hidden monitor closed from outside saves itself as hidden.
    PressKey(VK_F11, {VK_CONTROL});
    ASSERT_TRUE(WaitUntil([&] { return !Visible(window); }, 3000));
    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Visible"), 0);
}

TEST_F(BehavioursTest, AHotKeyTakenByAnotherProgramIsReportedOnceAndSavedAsNone) {
    // This process holds Ctrl+F12, the default Stay-on-top hot key.
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL, VK_F12));
    Process monitor = LaunchMonitor();
    HWND box = WaitForMessageBox(monitor.Id());
    UnregisterHotKey(nullptr, 7);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              L"Cannot register hotkey combination. Please use Vantorix Options dialog, General tab to define the new "
              L"unique combination. The old one is: Ctrl+F12");
    ClickDialogButton(box, IDOK);
    HWND window = WaitForVisibleMonitorWindow(monitor.Id());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WaitForMessageBox(monitor.Id(), 500), nullptr) << "reported once";
    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadString(settings, kSettingsKey, "StayOnTopShortCut"), "");
    EXPECT_EQ(ReadString(settings, kSettingsKey, "HideToTrayShortCut"), "Ctrl+F11");

    // The next start has nothing to report.
    window = Start(monitor);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WaitForMessageBox(monitor.Id(), 500), nullptr);
}

TEST_F(BehavioursTest, ADraggedWindowSnapsToAnEdgeWithin20Pixels) {
    settings.WriteInteger(kSettingsKey, "Left", 200);
    settings.WriteInteger(kSettingsKey, "Top", 200);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    const auto left = [&] {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect.left;
    };
    const auto dragCaptionBy = [&](int dx) {
        RECT rect{};
        GetWindowRect(window, &rect);
        const POINT caption{rect.left + 80, rect.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2};
        Drag(caption, {caption.x + dx, caption.y});
    };
    dragCaptionBy(15 - left());
    EXPECT_TRUE(WaitUntil([&] { return left() == 0; }, 3000)) << "at 15 pixels it snaps; left is " << left();
    dragCaptionBy(25 - left());
    EXPECT_TRUE(WaitUntil([&] { return left() == 25; }, 3000)) << "at 25 pixels it stays; left is " << left();
}

TEST_F(BehavioursTest, ATranslucentWindowBrightensUnderTheMouseAndFadesBack) {
    settings.WriteInteger(kSettingsKey, "Transparency", 70);
    SetCursorPos(900, 900);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    const auto alpha = [&] {
        BYTE value = 0;
        DWORD flags = 0;
        GetLayeredWindowAttributes(window, nullptr, &value, &flags);
        return static_cast<int>(value);
    };
    EXPECT_EQ(alpha(), 178);  // round(70 x 2.55)
    RECT rect{};
    GetWindowRect(window, &rect);
    for (int i = 0; i < 5; ++i) {
        SetCursorPos(rect.left + 40 + i * 10, rect.top + 80);
        Sleep(20);
    }
    EXPECT_TRUE(WaitUntil([&] { return alpha() == 255; }, 3000)) << alpha();
    SetCursorPos(900, 900);
    EXPECT_TRUE(WaitUntil([&] { return alpha() == 178; }, 3000)) << alpha();
}

}  // namespace
}  // namespace vx::e2e
