#pragma once
// A user's mouse and keyboard, through the system's input queue.
#include <windows.h>

#include <initializer_list>

namespace vx::e2e {

// Brings the window to the front so that keys reach it.
bool BringToFront(HWND window);
void Click(POINT screen, bool right = false);
void DoubleClick(POINT screen);
// A left click with a modifier key held down (VK_CONTROL, VK_SHIFT).
void ClickWith(POINT screen, WORD modifier);
// Presses the left button at `from`, moves in steps to `to` and releases it there.
void Drag(POINT from, POINT to);
// Presses and releases a key, with modifier keys held down around it.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// A point of a child window's client area, in screen coordinates.
POINT OnScreen(HWND window, POINT client);

}  // namespace vx::e2e
