// The logo rule table: the ordered rows through which GetVendorPic_Cn and
// GetVendorPic_En turn a vendor name into a logo key.  The first row whose
// test holds gives the logo key; when none holds the result is empty.
//
// A key is either a literal, the same for both lookups, or a display name,
// read from the string table in the language of the lookup: the very entry
// that GetPCVendor_Cn or GetPCVendor_En returns for that vendor.
#pragma once

#include <string_view>

#include "lookup/display_names.h"

namespace zentavo {

enum class LogoTest : std::uint8_t {
    Equals,                  // the whole text equals the key, letter case counting
    BeginsWith,              // the text begins with the key, letter case counting
    UpperBeginsWith,         // the ASCII upper-cased text begins with the (capital) key
    BeginsWithUnlessContains,  // begins with the key and nowhere contains the exception
    BeginsWithEnglishIgnoringCase,  // English: both upper-cased; Chinese: plain BeginsWith
};

// A literal key, or the display name `name` (Name::None: the lookup has no key
// here and passes the row over).
struct LogoKey {
    constexpr LogoKey(const char* literal) : literal(literal) {}
    constexpr LogoKey(Name name) : name(name) {}
    std::string_view literal;
    Name name = Name::None;
};

struct LogoRow {
    LogoTest test;
    LogoKey english, chinese;
    std::string_view logo;
    LogoKey english_exception = Name::None, chinese_exception = Name::None;

    // A literal key serves both lookups.
    constexpr LogoRow(LogoTest test, const char* literal, std::string_view logo)
        : test(test), english(literal), chinese(literal), logo(logo) {}
    constexpr LogoRow(LogoTest test, Name english, Name chinese, std::string_view logo,
                      Name english_exception = Name::None, Name chinese_exception = Name::None)
        : test(test), english(english), chinese(chinese), logo(logo),
          english_exception(english_exception), chinese_exception(chinese_exception) {}

    constexpr const LogoKey& key(Language language) const {
        return language == Language::Chinese ? chinese : english;
    }
    constexpr const LogoKey& exception(Language language) const {
        return language == Language::Chinese ? chinese_exception : english_exception;
    }
};

namespace logo_table {
using enum LogoTest;
using enum Name;

inline constexpr LogoRow kRows[] = {
    //         test                           English key         Chinese key         logo key
    /*  1 */ {Equals,                         "AuthenticAMD",                         "AMD"},
    /*  2 */ {Equals,                         "EVGA",                                 "EVGA"},
    /*  3 */ {Equals,                         "BFG",                                  "BFG"},
    /*  4 */ {Equals,                         "DFI",                                  "DFI"},
    /*  5 */ {Equals,                         "HIS",                                  "HIS"},
    /*  6 */ {BeginsWith,                     HewlettPackardEn,   HewlettPackardCn,   "HP"},
    /*  7 */ {BeginsWith,                     CompaqEn,           None,               "HP"},
    /*  8 */ {BeginsWith,                     DellEn,             DellCn,             "Dell"},
    /*  9 */ {BeginsWith,                     PowercolorEn,       PowercolorCn,       "PowerColor"},
    /* 10 */ {BeginsWith,                     Alienware,          Alienware,          "Alienware"},
    /* 11 */ {BeginsWithEnglishIgnoringCase,  LenovoEn,           LenovoCn,           "Lenovo"},
    /* 12 */ {BeginsWith,                     ToshibaEn,          ToshibaCn,          "Toshiba"},
    /* 13 */ {BeginsWith,                     FounderEn,          FounderCn,          "Founder"},
    /* 14 */ {BeginsWith,                     HedyEn,             HedyCn,             "HEDY"},
    /* 15 */ {BeginsWith,                     HaseeEn,            HaseeCn,            "HASEE"},
    /* 16 */ {BeginsWith,                     AsustekEn,          AsustekCn,          "ASUS"},
    /* 17 */ {BeginsWith,                     AcerEn,             AcerCn,             "Acer"},
    /* 18 */ {BeginsWith,                     HaierEn,            HaierCn,            "Haier"},
    /* 19 */ {BeginsWith,                     SonyEn,             SonyCn,             "Sony"},
    /* 20 */ {BeginsWith,                     TsingEn,            TsingCn,            "Tsing"},
    /* 21 */ {BeginsWith,                     BenqEn,             BenqCn,             "BenQ"},
    /* 22 */ {BeginsWith,                     AppleEn,            AppleCn,            "Apple"},
    /* 23 */ {BeginsWith,                     MsiEn,              MsiCn,              "MSI"},
    /* 24 */ {BeginsWith,                     GigabyteEn,         GigabyteCn,         "Gigabyte"},
    /* 25 */ {BeginsWith,                     HitachiEn,          HitachiCn,          "Hitachi"},
    /* 26 */ {BeginsWith,                     SamsungEn,          SamsungCn,          "SAMSUNG"},
    /* 27 */ {BeginsWithUnlessContains,       FujitsuEn,          FujitsuCn,          "FUJITSU",
              /* unless it contains */        FujitsuSiemensEn,   FujitsuSiemensCn},
    /* 28 */ {BeginsWith,                     AbitEn,             AbitCn,             "abit"},
    /* 29 */ {Equals,                         "GenuineIntel",                         "Intel"},
    /* 30 */ {UpperBeginsWith,                "INTEL",                                "Intel"},
    /* 31 */ {Equals,                         "Genuine Intel",                        "Intel"},
    /* 32 */ {BeginsWith,                     SeagateEn,          SeagateCn,          "seagate"},
    /* 33 */ {BeginsWith,                     WesternDigitalEn,   WesternDigitalCn,   "wdc"},
    /* 34 */ {BeginsWith,                     PhilipsEn,          PhilipsCn,          "Philips"},
    /* 35 */ {BeginsWith,                     ViaEn,              ViaCn,              "VIA"},
    /* 36 */ {Equals,                         "CentaurHauls",                         "VIA"},
    /* 37 */ {BeginsWith,                     SisEn,              SisCn,              "SIS"},
    /* 38 */ {BeginsWith,                     ElitegroupEn,       ElitegroupCn,       "ECS"},
    /* 39 */ {BeginsWith,                     AsrockEn,           AsrockCn,           "ASRock"},
    /* 40 */ {BeginsWith,                     XfxEn,              XfxCn,              "XFX"},
    /* 41 */ {BeginsWith,                     ZotacEn,            ZotacCn,            "ZOTAC"},
    /* 42 */ {BeginsWith,                     KingstonEn,         KingstonCn,         "Kingston"},
    /* 43 */ {BeginsWith,                     ADataEn,            ADataCn,            "AData"},
    /* 44 */ {BeginsWith,                     TranscendEn,        TranscendCn,        "Transcend"},
    /* 45 */ {BeginsWith,                     ApacerEn,           ApacerCn,           "Apacer"},
    /* 46 */ {BeginsWith,                     CorsairEn,          CorsairCn,          "Corsair"},
    /* 47 */ {BeginsWith,                     ElixirEn,           ElixirCn,           "Elixir"},
    /* 48 */ {BeginsWith,                     GeilEn,             GeilCn,             "Geil"},
    /* 49 */ {BeginsWith,                     KingboxEn,          KingboxCn,          "Kingbox"},
    /* 50 */ {BeginsWith,                     KingmaxEn,          KingmaxCn,          "Kingmax"},
    /* 51 */ {BeginsWith,                     KingtigerEn,        KingtigerCn,        "KingTiger"},
    /* 52 */ {BeginsWith,                     KingxconEn,         KingxconCn,         "Kingxcon"},
    /* 53 */ {BeginsWith,                     KintellEn,          KintellCn,          "Kintell"},
    /* 54 */ {UpperBeginsWith,                "OCZ",                                  "OCZ"},
    /* 55 */ {BeginsWith,                     PatriotEn,          PatriotCn,          "PATRIOT"},
    /* 56 */ {BeginsWith,                     Mushkin,            Mushkin,            "Mushkin"},
    /* 57 */ {BeginsWith,                     GSkillEn,           GSkillCn,           "GSkill"},
    /* 58 */ {UpperBeginsWith,                "NVIDIA ",                              "Nvidia"},
    /* 59 */ {UpperBeginsWith,                "S3 ",                                  "S3"},
    /* 60 */ {UpperBeginsWith,                "IBM",                                  "IBM"},
    /* 61 */ {UpperBeginsWith,                "TCL",                                  "TCL"},
    /* 62 */ {UpperBeginsWith,                "COMPAQ",                               "Compaq"},
    /* 63 */ {UpperBeginsWith,                "ATI ",                                 "ATI"},
    /* 64 */ {UpperBeginsWith,                "NEC ",                                 "NEC"},
    /* 65 */ {BeginsWith,                     "LG ",                                  "LG"},
    /* 66 */ {BeginsWith,                     ViewsonicEn,        ViewsonicCn,        "ViewSonic"},
    /* 67 */ {BeginsWith,                     SapphireEn,         SapphireCn,         "Sapphire"},
    /* 68 */ {BeginsWith,                     ShuttleEn,          ShuttleCn,          "Shuttle"},
};

}  // namespace logo_table
}  // namespace zentavo
