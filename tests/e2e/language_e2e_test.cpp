// Language files as the real program loads and writes them.
#include "core/text.h"
#include "core/utf.h"
#include "e2e_fixture.h"
#include "intl/default_catalogue.h"
#include "platform/win/files_win.h"
#include "platform/win/paths_win.h"

namespace vx::e2e {
namespace {

class LanguageTest : public MonitorTest {
protected:
    void TearDown() override {
        MonitorTest::TearDown();
        for (const auto& file : written) DeleteFileW(file.c_str());
    }
    // A language file beside VX.exe (its data folder), chosen as the current language.
    void UseLanguageFile(const std::wstring& name, const std::string& bytes) {
        const std::wstring path = ExeDirectoryWithSlash() + name;
        ASSERT_TRUE(WriteWholeFile(path, bytes));
        written.push_back(path);
        settings.WriteString(kSettingsKey, "CurrentLanguage", std::string(name.begin(), name.end()));
    }
    std::vector<std::wstring> written;
};

TEST_F(LanguageTest, AFileThatNamesTheMainWindowSetsItsCaption) {
    UseLanguageFile(
        L"vx_test.int",
        "[Intl File 4.0]\r\nLanguage=Test\r\nCharset=1\r\n\r\n[MainForm]\r\nCaption=Testfenster\r\n");
    Process monitor = LaunchMonitor();
    HWND window = WaitForMainWindowOfClass(monitor.Id());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), L"Testfenster");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(monitor.WaitForExit(15000));
    // The language is a setting like any other and survives the close.
    EXPECT_EQ(ReadString(settings, kSettingsKey, "CurrentLanguage"), "vx_test.int");
}

TEST_F(LanguageTest, CyrillicFileShowsCyrillicText) {
    // "Дисковый монитор" in code page 1251, as a Russian translator's editor saves it.
    UseLanguageFile(L"vx_rutest.int",
                    "[Intl File 4.0]\r\nLanguage=Russian\r\nCharset=204\r\nFont=Tahoma\r\n\r\n[MainForm]\r\n"
                    "Caption=\xC4\xE8\xF1\xEA\xEE\xE2\xFB\xE9 \xEC\xEE\xED\xE8\xF2\xEE\xF0\r\n");
    Process monitor = LaunchMonitor();
    HWND window = WaitForMainWindowOfClass(monitor.Id());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window),
              L"\u0414\u0438\u0441\u043a\u043e\u0432\u044b\u0439 \u043c\u043e\u043d\u0438\u0442\u043e\u0440");
    SaveScreenshot(L"cyrillic-caption");
}

TEST_F(LanguageTest, MissingLanguageFileChangesNothing) {
    settings.WriteString(kSettingsKey, "CurrentLanguage", "vx_nowhere.int");
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), L"Vantorix");
}

// "/INTL" at the first show, confirmed by its message; returns the file written.
std::string WriteReferenceFile() {
    const std::wstring path = ExeDirectoryWithSlash() + L"vx_en.int";
    Process monitor = LaunchMonitor(L"/INTL");
    HWND box = WaitForMessageBox(monitor.Id());
    if (!box) return {};
    EXPECT_EQ(MessageBoxText(box), L"Don't forget to add Tutorial.txt to vx_en.int file");
    ClickDialogButton(box, IDOK);
    HWND window = WaitForVisibleMonitorWindow(monitor.Id());
    PostMessageW(window, WM_CLOSE, 0, 0);
    monitor.WaitForExit(15000);
    return ReadWholeFile(path).value_or("");
}

TEST_F(LanguageTest, SlashIntlWritesTheReferenceFileThatReadsBackUnchanged) {
    // The file the build put beside VX.exe comes back after the test.
    const std::wstring built = ExeDirectoryWithSlash() + L"vx_en.int";
    const auto original = ReadWholeFile(built);
    struct Restore {
        const std::wstring& path;
        const std::optional<std::string>& bytes;
        ~Restore() {
            if (bytes) WriteWholeFile(path, *bytes);
        }
    } restore{built, original};
    const std::string first = WriteReferenceFile();
    ASSERT_FALSE(first.empty());
    const auto lines = SplitLines(first);
    ASSERT_GT(lines.size(), 190u);
    EXPECT_EQ(lines[0], "[Intl File 4.0]");
    EXPECT_EQ(lines[1], "Language=English");
    EXPECT_EQ(first.find("[MainForm]\r\n\r\n"), first.find("[MainForm]"));  // its caption is excluded
    const size_t strings = first.find("[Strings]\r\n");
    ASSERT_NE(strings, std::string::npos);
    EXPECT_EQ(first.substr(strings + 11), DefaultCatalogueText() + "\r\n");

    // Loaded as the current language (vx_en.int is the default), it writes itself again.
    EXPECT_EQ(WriteReferenceFile(), first);
    // And it is the reference file that ships with the program.
    const auto shipped = ReadWholeFile(Widen(VX_SOURCE_DIR "/data/vx_en.int"));
    ASSERT_TRUE(shipped.has_value());
    EXPECT_EQ(*shipped, first) << "run VX.exe /INTL and copy vx_en.int to data/";
}

}  // namespace
}  // namespace vx::e2e
