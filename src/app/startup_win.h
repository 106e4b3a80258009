#pragma once
#include <string>

#include "app/startup.h"

namespace vx {

// The program's arguments as the system passed them.
Arguments ProcessArguments();
// Whether the program file carries an appended install archive.
bool ProgramCarriesArchive(const std::wstring& programPath);
// The whole start-up: instance control, roles, the main window and its message loop.
int RunProgram();

}  // namespace vx
