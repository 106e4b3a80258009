#pragma once
// The main window's two menus, the main menu ("mi" items) and the pop-up menu pmMain ("pmi"
// items). Both carry the same commands: an item's command is its name without the prefix.
#include <string>
#include <vector>

#include "ui/form_design.h"

namespace vx {

std::vector<MenuItemSpec> MainMenuDesign();
PopupMenuSpec PopupMenuDesign();

// "StayOnTop" for "miStayOnTop" and "pmiStayOnTop"; empty for other names.
std::string CommandOf(const std::string& itemName);

// The column commands and the column each toggles.
struct ColumnCommand {
    int id;
    const char* command;  // e.g. "ColumnUsed"
};
const std::vector<ColumnCommand>& ColumnCommands();

// The pop-up menu items the tray menu copies, in its order ("-" for a separator).
const std::vector<std::string>& TrayMenuItems();

// The transparency item of a tag: opacity 100 - 10 x tag; the checked one is round((100 - opacity) / 10).
int OpacityOfTransparencyTag(int tag);
int TransparencyTagOf(int opacity);

}  // namespace vx
