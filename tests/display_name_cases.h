// Maker strings as hosts read them and what GetPCVendor_Cn and
// GetPCVendor_En return for each: shared by the native tests and the DLL host.
#pragma once

#include <string_view>

namespace zentavo {

constexpr std::string_view kSame = "\x01same";  // the maker text comes back unchanged

struct DisplayNameCase {
    std::string_view maker;
    bool keep_rest;
    std::string_view chinese, english;  // UTF-8, or kSame
};

// Maker strings as hosts read them, and what each lookup must return.
constexpr DisplayNameCase kDisplayNameCases[] = {
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

}  // namespace zentavo
