#include "intl/translator.h"

#include "core/text.h"

namespace vx {

namespace {

bool IsBlankLine(std::string_view line) {
    for (char c : line) {
        if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
}

Component* FindOwned(const std::vector<Component*>& components, std::string_view name) {
    for (Component* component : components) {
        if (component && EqualsIgnoreCase(component->Name(), name)) return component;
    }
    return nullptr;
}

// Class names whose published Items list takes indexed lines.
bool HasItemsList(const std::string& className) {
    static const char* const kClasses[] = {
        "TComboBox",        "TListBox",        "TCheckListBox",       "TRadioGroup",         "TdxBarCombo",
        "TdxBarColorCombo", "TspSkinComboBox", "TspSkinCheckListBox", "TspSkinCheckRadioBox"};
    for (const char* name : kClasses) {
        if (className == name) return true;
    }
    return false;
}

void ApplyHeaderLine(std::string_view line, LanguageFonts& fonts) {
    const SplitLine split = SplitTranslationLine(line);
    if (!split.valid || !split.property.empty()) return;
    long long number = 0;
    if (split.name == "Charset") {
        fonts.charset = ParseWholeNumber(split.value, number) && number >= 0 && number <= 255
                            ? static_cast<int>(number)
                            : 1;
    } else if (split.name == "Font") {
        // These two leave the system's own face in force.
        if (split.value != "MS Sans Serif" && split.value != "Tahoma") fonts.face = split.value;
    } else if (split.name == "FontSize") {
        fonts.size = ParseWholeNumber(split.value, number) && number <= 1000 && number >= -1000
                         ? static_cast<int>(number)
                         : 0;
    }
}

void SetIndexedText(Component& component, size_t index, bool hintMode, const std::string& value) {
    if (HasItemsList(component.ClassName()) && index < component.Count(ListProperty::Items)) {
        component.SetItem(ListProperty::Items, index, value);
    }
    switch (component.Kind()) {
        case ComponentKind::ToolbarManager:
            if (index < component.Count(ListProperty::Bars)) {
                if (!hintMode) {
                    component.SetItem(ListProperty::Bars, index, value);
                } else if (component.BarHasCaptionButtons(index)) {
                    component.SetBarButtonHint(index, value);
                }
            }
            return;
        case ComponentKind::Ribbon:
        case ComponentKind::TabControl:
            if (index < component.Count(ListProperty::Tabs))
                component.SetItem(ListProperty::Tabs, index, value);
            return;
        case ComponentKind::TreeView:
            if (index < component.Count(ListProperty::Nodes))
                component.SetItem(ListProperty::Nodes, index, value);
            return;
        case ComponentKind::ListView:
            if (index < component.Count(ListProperty::Columns)) {
                component.SetItem(ListProperty::Columns, index, value);
            }
            return;
        default:
            return;
    }
}

}  // namespace

SplitLine SplitTranslationLine(std::string_view line) {
    SplitLine split;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return split;
    split.valid = true;
    const size_t dot = line.find('.');
    if (dot != std::string_view::npos && dot < equals) {
        split.name = std::string(line.substr(0, dot));
        split.property = std::string(line.substr(dot + 1, equals - dot - 1));
    } else {
        split.name = std::string(line.substr(0, equals));
    }
    split.value = std::string(line.substr(equals + 1));
    return split;
}

bool ParseWholeNumber(std::string_view text, long long& value) {
    size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
    if (pos >= text.size()) return false;
    long long result = 0;
    for (; pos < text.size(); ++pos) {
        if (text[pos] < '0' || text[pos] > '9') return false;
        if (result > 100000000000LL) return false;  // far beyond any index or size
        result = result * 10 + (text[pos] - '0');
    }
    value = negative ? -result : result;
    return true;
}

void ApplyWindowFonts(Component& window, const LanguageFonts& fonts) {
    const FontChange change{fonts.charset, fonts.face, fonts.size};
    window.ApplyFont(change);
    for (Component* owned : window.OwnedComponents()) {
        if (!owned) continue;
        const ComponentKind kind = owned->Kind();
        if (kind == ComponentKind::ToolbarManager || kind == ComponentKind::ToolbarPopupMenu) {
            owned->ApplyFont(change);
        } else if (owned->IsVisualControl() && owned->Tag() != kKeepFontTag) {
            owned->ApplyFont(change);
        }
    }
}

void ApplyTranslationLine(Component& window, std::string_view line) {
    const SplitLine split = SplitTranslationLine(line);
    if (!split.valid || split.name.empty()) return;
    if (split.property.empty()) {
        if (split.name == "Caption") window.SetText(TextProperty::Caption, split.value);
        return;
    }
    Component* component = FindOwned(window.OwnedComponents(), split.name);
    if (!component || component->Tag() == kNoTranslateTag) return;

    if (split.property == "Caption") {
        for (TextProperty property : {TextProperty::Caption, TextProperty::Title, TextProperty::Text}) {
            if (component->HasText(property)) {
                component->SetText(property, split.value);
                return;
            }
        }
        return;
    }
    if (split.property == "Hint") {
        if (component->HasText(TextProperty::Hint)) {
            component->SetText(TextProperty::Hint, split.value);
        } else if (component->HasText(TextProperty::Title)) {
            component->SetText(TextProperty::Title, split.value);
        }
        return;
    }
    if (split.property == "Filter") {
        if (component->Kind() == ComponentKind::FileDialog)
            component->SetText(TextProperty::Filter, split.value);
        return;
    }
    std::string indexText = split.property;
    bool hintMode = false;
    if (indexText.size() >= 5 && indexText.compare(indexText.size() - 5, 5, ".Hint") == 0) {
        hintMode = true;
        indexText.resize(indexText.size() - 5);
    }
    long long index = 0;
    // Indexes are plain digits: no blanks or signs.
    if (indexText.empty() || indexText.find_first_not_of("0123456789") != std::string::npos) return;
    if (!ParseWholeNumber(indexText, index) || index < 0) return;
    SetIndexedText(*component, static_cast<size_t>(index), hintMode, split.value);
}

void TranslateForm(const std::vector<std::string>& lines, LanguageFonts& fonts,
                   const ApplicationComponents& application, Component* window) {
    if (lines.empty()) return;
    CatalogueEntries catalogue = *CurrentCatalogue();
    bool catalogueChanged = false;
    Component* current = nullptr;
    bool stringsMode = false;
    size_t counter = 0;
    try {
        for (size_t i = 0; i < lines.size(); ++i) {
            std::string_view line = lines[i];
            if (IsBlankLine(line)) continue;
            if (line[0] == '#' || line[0] == ';') continue;
            if (line.substr(0, 10) == "[Intl File") {
                ++i;  // the language's name is never interpreted
                continue;
            }
            if (line[0] == '[') {
                const size_t close = line.find(']', 1);
                const std::string name(
                    line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
                current = FindOwned(application, name);
                if (!current && window && window->Name() == name) current = window;
                if (current && current->Kind() != ComponentKind::Window) current = nullptr;
                if (current) ApplyWindowFonts(*current, fonts);
                stringsMode = name == "Strings";
                counter = 0;
                continue;
            }
            if (!current && !stringsMode) {
                ApplyHeaderLine(line, fonts);
                continue;
            }
            if (window && current != window) continue;
            if (line.substr(0, 3) == "---") line.remove_prefix(3);
            if (stringsMode) {
                if (counter < catalogue.size()) {
                    catalogue[counter] = std::string(line);
                } else {
                    catalogue.emplace_back(line);
                }
                ++counter;
                catalogueChanged = true;
                continue;
            }
            ApplyTranslationLine(*current, line);
        }
    } catch (...) {
        // The pass ends quietly; what was applied stays.
    }
    if (catalogueChanged) PublishCatalogue(std::move(catalogue));
}

}  // namespace vx
