#include "intl/language_file.h"

#include <algorithm>

#include "core/text.h"
#include "core/utf.h"
#include "intl/translator.h"

namespace vx {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

// The raw value of a key by INI rules, from lines that are still bytes.
std::optional<std::string> IniValue(const std::vector<std::string>& lines, std::string_view section,
                                    std::string_view key) {
    bool inSection = false;
    for (const auto& raw : lines) {
        const std::string_view line = TrimBlanks(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            inSection = EqualsIgnoreCase(
                line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1), section);
            continue;
        }
        if (!inSection) continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        if (EqualsIgnoreCase(TrimBlanks(line.substr(0, equals)), key)) {
            return std::string(TrimBlanks(line.substr(equals + 1)));
        }
    }
    return std::nullopt;
}

}  // namespace

int CodePageForCharset(int charset, int ansiCodePage) {
    switch (charset) {
        case 0:
            return 1252;
        case 128:
            return 932;
        case 129:
            return 949;
        case 134:
            return 936;
        case 136:
            return 950;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 163:
            return 1258;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 222:
            return 874;
        case 238:
            return 1250;
        default:
            return ansiCodePage;
    }
}

int HeaderCharset(const std::vector<std::string>& rawLines, int previous) {
    LanguageFonts fonts;
    fonts.charset = previous;
    for (size_t i = 0; i < rawLines.size(); ++i) {
        const std::string& line = rawLines[i];
        if (line.empty() || static_cast<unsigned char>(line[0]) <= ' ' || line[0] == '#' || line[0] == ';')
            continue;
        if (line.compare(0, 10, "[Intl File") == 0) {
            ++i;
            continue;
        }
        if (line[0] == '[') break;  // the header ends at the first section
        const SplitLine split = SplitTranslationLine(line);
        long long number = 0;
        if (split.valid && split.property.empty() && split.name == "Charset") {
            fonts.charset = ParseWholeNumber(split.value, number) && number >= 0 && number <= 255
                                ? static_cast<int>(number)
                                : 1;
        }
    }
    return fonts.charset;
}

std::vector<std::string> DecodeLanguageFile(std::string_view bytes, int previousCharset, int ansiCodePage,
                                            const SingleByteDecoder& decode) {
    if (bytes.substr(0, 3) == kUtf8Bom) {
        bytes.remove_prefix(3);
        // Invalid sequences become U+FFFD rather than breaking the lines around them.
        return SplitLines(Narrow(Widen(bytes)));
    }
    std::vector<std::string> raw = SplitLines(bytes);
    const int codePage = CodePageForCharset(HeaderCharset(raw, previousCharset), ansiCodePage);
    for (auto& line : raw) line = decode(line, codePage);
    return raw;
}

std::optional<std::string> LookupLanguageText(std::string_view fileBytes, std::string_view section,
                                              std::string_view key, int ansiCodePage,
                                              const SingleByteDecoder& decode) {
    const bool bom = fileBytes.substr(0, 3) == kUtf8Bom;
    if (bom) fileBytes.remove_prefix(3);
    const std::vector<std::string> lines = SplitLines(fileBytes);
    auto value = IniValue(lines, section, key);
    if (!value) return std::nullopt;
    const auto format = IniValue(lines, "Intl File 4.0", "Format");
    if (bom || (format && EqualsIgnoreCase(*format, "UTF8"))) return Narrow(Widen(*value));
    return decode(*value, CodePageForCharset(HeaderCharset(lines, 1), ansiCodePage));
}

std::optional<std::string> LanguageDisplayName(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        if (StartsWithIgnoreCase(line, "language=")) return line.substr(9);
    }
    return std::nullopt;
}

std::vector<std::string> BuildLanguageList(const std::vector<LanguageFileInfo>& files) {
    std::vector<std::string> list;
    for (const auto& file : files) {
        if (file.languageValue.empty() || file.languageValue == "&") continue;
        std::string name = file.languageValue;
        name.erase(std::remove(name.begin(), name.end(), '&'), name.end());
        std::string line = name + "=" + file.fileName;
        auto pos = std::lower_bound(list.begin(), list.end(), line, [](const auto& a, const auto& b) {
            return AsciiLower(a) < AsciiLower(b);
        });
        if (pos != list.end() && EqualsIgnoreCase(*pos, line)) continue;
        list.insert(pos, std::move(line));
    }
    if (list.empty()) list.emplace_back("English=VX_en.int");
    return list;
}

std::string LanguageForLocale(const std::string& currentLanguage, bool currentLanguageFileExists,
                              std::optional<std::string> isoCode, bool serbianCyrillicFileExists,
                              const std::vector<std::string>& languageList) {
    if (!currentLanguage.empty() && currentLanguageFileExists) return AsciiLower(currentLanguage);
    if (!isoCode) return "vx_en.int";
    std::string code = AsciiLower(*isoCode);
    if (code == "sr" && serbianCyrillicFileExists) code = "src";
    const std::string candidate = "VX_" + code + ".int";
    for (const auto& line : languageList) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos && EqualsIgnoreCase(line.substr(equals + 1), candidate)) {
            return AsciiLower(candidate);
        }
    }
    return "vx_en.int";
}

std::string ExpandTutorialTemplate(
    std::string_view text, const std::function<std::optional<std::string>(const std::string& key)>& value) {
    std::string out;
    size_t copied = 0;
    size_t pos = 0;
    while (pos + 1 < text.size()) {
        if (text[pos] != '%' || (text[pos + 1] != 's' && text[pos + 1] != 'S')) {
            ++pos;
            continue;
        }
        size_t digits = 0;
        while (pos + 2 + digits < text.size() && text[pos + 2 + digits] >= '0' &&
               text[pos + 2 + digits] <= '9')
            ++digits;
        if (digits < 1 || digits > 3) {
            pos += 2;  // not a placeholder; it stays in the text
            continue;
        }
        out.append(text.substr(copied, pos - copied));
        const std::string key(text.substr(pos, 2 + digits));
        out += value(key).value_or("No string. Please check localization file");
        pos += 2 + digits;
        copied = pos;
    }
    out.append(text.substr(copied));
    return out;
}

}  // namespace vx
