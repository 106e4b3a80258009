#pragma once
// The percent bar as both looks draw it: frame, grey gradient background, two-part coloured bar.
#include <windows.h>

#include <cstdint>

namespace vx {

// System colours (0xFF in the high byte) become their RGB value.
COLORREF ResolveColour(uint32_t colour);
// The bar in the rectangle, `length` pixels of it in `colour`.
void DrawPercentBar(HDC dc, const RECT& rect, COLORREF colour, int length);

}  // namespace vx
