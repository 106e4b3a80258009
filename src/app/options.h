#pragma once
// The in-memory settings of the main window and their storage under the settings key.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/shortcut.h"
#include "platform/registry.h"

namespace vx {

// COLORREF layout: red in the low byte, then green, then blue.
constexpr uint32_t Rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) |
           (static_cast<uint32_t>(blue) << 16);
}

enum class ViewMode : int32_t { Classic = 0, Sticker = 1, Pies = 2 };

struct FontSetting {
    std::string FontName = "TAHOMA";
    uint32_t Color = 0x00FF0000;
    int32_t CharSet = 1;  // DEFAULT_CHARSET
    int32_t Size = 10;
    uint8_t Style = 1;  // 1 bold, 2 italic, 4 underline, 8 strike-out
};

inline constexpr int kColumnCount = 7;  // Name, Label, Capacity, Used, Free, Available, percent

inline constexpr const char* kDefaultTempFilesExts =
    " *.bak, *.tmp, *.temp, *.$$$, *.@@@, *.~*, *.*~, *.---, *.chk, *.dmp, ~$*.*, *.___, *.ncb, thumbs.db";

// Every member is named after its registry value. Values of other meanings (a ViewMode outside
// 0 to 2, a ShowIn outside 0 to 4) are kept as read: the parts that use them have rules for them.
struct Options {
    bool CloseVX = true;
    bool SearchForTempFiles = true;
    bool ShowRemovableDrives = true;
    bool ShowFixedDrives = true;
    bool ShowNetworkDrives = true;
    bool ShowRamdisk = true;
    bool ShowOccuped = false;
    bool ShowFree = true;
    bool ShowLabels = false;
    bool ShowTotal = true;
    bool ShowAvail = false;
    bool ShowPercents = true;
    bool ShowUsedPercents = true;
    bool ClickThrough = false;
    bool DrawArrow = true;
    uint32_t UpArrowColor = 0x0058B666;
    uint32_t DownArrowColor = 0x000033CC;
    int16_t ShowIn = 3;
    bool UseColors = false;
    uint32_t BarTextColor = 0;
    uint32_t BarColor = Rgb(58, 230, 67);
    uint32_t BarColor1 = Rgb(251, 238, 53);
    uint32_t BarColor2 = Rgb(240, 83, 49);
    int32_t BarLimit1 = 25;
    int32_t BarLimit2 = 10;
    uint8_t BarUnits1 = 0;
    uint8_t BarUnits2 = 0;
    std::string ToolsString;
    int16_t UpdateInterval = 10;
    int16_t ResQuanity = 100;
    std::string TempFilesExts = kDefaultTempFilesExts;
    std::string CurrentLanguage = "vx_en.int";
    std::vector<std::string> DisabledDisks;
    std::vector<std::string> EnabledDisks;
    std::vector<std::string> TrayDisks;  // sorted, without duplicates
    int32_t ViewMode = 0;
    uint32_t StickerColor = 0x00D2FFFF;
    uint32_t StickerFontColor = 0;
    int16_t StickerFontSize = 9;
    std::string StickerFontName = "TAHOMA";  // derived from the size at load
    bool StickerShowCols = true;
    bool StickerShowPercents = false;
    bool StayOnTop = true;
    bool StoreCurrentResult = true;
    int32_t Top = 0;
    int32_t Left = 0;
    int32_t TipOfDayMode = 0;
    double TipOfDayDate = -1.0;
    bool LoadAtStartup = false;
    bool DoubleSizes = true;
    bool DoubleTime = true;
    bool DisplaySplash = true;
    bool ExcludeSystemFiles = true;
    ShortCut StayOnTopShortCut = MakeShortCut(0x7B, kShortCutCtrl);   // Ctrl+F12
    ShortCut HideToTrayShortCut = MakeShortCut(0x7A, kShortCutCtrl);  // Ctrl+F11
    std::string SMTPSrv;
    std::string SMTPLogin;
    bool SMTPAuth = false;
    std::string SMTPPassword;
    bool Visible = true;
    FontSetting PieLabelFont;
    std::string NtfConditions;
    std::array<int16_t, kColumnCount> ColumnWidths{-1, -1, -1, -1, -1, -1, -1};
    int32_t Transparency = 100;  // read at window creation, not by LoadOptions
    std::string FoldersList;
};

// The defaults routine: every default, and the window 370 pixels left of the right screen edge at the top.
void ApplyDefaults(Options& options, int screenWidth);

struct LoadContext {
    int screenWidth = 1024;
    // Gives the default tool list when the stored one is empty; none keeps the tools string as loaded.
    std::function<std::string()> defaultTools;
};

// Defaults first, then every value that the key holds with the right type. A value of the wrong
// type keeps its default and loading goes on with the next one, so that the next save cannot
// overwrite the user's later settings with defaults.
void LoadOptions(Registry& registry, Options& options, const LoadContext& context,
                 std::string_view key = kSettingsKey);

// Writes every value in the fixed write order. Returns false when the key cannot be written.
bool SaveOptions(Registry& registry, const Options& options, std::string_view key = kSettingsKey);

// "Transparency" as read at window creation: missing or outside 0 to 100 means 100.
int32_t ReadTransparency(Registry& registry, std::string_view key = kSettingsKey);

// The sticker font for a size: "TAHOMA" above 7 points, "SMALL FONTS" otherwise.
std::string StickerFontNameFor(int16_t size);

}  // namespace vx
