#include <gtest/gtest.h>
#include <windows.h>

#include "app/startup_win.h"
#include "platform/win/paths_win.h"
#include "platform/win/version_win.h"

namespace vx {
namespace {

TEST(Paths, ExeDirectoryIsTheFolderOfTheProgram) {
    const std::wstring path = ExePath();
    const std::wstring folder = ExeDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(path.substr(0, folder.size() + 1), folder + L"\\");
    EXPECT_EQ(path.find(L'\\', folder.size() + 1), std::wstring::npos);
    EXPECT_EQ(ExeDirectoryWithSlash(), folder + L"\\");
}

TEST(Paths, CanCreateFileInTellsWritableFromMissingFolders) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder(temp);
    folder.pop_back();
    EXPECT_TRUE(CanCreateFileIn(folder));
    EXPECT_FALSE(CanCreateFileIn(folder + L"\\no-such-folder-vx\\deeper"));
    EXPECT_FALSE(CanCreateFileIn(L""));
    // The probe leaves nothing behind.
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\~vx*.tmp").c_str(), &data);
    EXPECT_EQ(find, INVALID_HANDLE_VALUE);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

TEST(Paths, DataFolderIsTheWritableProgramFolder) {
    EXPECT_EQ(DataFolder(), ExeDirectory());
}

TEST(Paths, CreateFolderPathMakesEveryLevel) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"vx-folders";
    const std::wstring deep = root + L"\\a\\b\\c";
    EXPECT_TRUE(CreateFolderPath(deep));
    EXPECT_NE(GetFileAttributesW(deep.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(CreateFolderPath(deep));  // already there
    RemoveDirectoryW(deep.c_str());
    RemoveDirectoryW((root + L"\\a\\b").c_str());
    RemoveDirectoryW((root + L"\\a").c_str());
    RemoveDirectoryW(root.c_str());
}

TEST(Version, ReportsTheRunningSystemNotTheManifestLimit) {
    const WindowsVersion real = RealWindowsVersion();
    EXPECT_TRUE(real.ntFamily);
    EXPECT_GE(real.major, 6u);
    EXPECT_GT(real.build, 0u);
    // This test program has no compatibility manifest, so GetVersionEx may report less; never more.
    OSVERSIONINFOW limited{};
    limited.dwOSVersionInfoSize = sizeof(limited);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(GetVersionExW(&limited));
#pragma GCC diagnostic pop
    EXPECT_GE(real.major * 100 + real.minor, limited.dwMajorVersion * 100 + limited.dwMinorVersion);
}

TEST(ArchiveCheck, TheBuiltProgramCarriesNoArchive) {
    const std::wstring program = ExeDirectoryWithSlash() + L"VX.exe";
    ASSERT_NE(GetFileAttributesW(program.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(ProgramCarriesArchive(program));
    EXPECT_FALSE(ProgramCarriesArchive(ExeDirectoryWithSlash() + L"no-such-file.exe"));
}

TEST(ArchiveCheck, ACopyWithAnAppendedArchiveIsRecognised) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring copy = std::wstring(temp) + L"vx-setup-test.exe";
    ASSERT_TRUE(CopyFileW((ExeDirectoryWithSlash() + L"VX.exe").c_str(), copy.c_str(), FALSE));
    HANDLE file =
        CreateFileW(copy.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    GetFileSizeEx(file, &size);
    SetFilePointer(file, 0, nullptr, FILE_END);
    const uint32_t trailer[] = {static_cast<uint32_t>(size.QuadPart), 0xABC01973u};
    std::vector<char> archive(1000, 'z');
    DWORD written;
    WriteFile(file, archive.data(), static_cast<DWORD>(archive.size()), &written, nullptr);
    WriteFile(file, trailer, sizeof(trailer), &written, nullptr);
    CloseHandle(file);
    EXPECT_TRUE(ProgramCarriesArchive(copy));
    DeleteFileW(copy.c_str());
}

}  // namespace
}  // namespace vx
