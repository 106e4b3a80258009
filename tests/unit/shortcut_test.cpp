#include <gtest/gtest.h>

#include "app/shortcut.h"

namespace vx {
namespace {

TEST(ShortCutText, RoundTripsEveryNamedForm) {
    const char* texts[] = {"Ctrl+F12",   "Ctrl+F11", "Shift+Ctrl+Alt+A", "Alt+Del",
                           "Shift+F1",   "Ctrl+0",   "Ctrl+Num 5",       "Alt+PgDn",
                           "Ctrl+Space", "F24",      "Ctrl+;",           "Shift+Alt+Esc"};
    for (const char* text : texts) {
        const ShortCut parsed = TextToShortCut(text);
        EXPECT_NE(parsed, kNoShortCut) << text;
        EXPECT_EQ(ShortCutToText(parsed), text);
    }
}

TEST(ShortCutText, CodesMatchTheModifierBits) {
    EXPECT_EQ(TextToShortCut("Ctrl+F12"), 0x4000 | 0x7B);
    EXPECT_EQ(TextToShortCut("Shift+Ctrl+Alt+A"), 0x2000 | 0x4000 | 0x8000 | 'A');
}

TEST(ShortCutText, ReadsPrefixesInAnyOrderAndCase) {
    EXPECT_EQ(ShortCutToText(TextToShortCut("alt+shift+x")), "Shift+Alt+X");
    EXPECT_EQ(ShortCutToText(TextToShortCut("CTRL+f12")), "Ctrl+F12");
}

TEST(ShortCutText, TextThatNamesNoKeyGivesNone) {
    const char* texts[] = {"", "Ctrl+", "Ctrl+Banana", "F25", "Shift+Ctrl+", "Hyper+A", "Ctrl+F12 ", "+"};
    for (const char* text : texts) EXPECT_EQ(TextToShortCut(text), kNoShortCut) << '"' << text << '"';
    EXPECT_EQ(ShortCutToText(kNoShortCut), "");
    EXPECT_EQ(ShortCutToText(0x4000 | 0xFF), "");  // a key without a name
}

}  // namespace
}  // namespace vx
