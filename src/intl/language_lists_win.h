#pragma once
// The language files of a folder, as the options dialog and the install wizard list them, and
// the tutorial pages built from the current language file.
#include <string>
#include <vector>

namespace vx {

struct LanguageItem {
    std::string displayName;
    std::string fileName;
};

// Every "*.int" file with a "language=" line, sorted by display name without regard to case;
// `selected` is the item of `currentLanguage`, else 0, or -1 for an empty list.
std::vector<LanguageItem> OptionsLanguageItems(const std::wstring& folder, const std::string& currentLanguage,
                                               int& selected);

// "Name=VX_xx.int" lines of the install wizard; "English=VX_en.int" when the folder has none.
std::vector<std::string> ListLanguageFiles(const std::wstring& folder);

// The file preselected for the system's default locale (lower case).
std::string LanguageFileForLocale(const std::wstring& folder, const std::string& currentLanguage,
                                  const std::vector<std::string>& languageList);

// Writes folder\Tutorial\*.htm from folder\Tutorial\Template\*.htm with the texts of the language
// file `languageFile` (in folder); returns how many pages were written.
int BuildTutorialPages(const std::wstring& folder, const std::string& languageFile);

}  // namespace vx
