#pragma once
// How the main window moves and fades: the snap to the work area's edges while it is dragged,
// and the brightening while the mouse is over a translucent window.
namespace vx {

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

inline constexpr int kSnapDistance = 20;

// Each edge, in the order left, top, right, bottom, that lies less than 20 pixels from the
// work area's matching edge moves there (the window keeps its size), `margin` beyond it: with
// click-through on, the frame around the list may go past the edge.
Box SnapToWorkArea(Box proposed, const Box& workArea, int margin);

// The mouse-over fade: it starts at the stored opacity and rises in steps every 10 ms while the
// cursor is over the window, then falls back to the stored opacity and stops.
struct Fade {
    bool running = false;  // rising; false once the cursor has left
    bool timerOn = false;
    int opacity = 100;     // the fade's current opacity
    int step = 0;
};

// The step by level L = (100 - opacity) / 10, clamped to 1..9: 1-3 rise by 2, 4-6 by 3, 7-9 by 4.
int FadeStep(int opacity);
// Mouse movement over the window: true when a fade starts (the 10 ms timer must run).
bool StartFade(Fade& fade, int storedOpacity);
// One timer tick; returns the opacity to show. The timer stops when `fade.timerOn` turns false.
int FadeTick(Fade& fade, int storedOpacity, bool cursorInside);

}  // namespace vx
