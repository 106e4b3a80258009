#pragma once
// One control of a form: the real Win32 control and its face towards the translator.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "intl/component.h"
#include "ui/font_win.h"
#include "ui/form_design.h"
#include "ui/toolbar_win.h"

namespace vx {

class Control : public Component {
public:
    Control(const ControlSpec& design, HWND handle, HWND tooltip, UINT dpi);

    HWND Handle() const { return handle_; }
    const ControlSpec& Design() const { return design_; }

    std::string Name() const override { return design_.name; }
    std::string ClassName() const override;
    int Tag() const override { return design_.tag; }
    ComponentKind Kind() const override;
    bool IsVisualControl() const override { return true; }

    bool HasText(TextProperty property) const override;
    std::string GetText(TextProperty property) const override;
    void SetText(TextProperty property, const std::string& value) override;

    size_t Count(ListProperty list) const override;
    std::string GetItem(ListProperty list, size_t index) const override;
    void SetItem(ListProperty list, size_t index, const std::string& value) override;

    bool BarHasCaptionButtons(size_t bar) const override;
    std::string BarButtonHint(size_t bar) const override;
    void SetBarButtonHint(size_t bar, const std::string& value) override;

    // Tool bars: their buttons, in order.
    void SetToolButtons(std::vector<ToolButton*> buttons) { toolButtons_ = std::move(buttons); }
    const std::vector<ToolButton*>& ToolButtons() const { return toolButtons_; }

    void ApplyFont(const FontChange& font) override;
    void SetFont(HFONT font);

    // Tree views: the node handles in tree order, filled at creation.
    void SetTreeNodes(std::vector<HTREEITEM> nodes) { nodes_ = std::move(nodes); }
    // Page controls: the sheets that are their pages, in tab order.
    void AddPage(Control* sheet) { pages_.push_back(sheet); }
    const std::vector<Control*>& Pages() const { return pages_; }
    void ShowPage(size_t index);
    // A sheet's page control, to keep the tab text in step with the sheet's caption.
    void SetPageControl(Control* pageControl, int index) {
        pageControl_ = pageControl;
        pageIndex_ = index;
    }

    // Group boxes: the frame that shows the caption.
    void SetFrame(HWND frame) { frame_ = frame; }

    // The designed font stays when the translator sets the window's fonts (tag 2048).
    FontChange currentFont{1, "", 0};

private:
    ControlSpec design_;
    HWND handle_;
    HWND tooltip_;
    HWND frame_ = nullptr;
    UINT dpi_;
    std::string hint_;
    std::vector<HTREEITEM> nodes_;
    std::vector<Control*> pages_;
    std::vector<ToolButton*> toolButtons_;
    Control* pageControl_ = nullptr;
    int pageIndex_ = -1;
    UniqueFont ownFont_;
};

// The Win32 window class and styles of a kind.
const wchar_t* Win32ClassOf(ControlKind kind);
DWORD Win32StyleOf(const ControlSpec& design);

}  // namespace vx
