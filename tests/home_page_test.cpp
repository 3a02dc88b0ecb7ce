#include "lookup/home_page_lookup.h"

#include <gtest/gtest.h>

namespace zentavo {
namespace {

std::string address(std::string_view key, Language language) {
    const auto found = find_home_page(key, language);
    return found ? std::string(*found) : "<as passed>";
}

TEST(HomePage, KeysMatchWholeInAnyLetterCase) {
    for (std::string_view key : {"INTEL", "Intel", "intel"}) {
        EXPECT_EQ(address(key, Language::Chinese), "http://www.intel.com/cn/index.htm");
        EXPECT_EQ(address(key, Language::English), "http://www.intel.com");
    }
    for (std::string_view key : {" INTEL", "INTEL ", "Intel Corporation", "INTE", "", "Dell", "SAMSUNG", "\xBB\xAA"})
        EXPECT_EQ(address(key, Language::English), "<as passed>") << key;
}

TEST(HomePage, LogoKeysInTheirOwnCaseFindTheirRows) {
    struct Case { std::string_view logo, key; };
    for (const Case& c : {Case{"Nvidia", "NVIDIA"}, Case{"PowerColor", "POWERCOLOR"}, Case{"AData", "ADATA"},
                          Case{"abit", "ABIT"}, Case{"seagate", "SEAGATE"}, Case{"wdc", "WDC"}}) {
        const auto row = std::find_if(std::begin(home_page_table::kRows), std::end(home_page_table::kRows),
                                      [&](const HomePageRow& r) { return r.key == c.key; });
        ASSERT_NE(row, std::end(home_page_table::kRows));
        EXPECT_EQ(find_home_page(c.logo, Language::English), row->international);
        EXPECT_EQ(find_home_page(c.logo, Language::Chinese), row->chinese);
    }
}

TEST(HomePage, AtiHasNoChineseEdition) {
    EXPECT_EQ(address("ati", Language::Chinese), "<as passed>");
    EXPECT_EQ(address("ati", Language::English), "http://ati.amd.com/products/index.html");
}

TEST(HomePage, SingleAddressRowsIgnoreTheEdition) {
    for (std::string_view key : {"PATRIOT", "ELIXIR", "OCZ", "MUSHKIN", "ALIENWARE", "xfx", "EVGA", "BFG", "DFI"}) {
        EXPECT_EQ(address(key, Language::Chinese), address(key, Language::English)) << key;
        EXPECT_NE(address(key, Language::English), "<as passed>") << key;
    }
}

TEST(HomePage, TailsAndQueriesAsGiven) {
    EXPECT_TRUE(address("SEAGATE", Language::Chinese)
                    .ends_with("/www/zh-cn/?vgnextrefresh=1&countrycode=CN&locale=zh-CN&countryName=CN"
                               "&newRole=All_CN,All_APAC&regionCode=APAC&subregionCode=CN"));
    EXPECT_TRUE(address("ECS", Language::English).ends_with("/ECSWorldWide/Index.aspx?MenuID=0&LanID=0"));
    EXPECT_TRUE(address("TRANSCEND", Language::English).ends_with("/index.asp?LangNo=0"));
    EXPECT_TRUE(address("HP", Language::Chinese).ends_with("/country/cn/zh/welcome.html"));
    // A dash in the table: the address ends right after the host.
    for (std::string_view key : {"NVIDIA", "LENOVO", "GIGABYTE", "OCZ"})
        EXPECT_EQ(address(key, Language::English).find('/', 7), std::string::npos) << key;
}

}  // namespace
}  // namespace zentavo
