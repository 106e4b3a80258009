#pragma once
// The shortcut in the user's Startup folder that starts the program at logon.
#include <string>

namespace vx {

// "Brelling Vantorix.lnk" in the folder named by the "Startup" value of the user's Shell Folders
// key; empty when that value is missing.
std::wstring StartupShortcutPath();
bool StartupShortcutExists();

}  // namespace vx
