#include "app/log_win.h"

#include <windows.h>

#include <memory>
#include <mutex>

#include "app/log.h"
#include "core/utf.h"
#include "platform/win/handles_win.h"

namespace vx {

namespace {

// FILE_APPEND_DATA without FILE_WRITE_DATA: every write lands at the end of the file, so the
// lines of two threads (or two processes) never overwrite each other.
UniqueFile OpenForAppend(const std::wstring& path) {
    return UniqueFile(CreateFileW(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

// The log is plain text in the system's ANSI code page.
std::string ToAnsi(std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string ansi(size > 0 ? size : 0, '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr,
                            nullptr);
    }
    return ansi;
}

}  // namespace

std::wstring FallbackLogPath() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    std::wstring folder = length > 0 && length <= MAX_PATH ? std::wstring(buffer, length) : L".\\";
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder + L"vx.log";
}

void InstallFileLog(const std::wstring& primary, const std::wstring& fallback) {
    LogSink sink;
    sink.now = [] {
        SYSTEMTIME local;
        GetLocalTime(&local);
        return ClockTime{local.wHour, local.wMinute, local.wSecond};
    };
    // Appending is atomic on Windows, not under every emulation of it; the process's own threads
    // also take turns, so that none of their lines can be lost to another's.
    auto turn = std::make_shared<std::mutex>();
    sink.append = [primary, fallback, turn](std::string_view line) {
        std::lock_guard lock(*turn);
        UniqueFile file = OpenForAppend(primary);
        if (!file) file = OpenForAppend(fallback);
        if (!file) return;
        const std::string bytes = ToAnsi(line);
        DWORD written = 0;
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    };
    InstallLog(std::move(sink));
}

}  // namespace vx
