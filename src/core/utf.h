#pragma once
// UTF-8 inside the program, UTF-16 at the Win32 boundary.
#include <string>
#include <string_view>

namespace vx {

// Invalid UTF-8 sequences become U+FFFD; nothing is dropped silently.
std::wstring Widen(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Narrow(std::wstring_view utf16);
bool IsValidUtf8(std::string_view bytes);

}  // namespace vx
