#include "lookup/display_name_lookup.h"

#include <gtest/gtest.h>

#include "platform/portable_code_page.h"
#include "tests/code_page_text.h"

namespace zentavo {
namespace {

constexpr std::string_view kSame = "\x01same";  // the maker text comes back unchanged

struct Case {
    std::string_view maker;
    bool keep_rest;
    std::string_view chinese, english;  // UTF-8, or kSame
};

// Maker strings as hosts read them, and what each lookup must return.
constexpr Case kCases[] = {
    {"", false, "", ""},
    {"", true, "", ""},
    {"Dell", true, "戴尔 Dell", "Dell"},
    {"DELL", true, "戴尔 DELL", "Dell DELL"},
    {"dell.", true, "戴尔 dell.", "Dell dell."},
    {"Dell Inc.", false, "戴尔", "Dell"},
    {"Dell  Inc.", true, "戴尔  Inc.", "Dell  Inc."},
    {"Dell ", true, "戴尔 ", "Dell "},
    {" Dell", false, kSame, kSame},
    {" Dell", true, kSame, kSame},
    {"Dell\tInc.", false, kSame, kSame},
    {"Acer,", false, "宏碁", "Acer"},
    {"Intel(R) Corporation", false, "英特尔", "Intel"},
    {"GenuineIntel", false, kSame, kSame},
    {"ASUSTeK Computer INC.", true, "华硕 Computer INC.", "ASUSTeK Computer INC."},
    {"ASUSTeK.Computer Corp", false, "华硕", "ASUSTeK"},
    {"ASUSTeK.Computer Corp", true, "华硕 Corp", "ASUSTeK Corp"},
    {"xASUSTEK.", false, "华硕", "ASUSTeK"},
    {"PC Partner", false, "柏能", "PC Partner"},
    {"PC Partner Ltd", false, kSame, kSame},
    {"GeCube", false, "精星", kSame},
    {"GeCube Corp", false, kSame, kSame},
    {"xpertvision", false, "XpertVision(同德)", kSame},
    {"Western Digital", true, "西数 Digital", "Western Digital"},
    {"Fujitsu Siemens Computers", false, "富士通-西门子 Computers", "FUJITSU-SIEMENS Computers"},
    {"Fujitsu Siemens Computers", true, "富士通-西门子 Computers", "FUJITSU-SIEMENS Computers"},
    {"FUJITSU-SIEMENS Computers", false, "富士通-西门子 Computers", "FUJITSU-SIEMENS Computers"},
    {"fujitsu-siemensX", false, "富士通-西门子X", "FUJITSU-SIEMENSX"},
    {"FUJITSU", true, "富士通 FUJITSU", "FUJITSU"},
    {"Optiarc DVD RW", false, "索尼-NEC Optiarc DVD RW", kSame},
    {"Hitachi-LG Data Storage", true, "日立-LG Data Storage", kSame},
    {"Hitachi Ltd", false, "日立", "HITACHI"},
    {"TOSHIBA-SAMSUNG", false, "东芝-三星", kSame},
    {"Toshiba Samsung", false, "东芝", "TOSHIBA"},
    {"_NEC", false, "NEC", "NEC"},
    {"_nec", true, "NEC _nec", "NEC _nec"},
    {"NEC", false, kSame, kSame},
    {"Amark", false, "Amark(冠捷)", kSame},
    {"AMARK", false, "Amark(冠捷)", kSame},
    {"To Be Filled By O.E.M.", false, kSame, kSame},
    {"To Be Filled By O.E.M.", true, kSame, kSame},
    {"jaton", false, "广达", "Quanta"},
    {"quanta", false, "广达", "Quanta"},
    {"qsi", false, "广达", kSame},
    {"liteon", false, "建兴", kSame},
    {"slimtype", false, "建兴", "Slimtype"},
    {"legend", false, "联想", kSame},
    {"Lenovo.", false, "联想", "Lenovo"},
    {"unika.", false, kSame, "UNIKA"},
    {"unika", false, "双敏", "UNIKA"},
    {"Compal Electronics", false, "仁宝", "Compal Electronics"},
    {"Compal Electronics", true, "仁宝 Electronics", "Compal Electronics"},
    {"QDI", false, "联想 QDI", "Lenovo QDI"},
    {"HP", false, "惠普", "HP"},
    {"Hewlett-Packard", false, "惠普", "HP"},
    {"Compaq", false, "惠普-康柏", "Compaq"},
    {"Microsoft Corporation", false, "微软", "Microsoft"},
    {"Edimax Technology", false, "爱迪麦斯", "RSEdimax"},
    {"Daewoo", false, "大宇", "Daewoo"},
    {"DAYTEK", false, "大宇", "DAYTEK"},
    {"hisense", false, "海信", kSame},
    {"hisence", false, "海信", kSame},
    {"Allied Telesyn", false, "安奈特", "Allied Telesyn"},
    {"Allied Telesyn International", false, kSame, kSame},
    {"G.Skill", false, "芝奇", "G.Skill"},
    {"Kingston", false, "金士顿", "Kingston"},
    {"Mushkin", false, "Mushkin", "Mushkin"},
    {"leadmax", false, "超胜", kSame},
    {"leadram", false, "超胜", kSame},
    {"VIA Technologies", true, "威盛 Technologies", "VIA Technologies"},
    {"nps", false, "劲彩/晶彩", kSame},
    {"Realtek Semiconductor Corp.", false, "瑞昱", "Realtek"},
};

class DisplayNameLookup : public ::testing::TestWithParam<unsigned> {
protected:
    const PortableCodePage code_page{GetParam()};

    std::string find(std::string_view maker, bool keep_rest, Language language) const {
        NameBuffer buffer;
        return find_display_name(maker, keep_rest, language, code_page, buffer).str();
    }
    std::string expected(std::string_view maker, std::string_view utf8) const {
        return utf8 == kSame ? std::string(maker) : in_code_page(utf8, GetParam());
    }
};

TEST_P(DisplayNameLookup, MakerStringsGiveTheirDisplayNames) {
    for (const Case& c : kCases) {
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
                NameBuffer buffer;
                std::string name(load_display_name(row.name(language), code_page, buffer));
                if (row.match == Match::Compound) name += maker.substr(key.text.size());
                EXPECT_EQ(find(maker, false, language), present ? name : maker);
            }
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
