#include "ui/font_win.h"

#include "core/utf.h"

namespace vx {

UniqueFont CreatePointFont(const std::string& face, int points, int charset, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(points, static_cast<int>(dpi), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = static_cast<BYTE>(charset);
    font.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring wide = Widen(face);
    wcsncpy(font.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace vx
