#pragma once
// A window built from its table: real Win32 controls, scaled to the DPI, translated by name.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "intl/component.h"
#include "ui/control_win.h"
#include "ui/font_win.h"
#include "ui/form_design.h"
#include "ui/menu_win.h"
#include "ui/toolbar_win.h"

namespace vx {

class Form : public Component {
public:
    // Creates the window hidden, registers it among the application's windows and translates it.
    // `dpi` 0 takes the DPI of the monitor the window lands on.
    static std::unique_ptr<Form> Create(const FormSpec& design, HWND owner = nullptr, UINT dpi = 0);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND Handle() const { return hwnd_; }
    UINT Dpi() const { return dpi_; }
    int Scale(int pixels96) const { return MulDiv(pixels96, static_cast<int>(dpi_), 96); }
    Control* FindControl(const std::string& name) const;
    HWND ControlHandle(const std::string& name) const;
    MenuItem* FindMenuItem(const std::string& name) const { return menus_.Find(name); }
    ToolButton* FindToolButton(const std::string& name) const;
    HMENU PopupMenu(const std::string& name) const { return menus_.Popup(name); }

    // Shows the window modally: the owner is disabled until EndModal; returns its result.
    int ShowModal();
    void EndModal(int result);
    bool IsModal() const { return modal_; }

    // Called with the control or menu item's name for clicks and changes.
    std::function<void(const std::string& name)> onCommand;
    std::function<bool()> onCloseQuery;
    // Notifications of a control by name (custom draw, virtual rows, clicks); a value is the result.
    std::function<std::optional<LRESULT>(const std::string& control, NMHDR* header)> onNotify;
    // Every message, before the form's own handling; a value is the result and ends the handling.
    std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)> onMessage;

    // Rows of owner-drawn combo and list boxes; false leaves the row to the toolkit.
    std::function<bool(const std::string& control, const DRAWITEMSTRUCT& draw)> onDrawItem;

    // A key press that is a menu item's shortcut runs that item; true when it did.
    bool TranslateShortcut(const MSG& message);
    // The item's shortcut shown and answered; empty for none.
    void SetMenuShortcut(const std::string& item, const std::string& shortcut);

    void ShowPage(const std::string& pageControl, size_t index);
    // The chosen row of a combo box, list box or navigation bar; -1 for none.
    int SelectedIndex(const std::string& name) const;
    void SetVirtualRowCount(const std::string& listView, int rows);

    // Component
    std::string Name() const override { return design_.name; }
    std::string ClassName() const override { return design_.className; }
    int Tag() const override { return 0; }
    ComponentKind Kind() const override { return ComponentKind::Window; }
    bool IsVisualControl() const override { return true; }
    bool HasText(TextProperty property) const override { return property == TextProperty::Caption; }
    std::string GetText(TextProperty property) const override;
    void SetText(TextProperty property, const std::string& value) override;
    void ApplyFont(const FontChange& font) override;
    std::vector<Component*> OwnedComponents() const override;

private:
    Form(const FormSpec& design, UINT dpi);
    bool Build(HWND owner);
    void CreateControl(const ControlSpec& design);
    void Layout(int width, int height);
    ToolButton* FindToolButtonById(UINT id) const;
    const Control* FindControlById(UINT id) const;
    void DrawListItem(const Control& control, const DRAWITEMSTRUCT& draw);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    FormSpec design_;
    UINT dpi_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    UniqueFont font_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<ToolButton>> toolButtons_;
    UINT nextMenuId_ = 40000;
    MenuSet menus_;
    std::vector<Component*> owned_;  // controls and menu items in table order
    SIZE designedClient_{};
    bool modal_ = false;
    int modalResult_ = 0;
};

// Registers the container window class of panels, group boxes and tab sheets.
void RegisterToolkitClasses();

}  // namespace vx
