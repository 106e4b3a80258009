#include "platform/win/volumes_win.h"

#include <windows.h>
#include <shellapi.h>

#include "core/utf.h"

namespace vx {

namespace {

// The error mode of the process, switched for the duration of one call.
class QuietErrors {
public:
    QuietErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietErrors() { SetErrorMode(previous_); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    UINT previous_;
};

std::wstring WithBackslash(const std::string& root) {
    std::wstring wide = Widen(root);
    if (wide.empty() || wide.back() != L'\\') wide += L'\\';
    return wide;
}

}  // namespace

uint32_t WinVolumes::LogicalDrives() {
    return GetLogicalDrives();
}

VolumeType WinVolumes::DriveType(const std::string& root) {
    const UINT type = GetDriveTypeW(WithBackslash(root).c_str());
    return type <= 6 ? static_cast<VolumeType>(type) : VolumeType::Unknown;
}

std::optional<SpaceFigures> WinVolumes::FreeSpace(const std::string& root) {
    QuietErrors quiet;
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExW(WithBackslash(root).c_str(), &available, &total, &free)) return std::nullopt;
    return SpaceFigures{static_cast<int64_t>(available.QuadPart), static_cast<int64_t>(total.QuadPart),
                        static_cast<int64_t>(free.QuadPart)};
}

std::optional<std::string> WinVolumes::VolumeLabel(const std::string& root) {
    QuietErrors quiet;
    wchar_t label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(WithBackslash(root).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr,
                               nullptr, 0)) {
        return std::nullopt;
    }
    return Narrow(label);
}

std::optional<uint32_t> WinVolumes::VolumeSerial(const std::string& root) {
    QuietErrors quiet;
    DWORD serial = 0;
    if (!GetVolumeInformationW(WithBackslash(root).c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr,
                               0)) {
        return std::nullopt;
    }
    return serial;
}

std::string WinVolumes::ShellDisplayName(const std::string& path) {
    QuietErrors quiet;
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(WithBackslash(path).c_str(), 0, &info, sizeof(info), SHGFI_DISPLAYNAME)) return {};
    return Narrow(info.szDisplayName);
}

}  // namespace vx
