#include "intl/plain_component.h"

namespace vx {

PlainComponent::PlainComponent(std::string name, std::string className, ComponentKind kind, int tag)
    : name_(std::move(name)), className_(std::move(className)), kind_(kind), tag_(tag) {
    if (kind_ == ComponentKind::Other || kind_ == ComponentKind::FileDialog) visual_ = false;
}

std::string PlainComponent::GetText(TextProperty property) const {
    auto it = texts_.find(property);
    return it == texts_.end() ? std::string() : it->second;
}

void PlainComponent::SetText(TextProperty property, const std::string& value) {
    auto it = texts_.find(property);
    if (it != texts_.end()) it->second = value;
}

size_t PlainComponent::Count(ListProperty list) const {
    auto it = lists_.find(list);
    return it == lists_.end() ? 0 : it->second.size();
}

std::string PlainComponent::GetItem(ListProperty list, size_t index) const {
    auto it = lists_.find(list);
    return it == lists_.end() || index >= it->second.size() ? std::string() : it->second[index];
}

void PlainComponent::SetItem(ListProperty list, size_t index, const std::string& value) {
    auto it = lists_.find(list);
    if (it != lists_.end() && index < it->second.size()) it->second[index] = value;
}

bool PlainComponent::BarHasCaptionButtons(size_t bar) const {
    return bar < barHints_.size() && !barHints_[bar].empty();
}

std::string PlainComponent::BarButtonHint(size_t bar) const {
    return bar < barHints_.size() ? barHints_[bar] : std::string();
}

void PlainComponent::SetBarButtonHint(size_t bar, const std::string& value) {
    if (BarHasCaptionButtons(bar)) barHints_[bar] = value;
}

void PlainComponent::ApplyFont(const FontChange& font) {
    font_.charset = font.charset;
    font_.face = font.face;
    if (font.size > 0) font_.size = font.size;
    ++fontChanges_;
}

std::vector<Component*> PlainComponent::OwnedComponents() const {
    std::vector<Component*> owned;
    for (const auto& child : owned_) owned.push_back(child.get());
    return owned;
}

PlainComponent& PlainComponent::With(TextProperty property, std::string value) {
    texts_[property] = std::move(value);
    return *this;
}

PlainComponent& PlainComponent::WithList(ListProperty list, std::vector<std::string> items) {
    lists_[list] = std::move(items);
    return *this;
}

PlainComponent& PlainComponent::WithBarHints(std::vector<std::string> hints) {
    barHints_ = std::move(hints);
    return *this;
}

PlainComponent& PlainComponent::NonVisual() {
    visual_ = false;
    return *this;
}

PlainComponent& PlainComponent::Own(std::unique_ptr<PlainComponent> child) {
    owned_.push_back(std::move(child));
    return *owned_.back();
}

PlainComponent* PlainComponent::Find(const std::string& name) {
    for (auto& child : owned_) {
        if (child->Name() == name) return child.get();
    }
    return nullptr;
}

}  // namespace vx
