// Vendor names and the logo keys GetVendorPic_En and GetVendorPic_Cn give
// for them: shared by the native tests and the DLL host.
#pragma once

#include <string_view>

namespace zentavo {

struct LogoCase {
    std::string_view name;  // UTF-8
    std::string_view logo;
};

// GetVendorPic_En, in any code page: its keys are ASCII.
constexpr LogoCase kEnglishLogoCases[] = {
    {"", ""}, {"Dell", "Dell"}, {"Dell Inc.", "Dell"}, {"dell", ""},
    {"LENOVO", "Lenovo"}, {"lenovo", "Lenovo"}, {"Lenovo QDI", "Lenovo"},
    {"Compaq", "HP"}, {"COMPAQ", "Compaq"}, {"HP", "HP"}, {"HP Pavilion", "HP"},
    {"FUJITSU", "FUJITSU"}, {"FUJITSU-SIEMENS", ""}, {"FUJITSU SIEMENS", "FUJITSU"},
    {"FUJITSU-SIEMENS Computers", ""},
    {"AuthenticAMD", "AMD"}, {"authenticamd", ""}, {"AMD", ""}, {"GenuineIntel", "Intel"},
    {"Genuine Intel", "Intel"}, {"genuineintel", ""}, {"CentaurHauls", "VIA"},
    {"Intel", "Intel"}, {"INTEL", "Intel"}, {"intel(r)", "Intel"},
    {"EVGA", "EVGA"}, {"BFG", "BFG"}, {"DFI", "DFI"}, {"HIS", "HIS"},
    {"EVGA Corp", ""}, {"HIS x", ""}, {"BFG Tech", ""},
    {"NVIDIA GeForce", "Nvidia"}, {"nvidia x", "Nvidia"}, {"NVIDIA", ""},
    {"ATI Radeon", "ATI"}, {"ATI", ""}, {"NEC x", "NEC"}, {"NEC", ""},
    {"S3 Graphics", "S3"}, {"s3 x", "S3"}, {"S3", ""},
    {"LG Electronics", "LG"}, {"LG", ""}, {"lg x", ""},
    {"XFX Pine", "XFX"}, {"XFX", ""},
    {"Western Digital", "wdc"}, {"Seagate", "seagate"}, {"Abit", "abit"},
    {"ASUSTeK", "ASUS"}, {"ASUSTeK Computer INC.", "ASUS"}, {"Patriot", "PATRIOT"},
    {"GIGABYTE", "Gigabyte"}, {"G.Skill", "GSkill"}, {"A-DATA", "AData"},
    {"Elitegroup", "ECS"}, {"KINGBOX", "Kingbox"}, {"TOSHIBA", "Toshiba"},
    {"FOUNDER", "Founder"}, {"HITACHI", "Hitachi"}, {"GeIL", "Geil"},
    {"IBM ThinkPad", "IBM"}, {"TCL", "TCL"}, {"ocz", "OCZ"}, {"Mushkin", "Mushkin"},
    {"PowerColor", "PowerColor"}, {"ASRock", "ASRock"}, {"Shuttle", "Shuttle"},
    {"ViewSonic", "ViewSonic"}, {"Sapphire", "Sapphire"},
    {"Samsung", ""}, {"SAMSUNG", "SAMSUNG"},
};

// GetVendorPic_Cn in code page 936.
constexpr LogoCase kChineseLogoCases[] = {
    {"", ""}, {"戴尔", "Dell"}, {"戴尔 Inc.", "Dell"}, {"Dell", ""},
    {"联想", "Lenovo"}, {"联想 QDI", "Lenovo"}, {"Lenovo", ""},
    {"惠普", "HP"}, {"惠普-康柏", "HP"}, {"Compaq", "Compaq"}, {"COMPAQ", "Compaq"},
    {"富士通", "FUJITSU"}, {"富士通-西门子", ""}, {"富士通 西门子", "FUJITSU"},
    {"英特尔", ""}, {"Intel", "Intel"}, {"GenuineIntel", "Intel"}, {"AuthenticAMD", "AMD"},
    {"东芝-三星", "Toshiba"}, {"日立-LG", "Hitachi"}, {"索尼-NEC Optiarc", "Sony"},
    {"飞利浦-建兴", "Philips"}, {"西数", "wdc"}, {"希捷", "seagate"}, {"升技", "abit"},
    {"Alienware", "Alienware"}, {"Mushkin", "Mushkin"}, {"华硕", "ASUS"}, {"华硕 Computer", "ASUS"},
    {"EVGA", "EVGA"}, {"NVIDIA x", "Nvidia"}, {"讯景(松景)", "XFX"}, {"迪兰恒进", "PowerColor"},
    {"微软", ""}, {"NEC", ""},
};

}  // namespace zentavo
