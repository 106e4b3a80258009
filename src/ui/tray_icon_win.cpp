#include "ui/tray_icon_win.h"

#include <shellapi.h>

#include "core/utf.h"

namespace vx {

TrayIcon::TrayIcon(HWND window, UINT id, UINT callbackMessage)
    : window_(window), id_(id), callbackMessage_(callbackMessage) {}

TrayIcon::~TrayIcon() {
    Hide();
}

NOTIFYICONDATAW TrayIcon::Data(HICON icon, const std::string& tooltip) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = id_;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon;
    const std::wstring tip = Widen(tooltip);
    wcsncpy(data.szTip, tip.c_str(), ARRAYSIZE(data.szTip) - 1);
    return data;
}

bool TrayIcon::Show(HICON icon, const std::string& tooltip) {
    icon_ = icon;
    tooltip_ = tooltip;
    NOTIFYICONDATAW data = Data(icon, tooltip);
    if (visible_ && Shell_NotifyIconW(NIM_MODIFY, &data)) return true;
    visible_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    return visible_;
}

void TrayIcon::Hide() {
    if (!visible_) return;
    NOTIFYICONDATAW data = Data(nullptr, "");
    data.uFlags = 0;
    Shell_NotifyIconW(NIM_DELETE, &data);
    visible_ = false;
}

bool TrayIcon::Restore() {
    if (!visible_) return false;
    visible_ = false;
    return Show(icon_, tooltip_);
}

}  // namespace vx
