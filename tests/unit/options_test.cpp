#include <gtest/gtest.h>

#include <cstring>

#include "app/log.h"
#include "app/options.h"
#include "platform/memory/memory_registry.h"

namespace vx {
namespace {

constexpr std::string_view kKey = kSettingsKey;

RegValue Integer(int32_t v) {
    RegValue r;
    r.type = RegType::Integer;
    r.integer = v;
    return r;
}
RegValue String(std::string v) {
    RegValue r;
    r.type = RegType::String;
    r.text = std::move(v);
    return r;
}
RegValue Binary(std::vector<uint8_t> v) {
    RegValue r;
    r.type = RegType::Binary;
    r.bytes = std::move(v);
    return r;
}
std::vector<uint8_t> DateBytes(double d) {
    std::vector<uint8_t> b(8);
    std::memcpy(b.data(), &d, 8);
    return b;
}

Options Load(MemoryRegistry& reg, int screenWidth = 1280) {
    Options o;
    LoadContext context;
    context.screenWidth = screenWidth;
    LoadOptions(reg, o, context);
    return o;
}

TEST(LoadOptions, FreshUserGetsEveryDefault) {
    MemoryRegistry reg;
    const Options o = Load(reg, 1600);
    EXPECT_EQ(o.TempFilesExts,
              " *.bak, *.tmp, *.temp, *.$$$, *.@@@, *.~*, *.*~, *.---, *.chk, *.dmp, ~$*.*, *.___, *.ncb, "
              "thumbs.db");
    EXPECT_EQ(o.Left, 1600 - 370);
    EXPECT_EQ(o.Top, 0);
    EXPECT_EQ(o.BarColor, 0x0043E63Au);  // RGB(58, 230, 67)
    EXPECT_EQ(o.BarColor1, 0x0035EEFBu);
    EXPECT_EQ(o.BarColor2, 0x003153F0u);
    EXPECT_EQ(o.StickerColor, 0x00D2FFFFu);
    EXPECT_EQ(o.UpArrowColor, 0x0058B666u);
    EXPECT_EQ(o.DownArrowColor, 0x000033CCu);
    EXPECT_EQ(o.ShowIn, 3);
    EXPECT_EQ(o.UpdateInterval, 10);
    EXPECT_EQ(o.ResQuanity, 100);
    EXPECT_EQ(o.BarLimit1, 25);
    EXPECT_EQ(o.BarLimit2, 10);
    EXPECT_EQ(o.CurrentLanguage, "vx_en.int");
    EXPECT_EQ(o.ViewMode, 0);
    EXPECT_EQ(o.TipOfDayDate, -1.0);
    EXPECT_EQ(ShortCutToText(o.StayOnTopShortCut), "Ctrl+F12");
    EXPECT_EQ(ShortCutToText(o.HideToTrayShortCut), "Ctrl+F11");
    EXPECT_EQ(o.PieLabelFont.FontName, "TAHOMA");
    EXPECT_EQ(o.PieLabelFont.Color, 0x00FF0000u);
    EXPECT_EQ(o.PieLabelFont.Size, 10);
    EXPECT_EQ(o.PieLabelFont.Style, 1);
    EXPECT_EQ(o.StickerFontName, "TAHOMA");
    for (int16_t width : o.ColumnWidths) EXPECT_EQ(width, -1);
    EXPECT_TRUE(o.Visible);
    EXPECT_TRUE(o.StayOnTop);
    EXPECT_TRUE(o.ShowUsedPercents);
    EXPECT_FALSE(o.ShowOccuped);
    EXPECT_TRUE(o.ToolsString.empty());
}

TEST(LoadOptions, WrongTypedValueKeepsItsDefaultAndLaterValuesStillLoad) {
    MemoryRegistry reg;
    reg.Put(kKey, "CloseVX", String("yes"));  // first value of the read order
    reg.Put(kKey, "ShowIn", String("2"));
    reg.Put(kKey, "ToolsString", Integer(5));
    reg.Put(kKey, "TipOfDayDate", Binary({1, 2, 3}));  // not 8 bytes
    reg.Put(kKey, "Column_0", String("80"));
    reg.Put(kKey, "ShowFree", Integer(0));
    reg.Put(kKey, "BarLimit2", Integer(33));
    reg.Put(kKey, "SMTPSrv", String("mail.example.com"));
    reg.Put(kKey, "Column_6", Integer(120));
    const Options o = Load(reg);
    EXPECT_TRUE(o.CloseVX);
    EXPECT_EQ(o.ShowIn, 3);
    EXPECT_EQ(o.ToolsString, "");
    EXPECT_EQ(o.TipOfDayDate, -1.0);
    EXPECT_EQ(o.ColumnWidths[0], -1);
    EXPECT_FALSE(o.ShowFree);
    EXPECT_EQ(o.BarLimit2, 33);
    EXPECT_EQ(o.SMTPSrv, "mail.example.com");
    EXPECT_EQ(o.ColumnWidths[6], 120);
}

TEST(LoadOptions, StickerViewStandsInForAMissingViewMode) {
    MemoryRegistry reg;
    reg.Put(kKey, "StickerView", Integer(1));
    Options o = Load(reg);
    EXPECT_EQ(o.ViewMode, 1);
    ASSERT_TRUE(SaveOptions(reg, o));
    EXPECT_EQ(ReadInteger(reg, kKey, "ViewMode"), 1);
    EXPECT_EQ(ReadInteger(reg, kKey, "StickerView"), 1);  // never written, left as it was

    // Once "ViewMode" exists it rules, whatever "StickerView" says.
    reg.Put(kKey, "ViewMode", Integer(0));
    EXPECT_EQ(Load(reg).ViewMode, 0);
    MemoryRegistry plain;
    plain.Put(kKey, "StickerView", Integer(0));
    EXPECT_EQ(Load(plain).ViewMode, 0);
}

TEST(SaveOptions, HandSetArrowColoursSurviveEverySave) {
    MemoryRegistry reg;
    reg.Put(kKey, "UpArrowColor", Integer(0x00123456));
    reg.Put(kKey, "DownArrowColor", Integer(0x00654321));
    for (int round = 0; round < 3; ++round) {
        Options o = Load(reg);
        EXPECT_EQ(o.UpArrowColor, 0x00123456u);
        o.UpArrowColor = 0;  // even a changed in-memory colour is not written
        ASSERT_TRUE(SaveOptions(reg, o));
    }
    EXPECT_EQ(ReadInteger(reg, kKey, "UpArrowColor"), 0x00123456);
    EXPECT_EQ(ReadInteger(reg, kKey, "DownArrowColor"), 0x00654321);
}

TEST(LoadOptions, StickerFontFollowsTheSize) {
    struct Case {
        int size;
        const char* font;
    };
    for (const Case c : {Case{7, "SMALL FONTS"}, Case{8, "TAHOMA"}, Case{6, "SMALL FONTS"},
                         Case{-3, "SMALL FONTS"}, Case{20, "TAHOMA"}}) {
        MemoryRegistry reg;
        reg.Put(kKey, "StickerFontSize", Integer(c.size));
        EXPECT_EQ(Load(reg).StickerFontName, c.font) << c.size;
    }
}

TEST(LoadOptions, NarrowValuesAreTruncatedToTheirWidth) {
    MemoryRegistry reg;
    reg.Put(kKey, "ShowIn", Integer(70000));       // 16-bit: 70000 - 65536
    reg.Put(kKey, "UpdateInterval", Integer(-1));  // 16-bit keeps the sign
    reg.Put(kKey, "BarUnits1", Integer(257));      // 8-bit
    reg.Put(kKey, "Column_3", Integer(0x12345));
    const Options o = Load(reg);
    EXPECT_EQ(o.ShowIn, 4464);
    EXPECT_EQ(o.UpdateInterval, -1);
    EXPECT_EQ(o.BarUnits1, 1);
    EXPECT_EQ(o.ColumnWidths[3], 0x2345);
}

TEST(LoadOptions, ValuesWithRulesElsewhereAreKeptAsStored) {
    // A unit outside 0 to 4, a one-second interval and a negative width have their own rules in
    // the formatting, refresh and list code; loading must not clamp them away.
    MemoryRegistry reg;
    reg.Put(kKey, "ShowIn", Integer(9));
    reg.Put(kKey, "UpdateInterval", Integer(1));
    reg.Put(kKey, "Column_2", Integer(-500));
    reg.Put(kKey, "ViewMode", Integer(7));
    Options o = Load(reg);
    EXPECT_EQ(o.ShowIn, 9);
    EXPECT_EQ(o.UpdateInterval, 1);
    EXPECT_EQ(o.ColumnWidths[2], -500);
    EXPECT_EQ(o.ViewMode, 7);
    ASSERT_TRUE(SaveOptions(reg, o));
    EXPECT_EQ(ReadInteger(reg, kKey, "ShowIn"), 9);
    EXPECT_EQ(ReadInteger(reg, kKey, "UpdateInterval"), 1);
}

TEST(LoadOptions, PieLabelFontCompanionsNeedTheFontName) {
    MemoryRegistry without;
    without.Put(kKey, "PieLabelFont.Size", Integer(20));
    EXPECT_EQ(Load(without).PieLabelFont.Size, 10);

    MemoryRegistry partial;
    partial.Put(kKey, "PieLabelFont.FontName", String("ARIAL"));
    partial.Put(kKey, "PieLabelFont.Size", Integer(14));
    partial.Put(kKey, "PieLabelFont.Style", Integer(0x1F06));  // the low byte is the style set
    partial.Put(kKey, "PieLabelFont.Color", String("red"));
    const Options o = Load(partial);
    EXPECT_EQ(o.PieLabelFont.FontName, "ARIAL");
    EXPECT_EQ(o.PieLabelFont.Size, 14);
    EXPECT_EQ(o.PieLabelFont.Style, 6);
    EXPECT_EQ(o.PieLabelFont.Color, 0x00FF0000u);  // wrong type: default
    EXPECT_EQ(o.PieLabelFont.CharSet, 1);          // missing: default, not -1
}

TEST(LoadOptions, ListsAndShortcuts) {
    MemoryRegistry reg;
    reg.Put(kKey, "EnabledDisks", String("C:\r\nD:\r\nE:\\Data\r\n"));
    reg.Put(kKey, "DisabledDisks", String("A:\r\n"));
    reg.Put(kKey, "TrayDisks", String("D:1,c:0,C:0,B:1"));
    reg.Put(kKey, "StayOnTopShortCut", String("Shift+Ctrl+Alt+A"));
    reg.Put(kKey, "HideToTrayShortCut", String("Ctrl+Nothing"));
    const Options o = Load(reg);
    EXPECT_EQ(o.EnabledDisks, (std::vector<std::string>{"C:", "D:", "E:\\Data"}));
    EXPECT_EQ(o.DisabledDisks, (std::vector<std::string>{"A:"}));
    EXPECT_EQ(o.TrayDisks, (std::vector<std::string>{"B:1", "c:0", "D:1"}));  // sorted, duplicates dropped
    EXPECT_EQ(ShortCutToText(o.StayOnTopShortCut), "Shift+Ctrl+Alt+A");
    EXPECT_EQ(o.HideToTrayShortCut, kNoShortCut);
}

TEST(LoadOptions, DefaultToolsOnlyReplaceAnEmptyToolsString) {
    LoadContext context;
    int calls = 0;
    context.defaultTools = [&calls] {
        ++calls;
        return std::string("default tools");
    };
    MemoryRegistry empty;
    Options o;
    LoadOptions(empty, o, context);
    EXPECT_EQ(o.ToolsString, "default tools");
    MemoryRegistry stored;
    stored.Put(kKey, "ToolsString", String("mine"));
    LoadOptions(stored, o, context);
    EXPECT_EQ(o.ToolsString, "mine");
    EXPECT_EQ(calls, 1);
}

TEST(LoadOptions, BracketsItselfInTheTrace) {
    std::vector<std::string> lines;
    InstallLog({nullptr, [&lines](std::string_view line) { lines.emplace_back(line); }});
    MemoryRegistry reg;
    Load(reg);
    InstallLog({});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "00:00:00 LoadOptions\r\n");
    EXPECT_EQ(lines[1], "00:00:00 /LoadOptions\r\n");
}

TEST(LoadOptions, GarbageKeyLoadsWithoutHarm) {
    MemoryRegistry reg;
    const std::string huge(1 << 20, 'x');
    reg.Put(kKey, "CurrentLanguage", String(huge));
    reg.Put(kKey, "EnabledDisks", String(std::string(100000, '\n')));
    reg.Put(kKey, "TrayDisks", String(std::string(5000, ',') + "\"" + huge));
    reg.Put(kKey, "StayOnTopShortCut", String(huge));
    RegValue other;
    other.type = RegType::Other;
    other.bytes = {0xFF, 0xFE};
    for (const char* name :
         {"Top", "Left", "Visible", "ViewMode", "StickerFontSize", "PieLabelFont.FontName"}) {
        reg.Put(kKey, name, other);
    }
    for (int i = 0; i < kColumnCount; ++i) reg.Put(kKey, "Column_" + std::to_string(i), Integer(-32768));
    reg.Put(kKey, "TipOfDayDate", Binary(DateBytes(std::numeric_limits<double>::quiet_NaN())));
    const Options o = Load(reg, 1280);
    EXPECT_EQ(o.CurrentLanguage.size(), huge.size());
    EXPECT_EQ(o.Left, 910);
    EXPECT_TRUE(o.Visible);
    EXPECT_EQ(o.StayOnTopShortCut, kNoShortCut);
    EXPECT_EQ(o.ColumnWidths[0], -32768);
    EXPECT_TRUE(SaveOptions(reg, o));
}

TEST(SaveOptions, WritesEveryValueInTheFixedOrder) {
    MemoryRegistry reg;
    Options o = Load(reg);
    ASSERT_TRUE(SaveOptions(reg, o));
    const std::vector<std::string> order{"ResQuanity",
                                         "SearchForTempFiles",
                                         "UpdateInterval",
                                         "ShowRemovableDrives",
                                         "ShowFixedDrives",
                                         "ShowNetworkDrives",
                                         "ShowRamdisk",
                                         "ShowOccuped",
                                         "ShowFree",
                                         "ShowLabels",
                                         "ShowTotal",
                                         "ShowAvail",
                                         "ShowPercents",
                                         "ShowUsedPercents",
                                         "ClickThrough",
                                         "DrawArrow",
                                         "ShowIn",
                                         "UseColors",
                                         "CloseVX",
                                         "BarTextColor",
                                         "BarColor",
                                         "BarColor1",
                                         "BarColor2",
                                         "BarLimit1",
                                         "BarLimit2",
                                         "BarUnits1",
                                         "BarUnits2",
                                         "ToolsString",
                                         "TempFilesExts",
                                         "CurrentLanguage",
                                         "DisabledDisks",
                                         "EnabledDisks",
                                         "TrayDisks",
                                         "ViewMode",
                                         "StickerColor",
                                         "StickerFontColor",
                                         "StickerFontSize",
                                         "StickerShowCols",
                                         "StickerShowPercents",
                                         "StayOnTop",
                                         "StoreCurrentResult",
                                         "Top",
                                         "Left",
                                         "TipOfDayMode",
                                         "TipOfDayDate",
                                         "LoadAtStartup",
                                         "DoubleSizes",
                                         "DoubleTime",
                                         "DisplaySplash",
                                         "ExcludeSystemFiles",
                                         "StayOnTopShortCut",
                                         "HideToTrayShortCut",
                                         "NtfConditions",
                                         "SMTPSrv",
                                         "SMTPLogin",
                                         "SMTPPassword",
                                         "Transparency",
                                         "SMTPAuth",
                                         "visible",
                                         "FoldersList",
                                         "PieLabelFont.FontName",
                                         "PieLabelFont.Color",
                                         "PieLabelFont.CharSet",
                                         "PieLabelFont.Size",
                                         "PieLabelFont.Style",
                                         "Column_0",
                                         "Column_1",
                                         "Column_2",
                                         "Column_3",
                                         "Column_4",
                                         "Column_5",
                                         "Column_6",
                                         "Visible"};
    EXPECT_EQ(reg.WriteLog(), order);
    // "visible" and "Visible" are one value.
    EXPECT_EQ(reg.ValueNames(kKey).size(), order.size() - 1);
    EXPECT_EQ(ReadString(reg, kKey, "TempFilesExts").front(), ' ');
    EXPECT_EQ(ReadBinary(reg, kKey, "TipOfDayDate"), DateBytes(-1.0));
    EXPECT_EQ(ReadString(reg, kKey, "StayOnTopShortCut"), "Ctrl+F12");
    EXPECT_EQ(ReadString(reg, kKey, "EnabledDisks"), "");
}

TEST(SaveOptions, ChangedValuesRoundTrip) {
    MemoryRegistry reg;
    Options o = Load(reg);
    o.ShowOccuped = true;
    o.ShowIn = 1;
    o.BarColor2 = 0xFF000005;  // a system-colour code
    o.BarUnits2 = 1;
    o.EnabledDisks = {"C:", "\\\\server\\share"};
    o.TrayDisks = {"C:0", "D:1"};
    o.TipOfDayDate = 46000.75;
    o.HideToTrayShortCut = kNoShortCut;
    o.NtfConditions = "opaque conditions text";
    o.FoldersList = "C:\\Data\r\n\\\\srv\\share";
    o.PieLabelFont = {"ARIAL", 0x123456, 204, 12, 3};
    o.ColumnWidths = {10, 20, 30, 40, 50, 60, 70};
    o.Transparency = 40;
    o.Visible = false;
    o.Top = -1;
    o.Left = -1;
    ASSERT_TRUE(SaveOptions(reg, o));
    EXPECT_EQ(ReadString(reg, kKey, "EnabledDisks"), "C:\r\n\\\\server\\share\r\n");
    EXPECT_EQ(ReadString(reg, kKey, "TrayDisks"), "C:0,D:1");
    EXPECT_EQ(ReadString(reg, kKey, "HideToTrayShortCut"), "");
    EXPECT_EQ(ReadInteger(reg, kKey, "Visible"), 0);
    const Options back = Load(reg);
    EXPECT_TRUE(back.ShowOccuped);
    EXPECT_EQ(back.ShowIn, 1);
    EXPECT_EQ(back.BarColor2, 0xFF000005u);
    EXPECT_EQ(back.BarUnits2, 1);
    EXPECT_EQ(back.EnabledDisks, o.EnabledDisks);
    EXPECT_EQ(back.TrayDisks, o.TrayDisks);
    EXPECT_EQ(back.TipOfDayDate, 46000.75);
    EXPECT_EQ(back.HideToTrayShortCut, kNoShortCut);
    EXPECT_EQ(back.NtfConditions, o.NtfConditions);
    EXPECT_EQ(back.FoldersList, o.FoldersList);
    EXPECT_EQ(back.PieLabelFont.FontName, "ARIAL");
    EXPECT_EQ(back.PieLabelFont.CharSet, 204);
    EXPECT_EQ(back.PieLabelFont.Style, 3);
    EXPECT_EQ(back.ColumnWidths, o.ColumnWidths);
    EXPECT_FALSE(back.Visible);
    EXPECT_EQ(back.Top, -1);
    EXPECT_EQ(back.Left, -1);
    EXPECT_EQ(ReadTransparency(reg), 40);
}

TEST(SaveOptions, AKeyThatCannotBeWrittenIsReported) {
    MemoryRegistry reg;
    reg.SetReadOnly(true);
    EXPECT_FALSE(SaveOptions(reg, Options{}));
    EXPECT_FALSE(reg.KeyExists(kKey));
}

TEST(Transparency, OutsideTheRangeMeansOpaque) {
    struct Case {
        std::optional<int> stored;
        int percent;
    };
    for (const Case c : {Case{std::nullopt, 100}, Case{250, 100}, Case{-1, 100}, Case{101, 100}, Case{0, 0},
                         Case{70, 70}, Case{100, 100}}) {
        MemoryRegistry reg;
        if (c.stored) reg.Put(kKey, "Transparency", Integer(*c.stored));
        EXPECT_EQ(ReadTransparency(reg), c.percent);
    }
    MemoryRegistry wrong;
    wrong.Put(kKey, "Transparency", String("50"));
    EXPECT_EQ(ReadTransparency(wrong), 100);
}

}  // namespace
}  // namespace vx
