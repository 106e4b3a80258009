#include "ui/dialogs_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include "core/utf.h"
#include "platform/data_folder.h"
#include "ui/form_win.h"

namespace vx {

int ShowMessage(HWND owner, const std::string& text, UINT flags, const std::string& caption) {
    return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
}

std::optional<std::string> InputBox(HWND owner, const std::string& caption, const std::string& prompt,
                                    const std::string& initial) {
    FormSpec design;
    design.name = "frmInputBox";
    design.className = "TfrmInputBox";
    design.caption = caption;
    design.clientWidth = 320;
    design.clientHeight = 96;
    design.controls = {
        {.kind = ControlKind::Label, .name = "lblPrompt", .bounds = {8, 8, 304, 16}, .caption = prompt},
        {.kind = ControlKind::Edit, .name = "edtValue", .bounds = {8, 28, 304, 21}, .caption = initial},
        {.kind = ControlKind::Button, .name = "btnOK", .bounds = {156, 62, 75, 25}, .caption = "OK"},
        {.kind = ControlKind::Button, .name = "btnCancel", .bounds = {237, 62, 75, 25}, .caption = "Cancel"},
    };
    auto form = Form::Create(design, owner);
    if (!form) return std::nullopt;
    std::optional<std::string> result;
    Form* raw = form.get();
    form->onCommand = [raw, &result](const std::string& name) {
        if (name == "btnOK") {
            result = raw->FindControl("edtValue")->GetText(TextProperty::Text);
            raw->EndModal(IDOK);
        } else if (name == "btnCancel") {
            raw->EndModal(IDCANCEL);
        }
    };
    SetFocus(form->ControlHandle("edtValue"));
    SendMessageW(form->ControlHandle("edtValue"), EM_SETSEL, 0, -1);
    return form->ShowModal() == IDOK ? result : std::nullopt;
}

std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.rgbResult = initial;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&choose)) return std::nullopt;
    return choose.rgbResult;
}

std::optional<FontChoice> ChooseFontDialog(HWND owner, const FontChoice& initial) {
    LOGFONTW font{};
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(initial.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font.lfCharSet = static_cast<BYTE>(initial.charset);
    font.lfWeight = (initial.style & 1) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (initial.style & 2) != 0;
    font.lfUnderline = (initial.style & 4) != 0;
    font.lfStrikeOut = (initial.style & 8) != 0;
    wcsncpy(font.lfFaceName, Widen(initial.face).c_str(), LF_FACESIZE - 1);
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.lpLogFont = &font;
    choose.rgbColors = initial.colour;
    choose.Flags = CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_SCREENFONTS;
    if (!ChooseFontW(&choose)) return std::nullopt;
    FontChoice result;
    result.face = Narrow(font.lfFaceName);
    result.points = choose.iPointSize / 10;
    result.charset = font.lfCharSet;
    result.colour = choose.rgbColors;
    result.style = (font.lfWeight >= FW_BOLD ? 1 : 0) | (font.lfItalic ? 2 : 0) | (font.lfUnderline ? 4 : 0) |
                   (font.lfStrikeOut ? 8 : 0);
    return result;
}

std::wstring SystemFilterText(const std::string& filter) {
    std::wstring text = Widen(filter);
    for (wchar_t& c : text) {
        if (c == L'|') c = L'\0';
    }
    text.push_back(L'\0');
    text.push_back(L'\0');
    return text;
}

std::optional<std::string> OpenFileDialog(HWND owner, const std::string& title, const std::string& filter,
                                          const std::string& initialFile) {
    std::wstring file(32768, L'\0');
    const std::wstring initial = Widen(initialFile);
    wcsncpy(file.data(), initial.c_str(), file.size() - 1);
    const std::wstring filterText = SystemFilterText(filter);
    const std::wstring titleText = Widen(title);
    OPENFILENAMEW open{};
    open.lStructSize = sizeof(open);
    open.hwndOwner = owner;
    open.lpstrFilter = filter.empty() ? nullptr : filterText.c_str();
    open.lpstrFile = file.data();
    open.nMaxFile = static_cast<DWORD>(file.size());
    open.lpstrTitle = title.empty() ? nullptr : titleText.c_str();
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&open)) return std::nullopt;
    return Narrow(file.c_str());
}

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title) {
    const std::wstring titleText = Widen(title);
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = titleText.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return std::nullopt;
    std::wstring path(32768, L'\0');
    const bool ok =
        SHGetPathFromIDListEx(chosen, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT);
    CoTaskMemFree(chosen);
    if (!ok) return std::nullopt;
    return WithTrailingBackslash(Narrow(path.c_str()));
}

}  // namespace vx
