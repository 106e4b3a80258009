#pragma once
// A component held as plain data: the component model without any window behind it.
#include <map>
#include <memory>

#include "intl/component.h"

namespace vx {

class PlainComponent : public Component {
public:
    PlainComponent(std::string name, std::string className, ComponentKind kind, int tag = 0);

    std::string Name() const override { return name_; }
    std::string ClassName() const override { return className_; }
    int Tag() const override { return tag_; }
    ComponentKind Kind() const override { return kind_; }
    bool IsVisualControl() const override { return visual_; }

    bool HasText(TextProperty property) const override { return texts_.count(property) != 0; }
    std::string GetText(TextProperty property) const override;
    void SetText(TextProperty property, const std::string& value) override;

    size_t Count(ListProperty list) const override;
    std::string GetItem(ListProperty list, size_t index) const override;
    void SetItem(ListProperty list, size_t index, const std::string& value) override;

    bool BarHasCaptionButtons(size_t bar) const override;
    std::string BarButtonHint(size_t bar) const override;
    void SetBarButtonHint(size_t bar, const std::string& value) override;

    void ApplyFont(const FontChange& font) override;
    std::vector<Component*> OwnedComponents() const override;

    // Building the object.
    PlainComponent& With(TextProperty property, std::string value);
    PlainComponent& WithList(ListProperty list, std::vector<std::string> items);
    PlainComponent& WithBarHints(
        std::vector<std::string> hints);  // empty text: a bar without caption buttons
    PlainComponent& NonVisual();
    PlainComponent& Own(std::unique_ptr<PlainComponent> child);
    PlainComponent* Find(const std::string& name);

    // What translation did to the font; no change yet: empty face and charset 0.
    const FontChange& Font() const { return font_; }
    int FontChanges() const { return fontChanges_; }

private:
    std::string name_;
    std::string className_;
    ComponentKind kind_;
    int tag_;
    bool visual_ = true;
    std::map<TextProperty, std::string> texts_;
    std::map<ListProperty, std::vector<std::string>> lists_;
    std::vector<std::string> barHints_;
    FontChange font_{0, "", 0};
    int fontChanges_ = 0;
    std::vector<std::unique_ptr<PlainComponent>> owned_;
};

}  // namespace vx
