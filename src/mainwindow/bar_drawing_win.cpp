#include "mainwindow/bar_drawing_win.h"

#include <algorithm>

#include "mainwindow/percent_bar.h"

namespace vx {

namespace {

void Gradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    TRIVERTEX vertices[2] = {
        {rect.left, rect.top, static_cast<COLOR16>(GetRValue(top) << 8),
         static_cast<COLOR16>(GetGValue(top) << 8), static_cast<COLOR16>(GetBValue(top) << 8), 0},
        {rect.right, rect.bottom, static_cast<COLOR16>(GetRValue(bottom) << 8),
         static_cast<COLOR16>(GetGValue(bottom) << 8), static_cast<COLOR16>(GetBValue(bottom) << 8), 0}};
    GRADIENT_RECT gradient{0, 1};
    GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_V);
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

}  // namespace

COLORREF ResolveColour(uint32_t colour) {
    return (colour & 0xFF000000u) == 0xFF000000u ? GetSysColor(static_cast<int>(colour & 0xFF)) : colour;
}

void DrawPercentBar(HDC dc, const RECT& r, COLORREF colour, int length) {
    Line(dc, r.left + 1, r.top, r.right - 1, r.top, RGB(212, 215, 217));
    Line(dc, r.left, r.top + 1, r.left, r.bottom - 1, RGB(212, 215, 217));
    Line(dc, r.left + 1, r.bottom - 1, r.right - 1, r.bottom - 1, RGB(171, 175, 176));
    Line(dc, r.right - 1, r.top + 1, r.right - 1, r.bottom - 1, RGB(171, 175, 176));
    RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    Gradient(dc, inner, RGB(228, 230, 231), RGB(246, 247, 248));
    if (length <= 0) return;
    const int h = inner.bottom - inner.top;
    const int k = LowerGradientHeight(h);
    const int right = std::min<int>(inner.left + length, inner.right);
    Gradient(dc, {inner.left, inner.top, right, inner.bottom - k}, Lighten(colour, 56), Lighten(colour, 37));
    Gradient(dc, {inner.left, inner.bottom - k, right, inner.bottom}, colour, Darken(colour, 30));
    const COLORREF edge = Darken(colour, 33);
    Line(dc, inner.left, inner.top - 1, right, inner.top - 1, edge);
    Line(dc, inner.left - 1, inner.top, inner.left - 1, inner.bottom, edge);
    Line(dc, inner.left, inner.bottom - 1, right, inner.bottom - 1, edge);
}

}  // namespace vx
