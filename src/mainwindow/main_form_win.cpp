#include "mainwindow/main_form_win.h"

#include "app/log.h"
#include "core/utf.h"
#include "intl/application_components.h"
#include "intl/catalogue.h"
#include "intl/language_win.h"
#include "intl/language_writer.h"
#include "mainwindow/main_messages.h"
#include "mainwindow/opacity.h"
#include "app/startup_shortcut_win.h"
#include "platform/win/files_win.h"
#include "platform/win/paths_win.h"
#include "platform/win/registry_win.h"

namespace vx {

namespace {

constexpr wchar_t kClassName[] = L"TMainForm";
constexpr int kInitialWidth = 360;  // at 96 DPI; the drive list sizes the window once it exists
constexpr int kInitialHeight = 160;
constexpr char kAppPathsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VX.exe";

bool RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, kClassName, &wc)) return true;
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS | CS_DROPSHADOW;
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window in CreateHandle
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

int Scale(int pixels96, UINT dpi) {
    return MulDiv(pixels96, static_cast<int>(dpi), 96);
}

}  // namespace

TMainForm::TMainForm(Registry& settings, bool writeLanguageFile)
    : settings_(settings), writeLanguageFile_(writeLanguageFile), component_([this] { return hwnd_; }) {}

TMainForm::~TMainForm() {
    UnregisterApplicationComponent(&component_);
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

HWND TMainForm::CreateHandle() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterWindowClass(instance)) return nullptr;
    DWORD exStyle = WS_EX_LAYERED;
    // The topmost style comes straight from the stored value, before the settings are applied.
    if (ReadInteger(settings_, kSettingsKey, "StayOnTop") == 1) exStyle |= WS_EX_TOPMOST;
    const UINT dpi = GetDpiForSystem();
    HWND hwnd = CreateWindowExW(exStyle, kClassName, component_.Caption().c_str(),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME,
                                options_.Left, options_.Top, Scale(kInitialWidth, dpi),
                                Scale(kInitialHeight, dpi), nullptr, nullptr, instance, nullptr);
    if (!hwnd) return nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMainForm::WindowProc));
    // A layered window stays invisible until it has its attributes.
    SetLayeredWindowAttributes(hwnd, 0, OpacityToAlpha(opacity_), LWA_ALPHA);
    return hwnd;
}

bool TMainForm::FormCreate() {
    LogLine("FormCreate");

    // Lets "VX.exe" be started by name; ignored when the machine key is not writable.
    WinRegistry machine(Hive::LocalMachine);
    machine.WriteString(kAppPathsKey, "", Narrow(ExePath()));
    machine.WriteString(kAppPathsKey, "Path", Narrow(ExeDirectoryWithSlash()));

    SetErrorMode(GetErrorMode() | SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS);

    RegisterApplicationComponent(&component_);
    FillDefaultCatalogueIfEmpty();

    try {
        LoadContext context;
        context.screenWidth = GetSystemMetrics(SM_CXSCREEN);
        LoadOptions(settings_, options_, context);
    } catch (...) {
        ApplyDefaults(options_, GetSystemMetrics(SM_CXSCREEN));
    }

    // First start: the initial-view choice belongs here; the start is then remembered.
    if (ReadInteger(settings_, kSettingsKey, "OnceStarted") < 0)
        settings_.WriteInteger(kSettingsKey, "OnceStarted", 1);

    options_.LoadAtStartup = StartupShortcutExists();

    opacity_ = ReadTransparency(settings_);
    options_.Transparency = opacity_;
    hwnd_ = CreateHandle();
    if (!hwnd_) {
        LogLine("/FormCreate");
        return false;
    }
    if (!options_.StayOnTop) {
        SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    PostMessageW(hwnd_, UM_INVALIDATE, 0, 0);
    ApplyOpacity(opacity_);
    noSaveOnClose_ = false;
    LogLine("/FormCreate");
    TranslateWindow(component_);
    return true;
}

void TMainForm::ShowAtStart() {
    if (options_.Visible) ShowMainWindow();
}

void TMainForm::ShowMainWindow() {
    FormShow();
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
}

void TMainForm::FormShow() {
    LogLine("FormShow");
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int left = options_.Left;
    int top = options_.Top;
    if (left == -1 && top == -1) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 4;
    }
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!firstShowDone_) {
        firstShowDone_ = true;
        PostMessageW(hwnd_, UM_SHOW_TIP, 0, 0);
    }
    PostMessageW(hwnd_, UM_INVALIDATE, 0, 0);
    if (writeLanguageFile_) {
        writeLanguageFile_ = false;
        WriteReferenceLanguageFile();
    }
    PostMessageW(hwnd_, UM_APPLY_TOPMOST, 0, 0);
    LogLine("/FormShow");
}

// The translator's aid: the texts of every window as the reference language file.
void TMainForm::WriteReferenceLanguageFile() {
    const std::wstring path = DataFolder() + L"\\vx_en.int";
    const std::string text =
        WriteLanguageFile(AllApplicationComponents(), MainWindowExclusions(), *CurrentCatalogue());
    if (!WriteWholeFile(path, text)) {
        const std::wstring message = L"Cannot write " + path;
        MessageBoxW(hwnd_, message.c_str(), L"Vantorix", MB_ICONERROR | MB_OK);
        return;
    }
    MessageBoxW(hwnd_, L"Don't forget to add Tutorial.txt to vx_en.int file", L"Vantorix",
                MB_ICONINFORMATION | MB_OK);
}

void TMainForm::RememberPosition() {
    RECT rect{};
    if (hwnd_ && IsWindowVisible(hwnd_) && !IsIconic(hwnd_) && GetWindowRect(hwnd_, &rect)) {
        options_.Left = rect.left;
        options_.Top = rect.top;
    }
}

void TMainForm::SaveSettings() {
    RememberPosition();
    options_.Visible = hwnd_ && IsWindowVisible(hwnd_);
    SaveOptions(settings_, options_);
}

void TMainForm::FormClose() {
    if (closing_) return;
    closing_ = true;
    if (!noSaveOnClose_) SaveSettings();
    // Destroyed once the message that asked for the close has returned.
    PostMessageW(hwnd_, UM_DESTROY_NOW, 0, 0);
}

void TMainForm::ApplyOpacity(int percent) {
    opacity_ = percent;
    SetLayeredWindowAttributes(hwnd_, 0, OpacityToAlpha(percent), LWA_ALPHA);
}

void TMainForm::ApplyTopmost() {
    SetWindowPos(hwnd_, options_.StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainForm::ActivateInstance() {
    if (IsWindowVisible(hwnd_) && !IsIconic(hwnd_)) return;
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    if (!IsWindowVisible(hwnd_)) ShowMainWindow();
    if (!options_.StayOnTop) {
        // Brings the window to the front without leaving it topmost.
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

void TMainForm::RecreateHandle() {
    const bool wasVisible = IsWindowVisible(hwnd_) != FALSE;
    RememberPosition();
    ShowWindow(hwnd_, SW_HIDE);
    HWND old = hwnd_;
    HWND fresh = CreateHandle();
    if (!fresh) {
        if (wasVisible) ShowWindow(old, SW_SHOW);
        return;
    }
    hwnd_ = fresh;
    SetWindowLongPtrW(old, GWLP_USERDATA, 0);  // the old handle no longer speaks for this form
    DestroyWindow(old);
    ApplyOpacity(opacity_);
    if (wasVisible) ShowMainWindow();
}

void TMainForm::Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK TMainForm::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<TMainForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return form->HandleMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        LogLine("Unhandled error in a main window message");
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT TMainForm::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            FormClose();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            SaveSettings();
            return 0;
        case WM_DESTROY:
            if (hwnd == hwnd_) {
                hwnd_ = nullptr;
                PostQuitMessage(0);
            }
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint(hwnd);
            return 0;
        case WM_DPICHANGED: {
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case UM_INVALIDATE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case UM_CLOSE_INSTANCE:
            FormClose();
            return 0;
        case UM_ACTIVATE_INSTANCE:
            ActivateInstance();
            return 0;
        case UM_RESTART:
            noSaveOnClose_ = true;
            restartRequested_ = true;
            FormClose();
            return 0;
        case UM_RECREATE_WINDOW:
            PostMessageW(hwnd, UM_RECREATE_NOW, 0, 0);
            return 0;
        case UM_RECREATE_NOW:
            RecreateHandle();
            return 0;
        case UM_APPLY_TOPMOST:
            ApplyTopmost();
            return 0;
        case UM_DESTROY_NOW:
            DestroyWindow(hwnd);
            return 0;
        case UM_PIES_PAINTED:
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace vx
