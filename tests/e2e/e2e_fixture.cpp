// The checks shared by the tests that start from an empty settings key.
#include <cstring>

#include "e2e_fixture.h"

namespace vx::e2e {

void MonitorTest::ExpectEveryValueAtItsDefault() {
    // 72 values of the settings, "visible" and "Visible" being one, and "OnceStarted".
    const auto names = settings.ValueNames(kSettingsKey);
    EXPECT_EQ(names.size(), 73u);
    int visibleNames = 0;
    for (const auto& name : names) visibleNames += _stricmp(name.c_str(), "visible") == 0;
    EXPECT_EQ(visibleNames, 1);

    EXPECT_EQ(ReadString(settings, kSettingsKey, "TempFilesExts"),
              " *.bak, *.tmp, *.temp, *.$$$, *.@@@, *.~*, *.*~, *.---, *.chk, *.dmp, ~$*.*, *.___, *.ncb, "
              "thumbs.db");
    const auto date = ReadBinary(settings, kSettingsKey, "TipOfDayDate");
    ASSERT_EQ(date.size(), 8u);
    double day;
    std::memcpy(&day, date.data(), 8);
    EXPECT_EQ(day, -1.0);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Visible"), 1);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Left"), GetSystemMetrics(SM_CXSCREEN) - 370);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Top"), 0);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "LoadAtStartup"), 0);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "OnceStarted"), 1);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Transparency"), 100);
    EXPECT_EQ(ReadString(settings, kSettingsKey, "StayOnTopShortCut"), "Ctrl+F12");
    EXPECT_EQ(ReadString(settings, kSettingsKey, "HideToTrayShortCut"), "Ctrl+F11");
    EXPECT_EQ(ReadString(settings, kSettingsKey, "CurrentLanguage"), "vx_en.int");
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "BarColor"), 0x0043E63A);
    EXPECT_EQ(ReadString(settings, kSettingsKey, "PieLabelFont.FontName"), "TAHOMA");
    // Widths of the shown columns are computed once and kept; hidden ones stay to be computed.
    for (int i : {0, 2, 4, 6})
        EXPECT_GT(ReadInteger(settings, kSettingsKey, "Column_" + std::to_string(i)), 0) << i;
    for (int i : {1, 3, 5})
        EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Column_" + std::to_string(i)), -1) << i;
    EXPECT_FALSE(ValueExists(settings, kSettingsKey, "UpArrowColor"));
    EXPECT_FALSE(ValueExists(settings, kSettingsKey, "StickerView"));
}

}  // namespace vx::e2e
