#pragma once
#include <string>

namespace vx {

inline constexpr const wchar_t* kLogPath = L"c:\\vx.log";

// Sends the trace to `primary`; when that file cannot be opened (a standard user may not create
// files in the root of C:), to `fallback`. Each line is one append-only open, write and close.
void InstallFileLog(const std::wstring& primary, const std::wstring& fallback);
// The fallback: "vx.log" in the user's temporary folder.
std::wstring FallbackLogPath();

}  // namespace vx
