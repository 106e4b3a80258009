#include "mainwindow/tools_menu.h"

#include "core/text.h"
#include "intl/catalogue.h"

namespace vx {

const std::string& ToolRecord::IconSource() const {
    return iconFile.empty() || iconFile == " " ? path : iconFile;
}

std::vector<ToolRecord> ParseToolsString(const std::string& text) {
    std::vector<ToolRecord> records;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("||", start);
        if (end == std::string::npos) break;
        const std::string record = text.substr(start, end - start);
        start = end + 2;
        if (record.find('|') == std::string::npos) continue;
        std::vector<std::string> fields;
        size_t from = 0;
        for (;;) {
            const size_t bar = record.find('|', from);
            fields.push_back(record.substr(from, bar == std::string::npos ? std::string::npos : bar - from));
            if (bar == std::string::npos) break;
            from = bar + 1;
        }
        fields.resize(std::max<size_t>(fields.size(), 4));
        records.push_back({fields[0], fields[1], fields[2], fields[3] != "FALSE"});
    }
    return records;
}

std::string GetToolsList(const ToolsSystem& system, const std::function<bool(const std::string&)>& exists,
                         const std::function<void(const std::string& path)>& found) {
    struct Probe {
        const char* file;
        int nameEntry;
        const char* iconFile;  // in the same folder; null: " "
        bool passDisk;
    };
    const auto withSlash = [](std::string folder) {
        if (!folder.empty() && folder.back() != '\\') folder += '\\';
        return folder;
    };
    std::string folder;
    std::vector<Probe> probes;
    if (system.nt && system.major == 5 && !system.systemFolder.empty()) {
        folder = withSlash(system.systemFolder);
        probes = {{"dfrg.msc", 61, "dfrgres.dll", true},
                  {"Cleanmgr.exe", 96, nullptr, true},
                  {"diskmgmt.msc", 94, "dmdskres.dll", false}};
    } else if (!system.nt && !system.windowsFolder.empty()) {
        folder = withSlash(system.windowsFolder);
        probes = {{"Scandskw.exe", 97, nullptr, true}, {"Defrag.exe", 61, nullptr, true}, {"Cleanmgr.exe", 96, nullptr, true}};
    }
    std::string text;
    for (const auto& probe : probes) {
        const std::string path = folder + probe.file;
        if (!exists(path)) continue;
        if (found) found(path);
        std::string name = CatalogueText(probe.nameEntry);
        if (name.empty()) name = probe.file;
        const std::string icon = probe.iconFile ? folder + probe.iconFile : " ";
        text = name + "|" + path + "|" + icon + (probe.passDisk ? "|TRUE||" : "|FALSE||") + text;
    }
    return text;
}

std::optional<ToolRecord> ToolForCaption(const std::string& toolsString, const std::string& caption) {
    std::string name;
    for (char c : caption) {
        if (c != '&') name += c;
    }
    for (const auto& record : ParseToolsString(toolsString)) {
        if (record.name == name) return record;
    }
    return std::nullopt;
}

std::string ToolArgument(const std::string& path, const std::vector<std::string>& selectedDisks,
                         const std::string& pointedDisk) {
    std::string argument;
    for (const auto& disk : selectedDisks) {
        const std::string trimmed = Trim(disk);
        if (trimmed.empty()) continue;
        if (!argument.empty()) argument += ' ';
        argument += trimmed;
    }
    if (argument.empty()) argument = Trim(pointedDisk);
    const size_t slash = path.find_last_of("\\/");
    const std::string file = AsciiLower(slash == std::string::npos ? path : path.substr(slash + 1));
    if (file == "cleanmgr.exe") argument = "/d" + argument;
    return argument;
}

}  // namespace vx
