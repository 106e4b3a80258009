#pragma once
// One icon in the notification area: its picture, tooltip and the window that hears its clicks.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace vx {

class TrayIcon {
public:
    // Clicks arrive at `window` as `callbackMessage` with the icon's id in wParam and the mouse
    // message in lParam.
    TrayIcon(HWND window, UINT id, UINT callbackMessage);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Shows the icon, or updates it when it is shown already; false when the shell refused.
    bool Show(HICON icon, const std::string& tooltip);
    void Hide();
    bool Visible() const { return visible_; }
    UINT Id() const { return id_; }
    // After Explorer restarts ("TaskbarCreated"), the icon must be added again.
    bool Restore();

private:
    NOTIFYICONDATAW Data(HICON icon, const std::string& tooltip) const;
    HWND window_;
    UINT id_;
    UINT callbackMessage_;
    bool visible_ = false;
    HICON icon_ = nullptr;
    std::string tooltip_;
};

}  // namespace vx
