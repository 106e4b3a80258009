// What the real program reads from and writes to the settings key.
#include "e2e_fixture.h"

namespace vx::e2e {
namespace {

using SettingsTest = MonitorTest;

TEST_F(SettingsTest, CloseWritesEveryValueWithItsType) {
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Close(window, monitor));

    ExpectEveryValueAtItsDefault();
}

TEST_F(SettingsTest, StoredValuesComeBackAfterARun) {
    settings.WriteInteger(kSettingsKey, "ShowIn", 2);
    settings.WriteInteger(kSettingsKey, "UpArrowColor", 0x00ABCDEF);
    settings.WriteString(kSettingsKey, "NtfConditions", "conditions as the user made them");
    settings.WriteString(kSettingsKey, "FoldersList", "C:\\Data\r\n\\\\server\\share");
    settings.WriteString(kSettingsKey, "ToolsString", "tools as the user made them");
    settings.WriteInteger(kSettingsKey, "StickerView", 1);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowIn"), 2);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "UpArrowColor"), 0x00ABCDEF);
    EXPECT_EQ(ReadString(settings, kSettingsKey, "NtfConditions"), "conditions as the user made them");
    EXPECT_EQ(ReadString(settings, kSettingsKey, "FoldersList"), "C:\\Data\r\n\\\\server\\share");
    EXPECT_EQ(ReadString(settings, kSettingsKey, "ToolsString"), "tools as the user made them");
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ViewMode"), 1);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "StickerView"), 1);
}

TEST_F(SettingsTest, TransparencyOutsideTheRangeOpensOpaque) {
    struct Case {
        int stored;
        BYTE alpha;
    };
    for (const Case c : {Case{250, 255}, Case{-7, 255}, Case{50, 128}, Case{100, 255}}) {
        settings.WriteInteger(kSettingsKey, "Transparency", c.stored);
        Process monitor;
        HWND window = Start(monitor);
        ASSERT_NE(window, nullptr);
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
        EXPECT_TRUE(flags & LWA_ALPHA);
        EXPECT_EQ(alpha, c.alpha) << "Transparency " << c.stored;
        ASSERT_TRUE(Close(window, monitor));
        EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Transparency"), c.alpha == 255 ? 100 : c.stored);
    }
}

TEST_F(SettingsTest, StoredMinusOnePositionCentresTheWindow) {
    settings.WriteInteger(kSettingsKey, "Left", -1);
    settings.WriteInteger(kSettingsKey, "Top", -1);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 4);
}

TEST_F(SettingsTest, StoredPositionIsUsedAndTheMovedOneSaved) {
    settings.WriteInteger(kSettingsKey, "Left", 100);
    settings.WriteInteger(kSettingsKey, "Top", 150);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 150);
    SetWindowPos(window, nullptr, 220, 330, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Left"), 220);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Top"), 330);
}

TEST_F(SettingsTest, StayOnTopDecidesTheTopmostStyle) {
    for (const int stayOnTop : {1, 0}) {
        settings.WriteInteger(kSettingsKey, "StayOnTop", stayOnTop);
        Process monitor;
        HWND window = Start(monitor);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(WaitUntil(
            [&] {
                const bool topmost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
                return topmost == (stayOnTop == 1);
            },
            5000))
            << "StayOnTop " << stayOnTop;
        ASSERT_TRUE(Close(window, monitor));
    }
}

TEST_F(SettingsTest, GarbageSettingsStartWithoutACrash) {
    const std::string huge(300000, 'Q');
    settings.WriteString(kSettingsKey, "ShowFree", "not a number");
    settings.WriteBinary(kSettingsKey, "ShowTotal", {1, 2, 3, 4, 5, 6, 7, 8, 9});
    settings.WriteString(kSettingsKey, "Top", huge);
    settings.WriteString(kSettingsKey, "Left", "");
    settings.WriteInteger(kSettingsKey, "TempFilesExts", 12);
    settings.WriteString(kSettingsKey, "CurrentLanguage", huge);
    settings.WriteString(kSettingsKey, "EnabledDisks", std::string(20000, '\n'));
    settings.WriteString(kSettingsKey, "TrayDisks", "\"unterminated,,,  ,");
    settings.WriteBinary(kSettingsKey, "TipOfDayDate", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    settings.WriteString(kSettingsKey, "StayOnTopShortCut", huge);
    settings.WriteInteger(kSettingsKey, "HideToTrayShortCut", 3);
    settings.WriteString(kSettingsKey, "Transparency", "50");
    settings.WriteInteger(kSettingsKey, "ViewMode", -99);
    settings.WriteInteger(kSettingsKey, "ShowIn", 9);
    settings.WriteInteger(kSettingsKey, "UpdateInterval", 1);
    settings.WriteInteger(kSettingsKey, "StickerFontSize", -32768);
    for (int i = 0; i < 7; ++i) settings.WriteInteger(kSettingsKey, "Column_" + std::to_string(i), -500 - i);
    settings.WriteString(kSettingsKey, "PieLabelFont.FontName", huge);
    settings.WriteString(kSettingsKey, "PieLabelFont.Size", "big");

    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) - 370);  // wrong-typed position: default place
    ASSERT_TRUE(Close(window, monitor));
    EXPECT_EQ(monitor.ExitCode(), 0u);

    // Wrong-typed values were replaced by their defaults, with the right type.
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowFree"), 1);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowTotal"), 1);
    EXPECT_EQ(ValueType(settings, kSettingsKey, "Top"), RegType::Integer);
    EXPECT_EQ(ReadString(settings, kSettingsKey, "TempFilesExts").substr(0, 6), " *.bak");
    EXPECT_EQ(ReadString(settings, kSettingsKey, "HideToTrayShortCut"), "Ctrl+F11");
    EXPECT_EQ(ReadString(settings, kSettingsKey, "StayOnTopShortCut"), "");
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Transparency"), 100);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "PieLabelFont.Size"), 10);
    // Values that other parts have rules for are kept as they were.
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ShowIn"), 9);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "UpdateInterval"), 1);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "ViewMode"), -99);
    EXPECT_EQ(ReadInteger(settings, kSettingsKey, "Column_6"), -506);
    EXPECT_EQ(ReadString(settings, kSettingsKey, "CurrentLanguage").size(), huge.size());
}

}  // namespace
}  // namespace vx::e2e
