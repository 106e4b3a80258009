#include <gtest/gtest.h>

#include <random>

#include "intl/catalogue.h"
#include "intl/language_file.h"
#include "intl/translator.h"

namespace vx {
namespace {

// Enough of code page 1251 for the tests: Cyrillic А..я (0xC0..0xFF); Latin-1 for the others.
std::string TestDecode(std::string_view bytes, int codePage) {
    std::wstring wide;
    for (unsigned char c : bytes) {
        if (codePage == 1251 && c >= 0xC0) {
            wide += static_cast<wchar_t>(0x0410 + (c - 0xC0));
        } else {
            wide += static_cast<wchar_t>(c);
        }
    }
    std::string out;
    for (wchar_t w : wide) {
        if (w < 0x80) {
            out += static_cast<char>(w);
        } else if (w < 0x800) {
            out += static_cast<char>(0xC0 | (w >> 6));
            out += static_cast<char>(0x80 | (w & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (w >> 12));
            out += static_cast<char>(0x80 | ((w >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (w & 0x3F));
        }
    }
    return out;
}

constexpr int kAnsi = 1252;

TEST(DecodeLanguageFile, UsesTheFilesOwnCharset) {
    const std::string file =
        "[Intl File 4.0]\r\nLanguage=Russian\r\nCharset=204\r\n[Strings]\r\n\xC0\xC1\xC2\r\n";
    const auto lines = DecodeLanguageFile(file, 1, kAnsi, TestDecode);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[4], "\xD0\x90\xD0\x91\xD0\x92");  // АБВ
}

TEST(DecodeLanguageFile, WithoutCharsetTheEarlierFileDecides) {
    const std::string file = "[Intl File 4.0]\r\nLanguage=Russian\r\n[Strings]\r\n\xC0\r\n";
    EXPECT_EQ(DecodeLanguageFile(file, 204, kAnsi, TestDecode)[3], "\xD0\x90");
    EXPECT_EQ(DecodeLanguageFile(file, 1, kAnsi, TestDecode)[3], "\xC3\x80");  // À in 1252
}

TEST(DecodeLanguageFile, TheLineAfterTheHeaderNeverSetsTheCharset) {
    const std::string file = "[Intl File 4.0]\r\nCharset=204\r\n[Strings]\r\n\xC0\r\n";
    EXPECT_EQ(HeaderCharset({"[Intl File 4.0]", "Charset=204"}, 1), 1);
    EXPECT_EQ(DecodeLanguageFile(file, 1, kAnsi, TestDecode)[3], "\xC3\x80");
}

TEST(DecodeLanguageFile, AByteOrderMarkMeansUtf8WhateverTheCharset) {
    const std::string file =
        "\xEF\xBB\xBF[Intl File 4.0]\nLanguage=x\nCharset=204\n[Strings]\n\xD0\x90\n\xFF\n";
    const auto lines = DecodeLanguageFile(file, 1, kAnsi, TestDecode);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "[Intl File 4.0]");
    EXPECT_EQ(lines[4], "\xD0\x90");
    EXPECT_EQ(lines[5], "\xEF\xBF\xBD");  // a bad byte is marked, not dropped
}

TEST(CodePageForCharset, TheKnownSetsAndTheAnsiFallback) {
    EXPECT_EQ(CodePageForCharset(204, kAnsi), 1251);
    EXPECT_EQ(CodePageForCharset(238, kAnsi), 1250);
    EXPECT_EQ(CodePageForCharset(0, 1251), 1252);
    EXPECT_EQ(CodePageForCharset(1, 1251), 1251);
    EXPECT_EQ(CodePageForCharset(77, 932), 932);
}

TEST(LookupLanguageText, IniRulesAndUtf8Format) {
    const std::string file =
        "[Intl File 4.0]\r\nLanguage=Deutsch\r\nformat = utf8\r\n[Uninstall]\r\n  Question =  "
        "L\xC3\xB6schen?  \r\n";
    EXPECT_EQ(LookupLanguageText(file, "uninstall", "QUESTION", kAnsi, TestDecode), "L\xC3\xB6schen?");
    EXPECT_EQ(LookupLanguageText(file, "INTL FILE 4.0", "language", kAnsi, TestDecode), "Deutsch");
    EXPECT_FALSE(LookupLanguageText(file, "Uninstall", "Missing", kAnsi, TestDecode));
    EXPECT_FALSE(LookupLanguageText(file, "Other", "Question", kAnsi, TestDecode));
    // Without Format=UTF8 the same bytes are single-byte text.
    const std::string ansi = "[Intl File 4.0]\r\nLanguage=x\r\n[Uninstall]\r\nQuestion=L\xF6schen?\r\n";
    EXPECT_EQ(LookupLanguageText(ansi, "Uninstall", "Question", kAnsi, TestDecode), "L\xC3\xB6schen?");
}

TEST(LanguageLists, OptionsDisplayName) {
    EXPECT_EQ(LanguageDisplayName({"[Intl File 4.0]", "LANGUAGE=Deutsch"}), "Deutsch");
    EXPECT_EQ(LanguageDisplayName({"[Intl File 4.0]", "Lang=Deutsch"}), std::nullopt);
}

TEST(LanguageLists, InstallWizardList) {
    const auto list = BuildLanguageList({{"VX_ru.int", "&Russian"},
                                         {"VX_en.int", "English"},
                                         {"VX_xx.int", "&"},
                                         {"VX_yy.int", ""},
                                         {"vx_EN.int", "English"},
                                         {"VX_de.int", "deutsch"}});
    EXPECT_EQ(list,
              (std::vector<std::string>{"deutsch=VX_de.int", "English=VX_en.int", "Russian=VX_ru.int"}));
    EXPECT_EQ(BuildLanguageList({}), std::vector<std::string>{"English=VX_en.int"});
}

TEST(LanguageLists, LanguageForLocale) {
    const std::vector<std::string> list{"English=VX_en.int", "Russian=VX_ru.int", "Ukrainian=VX_ua.int",
                                        "Srpski=VX_src.int"};
    EXPECT_EQ(LanguageForLocale("VX_RU.int", true, "en", false, list), "vx_ru.int");
    EXPECT_EQ(LanguageForLocale("vx_ru.int", false, "RU", false, list), "vx_ru.int");
    EXPECT_EQ(LanguageForLocale("", false, "uk", false, list),
              "vx_en.int");  // Ukrainian is "uk", the file "ua"
    EXPECT_EQ(LanguageForLocale("", false, "sr", true, list), "vx_src.int");
    EXPECT_EQ(LanguageForLocale("", false, "sr", false, list), "vx_en.int");
    EXPECT_EQ(LanguageForLocale("", false, std::nullopt, false, list), "vx_en.int");
}

TEST(TutorialTemplate, PlaceholdersOfOneToThreeDigits) {
    const auto values = [](const std::string& key) -> std::optional<std::string> {
        if (key == "%s1") return "one";
        if (key == "%s22") return "two";
        if (key == "%S333") return "three";
        return std::nullopt;
    };
    EXPECT_EQ(ExpandTutorialTemplate("%s1%s22%S333%s4444", values), "onetwothree%s4444");
    EXPECT_EQ(ExpandTutorialTemplate("<p>%s7</p>", values),
              "<p>No string. Please check localization file</p>");
    EXPECT_EQ(ExpandTutorialTemplate("100%s, %s and %", values), "100%s, %s and %");
    EXPECT_EQ(ExpandTutorialTemplate("", values), "");
}

class BadLanguageFiles : public ::testing::Test {
protected:
    void TearDown() override { PublishCatalogue({}); }
    void Load(const std::string& bytes) {
        PublishCatalogue({});
        const auto lines = DecodeLanguageFile(bytes, fonts.charset, kAnsi, TestDecode);
        TranslateForm(lines, fonts, {}, nullptr);
        EXPECT_LE(CurrentCatalogue()->size(), lines.size());
    }
    LanguageFonts fonts;
};

TEST_F(BadLanguageFiles, RandomBytesHugeLinesAndLongCatalogues) {
    std::mt19937 random(7);
    std::string noise(200000, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    Load(noise);
    Load("[Intl File 4.0]\r\nLanguage=x\r\nFont=" + std::string(1 << 20, 'F') + "\r\n");
    EXPECT_EQ(fonts.face.size(), 1u << 20);
    std::string many = "[Strings]\r\n";
    for (int i = 0; i < 100000; ++i) many += "entry\r\n";
    Load(many);
    EXPECT_EQ(CurrentCatalogue()->size(), 100000u);
    Load("[Strings\r\nnot closed\r\n[\r\n]\r\n=\r\n.=\r\nCharset=99999999999999999999999\r\n");
}

}  // namespace
}  // namespace vx
