#include "intl/language_lists_win.h"

#include <windows.h>

#include <algorithm>

#include "core/text.h"
#include "core/utf.h"
#include "intl/language_file.h"
#include "intl/language_win.h"
#include "platform/data_folder.h"
#include "platform/win/files_win.h"

namespace vx {

namespace {

// Names of the normal files matching the pattern in the folder, as found.
std::vector<std::wstring> FilesMatching(const std::wstring& folder, const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\" + pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

std::wstring Folder(const std::wstring& folder) {
    return Widen(WithoutTrailingBackslash(Narrow(folder)));
}

}  // namespace

std::vector<LanguageItem> OptionsLanguageItems(const std::wstring& folder, const std::string& currentLanguage,
                                               int& selected) {
    std::vector<LanguageItem> items;
    const std::wstring base = Folder(folder);
    for (const auto& name : FilesMatching(base, L"*.int")) {
        const auto bytes = ReadWholeFile(base + L"\\" + name);
        if (!bytes) continue;
        const auto lines = DecodeLanguageFile(*bytes, 1, SystemAnsiCodePage(), DecodeSingleByte);
        if (auto display = LanguageDisplayName(lines)) items.push_back({*display, Narrow(name)});
    }
    std::stable_sort(items.begin(), items.end(), [](const LanguageItem& a, const LanguageItem& b) {
        return AsciiLower(a.displayName) < AsciiLower(b.displayName);
    });
    selected = items.empty() ? -1 : 0;
    for (size_t i = 0; i < items.size(); ++i) {
        if (EqualsIgnoreCase(items[i].fileName, currentLanguage)) selected = static_cast<int>(i);
    }
    return items;
}

std::vector<std::string> ListLanguageFiles(const std::wstring& folder) {
    std::vector<LanguageFileInfo> files;
    const std::wstring base = Folder(folder);
    for (const auto& name : FilesMatching(base, L"VX_*.int")) {
        const auto bytes = ReadWholeFile(base + L"\\" + name);
        if (!bytes) continue;
        const auto value =
            LookupLanguageText(*bytes, "Intl File 4.0", "Language", SystemAnsiCodePage(), DecodeSingleByte);
        files.push_back({Narrow(name), value.value_or("")});
    }
    return BuildLanguageList(files);
}

std::string LanguageFileForLocale(const std::wstring& folder, const std::string& currentLanguage,
                                  const std::vector<std::string>& languageList) {
    const std::wstring base = Folder(folder);
    const bool currentExists = !currentLanguage.empty() && FileExists(base + L"\\" + Widen(currentLanguage));
    std::optional<std::string> code;
    wchar_t iso[16] = {};
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SISO639LANGNAME, iso, 16) > 0) code = Narrow(iso);
    return LanguageForLocale(currentLanguage, currentExists, code, FileExists(L"VX_src.int"), languageList);
}

int BuildTutorialPages(const std::wstring& folder, const std::string& languageFile) {
    const std::wstring base = Folder(folder);
    const auto language =
        ReadWholeFile(base + L"\\" + Widen(languageFile.empty() ? "vx_en.int" : languageFile));
    const std::string languageBytes = language.value_or("");
    int written = 0;
    for (const auto& name : FilesMatching(base + L"\\Tutorial\\Template", L"*.htm")) {
        try {
            const auto templateText = ReadWholeFile(base + L"\\Tutorial\\Template\\" + name);
            if (!templateText) continue;
            const std::string section = Narrow(name);
            const std::string page = ExpandTutorialTemplate(*templateText, [&](const std::string& key) {
                return LookupLanguageText(languageBytes, section, key, SystemAnsiCodePage(),
                                          DecodeSingleByte);
            });
            const std::wstring target = base + L"\\Tutorial\\" + name;
            DeleteFileW(target.c_str());
            if (WriteWholeFile(target, page)) ++written;
        } catch (...) {
            // One broken template does not keep the others from being written.
        }
    }
    return written;
}

}  // namespace vx
