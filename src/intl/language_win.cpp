#include "intl/language_win.h"

#include <windows.h>

#include "core/utf.h"
#include "intl/application_components.h"
#include "intl/language_state.h"
#include "intl/translator.h"
#include "platform/win/files_win.h"
#include "platform/win/paths_win.h"
#include "platform/win/version_win.h"

namespace vx {

namespace {

bool IsBareName(const std::wstring& name) {
    return name.find_first_of(L"\\/:") == std::wstring::npos;
}

std::wstring ResolveLanguageFile(const std::wstring& fileName) {
    if (!IsBareName(fileName)) return fileName;
    const std::wstring inData = DataFolder() + L"\\" + fileName;
    if (FileExists(inData)) return inData;
    return ExeDirectoryWithSlash() + fileName;
}

}  // namespace

int SystemAnsiCodePage() {
    return static_cast<int>(GetACP());
}

std::string DecodeSingleByte(std::string_view bytes, int codePage) {
    if (bytes.empty()) return {};
    int size = MultiByteToWideChar(static_cast<UINT>(codePage), 0, bytes.data(),
                                   static_cast<int>(bytes.size()), nullptr, 0);
    UINT used = static_cast<UINT>(codePage);
    if (size <= 0) {
        // A code page the system does not have: read the text in the ANSI code page.
        used = CP_ACP;
        size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        if (size <= 0) return std::string(bytes);
    }
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(used, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
    return Narrow(wide);
}

void InitLanguageFonts() {
    const WindowsVersion version = RealWindowsVersion();
    CurrentLanguage().fonts = DefaultLanguageFonts(version.ntFamily, version.major, version.minor);
}

bool LoadLanguageFile(const std::wstring& fileName) {
    try {
        const auto bytes = ReadWholeFile(ResolveLanguageFile(fileName));
        if (!bytes) return false;
        LanguageState& language = CurrentLanguage();
        language.lines =
            DecodeLanguageFile(*bytes, language.fonts.charset, SystemAnsiCodePage(), DecodeSingleByte);
        TranslateForm(language.lines, language.fonts, AllApplicationComponents(), nullptr);
        return true;
    } catch (...) {
        return false;
    }
}

void TranslateWindow(Component& window) {
    try {
        LanguageState& language = CurrentLanguage();
        TranslateForm(language.lines, language.fonts, AllApplicationComponents(), &window);
    } catch (...) {
    }
}

}  // namespace vx
