#include "platform/win/version_win.h"

#include <windows.h>

namespace vx {

WindowsVersion RealWindowsVersion() {
    WindowsVersion version;
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                                           reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                                     : nullptr;
    if (rtlGetVersion && rtlGetVersion(&info) == 0) {
        version.major = info.dwMajorVersion;
        version.minor = info.dwMinorVersion;
        version.build = info.dwBuildNumber;
        version.ntFamily = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    }
    return version;
}

}  // namespace vx
