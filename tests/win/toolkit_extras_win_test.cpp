#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "intl/language_state.h"
#include "screenshot_win.h"
#include "ui/dialogs_win.h"
#include "message_pump_win.h"
#include "ui/form_win.h"
#include "ui/tray_icon_win.h"

namespace vx {
namespace {

using CK = ControlKind;

FormSpec ListsForm() {
    FormSpec f;
    f.name = "dlgLists";
    f.className = "TdlgLists";
    f.caption = "Lists";
    f.clientWidth = 400;
    f.clientHeight = 300;
    f.controls = {
        {.kind = CK::ListView,
         .name = "lvFiles",
         .bounds = {0, 0, 400, 150},
         .items = {"Name", "Size"},
         .columnWidths = {200, 100},
         .virtualList = true},
        {.kind = CK::TreeView,
         .name = "tvDisks",
         .bounds = {0, 150, 200, 150},
         .items = {"C:", "  Windows", "D:"},
         .checkBoxes = true},
        {.kind = CK::PageControl, .name = "pcWizard", .bounds = {200, 150, 200, 150}, .hideTabs = true},
        {.kind = CK::TabSheet, .name = "tsStep1", .parent = "pcWizard", .caption = "Step 1"},
        {.kind = CK::TabSheet, .name = "tsStep2", .parent = "pcWizard", .caption = "Step 2"},
    };
    return f;
}

TEST(ToolkitLists, VirtualListViewAsksForItsRows) {
    CurrentLanguage().lines.clear();
    auto form = Form::Create(ListsForm());
    ASSERT_NE(form, nullptr);
    int customDraws = 0;
    std::wstring text;
    form->onNotify = [&](const std::string& control, NMHDR* header) -> std::optional<LRESULT> {
        if (control != "lvFiles") return std::nullopt;
        if (header->code == LVN_GETDISPINFOW) {
            auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
            if (info->item.mask & LVIF_TEXT) {
                text = (info->item.iSubItem == 0 ? L"row " : L"size ") + std::to_wstring(info->item.iItem);
                wcsncpy(info->item.pszText, text.c_str(), info->item.cchTextMax - 1);
            }
            return 0;
        }
        if (header->code == NM_CUSTOMDRAW) {
            ++customDraws;
            return CDRF_DODEFAULT;
        }
        return std::nullopt;
    };
    form->SetVirtualRowCount("lvFiles", 100000);
    HWND list = form->ControlHandle("lvFiles");
    EXPECT_EQ(ListView_GetItemCount(list), 100000);
    wchar_t cell[64] = {};
    ListView_GetItemText(list, 77777, 1, cell, 64);
    EXPECT_EQ(std::wstring(cell), L"size 77777");
    ShowWindow(form->Handle(), SW_SHOW);
    UpdateWindow(form->Handle());
    e2e::PumpMessages();
    EXPECT_GT(customDraws, 0) << "cells are drawn through the form's handler";
}

TEST(ToolkitLists, TreeCheckBoxesAndWizardPages) {
    auto form = Form::Create(ListsForm());
    ASSERT_NE(form, nullptr);
    ShowWindow(form->Handle(), SW_SHOW);
    e2e::PumpMessages();
    HWND tree = form->ControlHandle("tvDisks");
    HTREEITEM first = TreeView_GetRoot(tree);
    TreeView_SetCheckState(tree, first, TRUE);
    EXPECT_EQ(TreeView_GetCheckState(tree, first), 1u);
    // Wizard pages: no tabs to see, one page at a time.
    EXPECT_FALSE(IsWindowVisible(form->ControlHandle("pcWizard")));
    EXPECT_TRUE(IsWindowVisible(form->ControlHandle("tsStep1")));
    EXPECT_FALSE(IsWindowVisible(form->ControlHandle("tsStep2")));
    form->ShowPage("pcWizard", 1);
    EXPECT_FALSE(IsWindowVisible(form->ControlHandle("tsStep1")));
    EXPECT_TRUE(IsWindowVisible(form->ControlHandle("tsStep2")));
}

TEST(ToolkitLists, NavigationBarAndOwnerDrawnCombo) {
    FormSpec f;
    f.name = "dlgNav";
    f.className = "TdlgNav";
    f.caption = "Categories";
    f.clientWidth = 300;
    f.clientHeight = 200;
    f.controls = {
        {.kind = CK::NavBar,
         .name = "nbCategories",
         .bounds = {0, 0, 140, 200},
         .items = {"Largest files", "Oldest files", "Temporary files"}},
        {.kind = CK::ComboList,
         .name = "cbColour",
         .bounds = {150, 8, 140, 200},
         .items = {"Red", "Green", "Blue"},
         .ownerDraw = true},
    };
    auto form = Form::Create(f);
    ASSERT_NE(form, nullptr);
    int comboRowsDrawn = 0;
    form->onDrawItem = [&](const std::string& control, const DRAWITEMSTRUCT&) {
        if (control != "cbColour") return false;
        ++comboRowsDrawn;
        return false;  // the toolkit still draws the text
    };
    std::vector<std::string> commands;
    form->onCommand = [&](const std::string& name) { commands.push_back(name); };
    SetWindowPos(form->Handle(), HWND_TOP, 600, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(form->Handle());
    e2e::PumpMessages();
    HWND nav = form->ControlHandle("nbCategories");
    EXPECT_EQ(SendMessageW(nav, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(nav, LB_GETITEMHEIGHT, 0, 0), 22);
    SendMessageW(nav, LB_SETCURSEL, 2, 0);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(nav), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(nav));
    EXPECT_EQ(form->SelectedIndex("nbCategories"), 2);
    EXPECT_EQ(commands, std::vector<std::string>{"nbCategories"});
    EXPECT_GT(comboRowsDrawn, 0);
    e2e::PumpMessages();
    e2e::SaveScreenshot(L"toolkit-navigation-bar");
}

TEST(ToolkitDialogs, InputBoxReturnsTheTextOrNothing) {
    for (const bool confirm : {true, false}) {
        // The box runs its own modal loop; a timer of this thread answers it.
        static bool answerWithOk;
        answerWithOk = confirm;
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
            HWND box = FindWindowW(L"TfrmInputBox", nullptr);
            if (!box) return;
            KillTimer(nullptr, id);
            HWND edit = FindWindowExW(box, nullptr, L"EDIT", nullptr);
            SetWindowTextW(edit, L"test@example.com");
            HWND button = FindWindowExW(box, nullptr, L"BUTTON", answerWithOk ? L"OK" : L"Cancel");
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        });
        const auto answer = InputBox(nullptr, "Test email notification",
                                     "Please enter address to send test email:", "someone@example.com");
        KillTimer(nullptr, timer);
        if (confirm) {
            EXPECT_EQ(answer, "test@example.com");
        } else {
            EXPECT_FALSE(answer.has_value());
        }
    }
}

TEST(ToolkitDialogs, FilterTextForTheSystemDialogs) {
    const std::wstring text = SystemFilterText("Sounds (*.wav)|*.wav|All files|*.*");
    EXPECT_EQ(text, std::wstring(L"Sounds (*.wav)\0*.wav\0All files\0*.*\0\0", 36));
}

TEST(ToolkitTray, IconsAreAddedChangedAndRemoved) {
    FormSpec design;
    design.name = "frmTrayOwner";
    design.className = "TfrmTrayOwner";
    auto owner = Form::Create(design);
    HICON icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
    TrayIcon first(owner->Handle(), 1, WM_APP + 1);
    TrayIcon second(owner->Handle(), 2, WM_APP + 1);
    EXPECT_TRUE(first.Show(icon, "Vantorix"));
    EXPECT_TRUE(second.Show(icon, "C: 12.5 GB free"));
    EXPECT_TRUE(first.Show(icon, "changed tooltip"));  // an update, not a second icon
    EXPECT_TRUE(first.Visible());
    first.Hide();
    EXPECT_FALSE(first.Visible());
    EXPECT_TRUE(second.Visible());
}

}  // namespace
}  // namespace vx
