#include "user_input.h"

#include <vector>

namespace vx::e2e {

namespace {

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(30);
}

void MoveTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Sleep(30);
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(30);
}

}  // namespace

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    for (int i = 0; i < 40 && GetForegroundWindow() != window; ++i) Sleep(25);
    return GetForegroundWindow() == window;
}

void Click(POINT screen, bool right) {
    MoveTo(screen);
    SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void ClickWith(POINT screen, WORD modifier) {
    MoveTo(screen);
    SendKey(modifier, false);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    SendKey(modifier, true);
}

void DoubleClick(POINT screen) {
    MoveTo(screen);
    for (int i = 0; i < 2; ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    }
}

void Drag(POINT from, POINT to) {
    MoveTo(from);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        MoveTo({from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    for (WORD modifier : modifiers) SendKey(modifier, false);
    SendKey(key, false);
    SendKey(key, true);
    std::vector<WORD> held(modifiers);
    for (auto it = held.rbegin(); it != held.rend(); ++it) SendKey(*it, true);
}

POINT OnScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

}  // namespace vx::e2e
