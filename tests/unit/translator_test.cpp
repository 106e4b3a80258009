#include <gtest/gtest.h>

#include "core/text.h"
#include "intl/catalogue.h"
#include "intl/language_writer.h"
#include "intl/plain_component.h"
#include "intl/translator.h"

namespace vx {
namespace {

using K = ComponentKind;
using T = TextProperty;
using L = ListProperty;

std::unique_ptr<PlainComponent> Make(const char* name, const char* cls, ComponentKind kind, int tag = 0) {
    return std::make_unique<PlainComponent>(name, cls, kind, tag);
}

// An options window with a little of everything.
std::unique_ptr<PlainComponent> OptionsWindow() {
    auto form = Make("dlgOptions", "TdlgOptions", K::Window);
    form->With(T::Caption, "Options");
    form->Own(Make("lvDrives", "TListView", K::ListView))
        .With(T::Hint, "Disks")
        .WithList(L::Columns, {"Disk", "Tray"});
    form->Own(Make("cbShowIn", "TComboBox", K::Plain))
        .With(T::Text, "Gigabytes")
        .With(T::Hint, "Unit")
        .WithList(L::Items, {"Bytes", "Kilobytes"});
    form->Own(Make("edtName", "TEdit", K::Plain)).With(T::Text, "name").With(T::Hint, "");
    form->Own(Make("lblFixed", "TLabel", K::Plain, kNoTranslateTag)).With(T::Caption, "Fixed");
    form->Own(Make("lblBig", "TLabel", K::Plain, kKeepFontTag)).With(T::Caption, "Big");
    form->Own(Make("tvTree", "TTreeView", K::TreeView, kNodeExportTag))
        .With(T::Hint, "Tree")
        .WithList(L::Nodes, {"Root", "Child 1", "Grandchild", "Child 2"});
    form->Own(Make("dxBarManager", "TdxBarManager", K::ToolbarManager))
        .WithList(L::Bars, {"Main", "Extra"})
        .WithBarHints({"Open", ""});
    form->Own(Make("dlgOpen", "TOpenDialog", K::FileDialog)).With(T::Title, "Open").With(T::Filter, "*.wav");
    form->Own(Make("tmUpdate", "TTimer", K::Other));
    form->Own(Make("pcPages", "TPageControl", K::TabControl)).WithList(L::Tabs, {"General", "Disks"});
    return form;
}

class TranslatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        PublishCatalogue({});
        form = OptionsWindow();
        app = {form.get()};
    }
    void TearDown() override { PublishCatalogue({}); }
    void Load(std::vector<std::string> lines, Component* window = nullptr) {
        TranslateForm(lines, fonts, app, window);
    }
    PlainComponent& C(const char* name) { return *form->Find(name); }

    std::unique_ptr<PlainComponent> form;
    ApplicationComponents app;
    LanguageFonts fonts;
};

TEST_F(TranslatorTest, TranslationLinesByRule) {
    Load({"[dlgOptions]", "Caption=Optionen", "lvDrives.1=Tray icon", "lvDrives.5=nothing",
          "lvDrives.Hint=Laufwerke", "cbShowIn.1=Kilooctets", "cbShowIn.7=out of range",
          "cbShowIn.Caption=Gigaoctets", "edtName.Caption=Nom", "tvTree.2=Enkel",
          "dlgOpen.Caption=Please select a sound file", "dlgOpen.Filter=Sounds|*.wav", "pcPages.1=Laufwerke",
          "dxBarManager.0=Toolbar", "dxBarManager.0.Hint=Open file", "dxBarManager.1.Hint=no buttons",
          "lblFixed.Caption=Changed", "LVDRIVES.0=Disque"});
    EXPECT_EQ(form->GetText(T::Caption), "Optionen");
    EXPECT_EQ(C("lvDrives").GetItem(L::Columns, 0), "Disque");  // names compare without case
    EXPECT_EQ(C("lvDrives").GetItem(L::Columns, 1), "Tray icon");
    EXPECT_EQ(C("lvDrives").Count(L::Columns), 2u);
    EXPECT_EQ(C("lvDrives").GetText(T::Hint), "Laufwerke");
    EXPECT_EQ(C("cbShowIn").GetItem(L::Items, 1), "Kilooctets");
    EXPECT_EQ(C("cbShowIn").GetText(T::Text), "Gigaoctets");  // no Caption: Text
    EXPECT_EQ(C("edtName").GetText(T::Text), "Nom");
    EXPECT_EQ(C("tvTree").GetItem(L::Nodes, 2), "Enkel");  // tree order: a parent before its children
    EXPECT_EQ(C("dlgOpen").GetText(T::Title), "Please select a sound file");
    EXPECT_EQ(C("dlgOpen").GetText(T::Filter), "Sounds|*.wav");
    EXPECT_EQ(C("pcPages").GetItem(L::Tabs, 1), "Laufwerke");
    EXPECT_EQ(C("dxBarManager").GetItem(L::Bars, 0), "Toolbar");
    EXPECT_EQ(C("dxBarManager").BarButtonHint(0), "Open file");
    EXPECT_EQ(C("dxBarManager").GetItem(L::Bars, 1), "Extra");  // a hint line never sets the caption
    EXPECT_EQ(C("lblFixed").GetText(T::Caption), "Fixed");
}

TEST_F(TranslatorTest, LinesThatDoNothing) {
    Load({"[dlgOptions]", "caption=lower-case property word", "lvDrives.caption=x", "lvDrives.-1=x",
          "lvDrives. 1=x", "lvDrives.1x=x", "nobody.Caption=x", "=x", "no equals sign", "tmUpdate.Caption=x",
          "edtName.Filter=x", "lvDrives.99999999999999999999=x"});
    EXPECT_EQ(form->GetText(T::Caption), "Options");
    EXPECT_EQ(C("lvDrives").GetItem(L::Columns, 1), "Tray");
    EXPECT_EQ(C("edtName").GetText(T::Text), "name");
}

TEST_F(TranslatorTest, ValuesAreUsedExactlyAsWritten) {
    Load({"[dlgOptions]", "edtName.Caption=  two blanks \\n and || stay  ", "lvDrives.0=---kept"});
    EXPECT_EQ(C("edtName").GetText(T::Text), "  two blanks \\n and || stay  ");
    EXPECT_EQ(C("lvDrives").GetItem(L::Columns, 0), "---kept");
}

TEST_F(TranslatorTest, SectionHeaderSetsFontsAtOnceExceptForKeepFontAndNonVisual) {
    fonts = {204, "Arial", 11};
    Load({"[dlgOptions]"});
    EXPECT_EQ(form->Font().face, "Arial");
    EXPECT_EQ(form->Font().charset, 204);
    EXPECT_EQ(form->Font().size, 11);
    EXPECT_EQ(C("lvDrives").Font().face, "Arial");
    EXPECT_EQ(C("dxBarManager").Font().face, "Arial");
    EXPECT_EQ(C("lblBig").FontChanges(), 0);
    EXPECT_EQ(C("tmUpdate").FontChanges(), 0);
    EXPECT_EQ(C("dlgOpen").FontChanges(), 0);
    // A section for another window, or none, leaves this one's fonts alone.
    auto other = OptionsWindow();
    ApplicationComponents two{form.get(), other.get()};
    TranslateForm({"[Strings]", "x"}, fonts, two, nullptr);
    EXPECT_EQ(other->FontChanges(), 0);
}

TEST_F(TranslatorTest, HeaderKeysAndTheLineAfterTheHeader) {
    fonts = DefaultLanguageFonts(true, 6, 1);
    Load({"[Intl File 4.0]", "Charset=204", "Font=Tahoma", "FontSize=abc"});
    EXPECT_EQ(fonts.charset, 1) << "the line after the header line is never read";
    EXPECT_EQ(fonts.face, "Segoe UI");
    EXPECT_EQ(fonts.size, 0);

    Load({"[Intl File 4.0]", "Language=Russian", "Charset=204", "Font=Arial", "FontSize=12"});
    EXPECT_EQ(fonts.charset, 204);
    EXPECT_EQ(fonts.face, "Arial");
    EXPECT_EQ(fonts.size, 12);
    // A later file without these keys keeps what the earlier one set.
    Load({"[Intl File 4.0]", "Language=English", "Font=MS Sans Serif"});
    EXPECT_EQ(fonts.charset, 204);
    EXPECT_EQ(fonts.face, "Arial");
    Load({"[welcome.htm]", "Charset=x"});  // a section of no window reads header keys
    EXPECT_EQ(fonts.charset, 1);
}

TEST(DefaultFonts, ByWindowsVersion) {
    EXPECT_EQ(DefaultLanguageFonts(false, 4, 90).face, "MS Sans Serif");
    EXPECT_EQ(DefaultLanguageFonts(true, 5, 0).face, "MS Sans Serif");
    EXPECT_EQ(DefaultLanguageFonts(true, 5, 1).face, "Tahoma");
    EXPECT_EQ(DefaultLanguageFonts(true, 5, 1).size, 0);
    EXPECT_EQ(DefaultLanguageFonts(true, 6, 0).face, "Segoe UI");
    EXPECT_EQ(DefaultLanguageFonts(true, 10, 0).size, 9);
}

TEST_F(TranslatorTest, TranslatingOneWindowSkipsTheOthersAndTheCatalogue) {
    auto other = Make("MainForm", "TMainForm", K::Window);
    other->With(T::Caption, "Vantorix");
    TranslateForm({"[MainForm]", "Caption=Main", "[dlgOptions]", "Caption=Opt", "[Strings]", "Octets"}, fonts,
                  {other.get()}, form.get());
    EXPECT_EQ(other->GetText(T::Caption), "Vantorix");
    EXPECT_EQ(form->GetText(T::Caption), "Opt");  // found by its own name although not yet listed
    EXPECT_TRUE(CurrentCatalogue()->empty());
}

TEST_F(TranslatorTest, StringsSectionFillsTheCatalogueByPosition) {
    FillDefaultCatalogueIfEmpty();
    std::vector<std::string> lines{"[Strings]"};
    for (int i = 0; i < 150; ++i) lines.push_back("entry " + std::to_string(i));
    Load(lines);
    ASSERT_EQ(CurrentCatalogue()->size(), 182u);
    EXPECT_EQ(CatalogueText(149), "entry 149");
    EXPECT_EQ(CatalogueText(150), "-");
    EXPECT_EQ(CatalogueText(181), "Vantorix is running in the system tray.");

    Load({"[Strings]", "---", "---;semicolon", "  blanks kept  ", "   ; not a comment", "; a comment",
          "#also", "", "---[bracket"});
    EXPECT_EQ(CatalogueText(0), "");
    EXPECT_EQ(CatalogueText(1), ";semicolon");
    EXPECT_EQ(CatalogueText(2), "  blanks kept  ");
    EXPECT_EQ(CatalogueText(3), "   ; not a comment");
    EXPECT_EQ(CatalogueText(4), "[bracket");
    EXPECT_EQ(CatalogueText(5), "entry 5");
}

TEST_F(TranslatorTest, AShortFileLeavesTheRestToTheBuiltInEntries) {
    Load({"[Strings]", "Octets"});
    EXPECT_EQ(CurrentCatalogue()->size(), 1u);
    FillDefaultCatalogueIfEmpty();  // not empty: never completed
    EXPECT_EQ(CurrentCatalogue()->size(), 1u);
    EXPECT_EQ(CatalogueText(0), "Octets");
    EXPECT_EQ(CatalogueText(137), "Do you want to reset Vantorix settings?");
}

TEST(SplitTranslationLine, AtTheFirstDotBeforeTheFirstEquals) {
    auto s = SplitTranslationLine("lvDrives.1.Hint=a.b=c");
    EXPECT_EQ(s.name, "lvDrives");
    EXPECT_EQ(s.property, "1.Hint");
    EXPECT_EQ(s.value, "a.b=c");
    s = SplitTranslationLine("Caption=File.txt");
    EXPECT_EQ(s.name, "Caption");
    EXPECT_EQ(s.property, "");
    EXPECT_EQ(s.value, "File.txt");
    EXPECT_FALSE(SplitTranslationLine("no equals").valid);
    s = SplitTranslationLine(" a . b = c ");
    EXPECT_EQ(s.name, " a ");
    EXPECT_EQ(s.property, " b ");
    EXPECT_EQ(s.value, " c ");
}

TEST(IsTranslatable, NeedsALetterAndIsNotABareScheme) {
    EXPECT_TRUE(IsTranslatable("OK"));
    EXPECT_TRUE(IsTranslatable("^"));  // between Z and a
    EXPECT_FALSE(IsTranslatable("http://"));
    EXPECT_TRUE(IsTranslatable("http://x"));
    EXPECT_FALSE(IsTranslatable("12 %"));
    EXPECT_FALSE(IsTranslatable(""));
    EXPECT_FALSE(IsTranslatable("{|}"));
}

TEST_F(TranslatorTest, WrittenFileLeavesOutNoTranslateAndExclusionsAndReadsBack) {
    const CatalogueEntries catalogue{"Bytes", "", " ", "[x", "#y", ";z", "---w", "plain"};
    const std::string text =
        WriteLanguageFile(app, {"dlgOptions.cbShowIn", "dlgOptions.edtName.Hint"}, catalogue);
    const auto lines = SplitLines(text);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              (std::vector<std::string>{"[Intl File 4.0]", "Language=English", "Charset=1", "Font=Tahoma",
                                        ";comment", ""}));
    EXPECT_NE(text.find("[dlgOptions]\r\nCaption=Options\r\n\r\n"), std::string::npos);
    EXPECT_NE(text.find("lvDrives.Hint=Disks\r\nlvDrives.0=Disk\r\nlvDrives.1=Tray\r\n"), std::string::npos);
    EXPECT_NE(text.find("cbShowIn.Hint=Unit\r\n"), std::string::npos);  // the hint is not excluded
    EXPECT_EQ(text.find("cbShowIn.0="), std::string::npos);
    EXPECT_EQ(text.find("cbShowIn.Caption"), std::string::npos);
    EXPECT_EQ(text.find("lblFixed"), std::string::npos);
    EXPECT_EQ(text.find("edtName.Hint"), std::string::npos);
    EXPECT_NE(text.find("tvTree.2=Grandchild"), std::string::npos);
    EXPECT_NE(text.find("dxBarManager.0=Main\r\ndxBarManager.0.Hint=Open\r\ndxBarManager.1=Extra\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("dlgOpen.Caption=Open\r\ndlgOpen.Filter=*.wav"), std::string::npos);
    EXPECT_NE(text.find("pcPages.0=General"), std::string::npos);
    EXPECT_NE(
        text.find("[Strings]\r\nBytes\r\n---\r\n--- \r\n---[x\r\n---#y\r\n---;z\r\n------w\r\nplain\r\n"),
        std::string::npos);

    // Loaded into fresh windows whose texts differ, the file gives the written texts back.
    auto fresh = OptionsWindow();
    fresh->Find("lvDrives")->SetItem(L::Columns, 1, "changed");
    fresh->Find("dxBarManager")->SetBarButtonHint(0, "changed");
    fresh->SetText(T::Caption, "changed");
    ApplicationComponents freshApp{fresh.get()};
    TranslateForm(lines, fonts, freshApp, nullptr);
    EXPECT_EQ(fresh->GetText(T::Caption), "Options");
    EXPECT_EQ(fresh->Find("lvDrives")->GetItem(L::Columns, 1), "Tray");
    EXPECT_EQ(fresh->Find("dxBarManager")->BarButtonHint(0), "Open");
    EXPECT_EQ(*CurrentCatalogue(), catalogue);
}

TEST_F(TranslatorTest, OnlyNodeExportTreesAreWritten) {
    form->Own(Make("tvPlain", "TTreeView", K::TreeView)).WithList(L::Nodes, {"Hidden node"});
    const std::string text = WriteLanguageFile(app, {}, {});
    EXPECT_EQ(text.find("tvPlain"), std::string::npos);
    EXPECT_NE(text.find("tvTree.0=Root"), std::string::npos);
}

TEST_F(TranslatorTest, NonAsciiFilesCarryAByteOrderMark) {
    form->SetText(T::Caption, "\xD0\x9D\xD0\xB0\xD1\x81\xD1\x82\xD1\x80\xD0\xBE\xD0\xB9\xD0\xBA\xD0\xB8");
    EXPECT_EQ(WriteLanguageFile(app, {}, {}).substr(0, 3), "\xEF\xBB\xBF");
    form->SetText(T::Caption, "Options");
    EXPECT_EQ(WriteLanguageFile(app, {}, {}).substr(0, 3), "[In");
}

TEST(MainWindowExclusions, AreTheFixedList) {
    const auto& list = MainWindowExclusions();
    ASSERT_EQ(list.size(), 35u);
    EXPECT_EQ(list.front(), "MainForm.lvDisks");
    EXPECT_EQ(list[1], "MainForm.");
    EXPECT_EQ(list.back(), "dlgTemp.btnOK");
}

}  // namespace
}  // namespace vx
