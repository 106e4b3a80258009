#pragma once
#include <cstdint>

namespace vx {

// The layered window's alpha for an opacity in percent: round(opacity x 2.55), halves to even,
// computed in whole numbers so that 50 % gives 128 on every compiler.
inline uint8_t OpacityToAlpha(int percent) {
    if (percent <= 0) return 0;
    if (percent >= 100) return 255;
    const int scaled = percent * 255;
    int alpha = scaled / 100;
    const int remainder = scaled % 100;
    if (remainder > 50 || (remainder == 50 && alpha % 2 == 1)) ++alpha;
    return static_cast<uint8_t>(alpha);
}

}  // namespace vx
