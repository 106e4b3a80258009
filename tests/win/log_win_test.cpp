#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "app/log.h"
#include "app/log_win.h"
#include "core/text.h"
#include "platform/win/files_win.h"

namespace vx {
namespace {

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

std::string ReadAll(const std::wstring& path) {
    return ReadWholeFile(path).value_or("");
}

class FileLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        primary = TempPath(L"vx-log-test-primary.log");
        fallback = TempPath(L"vx-log-test-fallback.log");
        DeleteFileW(primary.c_str());
        DeleteFileW(fallback.c_str());
    }
    void TearDown() override {
        InstallLog({});
        DeleteFileW(primary.c_str());
        DeleteFileW(fallback.c_str());
        RemoveDirectoryW(primary.c_str());
    }
    std::wstring primary;
    std::wstring fallback;
};

TEST_F(FileLogTest, AppendsTimeStampedLinesToAnExistingFile) {
    ASSERT_TRUE(WriteWholeFile(primary, "earlier run\r\n"));
    InstallFileLog(primary, fallback);
    LogLine("FormCreate");
    LogLine("/FormCreate");
    const auto lines = SplitLines(ReadAll(primary));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "earlier run");
    ASSERT_EQ(lines[1].size(), 9u + 10u);
    EXPECT_EQ(lines[1][2], ':');
    EXPECT_EQ(lines[1][5], ':');
    EXPECT_EQ(lines[1].substr(8), " FormCreate");
    EXPECT_EQ(lines[2].substr(9), "/FormCreate");
    EXPECT_NE(ReadAll(primary).find("/FormCreate\r\n"), std::string::npos);
    EXPECT_EQ(GetFileAttributesW(fallback.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileLogTest, FallsBackWhenTheFixedFileCannotBeOpened) {
    // A folder in its place makes the fixed path unopenable, as the root of C: is for a standard user.
    ASSERT_TRUE(CreateDirectoryW(primary.c_str(), nullptr));
    InstallFileLog(primary, fallback);
    LogLine("LoadOptions");
    const auto lines = SplitLines(ReadAll(fallback));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(9), "LoadOptions");
}

TEST_F(FileLogTest, LinesOfTwoThreadsNeverOverwriteEachOther) {
    InstallFileLog(primary, fallback);
    auto writer = [](char tag) {
        for (int i = 0; i < 150; ++i) LogLine(std::string(40, tag) + std::to_string(i));
    };
    std::thread a(writer, 'a');
    std::thread b(writer, 'b');
    a.join();
    b.join();
    const auto lines = SplitLines(ReadAll(primary));
    ASSERT_EQ(lines.size(), 300u);
    for (const auto& line : lines) {
        const std::string text = line.substr(9);
        ASSERT_TRUE(text.find(std::string(40, 'a')) == 0 || text.find(std::string(40, 'b')) == 0) << line;
    }
}

TEST(FallbackLogPath, IsVxLogInTheTemporaryFolder) {
    const std::wstring path = FallbackLogPath();
    EXPECT_EQ(path, TempPath(L"vx.log"));
}

}  // namespace
}  // namespace vx
