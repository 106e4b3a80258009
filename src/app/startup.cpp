#include "app/startup.h"

#include "core/text.h"

namespace vx {

bool Arguments::Has(std::string_view switchText) const {
    for (const auto& item : items) {
        if (EqualsIgnoreCase(item, switchText)) return true;
    }
    return false;
}

bool IsResetSwitch(std::string_view firstArgument) {
    return firstArgument == "/Reset";
}
bool IsIntlSwitch(std::string_view firstArgument) {
    return firstArgument == "/INTL";
}

Role ChooseRole(bool archiveAppended, const Arguments& arguments) {
    if (archiveAppended) return Role::Installer;
    if (arguments.Has("/UnInstall")) return Role::Uninstaller;
    return Role::Monitor;
}

std::string LanguageFileFor(std::string_view storedName) {
    return storedName.empty() ? std::string(kDefaultLanguageFile) : std::string(storedName);
}

}  // namespace vx
