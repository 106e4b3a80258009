#include "platform/win/paths_win.h"

#include <windows.h>
#include <shlobj.h>

#include "core/utf.h"
#include "platform/data_folder.h"
#include "platform/win/handles_win.h"

namespace vx {

std::wstring ExePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring ExeDirectory() {
    const std::wstring path = ExePath();
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring ExeDirectoryWithSlash() {
    return ExeDirectory() + L"\\";
}

bool CanCreateFileIn(const std::wstring& folder) {
    if (folder.empty()) return false;
    const std::wstring probe = folder + L"\\~vx" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    UniqueFile file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return static_cast<bool>(file);
}

std::wstring LocalAppDataFolder() {
    PWSTR path = nullptr;
    std::wstring result;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &path)) && path) {
        result = path;
    }
    CoTaskMemFree(path);
    return result;
}

bool CreateFolderPath(const std::wstring& folder) {
    if (folder.empty()) return false;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const size_t slash = folder.find_last_of(L'\\');
    if (slash != std::wstring::npos && slash > 0) CreateFolderPath(folder.substr(0, slash));
    return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::wstring DataFolder() {
    static const std::wstring folder = [] {
        const std::string chosen =
            ChooseDataFolder(Narrow(ExeDirectory()), Narrow(LocalAppDataFolder()),
                             [](const std::string& candidate) { return CanCreateFileIn(Widen(candidate)); });
        std::wstring wide = Widen(chosen);
        CreateFolderPath(wide);
        return wide;
    }();
    return folder;
}

}  // namespace vx
