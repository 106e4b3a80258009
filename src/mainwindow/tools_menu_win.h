#pragma once
// The Tools submenu of the pop-up menu: rebuilt from the tools text, its items start the tools.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win/handles_win.h"

namespace vx {

class ToolsMenu {
public:
    // Item ids, far from the toolkit's own.
    static constexpr UINT kFirstId = 52000;
    static constexpr UINT kMaxItems = 1000;

    // The default tools text of this system (see GetToolsList), with its log lines.
    static std::string DefaultTools();

    // Empties the submenu and fills it from the text, the last record at the top.
    void Recreate(HMENU submenu, const std::string& toolsString);
    bool Owns(UINT id) const { return id >= kFirstId && id < kFirstId + items_.size(); }
    // Starts the tool of the item with the disk that was pointed at; true when one was started.
    bool Start(UINT id, HWND owner, const std::string& toolsString, const std::string& pointedDisk) const;

private:
    struct Item {
        bool passDisk = false;
        UniqueBitmap image;
    };
    HMENU submenu_ = nullptr;
    std::vector<Item> items_;
};

}  // namespace vx
