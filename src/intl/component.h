#pragma once
// What the translator and the language-file writer see of a window and its components. The
// toolkit implements it over real controls; tests implement it with plain objects.
#include <cstddef>
#include <string>
#include <vector>

namespace vx {

// Tags that steer translation.
inline constexpr int kNoTranslateTag = 1973;
inline constexpr int kKeepFontTag = 2048;
inline constexpr int kNodeExportTag = 1007;

enum class ComponentKind {
    Other,             // non-visual, nothing to translate
    Window,            // a form: owns components, has a caption and a font
    Plain,             // labels, panels, buttons, boxes, edits, menu items, tab sheets, lists
    ToolbarManager,    // bars with captions, each with caption buttons
    ToolbarPopupMenu,  // the toolbar's pop-up menu: only its font
    TreeView,
    ListView,
    TabControl,
    Ribbon,
    FileDialog,  // open-file and save-file dialogs: title and filter
};

// Published string properties; a class has some of them.
enum class TextProperty { Caption, Title, Text, Hint, Filter };
// Indexed lists: combo, list box and radio items, tree nodes in tree order, list-view columns,
// tabs of a tab control or ribbon, captions of toolbar bars.
enum class ListProperty { Items, Nodes, Columns, Tabs, Bars };

struct FontChange {
    int charset = 1;
    std::string face;
    int size = 0;  // 0 or less: the designed size stays
};

class Component {
public:
    virtual ~Component() = default;

    virtual std::string Name() const = 0;
    virtual std::string ClassName() const = 0;
    virtual int Tag() const = 0;
    virtual ComponentKind Kind() const = 0;
    virtual bool IsVisualControl() const = 0;

    virtual bool HasText(TextProperty property) const = 0;
    virtual std::string GetText(TextProperty property) const = 0;
    virtual void SetText(TextProperty property, const std::string& value) = 0;

    // Components without lists, bars, fonts or owned components keep these defaults.
    virtual size_t Count(ListProperty) const { return 0; }
    virtual std::string GetItem(ListProperty, size_t) const { return {}; }
    virtual void SetItem(ListProperty, size_t, const std::string&) {}

    // Toolbar bars: the hint of a bar's first caption button.
    virtual bool BarHasCaptionButtons(size_t) const { return false; }
    virtual std::string BarButtonHint(size_t) const { return {}; }
    virtual void SetBarButtonHint(size_t, const std::string&) {}

    // A toolbar manager sets its bars' fonts too.
    virtual void ApplyFont(const FontChange&) {}

    // The components a window owns directly, in creation order; empty for the others.
    virtual std::vector<Component*> OwnedComponents() const { return {}; }
};

// Every window that exists, in the application's order.
using ApplicationComponents = std::vector<Component*>;

}  // namespace vx
