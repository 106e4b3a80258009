// The classic list as people see it: bars in the three colours, trend arrows, every size unit.
// The pictures land in build/screenshots/.
#include "drive_fixture.h"

namespace vx::e2e {
namespace {

enum class Hue { Green, Yellow, Red };

bool Looks(COLORREF c, Hue hue) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    switch (hue) {
        case Hue::Green:
            return g > r + 60 && g > b + 60;
        case Hue::Yellow:
            return r > b + 80 && g > b + 80;
        case Hue::Red:
            return r > g + 60 && r > b + 60;
    }
    return false;
}

class ClassicListScreenshots : public DrivesTest {
protected:
    // Starts with E: (20 % free), F: (80 % free) and N: (4 % free), UseColors on, every column
    // shown but Available, and refreshes every two seconds; returns once N:'s figures are in.
    HWND StartColourfulList(Process& monitor, int showIn, bool usedShare) {
        settings.WriteString(kSettingsKey, "EnabledDisks", "E:\r\nF:\r\nN:\r\n");
        settings.WriteString(kSettingsKey, "DisabledDisks", "A:\r\nC:\r\nD:\r\nZ:\r\n");
        for (const char* value : {"UseColors", "ShowLabels", "ShowTotal", "ShowOccuped", "ShowFree", "ShowPercents"})
            settings.WriteInteger(kSettingsKey, value, 1);
        settings.WriteInteger(kSettingsKey, "ShowAvail", 0);
        settings.WriteInteger(kSettingsKey, "ShowUsedPercents", usedShare ? 1 : 0);
        settings.WriteInteger(kSettingsKey, "ShowIn", showIn);
        settings.WriteInteger(kSettingsKey, "UpdateInterval", 3);
        settings.WriteInteger(kSettingsKey, "Left", 40);
        settings.WriteInteger(kSettingsKey, "Top", 40);
        HWND window = Start(monitor);
        if (!window) return nullptr;
        RemoteListView list(ListViewIn(window));
        if (!WaitUntil([&] { return list.Text(2, 2) != L"0"; }, 10000)) return nullptr;
        return window;
    }
    // F: loses 10 GiB and E: gains 0.4 GiB before the next refresh: an arrow each, until the
    // refresh after it. Both are measured by the same refresh; F:'s change shows in every unit.
    static bool MakeArrows(const RemoteListView& list) {
        const std::wstring freeOfF = list.Text(1, 4);
        SetFigures("usb", 17179869184LL, 3865470566LL, 3865470566LL);
        SetFigures("fixed", 53687091200LL, 32212254720LL, 32212254720LL);
        return WaitUntil([&] { return list.Text(1, 4) != freeOfF; }, 5000);
    }
};

TEST_F(ClassicListScreenshots, BarsInTheThreeColoursWithArrowsInEveryUnit) {
    VX_REQUIRE_SCRIPTED_VOLUMES();
    const wchar_t* units[] = {L"bytes", L"kilobytes", L"megabytes", L"gigabytes", L"terabytes"};
    for (int showIn = 0; showIn <= 4; ++showIn) {
        SCOPED_TRACE(testing::Message() << "ShowIn " << showIn);
        DrivesTest::SetUp();  // the figures as they were
        settings.DeleteKeyTree(kSettingsKey);
        Process monitor;
        HWND window = StartColourfulList(monitor, showIn, true);
        ASSERT_NE(window, nullptr);
        RemoteListView list(ListViewIn(window));
        ASSERT_TRUE(MakeArrows(list));
        // Used shares 78 %, 40 % and 96 %: a long bar each, in the colour of the free space left.
        EXPECT_TRUE(Looks(CellPixel(list, 0, 5, 0.1), Hue::Yellow)) << std::hex << CellPixel(list, 0, 5, 0.1);
        EXPECT_TRUE(Looks(CellPixel(list, 1, 5, 0.1), Hue::Green)) << std::hex << CellPixel(list, 1, 5, 0.1);
        EXPECT_TRUE(Looks(CellPixel(list, 2, 5, 0.1), Hue::Red)) << std::hex << CellPixel(list, 2, 5, 0.1);
        SaveWindowScreenshot(std::wstring(L"classic-list-") + units[showIn], window);
        ASSERT_TRUE(Close(window, monitor));
    }
}

TEST_F(ClassicListScreenshots, FreeShareBarsKeepTheirColours) {
    VX_REQUIRE_SCRIPTED_VOLUMES();
    Process monitor;
    HWND window = StartColourfulList(monitor, 3, false);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    ASSERT_TRUE(MakeArrows(list));
    EXPECT_EQ(list.ColumnCaption(5), L"% Free");
    // Free shares 23 %, 60 % and 4 %: N:'s bar is short, so its colour is looked for near the start.
    EXPECT_TRUE(Looks(CellPixel(list, 0, 5, 0.1), Hue::Yellow)) << std::hex << CellPixel(list, 0, 5, 0.1);
    EXPECT_TRUE(Looks(CellPixel(list, 1, 5, 0.1), Hue::Green)) << std::hex << CellPixel(list, 1, 5, 0.1);
    EXPECT_TRUE(Looks(CellPixel(list, 2, 5, 0.01), Hue::Red)) << std::hex << CellPixel(list, 2, 5, 0.01);
    EXPECT_TRUE(IsGrey(CellPixel(list, 2, 5, 0.8)));
    SaveWindowScreenshot(L"classic-list-free-share", window);
}

}  // namespace
}  // namespace vx::e2e
