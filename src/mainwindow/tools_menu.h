#pragma once
// The Tools submenu's list of disk utilities, held in one text: records of four fields separated
// by "|", each record ended by "||": name | path | icon file (" ": the path's own) | TRUE/FALSE,
// TRUE passing the pointed-at disk to the tool.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vx {

struct ToolRecord {
    std::string name;
    std::string path;
    std::string iconFile;  // " " or empty: the icon of `path`
    bool passDisk = false; // the fourth field is anything but "FALSE"
    // The file the menu icon comes from.
    const std::string& IconSource() const;
};

// The records in text order. A record without any "|" is skipped, missing fields are empty, and
// a last part without "||" is lost, as the menu has always read the text.
std::vector<ToolRecord> ParseToolsString(const std::string& text);

// The default list of the system's own tools. Only Windows 2000, XP and Server 2003 (NT 5) and
// Windows 9x/ME have them; every other version gives an empty text. `exists` probes a file;
// `found` hears every tool that exists, for the log.
struct ToolsSystem {
    bool nt = true;
    unsigned major = 10;
    std::string systemFolder;   // with or without a trailing backslash; empty when unknown
    std::string windowsFolder;
};
std::string GetToolsList(const ToolsSystem& system, const std::function<bool(const std::string&)>& exists,
                         const std::function<void(const std::string& path)>& found = {});

// The tool a menu item starts: its caption without "&" names the first record of that name.
std::optional<ToolRecord> ToolForCaption(const std::string& toolsString, const std::string& caption);

// The argument of a tool: the selected disks joined by blanks, else the disk under the mouse;
// Clean Manager takes it after "/d".
std::string ToolArgument(const std::string& path, const std::vector<std::string>& selectedDisks,
                         const std::string& pointedDisk);

}  // namespace vx
