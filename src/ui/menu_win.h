#pragma once
// Main and pop-up menus built from their tables; every item is a named TMenuItem component.
#include <windows.h>

#include <memory>
#include <vector>

#include "intl/component.h"
#include "ui/form_design.h"

namespace vx {

class MenuItem : public Component {
public:
    MenuItem(const MenuItemSpec& design, HMENU menu, UINT id);

    UINT Id() const { return id_; }
    HMENU Menu() const { return menu_; }
    const MenuItemSpec& Design() const { return design_; }
    bool Checked() const { return design_.checked; }
    void SetChecked(bool checked);
    void SetShortcutText(const std::string& text);
    bool Enabled() const { return design_.enabled; }
    void SetEnabled(bool enabled);

    std::string Name() const override { return design_.name; }
    std::string ClassName() const override { return "TMenuItem"; }
    int Tag() const override { return 0; }
    ComponentKind Kind() const override { return ComponentKind::Plain; }
    bool IsVisualControl() const override { return false; }
    bool HasText(TextProperty property) const override {
        return property == TextProperty::Caption || property == TextProperty::Hint;
    }
    std::string GetText(TextProperty property) const override;
    void SetText(TextProperty property, const std::string& value) override;

    // Sub-items, when this item opens a submenu.
    std::vector<MenuItem*> children;
    HMENU submenu = nullptr;

private:
    void Refresh();
    MenuItemSpec design_;
    HMENU menu_;
    UINT id_;
};

// Owns the menu handles and items of one form.
class MenuSet {
public:
    ~MenuSet();
    // Appends the items to `menu`; ids are handed out from `nextId`.
    void Build(HMENU menu, const std::vector<MenuItemSpec>& items, UINT& nextId);
    HMENU CreateBar(const std::vector<MenuItemSpec>& items, UINT& nextId);
    HMENU CreatePopup(const std::string& name, const std::vector<MenuItemSpec>& items, UINT& nextId);

    MenuItem* FindById(UINT id) const;
    MenuItem* Find(const std::string& name) const;
    HMENU Popup(const std::string& name) const;
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }

    // Copies items into another menu with caption, shortcut, check marks, images and sub-items,
    // keeping ids (so the copies run the same commands).
    static void CopyItems(HMENU from, HMENU to);
    static void CopyItem(HMENU from, UINT position, HMENU to);

private:
    std::vector<std::unique_ptr<MenuItem>> items_;
    std::vector<std::pair<std::string, HMENU>> popups_;
    HMENU bar_ = nullptr;
};

}  // namespace vx
