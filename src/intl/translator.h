#pragma once
// The reading pass over a loaded language file: header values, sections, the catalogue, and the
// translation lines applied to windows by component name.
#include <string>
#include <string_view>
#include <vector>

#include "intl/catalogue.h"
#include "intl/component.h"
#include "intl/language_state.h"

namespace vx {

struct SplitLine {
    bool valid = false;  // false without "="
    std::string name;
    std::string property;
    std::string value;
};

// At the first "." when it comes before the first "="; nothing is trimmed.
SplitLine SplitTranslationLine(std::string_view line);

// A whole number as the header keys and indexes accept it: optional blanks, optional sign, digits.
bool ParseWholeNumber(std::string_view text, long long& value);

// Applies `lines` to the application's windows (or only to `window` when given) and to the
// catalogue, which is published as a whole at the end. Nothing is thrown.
void TranslateForm(const std::vector<std::string>& lines, LanguageFonts& fonts,
                   const ApplicationComponents& application, Component* window);

// Applies one translation line to a window (exposed for the tests).
void ApplyTranslationLine(Component& window, std::string_view line);
// Sets the fonts of a window and of what it owns, as a section header does.
void ApplyWindowFonts(Component& window, const LanguageFonts& fonts);

}  // namespace vx
