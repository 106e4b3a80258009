// Language files are untrusted: anyone can drop a file into the program folder or send one.
// The whole reading pass runs over the bytes against a small window, then the INI lookup.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "intl/catalogue.h"
#include "intl/language_file.h"
#include "intl/language_writer.h"
#include "intl/plain_component.h"
#include "intl/translator.h"

namespace {

std::string Latin1(std::string_view bytes, int) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vx;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PublishCatalogue({});
    PlainComponent form("MainForm", "TMainForm", ComponentKind::Window);
    form.With(TextProperty::Caption, "Vantorix");
    form.Own(std::make_unique<PlainComponent>("lvDisks", "TListView", ComponentKind::ListView))
        .WithList(ListProperty::Columns, {"Name", "Free"});
    form.Own(std::make_unique<PlainComponent>("cbUnit", "TComboBox", ComponentKind::Plain))
        .With(TextProperty::Text, "GB")
        .WithList(ListProperty::Items, {"KB", "MB"});
    form.Own(std::make_unique<PlainComponent>("tbBars", "TdxBarManager", ComponentKind::ToolbarManager))
        .WithList(ListProperty::Bars, {"Main"})
        .WithBarHints({"Open"});
    form.Own(
            std::make_unique<PlainComponent>("tvNodes", "TTreeView", ComponentKind::TreeView, kNodeExportTag))
        .WithList(ListProperty::Nodes, {"a", "b", "c"});

    LanguageFonts fonts;
    const auto lines = DecodeLanguageFile(bytes, 1, 1252, Latin1);
    TranslateForm(lines, fonts, {&form}, nullptr);
    if (CurrentCatalogue()->size() > lines.size()) std::abort();
    if (form.Find("lvDisks")->Count(ListProperty::Columns) != 2) std::abort();

    // Whatever was read must write a file that reads back to the same catalogue.
    const CatalogueEntries catalogue = *CurrentCatalogue();
    const std::string written = WriteLanguageFile({&form}, {}, catalogue);
    PublishCatalogue({});
    const auto again = DecodeLanguageFile(written, 1, 1252, Latin1);
    TranslateForm(again, fonts, {&form}, nullptr);
    if (*CurrentCatalogue() != catalogue) std::abort();

    LookupLanguageText(bytes, "Intl File 4.0", "Language", 1252, Latin1);
    LookupLanguageText(bytes, "Uninstall", "Text", 1252, Latin1);
    ExpandTutorialTemplate(bytes, [](const std::string& key) -> std::optional<std::string> { return key; });
    return 0;
}
