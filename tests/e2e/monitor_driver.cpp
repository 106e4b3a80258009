#include "monitor_driver.h"

#include "platform/win/files_win.h"
#include "platform/win/paths_win.h"

namespace vx::e2e {

Process::~Process() {
    Close();
}

void Process::Close() {
    if (info_.hProcess) {
        if (Running()) TerminateProcess(info_.hProcess, 99);
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    info_ = {};
}

Process::Process(Process&& other) noexcept : info_(other.info_) {
    other.info_ = {};
}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Close();
        info_ = other.info_;
        other.info_ = {};
    }
    return *this;
}

bool Process::WaitForExit(DWORD milliseconds) const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

Process LaunchMonitor(const std::wstring& arguments) {
    const std::wstring program = ExeDirectoryWithSlash() + L"VX.exe";
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return Process();
    }
    return Process(info);
}

DWORD WindowProcessId(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

std::vector<HWND> MonitorWindows() {
    std::vector<HWND> windows;
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"TMainForm", L"Vantorix")) != nullptr)
        windows.push_back(window);
    return windows;
}

namespace {
HWND WaitForWindowOf(DWORD processId, DWORD milliseconds, bool mustBeVisible) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : MonitorWindows()) {
                if (WindowProcessId(window) == processId && (!mustBeVisible || IsWindowVisible(window))) {
                    found = window;
                }
            }
            return found != nullptr;
        },
        milliseconds);
    return found;
}
}  // namespace

HWND WaitForMainWindowOfClass(DWORD processId, DWORD milliseconds) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            HWND window = nullptr;
            while ((window = FindWindowExW(nullptr, window, L"TMainForm", nullptr)) != nullptr) {
                if (WindowProcessId(window) == processId && IsWindowVisible(window)) found = window;
            }
            return found != nullptr;
        },
        milliseconds);
    return found;
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

HWND WaitForMonitorWindow(DWORD processId, DWORD milliseconds) {
    return WaitForWindowOf(processId, milliseconds, false);
}

HWND WaitForVisibleMonitorWindow(DWORD processId, DWORD milliseconds) {
    return WaitForWindowOf(processId, milliseconds, true);
}

namespace {
struct BoxSearch {
    DWORD processId;
    HWND found;
};
BOOL CALLBACK FindBox(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<BoxSearch*>(parameter);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (WindowProcessId(window) == search->processId && std::wstring(className) == L"#32770" &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND WaitForMessageBox(DWORD processId, DWORD milliseconds) {
    BoxSearch search{processId, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        milliseconds);
    return search.found;
}

std::wstring MessageBoxText(HWND box) {
    // The text of a message box is its static control with the id 0xFFFF.
    HWND text = GetDlgItem(box, 0xFFFF);
    if (!text) return {};
    wchar_t buffer[2048] = {};
    SendMessageW(text, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

void ClickDialogButton(HWND box, int id) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

void CloseAllMonitors() {
    for (HWND window : MonitorWindows()) {
        const DWORD id = WindowProcessId(window);
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (process) {
            if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 98);
            CloseHandle(process);
        }
    }
}

}  // namespace vx::e2e
