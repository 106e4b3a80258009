// The diagnostic trace of the real program.
#include <algorithm>

#include "core/text.h"
#include "e2e_fixture.h"
#include "platform/win/files_win.h"

namespace vx::e2e {
namespace {

using LogTest = MonitorTest;

std::vector<std::string> LogLines() {
    return SplitLines(ReadWholeFile(L"c:\\vx.log").value_or(""));
}

bool LogExists() {
    return GetFileAttributesW(L"c:\\vx.log") != INVALID_FILE_ATTRIBUTES;
}

void RunOnce(MonitorTest& test, const std::wstring& arguments) {
    Process monitor = LaunchMonitor(arguments);
    HWND window = WaitForVisibleMonitorWindow(monitor.Id());
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(monitor.WaitForExit(15000));
    (void)test;
}

std::vector<std::string> Texts(const std::vector<std::string>& lines) {
    std::vector<std::string> texts;
    for (const auto& line : lines) texts.push_back(line.size() > 9 ? line.substr(9) : line);
    return texts;
}

TEST_F(LogTest, SlashLAppendsTimeStampedLinesAndASecondRunAppendsAfterTheFirst) {
    RunOnce(*this, L"/L");
    const auto first = LogLines();
    // The markers of the start, in order, with the drive list's own lines between them.
    const std::vector<std::string> expected{"FormCreate", "LoadOptions",       "/LoadOptions", "FillDisks",
                                            "AddDisks",   "Adding disk C:...", "Added.",       "/AddDisks",
                                            "/FillDisks", "/FormCreate",       "FormShow",     "/FormShow"};
    const auto texts = Texts(first);
    auto next = texts.begin();
    for (const auto& marker : expected) {
        next = std::find(next, texts.end(), marker);
        ASSERT_NE(next, texts.end()) << "missing or out of order: " << marker;
    }
    for (const auto& line : first) {
        // A message of several lines carries the time on its first line only.
        if (std::find(expected.begin(), expected.end(), line.size() > 9 ? line.substr(9) : "") ==
            expected.end()) {
            continue;
        }
        EXPECT_TRUE(isdigit(line[0]) && isdigit(line[1]) && line[2] == ':' && line[5] == ':' &&
                    line[8] == ' ')
            << line;
    }
    RunOnce(*this, L"/L");
    const auto both = LogLines();
    ASSERT_EQ(both.size(), 2 * first.size());
    EXPECT_TRUE(std::equal(first.begin(), first.end(), both.begin()));
    EXPECT_EQ(Texts({both.begin() + first.size(), both.end()}), texts);
}

TEST_F(LogTest, WithoutSlashLNothingIsWritten) {
    for (const wchar_t* arguments : {L"", L"/l", L"/x /L"}) {
        RunOnce(*this, arguments);
        EXPECT_FALSE(LogExists()) << "arguments: " << arguments;
    }
}

}  // namespace
}  // namespace vx::e2e
