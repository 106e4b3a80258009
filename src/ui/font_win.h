#pragma once
// Fonts of windows and controls, created for a DPI.
#include <windows.h>

#include <string>

#include "platform/win/handles_win.h"

namespace vx {

struct FontTraits {
    static HFONT Invalid() { return nullptr; }
    static void Close(HFONT font) { DeleteObject(font); }
};
using UniqueFont = UniqueWin<HFONT, FontTraits>;

// A font of `points` at `dpi`, in the given character set.
UniqueFont CreatePointFont(const std::string& face, int points, int charset, UINT dpi);

}  // namespace vx
