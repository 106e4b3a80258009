#pragma once
// Loading language files from disk, decoded with the system's code pages.
#include <string>

#include "intl/component.h"
#include "intl/language_file.h"

namespace vx {

// MultiByteToWideChar of a code page, as UTF-8.
std::string DecodeSingleByte(std::string_view bytes, int codePage);
int SystemAnsiCodePage();

// The default fonts for the running Windows version; once, before any window exists.
void InitLanguageFonts();

// A bare file name refers to the data folder, then to the program folder. When the file exists,
// its lines replace the loaded ones and every existing window and the catalogue are translated
// again. Returns whether a file was loaded; every error is swallowed.
bool LoadLanguageFile(const std::wstring& fileName);

// Translates one window right after it was created, with the lines loaded last.
void TranslateWindow(Component& window);

}  // namespace vx
