#pragma once
// Drives the real VX.exe from outside, as a user and other programs do: processes, window
// messages, message boxes, the registry and screenshots.
#include <windows.h>

#include <string>
#include <vector>

#include "screenshot_win.h"

namespace vx::e2e {

class Process {
public:
    Process() = default;
    explicit Process(PROCESS_INFORMATION info) : info_(info) {}
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    // True when the process ended within the time.
    bool WaitForExit(DWORD milliseconds) const;
    bool Running() const { return !WaitForExit(0); }
    DWORD ExitCode() const;

private:
    void Close();
    PROCESS_INFORMATION info_{};
};

// Starts VX.exe (beside this test program) with the given arguments.
Process LaunchMonitor(const std::wstring& arguments = L"");

// Top-level windows of class "TMainForm" and caption "Vantorix", hidden ones included.
std::vector<HWND> MonitorWindows();
// The monitor window of a process, once it exists; null after the time.
HWND WaitForMonitorWindow(DWORD processId, DWORD milliseconds = 15000);
HWND WaitForVisibleMonitorWindow(DWORD processId, DWORD milliseconds = 15000);
DWORD WindowProcessId(HWND window);
// The main window of a process whatever its caption (a language file may have changed it).
HWND WaitForMainWindowOfClass(DWORD processId, DWORD milliseconds = 15000);
std::wstring WindowText(HWND window);

// A message box of the process, once it shows; null after the time.
HWND WaitForMessageBox(DWORD processId, DWORD milliseconds = 15000);
std::wstring MessageBoxText(HWND box);
void ClickDialogButton(HWND box, int id);

// Closes every running monitor the way a test must under Wine: posted, never sent.
void CloseAllMonitors();

// Waits until the condition holds; false after the time.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD milliseconds = 15000) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() > deadline) return false;
        Sleep(50);
    }
}

}  // namespace vx::e2e
