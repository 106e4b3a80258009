#include "platform/data_folder.h"

namespace vx {

std::string WithTrailingBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

std::string WithoutTrailingBackslash(std::string folder) {
    // "C:\" keeps its backslash: without it, it would name the current folder of drive C:.
    while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

std::string ChooseDataFolder(const std::string& exeDirectory, const std::string& localAppData,
                             const std::function<bool(const std::string& folder)>& canCreateFileIn) {
    if (canCreateFileIn(exeDirectory) || localAppData.empty()) return exeDirectory;
    return WithTrailingBackslash(WithoutTrailingBackslash(localAppData)) + kUserDataSubfolder;
}

}  // namespace vx
