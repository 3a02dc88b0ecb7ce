#include "lookup/logo_lookup.h"

#include <gtest/gtest.h>

#include "lookup/display_name_lookup.h"
#include "lookup/home_page_lookup.h"
#include "platform/portable_code_page.h"
#include "tests/code_page_text.h"
#include "tests/logo_cases.h"

namespace zentavo {
namespace {

class LogoLookup : public ::testing::TestWithParam<unsigned> {
protected:
    const PortableCodePage code_page{GetParam()};
    std::string_view logo(std::string_view name, Language language) const {
        return find_logo_key(in_code_page(name, GetParam()), language, code_page);
    }
};

TEST_P(LogoLookup, EnglishNamesAndIdentifiersGiveTheirLogoKeys) {
    for (const LogoCase& c : kEnglishLogoCases) EXPECT_EQ(logo(c.name, Language::English), c.logo) << c.name;
}

// The display name GetPCVendor_* returns for a vendor yields the logo key of
// its row, also with the rest of the maker text after it; the logo key leads
// on to the same row of the home page table.
TEST_P(LogoLookup, DisplayNamesLeadToTheirLogoKeysAndHomePages) {
    const bool chinese_readable = GetParam() == 936;
    for (const auto& logo_row : logo_table::kRows)
        for (Language language : {Language::Chinese, Language::English}) {
            const Name name = logo_row.key(language).name;
            if (name == Name::None || (language == Language::Chinese && !chinese_readable)) continue;
            for (const auto& row : display_name_table::kRows) {
                if (row.name(language) != name || row.match == Match::Compound) continue;
                const std::string key(row.keys.begin()->text);
                const std::string maker = row.match == Match::WholeText ? key : key + " Rest";
                const auto plain = find_display_name(maker, false, language, code_page)->str();
                const auto kept = find_display_name(maker, true, language, code_page)->str();
                SCOPED_TRACE(maker);
                EXPECT_EQ(find_logo_key(plain, language, code_page), logo_row.logo);
                EXPECT_EQ(find_logo_key(kept, language, code_page), logo_row.logo);
            }
        }
}

TEST_P(LogoLookup, EveryLogoKeyWithAHomePageReachesIt) {
    for (const auto& logo_row : logo_table::kRows)
        for (const auto& page : home_page_table::kRows) {
            if (text::ascii_upper(logo_row.logo) != page.key) continue;
            EXPECT_EQ(find_home_page(logo_row.logo, Language::English), page.international) << logo_row.logo;
            if (page.chinese_edition != HomePageRow::Chinese::MakerText) {
                EXPECT_EQ(find_home_page(logo_row.logo, Language::Chinese), page.chinese) << logo_row.logo;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(CodePages, LogoLookup, ::testing::Values(936u, 1252u),
                         [](const auto& info) { return "cp" + std::to_string(info.param); });

TEST(LogoLookupChinese, ChineseNamesInCodePage936) {
    const PortableCodePage cp936(936);
    for (const LogoCase& c : kChineseLogoCases)
        EXPECT_EQ(find_logo_key(in_code_page(c.name, 936), Language::Chinese, cp936), c.logo) << c.name;
}

// In code page 1252 every Chinese name loads as question marks, and the
// Chinese lookup compares in that code page: the first two-character key,
// HP's "惠普", now reads "??" and takes every name that the host got back.
TEST(LogoLookupChinese, CodePage1252ComparesTheQuestionMarks) {
    const PortableCodePage cp1252(1252);
    EXPECT_EQ(find_logo_key("??", Language::Chinese, cp1252), "HP");
    EXPECT_EQ(find_logo_key("???" "-???", Language::Chinese, cp1252), "HP");
    EXPECT_EQ(find_logo_key("?", Language::Chinese, cp1252), "");
    EXPECT_EQ(find_logo_key("Alienware", Language::Chinese, cp1252), "Alienware");
    EXPECT_EQ(find_logo_key("Dell", Language::Chinese, cp1252), "");
    EXPECT_EQ(find_logo_key("Intel", Language::Chinese, cp1252), "Intel");
}

TEST(LogoLookupChinese, RowSevenIsPassedOverAndTheLiteralCompaqRowDecides) {
    const PortableCodePage cp936(936);
    EXPECT_EQ(find_logo_key("Compaq", Language::Chinese, cp936), "Compaq");
    EXPECT_EQ(find_logo_key("Compaq", Language::English, cp936), "HP");
}

}  // namespace
}  // namespace zentavo
