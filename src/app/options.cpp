#include "app/options.h"

#include <algorithm>
#include <cstring>

#include "app/log.h"
#include "core/text.h"

namespace vx {

namespace {

// Reads one value at a time; a value that is missing or of another type leaves the option as it is.
class Loader {
public:
    Loader(Registry& registry, std::string_view key) : registry_(registry), key_(key) {}

    std::optional<RegValue> Get(std::string_view name, RegType type) {
        auto value = registry_.Read(key_, name);
        if (!value) return std::nullopt;
        const bool isString = value->type == RegType::String || value->type == RegType::ExpandString;
        if (type == RegType::String ? !isString : value->type != type) {
            LogLine("Settings value \"" + std::string(name) + "\" has the wrong type; its default stays");
            return std::nullopt;
        }
        return value;
    }
    bool Exists(std::string_view name) { return registry_.Read(key_, name).has_value(); }

    void Load(std::string_view name, bool& target) {
        if (auto v = Get(name, RegType::Integer)) target = v->integer != 0;
    }
    void Load(std::string_view name, int32_t& target) {
        if (auto v = Get(name, RegType::Integer)) target = v->integer;
    }
    void Load(std::string_view name, int16_t& target) {
        if (auto v = Get(name, RegType::Integer))
            target = static_cast<int16_t>(static_cast<uint16_t>(v->integer));
    }
    void Load(std::string_view name, uint8_t& target) {
        if (auto v = Get(name, RegType::Integer)) target = static_cast<uint8_t>(v->integer);
    }
    void Load(std::string_view name, uint32_t& target) {
        if (auto v = Get(name, RegType::Integer)) target = static_cast<uint32_t>(v->integer);
    }
    void Load(std::string_view name, std::string& target) {
        if (auto v = Get(name, RegType::String)) target = v->text;
    }
    // Dates are an 8-byte binary double; any other size is the wrong type.
    void Load(std::string_view name, double& target) {
        auto v = Get(name, RegType::Binary);
        if (!v) return;
        if (v->bytes.size() != sizeof(double)) {
            LogLine("Settings value \"" + std::string(name) + "\" is not a date; its default stays");
            return;
        }
        std::memcpy(&target, v->bytes.data(), sizeof(double));
    }
    void LoadLines(std::string_view name, std::vector<std::string>& target) {
        if (auto v = Get(name, RegType::String)) target = SplitLines(v->text);
    }
    void LoadSortedCommaText(std::string_view name, std::vector<std::string>& target) {
        auto v = Get(name, RegType::String);
        if (!v) return;
        target.clear();
        for (auto& item : ParseCommaText(v->text)) {
            auto pos = std::lower_bound(target.begin(), target.end(), item, [](const auto& a, const auto& b) {
                return AsciiLower(a) < AsciiLower(b);
            });
            if (pos != target.end() && EqualsIgnoreCase(*pos, item)) continue;
            target.insert(pos, std::move(item));
        }
    }
    void LoadShortCut(std::string_view name, ShortCut& target) {
        if (auto v = Get(name, RegType::String)) target = TextToShortCut(v->text);
    }

private:
    Registry& registry_;
    std::string key_;
};

class Saver {
public:
    Saver(Registry& registry, std::string_view key) : registry_(registry), key_(key) {}

    void Save(std::string_view name, bool value) { Note(registry_.WriteInteger(key_, name, value ? 1 : 0)); }
    void Save(std::string_view name, int32_t value) { Note(registry_.WriteInteger(key_, name, value)); }
    void Save(std::string_view name, int16_t value) { Note(registry_.WriteInteger(key_, name, value)); }
    void Save(std::string_view name, uint8_t value) { Note(registry_.WriteInteger(key_, name, value)); }
    void Save(std::string_view name, uint32_t value) {
        Note(registry_.WriteInteger(key_, name, static_cast<int32_t>(value)));
    }
    void Save(std::string_view name, const std::string& value) {
        Note(registry_.WriteString(key_, name, value));
    }
    void Save(std::string_view name, double value) {
        std::vector<uint8_t> bytes(sizeof(double));
        std::memcpy(bytes.data(), &value, sizeof(double));
        Note(registry_.WriteBinary(key_, name, bytes));
    }
    void SaveShortCut(std::string_view name, ShortCut value) { Save(name, ShortCutToText(value)); }

    bool AllWritten() const { return allWritten_; }

private:
    void Note(bool written) { allWritten_ = allWritten_ && written; }
    Registry& registry_;
    std::string key_;
    bool allWritten_ = true;
};

std::string ColumnName(int index) {
    return "Column_" + std::to_string(index);
}

}  // namespace

std::string StickerFontNameFor(int16_t size) {
    return size > 7 ? "TAHOMA" : "SMALL FONTS";
}

void ApplyDefaults(Options& options, int screenWidth) {
    options = Options{};
    options.Left = screenWidth - 370;
    options.Top = 0;
}

void LoadOptions(Registry& registry, Options& o, const LoadContext& context, std::string_view key) {
    LogLine("LoadOptions");
    ApplyDefaults(o, context.screenWidth);
    o.ColumnWidths.fill(-1);

    if (registry.KeyExists(key)) {
        Loader in(registry, key);
        in.Load("CloseVX", o.CloseVX);
        in.Load("SearchForTempFiles", o.SearchForTempFiles);
        in.Load("ShowRemovableDrives", o.ShowRemovableDrives);
        in.Load("ShowFixedDrives", o.ShowFixedDrives);
        in.Load("ShowNetworkDrives", o.ShowNetworkDrives);
        in.Load("ShowRamdisk", o.ShowRamdisk);
        in.Load("ShowOccuped", o.ShowOccuped);
        in.Load("ShowFree", o.ShowFree);
        in.Load("ShowLabels", o.ShowLabels);
        in.Load("ShowTotal", o.ShowTotal);
        in.Load("ShowAvail", o.ShowAvail);
        in.Load("ShowPercents", o.ShowPercents);
        in.Load("ShowUsedPercents", o.ShowUsedPercents);
        in.Load("ClickThrough", o.ClickThrough);
        in.Load("DrawArrow", o.DrawArrow);
        in.Load("UpArrowColor", o.UpArrowColor);
        in.Load("DownArrowColor", o.DownArrowColor);
        in.Load("ShowIn", o.ShowIn);
        in.Load("UseColors", o.UseColors);
        in.Load("BarTextColor", o.BarTextColor);
        in.Load("BarColor", o.BarColor);
        in.Load("BarColor1", o.BarColor1);
        in.Load("BarColor2", o.BarColor2);
        in.Load("BarLimit1", o.BarLimit1);
        in.Load("BarLimit2", o.BarLimit2);
        in.Load("BarUnits1", o.BarUnits1);
        in.Load("BarUnits2", o.BarUnits2);
        in.Load("ToolsString", o.ToolsString);
        in.Load("UpdateInterval", o.UpdateInterval);
        in.Load("ResQuanity", o.ResQuanity);
        in.Load("TempFilesExts", o.TempFilesExts);
        in.Load("CurrentLanguage", o.CurrentLanguage);
        in.LoadLines("DisabledDisks", o.DisabledDisks);
        in.LoadLines("EnabledDisks", o.EnabledDisks);
        in.LoadSortedCommaText("TrayDisks", o.TrayDisks);
        if (in.Exists("ViewMode")) {
            in.Load("ViewMode", o.ViewMode);
        } else {
            // Settings of older versions knew only the sticker switch.
            bool sticker = false;
            in.Load("StickerView", sticker);
            o.ViewMode = sticker ? 1 : 0;
        }
        in.Load("StickerColor", o.StickerColor);
        in.Load("StickerFontColor", o.StickerFontColor);
        in.Load("StickerFontSize", o.StickerFontSize);
        in.Load("StickerShowCols", o.StickerShowCols);
        in.Load("StickerShowPercents", o.StickerShowPercents);
        in.Load("StayOnTop", o.StayOnTop);
        in.Load("StoreCurrentResult", o.StoreCurrentResult);
        in.Load("Top", o.Top);
        in.Load("Left", o.Left);
        in.Load("TipOfDayMode", o.TipOfDayMode);
        in.Load("TipOfDayDate", o.TipOfDayDate);
        in.Load("LoadAtStartup", o.LoadAtStartup);
        in.Load("DoubleSizes", o.DoubleSizes);
        in.Load("DoubleTime", o.DoubleTime);
        in.Load("DisplaySplash", o.DisplaySplash);
        in.Load("ExcludeSystemFiles", o.ExcludeSystemFiles);
        in.LoadShortCut("StayOnTopShortCut", o.StayOnTopShortCut);
        in.LoadShortCut("HideToTrayShortCut", o.HideToTrayShortCut);
        in.Load("SMTPSrv", o.SMTPSrv);
        in.Load("SMTPLogin", o.SMTPLogin);
        in.Load("SMTPAuth", o.SMTPAuth);
        in.Load("SMTPPassword", o.SMTPPassword);
        in.Load("Visible", o.Visible);
        if (in.Exists("PieLabelFont.FontName")) {
            in.Load("PieLabelFont.FontName", o.PieLabelFont.FontName);
            // A missing or wrong-typed companion keeps its default.
            in.Load("PieLabelFont.Color", o.PieLabelFont.Color);
            in.Load("PieLabelFont.CharSet", o.PieLabelFont.CharSet);
            in.Load("PieLabelFont.Size", o.PieLabelFont.Size);
            in.Load("PieLabelFont.Style", o.PieLabelFont.Style);
        }
        // Kept as stored until the notification list owns it.
        in.Load("NtfConditions", o.NtfConditions);
        for (int i = 0; i < kColumnCount; ++i) in.Load(ColumnName(i), o.ColumnWidths[i]);
        // Kept as stored until the drive list owns it.
        in.Load("FoldersList", o.FoldersList);
    }

    if (o.ToolsString.empty() && context.defaultTools) o.ToolsString = context.defaultTools();
    o.StickerFontName = StickerFontNameFor(o.StickerFontSize);
    LogLine("/LoadOptions");
}

bool SaveOptions(Registry& registry, const Options& o, std::string_view key) {
    Saver out(registry, key);
    out.Save("ResQuanity", o.ResQuanity);
    out.Save("SearchForTempFiles", o.SearchForTempFiles);
    out.Save("UpdateInterval", o.UpdateInterval);
    out.Save("ShowRemovableDrives", o.ShowRemovableDrives);
    out.Save("ShowFixedDrives", o.ShowFixedDrives);
    out.Save("ShowNetworkDrives", o.ShowNetworkDrives);
    out.Save("ShowRamdisk", o.ShowRamdisk);
    out.Save("ShowOccuped", o.ShowOccuped);
    out.Save("ShowFree", o.ShowFree);
    out.Save("ShowLabels", o.ShowLabels);
    out.Save("ShowTotal", o.ShowTotal);
    out.Save("ShowAvail", o.ShowAvail);
    out.Save("ShowPercents", o.ShowPercents);
    out.Save("ShowUsedPercents", o.ShowUsedPercents);
    out.Save("ClickThrough", o.ClickThrough);
    out.Save("DrawArrow", o.DrawArrow);
    out.Save("ShowIn", o.ShowIn);
    out.Save("UseColors", o.UseColors);
    out.Save("CloseVX", o.CloseVX);
    out.Save("BarTextColor", o.BarTextColor);
    out.Save("BarColor", o.BarColor);
    out.Save("BarColor1", o.BarColor1);
    out.Save("BarColor2", o.BarColor2);
    out.Save("BarLimit1", o.BarLimit1);
    out.Save("BarLimit2", o.BarLimit2);
    out.Save("BarUnits1", o.BarUnits1);
    out.Save("BarUnits2", o.BarUnits2);
    out.Save("ToolsString", o.ToolsString);
    out.Save("TempFilesExts", o.TempFilesExts);
    out.Save("CurrentLanguage", o.CurrentLanguage);
    out.Save("DisabledDisks", JoinLinesTerminated(o.DisabledDisks));
    out.Save("EnabledDisks", JoinLinesTerminated(o.EnabledDisks));
    out.Save("TrayDisks", FormatCommaText(o.TrayDisks));
    out.Save("ViewMode", o.ViewMode);
    out.Save("StickerColor", o.StickerColor);
    out.Save("StickerFontColor", o.StickerFontColor);
    out.Save("StickerFontSize", o.StickerFontSize);
    out.Save("StickerShowCols", o.StickerShowCols);
    out.Save("StickerShowPercents", o.StickerShowPercents);
    out.Save("StayOnTop", o.StayOnTop);
    out.Save("StoreCurrentResult", o.StoreCurrentResult);
    out.Save("Top", o.Top);
    out.Save("Left", o.Left);
    out.Save("TipOfDayMode", o.TipOfDayMode);
    out.Save("TipOfDayDate", o.TipOfDayDate);
    out.Save("LoadAtStartup", o.LoadAtStartup);
    out.Save("DoubleSizes", o.DoubleSizes);
    out.Save("DoubleTime", o.DoubleTime);
    out.Save("DisplaySplash", o.DisplaySplash);
    out.Save("ExcludeSystemFiles", o.ExcludeSystemFiles);
    out.SaveShortCut("StayOnTopShortCut", o.StayOnTopShortCut);
    out.SaveShortCut("HideToTrayShortCut", o.HideToTrayShortCut);
    out.Save("NtfConditions", o.NtfConditions);
    out.Save("SMTPSrv", o.SMTPSrv);
    out.Save("SMTPLogin", o.SMTPLogin);
    out.Save("SMTPPassword", o.SMTPPassword);
    out.Save("Transparency", o.Transparency);
    out.Save("SMTPAuth", o.SMTPAuth);
    out.Save("visible", o.Visible);
    out.Save("FoldersList", o.FoldersList);
    out.Save("PieLabelFont.FontName", o.PieLabelFont.FontName);
    out.Save("PieLabelFont.Color", o.PieLabelFont.Color);
    out.Save("PieLabelFont.CharSet", o.PieLabelFont.CharSet);
    out.Save("PieLabelFont.Size", o.PieLabelFont.Size);
    out.Save("PieLabelFont.Style", o.PieLabelFont.Style);
    for (int i = 0; i < kColumnCount; ++i) out.Save(ColumnName(i), o.ColumnWidths[i]);
    out.Save("Visible", o.Visible);
    return out.AllWritten();
}

int32_t ReadTransparency(Registry& registry, std::string_view key) {
    const int32_t value = ReadInteger(registry, key, "Transparency");
    return value < 0 || value > 100 ? 100 : value;
}

}  // namespace vx
