#include "ui/control_win.h"

#include "core/utf.h"

namespace vx {

namespace {

std::wstring WindowTextOf(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

bool IsComboKind(ControlKind kind) {
    return kind == ControlKind::ComboList || kind == ControlKind::ComboEdit;
}

}  // namespace

const wchar_t* Win32ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return L"STATIC";
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            return L"BUTTON";
        case ControlKind::Edit:
            return L"EDIT";
        case ControlKind::ComboList:
        case ControlKind::ComboEdit:
            return L"COMBOBOX";
        case ControlKind::ListBox:
            return L"LISTBOX";
        case ControlKind::GroupBox:
        case ControlKind::Panel:
        case ControlKind::TabSheet:
            return L"VxPanel";
        case ControlKind::ListView:
            return WC_LISTVIEWW;
        case ControlKind::TreeView:
            return WC_TREEVIEWW;
        case ControlKind::PageControl:
            return WC_TABCONTROLW;
        case ControlKind::TrackBar:
            return TRACKBAR_CLASSW;
        case ControlKind::UpDown:
            return UPDOWN_CLASSW;
        case ControlKind::HotKey:
            return HOTKEY_CLASSW;
        case ControlKind::ProgressBar:
            return PROGRESS_CLASSW;
        case ControlKind::StatusBar:
            return STATUSCLASSNAMEW;
        case ControlKind::HyperLink:
            return WC_LINK;
        case ControlKind::RichEdit:
            return L"RICHEDIT50W";  // Msftedit.dll
        case ControlKind::ToolBar:
            return TOOLBARCLASSNAMEW;
        case ControlKind::NavBar:
            return L"LISTBOX";
    }
    return L"STATIC";
}

DWORD Win32StyleOf(const ControlSpec& design) {
    const DWORD common = WS_CHILD | WS_VISIBLE;
    switch (design.kind) {
        case ControlKind::Label:
            return common | SS_LEFT;
        case ControlKind::Button:
            return common | WS_TABSTOP | BS_PUSHBUTTON;
        case ControlKind::CheckBox:
            return common | WS_TABSTOP | BS_AUTOCHECKBOX;
        case ControlKind::RadioButton:
            return common | WS_TABSTOP | BS_AUTORADIOBUTTON;
        case ControlKind::Edit:
            return common | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
        case ControlKind::ComboList:
            return common | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST |
                   (design.ownerDraw ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0);
        case ControlKind::ComboEdit:
            return common | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
        case ControlKind::ListBox:
            return common | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                   (design.ownerDraw ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : 0);
        case ControlKind::GroupBox:
        case ControlKind::Panel:
            return common | WS_CLIPSIBLINGS;
        case ControlKind::TabSheet:
            return WS_CHILD | WS_CLIPSIBLINGS;
        case ControlKind::ListView:
            return common | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS |
                   (design.virtualList ? LVS_OWNERDATA : 0);
        case ControlKind::TreeView:
            return common | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS |
                   (design.checkBoxes ? TVS_CHECKBOXES : 0);
        case ControlKind::PageControl:
            return (design.hideTabs ? WS_CHILD : common) | WS_TABSTOP | WS_CLIPSIBLINGS;
        case ControlKind::TrackBar:
            return common | WS_TABSTOP | TBS_AUTOTICKS | TBS_HORZ;
        case ControlKind::UpDown:
            return common | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY;
        case ControlKind::HotKey:
            return common | WS_TABSTOP | WS_BORDER;
        case ControlKind::ProgressBar:
            return common;
        case ControlKind::StatusBar:
            return common | SBARS_SIZEGRIP;
        case ControlKind::HyperLink:
            return common | WS_TABSTOP;
        case ControlKind::RichEdit:
            return common | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
        case ControlKind::NavBar:
            return common | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED |
                   LBS_HASSTRINGS;
        case ControlKind::ToolBar:
            return common | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
                   CCS_NOPARENTALIGN;
    }
    return common;
}

Control::Control(const ControlSpec& design, HWND handle, HWND tooltip, UINT dpi)
    : design_(design), handle_(handle), tooltip_(tooltip), dpi_(dpi), hint_(design.hint) {}

std::string Control::ClassName() const {
    switch (design_.kind) {
        case ControlKind::Label:
            return "TLabel";
        case ControlKind::Button:
            return "TButton";
        case ControlKind::CheckBox:
            return "TCheckBox";
        case ControlKind::RadioButton:
            return "TRadioButton";
        case ControlKind::Edit:
            return "TEdit";
        case ControlKind::ComboList:
        case ControlKind::ComboEdit:
            return "TComboBox";
        case ControlKind::ListBox:
            return "TListBox";
        case ControlKind::GroupBox:
            return "TGroupBox";
        case ControlKind::Panel:
            return "TPanel";
        case ControlKind::ListView:
            return "TListView";
        case ControlKind::TreeView:
            return "TTreeView";
        case ControlKind::PageControl:
            return "TPageControl";
        case ControlKind::TabSheet:
            return "TTabSheet";
        case ControlKind::TrackBar:
            return "TTrackBar";
        case ControlKind::UpDown:
            return "TUpDown";
        case ControlKind::HotKey:
            return "THotKey";
        case ControlKind::ProgressBar:
            return "TProgressBar";
        case ControlKind::StatusBar:
            return "TStatusBar";
        case ControlKind::HyperLink:
            return "THyperLink";
        case ControlKind::RichEdit:
            return "TRichEdit";
        case ControlKind::ToolBar:
            return "TdxBarManager";
        case ControlKind::NavBar:
            return "TdxNavBar";
    }
    return "TControl";
}

ComponentKind Control::Kind() const {
    switch (design_.kind) {
        case ControlKind::ListView:
            return ComponentKind::ListView;
        case ControlKind::TreeView:
            return ComponentKind::TreeView;
        case ControlKind::PageControl:
            return ComponentKind::TabControl;
        case ControlKind::ToolBar:
            return ComponentKind::ToolbarManager;
        case ControlKind::NavBar:
            return ComponentKind::Other;
        case ControlKind::TrackBar:
        case ControlKind::UpDown:
        case ControlKind::HotKey:
        case ControlKind::ProgressBar:
        case ControlKind::StatusBar:
            return ComponentKind::Other;
        default:
            return ComponentKind::Plain;
    }
}

bool Control::HasText(TextProperty property) const {
    switch (property) {
        case TextProperty::Hint:
            return true;
        case TextProperty::Caption:
            switch (design_.kind) {
                case ControlKind::Label:
                case ControlKind::Button:
                case ControlKind::CheckBox:
                case ControlKind::RadioButton:
                case ControlKind::GroupBox:
                case ControlKind::Panel:
                case ControlKind::TabSheet:
                case ControlKind::HyperLink:
                    return true;
                default:
                    return false;
            }
        case TextProperty::Text:
            return design_.kind == ControlKind::Edit || design_.kind == ControlKind::RichEdit ||
                   IsComboKind(design_.kind);
        default:
            return false;
    }
}

std::string Control::GetText(TextProperty property) const {
    if (property == TextProperty::Hint) return hint_;
    if (!HasText(property)) return {};
    if (design_.kind == ControlKind::GroupBox || design_.kind == ControlKind::Panel ||
        design_.kind == ControlKind::TabSheet || design_.kind == ControlKind::HyperLink) {
        return design_.caption;  // containers keep it for the frame or the tab; links show it as markup
    }
    return Narrow(WindowTextOf(handle_));
}

void Control::SetText(TextProperty property, const std::string& value) {
    if (property == TextProperty::Hint) {
        hint_ = value;
        if (tooltip_) {
            const std::wstring wide = Widen(value);
            TOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.hwnd = GetParent(handle_);
            tool.uId = reinterpret_cast<UINT_PTR>(handle_);
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.lpszText = const_cast<wchar_t*>(wide.c_str());
            SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        return;
    }
    if (!HasText(property)) return;
    if (design_.kind == ControlKind::GroupBox || design_.kind == ControlKind::Panel ||
        design_.kind == ControlKind::TabSheet) {
        design_.caption = value;
        if (frame_) SetWindowTextW(frame_, Widen(value).c_str());
        InvalidateRect(handle_, nullptr, TRUE);
        if (pageControl_) pageControl_->SetItem(ListProperty::Tabs, static_cast<size_t>(pageIndex_), value);
        return;
    }
    if (design_.kind == ControlKind::HyperLink) {
        design_.caption = value;
        SetWindowTextW(handle_, Widen("<a>" + value + "</a>").c_str());
        return;
    }
    SetWindowTextW(handle_, Widen(value).c_str());
}

size_t Control::Count(ListProperty list) const {
    switch (list) {
        case ListProperty::Items:
            if (IsComboKind(design_.kind))
                return static_cast<size_t>(SendMessageW(handle_, CB_GETCOUNT, 0, 0));
            if (design_.kind == ControlKind::ListBox || design_.kind == ControlKind::NavBar)
                return static_cast<size_t>(SendMessageW(handle_, LB_GETCOUNT, 0, 0));
            return 0;
        case ListProperty::Columns:
            if (design_.kind != ControlKind::ListView) return 0;
            return static_cast<size_t>(SendMessageW(
                reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
        case ListProperty::Nodes:
            return design_.kind == ControlKind::TreeView ? nodes_.size() : 0;
        case ListProperty::Bars:
            return design_.kind == ControlKind::ToolBar ? 1 : 0;
        case ListProperty::Tabs:
            return design_.kind == ControlKind::PageControl
                       ? static_cast<size_t>(SendMessageW(handle_, TCM_GETITEMCOUNT, 0, 0))
                       : 0;
        default:
            return 0;
    }
}

std::string Control::GetItem(ListProperty list, size_t index) const {
    if (index >= Count(list)) return {};
    wchar_t buffer[1024] = {};
    switch (list) {
        case ListProperty::Items: {
            const bool combo = IsComboKind(design_.kind);
            const LRESULT length = SendMessageW(handle_, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
            if (length < 0) return {};
            std::wstring text(static_cast<size_t>(length) + 1, L'\0');
            SendMessageW(handle_, combo ? CB_GETLBTEXT : LB_GETTEXT, index,
                         reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<size_t>(length));
            return Narrow(text);
        }
        case ListProperty::Columns: {
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT;
            column.pszText = buffer;
            column.cchTextMax = 1024;
            SendMessageW(handle_, LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
            return Narrow(buffer);
        }
        case ListProperty::Nodes: {
            TVITEMW item{};
            item.mask = TVIF_TEXT;
            item.hItem = nodes_[index];
            item.pszText = buffer;
            item.cchTextMax = 1024;
            SendMessageW(handle_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            return Narrow(buffer);
        }
        case ListProperty::Bars:
            return design_.caption;
        case ListProperty::Tabs: {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = buffer;
            item.cchTextMax = 1024;
            SendMessageW(handle_, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
            return Narrow(buffer);
        }
        default:
            return {};
    }
}

void Control::SetItem(ListProperty list, size_t index, const std::string& value) {
    if (index >= Count(list)) return;
    std::wstring wide = Widen(value);
    switch (list) {
        case ListProperty::Items: {
            const bool combo = IsComboKind(design_.kind);
            const LRESULT selected = SendMessageW(handle_, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
            SendMessageW(handle_, combo ? CB_DELETESTRING : LB_DELETESTRING, index, 0);
            SendMessageW(handle_, combo ? CB_INSERTSTRING : LB_INSERTSTRING, index,
                         reinterpret_cast<LPARAM>(wide.c_str()));
            if (selected >= 0) SendMessageW(handle_, combo ? CB_SETCURSEL : LB_SETCURSEL, selected, 0);
            return;
        }
        case ListProperty::Columns: {
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT;
            column.pszText = wide.data();
            SendMessageW(handle_, LVM_SETCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
            return;
        }
        case ListProperty::Nodes: {
            TVITEMW item{};
            item.mask = TVIF_TEXT;
            item.hItem = nodes_[index];
            item.pszText = wide.data();
            SendMessageW(handle_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            return;
        }
        case ListProperty::Bars:
            design_.caption = value;
            return;
        case ListProperty::Tabs: {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = wide.data();
            SendMessageW(handle_, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
            if (index < pages_.size() && pages_[index]->design_.caption != value)
                pages_[index]->design_.caption = value;
            return;
        }
        default:
            return;
    }
}

namespace {
ToolButton* FirstCaptionButton(const std::vector<ToolButton*>& buttons) {
    for (ToolButton* button : buttons) {
        if (!button->GetText(TextProperty::Caption).empty()) return button;
    }
    return nullptr;
}
}  // namespace

bool Control::BarHasCaptionButtons(size_t bar) const {
    return bar == 0 && design_.kind == ControlKind::ToolBar && FirstCaptionButton(toolButtons_) != nullptr;
}

std::string Control::BarButtonHint(size_t bar) const {
    ToolButton* button = bar == 0 ? FirstCaptionButton(toolButtons_) : nullptr;
    return button ? button->GetText(TextProperty::Hint) : std::string();
}

void Control::SetBarButtonHint(size_t bar, const std::string& value) {
    if (ToolButton* button = bar == 0 ? FirstCaptionButton(toolButtons_) : nullptr) {
        button->SetText(TextProperty::Hint, value);
    }
}

void Control::ApplyFont(const FontChange& font) {
    currentFont.charset = font.charset;
    currentFont.face = font.face;
    if (font.size > 0) currentFont.size = font.size;
    ownFont_ = CreatePointFont(currentFont.face, currentFont.size > 0 ? currentFont.size : 8,
                               currentFont.charset, dpi_);
    SetFont(ownFont_.get());
}

void Control::SetFont(HFONT font) {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (frame_) SendMessageW(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Control::ShowPage(size_t index) {
    for (size_t i = 0; i < pages_.size(); ++i)
        ShowWindow(pages_[i]->Handle(), i == index ? SW_SHOW : SW_HIDE);
    SendMessageW(handle_, TCM_SETCURSEL, index, 0);
}

}  // namespace vx
