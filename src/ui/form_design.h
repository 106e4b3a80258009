#pragma once
// Windows described as tables: the form, its controls and its menus. Bounds are in pixels at
// 96 DPI, relative to the parent control (the form's client area when no parent is named).
#include <string>
#include <vector>

namespace vx {

enum class ControlKind {
    Label,        // TLabel
    Button,       // TButton
    CheckBox,     // TCheckBox
    RadioButton,  // TRadioButton
    Edit,         // TEdit
    ComboList,    // TComboBox, a fixed list
    ComboEdit,    // TComboBox that takes typed text
    ListBox,      // TListBox
    GroupBox,     // TGroupBox: a framed container
    Panel,        // TPanel: a plain container
    ListView,     // TListView in report style; items are the column titles
    TreeView,     // TTreeView; items are the nodes, two leading blanks per level
    PageControl,  // TPageControl; its pages are the TabSheet controls that name it as parent
    TabSheet,     // TTabSheet: one page, its caption the tab text
    TrackBar,     // TTrackBar
    UpDown,       // TUpDown
    HotKey,       // THotKey
    ProgressBar,  // TProgressBar
    StatusBar,    // TStatusBar
    HyperLink,    // THyperLink
    RichEdit,     // TRichEdit: formatted, read-only text
    ToolBar,      // TdxBarManager with one bar: `caption` is the bar's, `buttons` its buttons
    NavBar,       // TdxNavBar: a column of category links, `items` their captions
};

enum Anchor : unsigned {
    kAnchorLeft = 1,
    kAnchorTop = 2,
    kAnchorRight = 4,
    kAnchorBottom = 8,
};

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct MenuItemSpec {
    std::string name{};
    std::string caption{};   // "-" is a separator
    std::string shortcut{};  // shown after the caption, e.g. "Ctrl+F12"
    bool checkable = false;
    bool radio = false;  // a round mark; one checked item per group
    bool checked = false;
    bool enabled = true;
    int group = 0;
    std::string hint{};
    std::vector<MenuItemSpec> items{};
};

struct ControlSpec {
    ControlKind kind = ControlKind::Label;
    std::string name{};
    std::string parent{};  // a Panel, GroupBox or TabSheet; empty: the form
    Bounds bounds{};
    std::string caption{};
    std::string hint{};
    int tag = 0;
    std::vector<std::string> items{};
    std::vector<int> columnWidths{};      // list views, at 96 DPI
    std::vector<MenuItemSpec> buttons{};  // tool bars: a button with items drops down a menu of them
    unsigned anchors = kAnchorLeft | kAnchorTop;
    bool checked = false;
    bool virtualList = false;  // list views: rows come from the form's notification handler
    bool checkBoxes = false;   // list and tree views: state images with check boxes
    bool hideTabs = false;     // page controls: pages without visible tabs (wizards)
    bool ownerDraw = false;    // combo and list boxes: rows drawn by the form's onDrawItem
    int minimum = 0;
    int maximum = 100;
    int position = 0;
};

struct PopupMenuSpec {
    std::string name{};  // TPopupMenu component
    std::vector<MenuItemSpec> items{};
};

struct FormSpec {
    std::string name{};       // the language-file section, e.g. "dlgOptions"
    std::string className{};  // also the Win32 class name, e.g. "TdlgOptions"
    std::string caption{};
    int clientWidth = 300;
    int clientHeight = 200;
    bool dialog = true;              // a dialog frame; false: a sizeable main-window frame
    unsigned long extraExStyle = 0;  // e.g. WS_EX_LAYERED, WS_EX_TOPMOST
    unsigned classStyle = 0;         // e.g. CS_DROPSHADOW
    std::vector<ControlSpec> controls{};
    std::vector<MenuItemSpec> mainMenu{};
    std::vector<PopupMenuSpec> popupMenus{};
};

}  // namespace vx
