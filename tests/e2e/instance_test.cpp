// Start-up and instance control of the real program.
#include "e2e_fixture.h"
#include "intl/catalogue.h"
#include "mainwindow/main_messages.h"

namespace vx::e2e {
namespace {

using InstanceTest = MonitorTest;

TEST_F(InstanceTest, FirstStartShowsTheWindowAtTheDefaultPlace) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RECT rect;
    ASSERT_TRUE(WaitUntil([&] {
        GetWindowRect(window, &rect);
        return rect.left == GetSystemMetrics(SM_CXSCREEN) - 370 && rect.top == 0;
    })) << rect.left
        << "," << rect.top;
    SaveScreenshot(L"main-window");
    // The first start is remembered at once, before any close.
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "OnceStarted"), 1);
    // The instance mutex is held for the whole run.
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"Global\\BC7BBDBB-ECE3-4B7D-960E-7F119CF34A84-VX");
    EXPECT_NE(mutex, nullptr);
    if (mutex) CloseHandle(mutex);
    // "VX.exe" can be started by name.
    WinRegistry machine(Hive::LocalMachine);
    const std::string appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VX.exe";
    const std::string program = ReadString(machine, appPaths, "");
    EXPECT_EQ(program.substr(program.size() - 7), "\\VX.exe");
    EXPECT_EQ(ReadString(machine, appPaths, "Path"), program.substr(0, program.size() - 6));
    EXPECT_TRUE(Close(window, monitor));
    EXPECT_EQ(monitor.ExitCode(), 0u);
    mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"Global\\BC7BBDBB-ECE3-4B7D-960E-7F119CF34A84-VX");
    EXPECT_EQ(mutex, nullptr) << "the mutex ends with the process";
    if (mutex) CloseHandle(mutex);
}

TEST_F(InstanceTest, SecondStartShowsTheRunningMonitorAndEnds) {
    settings.WriteInteger(kSettingsKey, "Visible", 0);
    Process first;
    HWND window = Start(first, L"", true);
    ASSERT_NE(window, nullptr);
    Sleep(500);
    EXPECT_FALSE(IsWindowVisible(window)) << "\"Visible\" = 0 starts the program hidden";

    Process second = LaunchMonitor();
    ASSERT_TRUE(second.Started());
    bool secondHadWindow = false;
    WaitUntil([&] {
        for (HWND w : MonitorWindows()) secondHadWindow |= WindowProcessId(w) == second.Id();
        return !second.Running();
    });
    ASSERT_TRUE(second.WaitForExit(0)) << "the second process must end";
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_FALSE(secondHadWindow);
    EXPECT_EQ(MonitorWindows(), std::vector<HWND>{window});
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, 5000));
    EXPECT_TRUE(first.Running());
}

TEST_F(InstanceTest, ResetWithYesDeletesEverySettingAndStartsFresh) {
    settings.WriteInteger(kSettingsKey, "ShowIn", 1);
    settings.WriteString(kSettingsKey, "Custom", "left by hand");
    settings.WriteInteger(std::string(kSettingsKey) + "\\Sub\\Deeper", "x", 1);
    Process old;
    HWND oldWindow = Start(old);
    ASSERT_NE(oldWindow, nullptr);

    Process reset = LaunchMonitor(L"/Reset");
    HWND box = WaitForMessageBox(reset.Id());
    ASSERT_NE(box, nullptr);
    // The running monitor was closed, with its settings saved, before the question.
    EXPECT_TRUE(old.WaitForExit(0));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowFree"), 1);
    EXPECT_EQ(MessageBoxText(box), L"Do you want to reset Vantorix settings?");
    SaveScreenshot(L"reset-question");
    ClickDialogButton(box, IDYES);

    HWND fresh = WaitForVisibleMonitorWindow(reset.Id());
    ASSERT_NE(fresh, nullptr);
    // Only what the new start writes itself is there.
    EXPECT_EQ(settings.ValueNames(kSettingsKey), std::vector<std::string>{"OnceStarted"});
    EXPECT_TRUE(settings.SubKeyNames(kSettingsKey).empty());
    ASSERT_TRUE(Close(fresh, reset));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowIn"), 3);
    EXPECT_FALSE(ValueExists(settings, kSettingsKey, "Custom"));
    ExpectEveryValueAtItsDefault();
}

TEST_F(InstanceTest, ResetWithNoStillClosesTheRunningMonitor) {
    Process old;
    ASSERT_NE(Start(old), nullptr);
    settings.WriteString(kSettingsKey, "Custom", "kept");
    Process reset = LaunchMonitor(L"/Reset");
    HWND box = WaitForMessageBox(reset.Id());
    ASSERT_NE(box, nullptr);
    ClickDialogButton(box, IDNO);
    ASSERT_TRUE(reset.WaitForExit(15000));
    EXPECT_TRUE(old.WaitForExit(0));
    EXPECT_TRUE(MonitorWindows().empty());
    EXPECT_EQ(ReadString(settings, kSettingsKey, "Custom"), "kept");
}

TEST_F(InstanceTest, ResetWithoutARunningMonitorAsksAllTheSame) {
    settings.WriteInteger(kSettingsKey, "ShowIn", 0);
    Process reset = LaunchMonitor(L"/Reset");
    HWND box = WaitForMessageBox(reset.Id());
    ASSERT_NE(box, nullptr);
    ClickDialogButton(box, IDNO);
    ASSERT_TRUE(reset.WaitForExit(15000));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowIn"), 0);
}

TEST_F(InstanceTest, RestartDoesNotSaveOnTheWayOut) {
    Process old;
    HWND window = Start(old);
    ASSERT_NE(window, nullptr);
    // As after "Reset all Options": the key is gone and must stay gone.
    settings.DeleteKeyTree(kSettingsKey);
    PostMessageW(window, UM_RESTART, 0, 0);
    ASSERT_TRUE(old.WaitForExit(15000));
    EXPECT_FALSE(ValueExists(settings, kSettingsKey, "ShowFree"));

    HWND restarted = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        auto windows = MonitorWindows();
        restarted = windows.empty() ? nullptr : windows.front();
        return restarted && IsWindowVisible(restarted);
    }));
    EXPECT_NE(WindowProcessId(restarted), old.Id());
    PostMessageW(restarted, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([] { return MonitorWindows().empty(); }));
}

TEST_F(InstanceTest, RecreateWindowKeepsOneVisibleMonitor) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, UM_RECREATE_WINDOW, 0, 0);
    HWND recreated = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        auto windows = MonitorWindows();
        recreated = windows.size() == 1 && windows.front() != window ? windows.front() : nullptr;
        return recreated && IsWindowVisible(recreated);
    }));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(monitor.Running());
    EXPECT_TRUE(Close(recreated, monitor));
}

TEST_F(InstanceTest, EndSessionSavesWhateverItsParameters) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(ValueExists(settings, kSettingsKey, "ShowFree"));
    SendMessageW(window, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowFree"), 1);
    settings.DeleteKeyTree(kSettingsKey);
    SendMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowFree"), 1);
}

TEST_F(InstanceTest, CloseInstanceMessageClosesAndSaves) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, UM_CLOSE_INSTANCE, 0, 0);
    ASSERT_TRUE(monitor.WaitForExit(15000));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Visible"), 1);
}

}  // namespace
}  // namespace vx::e2e
