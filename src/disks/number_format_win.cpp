#include "disks/number_format_win.h"

#include <windows.h>

#include "core/utf.h"

namespace vx {

NumberFormat UserNumberFormat() {
    NumberFormat format;
    wchar_t text[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8) > 0) format.decimal = Narrow(text);
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, text, 8) > 0) format.thousands = Narrow(text);
    return format;
}

}  // namespace vx
