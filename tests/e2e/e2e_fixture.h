#pragma once
#include <gtest/gtest.h>

#include "monitor_driver.h"
#include "platform/registry.h"
#include "platform/win/registry_win.h"

namespace vx::e2e {

// Every test starts with no monitor running, no settings and no log file.
class MonitorTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAllMonitors();
        settings.DeleteKeyTree(kSettingsKey);
        DeleteFileW(L"c:\\vx.log");
    }
    void TearDown() override {
        CloseAllMonitors();
        settings.DeleteKeyTree(kSettingsKey);
        DeleteFileW(L"c:\\vx.log");
    }
    // Starts a monitor and waits for its window (visible unless `hidden`).
    HWND Start(Process& process, const std::wstring& arguments = L"", bool hidden = false) {
        process = LaunchMonitor(arguments);
        if (!process.Started()) return nullptr;
        return hidden ? WaitForMonitorWindow(process.Id()) : WaitForVisibleMonitorWindow(process.Id());
    }
    // Closes a monitor as the user does and waits for its process to end.
    static bool Close(HWND window, const Process& process) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return process.WaitForExit(15000);
    }
    // What a close writes after a start with no settings at all.
    void ExpectEveryValueAtItsDefault();
    WinRegistry settings{Hive::CurrentUser};
};

}  // namespace vx::e2e
