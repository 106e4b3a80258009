#include "ui/menu_win.h"

#include "core/utf.h"

namespace vx {

MenuItem::MenuItem(const MenuItemSpec& design, HMENU menu, UINT id) : design_(design), menu_(menu), id_(id) {}

std::string MenuItem::GetText(TextProperty property) const {
    if (property == TextProperty::Caption) return design_.caption;
    if (property == TextProperty::Hint) return design_.hint;
    return {};
}

void MenuItem::SetText(TextProperty property, const std::string& value) {
    if (property == TextProperty::Hint) {
        design_.hint = value;
        return;
    }
    if (property != TextProperty::Caption || design_.caption == "-") return;
    design_.caption = value;
    Refresh();
}

void MenuItem::SetChecked(bool checked) {
    design_.checked = checked;
    Refresh();
}

void MenuItem::SetEnabled(bool enabled) {
    design_.enabled = enabled;
    Refresh();
}

void MenuItem::SetShortcutText(const std::string& text) {
    design_.shortcut = text;
    Refresh();
}

void MenuItem::Refresh() {
    std::wstring text = Widen(design_.caption);
    if (!design_.shortcut.empty()) text += L"\t" + Widen(design_.shortcut);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
    info.fType = design_.radio ? MFT_RADIOCHECK : 0;
    info.fState = (design_.checked ? MFS_CHECKED : MFS_UNCHECKED) | (design_.enabled ? 0 : MFS_DISABLED);
    info.dwTypeData = text.data();
    SetMenuItemInfoW(menu_, id_, FALSE, &info);
}

MenuSet::~MenuSet() {
    for (auto& [name, popup] : popups_) DestroyMenu(popup);
}

void MenuSet::Build(HMENU menu, const std::vector<MenuItemSpec>& items, UINT& nextId) {
    for (const auto& design : items) {
        if (design.caption == "-") {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            if (!design.name.empty()) items_.push_back(std::make_unique<MenuItem>(design, menu, 0));
            continue;
        }
        const UINT id = nextId++;
        auto item = std::make_unique<MenuItem>(design, menu, id);
        std::wstring text = Widen(design.caption);
        if (!design.shortcut.empty()) text += L"\t" + Widen(design.shortcut);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_FTYPE;
        info.fType = design.radio ? MFT_RADIOCHECK : 0;
        info.fState = (design.checked ? MFS_CHECKED : 0) | (design.enabled ? 0 : MFS_DISABLED);
        info.wID = id;
        info.dwTypeData = text.data();
        if (!design.items.empty()) {
            item->submenu = CreatePopupMenu();
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = item->submenu;
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
        MenuItem* raw = item.get();
        items_.push_back(std::move(item));
        if (raw->submenu) {
            const size_t before = items_.size();
            Build(raw->submenu, design.items, nextId);
            for (size_t i = before; i < items_.size(); ++i) {
                if (items_[i]->Menu() == raw->submenu) raw->children.push_back(items_[i].get());
            }
        }
    }
}

HMENU MenuSet::CreateBar(const std::vector<MenuItemSpec>& items, UINT& nextId) {
    bar_ = CreateMenu();
    Build(bar_, items, nextId);
    return bar_;
}

HMENU MenuSet::CreatePopup(const std::string& name, const std::vector<MenuItemSpec>& items, UINT& nextId) {
    HMENU popup = CreatePopupMenu();
    Build(popup, items, nextId);
    popups_.emplace_back(name, popup);
    return popup;
}

MenuItem* MenuSet::FindById(UINT id) const {
    for (const auto& item : items_) {
        if (item->Id() == id && id != 0) return item.get();
    }
    return nullptr;
}

MenuItem* MenuSet::Find(const std::string& name) const {
    for (const auto& item : items_) {
        if (item->Name() == name) return item.get();
    }
    return nullptr;
}

HMENU MenuSet::Popup(const std::string& name) const {
    for (const auto& [popupName, popup] : popups_) {
        if (popupName == name) return popup;
    }
    return nullptr;
}

void MenuSet::CopyItems(HMENU from, HMENU to) {
    const int count = GetMenuItemCount(from);
    for (int i = 0; i < count; ++i) CopyItem(from, static_cast<UINT>(i), to);
}

void MenuSet::CopyItem(HMENU from, UINT position, HMENU to) {
    wchar_t text[512] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_BITMAP;
    info.dwTypeData = text;
    info.cch = 511;
    if (!GetMenuItemInfoW(from, position, TRUE, &info)) return;
    HMENU sourceSubmenu = info.hSubMenu;
    if (sourceSubmenu) {
        info.hSubMenu = CreatePopupMenu();
        CopyItems(sourceSubmenu, info.hSubMenu);
    }
    info.dwTypeData = text;
    InsertMenuItemW(to, GetMenuItemCount(to), TRUE, &info);
}

}  // namespace vx
