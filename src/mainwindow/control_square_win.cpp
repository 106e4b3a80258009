#include "mainwindow/control_square_win.h"

#include "mainwindow/click_through.h"
#include "mainwindow/main_messages.h"

namespace vx {

namespace {
constexpr wchar_t kClassName[] = L"TCtrlForm";
constexpr UINT_PTR kBlinkTimer = 1;
constexpr UINT UM_REDRAW_SQUARE = kWmUser + 25;  // 1049
constexpr BYTE kFaintAlpha = 96;
}  // namespace

ControlSquare::ControlSquare(HWND main, uint32_t stickerColour, bool topmost, int margin,
                             std::function<RECT(RECT)> snap)
    : main_(main), colour_(stickerColour & 0xFFFFFF), margin_(margin), snap_(std::move(snap)) {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &ControlSquare::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_SIZEALL);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
    const int size = MulDiv(kControlSquareSize, static_cast<int>(GetDpiForWindow(main) ? GetDpiForWindow(main) : 96), 96);
    window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_LAYERED | (topmost ? WS_EX_TOPMOST : 0), kClassName, L"",
                                  WS_POPUP, 0, 0, size, size, main, nullptr, GetModuleHandleW(nullptr), this));
    if (!window_) return;
    SetLayeredWindowAttributes(window_.get(), 0, kFaintAlpha, LWA_ALPHA);
    SetTimer(window_.get(), kBlinkTimer, 300, nullptr);
    Place();
}

ControlSquare::~ControlSquare() = default;

void ControlSquare::Place() {
    if (!window_) return;
    RECT main{}, square{};
    GetWindowRect(main_, &main);
    GetWindowRect(window_.get(), &square);
    const int size = square.right - square.left;
    SetWindowPos(window_.get(), nullptr, main.right - margin_ - size, main.bottom - margin_ - size, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_.get(), IsWindowVisible(main_) ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void ControlSquare::SetTopmost(bool topmost) {
    SetWindowPos(window_.get(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ControlSquare::SetBlinking(bool blinking) {
    blinking_ = blinking;
    if (!blinking) blinkTicks_ = 5;
    SetTimer(window_.get(), kBlinkTimer, 300, nullptr);
}

LRESULT CALLBACK ControlSquare::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* square = reinterpret_cast<ControlSquare*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    // Until the window is fully made, the default handling is all it needs.
    if (!square || !square->window_) return DefWindowProcW(hwnd, message, wParam, lParam);
    return square->OnMessage(message, wParam, lParam);
}

// The main window follows the square, snapped to the edges, and the square keeps its corner.
void ControlSquare::MoveMainWith(RECT& square) {
    RECT main{};
    GetWindowRect(main_, &main);
    const int width = main.right - main.left;
    const int height = main.bottom - main.top;
    const int size = square.right - square.left;
    RECT placed{square.right + margin_ - width, square.bottom + margin_ - height, square.right + margin_,
                square.bottom + margin_};
    placed = snap_ ? snap_(placed) : placed;
    SetWindowPos(main_, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    square = {placed.right - margin_ - size, placed.bottom - margin_ - size, placed.right - margin_,
              placed.bottom - margin_};
}

LRESULT ControlSquare::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = window_.get();
    switch (message) {
        case WM_NCHITTEST:
            // The whole square moves like a caption; the right button gets the client's messages.
            return (GetAsyncKeyState(VK_RBUTTON) & 0x8000) ? HTCLIENT : HTCAPTION;
        case WM_RBUTTONUP: {
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(hwnd, &at);
            SetForegroundWindow(main_);
            SendMessageW(main_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(at.x, at.y));
            return 0;
        }
        case WM_MOVING:
            MoveMainWith(*reinterpret_cast<RECT*>(lParam));
            return TRUE;
        case WM_MOVE:
            SendMessageW(main_, WM_MOVE, 0, 0);
            return 0;
        case WM_NCRBUTTONUP:
        case WM_CONTEXTMENU:
            // The main window's menu, which takes the keys only when its window is in front.
            SetForegroundWindow(main_);
            SendMessageW(main_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), lParam);
            return 0;
        case WM_NCLBUTTONDBLCLK:
            PostMessageW(main_, WM_NCLBUTTONDBLCLK, 0, 0);
            return 0;
        case WM_TIMER:
            if (wParam == kBlinkTimer) {
                faint_ = !faint_;
                if (!blinking_ && --blinkTicks_ <= 0) {
                    faint_ = true;
                    KillTimer(hwnd, kBlinkTimer);
                }
                SetLayeredWindowAttributes(hwnd, 0, faint_ ? kFaintAlpha : 255, LWA_ALPHA);
            }
            return 0;
        case UM_REDRAW_SQUARE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void ControlSquare::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_.get(), &paint);
    // Drawn at 13 x 13 and stretched to the square's size at this DPI.
    HDC memory = CreateCompatibleDC(dc);
    UniqueBitmap bitmap(CreateCompatibleBitmap(dc, kControlSquareSize, kControlSquareSize));
    HGDIOBJ previousBitmap = SelectObject(memory, bitmap.get());
    HBRUSH fill = CreateSolidBrush(colour_);
    HPEN pen = CreatePen(PS_SOLID, 1, ContrastColour(colour_));
    HGDIOBJ previousBrush = SelectObject(memory, fill);
    HGDIOBJ previousPen = SelectObject(memory, pen);
    Rectangle(memory, 0, 0, kControlSquareSize, kControlSquareSize);
    const int lines[][4] = {{6, 2, 6, 11}, {5, 3, 8, 3}, {5, 9, 8, 9}, {2, 6, 11, 6}, {3, 5, 3, 8}, {9, 5, 9, 8}};
    for (const auto& line : lines) {
        MoveToEx(memory, line[0], line[1], nullptr);
        LineTo(memory, line[2], line[3]);
    }
    RECT client{};
    GetClientRect(window_.get(), &client);
    StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, kControlSquareSize, kControlSquareSize, SRCCOPY);
    SelectObject(memory, previousPen);
    SelectObject(memory, previousBrush);
    SelectObject(memory, previousBitmap);
    DeleteObject(pen);
    DeleteObject(fill);
    DeleteDC(memory);
    EndPaint(window_.get(), &paint);
}

}  // namespace vx
