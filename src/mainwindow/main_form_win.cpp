#include "mainwindow/main_form_win.h"

#include "app/log.h"
#include "app/shortcut.h"
#include "app/startup_shortcut_win.h"
#include "core/utf.h"
#include "intl/application_components.h"
#include "intl/catalogue.h"
#include "intl/language_win.h"
#include "intl/language_writer.h"
#include "mainwindow/click_through_confirm_win.h"
#include "mainwindow/control_square_win.h"
#include "mainwindow/drive_info_win.h"
#include "mainwindow/drive_tray_icons_win.h"
#include "disks/number_format_win.h"
#include "mainwindow/main_menus.h"
#include "mainwindow/main_messages.h"
#include "mainwindow/opacity.h"
#include "mainwindow/tools_menu_win.h"
#include "mainwindow/window_motion.h"
#include "platform/win/files_win.h"
#include "platform/win/paths_win.h"
#include "platform/win/registry_win.h"
#include "platform/win/volumes_win.h"

#include <dbt.h>
#include <shellapi.h>
#include <windowsx.h>

namespace vx {

namespace {

constexpr char kAppPathsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VX.exe";
constexpr UINT UM_FREE_RETIRED = UM_DESTROY_NOW + 10;
constexpr UINT UM_TRAY_NOTIFY = UM_DESTROY_NOW + 11;
constexpr UINT UM_PLACE_SQUARE = UM_DESTROY_NOW + 12;
constexpr UINT kMainTrayIcon = 1;
constexpr int kStayOnTopHotKey = 0;
constexpr int kHideToTrayHotKey = 1;

UINT HotKeyModifiers(ShortCut shortCut) {
    return ((shortCut & kShortCutShift) ? MOD_SHIFT : 0) | ((shortCut & kShortCutCtrl) ? MOD_CONTROL : 0) |
           ((shortCut & kShortCutAlt) ? MOD_ALT : 0);
}

// The position of the item with this id in a menu; -1 when none has it.
int PositionOf(HMENU menu, UINT id) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) && info.wID == id) return i;
    }
    return -1;
}

// The main window as a table; its drive list and menus join it with the parts that own them.
FormSpec MainFormSpec(bool topmost) {
    FormSpec design;
    design.name = "MainForm";
    design.className = "TMainForm";
    design.caption = "Vantorix";
    design.dialog = false;
    design.clientWidth = 344;  // the drive list sizes the window once it exists
    design.clientHeight = 120;
    // Layered in every look, so that the opacity can be set; topmost straight from the stored value.
    design.extraExStyle = WS_EX_LAYERED | (topmost ? WS_EX_TOPMOST : 0);
    design.classStyle = CS_DROPSHADOW;
    design.controls = {{.kind = ControlKind::ListView,
                        .name = "lvDisks",
                        .bounds = {0, 0, 344, 120},
                        .hint = "Right-click to access menu, double-click to display drive info",
                        .anchors = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom}};
    design.mainMenu = MainMenuDesign();
    design.popupMenus = {PopupMenuDesign(), {.name = "pmTray", .items = {}}};
    return design;
}

}  // namespace

constexpr UINT_PTR kUpdateTimer = 1;
constexpr UINT_PTR kFadeTimer = 2;

TMainForm::TMainForm(Registry& settings, bool writeLanguageFile)
    : settings_(settings),
      writeLanguageFile_(writeLanguageFile),
      volumes_(std::make_shared<WinVolumes>()),
      driveList_(std::make_unique<DriveListView>(options_, volumes_)) {}

TMainForm::~TMainForm() = default;

std::unique_ptr<Form> TMainForm::CreateForm() {
    auto form = Form::Create(MainFormSpec(ReadInteger(settings_, kSettingsKey, "StayOnTop") == 1));
    if (!form) return nullptr;
    form->onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return HandleMessage(message, wParam, lParam);
    };
    form->onCommand = [this](const std::string& name) { Command(name); };
    form->onNotify = [this](const std::string& control, NMHDR* header) -> std::optional<LRESULT> {
        if (control != "lvDisks") return std::nullopt;
        switch (header->code) {
            case NM_CUSTOMDRAW:
                return driveList_->CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
            case LVN_ITEMCHANGING:
                return TRUE;  // rows cannot be selected
            case LVN_COLUMNCLICK:
                HeaderClicked(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
                return 0;
            case NM_DBLCLK:
                DriveDoubleClicked();
                return 0;
            default:
                return std::nullopt;
        }
    };
    driveList_->Attach(form->Handle(), form->ControlHandle("lvDisks"));
    if (MenuItem* tools = form->FindMenuItem("pmiTools")) tools_.Recreate(tools->submenu, options_.ToolsString);
    SetTimer(form->Handle(), kUpdateTimer, 1000, nullptr);
    SetWindowPos(form->Handle(), nullptr, options_.Left, options_.Top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A layered window stays invisible until it has its attributes.
    SetLayeredWindowAttributes(form->Handle(), 0, OpacityToAlpha(opacity_), LWA_ALPHA);
    return form;
}

bool TMainForm::FormCreate() {
    LogLine("FormCreate");

    // Lets "VX.exe" be started by name; ignored when the machine key is not writable.
    WinRegistry machine(Hive::LocalMachine);
    machine.WriteString(kAppPathsKey, "", Narrow(ExePath()));
    machine.WriteString(kAppPathsKey, "Path", Narrow(ExeDirectoryWithSlash()));

    SetErrorMode(GetErrorMode() | SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS);

    FillDefaultCatalogueIfEmpty();

    try {
        LoadContext context;
        context.screenWidth = GetSystemMetrics(SM_CXSCREEN);
        context.defaultTools = [] { return ToolsMenu::DefaultTools(); };
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
    // The form is translated as soon as it exists.
    form_ = CreateForm();
    if (!form_) {
        LogLine("/FormCreate");
        return false;
    }
    driveList_->FillDisks();
    if (!options_.StayOnTop) {
        SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    RegisterHotKeys(true);
    PostMessageW(Handle(), UM_INVALIDATE, 0, 0);
    ApplyOpacity(opacity_);
    CreateTrayIcons();
    noSaveOnClose_ = false;
    LogLine("/FormCreate");
    return true;
}

void TMainForm::ShowAtStart() {
    if (options_.Visible) ShowMainWindow();
}

void TMainForm::ShowMainWindow() {
    FormShow();
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void TMainForm::FormShow() {
    LogLine("FormShow");
    driveList_->SetMenuBarWidth(MenuBarWidth());
    driveList_->RebuildColumns();
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int left = options_.Left;
    int top = options_.Top;
    if (left == -1 && top == -1) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 4;
    }
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!firstShowDone_) {
        firstShowDone_ = true;
        PostMessageW(Handle(), UM_SHOW_TIP, 0, 0);
    }
    PostMessageW(Handle(), UM_INVALIDATE, 0, 0);
    if (writeLanguageFile_) {
        writeLanguageFile_ = false;
        WriteReferenceLanguageFile();
    }
    if (options_.ClickThrough) ApplyClickThrough();
    RefreshMenuStates();
    PostMessageW(Handle(), UM_APPLY_TOPMOST, 0, 0);
    LogLine("/FormShow");
}

// The translator's aid: the texts of every window as the reference language file.
void TMainForm::WriteReferenceLanguageFile() {
    const std::wstring path = DataFolder() + L"\\vx_en.int";
    // Every window is written, so the other windows exist, hidden, while the file is made.
    const auto driveInfo = CreateDriveInfoForm(Handle());
    const auto clickThroughConfirm = CreateClickThroughConfirmForm(Handle());
    const std::string text =
        WriteLanguageFile(AllApplicationComponents(), MainWindowExclusions(), *CurrentCatalogue());
    if (!WriteWholeFile(path, text)) {
        const std::wstring message = L"Cannot write " + path;
        MessageBoxW(Handle(), message.c_str(), L"Vantorix", MB_ICONERROR | MB_OK);
        return;
    }
    MessageBoxW(Handle(), L"Don't forget to add Tutorial.txt to vx_en.int file", L"Vantorix",
                MB_ICONINFORMATION | MB_OK);
}

void TMainForm::RememberPosition() {
    RECT rect{};
    if (Handle() && IsWindowVisible(Handle()) && !IsIconic(Handle()) && GetWindowRect(Handle(), &rect)) {
        options_.Left = rect.left;
        options_.Top = rect.top;
    }
}

void TMainForm::SaveSettings() {
    RememberPosition();
    options_.Visible = Handle() && IsWindowVisible(Handle());
    SaveOptions(settings_, options_);
}

void TMainForm::FormClose() {
    if (closing_) return;
    closing_ = true;
    if (!noSaveOnClose_) SaveSettings();
    driveList_->Stop();
    // Destroyed once the message that asked for the close has returned.
    PostMessageW(Handle(), UM_DESTROY_NOW, 0, 0);
}

void TMainForm::ApplyOpacity(int percent) {
    opacity_ = percent;
    options_.Transparency = percent;
    SetLayeredWindowAttributes(Handle(), 0, OpacityToAlpha(percent), LWA_ALPHA);
}

void TMainForm::ApplyTopmost() {
    SetWindowPos(Handle(), options_.StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Topmost for a moment: in front of every window, without staying there.
void TMainForm::BringToFrontNotTopmost() {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TMainForm::ActivateInstance() {
    if (IsWindowVisible(Handle()) && !IsIconic(Handle())) return;
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    if (!IsWindowVisible(Handle())) ShowMainWindow();
    if (!options_.StayOnTop) BringToFrontNotTopmost();
}

void TMainForm::RecreateHandle() {
    const bool wasVisible = IsWindowVisible(Handle()) != FALSE;
    RememberPosition();
    ShowWindow(Handle(), SW_HIDE);
    auto fresh = CreateForm();
    if (!fresh) {
        if (wasVisible) ShowWindow(Handle(), SW_SHOW);
        return;
    }
    // The old form is handling this very message: it is freed once the message has returned.
    form_->onMessage = nullptr;
    UnregisterHotKeys();
    trayIcon_.reset();
    driveIcons_.Clear();
    square_.reset();
    retired_ = std::move(form_);
    form_ = std::move(fresh);
    RegisterHotKeys(false);
    driveList_->FillDisks();
    CreateTrayIcons();
    PostMessageW(Handle(), UM_FREE_RETIRED, 0, 0);
    ApplyOpacity(opacity_);
    if (wasVisible) ShowMainWindow();
}

void TMainForm::Command(const std::string& name) {
    const std::string command = CommandOf(name);
    if (command == "Exit") {
        FormClose();
    } else if (command == "StayOnTop") {
        options_.StayOnTop = !options_.StayOnTop;
        ApplyTopmost();
        if (square_) square_->SetTopmost(options_.StayOnTop);
        RefreshMenuStates();
    } else if (command == "ClickThrough") {
        ClickThroughCommand();
    } else if (command == "HideToTray") {
        HideToTray();
    } else if (command.rfind("Transparency", 0) == 0 && command.size() == 13) {
        ApplyOpacity(OpacityOfTransparencyTag(command[12] - '0'));
        RefreshMenuStates();
    } else if (command == "Help") {
        OpenHelp();
    } else if (command == "ShowTutorial") {
        ShellExecuteW(Handle(), L"open", TutorialPath().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    } else if (command == "ViewClassic") {
        RefreshMenuStates();  // the only look so far
    }
    for (const auto& column : ColumnCommands()) {
        if (command == column.command) {
            ChangeColumns([this, id = column.id] {
                bool* shown = ColumnShownSetting(options_, id);
                *shown = !*shown;
            });
        }
    }
}

void TMainForm::RefreshColumnChecks() {
    for (const auto& column : ColumnCommands()) {
        const bool shown = *ColumnShownSetting(options_, column.id);
        for (const char* prefix : {"mi", "pmi"}) {
            if (MenuItem* item = form_->FindMenuItem(prefix + std::string(column.command))) item->SetChecked(shown);
        }
    }
}

// The top-level captions side by side in the menu font, plus 50: narrower, the bar would wrap.
int TMainForm::MenuBarWidth() const {
    HMENU bar = GetMenu(Handle());
    if (!bar) return 0;
    std::wstring captions;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(bar, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        for (const wchar_t* c = text; *c; ++c) {
            if (*c != L'&') captions += *c;
        }
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    const UINT dpi = GetDpiForWindow(Handle());
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi ? dpi : 96))
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    UniqueFont font(CreateFontIndirectW(&metrics.lfMenuFont));
    HDC dc = GetDC(Handle());
    HGDIOBJ previous = SelectObject(dc, font.get());
    SIZE size{};
    GetTextExtentPoint32W(dc, captions.c_str(), static_cast<int>(captions.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);
    return size.cx + MulDiv(50, static_cast<int>(dpi ? dpi : 96), 96);
}

void TMainForm::ChangeColumns(const std::function<void()>& change) {
    RECT before{};
    GetWindowRect(Handle(), &before);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    const bool docked = before.right == monitor.rcMonitor.right;

    change();
    RefreshColumnChecks();
    driveList_->SetMenuBarWidth(MenuBarWidth());
    driveList_->RebuildColumns();

    if (IsZoomed(Handle())) return;
    RECT after{};
    GetWindowRect(Handle(), &after);
    const int left = LeftKeptOnMonitor(docked, after.left, after.right - after.left, monitor.rcMonitor.right);
    if (left != after.left)
        SetWindowPos(Handle(), nullptr, left, after.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::HeaderClicked(int subItem) {
    Options changed = options_;
    if (!HeaderClick(changed, driveList_->ColumnIdAt(subItem))) return;
    ChangeColumns([this, &changed] { options_ = changed; });
}

std::optional<size_t> TMainForm::DriveUnderCursor() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(driveList_->List(), &cursor);
    return driveList_->DriveAt(cursor);
}

void TMainForm::DriveDoubleClicked() {
    if (const auto index = DriveUnderCursor()) {
        const DriveRecord& drive = driveList_->Drives()[*index];
        OpenDriveInformation(drive.Name, &drive);
    }
    PostMessageW(Handle(), UM_END_DRAG, 0, 0);
}

// One dialog at a time. The record is a copy: a device change during the dialog rebuilds the list.
void TMainForm::OpenDriveInformation(const std::string& name, const DriveRecord* record) {
    if (driveInfoOpen_) return;
    LogLine("Drive information: " + name + (record ? "" : " (no record)"));
    driveInfoOpen_ = true;
    ShowDriveInformation(Handle(), name, record ? std::optional<DriveRecord>(*record) : std::nullopt,
                         options_.ShowIn);
    driveInfoOpen_ = false;
}

void TMainForm::ShowPopupMenu(LPARAM position) {
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) {
        // From the keyboard: at the list's top-left corner.
        at = {0, 0};
        ClientToScreen(driveList_->List(), &at);
        currentDrive_.clear();
    } else {
        const auto index = DriveUnderCursor();
        currentDrive_ = index ? driveList_->Drives()[*index].Name : std::string();
    }
    RefreshColumnChecks();
    TrackPopupMenu(form_->PopupMenu("pmMain"), TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
}

// The states of both menus: check marks, shortcuts, captions, and what can be used now.
void TMainForm::RefreshMenuStates() {
    RefreshColumnChecks();
    const bool visible = IsWindowVisible(Handle()) != FALSE;
    const bool helpExists = FileExists(HelpFilePath());
    const bool tutorialExists = FileExists(TutorialPath());
    for (const std::string prefix : {"mi", "pmi"}) {
        const auto item = [&](const std::string& command) { return form_->FindMenuItem(prefix + command); };
        if (MenuItem* stay = item("StayOnTop")) {
            stay->SetChecked(options_.StayOnTop);
            stay->SetShortcutText(ShortCutToText(options_.StayOnTopShortCut));
        }
        if (MenuItem* hide = item("HideToTray")) {
            hide->SetText(TextProperty::Caption, CatalogueText(visible ? 144 : 145));
            hide->SetShortcutText(ShortCutToText(options_.HideToTrayShortCut));
        }
        for (int tag = 0; tag <= 9; ++tag) {
            if (MenuItem* level = item("Transparency" + std::to_string(tag)))
                level->SetChecked(tag == TransparencyTagOf(opacity_));
        }
        if (MenuItem* clickThrough = item("ClickThrough")) clickThrough->SetChecked(options_.ClickThrough);
        if (MenuItem* classic = item("ViewClassic")) classic->SetChecked(options_.ViewMode == 0);
        if (MenuItem* sticker = item("ViewSticker")) sticker->SetChecked(options_.ViewMode == 1);
        if (MenuItem* help = item("Help")) help->SetEnabled(helpExists);
        if (MenuItem* tutorial = item("ShowTutorial")) tutorial->SetEnabled(tutorialExists);
    }
    DrawMenuBar(Handle());
}

std::wstring TMainForm::HelpFilePath() const {
    return ExeDirectoryWithSlash() + L"Vantorix.chm";
}

std::wstring TMainForm::TutorialPath() const {
    return ExeDirectoryWithSlash() + L"Tutorial\\Welcome.htm";
}

void TMainForm::OpenHelp() {
    // HTML Help is loaded only when it is asked for.
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    static const HMODULE library = LoadLibraryW(L"hhctrl.ocx");
    const auto htmlHelp =
        library ? reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")))
                : nullptr;
    const std::wstring topic = HelpFilePath() + L"::/html/contents.htm";
    if (!htmlHelp || !htmlHelp(Handle(), topic.c_str(), 0 /* HH_DISPLAY_TOPIC */, 0))
        ShellExecuteW(Handle(), L"open", HelpFilePath().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// Hides the window to the tray, or shows it again; a modal dialog of ours is brought forward
// instead, since the window cannot go while it waits for it.
void TMainForm::HideToTray() {
    if (IsWindowVisible(Handle())) {
        if (!IsWindowEnabled(Handle())) {
            HWND dialog = GetLastActivePopup(Handle());
            if (dialog && dialog != Handle()) SetForegroundWindow(dialog);
            return;
        }
        RememberPosition();
        ShowWindow(Handle(), SW_HIDE);
    } else {
        ShowMainWindow();
        if (!options_.StayOnTop) BringToFrontNotTopmost();
    }
    RefreshMenuStates();
}

// The drives' own icons; the program's icon when none could be made, so that a window hidden
// in the tray can always be reached.
void TMainForm::CreateTrayIcons() {
    trayIcon_.reset();
    driveIcons_.Create(Handle(), UM_TRAY_NOTIFY, options_.TrayDisks, driveList_->Drives());
    driveList_->onRowUpdated = [this](const DriveRecord& drive) { UpdateDriveIcon(drive); };
    // Every icon gets its picture now, a drive that is not monitored too: it has no row updates.
    for (const auto& drive : driveList_->Drives()) UpdateDriveIcon(drive);
    if (driveIcons_.Empty()) ShowMainTrayIcon();
}

void TMainForm::UpdateDriveIcon(const DriveRecord& drive) {
    if (driveIcons_.Empty()) return;
    driveIcons_.Update(drive, GetDisplayName(*volumes_, drive.Name, static_cast<int>(drive.kind)), options_,
                       numberFormat_);
}

void TMainForm::SwitchDriveIcon(UINT id) {
    const std::string name = driveIcons_.SwitchMode(id);
    options_.TrayDisks = driveIcons_.Entries();
    for (const auto& drive : driveList_->Drives()) {
        if (drive.Name == name) UpdateDriveIcon(drive);
    }
}

void TMainForm::ShowMainTrayIcon() {
    trayIcon_ = std::make_unique<TrayIcon>(Handle(), kMainTrayIcon, UM_TRAY_NOTIFY);
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    const int length = GetWindowTextLengthW(Handle());
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(Handle(), caption.data(), length + 1);
    caption.resize(static_cast<size_t>(length));
    trayIcon_->Show(icon, Narrow(caption));
}

// The tray's menu: copies of the pop-up menu's items, with their states of the moment.
void TMainForm::ShowTrayMenu() {
    RefreshMenuStates();
    HMENU tray = form_->PopupMenu("pmTray");
    HMENU main = form_->PopupMenu("pmMain");
    while (GetMenuItemCount(tray) > 0) {
        // Submenus of the copies are the tray's own.
        HMENU sub = GetSubMenu(tray, 0);
        RemoveMenu(tray, 0, MF_BYPOSITION);
        if (sub) DestroyMenu(sub);
    }
    for (const auto& name : TrayMenuItems()) {
        if (name == "-") {
            AppendMenuW(tray, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        MenuItem* item = form_->FindMenuItem(name);
        const int position = item ? PositionOf(main, item->Id()) : -1;
        if (position >= 0) MenuSet::CopyItem(main, static_cast<UINT>(position), tray);
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    currentDrive_.clear();
    SetForegroundWindow(Handle());
    TrackPopupMenu(tray, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Handle(), nullptr);
    PostMessageW(Handle(), WM_NULL, 0, 0);
}

void TMainForm::RegisterHotKeys(bool report) {
    const struct {
        int id;
        ShortCut* shortCut;
    } keys[] = {{kStayOnTopHotKey, &options_.StayOnTopShortCut}, {kHideToTrayHotKey, &options_.HideToTrayShortCut}};
    for (const auto& key : keys) {
        if (*key.shortCut == kNoShortCut) continue;
        if (RegisterHotKey(Handle(), key.id, HotKeyModifiers(*key.shortCut), ShortCutKey(*key.shortCut))) continue;
        if (report) {
            const std::wstring text = Widen(CatalogueText(98) + " " + ShortCutToText(*key.shortCut));
            MessageBoxW(Handle(), text.c_str(), L"Vantorix", MB_ICONINFORMATION | MB_OK);
        }
        // Switched off, so that it is saved as none.
        *key.shortCut = kNoShortCut;
    }
}

void TMainForm::UnregisterHotKeys() {
    UnregisterHotKey(Handle(), kStayOnTopHotKey);
    UnregisterHotKey(Handle(), kHideToTrayHotKey);
}

// On: asked first (the mode is on while the question shows, and the square blinks); the answer
// is the mode. Off needs no question.
void TMainForm::ClickThroughCommand() {
    if (!options_.ClickThrough) {
        options_.ClickThrough = true;
        ApplyClickThrough();
        const bool accepted = ConfirmClickThrough(settings_, Handle(), [this](bool open) {
            if (square_) square_->SetBlinking(open);
        });
        options_.ClickThrough = accepted;
    } else {
        options_.ClickThrough = false;
    }
    ApplyClickThrough();
    RefreshMenuStates();
}

int TMainForm::ClickThroughMargin() const {
    RECT window{}, list{};
    GetWindowRect(Handle(), &window);
    GetWindowRect(driveList_->List(), &list);
    return ((window.right - window.left) - (list.right - list.left)) / 2;
}

void TMainForm::ApplyClickThrough() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT before{};
    GetWindowRect(Handle(), &before);
    driveList_->FitWindow();
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    const LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    if (options_.ClickThrough) {
        int dx = 0, dy = 0;
        if (rect.right > work.right) dx = work.right - rect.right;
        if (rect.bottom > work.bottom) dy = work.bottom - rect.bottom;
        if (dx || dy)
            SetWindowPos(Handle(), nullptr, rect.left + dx, rect.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED | WS_EX_TRANSPARENT);
        ApplyOpacity(opacity_);
        if (!square_) {
            square_ = std::make_unique<ControlSquare>(Handle(), options_.StickerColor, options_.StayOnTop,
                                                      ClickThroughMargin(),
                                                      [this](RECT proposed) { return SnappedToWorkArea(proposed); });
        }
        square_->Place();
    } else {
        // The width went back by the square's allowance: a window that was moved in to make room
        // goes back out by the same amount, so a refused confirmation leaves it where it was.
        const int shrunk = (before.right - before.left) - (rect.right - rect.left);
        if (shrunk > 0 && work.right - rect.right == shrunk)
            SetWindowPos(Handle(), nullptr, rect.left + shrunk, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        square_.reset();
        SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle & ~WS_EX_TRANSPARENT);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TMainForm::FadeTimerTick() {
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    const int shown = FadeTick(fade_, opacity_, PtInRect(&rect, cursor) != FALSE);
    SetLayeredWindowAttributes(Handle(), 0, OpacityToAlpha(shown), LWA_ALPHA);
    if (!fade_.timerOn) KillTimer(Handle(), kFadeTimer);
}

// The system's move loop proposes a place; the window goes where the cursor puts it, snapped.
void TMainForm::SnapMovingWindow(RECT& proposed) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const int width = proposed.right - proposed.left;
    const int height = proposed.bottom - proposed.top;
    const LONG left = cursor.x - dragOffset_.x;
    const LONG top = cursor.y - dragOffset_.y;
    proposed = SnappedToWorkArea({left, top, left + width, top + height});
}

// With click-through on, the frame around the list may go past the edge.
RECT TMainForm::SnappedToWorkArea(const RECT& proposed) const {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int margin = options_.ClickThrough ? ClickThroughMargin() : 0;
    const Box snapped = SnapToWorkArea({proposed.left, proposed.top, proposed.right, proposed.bottom},
                                       {work.left, work.top, work.right, work.bottom}, margin);
    return {snapped.left, snapped.top, snapped.right, snapped.bottom};
}

void TMainForm::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(Handle(), &ps);
}

std::optional<LRESULT> TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            FormClose();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            SaveSettings();
            driveList_->Stop();
            return 0;
        case WM_TIMER:
            if (wParam == kUpdateTimer && ticker_.Tick(options_.UpdateInterval))
                PostMessageW(Handle(), UM_REFRESH, 0, 0);
            if (wParam == kFadeTimer) FadeTimerTick();
            return 0;
        case WM_SETCURSOR:
            // Sent for every mouse move over the window and its list: the fade starts here.
            if (HIWORD(lParam) == WM_MOUSEMOVE && StartFade(fade_, opacity_)) SetTimer(Handle(), kFadeTimer, 10, nullptr);
            return std::nullopt;
        case WM_ENTERSIZEMOVE: {
            POINT cursor{};
            GetCursorPos(&cursor);
            RECT rect{};
            GetWindowRect(Handle(), &rect);
            dragOffset_ = {cursor.x - rect.left, cursor.y - rect.top};
            return std::nullopt;
        }
        case WM_MOVING:
            SnapMovingWindow(*reinterpret_cast<RECT*>(lParam));
            return TRUE;
        case WM_MOVE:
        case WM_SIZE:
        case WM_SHOWWINDOW:
            if (square_) PostMessageW(Handle(), UM_PLACE_SQUARE, 0, 0);
            return std::nullopt;
        case UM_PLACE_SQUARE:
            if (square_) square_->Place();
            return 0;
        case UM_REFRESH:
            driveList_->Refresh();
            return 0;
        case UM_REMOTE_MEASURED:
            if (lParam) driveList_->TakeRemoteResult(*reinterpret_cast<const RemoteResult*>(lParam));
            return 0;
        case UM_UPDATE_ROW:
            driveList_->UpdateRow(static_cast<size_t>(lParam));
            return 0;
        case WM_COMMAND:
            if (lParam == 0 && tools_.Owns(LOWORD(wParam))) {
                if (tools_.Start(LOWORD(wParam), Handle(), options_.ToolsString, currentDrive_) && options_.CloseVX)
                    PostMessageW(Handle(), UM_CLOSE_INSTANCE, 0, 0);
                return 0;
            }
            return std::nullopt;
        case WM_CONTEXTMENU:
            ShowPopupMenu(lParam);
            return 0;
        case WM_NOTIFY: {
            // The header's border drags reach the window through the list.
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header && header->hwndFrom == ListView_GetHeader(driveList_->List()) &&
                (header->code == HDN_ENDTRACKW || header->code == HDN_ENDTRACKA ||
                 header->code == HDN_DIVIDERDBLCLICKW || header->code == HDN_DIVIDERDBLCLICKA)) {
                PostMessageW(Handle(), UM_COLUMNS_RESIZED, 0, 0);
            }
            return std::nullopt;
        }
        case WM_HOTKEY:
            if (wParam == kStayOnTopHotKey) Command("miStayOnTop");
            if (wParam == kHideToTrayHotKey) HideToTray();
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                HideToTray();
                return 0;
            }
            return std::nullopt;
        case UM_TOGGLE_TRAY:
            HideToTray();
            return 0;
        case UM_TRAY_NOTIFY:
            if (driveIcons_.Owns(static_cast<UINT>(wParam)) && LOWORD(lParam) == WM_LBUTTONUP) {
                SwitchDriveIcon(static_cast<UINT>(wParam));
            } else if (LOWORD(lParam) == WM_LBUTTONUP) {
                HideToTray();
                if (IsWindowVisible(Handle())) SetForegroundWindow(Handle());
            } else if (LOWORD(lParam) == WM_RBUTTONUP) {
                ShowTrayMenu();
            }
            return 0;
        case UM_COLUMNS_RESIZED:
            driveList_->TakeColumnWidths();
            return 0;
        case UM_END_DRAG:
            return 0;
        case WM_DEVICECHANGE: {
            const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
            if ((wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE) && header &&
                header->dbch_devicetype == DBT_DEVTYP_VOLUME) {
                driveList_->FillDisks();
            }
            return TRUE;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_DPICHANGED: {
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case UM_INVALIDATE:
            InvalidateRect(Handle(), nullptr, TRUE);
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
            PostMessageW(Handle(), UM_RECREATE_NOW, 0, 0);
            return 0;
        case UM_RECREATE_NOW:
            RecreateHandle();
            return 0;
        case UM_FREE_RETIRED:
            retired_.reset();
            return 0;
        case UM_APPLY_TOPMOST:
            ApplyTopmost();
            return 0;
        case UM_DESTROY_NOW:
            // The form, and with it the window, goes once this message has returned.
            trayIcon_.reset();
            driveIcons_.Clear();
            square_.reset();
            UnregisterHotKeys();
            form_->onMessage = nullptr;
            retired_ = std::move(form_);
            PostQuitMessage(0);
            return 0;
        case UM_PIES_PAINTED:
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace vx
