#pragma once
// Reading language files: decoding by their character set, INI-style lookups, the lists of
// available languages and the tutorial pages.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Turns single-byte text of a code page into UTF-8 (MultiByteToWideChar on Windows).
using SingleByteDecoder = std::function<std::string(std::string_view bytes, int codePage)>;

// The code page of a font character set; 1 and unknown sets mean the system's ANSI code page.
int CodePageForCharset(int charset, int ansiCodePage);

// The charset that a file's header sets, read by the rules of the reading pass (the line after
// the header line is never read); `previous` when the header sets none.
int HeaderCharset(const std::vector<std::string>& rawLines, int previous);

// The lines of a language file in UTF-8: after a UTF-8 byte-order mark as UTF-8, otherwise in
// the code page of the file's own Charset (or of `previousCharset`).
std::vector<std::string> DecodeLanguageFile(std::string_view bytes, int previousCharset, int ansiCodePage,
                                            const SingleByteDecoder& decode);

// One value by INI-file rules: section and key names without regard to case, blanks around the
// value removed. With "Format=UTF8" in the header section the raw value is UTF-8; otherwise it is
// decoded from the file's character set.
std::optional<std::string> LookupLanguageText(std::string_view fileBytes, std::string_view section,
                                              std::string_view key, int ansiCodePage,
                                              const SingleByteDecoder& decode);

// The display name of an options-list entry: the rest of the first line beginning with
// "language=" (any case); empty when there is none.
std::optional<std::string> LanguageDisplayName(const std::vector<std::string>& lines);

// One line of the install wizard's list: "English=VX_en.int". Files whose Language value is
// empty or "&" are passed over; "&" is removed from the others.
struct LanguageFileInfo {
    std::string fileName;
    std::string languageValue;  // the Language key of section "Intl File 4.0"
};
std::vector<std::string> BuildLanguageList(const std::vector<LanguageFileInfo>& files);

// The file the install wizard preselects: the stored language when its file exists, else the
// file of the locale's ISO 639 code when the list names it, else "vx_en.int"; lower case.
std::string LanguageForLocale(const std::string& currentLanguage, bool currentLanguageFileExists,
                              std::optional<std::string> isoCode, bool serbianCyrillicFileExists,
                              const std::vector<std::string>& languageList);

// A tutorial page: every "%s" (any case) followed by one to three digits is replaced by the value
// of that key ("%s12"), or by "No string. Please check localization file" when there is none.
std::string ExpandTutorialTemplate(
    std::string_view templateText,
    const std::function<std::optional<std::string>(const std::string& key)>& value);

}  // namespace vx
