#pragma once
// Tool bars: one bar of buttons, some of which drop down a menu. The bar plays the toolbar
// manager for the translator (its bar caption and first button's hint) and every button is a
// TdxBarButton component of its own.
#include <windows.h>

#include <memory>
#include <vector>

#include "intl/component.h"
#include "ui/form_design.h"

namespace vx {

class ToolButton : public Component {
public:
    ToolButton(const MenuItemSpec& design, HWND toolbar, UINT id)
        : design_(design), toolbar_(toolbar), id_(id) {}

    UINT Id() const { return id_; }
    HMENU dropDown = nullptr;  // the menu of a drop-down button

    std::string Name() const override { return design_.name; }
    std::string ClassName() const override { return "TdxBarButton"; }
    int Tag() const override { return 0; }
    ComponentKind Kind() const override { return ComponentKind::Other; }
    bool IsVisualControl() const override { return false; }
    bool HasText(TextProperty property) const override {
        return property == TextProperty::Caption || property == TextProperty::Hint;
    }
    std::string GetText(TextProperty property) const override;
    void SetText(TextProperty property, const std::string& value) override;

private:
    MenuItemSpec design_;
    HWND toolbar_;
    UINT id_;
};

// Adds the buttons to a tool bar control; ids come from `nextId`.
std::vector<std::unique_ptr<ToolButton>> AddToolButtons(HWND toolbar,
                                                        const std::vector<MenuItemSpec>& buttons,
                                                        UINT& nextId);

}  // namespace vx
