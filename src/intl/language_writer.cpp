#include "intl/language_writer.h"

#include <algorithm>
#include <set>

namespace vx {

namespace {

bool IsOneOf(const std::string& value, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (value == name) return true;
    }
    return false;
}

bool IsItemsClass(const std::string& className) {
    return IsOneOf(className, {"TComboBox", "TListBox", "TCheckListBox", "TRadioGroup", "TdxBarCombo",
                               "TdxBarColorCombo", "TspSkinComboBox", "TspSkinCheckListBox"});
}

// Plain components by kind, or by the exact class names of the toolbar and skinned libraries.
bool IsPlainForWriting(const Component& component) {
    if (component.Kind() == ComponentKind::Plain) return true;
    return IsOneOf(component.ClassName(), {"THyperLink",
                                           "TdxBarLargeButton",
                                           "TdxBarButton",
                                           "TdxBarSubItem",
                                           "TdxBarStatic",
                                           "TdxBarColorCombo",
                                           "TdxBarControlContainerItem",
                                           "TdxBarInPlaceSubItem",
                                           "TdxBarEdit",
                                           "TcxButton",
                                           "TcxRadioButton",
                                           "TcxCheckBox",
                                           "TCheckListBox",
                                           "TspSkinShadowLabel",
                                           "TspSkinButton",
                                           "TspSkinCheckRadioBox",
                                           "TRadioGroup",
                                           "TComboBox",
                                           "TListBox",
                                           "TdxBarCombo",
                                           "TcxBarEditItem",
                                           "TBrowseDirectoryDlg",
                                           "TImage",
                                           "TspSkinComboBox",
                                           "TspSkinCheckListBox"});
}

class Writer {
public:
    explicit Writer(const std::vector<std::string>& exclusions)
        : excluded_(exclusions.begin(), exclusions.end()) {}

    void Line(const std::string& text) {
        out_ += text;
        out_ += "\r\n";
    }
    void Text(const std::string& key, const std::string& text) {
        if (IsTranslatable(text)) Line(key + "=" + text);
    }
    bool Excluded(const std::string& path) const { return excluded_.count(path) != 0; }

    void WriteComponent(const std::string& form, const Component& k) {
        const std::string name = k.Name();
        const std::string path = form + "." + name;
        const bool items = !Excluded(path);
        const bool hint = !Excluded(path + ".Hint");
        const auto writeList = [&](ListProperty list) {
            if (!items) return;
            for (size_t i = 0; i < k.Count(list); ++i)
                Text(name + "." + std::to_string(i), k.GetItem(list, i));
        };
        if (k.Kind() == ComponentKind::FileDialog) {
            Text(name + ".Caption", k.GetText(TextProperty::Title));
            Text(name + ".Filter", k.GetText(TextProperty::Filter));
            return;
        }
        if (IsPlainForWriting(k)) {
            if (items) {
                if (k.HasText(TextProperty::Caption)) {
                    Text(name + ".Caption", k.GetText(TextProperty::Caption));
                } else if (k.HasText(TextProperty::Text)) {
                    Text(name + ".Caption", k.GetText(TextProperty::Text));
                }
            }
            const TextProperty hintProperty =
                k.ClassName() == "TBrowseDirectoryDlg" ? TextProperty::Title : TextProperty::Hint;
            if (hint && k.HasText(hintProperty)) Text(name + ".Hint", k.GetText(hintProperty));
            if (IsItemsClass(k.ClassName())) writeList(ListProperty::Items);
            return;
        }
        switch (k.Kind()) {
            case ComponentKind::ToolbarManager:
                if (!items) return;
                for (size_t i = 0; i < k.Count(ListProperty::Bars); ++i) {
                    const std::string caption = k.GetItem(ListProperty::Bars, i);
                    if (!IsTranslatable(caption)) continue;
                    Line(name + "." + std::to_string(i) + "=" + caption);
                    if (k.BarHasCaptionButtons(i))
                        Text(name + "." + std::to_string(i) + ".Hint", k.BarButtonHint(i));
                }
                return;
            case ComponentKind::Ribbon:
            case ComponentKind::TabControl:
                writeList(ListProperty::Tabs);
                return;
            case ComponentKind::TreeView:
                if (k.Tag() != kNodeExportTag) return;
                if (hint) Text(name + ".Hint", k.GetText(TextProperty::Hint));
                writeList(ListProperty::Nodes);
                return;
            case ComponentKind::ListView:
                if (hint) Text(name + ".Hint", k.GetText(TextProperty::Hint));
                writeList(ListProperty::Columns);
                return;
            default:
                return;
        }
    }

    std::string Result() const {
        const bool ascii = std::all_of(out_.begin(), out_.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        return ascii ? out_ : "\xEF\xBB\xBF" + out_;
    }

private:
    std::set<std::string> excluded_;
    std::string out_;
};

}  // namespace

bool IsTranslatable(const std::string& text) {
    if (text == "http://") return false;
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 0x41 && c <= 0x7A; });
}

std::string EscapeCatalogueLine(const std::string& entry) {
    const bool blank =
        std::all_of(entry.begin(), entry.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    if (blank || entry[0] == '[' || entry[0] == '#' || entry[0] == ';' || entry.compare(0, 3, "---") == 0) {
        return "---" + entry;
    }
    return entry;
}

const std::vector<std::string>& MainWindowExclusions() {
    static const std::vector<std::string> exclusions{"MainForm.lvDisks",
                                                     "MainForm.",
                                                     "MainForm.pmiDuplicatesReport",
                                                     "MainForm.pmiChangesReport",
                                                     "MainForm.pmiMoreSpaceReport",
                                                     "dlgSearch.lblResults",
                                                     "dlgSearch.lblPercents",
                                                     "dlgSearch.lblPath",
                                                     "dlgSearch.lblSteps",
                                                     "dlgSearch.lbDisks",
                                                     "dlgOptions.cbShowIn",
                                                     "dlgOptions.lbPropHint",
                                                     "dlgOptions.lbCaption",
                                                     "dlgOptions.cbMedium",
                                                     "dlgOptions.cbLow",
                                                     "dlgOptions.pnlSample",
                                                     "dlgAbout.VerLabel",
                                                     "dlgAbout.lblVCopyright",
                                                     "dlgAbout.btnEMail",
                                                     "dlgInstall.Label1",
                                                     "dlgInstall.Label15",
                                                     "dlgInstall.Label14",
                                                     "dlgInstall.btnAgree",
                                                     "dlgInstall.btnNotAgree",
                                                     "dlgInstall.",
                                                     "dlgInstall.btnNext",
                                                     "dlgInstall.Label20",
                                                     "dlgCondition.cbDisk",
                                                     "dlgCondition.cbNtfWay",
                                                     "dlgCondition.cbCndParam",
                                                     "dlgCondition.cbCondition",
                                                     "dlgResults.pnlContainer",
                                                     "dlgAdvanced.cbSMTP",
                                                     "dlgTips.TipLbl",
                                                     "dlgTemp.btnOK"};
    return exclusions;
}

std::string WriteLanguageFile(const ApplicationComponents& application,
                              const std::vector<std::string>& exclusions, const CatalogueEntries& catalogue) {
    Writer writer(exclusions);
    for (const char* header :
         {"[Intl File 4.0]", "Language=English", "Charset=1", "Font=Tahoma", ";comment", ""}) {
        writer.Line(header);
    }
    for (const Component* form : application) {
        if (!form || form->Kind() != ComponentKind::Window) continue;
        const std::string name = form->Name();
        writer.Line("[" + name + "]");
        if (!writer.Excluded(name + ".")) writer.Line("Caption=" + form->GetText(TextProperty::Caption));
        writer.Line("");
        for (const Component* owned : form->OwnedComponents()) {
            if (!owned || owned->Name().empty() || owned->Tag() == kNoTranslateTag) continue;
            writer.WriteComponent(name, *owned);
        }
        writer.Line("");
    }
    writer.Line("[Strings]");
    for (const auto& entry : catalogue) writer.Line(EscapeCatalogueLine(entry));
    return writer.Result();
}

}  // namespace vx
