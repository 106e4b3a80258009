#include <gtest/gtest.h>

#include "app/startup.h"
#include "mainwindow/main_messages.h"
#include "mainwindow/opacity.h"

namespace vx {
namespace {

TEST(Startup, SwitchesOfTheFirstArgumentCompareWithCase) {
    EXPECT_TRUE(IsResetSwitch("/Reset"));
    EXPECT_FALSE(IsResetSwitch("/reset"));
    EXPECT_FALSE(IsResetSwitch("/RESET"));
    EXPECT_TRUE(IsIntlSwitch("/INTL"));
    EXPECT_FALSE(IsIntlSwitch("/intl"));
}

TEST(Startup, RoleChoice) {
    EXPECT_EQ(ChooseRole(false, {}), Role::Monitor);
    EXPECT_EQ(ChooseRole(false, {{"/L"}}), Role::Monitor);
    EXPECT_EQ(ChooseRole(false, {{"/UnInstall"}}), Role::Uninstaller);
    EXPECT_EQ(ChooseRole(false, {{"/S", "/uninstall"}}), Role::Uninstaller);
    // An appended archive makes the program its own installer whatever the switches.
    EXPECT_EQ(ChooseRole(true, {{"/UnInstall"}}), Role::Installer);
}

TEST(Startup, LanguageFileDefaultsToEnglish) {
    EXPECT_EQ(LanguageFileFor(""), "vx_en.int");
    EXPECT_EQ(LanguageFileFor("vx_de.int"), "vx_de.int");
}

TEST(Startup, MessageNumbersOtherProcessesRelyOn) {
    EXPECT_EQ(UM_REFRESH, 1025u);
    EXPECT_EQ(UM_CLOSE_INSTANCE, 1048u);
    EXPECT_EQ(UM_ACTIVATE_INSTANCE, 1055u);
    EXPECT_EQ(UM_RESTART, 1056u);
    EXPECT_EQ(UM_APPLY_TOPMOST, 1057u);
}

TEST(Opacity, AlphaIsRoundedPercentOf255) {
    struct Case {
        int percent;
        int alpha;
    };
    for (const Case c : {Case{100, 255}, Case{0, 0}, Case{50, 128}, Case{70, 178}, Case{90, 230},
                         Case{10, 26}, Case{30, 76}, Case{250, 255}, Case{-5, 0}}) {
        EXPECT_EQ(OpacityToAlpha(c.percent), c.alpha) << c.percent;
    }
}

}  // namespace
}  // namespace vx

#include <stdexcept>

#include "core/once_at_a_time.h"

namespace vx {
namespace {

TEST(OnceAtATime, ASecondRequestWhileOpenDoesNothing) {
    OnceAtATime dialog;
    int shown = 0;
    bool nestedRan = true;
    EXPECT_TRUE(dialog.Run([&] {
        ++shown;
        nestedRan = dialog.Run([&] { ++shown; });  // e.g. a menu command while the dialog is modal
    }));
    EXPECT_FALSE(nestedRan);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(dialog.Busy());
    // An error inside the dialog does not leave it marked as open.
    EXPECT_THROW(dialog.Run([] { throw std::runtime_error("failed"); }), std::runtime_error);
    EXPECT_TRUE(dialog.Run([&] { ++shown; }));
    EXPECT_EQ(shown, 2);
}

}  // namespace
}  // namespace vx
