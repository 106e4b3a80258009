#include "app/shortcut.h"

#include <array>

#include "core/text.h"

namespace vx {

namespace {

struct NamedKey {
    uint8_t key;
    const char* name;
};

// Keys with a fixed name; letters, digits and function keys are named by rule below.
constexpr std::array<NamedKey, 37> kNamedKeys{{
    {0x08, "BkSp"},  {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},   {0x20, "Space"}, {0x21, "PgUp"},
    {0x22, "PgDn"},  {0x23, "End"},   {0x24, "Home"},  {0x25, "Left"},  {0x26, "Up"},    {0x27, "Right"},
    {0x28, "Down"},  {0x2D, "Ins"},   {0x2E, "Del"},   {0x60, "Num 0"}, {0x61, "Num 1"}, {0x62, "Num 2"},
    {0x63, "Num 3"}, {0x64, "Num 4"}, {0x65, "Num 5"}, {0x66, "Num 6"}, {0x67, "Num 7"}, {0x68, "Num 8"},
    {0x69, "Num 9"}, {0x6A, "Num *"}, {0x6B, "Num +"}, {0x6D, "Num -"}, {0x6E, "Num ."}, {0x6F, "Num /"},
    {0xBA, ";"},     {0xBB, "="},     {0xBC, ","},     {0xBD, "-"},     {0xBE, "."},     {0xBF, "/"},
    {0xC0, "`"},
}};

std::string KeyName(uint8_t key) {
    if (key >= '0' && key <= '9') return std::string(1, static_cast<char>(key));
    if (key >= 'A' && key <= 'Z') return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x87) {
        std::string name(1, 'F');
        name += std::to_string(key - 0x6F);
        return name;
    }
    switch (key) {
        case 0xDB:
            return "[";
        case 0xDC:
            return "\\";
        case 0xDD:
            return "]";
        case 0xDE:
            return "'";
        default:
            break;
    }
    for (const auto& named : kNamedKeys) {
        if (named.key == key) return named.name;
    }
    return {};
}

}  // namespace

std::string ShortCutToText(ShortCut shortCut) {
    const std::string name = KeyName(ShortCutKey(shortCut));
    if (name.empty()) return {};
    std::string text;
    if (shortCut & kShortCutShift) text += "Shift+";
    if (shortCut & kShortCutCtrl) text += "Ctrl+";
    if (shortCut & kShortCutAlt) text += "Alt+";
    text += name;
    return text;
}

ShortCut TextToShortCut(std::string_view text) {
    ShortCut modifiers = 0;
    for (;;) {
        // A lone "+" after the prefixes is the name of no key here; "Num +" is handled by the lookup.
        if (StartsWithIgnoreCase(text, "Shift+") && text.size() > 6) {
            modifiers |= kShortCutShift;
            text.remove_prefix(6);
        } else if (StartsWithIgnoreCase(text, "Ctrl+") && text.size() > 5) {
            modifiers |= kShortCutCtrl;
            text.remove_prefix(5);
        } else if (StartsWithIgnoreCase(text, "Alt+") && text.size() > 4) {
            modifiers |= kShortCutAlt;
            text.remove_prefix(4);
        } else {
            break;
        }
    }
    if (text.empty()) return kNoShortCut;
    for (int key = 0x08; key <= 0xFF; ++key) {
        const std::string name = KeyName(static_cast<uint8_t>(key));
        if (!name.empty() && EqualsIgnoreCase(name, text))
            return MakeShortCut(static_cast<uint8_t>(key), modifiers);
    }
    return kNoShortCut;
}

}  // namespace vx
