#pragma once
// Line and list texts as the settings store them.
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Splits at CR LF, LF or CR; a line break at the very end does not start an empty last line.
std::vector<std::string> SplitLines(std::string_view text);
// Every line followed by CR LF, the last one too; empty for no lines.
std::string JoinLinesTerminated(const std::vector<std::string>& lines);
// Lines separated by CR LF, with nothing after the last one.
std::string JoinLinesSeparated(const std::vector<std::string>& lines);

// Comma text: items separated by commas or blanks (control characters count as blanks);
// an item in double quotes may hold both, with "" standing for one quote.
std::vector<std::string> ParseCommaText(std::string_view text);
std::string FormatCommaText(const std::vector<std::string>& items);

// Without leading and trailing blanks and control characters.
std::string Trim(std::string_view text);

// ASCII case folding, as registry and switch comparisons need.
std::string AsciiLower(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

}  // namespace vx
