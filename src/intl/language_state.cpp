#include "intl/language_state.h"

namespace vx {

LanguageFonts DefaultLanguageFonts(bool ntFamily, unsigned major, unsigned minor) {
    LanguageFonts fonts;
    if (ntFamily && major == 5 && minor >= 1) fonts.face = "Tahoma";
    if (ntFamily && major >= 6) {
        fonts.face = "Segoe UI";
        fonts.size = 9;
    }
    return fonts;
}

LanguageState& CurrentLanguage() {
    static LanguageState state;
    return state;
}

}  // namespace vx
