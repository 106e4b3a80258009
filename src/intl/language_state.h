#pragma once
// The loaded language: its raw lines and the font values that its header set. The catalogue is
// published separately (intl/catalogue.h) so that other threads can read it.
#include <string>
#include <vector>

namespace vx {

struct LanguageFonts {
    int charset = 1;
    std::string face = "MS Sans Serif";
    int size = 0;
};

// The faces the system's own dialogs use, by Windows version: Segoe UI 9 from Vista on, Tahoma
// on XP and 2003, MS Sans Serif at the designed size before.
LanguageFonts DefaultLanguageFonts(bool ntFamily, unsigned major, unsigned minor);

struct LanguageState {
    std::vector<std::string> lines;  // of the file loaded last, decoded to UTF-8
    LanguageFonts fonts;
};

// The process's language, used on the main thread only.
LanguageState& CurrentLanguage();

}  // namespace vx
