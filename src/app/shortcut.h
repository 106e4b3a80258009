#pragma once
// Keyboard shortcuts as 16-bit codes: the virtual-key code in the low byte, modifier bits above.
// Their text form is "Shift+", "Ctrl+", "Alt+" (in that order) and the key's name, e.g. "Ctrl+F12".
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

using ShortCut = uint16_t;

inline constexpr ShortCut kNoShortCut = 0;
inline constexpr ShortCut kShortCutShift = 0x2000;
inline constexpr ShortCut kShortCutCtrl = 0x4000;
inline constexpr ShortCut kShortCutAlt = 0x8000;

constexpr ShortCut MakeShortCut(uint8_t virtualKey, ShortCut modifiers) {
    return static_cast<ShortCut>(virtualKey | modifiers);
}
constexpr uint8_t ShortCutKey(ShortCut shortCut) {
    return static_cast<uint8_t>(shortCut & 0xFF);
}

// Empty for no shortcut and for a key that has no name.
std::string ShortCutToText(ShortCut shortCut);
// Prefixes in any order and case; text that names no key gives kNoShortCut.
ShortCut TextToShortCut(std::string_view text);

}  // namespace vx
