#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "core/utf.h"
#include "intl/catalogue.h"
#include "intl/language_state.h"
#include "intl/language_win.h"
#include "intl/language_writer.h"
#include "platform/win/files_win.h"
#include "screenshot_win.h"
#include "message_pump_win.h"
#include "ui/form_win.h"

namespace vx {
namespace {

using CK = ControlKind;

// A form with every kind of control, as later windows will declare themselves.
FormSpec DemoForm() {
    FormSpec f;
    f.name = "dlgDemo";
    f.className = "TdlgDemo";
    f.caption = "Toolkit demo";
    f.clientWidth = 560;
    f.clientHeight = 400;
    f.controls = {
        {.kind = CK::Label,
         .name = "lblName",
         .bounds = {8, 8, 120, 16},
         .caption = "Disk &name:",
         .hint = "The name"},
        {.kind = CK::Edit,
         .name = "edtName",
         .bounds = {130, 6, 150, 21},
         .caption = "C:\\",
         .hint = "Type a name"},
        {.kind = CK::Button, .name = "btnOK", .bounds = {290, 5, 75, 25}, .caption = "OK", .hint = "Accept"},
        {.kind = CK::CheckBox,
         .name = "cbShowFree",
         .bounds = {8, 36, 130, 20},
         .caption = "Show free space",
         .checked = true},
        {.kind = CK::RadioButton,
         .name = "rbGb",
         .bounds = {150, 36, 100, 20},
         .caption = "Gigabytes",
         .checked = true},
        {.kind = CK::ComboList,
         .name = "cbShowIn",
         .bounds = {8, 62, 130, 200},
         .hint = "Unit",
         .items = {"Bytes", "Kilobytes", "Megabytes"}},
        {.kind = CK::ComboEdit,
         .name = "cbServer",
         .bounds = {150, 62, 130, 200},
         .items = {"smtp.example.com"}},
        {.kind = CK::ListBox,
         .name = "lbMasks",
         .bounds = {8, 92, 130, 70},
         .hint = "Masks",
         .items = {"*.tmp", "*.bak", "~*.*"}},
        {.kind = CK::GroupBox, .name = "gbColors", .bounds = {150, 92, 200, 70}, .caption = "Colors"},
        {.kind = CK::CheckBox,
         .name = "cbUseColors",
         .parent = "gbColors",
         .bounds = {10, 20, 150, 20},
         .caption = "Use colours"},
        {.kind = CK::TrackBar,
         .name = "tbTransparency",
         .parent = "gbColors",
         .bounds = {10, 40, 180, 26},
         .hint = "Opacity",
         .minimum = 0,
         .maximum = 90,
         .position = 30},
        {.kind = CK::ListView,
         .name = "lvDrives",
         .bounds = {8, 170, 260, 90},
         .hint = "Disks",
         .items = {"Disk", "Tray icon"},
         .columnWidths = {120, 100}},
        {.kind = CK::TreeView,
         .name = "tvTools",
         .bounds = {280, 170, 150, 90},
         .hint = "Tools",
         .tag = kNodeExportTag,
         .items = {"System tools", "  Disk Defragmenter", "  Clean Manager", "User tools"}},
        {.kind = CK::PageControl, .name = "pcPages", .bounds = {8, 268, 300, 100}},
        {.kind = CK::TabSheet, .name = "tsGeneral", .parent = "pcPages", .caption = "General"},
        {.kind = CK::TabSheet, .name = "tsDisks", .parent = "pcPages", .caption = "Disks"},
        {.kind = CK::Label,
         .name = "lblOnPage",
         .parent = "tsGeneral",
         .bounds = {8, 8, 200, 16},
         .caption = "A label on the first page"},
        {.kind = CK::HotKey, .name = "edtHotKey", .bounds = {320, 270, 120, 21}, .hint = "Hot key"},
        {.kind = CK::Edit, .name = "edtCount", .bounds = {320, 300, 60, 21}, .caption = "10"},
        {.kind = CK::UpDown,
         .name = "udCount",
         .bounds = {380, 300, 16, 21},
         .minimum = 1,
         .maximum = 99,
         .position = 10},
        {.kind = CK::ProgressBar, .name = "pbScan", .bounds = {320, 330, 200, 16}, .position = 40},
        {.kind = CK::HyperLink,
         .name = "hlSite",
         .bounds = {440, 8, 110, 16},
         .caption = "Web site",
         .hint = "Opens the site"},
        {.kind = CK::Label,
         .name = "lblFixed",
         .bounds = {440, 36, 110, 16},
         .caption = "Never translated",
         .tag = kNoTranslateTag},
        {.kind = CK::RichEdit,
         .name = "reTip",
         .bounds = {440, 60, 110, 100},
         .caption = "Did you know? Rich text shows the tips."},
        {.kind = CK::ToolBar,
         .name = "tbMain",
         .bounds = {320, 352, 230, 26},
         .caption = "Main",
         .buttons = {{.name = "btnOpenReport",
                      .caption = "Open",
                      .hint = "Open a report",
                      .items = {{.name = "miOpenSearch", .caption = "Space report"},
                                {.name = "miOpenDuplicates", .caption = "Duplicates report"}}},
                     {.name = "btnSep", .caption = "-"},
                     {.name = "btnDelete", .caption = "Delete", .hint = "Move to the Recycle Bin"}}},
        {.kind = CK::StatusBar,
         .name = "sbStatus",
         .bounds = {0, 380, 560, 20},
         .anchors = kAnchorLeft | kAnchorBottom | kAnchorRight},
    };
    f.mainMenu = {
        {.name = "miFile",
         .caption = "&File",
         .items = {
             {.name = "miStayOnTop",
              .caption = "Stay on &top",
              .shortcut = "Ctrl+F12",
              .checkable = true,
              .checked = true},
             {.name = "miSep", .caption = "-"},
             {.name = "miClassic",
              .caption = "&Classic view",
              .checkable = true,
              .radio = true,
              .checked = true,
              .group = 1},
             {.name = "miSticker", .caption = "&Sticker view", .checkable = true, .radio = true, .group = 1},
             {.name = "miExit", .caption = "E&xit"}}}};
    f.popupMenus = {{"pmTray",
                     {{.name = "pmiShow", .caption = "&Show"},
                      {.name = "pmiTools",
                       .caption = "&Tools",
                       .items = {{.name = "pmiDefrag", .caption = "Disk &Defragmenter"}}}}}};
    return f;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t buffer[512] = {};
    GetWindowTextW(hwnd, buffer, 512);
    return buffer;
}

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t buffer[256] = {};
    GetMenuStringW(menu, position, buffer, 256, MF_BYPOSITION);
    return buffer;
}

class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override { CurrentLanguage().lines.clear(); }
    void TearDown() override { CurrentLanguage().lines.clear(); }
};

TEST_F(ToolkitTest, DemoFormShowsEveryControlAtTwoDpis) {
    for (const UINT dpi : {96u, 144u}) {
        auto form = Form::Create(DemoForm(), nullptr, dpi);
        ASSERT_NE(form, nullptr);
        SetWindowPos(form->Handle(), HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        SendMessageW(form->Handle(), WM_COMMAND, 0, 0);
        e2e::PumpMessages();
        RECT client;
        GetClientRect(form->Handle(), &client);
        EXPECT_EQ(client.right, MulDiv(560, dpi, 96));
        RECT button;
        GetWindowRect(form->ControlHandle("btnOK"), &button);
        MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&button), 2);
        EXPECT_EQ(button.left, MulDiv(290, dpi, 96));
        EXPECT_EQ(button.right - button.left, MulDiv(75, dpi, 96));
        // A control inside a group box sits at its offset inside the box.
        RECT inner;
        GetWindowRect(form->ControlHandle("cbUseColors"), &inner);
        MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&inner), 2);
        EXPECT_EQ(inner.left, MulDiv(150, dpi, 96) + MulDiv(10, dpi, 96));
        e2e::SaveScreenshot(L"toolkit-demo-" + std::to_wstring(dpi) + L"dpi");
    }
}

TEST_F(ToolkitTest, ControlsHoldTheirDesignedState) {
    auto form = Form::Create(DemoForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(TextOf(form->Handle()), L"Toolkit demo");
    EXPECT_EQ(TextOf(form->ControlHandle("edtName")), L"C:\\");
    EXPECT_EQ(SendMessageW(form->ControlHandle("cbShowFree"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(form->ControlHandle("cbShowIn"), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(form->ControlHandle("tbTransparency"), TBM_GETPOS, 0, 0), 30);
    EXPECT_EQ(SendMessageW(form->ControlHandle("udCount"), UDM_GETPOS32, 0, 0), 10);
    EXPECT_EQ(SendMessageW(form->ControlHandle("pcPages"), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(IsWindowVisible(form->ControlHandle("tsGeneral")) || !IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsWindowVisible(form->ControlHandle("tsDisks")));
    EXPECT_EQ(TreeView_GetCount(form->ControlHandle("tvTools")), 4u);
    HMENU bar = GetMenu(form->Handle());
    ASSERT_NE(bar, nullptr);
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(MenuText(file, 0), L"Stay on &top\tCtrl+F12");
    EXPECT_TRUE(GetMenuState(file, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfoW(file, 2, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
    EXPECT_TRUE(info.fState & MFS_CHECKED);
}

TEST_F(ToolkitTest, ComponentTreeIsWhatTheTranslatorSees) {
    auto form = Form::Create(DemoForm());
    ASSERT_NE(form, nullptr);
    std::vector<std::string> seen;
    for (Component* c : form->OwnedComponents()) seen.push_back(c->Name() + ":" + c->ClassName());
    const std::vector<std::string> expected{"lblName:TLabel",
                                            "edtName:TEdit",
                                            "btnOK:TButton",
                                            "cbShowFree:TCheckBox",
                                            "rbGb:TRadioButton",
                                            "cbShowIn:TComboBox",
                                            "cbServer:TComboBox",
                                            "lbMasks:TListBox",
                                            "gbColors:TGroupBox",
                                            "cbUseColors:TCheckBox",
                                            "tbTransparency:TTrackBar",
                                            "lvDrives:TListView",
                                            "tvTools:TTreeView",
                                            "pcPages:TPageControl",
                                            "tsGeneral:TTabSheet",
                                            "tsDisks:TTabSheet",
                                            "lblOnPage:TLabel",
                                            "edtHotKey:THotKey",
                                            "edtCount:TEdit",
                                            "udCount:TUpDown",
                                            "pbScan:TProgressBar",
                                            "hlSite:THyperLink",
                                            "lblFixed:TLabel",
                                            "reTip:TRichEdit",
                                            "tbMain:TdxBarManager",
                                            "sbStatus:TStatusBar",
                                            "btnOpenReport:TdxBarButton",
                                            "btnDelete:TdxBarButton",
                                            "miFile:TMenuItem",
                                            "miStayOnTop:TMenuItem",
                                            "miSep:TMenuItem",
                                            "miClassic:TMenuItem",
                                            "miSticker:TMenuItem",
                                            "miExit:TMenuItem",
                                            "pmiShow:TMenuItem",
                                            "pmiTools:TMenuItem",
                                            "pmiDefrag:TMenuItem",
                                            "miOpenSearch:TMenuItem",
                                            "miOpenDuplicates:TMenuItem"};
    EXPECT_EQ(seen, expected);

    const std::string file = WriteLanguageFile({form.get()}, {"dlgDemo.lbMasks"}, {});
    for (const char* line :
         {"[dlgDemo]\r\nCaption=Toolkit demo\r\n", "lblName.Caption=Disk &name:\r\nlblName.Hint=The name\r\n",
          "edtName.Caption=C:\\\r\n", "cbShowIn.0=Bytes\r\n", "lvDrives.Hint=Disks\r\nlvDrives.0=Disk\r\n",
          "tvTools.1=Disk Defragmenter\r\n", "pcPages.1=Disks\r\n", "tsDisks.Caption=Disks\r\n",
          "miStayOnTop.Caption=Stay on &top\r\n", "pmiDefrag.Caption=Disk &Defragmenter\r\n",
          "hlSite.Caption=Web site\r\n", "tbMain.0=Main\r\ntbMain.0.Hint=Open a report\r\n",
          "reTip.Caption=Did you know? Rich text shows the tips.\r\n"}) {
        EXPECT_NE(file.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(file.find("lblFixed"), std::string::npos);
    EXPECT_EQ(file.find("lbMasks.0"), std::string::npos);
    EXPECT_EQ(file.find("tbTransparency"), std::string::npos);
}

TEST_F(ToolkitTest, ANewFormIsTranslatedRightAfterCreation) {
    CurrentLanguage().lines = {"[Intl File 4.0]",
                               "Language=Deutsch",
                               "Font=Arial",
                               "[dlgDemo]",
                               "Caption=Werkzeuge",
                               "lblName.Caption=Laufwerks&name:",
                               "lvDrives.1=Symbol",
                               "lvDrives.5=nichts",
                               "tvTools.3=Eigene Werkzeuge",
                               "pcPages.1=Laufwerke",
                               "cbShowIn.2=Megaoctets",
                               "miExit.Caption=&Beenden",
                               "pmiDefrag.Caption=Defragmentierung",
                               "edtName.Hint=Name",
                               "lblFixed.Caption=changed",
                               "tsGeneral.Caption=Allgemein",
                               "gbColors.Caption=Farben",
                               "tbMain.0=Werkzeugleiste",
                               "tbMain.0.Hint=Bericht öffnen",
                               "btnDelete.Caption=Löschen"};
    CurrentLanguage().fonts.face = "Arial";
    auto form = Form::Create(DemoForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(TextOf(form->Handle()), L"Werkzeuge");
    EXPECT_EQ(TextOf(form->ControlHandle("lblName")), L"Laufwerks&name:");
    EXPECT_EQ(TextOf(form->ControlHandle("lblFixed")), L"Never translated");
    Control* list = form->FindControl("lvDrives");
    EXPECT_EQ(list->GetItem(ListProperty::Columns, 1), "Symbol");
    EXPECT_EQ(list->Count(ListProperty::Columns), 2u);
    EXPECT_EQ(form->FindControl("tvTools")->GetItem(ListProperty::Nodes, 3), "Eigene Werkzeuge");
    EXPECT_EQ(form->FindControl("pcPages")->GetItem(ListProperty::Tabs, 1), "Laufwerke");
    EXPECT_EQ(form->FindControl("pcPages")->GetItem(ListProperty::Tabs, 0), "Allgemein");
    EXPECT_EQ(form->FindControl("cbShowIn")->GetItem(ListProperty::Items, 2), "Megaoctets");
    EXPECT_EQ(form->FindControl("edtName")->GetText(TextProperty::Hint), "Name");
    EXPECT_EQ(form->FindControl("gbColors")->GetText(TextProperty::Caption), "Farben");
    EXPECT_EQ(form->FindControl("tbMain")->GetItem(ListProperty::Bars, 0), "Werkzeugleiste");
    EXPECT_EQ(form->FindToolButton("btnOpenReport")->GetText(TextProperty::Hint), "Bericht öffnen");
    wchar_t buttonText[64] = {};
    SendMessageW(form->ControlHandle("tbMain"), TB_GETBUTTONTEXTW, form->FindToolButton("btnDelete")->Id(),
                 reinterpret_cast<LPARAM>(buttonText));
    EXPECT_EQ(std::wstring(buttonText), L"L\u00f6schen");
    wchar_t frameText[64] = {};
    GetWindowTextW(FindWindowExW(form->ControlHandle("gbColors"), nullptr, L"BUTTON", nullptr), frameText,
                   64);
    EXPECT_EQ(std::wstring(frameText), L"Farben");
    EXPECT_EQ(MenuText(GetSubMenu(GetMenu(form->Handle()), 0), 4), L"&Beenden");
    HMENU tray = form->PopupMenu("pmTray");
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(MenuText(GetSubMenu(tray, 1), 0), L"Defragmentierung");
    // The fonts follow the file, except where the tag keeps the designed one.
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form->ControlHandle("lblName"), WM_GETFONT, 0, 0)),
               sizeof(font), &font);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Arial");
}

TEST_F(ToolkitTest, ModalShowingDisablesTheOwnerUntilItEnds) {
    FormSpec ownerSpec;
    ownerSpec.name = "frmOwner";
    ownerSpec.className = "TfrmOwner";
    ownerSpec.caption = "Owner";
    auto owner = Form::Create(ownerSpec);
    ShowWindow(owner->Handle(), SW_SHOW);
    auto dialog = Form::Create(DemoForm(), owner->Handle());
    bool ownerDisabledDuring = false;
    dialog->onCommand = [&](const std::string& name) {
        if (name == "btnOK") {
            ownerDisabledDuring = !IsWindowEnabled(owner->Handle());
            dialog->EndModal(IDOK);
        }
    };
    PostMessageW(dialog->Handle(), WM_COMMAND, MAKEWPARAM(1002, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog->ControlHandle("btnOK")));
    EXPECT_EQ(dialog->ShowModal(), IDOK);
    EXPECT_TRUE(ownerDisabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
    // Closing a modal form cancels it.
    PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog->ShowModal(), IDCANCEL);
}

TEST_F(ToolkitTest, MenuItemsCopyWithSubItemsAndMarks) {
    auto form = Form::Create(DemoForm());
    HMENU copy = CreatePopupMenu();
    MenuSet::CopyItems(GetSubMenu(GetMenu(form->Handle()), 0), copy);
    EXPECT_EQ(GetMenuItemCount(copy), 5);
    EXPECT_EQ(MenuText(copy, 0), L"Stay on &top\tCtrl+F12");
    EXPECT_TRUE(GetMenuState(copy, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(GetMenuItemID(copy, 0), form->FindMenuItem("miStayOnTop")->Id());
    HMENU trayCopy = CreatePopupMenu();
    MenuSet::CopyItems(form->PopupMenu("pmTray"), trayCopy);
    ASSERT_NE(GetSubMenu(trayCopy, 1), nullptr);
    EXPECT_EQ(MenuText(GetSubMenu(trayCopy, 1), 0), L"Disk &Defragmenter");
    DestroyMenu(copy);
    DestroyMenu(trayCopy);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST_F(ToolkitTest, LoadingALanguageFileTranslatesTheOpenWindowsAtOnce) {
    auto form = Form::Create(DemoForm());
    ASSERT_NE(form, nullptr);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"vx_live.int";
    // Code page 1251: "Выход" for the Exit item.
    ASSERT_TRUE(
        WriteWholeFile(path,
                       "[Intl File 4.0]\r\nLanguage=Russian\r\nCharset=204\r\n[dlgDemo]\r\nCaption=Live\r\n"
                       "miExit.Caption=\xC2\xFB\xF5\xEE\xE4\r\n[Strings]\r\nOctets\r\n"));
    ASSERT_TRUE(LoadLanguageFile(path));
    EXPECT_EQ(TextOf(form->Handle()), L"Live");
    EXPECT_EQ(MenuText(GetSubMenu(GetMenu(form->Handle()), 0), 4), L"\u0412\u044b\u0445\u043e\u0434");
    EXPECT_EQ(CatalogueText(0), "Octets");
    EXPECT_EQ(CurrentLanguage().fonts.charset, 204);
    EXPECT_FALSE(LoadLanguageFile(std::wstring(temp) + L"vx_missing.int"));
    EXPECT_EQ(TextOf(form->Handle()), L"Live");  // a missing file changes nothing
    DeleteFileW(path.c_str());
    PublishCatalogue({});
    CurrentLanguage().fonts.charset = 1;
}

}  // namespace
}  // namespace vx
