// The home page table: vendor keys (logo keys in capitals) and the addresses
// of their web sites, a Chinese edition and an international edition.
#pragma once

#include <string_view>

namespace zentavo {

struct HomePageRow {
    enum class Chinese : std::uint8_t {
        OwnAddress,   // the row's Chinese-edition address
        SameAddress,  // one address serves both editions
        MakerText,    // no Chinese edition: the maker text as passed
    };
    struct OneAddress { std::string_view address; };
    struct NoChineseAddress {};

    constexpr HomePageRow(std::string_view key, std::string_view chinese, std::string_view international)
        : key(key), chinese_edition(Chinese::OwnAddress), chinese(chinese), international(international) {}
    constexpr HomePageRow(std::string_view key, OneAddress one)
        : key(key), chinese_edition(Chinese::SameAddress), chinese(one.address), international(one.address) {}
    constexpr HomePageRow(std::string_view key, NoChineseAddress, std::string_view international)
        : key(key), chinese_edition(Chinese::MakerText), international(international) {}

    std::string_view key;
    Chinese chinese_edition;
    std::string_view chinese;
    std::string_view international;
};

namespace home_page_table {
using One = HomePageRow::OneAddress;
constexpr HomePageRow::NoChineseAddress kNoChineseAddress;

inline constexpr HomePageRow kRows[] = {
    //        key           Chinese edition (selector 1)                       international edition
    /*  1 */ {"INTEL",      "http://www.intel.com/cn/index.htm",               "http://www.intel.com"},
    /*  2 */ {"AMD",        "http://www.amd.com.cn/CHCN/index.asp.htm",        "http://www.amd.com"},
    /*  3 */ {"NVIDIA",     "http://www.nvidia.cn",                            "http://www.nvidia.com"},
    /*  4 */ {"ATI",        kNoChineseAddress,                                 "http://ati.amd.com/products/index.html"},
    /*  5 */ {"VIA",        "http://www.viatech.com.cn/cn/index.jsp",          "http://www.via.com.tw/en/index.jsp"},
    /*  6 */ {"SIS",        "http://www.sis.com.cn",                           "http://www.sis.com"},
    /*  7 */ {"SEAGATE",    "http://www.seagate.com/www/zh-cn/?vgnextrefresh=1&countrycode=CN&locale=zh-CN"
                            "&countryName=CN&newRole=All_CN,All_APAC&regionCode=APAC&subregionCode=CN",
                                                                               "http://www.seagate.com"},
    /*  8 */ {"ECS",        "http://www.ecschina.com/ECSWebSite/Index.aspx?MenuID=0&LanID=2",
                                                                               "http://www.ecs.com.tw/ECSWorldWide/Index.aspx?MenuID=0&LanID=0"},
    /*  9 */ {"ASROCK",     "http://www.asrock.com.cn/index.cn.asp",           "http://www.asrock.com"},
    /* 10 */ {"HIS",        "http://www.hisdigital.com/cn",                    "http://www.hisdigital.com"},
    /* 11 */ {"POWERCOLOR", "http://www.dataland.com.cn/dl",                   "http://www.powercolor.com"},
    /* 12 */ {"WDC",        "http://www.wdc.com/cn",                           "http://www.wdc.com"},
    /* 13 */ {"LENOVO",     "http://www.lenovo.com.cn",                        "http://www.lenovo.com"},
    /* 14 */ {"HP",         "http://welcome.hp.com/country/cn/zh/welcome.html", "http://www.hp.com"},
    /* 15 */ {"APPLE",      "http://www.apple.com.cn",                         "http://www.apple.com"},
    /* 16 */ {"ASUS",       "http://www.asus.com.cn",                          "http://www.asus.com"},
    /* 17 */ {"MSI",        "http://www.msi.com.cn",                           "http://www.msi.com/index.php"},
    /* 18 */ {"GIGABYTE",   "http://www.gigabyte.cn",                          "http://www.gigabyte.com.tw"},
    /* 19 */ {"ACER",       "http://www.acer.com.cn",                          "http://www.acer.com"},
    /* 20 */ {"ABIT",       "http://www.abit.com.cn",                          "http://www.abit.com"},
    /* 21 */ {"BENQ",       "http://www.benq.com.cn",                          "http://www.benq.com"},
    /* 22 */ {"KINGSTON",   "http://www.kingston.com/china",                   "http://www.kingston.com/worldwide/default.asp"},
    /* 23 */ {"ADATA",      "http://www.adata.com.tw/CN",                      "http://www.adata-group.com/EN"},
    /* 24 */ {"CORSAIR",    "http://www.corsair.com/Default.aspx",             "http://www.corsair.com"},
    /* 25 */ {"APACER",     "http://www.apacer.com.cn/apacer/index.aspx",      "http://www.apacer.com/en/welcome.htm"},
    /* 26 */ {"GEIL",       "http://www.geil.com.cn",                          "http://www.geilusa.com/home"},
    /* 27 */ {"KINGBOX",    "http://www.kingbox.com.tw/chinese/index.asp",     "http://www.kingbox.com.tw"},
    /* 28 */ {"KINGMAX",    "http://www.kingmax.com.cn",                       "http://www.kingmax.com"},
    /* 29 */ {"KINGXCON",   "http://www.kingxcon.com/index.asp",               "http://www.kingxcon.com/en/index.asp"},
    /* 30 */ {"KINTELL",    "http://www.kintell.com/cn/kintell_index.asp",     "http://www.kintell.com/en/index.asp"},
    /* 31 */ {"TRANSCEND",  "http://www.transcend.com.cn",                     "http://www.transcendusa.com/index.asp?LangNo=0"},
    /* 32 */ {"VIEWSONIC",  "http://www.viewsonic.com.cn",                     "http://www.viewsonic.com"},
    /* 33 */ {"SAPPHIRE",   "http://www.sapphiretech.com/cn",                  "http://www.sapphiretech.com"},
    /* 34 */ {"SHUTTLE",    "http://www.shuttle.com.cn",                       "http://www.shuttle.com"},
    // One address for both editions.
    /* 35 */ {"PATRIOT",    One{"http://www.patriotmemory.com"}},
    /* 36 */ {"ELIXIR",     One{"http://www.elixir-memory.com/index.asp"}},
    /* 37 */ {"OCZ",        One{"http://www.ocztechnology.com"}},
    /* 38 */ {"MUSHKIN",    One{"http://www.mushkin.com"}},
    /* 39 */ {"ALIENWARE",  One{"http://www.alienware.com"}},
    /* 40 */ {"XFX",        One{"http://www.pinegroup.com"}},
    /* 41 */ {"EVGA",       One{"http://www.evga.com"}},
    /* 42 */ {"BFG",        One{"http://www.bfgtech.com"}},
    /* 43 */ {"DFI",        One{"http://www.dfi.com"}},
};

}  // namespace home_page_table
}  // namespace zentavo
