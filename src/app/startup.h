#pragma once
// The decisions of start-up that do not need the operating system.
#include <string>
#include <string_view>
#include <vector>

namespace vx {

enum class Role { Monitor, Installer, Uninstaller };

inline constexpr const char* kInstanceMutexName = "Global\\BC7BBDBB-ECE3-4B7D-960E-7F119CF34A84-VX";
inline constexpr const char* kDefaultLanguageFile = "vx_en.int";

// The program's arguments without the program path.
struct Arguments {
    std::vector<std::string> items;
    std::string First() const { return items.empty() ? std::string() : items.front(); }
    bool Has(std::string_view switchText) const;  // any position, any case
};

// Switches of the first argument, compared with case.
bool IsResetSwitch(std::string_view firstArgument);
bool IsIntlSwitch(std::string_view firstArgument);

Role ChooseRole(bool archiveAppended, const Arguments& arguments);

// The language file to load: the stored name, or the English file when none is stored.
std::string LanguageFileFor(std::string_view storedName);

}  // namespace vx
