#include <gtest/gtest.h>

#include "core/text.h"
#include "core/utf.h"

namespace vx {
namespace {

TEST(SplitLines, AcceptsEveryLineBreakAndIgnoresTheLastOne) {
    EXPECT_EQ(SplitLines("C:\r\nD:\r\n"), (std::vector<std::string>{"C:", "D:"}));
    EXPECT_EQ(SplitLines("C:\nD:\rE:"), (std::vector<std::string>{"C:", "D:", "E:"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(JoinLines, TerminatedAndSeparatedForms) {
    EXPECT_EQ(JoinLinesTerminated({"C:", "D:"}), "C:\r\nD:\r\n");
    EXPECT_EQ(JoinLinesTerminated({}), "");
    EXPECT_EQ(JoinLinesSeparated({"C:\\Data", "\\\\srv\\share"}), "C:\\Data\r\n\\\\srv\\share");
    EXPECT_EQ(JoinLinesSeparated({}), "");
}

TEST(CommaText, ParsesCommasBlanksAndQuotes) {
    struct Case {
        const char* text;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"C:0,D:1", {"C:0", "D:1"}}, {"", {}},
        {"C:0 D:1", {"C:0", "D:1"}}, {" C:0 , D:1 ", {"C:0", "D:1"}},
        {"\"a b\",c", {"a b", "c"}}, {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"a,", {"a", ""}},           {"\"unterminated", {"unterminated"}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseCommaText(c.text), c.items) << c.text;
}

TEST(CommaText, RoundTripsItemsThatNeedQuotes) {
    const std::vector<std::string> items{"C:0", "with blank", "comma,inside", "quote\"inside", ""};
    EXPECT_EQ(ParseCommaText(FormatCommaText(items)), items);
    EXPECT_EQ(FormatCommaText({"C:0", "D:1"}), "C:0,D:1");
}

TEST(Utf, RoundTripsThroughUtf16) {
    const std::string text = "Disk \xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x92\xBE";
    EXPECT_EQ(Narrow(Widen(text)), text);
    EXPECT_TRUE(IsValidUtf8(text));
}

TEST(Utf, ReplacesInvalidBytesInsteadOfDroppingThem) {
    const std::string bad =
        "a\xFF"
        "b\xC3";
    EXPECT_FALSE(IsValidUtf8(bad));
    EXPECT_EQ(Narrow(Widen(bad)),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD"));   // a real U+FFFD
}

TEST(Text, CaseInsensitiveHelpers) {
    EXPECT_TRUE(EqualsIgnoreCase("Visible", "visible"));
    EXPECT_FALSE(EqualsIgnoreCase("Visible", "Visibl"));
    EXPECT_TRUE(StartsWithIgnoreCase("ctrl+F12", "Ctrl+"));
    EXPECT_FALSE(StartsWithIgnoreCase("Ct", "Ctrl+"));
}

}  // namespace
}  // namespace vx
