#include <gtest/gtest.h>

#include "app/log.h"

namespace vx {
namespace {

class LogTest : public ::testing::Test {
protected:
    void TearDown() override { InstallLog({}); }
    void InstallRecorder() {
        InstallLog({[] {
                        return ClockTime{7, 5, 9};
                    },
                    [this](std::string_view line) { lines.emplace_back(line); }});
    }
    std::vector<std::string> lines;
};

TEST_F(LogTest, OnlyExactSlashLTurnsTheTraceOn) {
    EXPECT_TRUE(IsLogSwitch("/L"));
    for (const char* other : {"/l", "-L", "/L ", "/LOG", "", "L"}) EXPECT_FALSE(IsLogSwitch(other)) << other;
}

TEST_F(LogTest, LinesHaveTheTimeStampAndCrLf) {
    EXPECT_EQ(FormatLogLine({7, 5, 9}, "FormCreate"), "07:05:09 FormCreate\r\n");
    EXPECT_EQ(FormatLogLine({23, 59, 0}, ""), "23:59:00 \r\n");
}

TEST_F(LogTest, WritesNothingUntilASinkIsInstalled) {
    LogLine("not written");
    EXPECT_FALSE(LogEnabled());
    InstallRecorder();
    LogLine("FormShow");
    LogLine("/FormShow");
    EXPECT_EQ(lines, (std::vector<std::string>{"07:05:09 FormShow\r\n", "07:05:09 /FormShow\r\n"}));
}

TEST_F(LogTest, AFailingSinkNeverReachesTheCaller) {
    InstallLog({nullptr, [](std::string_view) { throw std::runtime_error("disk full"); }});
    EXPECT_NO_THROW(LogLine("anything"));
}

}  // namespace
}  // namespace vx
