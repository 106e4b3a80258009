#include "ui/toolbar_win.h"

#include <commctrl.h>

#include <memory>

#include "core/utf.h"

namespace vx {

std::string ToolButton::GetText(TextProperty property) const {
    if (property == TextProperty::Caption) return design_.caption;
    if (property == TextProperty::Hint) return design_.hint;
    return {};
}

void ToolButton::SetText(TextProperty property, const std::string& value) {
    if (property == TextProperty::Hint) {
        design_.hint = value;  // shown through the bar's tooltip request
        return;
    }
    if (property != TextProperty::Caption) return;
    design_.caption = value;
    std::wstring text = Widen(value);
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_TEXT;
    info.pszText = text.data();
    SendMessageW(toolbar_, TB_SETBUTTONINFOW, id_, reinterpret_cast<LPARAM>(&info));
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

std::vector<std::unique_ptr<ToolButton>> AddToolButtons(HWND toolbar,
                                                        const std::vector<MenuItemSpec>& buttons,
                                                        UINT& nextId) {
    std::vector<std::unique_ptr<ToolButton>> made;
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS);
    for (const auto& design : buttons) {
        TBBUTTON button{};
        if (design.caption == "-") {
            button.fsStyle = BTNS_SEP;
            SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
            continue;
        }
        const UINT id = nextId++;
        auto tool = std::make_unique<ToolButton>(design, toolbar, id);
        std::wstring text = Widen(design.caption);
        button.iBitmap = I_IMAGENONE;
        button.idCommand = static_cast<int>(id);
        button.fsState = TBSTATE_ENABLED | (design.checked ? TBSTATE_CHECKED : 0);
        button.fsStyle = BTNS_AUTOSIZE | BTNS_SHOWTEXT | (design.checkable ? BTNS_CHECK : 0) |
                         (design.items.empty() ? 0 : BTNS_DROPDOWN);
        button.iString = reinterpret_cast<INT_PTR>(text.c_str());
        SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
        made.push_back(std::move(tool));
    }
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    return made;
}

}  // namespace vx
