#include "mainwindow/click_through.h"

namespace vx {

uint32_t ContrastColour(uint32_t rgb) {
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        int v = static_cast<int>((rgb >> shift) & 0xFF);
        for (int round = 0; round < 3; ++round) v = v > 224 ? 255 - v : v + 30;
        result |= static_cast<uint32_t>(v) << shift;
    }
    return result;
}

Box ConfirmationPlace(const Box& work, int width, int height, const Box& main) {
    Box place{work.right - width, work.bottom - height, work.right, work.bottom};
    const auto inside = [&](int x, int y) {
        return x >= place.left && x < place.right && y >= place.top && y < place.bottom;
    };
    const bool covers = inside(main.left, main.top) || inside(main.right - 1, main.top) ||
                        inside(main.left, main.bottom - 1) || inside(main.right - 1, main.bottom - 1);
    if (!covers) return place;
    place.top = main.top > height + 20 ? main.top - height - 20 : main.bottom + 20;
    place.bottom = place.top + height;
    return place;
}

}  // namespace vx
