#include <gtest/gtest.h>

#include <set>

#include "mainwindow/main_menus.h"

namespace vx {
namespace {

void Collect(const std::vector<MenuItemSpec>& items, std::set<std::string>& commands, std::set<std::string>& names) {
    for (const auto& item : items) {
        EXPECT_TRUE(names.insert(item.name).second) << "two items named " << item.name;
        if (item.caption != "-" && item.items.empty()) commands.insert(CommandOf(item.name));
        Collect(item.items, commands, names);
    }
}

TEST(MainMenus, BothMenusCarryTheSameCommands) {
    std::set<std::string> mainCommands, popupCommands, names;
    Collect(MainMenuDesign(), mainCommands, names);
    Collect(PopupMenuDesign().items, popupCommands, names);
    // The Tools submenu is a branch, filled at run time: it counts as no command.
    EXPECT_EQ(mainCommands, popupCommands);
    EXPECT_EQ(MainMenuDesign().size(), 5u) << "the menu bar's width counts five captions";
    for (const auto& name : TrayMenuItems()) {
        if (name != "-") {
            EXPECT_TRUE(names.count(name)) << name;
        }
    }
}

TEST(MainMenus, CommandsAreTheNamesWithoutTheirPrefix) {
    EXPECT_EQ(CommandOf("miStayOnTop"), "StayOnTop");
    EXPECT_EQ(CommandOf("pmiStayOnTop"), "StayOnTop");
    EXPECT_EQ(CommandOf("lvDisks"), "");
}

TEST(MainMenus, TransparencyItemsAndTheirOpacities) {
    const std::pair<int, int> tags[] = {{0, 100}, {1, 90}, {5, 50}, {9, 10}};
    for (const auto& [tag, opacity] : tags) {
        EXPECT_EQ(OpacityOfTransparencyTag(tag), opacity);
        EXPECT_EQ(TransparencyTagOf(opacity), tag);
    }
    // Opacities between the items check the nearest one, halves to even.
    EXPECT_EQ(TransparencyTagOf(74), 3);
    EXPECT_EQ(TransparencyTagOf(75), 2);
    EXPECT_EQ(TransparencyTagOf(65), 4);
    EXPECT_EQ(TransparencyTagOf(0), 10);
}

}  // namespace
}  // namespace vx
