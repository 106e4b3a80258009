#include "mainwindow/main_form_component_win.h"

#include "core/utf.h"

namespace vx {

namespace {
constexpr int kDesignedPoints = 8;
}

MainFormComponent::MainFormComponent(std::function<HWND()> handle) : handle_(std::move(handle)) {}

std::string MainFormComponent::GetText(TextProperty property) const {
    return property == TextProperty::Caption ? Narrow(caption_) : std::string();
}

void MainFormComponent::SetText(TextProperty property, const std::string& value) {
    if (property != TextProperty::Caption) return;
    caption_ = Widen(value);
    if (HWND hwnd = handle_()) SetWindowTextW(hwnd, caption_.c_str());
}

void MainFormComponent::ApplyFont(const FontChange& font) {
    fontChange_.charset = font.charset;
    fontChange_.face = font.face;
    if (font.size > 0) fontChange_.size = font.size;
    HWND hwnd = handle_();
    const UINT dpi = hwnd ? GetDpiForWindow(hwnd) : GetDpiForSystem();
    font_ = CreatePointFont(fontChange_.face, fontChange_.size > 0 ? fontChange_.size : kDesignedPoints,
                            fontChange_.charset, dpi);
    if (hwnd) InvalidateRect(hwnd, nullptr, TRUE);
}

}  // namespace vx
