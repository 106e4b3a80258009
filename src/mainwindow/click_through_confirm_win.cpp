#include "mainwindow/click_through_confirm_win.h"

#include "intl/catalogue.h"
#include "mainwindow/click_through.h"

namespace vx {

namespace {

constexpr int kIconLeft = 12;
constexpr int kIconTop = 12;

FormSpec ConfirmDesign() {
    FormSpec design;
    design.name = "frmClickThruConfirm";
    design.className = "TfrmClickThruConfirm";
    design.caption = "Warning";
    design.clientWidth = 400;
    design.clientHeight = 236;
    design.controls = {
        {.kind = ControlKind::Label, .name = "lblText", .bounds = {56, 12, 332, 160}},
        {.kind = ControlKind::CheckBox,
         .name = "cbWarn",
         .bounds = {56, 178, 332, 20},
         .caption = "Always &show this dialog",
         .checked = true},
        {.kind = ControlKind::Button, .name = "btnOK", .bounds = {206, 204, 88, 25}, .caption = "OK"},
        {.kind = ControlKind::Button, .name = "btnCancel", .bounds = {300, 204, 88, 25}, .caption = "Cancel"},
    };
    return design;
}

}  // namespace

std::unique_ptr<Form> CreateClickThroughConfirmForm(HWND owner) {
    return Form::Create(ConfirmDesign(), owner);
}

bool ConfirmClickThrough(Registry& settings, HWND mainWindow, const std::function<void(bool open)>& shown) {
    if (ReadInteger(settings, kSettingsKey, "ClickThroughWarn") == 0) return true;
    auto form = CreateClickThroughConfirmForm(mainWindow);
    if (!form) return false;
    form->FindControl("lblText")->SetText(TextProperty::Caption, CatalogueText(156) + "\r\n\r\n" + CatalogueText(157) +
                                                                      "\r\n\r\n" + CatalogueText(158));
    form->onCommand = [&form](const std::string& name) {
        if (name == "btnOK") form->EndModal(IDOK);
        if (name == "btnCancel") form->EndModal(IDCANCEL);
    };
    form->onMessage = [&form](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK && lParam == 0) {  // Enter: OK is the default
            form->EndModal(IDOK);
            return 0;
        }
        if (message == WM_PAINT) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(form->Handle(), &paint);
            DrawIconEx(dc, form->Scale(kIconLeft), form->Scale(kIconTop), LoadIconW(nullptr, IDI_WARNING),
                       form->Scale(32), form->Scale(32), 0, nullptr, DI_NORMAL);
            EndPaint(form->Handle(), &paint);
            return 0;
        }
        return std::nullopt;
    };
    RECT work{}, main{}, dialog{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(mainWindow, &main);
    GetWindowRect(form->Handle(), &dialog);
    const Box place = ConfirmationPlace({work.left, work.top, work.right, work.bottom}, dialog.right - dialog.left,
                                        dialog.bottom - dialog.top, {main.left, main.top, main.right, main.bottom});
    SetWindowPos(form->Handle(), HWND_TOPMOST, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    if (shown) shown(true);
    const int answer = form->ShowModal();
    if (shown) shown(false);
    if (answer != IDOK) return false;
    const bool askAgain = SendMessageW(form->ControlHandle("cbWarn"), BM_GETCHECK, 0, 0) == BST_CHECKED;
    settings.WriteInteger(kSettingsKey, "ClickThroughWarn", askAgain ? 1 : 0);
    return true;
}

}  // namespace vx
