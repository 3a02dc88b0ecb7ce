#include "lookup/display_name_lookup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "platform/portable_code_page.h"
#include "tests/code_page_text.h"
#include "tests/display_name_cases.h"

namespace zentavo {
namespace {

class DisplayNameLookup : public ::testing::TestWithParam<unsigned> {
protected:
    const PortableCodePage code_page{GetParam()};

    std::string find(std::string_view maker, bool keep_rest, Language language) const {
        return find_display_name(maker, keep_rest, language, code_page)->str();
    }
    std::string expected(std::string_view maker, std::string_view utf8) const {
        return utf8 == kSame ? std::string(maker) : in_code_page(utf8, GetParam());
    }
};

TEST_P(DisplayNameLookup, MakerStringsGiveTheirDisplayNames) {
    for (const DisplayNameCase& c : kDisplayNameCases) {
        SCOPED_TRACE(testing::Message() << '"' << c.maker << "\" keep_rest=" << c.keep_rest);
        EXPECT_EQ(find(c.maker, c.keep_rest, Language::Chinese), expected(c.maker, c.chinese));
        EXPECT_EQ(find(c.maker, c.keep_rest, Language::English), expected(c.maker, c.english));
    }
}

TEST_P(DisplayNameLookup, BytesFromTheMakerTextPassThroughUnchanged) {
    const std::string dell = in_code_page("戴尔", GetParam());
    EXPECT_EQ(find("DELL \xC4rger \x81\x41", true, Language::Chinese), dell + " \xC4rger \x81\x41");
    EXPECT_EQ(find("Fujitsu Siemens\xBB\xAA", false, Language::English), "FUJITSU-SIEMENS\xBB\xAA");
    EXPECT_EQ(find("\xD0\xC2 Dell", true, Language::English), "\xD0\xC2 Dell");
    EXPECT_EQ(find("D\xC9LL", false, Language::English), "D\xC9LL");
}

// Every key of every row, in the form its kind of row asks for, reaches that
// row's name; a key of a row the English lookup lacks comes back unchanged.
TEST_P(DisplayNameLookup, EveryKeyReachesItsOwnRow) {
    for (const auto& row : display_name_table::kRows)
        for (const Key& key : row.keys) {
            std::string maker = text::ascii_upper(key.text);
            if (row.match == Match::Contains) maker = "X" + maker + "Y z";
            if (row.match == Match::LeadWord) maker += " Corp";
            for (Language language : {Language::Chinese, Language::English}) {
                SCOPED_TRACE(testing::Message() << maker << (language == Language::Chinese ? " cn" : " en"));
                const bool present = row.in_lookup(language) && (language == Language::English || !key.english_only);
                std::string name(load_display_name(row.name(language), code_page));
                if (row.match == Match::Compound) name += maker.substr(key.text.size());
                EXPECT_EQ(find(maker, false, language), present ? name : maker);
            }
        }
}

// The index gives what the plain walk of every row gives, for real maker
// strings and for every key in several letter cases and surroundings.
TEST_P(DisplayNameLookup, IndexAgreesWithThePlainWalk) {
    std::vector<std::string> makers;
    std::ifstream fixture(ZENTAVO2_MAKER_STRINGS);
    ASSERT_TRUE(fixture) << ZENTAVO2_MAKER_STRINGS;
    for (std::string line; std::getline(fixture, line);) makers.push_back(line);
    for (const auto& row : display_name_table::kRows)
        for (const Key& key : row.keys) {
            const std::string k(key.text);
            for (std::string variant : {k, text::ascii_upper(k), k + " x", " " + k, k + "x", "x" + k, k + ". y z"})
                makers.push_back(variant);
        }
    for (const std::string& maker : makers)
        for (Language language : {Language::Chinese, Language::English})
            for (bool keep_rest : {false, true}) {
                const auto fast = find_display_name(maker, keep_rest, language, code_page);
                const auto walked = find_display_name_by_walk(maker, keep_rest, language, code_page);
                ASSERT_TRUE(fast && walked);
                ASSERT_EQ(fast->str(), walked->str()) << maker;
            }
}

TEST_P(DisplayNameLookup, KeepRestNeverTouchesAnUnmatchedText) {
    for (std::string_view maker : {"Unknown Vendor Inc.", "x", " ", "  lead", "trail  "}) {
        EXPECT_EQ(find(maker, true, Language::Chinese), maker);
        EXPECT_EQ(find(maker, true, Language::English), maker);
    }
}

INSTANTIATE_TEST_SUITE_P(CodePages, DisplayNameLookup, ::testing::Values(936u, 1252u),
                         [](const auto& info) { return "cp" + std::to_string(info.param); });

TEST(DisplayNameWalk, EnglishTestsMicrosoftRightAfterTsing) {
    const auto english = display_name_walk(Language::English);
    const auto chinese = display_name_walk(Language::Chinese);
    ASSERT_EQ(english.size(), 195u);
    ASSERT_EQ(chinese.size(), 308u);
    EXPECT_EQ(english[1]->keys.begin()->text, "tsing");
    EXPECT_EQ(english[2]->keys.begin()->text, "microsoft");
    EXPECT_EQ(chinese[11]->keys.begin()->text, "microsoft");
    EXPECT_EQ(chinese[307]->keys.begin()->text, "_nec");
}

}  // namespace
}  // namespace zentavo
