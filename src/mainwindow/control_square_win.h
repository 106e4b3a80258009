#pragma once
// The control square of click-through mode (TCtrlForm): a small blinking tool window at the main
// window's bottom-right corner that moves the window, opens its menu and takes double-clicks,
// since clicks on the window itself go to the windows beneath.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/win/handles_win.h"

namespace vx {

class ControlSquare {
public:
    // `snap` places the main window's proposed rectangle; `margin` is the square's inset.
    ControlSquare(HWND main, uint32_t stickerColour, bool topmost, int margin,
                  std::function<RECT(RECT)> snap);
    ~ControlSquare();
    ControlSquare(const ControlSquare&) = delete;
    ControlSquare& operator=(const ControlSquare&) = delete;

    HWND Handle() const { return window_.get(); }
    // At the main window's bottom-right corner; shown when the main window is.
    void Place();
    void SetTopmost(bool topmost);
    // Blinks for as long as this is on (while the confirmation is open), then for five ticks.
    void SetBlinking(bool blinking);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void MoveMainWith(RECT& square);

    HWND main_;
    uint32_t colour_;
    int margin_;
    std::function<RECT(RECT)> snap_;
    UniqueHwnd window_;
    int blinkTicks_ = 5;
    bool blinking_ = false;
    bool faint_ = true;
};

}  // namespace vx
