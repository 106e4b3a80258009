#include "mainwindow/window_motion.h"

#include <algorithm>
#include <cstdlib>

namespace vx {

Box SnapToWorkArea(Box box, const Box& work, int margin) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (std::abs(box.left - work.left) < kSnapDistance) {
        box.left = work.left - margin;
        box.right = box.left + width;
    }
    if (std::abs(box.top - work.top) < kSnapDistance) {
        box.top = work.top - margin;
        box.bottom = box.top + height;
    }
    if (std::abs(box.right - work.right) < kSnapDistance) {
        box.right = work.right + margin;
        box.left = box.right - width;
    }
    if (std::abs(box.bottom - work.bottom) < kSnapDistance) {
        box.bottom = work.bottom + margin;
        box.top = box.bottom - height;
    }
    return box;
}

int FadeStep(int opacity) {
    // Clamped, so that 91 to 99 % and 0 % still fade and the fade always ends.
    const int level = std::clamp((100 - opacity) / 10, 1, 9);
    if (level <= 3) return 2;
    if (level <= 6) return 3;
    return 4;
}

bool StartFade(Fade& fade, int storedOpacity) {
    if (storedOpacity >= 100 || fade.running) return false;
    // A fade that is still falling rises again from where it is, without a jump down.
    fade.opacity = fade.timerOn ? std::max(fade.opacity, storedOpacity) : storedOpacity;
    fade.running = true;
    fade.timerOn = true;
    fade.step = FadeStep(storedOpacity);
    return true;
}

int FadeTick(Fade& fade, int storedOpacity, bool cursorInside) {
    if (!cursorInside) {
        fade.running = false;
        fade.step = -std::abs(fade.step);
    }
    fade.opacity = std::min(fade.opacity + fade.step, 100);
    if (fade.opacity < storedOpacity) {
        fade.opacity = storedOpacity;
        fade.timerOn = false;
    }
    return fade.opacity;
}

}  // namespace vx
