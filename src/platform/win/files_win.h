#pragma once
// Whole-file helpers over Win32 handles (Unicode paths, "\\?\" forms included).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// Opened for reading with read and write sharing; empty when the file cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);
// Creates or overwrites the file and writes every byte; false on any failure.
bool WriteWholeFile(const std::wstring& path, std::string_view bytes);
bool AppendToFile(const std::wstring& path, std::string_view bytes);
bool FileExists(const std::wstring& path);

}  // namespace vx
