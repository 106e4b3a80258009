#include "mainwindow/main_menus.h"

#include "disks/sizes.h"
#include "mainwindow/column_model.h"

namespace vx {

namespace {

// One table for both menus: `prefix` gives the item names.
MenuItemSpec Item(const std::string& prefix, const std::string& command, const std::string& caption,
                  std::vector<MenuItemSpec> items = {}) {
    return {.name = prefix + command, .caption = caption, .items = std::move(items)};
}

MenuItemSpec Separator(const std::string& prefix, const std::string& name) {
    return {.name = prefix + name, .caption = "-"};
}

// Windows of later parts of the program: their items exist, and stay disabled until then.
MenuItemSpec Disabled(MenuItemSpec item) {
    item.enabled = false;
    return item;
}

MenuItemSpec Check(MenuItemSpec item, bool radio = false) {
    item.checkable = true;
    item.radio = radio;
    return item;
}

MenuItemSpec WithShortcut(MenuItemSpec item, const std::string& shortcut) {
    item.shortcut = shortcut;
    return item;
}

std::vector<MenuItemSpec> ColumnItems(const std::string& prefix) {
    const char* captions[] = {"Disk &label", "&Capacity", "&Used", "&Free", "&Available", "&Percents"};
    std::vector<MenuItemSpec> items;
    for (size_t i = 0; i < ColumnCommands().size(); ++i)
        items.push_back(Check(Item(prefix, ColumnCommands()[i].command, captions[i])));
    return items;
}

std::vector<MenuItemSpec> ShowAsItems(const std::string& prefix) {
    // The pies look is reached only through the settings: it has no item.
    return {Check(Item(prefix, "ViewClassic", "&Classic"), true),
            Disabled(Check(Item(prefix, "ViewSticker", "&Sticker"), true))};
}

std::vector<MenuItemSpec> TransparencyItems(const std::string& prefix) {
    std::vector<MenuItemSpec> items = {Check(Item(prefix, "Transparency0", "&None"), true)};
    for (int tag = 1; tag <= 9; ++tag)
        items.push_back(Check(Item(prefix, "Transparency" + std::to_string(tag), std::to_string(tag * 10) + "%"), true));
    return items;
}

std::vector<MenuItemSpec> ReportItems(const std::string& prefix) {
    return {Disabled(Item(prefix, "ReportChanges", "Disk &changes")),
            Disabled(Item(prefix, "ReportDuplicates", "&Duplicate files")),
            Disabled(Item(prefix, "ReportFreeSpace", "&Free disk space")),
            Separator(prefix, "ReportsSeparator"),
            Item(prefix, "LatestResults", "&View latest results",
                 {Disabled(Item(prefix, "LatestChanges", "File system changes")),
                  Disabled(Item(prefix, "LatestDuplicates", "File duplicates")),
                  Disabled(Item(prefix, "LatestSearch", "More space search"))})};
}

std::vector<MenuItemSpec> NotificationItems(const std::string& prefix) {
    return {Disabled(Item(prefix, "NotificationAdd", "&Add...")),
            Disabled(Item(prefix, "NotificationEdit", "&Edit..."))};
}

}  // namespace

const std::vector<ColumnCommand>& ColumnCommands() {
    static const std::vector<ColumnCommand> commands = {
        {kColumnLabel, "ColumnLabel"}, {kColumnCapacity, "ColumnCapacity"},   {kColumnUsed, "ColumnUsed"},
        {kColumnFree, "ColumnFree"},   {kColumnAvailable, "ColumnAvailable"}, {kColumnPercent, "ColumnPercents"}};
    return commands;
}

std::vector<MenuItemSpec> MainMenuDesign() {
    const std::string p = "mi";
    return {
        Item(p, "File", "&File",
             {Disabled(WithShortcut(Item(p, "Options", "&Options..."), "F10")), Separator(p, "FileSeparator"),
              WithShortcut(Item(p, "Exit", "E&xit"), "Alt+X")}),
        Item(p, "View", "&View",
             {Item(p, "Columns", "&Columns", ColumnItems(p)), Item(p, "ShowAs", "Show &as", ShowAsItems(p)),
              Item(p, "Transparency", "Trans&parency", TransparencyItems(p)), Separator(p, "ViewSeparator"),
              Check(Item(p, "StayOnTop", "&Stay on top")), Check(Item(p, "ClickThrough", "Clic&k-through mode")),
              Item(p, "HideToTray", "Hide Vantorix")}),
        Item(p, "Reports", "&Reports", ReportItems(p)),
        Item(p, "Notifications", "&Notifications", NotificationItems(p)),
        Item(p, "HelpMenu", "&Help",
             {WithShortcut(Item(p, "Help", "&Help"), "F1"), Disabled(Item(p, "ShowTips", "Show t&ips...")),
              Item(p, "ShowTutorial", "Show t&utorial"), Separator(p, "HelpSeparator"),
              Disabled(Item(p, "About", "A&bout program..."))}),
    };
}

PopupMenuSpec PopupMenuDesign() {
    const std::string p = "pmi";
    return {.name = "pmMain",
            .items = {Item(p, "Columns", "&Columns", ColumnItems(p)),
                      Item(p, "ShowAs", "Show &as", ShowAsItems(p)),
                      Item(p, "Transparency", "Trans&parency", TransparencyItems(p)),
                      Check(Item(p, "StayOnTop", "&Stay on top")),
                      Separator(p, "SeparatorTools"),
                      Item(p, "Tools", "&Tools", {Separator(p, "ToolsSeparator")}),
                      Item(p, "Reports", "&Reports", ReportItems(p)),
                      Item(p, "Notifications", "&Notifications", NotificationItems(p)),
                      Separator(p, "SeparatorClickThrough"),
                      Check(Item(p, "ClickThrough", "Clic&k-through mode")),
                      Item(p, "HideToTray", "Hide Vantorix"),
                      WithShortcut(Item(p, "Help", "&Help"), "F1"),
                      Disabled(Item(p, "ShowTips", "Show t&ips...")),
                      Item(p, "ShowTutorial", "Show t&utorial"),
                      Separator(p, "SeparatorAbout"),
                      Disabled(Item(p, "About", "A&bout program...")),
                      Disabled(WithShortcut(Item(p, "Options", "&Options..."), "F10")),
                      Separator(p, "SeparatorExit"),
                      WithShortcut(Item(p, "Exit", "E&xit"), "Alt+X")}};
}

std::string CommandOf(const std::string& itemName) {
    if (itemName.rfind("pmi", 0) == 0) return itemName.substr(3);
    if (itemName.rfind("mi", 0) == 0) return itemName.substr(2);
    return {};
}

const std::vector<std::string>& TrayMenuItems() {
    static const std::vector<std::string> items = {
        "pmiTools", "pmiReports",  "pmiNotifications", "-",         "pmiClickThrough", "pmiHideToTray", "pmiHelp",
        "pmiShowTips", "pmiShowTutorial", "-", "pmiAbout", "pmiOptions", "-", "pmiExit"};
    return items;
}

int OpacityOfTransparencyTag(int tag) {
    return 100 - 10 * tag;
}

int TransparencyTagOf(int opacity) {
    return static_cast<int>(RoundHalfEven((100.0 - opacity) / 10.0));
}

}  // namespace vx
