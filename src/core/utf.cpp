#include "core/utf.h"

#include <cstdint>

namespace vx {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at text[pos]; advances pos. Returns kReplacement for bad input.
char32_t DecodeUtf8(std::string_view text, size_t& pos) {
    const auto lead = static_cast<uint8_t>(text[pos++]);
    if (lead < 0x80) return lead;
    int extra;
    char32_t cp;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return kReplacement;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size()) return kReplacement;
        const auto next = static_cast<uint8_t>(text[pos]);
        if ((next & 0xC0) != 0x80) return kReplacement;
        cp = (cp << 6) | (next & 0x3F);
        ++pos;
    }
    // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
        return kReplacement;
    }
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = DecodeUtf8(utf8, pos);
        if constexpr (sizeof(wchar_t) == 2) {
            if (cp >= 0x10000) {
                out += static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
                out += static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
                continue;
            }
        }
        out += static_cast<wchar_t>(cp);
    }
    return out;
}

std::string Narrow(std::wstring_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = static_cast<char32_t>(utf16[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
                utf16[i + 1] <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(utf16[i + 1]) - 0xDC00);
                ++i;
            } else if (cp >= 0xD800 && cp <= 0xDFFF) {
                cp = kReplacement;
            }
        } else if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            cp = kReplacement;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    size_t pos = 0;
    while (pos < bytes.size()) {
        const size_t start = pos;
        if (DecodeUtf8(bytes, pos) == kReplacement) {
            // A literal U+FFFD (EF BF BD) is valid; anything else that decoded to it is not.
            if (pos - start != 3 || bytes.substr(start, 3) != "\xEF\xBF\xBD") return false;
        }
    }
    return true;
}

}  // namespace vx
