#pragma once
#include <string>
#include <string_view>

namespace vx {

inline constexpr int kCatalogueSize = 182;

// One built-in English entry; empty outside 0 to 181.
std::string_view DefaultCatalogueEntry(int index);
// All 182 entries, separated by CR LF: the [Strings] section of vx_en.int.
const std::string& DefaultCatalogueText();

}  // namespace vx
