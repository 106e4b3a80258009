#include "ui/form_win.h"

#include <commctrl.h>

#include "app/shortcut.h"
#include "core/utf.h"
#include "intl/application_components.h"
#include "intl/language_win.h"

namespace vx {

namespace {

// Containers pass their children's notifications on to the form, as dialog controls expect.
LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            return SendMessageW(GetAncestor(hwnd, GA_ROOT), message, wParam, lParam);
        case WM_ERASEBKGND: {
            RECT rect;
            GetClientRect(hwnd, &rect);
            FillRect(reinterpret_cast<HDC>(wParam), &rect, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void RegisterToolkitClasses() {
    static bool registered = false;
    if (registered) return;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                        ICC_LINK_CLASS | ICC_TAB_CLASSES | ICC_HOTKEY_CLASS |
                                                        ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                                        ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW panel{};
    panel.cbSize = sizeof(panel);
    panel.lpfnWndProc = PanelProc;
    panel.hInstance = GetModuleHandleW(nullptr);
    panel.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    panel.lpszClassName = L"VxPanel";
    RegisterClassExW(&panel);
    registered = true;
}

Form::Form(const FormSpec& design, UINT dpi) : design_(design), dpi_(dpi) {}

std::unique_ptr<Form> Form::Create(const FormSpec& design, HWND owner, UINT dpi) {
    RegisterToolkitClasses();
    std::unique_ptr<Form> form(new Form(design, dpi ? dpi : GetDpiForSystem()));
    if (!form->Build(owner)) return nullptr;
    RegisterApplicationComponent(form.get());
    TranslateWindow(*form);
    return form;
}

Form::~Form() {
    UnregisterApplicationComponent(this);
    if (modal_) EndModal(0);
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Form::Build(HWND owner) {
    const std::wstring className = Widen(design_.className);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(instance, className.c_str(), &wc)) {
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS | design_.classStyle;
        wc.lpfnWndProc = &Form::WindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        wc.hIconSm =
            static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        wc.lpszClassName = className.c_str();
        if (!RegisterClassExW(&wc)) return false;
    }
    const DWORD style = design_.dialog ? (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN)
                                       : (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    const DWORD exStyle = (design_.dialog ? WS_EX_DLGMODALFRAME : 0) | design_.extraExStyle;
    HMENU bar = nullptr;
    if (!design_.mainMenu.empty()) bar = menus_.CreateBar(design_.mainMenu, nextMenuId_);
    for (const auto& popup : design_.popupMenus) menus_.CreatePopup(popup.name, popup.items, nextMenuId_);

    designedClient_ = {Scale(design_.clientWidth), Scale(design_.clientHeight)};
    RECT frame{0, 0, designedClient_.cx, designedClient_.cy};
    AdjustWindowRectExForDpi(&frame, style, bar != nullptr, exStyle, dpi_);
    hwnd_ = CreateWindowExW(exStyle, className.c_str(), Widen(design_.caption).c_str(), style, CW_USEDEFAULT,
                            CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, owner, bar,
                            instance, this);
    if (!hwnd_) return false;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    // The system's message font is the designed font of every form, scaled to its DPI.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi_);
    font_ = UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance, nullptr);

    for (const auto& control : design_.controls) CreateControl(control);
    for (const auto& control : controls_) {
        if (control->Design().kind == ControlKind::PageControl && !control->Pages().empty())
            control->ShowPage(0);
    }
    // Menu items are owned by the form too, after its controls.
    for (const auto& control : controls_) owned_.push_back(control.get());
    for (const auto& button : toolButtons_) owned_.push_back(button.get());
    for (const auto& item : menus_.Items()) owned_.push_back(item.get());
    return true;
}

void Form::CreateControl(const ControlSpec& design) {
    HWND parent = hwnd_;
    Control* parentControl = design.parent.empty() ? nullptr : FindControl(design.parent);
    if (parentControl) parent = parentControl->Handle();
    Bounds b = design.bounds;
    // A sheet fills its page control's display area.
    if (design.kind == ControlKind::TabSheet && parentControl &&
        parentControl->Design().kind == ControlKind::PageControl) {
        HWND tabs = parentControl->Handle();
        parent = GetParent(tabs);
        RECT area;
        GetClientRect(tabs, &area);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        std::wstring text = Widen(design.caption);
        item.pszText = text.data();
        const int index = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
        SendMessageW(tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
        // Without visible tabs the pages fill the whole control, as wizard pages do.
        if (!parentControl->Design().hideTabs)
            SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        MapWindowPoints(tabs, parent, reinterpret_cast<POINT*>(&area), 2);
        HWND sheet = CreateWindowExW(WS_EX_CONTROLPARENT, L"VxPanel", nullptr, Win32StyleOf(design),
                                     area.left, area.top, area.right - area.left, area.bottom - area.top,
                                     parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowPos(sheet, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        auto control = std::make_unique<Control>(design, sheet, tooltip_, dpi_);
        control->SetPageControl(parentControl, index);
        parentControl->AddPage(control.get());
        controls_.push_back(std::move(control));
        return;
    }

    const UINT id = static_cast<UINT>(1000 + controls_.size());
    const std::wstring text = design.kind == ControlKind::HyperLink ? Widen("<a>" + design.caption + "</a>")
                              : (design.kind == ControlKind::GroupBox || design.kind == ControlKind::Panel ||
                                 design.kind == ControlKind::ListView || design.kind == ControlKind::TreeView)
                                  ? std::wstring()
                                  : Widen(design.caption);
    if (design.kind == ControlKind::RichEdit) {
        static const HMODULE richEdit = LoadLibraryW(L"Msftedit.dll");
        (void)richEdit;
    }
    DWORD exStyle = 0;
    if (design.kind == ControlKind::GroupBox || design.kind == ControlKind::Panel)
        exStyle |= WS_EX_CONTROLPARENT;
    if (design.kind == ControlKind::ListView || design.kind == ControlKind::TreeView)
        exStyle |= WS_EX_CLIENTEDGE;
    HWND handle = CreateWindowExW(exStyle, Win32ClassOf(design.kind), text.c_str(), Win32StyleOf(design),
                                  Scale(b.left), Scale(b.top), Scale(b.width), Scale(b.height), parent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (!handle) return;
    auto control = std::make_unique<Control>(design, handle, tooltip_, dpi_);
    control->SetFont(font_.get());

    switch (design.kind) {
        case ControlKind::GroupBox: {
            // The frame and caption are a group-box button that fills the container.
            HWND frame = CreateWindowExW(
                0, L"BUTTON", Widen(design.caption).c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0,
                Scale(b.width), Scale(b.height), handle, nullptr, GetModuleHandleW(nullptr), nullptr);
            control->SetFrame(frame);
            control->SetFont(font_.get());
            break;
        }
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            SendMessageW(handle, BM_SETCHECK, design.checked ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ControlKind::ComboList:
        case ControlKind::ComboEdit:
        case ControlKind::ListBox:
        case ControlKind::NavBar: {
            const bool combo = design.kind == ControlKind::ComboList || design.kind == ControlKind::ComboEdit;
            for (const auto& item : design.items) {
                SendMessageW(handle, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(Widen(item).c_str()));
            }
            if (!design.items.empty())
                SendMessageW(handle, combo ? CB_SETCURSEL : LB_SETCURSEL, design.position, 0);
            // Rows are measured while the control is being created, before the form knows it.
            if (design.kind == ControlKind::NavBar) SendMessageW(handle, LB_SETITEMHEIGHT, 0, Scale(22));
            break;
        }
        case ControlKind::ListView: {
            ListView_SetExtendedListViewStyle(handle, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER |
                                                          (design.checkBoxes ? LVS_EX_CHECKBOXES : 0));
            for (size_t i = 0; i < design.items.size(); ++i) {
                std::wstring title = Widen(design.items[i]);
                LVCOLUMNW column{};
                column.mask = LVCF_TEXT | LVCF_WIDTH;
                column.pszText = title.data();
                column.cx = Scale(i < design.columnWidths.size() ? design.columnWidths[i] : 80);
                SendMessageW(handle, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
            }
            break;
        }
        case ControlKind::TreeView: {
            std::vector<HTREEITEM> nodes;
            std::vector<HTREEITEM> parents;
            for (const auto& line : design.items) {
                size_t level = 0;
                while (level * 2 + 1 < line.size() && line[level * 2] == ' ' && line[level * 2 + 1] == ' ')
                    ++level;
                parents.resize(std::min(parents.size(), level));
                std::wstring nodeText = Widen(line.substr(level * 2));
                TVINSERTSTRUCTW insert{};
                insert.hParent = parents.empty() ? TVI_ROOT : parents.back();
                insert.hInsertAfter = TVI_LAST;
                insert.item.mask = TVIF_TEXT;
                insert.item.pszText = nodeText.data();
                HTREEITEM node = reinterpret_cast<HTREEITEM>(
                    SendMessageW(handle, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
                nodes.push_back(node);
                parents.push_back(node);
                if (insert.hParent != TVI_ROOT)
                    SendMessageW(handle, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(insert.hParent));
            }
            control->SetTreeNodes(std::move(nodes));
            break;
        }
        case ControlKind::ToolBar: {
            auto buttons = AddToolButtons(handle, design.buttons, nextMenuId_);
            std::vector<ToolButton*> raw;
            size_t specIndex = 0;
            for (auto& button : buttons) {
                while (specIndex < design.buttons.size() && design.buttons[specIndex].name != button->Name())
                    ++specIndex;
                if (specIndex < design.buttons.size() && !design.buttons[specIndex].items.empty()) {
                    button->dropDown =
                        menus_.CreatePopup(button->Name(), design.buttons[specIndex].items, nextMenuId_);
                }
                raw.push_back(button.get());
                toolButtons_.push_back(std::move(button));
            }
            control->SetToolButtons(std::move(raw));
            break;
        }
        case ControlKind::TrackBar:
            SendMessageW(handle, TBM_SETRANGE, FALSE, MAKELPARAM(design.minimum, design.maximum));
            SendMessageW(handle, TBM_SETTICFREQ, 10, 0);
            SendMessageW(handle, TBM_SETPOS, TRUE, design.position);
            break;
        case ControlKind::UpDown:
            SendMessageW(handle, UDM_SETRANGE32, design.minimum, design.maximum);
            SendMessageW(handle, UDM_SETPOS32, 0, design.position);
            break;
        case ControlKind::ProgressBar:
            SendMessageW(handle, PBM_SETRANGE32, design.minimum, design.maximum);
            SendMessageW(handle, PBM_SETPOS, design.position, 0);
            break;
        default:
            break;
    }
    if (tooltip_) {
        std::wstring hint = Widen(design.hint);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(handle);
        tool.lpszText = hint.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    controls_.push_back(std::move(control));
}

Control* Form::FindControl(const std::string& name) const {
    for (const auto& control : controls_) {
        if (control->Name() == name) return control.get();
    }
    return nullptr;
}

HWND Form::ControlHandle(const std::string& name) const {
    Control* control = FindControl(name);
    return control ? control->Handle() : nullptr;
}

std::string Form::GetText(TextProperty property) const {
    if (property != TextProperty::Caption || !hwnd_) return {};
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return Narrow(text);
}

void Form::SetText(TextProperty property, const std::string& value) {
    if (property == TextProperty::Caption && hwnd_) SetWindowTextW(hwnd_, Widen(value).c_str());
}

void Form::ApplyFont(const FontChange& font) {
    // The form's font is what its controls start from; each control takes its own change.
    font_ = CreatePointFont(font.face, font.size > 0 ? font.size : 8, font.charset, dpi_);
}

std::vector<Component*> Form::OwnedComponents() const {
    return owned_;
}

void Form::Layout(int width, int height) {
    const int dx = width - designedClient_.cx;
    const int dy = height - designedClient_.cy;
    for (const auto& control : controls_) {
        const ControlSpec& design = control->Design();
        if (!design.parent.empty() || design.kind == ControlKind::TabSheet) continue;
        const unsigned a = design.anchors;
        if (a == (kAnchorLeft | kAnchorTop)) continue;
        int left = Scale(design.bounds.left), top = Scale(design.bounds.top);
        int w = Scale(design.bounds.width), h = Scale(design.bounds.height);
        if (a & kAnchorRight) {
            if (a & kAnchorLeft)
                w += dx;
            else
                left += dx;
        }
        if (a & kAnchorBottom) {
            if (a & kAnchorTop)
                h += dy;
            else
                top += dy;
        }
        SetWindowPos(control->Handle(), nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool Form::TranslateShortcut(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
    ShortCut pressed = static_cast<uint8_t>(message.wParam);
    if (GetKeyState(VK_SHIFT) < 0) pressed |= kShortCutShift;
    if (GetKeyState(VK_CONTROL) < 0) pressed |= kShortCutCtrl;
    if (GetKeyState(VK_MENU) < 0 || (message.lParam & (1 << 29))) pressed |= kShortCutAlt;
    for (const auto& item : menus_.Items()) {
        const std::string& text = item->Design().shortcut;
        if (text.empty() || item->Id() == 0 || TextToShortCut(text) != pressed) continue;
        const UINT state = GetMenuState(item->Menu(), item->Id(), MF_BYCOMMAND);
        if (state != static_cast<UINT>(-1) && (state & (MF_DISABLED | MF_GRAYED))) return false;
        if (onCommand) onCommand(item->Name());
        return true;
    }
    return false;
}

void Form::SetMenuShortcut(const std::string& item, const std::string& shortcut) {
    if (MenuItem* menuItem = menus_.Find(item)) menuItem->SetShortcutText(shortcut);
}

int Form::ShowModal() {
    if (modal_) return 0;
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    // A dialog of a hidden owner still gets a taskbar button of its own.
    if (!owner || !IsWindowVisible(owner))
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) | WS_EX_APPWINDOW);
    modal_ = true;
    modalResult_ = 0;
    ShowWindow(hwnd_, SW_SHOW);
    MSG message;
    while (modal_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TranslateShortcut(message) && !IsDialogMessageW(hwnd_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (message.message == WM_QUIT && modal_) PostQuitMessage(static_cast<int>(message.wParam));
    modal_ = false;
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    ShowWindow(hwnd_, SW_HIDE);
    if (owner) SetActiveWindow(owner);
    return modalResult_;
}

void Form::EndModal(int result) {
    modalResult_ = result;
    modal_ = false;
    PostMessageW(hwnd_, WM_NULL, 0, 0);  // wakes the modal loop
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form || !form->hwnd_) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return form->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The owner of the form sees every message first.
    if (onMessage) {
        if (auto result = onMessage(message, wParam, lParam)) return *result;
    }
    switch (message) {
        case WM_COMMAND: {
            const UINT id = LOWORD(wParam);
            std::string name;
            if (MenuItem* item = menus_.FindById(id)) {
                name = item->Name();
            } else if (ToolButton* button = FindToolButtonById(id)) {
                name = button->Name();
            } else if (lParam) {
                for (const auto& control : controls_) {
                    if (control->Handle() == reinterpret_cast<HWND>(lParam)) name = control->Name();
                }
            } else if (id == IDCANCEL && modal_) {
                EndModal(IDCANCEL);
                return 0;
            }
            if (!name.empty() && onCommand) onCommand(name);
            return 0;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (onNotify) {
                for (const auto& control : controls_) {
                    if (control->Handle() != header->hwndFrom) continue;
                    if (auto result = onNotify(control->Name(), header)) return *result;
                }
            }
            if (header->code == TBN_GETINFOTIPW) {
                auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(lParam);
                if (ToolButton* button = FindToolButtonById(static_cast<UINT>(tip->iItem))) {
                    wcsncpy(tip->pszText, Widen(button->GetText(TextProperty::Hint)).c_str(),
                            tip->cchTextMax - 1);
                }
                return 0;
            }
            if (header->code == TBN_DROPDOWN) {
                auto* drop = reinterpret_cast<NMTOOLBARW*>(lParam);
                ToolButton* button = FindToolButtonById(static_cast<UINT>(drop->iItem));
                if (button && button->dropDown) {
                    RECT rect;
                    SendMessageW(header->hwndFrom, TB_GETRECT, drop->iItem, reinterpret_cast<LPARAM>(&rect));
                    MapWindowPoints(header->hwndFrom, nullptr, reinterpret_cast<POINT*>(&rect), 2);
                    TrackPopupMenu(button->dropDown, TPM_LEFTALIGN | TPM_TOPALIGN, rect.left, rect.bottom, 0,
                                   hwnd_, nullptr);
                }
                return TBDDRET_DEFAULT;
            }
            if (header->code == TCN_SELCHANGE) {
                for (const auto& control : controls_) {
                    if (control->Handle() == header->hwndFrom) {
                        control->ShowPage(
                            static_cast<size_t>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
                    }
                }
            }
            return 0;
        }
        case WM_SIZE:
            Layout(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlType == ODT_MENU) break;
            const Control* control = FindControlById(measure->CtlID);
            measure->itemHeight =
                static_cast<UINT>(Scale(control && control->Design().kind == ControlKind::NavBar ? 22 : 16));
            return TRUE;
        }
        case WM_DRAWITEM: {
            auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (draw->CtlType == ODT_MENU) break;
            const Control* control = FindControlById(draw->CtlID);
            if (!control) break;
            if (onDrawItem && onDrawItem(control->Name(), *draw)) return TRUE;
            DrawListItem(*control, *draw);
            return TRUE;
        }
        case WM_CLOSE:
            if (onCloseQuery && !onCloseQuery()) return 0;
            if (modal_) {
                EndModal(IDCANCEL);
            } else {
                ShowWindow(hwnd_, SW_HIDE);
            }
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

const Control* Form::FindControlById(UINT id) const {
    for (const auto& control : controls_) {
        if (static_cast<UINT>(GetDlgCtrlID(control->Handle())) == id) return control.get();
    }
    return nullptr;
}

// Rows of owner-drawn lists that the form's owner left to the toolkit: plain text, and the
// links of a navigation bar with the chosen one in bold.
void Form::DrawListItem(const Control& control, const DRAWITEMSTRUCT& draw) {
    if (draw.itemID == static_cast<UINT>(-1)) return;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool navigation = control.Design().kind == ControlKind::NavBar;
    FillRect(draw.hDC, &draw.rcItem,
             GetSysColorBrush(navigation ? COLOR_WINDOW
                              : selected ? COLOR_HIGHLIGHT
                                         : COLOR_WINDOW));
    const std::wstring text = Widen(control.GetItem(ListProperty::Items, draw.itemID));
    LOGFONTW logFont{};
    GetObjectW(font_.get(), sizeof(logFont), &logFont);
    if (navigation) {
        logFont.lfUnderline = TRUE;
        if (selected) logFont.lfWeight = FW_BOLD;
    }
    UniqueFont rowFont(CreateFontIndirectW(&logFont));
    HGDIOBJ previous = SelectObject(draw.hDC, rowFont.get());
    SetBkMode(draw.hDC, TRANSPARENT);
    COLORREF link = GetSysColor(COLOR_HOTLIGHT);
    // Some themes give links a colour too pale to read on a white list.
    if (GetRValue(link) * 3 + GetGValue(link) * 6 + GetBValue(link) > 1600) link = RGB(0, 102, 204);
    SetTextColor(draw.hDC,
                 navigation ? link : GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT textRect = draw.rcItem;
    textRect.left += Scale(navigation ? 8 : 2);
    DrawTextW(draw.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(draw.hDC, previous);
    if ((draw.itemState & ODS_FOCUS) && !navigation) DrawFocusRect(draw.hDC, &draw.rcItem);
}

int Form::SelectedIndex(const std::string& name) const {
    const Control* control = FindControl(name);
    if (!control) return -1;
    const ControlKind kind = control->Design().kind;
    if (kind == ControlKind::ComboList || kind == ControlKind::ComboEdit) {
        return static_cast<int>(SendMessageW(control->Handle(), CB_GETCURSEL, 0, 0));
    }
    if (kind == ControlKind::ListBox || kind == ControlKind::NavBar) {
        return static_cast<int>(SendMessageW(control->Handle(), LB_GETCURSEL, 0, 0));
    }
    return -1;
}

ToolButton* Form::FindToolButton(const std::string& name) const {
    for (const auto& button : toolButtons_) {
        if (button->Name() == name) return button.get();
    }
    return nullptr;
}

ToolButton* Form::FindToolButtonById(UINT id) const {
    for (const auto& button : toolButtons_) {
        if (button->Id() == id) return button.get();
    }
    return nullptr;
}

void Form::ShowPage(const std::string& pageControl, size_t index) {
    if (Control* control = FindControl(pageControl)) control->ShowPage(index);
}

void Form::SetVirtualRowCount(const std::string& listView, int rows) {
    if (HWND list = ControlHandle(listView)) {
        SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows),
                     LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
        InvalidateRect(list, nullptr, FALSE);
    }
}

}  // namespace vx
