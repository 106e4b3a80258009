#pragma once
// Where the program writes its files at run time: the program folder when the process can
// create files in it, else a folder of the user's own (a standard user cannot write under
// Program Files).
#include <functional>
#include <string>

namespace vx {

inline constexpr const char* kUserDataSubfolder = "Brelling\\Vantorix";

// Folders are given and returned without a trailing backslash.
std::string ChooseDataFolder(const std::string& exeDirectory, const std::string& localAppData,
                             const std::function<bool(const std::string& folder)>& canCreateFileIn);

// "C:\\Dir" -> "C:\\Dir\\"; unchanged when the backslash is there already.
std::string WithTrailingBackslash(std::string folder);
std::string WithoutTrailingBackslash(std::string folder);

}  // namespace vx
