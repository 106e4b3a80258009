#pragma once
// The main window as the translator and the language-file writer see it: section "MainForm".
#include <windows.h>

#include <functional>
#include <string>

#include "intl/component.h"
#include "ui/font_win.h"

namespace vx {

class MainFormComponent : public Component {
public:
    // `handle` gives the window's current handle (it changes when the window is recreated).
    explicit MainFormComponent(std::function<HWND()> handle);

    std::string Name() const override { return "MainForm"; }
    std::string ClassName() const override { return "TMainForm"; }
    int Tag() const override { return 0; }
    ComponentKind Kind() const override { return ComponentKind::Window; }
    bool IsVisualControl() const override { return true; }

    bool HasText(TextProperty property) const override { return property == TextProperty::Caption; }
    std::string GetText(TextProperty property) const override;
    void SetText(TextProperty property, const std::string& value) override;

    size_t Count(ListProperty) const override { return 0; }
    std::string GetItem(ListProperty, size_t) const override { return {}; }
    void SetItem(ListProperty, size_t, const std::string&) override {}
    bool BarHasCaptionButtons(size_t) const override { return false; }
    std::string BarButtonHint(size_t) const override { return {}; }
    void SetBarButtonHint(size_t, const std::string&) override {}

    void ApplyFont(const FontChange& font) override;
    std::vector<Component*> OwnedComponents() const override { return {}; }

    const std::wstring& Caption() const { return caption_; }
    HFONT Font() const { return font_.get(); }

private:
    std::function<HWND()> handle_;
    std::wstring caption_ = L"Vantorix";
    FontChange fontChange_{1, "Tahoma", 8};
    UniqueFont font_;
};

}  // namespace vx
