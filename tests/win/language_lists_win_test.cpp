#include <gtest/gtest.h>
#include <windows.h>

#include "core/utf.h"
#include "intl/language_lists_win.h"
#include "platform/win/files_win.h"
#include "platform/win/paths_win.h"

namespace vx {
namespace {

class LanguageFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"vx-languages";
        CreateFolderPath(folder + L"\\Tutorial\\Template");
    }
    void TearDown() override {
        for (const wchar_t* name : {L"VX_ru.int", L"VX_de.int", L"vx_xx.int", L"notes.int", L"VX_en.int",
                                    L"Tutorial\\Template\\welcome.htm", L"Tutorial\\welcome.htm"}) {
            DeleteFileW((folder + L"\\" + name).c_str());
        }
        RemoveDirectoryW((folder + L"\\Tutorial\\Template").c_str());
        RemoveDirectoryW((folder + L"\\Tutorial").c_str());
        RemoveDirectoryW(folder.c_str());
    }
    void Put(const wchar_t* name, const std::string& bytes) {
        ASSERT_TRUE(WriteWholeFile(folder + L"\\" + name, bytes));
    }
    std::wstring folder;
};

TEST_F(LanguageFolderTest, ListsTheFilesOfTheFolder) {
    Put(L"VX_ru.int", "[Intl File 4.0]\r\nLanguage=&Russian\r\nCharset=204\r\n");
    Put(L"VX_de.int", "[Intl File 4.0]\r\nLanguage=Deutsch\r\n");
    Put(L"vx_xx.int", "[Intl File 4.0]\r\nLanguage=&\r\n");
    Put(L"notes.int", "nothing here\r\n");
    EXPECT_EQ(ListLanguageFiles(folder),
              (std::vector<std::string>{"Deutsch=VX_de.int", "Russian=VX_ru.int"}));
    int selected = -2;
    const auto items = OptionsLanguageItems(folder, "VX_RU.INT", selected);
    ASSERT_EQ(items.size(), 3u);  // the options list reads every "language=" line, "&" included
    EXPECT_EQ(items[0].displayName, "&");
    EXPECT_EQ(items[1].displayName, "&Russian");
    EXPECT_EQ(items[selected].fileName, "VX_ru.int");
    EXPECT_EQ(ListLanguageFiles(folder + L"\\Tutorial"), std::vector<std::string>{"English=VX_en.int"});
}

TEST_F(LanguageFolderTest, LocaleChoiceFallsBackToEnglish) {
    Put(L"VX_de.int", "[Intl File 4.0]\r\nLanguage=Deutsch\r\n");
    const auto list = ListLanguageFiles(folder);
    EXPECT_EQ(LanguageFileForLocale(folder, "vx_de.int", list), "vx_de.int");
    // Wine's default locale is English, which this folder does not hold as a file of its own.
    EXPECT_EQ(LanguageFileForLocale(folder, "", list), "vx_en.int");
}

TEST_F(LanguageFolderTest, TutorialPagesTakeTheirTextsFromTheLanguageFile) {
    Put(L"VX_en.int", "[Intl File 4.0]\r\nLanguage=English\r\n[welcome.htm]\r\n%s0=utf-8\r\n%s1=Welcome\r\n");
    Put(L"Tutorial\\Template\\welcome.htm", "<meta charset=%s0><h1>%s1</h1><p>%s2</p>%s4444");
    EXPECT_EQ(BuildTutorialPages(folder, "VX_en.int"), 1);
    EXPECT_EQ(ReadWholeFile(folder + L"\\Tutorial\\welcome.htm").value_or(""),
              "<meta charset=utf-8><h1>Welcome</h1><p>No string. Please check localization file</p>%s4444");
}

}  // namespace
}  // namespace vx
