#pragma once
// The program's own folders.
#include <string>

namespace vx {

// Full path of the running program file ("\\?\" paths included).
std::wstring ExePath();
// The program folder, without and with a trailing backslash.
std::wstring ExeDirectory();
std::wstring ExeDirectoryWithSlash();
// Whether a new file can be created in the folder (tried with a file that deletes itself).
bool CanCreateFileIn(const std::wstring& folder);
// %LOCALAPPDATA%; empty when the system does not say.
std::wstring LocalAppDataFolder();
// The data folder, created when needed; the same answer for the life of the process.
std::wstring DataFolder();
// Creates every folder of the path; true when it exists afterwards.
bool CreateFolderPath(const std::wstring& folder);

}  // namespace vx
