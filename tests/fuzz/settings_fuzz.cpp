// Settings are untrusted: any user, tool or damaged hive can leave anything under the key.
// The input is read as a list of values (name index, type, data) that fill an in-memory key;
// loading, saving and loading again must never crash, and the second load must agree with the first.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/options.h"
#include "app/shortcut.h"
#include "core/text.h"
#include "platform/memory/memory_registry.h"

namespace {

const char* const kNames[] = {"CloseVX",
                              "ShowIn",
                              "UpdateInterval",
                              "TempFilesExts",
                              "CurrentLanguage",
                              "DisabledDisks",
                              "EnabledDisks",
                              "TrayDisks",
                              "ViewMode",
                              "StickerView",
                              "StickerFontSize",
                              "Top",
                              "Left",
                              "TipOfDayDate",
                              "StayOnTopShortCut",
                              "HideToTrayShortCut",
                              "Visible",
                              "visible",
                              "PieLabelFont.FontName",
                              "PieLabelFont.Color",
                              "PieLabelFont.CharSet",
                              "PieLabelFont.Size",
                              "PieLabelFont.Style",
                              "NtfConditions",
                              "Column_0",
                              "Column_6",
                              "Transparency",
                              "FoldersList",
                              "BarUnits1",
                              "UpArrowColor",
                              "ToolsString",
                              "SMTPPassword"};
constexpr size_t kNameCount = sizeof(kNames) / sizeof(kNames[0]);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vx::MemoryRegistry registry;
    size_t pos = 0;
    while (pos + 3 <= size) {
        const char* name = kNames[data[pos] % kNameCount];
        const uint8_t type = data[pos + 1] % 4;
        const size_t length = data[pos + 2];
        pos += 3;
        const size_t take = length < size - pos ? length : size - pos;
        vx::RegValue value;
        const std::string bytes(reinterpret_cast<const char*>(data + pos), take);
        pos += take;
        switch (type) {
            case 0:
                value.type = vx::RegType::String;
                value.text = bytes;
                break;
            case 1:
                value.type = vx::RegType::Integer;
                for (size_t i = 0; i < bytes.size() && i < 4; ++i) {
                    value.integer |= static_cast<int32_t>(
                        static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << (8 * i));
                }
                break;
            case 2:
                value.type = vx::RegType::Binary;
                value.bytes.assign(bytes.begin(), bytes.end());
                break;
            default:
                value.type = vx::RegType::Other;
                value.bytes.assign(bytes.begin(), bytes.end());
                break;
        }
        registry.Put(vx::kSettingsKey, name, value);
        // The text parsers on their own, with the same bytes.
        vx::ParseCommaText(bytes);
        vx::SplitLines(bytes);
        vx::ShortCutToText(vx::TextToShortCut(bytes));
    }

    vx::Options first;
    vx::LoadOptions(registry, first, vx::LoadContext{});
    if (!vx::SaveOptions(registry, first)) std::abort();
    vx::Options second;
    vx::LoadOptions(registry, second, vx::LoadContext{});
    // A saved shortcut, list or colour reads back as itself (a NaN date cannot be compared).
    if (second.StayOnTopShortCut != first.StayOnTopShortCut || second.TrayDisks != first.TrayDisks ||
        second.EnabledDisks != first.EnabledDisks || second.ShowIn != first.ShowIn ||
        second.PieLabelFont.Style != first.PieLabelFont.Style || second.ViewMode != first.ViewMode) {
        std::abort();
    }
    return 0;
}
