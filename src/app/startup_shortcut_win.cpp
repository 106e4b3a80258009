#include "app/startup_shortcut_win.h"

#include <windows.h>

#include "core/utf.h"
#include "platform/data_folder.h"
#include "platform/win/registry_win.h"

namespace vx {

std::wstring StartupShortcutPath() {
    WinRegistry user(Hive::CurrentUser);
    const std::string folder =
        ReadString(user, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Startup");
    if (folder.empty()) return {};
    return Widen(WithTrailingBackslash(folder) + "Brelling Vantorix.lnk");
}

bool StartupShortcutExists() {
    const std::wstring path = StartupShortcutPath();
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace vx
