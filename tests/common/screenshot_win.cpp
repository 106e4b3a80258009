#include "screenshot_win.h"

#include <windows.h>

#include <algorithm>

#include "platform/win/files_win.h"

namespace vx::e2e {

namespace {
void SaveArea(const std::wstring& name, RECT area) {
    wchar_t folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"VX_SCREENSHOT_DIR", folder, MAX_PATH)) return;
    Sleep(300);  // let the last paint reach the screen
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((width * 3 + 3) / 4) * 4;
    const DWORD imageSize = stride * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    bytes.append(static_cast<const char*>(bits), imageSize);
    WriteWholeFile(std::wstring(folder) + L"\\" + name + L".bmp", bytes);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}
}  // namespace

void SaveScreenshot(const std::wstring& name) {
    SaveArea(name, {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

void SaveWindowScreenshot(const std::wstring& name, void* window) {
    RECT rect{};
    if (!GetWindowRect(static_cast<HWND>(window), &rect)) return;
    constexpr int kMargin = 8;
    SaveArea(name, {std::max<LONG>(rect.left - kMargin, 0), std::max<LONG>(rect.top - kMargin, 0),
                    std::min<LONG>(rect.right + kMargin, GetSystemMetrics(SM_CXSCREEN)),
                    std::min<LONG>(rect.bottom + kMargin, GetSystemMetrics(SM_CYSCREEN))});
}

}  // namespace vx::e2e
