// The tray: one icon per chosen drive instead of the program's icon, and a click switching one.
#include "drive_fixture.h"
#include "user_input.h"

namespace vx::e2e {
namespace {

using TrayTest = DrivesTest;

// Wine shows the notification area as a window of its own when the desktop has none.
HWND TrayWindow() {
    return FindWindowW(nullptr, L"Wine System Tray");
}

TEST_F(TrayTest, DriveIconsReplaceTheProgramIconAndAClickSwitchesOne) {
    settings.WriteString(kSettingsKey, "TrayDisks", "C:0,E:1,X:0");
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    HWND tray = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (tray = TrayWindow()) && IsWindowVisible(tray); }, 5000)) << "no tray";
    Sleep(500);
    SaveWindowScreenshot(L"tray-drive-icons", tray);
    // Two icons side by side (C: in gigabytes, E: in percent) and nothing else.
    RECT client{};
    GetClientRect(tray, &client);
    const int slot = GetSystemMetrics(SM_CXSMICON) + 4;
    const auto pixel = [&](int x) {
        HDC dc = GetDC(tray);
        const COLORREF colour = GetPixel(dc, x, client.bottom / 2);
        ReleaseDC(tray, dc);
        return colour;
    };
    EXPECT_NE(pixel(slot / 2), RGB(255, 255, 255)) << "C:'s icon";
    EXPECT_NE(pixel(slot + slot / 2), RGB(255, 255, 255)) << "E:'s icon";
    EXPECT_EQ(pixel(2 * slot + slot / 2), RGB(255, 255, 255)) << "a third icon: the program's";

    // A click on C:'s icon switches it to the percentage.
    Click(OnScreen(tray, {slot / 2, client.bottom / 2}));
    Sleep(500);
    SaveWindowScreenshot(L"tray-drive-icons-switched", tray);
    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadString(settings, kSettingsKey, "TrayDisks"), "C:1,E:1") << "X: is not here: dropped";
}

TEST_F(TrayTest, WhenNoDriveIconCanBeMadeTheProgramIconIsThere) {
    // Started hidden, with only a missing drive chosen: the program's icon is the way back.
    settings.WriteString(kSettingsKey, "TrayDisks", "X:0");
    settings.WriteInteger(kSettingsKey, "Visible", 0);
    Process monitor;
    HWND window = Start(monitor, L"", true);
    ASSERT_NE(window, nullptr);
    HWND tray = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (tray = TrayWindow()) && IsWindowVisible(tray); }, 5000)) << "no tray";
    Sleep(300);
    RECT client{};
    GetClientRect(tray, &client);
    const int slot = GetSystemMetrics(SM_CXSMICON) + 4;
    HDC dc = GetDC(tray);
    const COLORREF first = GetPixel(dc, slot / 2, client.bottom / 2);
    ReleaseDC(tray, dc);
    EXPECT_NE(first, RGB(255, 255, 255)) << "no icon at all";
    // Its click shows the window.
    Click(OnScreen(tray, {slot / 2, client.bottom / 2}));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, 3000));
    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadString(settings, kSettingsKey, "TrayDisks"), "");
}

}  // namespace
}  // namespace vx::e2e
