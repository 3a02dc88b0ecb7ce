// The display-name table: the ordered rows through which GetPCVendor_Cn and
// GetPCVendor_En look up a maker text.  The first row that matches wins.
//
// Kinds of row (all keys are lower case and meet the ASCII-lower-cased text):
//   Compound   the text begins with a key; the key's bytes are replaced by the
//              name and the rest of the text follows.  Only at the head.
//   LeadWord   the lead word (the text before its first blank) equals a key.
//   Contains   a key occurs anywhere in the lead word.
//   WholeText  the whole text equals a key.
// A row whose English name is None is not part of the English lookup; a key
// marked EnglishOnly is tested by the English lookup alone.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "lookup/display_names.h"

namespace zentavo {

enum class Match : std::uint8_t { Compound, LeadWord, Contains, WholeText };

struct Key {
    constexpr Key(const char* key) : text(key) {}
    constexpr Key(std::string_view key, bool english_only) : text(key), english_only(english_only) {}
    std::string_view text;
    bool english_only = false;
};
constexpr Key EnglishOnly(std::string_view key) { return {key, true}; }

class Keys {
public:
    constexpr Keys(std::initializer_list<Key> keys) {
        for (const Key& key : keys) keys_[count_++] = key;
    }
    constexpr const Key* begin() const { return keys_.data(); }
    constexpr const Key* end() const { return keys_.data() + count_; }
    constexpr std::size_t size() const { return count_; }

private:
    std::array<Key, 4> keys_{Key(""), Key(""), Key(""), Key("")};
    std::size_t count_ = 0;
};

struct DisplayNameRow {
    Match match;
    Name chinese;
    Name english;
    Keys keys;

    constexpr Name name(Language language) const {
        return language == Language::Chinese ? chinese : english;
    }
    constexpr bool in_lookup(Language language) const { return name(language) != Name::None; }
};

namespace display_name_table {
using enum Match;
using enum Name;

inline constexpr DisplayNameRow kRows[] = {
    // Group A: compound rows, tested before the lead word is split off.
    /*   1 */ {Compound,  FujitsuSiemensCn,    FujitsuSiemensEn,    {"fujitsu siemens", "fujitsu-siemens"}},
    /*   2 */ {Compound,  ToshibaSamsungCn,    None,                {"toshiba-samsung"}},
    /*   3 */ {Compound,  HitachiLgCn,         None,                {"hitachi-lg"}},
    /*   4 */ {Compound,  OptiarcCn,           None,                {"optiarc"}},

    // Group B: system and notebook brands.
    /*   5 */ {LeadWord,  TsingCn,             TsingEn,             {"tsing", "tongfang", "tsinghua", "tongfangcomputer"}},
    /*   6 */ {LeadWord,  HedyCn,              HedyEn,              {"hedy", "hedycomputer"}},
    /*   7 */ {LeadWord,  HaseeCn,             HaseeEn,             {"hasee", "haseecomputers"}},
    /*   8 */ {LeadWord,  AcerCn,              AcerEn,              {"acer", "acer,", "acer."}},
    /*   9 */ {LeadWord,  BenqCn,              BenqEn,              {"benq", "benq,inc."}},
    /*  10 */ {LeadWord,  DellCn,              DellEn,              {"dell", "dell."}},
    /*  11 */ {LeadWord,  Alienware,           Alienware,           {"alienware"}},
    /*  12 */ {LeadWord,  MicrosoftCn,         MicrosoftEn,         {"microsoft"}},
    /*  13 */ {LeadWord,  AppleCn,             AppleEn,             {"apple"}},
    /*  14 */ {LeadWord,  TwinheadCn,          None,                {"twinhead"}},
    /*  15 */ {LeadWord,  KohjinshaCn,         None,                {"kohjinsha"}},
    /*  16 */ {LeadWord,  LangchaoCn,          None,                {"langchao"}},

    // Group C: mainly mainboard makers.
    /*  17 */ {LeadWord,  AsustekCn,           AsustekEn,           {"asustek", "asus"}},
    /*  18 */ {Contains,  AsustekCn,           AsustekEn,           {"asustek."}},
    /*  19 */ {LeadWord,  PegatronCn,          None,                {"pegatron"}},
    /*  20 */ {LeadWord,  MsiCn,               MsiEn,               {"msi", "micro-star"}},
    /*  21 */ {LeadWord,  MicrobrillCn,        None,                {"microbrill"}},
    /*  22 */ {LeadWord,  GigabyteCn,          GigabyteEn,          {"gigabyte", "giga-byte", "gigatrend"}},
    /*  23 */ {LeadWord,  FicCn,               FicEn,               {"fic"}},
    /*  24 */ {LeadWord,  AbitCn,              AbitEn,              {"abit"}},
    /*  25 */ {LeadWord,  DfiCn,               DfiEn,               {"dfi"}},
    /*  26 */ {LeadWord,  BiostarCn,           BiostarEn,           {"biostar"}},
    /*  27 */ {LeadWord,  EpoxCn,              EpoxEn,              {"epox"}},
    /*  28 */ {LeadWord,  SoyoCn,              SoyoEn,              {"soyo", "soyocomputer"}},
    /*  29 */ {LeadWord,  ElitegroupCn,        ElitegroupEn,        {"elitegroup", "ecs", "flexpc"}},
    /*  30 */ {LeadWord,  AsrockCn,            AsrockEn,            {"asrock"}},
    /*  31 */ {LeadWord,  JetwayCn,            JetwayEn,            {"jetway"}},
    /*  32 */ {LeadWord,  TyanCn,              TyanEn,              {"tyan"}},
    /*  33 */ {LeadWord,  SoltekCn,            SoltekEn,            {"soltek"}},
    /*  34 */ {LeadWord,  ColorfulCn,          ColorfulEn,          {"colorful"}},
    /*  35 */ {LeadWord,  ArimaCn,             ArimaEn,             {"arima"}},
    /*  36 */ {LeadWord,  MitacCn,             MitacEn,             {"mitac"}},
    /*  37 */ {LeadWord,  MitacCn,             None,                {"mtc"}},
    /*  38 */ {LeadWord,  CompalCn,            CompalEn,            {"compal"}},
    /*  39 */ {LeadWord,  ShuttleCn,           ShuttleEn,           {"shuttle"}},
    /*  40 */ {LeadWord,  JWCn,                JWEn,                {"j&w"}},
    /*  41 */ {LeadWord,  IwillCn,             IwillEn,             {"iwill"}},
    /*  42 */ {LeadWord,  GalaxyCn,            GalaxyEn,            {"galaxy"}},
    /*  43 */ {LeadWord,  TopstarCn,           TopstarEn,           {"topstar"}},
    /*  44 */ {LeadWord,  GainwardCn,          GainwardEn,          {"gainward"}},
    /*  45 */ {LeadWord,  SparkleCn,           SparkleEn,           {"sparkle"}},
    /*  46 */ {LeadWord,  SupermicroCn,        SupermicroEn,        {"supermicro"}},
    /*  47 */ {LeadWord,  AcorpCn,             AcorpEn,             {"acorp"}},
    /*  48 */ {LeadWord,  OndaCn,              OndaEn,              {"onda", "onda.", "on-data", "ondata"}},
    /*  49 */ {LeadWord,  WistronCn,           WistronEn,           {"wistron"}},
    /*  50 */ {LeadWord,  SupoxCn,             SupoxEn,             {"supox"}},
    /*  51 */ {LeadWord,  UnikaCn,             UnikaEn,             {"unika", EnglishOnly("unika.")}},
    /*  52 */ {LeadWord,  AslCn,               AslEn,               {"asl"}},
    /*  53 */ {LeadWord,  FlorensCn,           FlorensEn,           {"florens"}},
    /*  54 */ {LeadWord,  MaxsunCn,            MaxsunEn,            {"maxsun"}},
    /*  55 */ {LeadWord,  MidaCn,              MidaEn,              {"mida"}},
    /*  56 */ {LeadWord,  CthimCn,             CthimEn,             {"cthim", "xzx"}},
    /*  57 */ {LeadWord,  JieheCn,             JieheEn,             {"jiehe"}},
    /*  58 */ {LeadWord,  UniwillCn,           UniwillEn,           {"uniwill"}},
    /*  59 */ {LeadWord,  FastfameCn,          None,                {"fastfame"}},
    /*  60 */ {LeadWord,  YestonCn,            YestonEn,            {"yeston"}},
    /*  61 */ {LeadWord,  ZidaCn,              None,                {"zida"}},
    /*  62 */ {LeadWord,  DamtinCn,            None,                {"damtin"}},
    /*  63 */ {LeadWord,  LemelCn,             None,                {"lemel"}},
    /*  64 */ {LeadWord,  FlocityCn,           None,                {"flocity"}},
    /*  65 */ {LeadWord,  ZillionCn,           None,                {"zillion"}},
    /*  66 */ {LeadWord,  PcchipsCn,           None,                {"pcchips"}},
    /*  67 */ {LeadWord,  MatsonicCn,          None,                {"matsonic"}},
    /*  68 */ {LeadWord,  MalataCn,            None,                {"malata"}},
    /*  69 */ {LeadWord,  SyntaxCn,            None,                {"syntax"}},

    // Group D: mainly graphics-card makers.
    /*  70 */ {LeadWord,  XfxCn,               XfxEn,               {"xfx"}},
    /*  71 */ {LeadWord,  ElsaCn,              ElsaEn,              {"elsa"}},
    /*  72 */ {LeadWord,  LeadtekCn,           LeadtekEn,           {"leadtek"}},
    /*  73 */ {LeadWord,  AopenCn,             AopenEn,             {"aopen"}},
    /*  74 */ {LeadWord,  AlbatronCn,          AlbatronEn,          {"albatron"}},
    /*  75 */ {LeadWord,  BitlandCn,           BitlandEn,           {"bitland"}},
    /*  76 */ {LeadWord,  QuantaCn,            QuantaEn,            {"quanta"}},
    /*  77 */ {LeadWord,  QuantaCn,            None,                {"qsi"}},
    /*  78 */ {LeadWord,  InnovisionCn,        InnovisionEn,        {"innovision"}},
    /*  79 */ {LeadWord,  QuantaCn,            QuantaEn,            {"jaton"}},
    /*  80 */ {LeadWord,  PalitCn,             PalitEn,             {"palit"}},
    /*  81 */ {LeadWord,  ProlinkCn,           ProlinkEn,           {"prolink"}},
    /*  82 */ {LeadWord,  XgiCn,               XgiEn,               {"xgi"}},
    /*  83 */ {LeadWord,  SapphireCn,          SapphireEn,          {"sapphire"}},
    /*  84 */ {LeadWord,  DataexpertCn,        DataexpertEn,        {"dataexpert"}},
    /*  85 */ {LeadWord,  GvcCn,               GvcEn,               {"gvc"}},
    /*  86 */ {LeadWord,  TekramCn,            TekramEn,            {"tekram"}},
    /*  87 */ {LeadWord,  VertexCn,            VertexEn,            {"vertex"}},
    /*  88 */ {LeadWord,  ZotacCn,             ZotacEn,             {"zotac"}},
    /*  89 */ {LeadWord,  PowercolorCn,        PowercolorEn,        {"powercolor"}},
    /*  90 */ {LeadWord,  Connect3dCn,         Connect3dEn,         {"connect3d"}},
    /*  91 */ {LeadWord,  HerculesCn,          HerculesEn,          {"hercules"}},
    /*  92 */ {WholeText, PcPartnerCn,         PcPartnerEn,         {"pc partner"}},
    /*  93 */ {WholeText, XpertvisionCn,       None,                {"xpertvision"}},
    /*  94 */ {WholeText, GecubeCn,            None,                {"gecube"}},

    // Group E: system and notebook brands, second block.
    /*  95 */ {LeadWord,  FounderCn,           FounderEn,           {"founder", "foundertech"}},
    /*  96 */ {LeadWord,  FujitsuCn,           FujitsuEn,           {"fujitsu", "wfujitsu"}},
    /*  97 */ {LeadWord,  HaierCn,             HaierEn,             {"haier", "haiercomputer"}},
    /*  98 */ {LeadWord,  HewlettPackardCn,    HewlettPackardEn,    {"hewlett-packard", "hp-pavilion", "hp"}},
    /*  99 */ {LeadWord,  CompaqCn,            CompaqEn,            {"compaq"}},
    /* 100 */ {LeadWord,  LenovoCn,            LenovoEn,            {"lenovo", "lenovo."}},
    /* 101 */ {LeadWord,  LenovoCn,            None,                {"legend"}},
    /* 102 */ {LeadWord,  QdiCn,               QdiEn,               {"qdi"}},
    /* 103 */ {LeadWord,  SamsungCn,           SamsungEn,           {"samsung"}},
    /* 104 */ {LeadWord,  SonyCn,              SonyEn,              {"sony"}},
    /* 105 */ {LeadWord,  ToshibaCn,           ToshibaEn,           {"toshiba"}},
    /* 106 */ {LeadWord,  FoxconnCn,           FoxconnEn,           {"foxconn"}},
    /* 107 */ {LeadWord,  WinfastCn,           WinfastEn,           {"winfast"}},
    /* 108 */ {LeadWord,  SanyoCn,             SanyoEn,             {"sanyo"}},
    /* 109 */ {LeadWord,  FoxlinkCn,           FoxlinkEn,           {"foxlink"}},
    /* 110 */ {LeadWord,  SimploCn,            SimploEn,            {"simplo"}},

    // Group F: disk and optical-drive makers.
    /* 111 */ {LeadWord,  HitachiCn,           HitachiEn,           {"hitachi"}},
    /* 112 */ {LeadWord,  SeagateCn,           SeagateEn,           {"seagate"}},
    /* 113 */ {WholeText, WesternDigitalCn,    WesternDigitalEn,    {"western digital"}},
    /* 114 */ {LeadWord,  ExcelstorCn,         ExcelstorEn,         {"excelstor"}},
    /* 115 */ {LeadWord,  MaxtorCn,            MaxtorEn,            {"maxtor"}},
    /* 116 */ {LeadWord,  QuantumCn,           None,                {"quantum"}},
    /* 117 */ {LeadWord,  PioneerCn,           PioneerEn,           {"pioneer"}},
    /* 118 */ {LeadWord,  MitsubishiCn,        MitsubishiEn,        {"mitsubishi"}},
    /* 119 */ {LeadWord,  MitsumiCn,           MitsumiEn,           {"mitsumi"}},
    /* 120 */ {LeadWord,  LiteOnCn,            LiteOnEn,            {"lite-on"}},
    /* 121 */ {LeadWord,  LiteOnCn,            None,                {"liteon"}},
    /* 122 */ {LeadWord,  LiteOnCn,            SlimtypeEn,          {"slimtype"}},
    /* 123 */ {LeadWord,  MatsushitaCn,        MatsushitaEn,        {"matsushita"}},
    /* 124 */ {LeadWord,  MatsushitaCn,        PanasonicEn,         {"panasonic"}},
    /* 125 */ {LeadWord,  TeclastCn,           TeclastEn,           {"teclast"}},
    /* 126 */ {LeadWord,  GoldstarCn,          None,                {"goldstar"}},
    /* 127 */ {LeadWord,  JadestarCn,          None,                {"jadestar"}},
    /* 128 */ {LeadWord,  PlextorCn,           None,                {"plextor"}},
    /* 129 */ {LeadWord,  EmprexCn,            None,                {"emprex"}},
    /* 130 */ {LeadWord,  NuCn,                None,                {"nu"}},
    /* 131 */ {LeadWord,  SharkCn,             None,                {"shark"}},
    /* 132 */ {LeadWord,  BtcCn,               None,                {"btc"}},

    // Group G: processor maker.
    /* 133 */ {LeadWord,  IntelCn,             IntelEn,             {"intel", "intel(r)"}},

    // Group H: memory-module makers.
    /* 134 */ {LeadWord,  KingstonCn,          KingstonEn,          {"kingston"}},
    /* 135 */ {LeadWord,  ADataCn,             ADataEn,             {"a-data"}},
    /* 136 */ {LeadWord,  KingmaxCn,           KingmaxEn,           {"kingmax"}},
    /* 137 */ {LeadWord,  ApacerCn,            ApacerEn,            {"apacer"}},
    /* 138 */ {LeadWord,  CorsairCn,           CorsairEn,           {"corsair"}},
    /* 139 */ {LeadWord,  TranscendCn,         TranscendEn,         {"transcend"}},
    /* 140 */ {LeadWord,  GeilCn,              GeilEn,              {"geil"}},
    /* 141 */ {LeadWord,  KingxconCn,          KingxconEn,          {"kingxcon"}},
    /* 142 */ {LeadWord,  RamaxelCn,           RamaxelEn,           {"ramaxel"}},
    /* 143 */ {LeadWord,  MakwayCn,            MakwayEn,            {"makway"}},
    /* 144 */ {LeadWord,  ChaintechCn,         ChaintechEn,         {"chaintech"}},
    /* 145 */ {LeadWord,  PatriotCn,           PatriotEn,           {"patriot"}},
    /* 146 */ {LeadWord,  HyundaiCn,           HyundaiEn,           {"hyundai"}},
    /* 147 */ {LeadWord,  HynixCn,             HynixEn,             {"hynix"}},
    /* 148 */ {LeadWord,  InfineonCn,          InfineonEn,          {"infineon"}},
    /* 149 */ {LeadWord,  KingboxCn,           KingboxEn,           {"kingbox"}},
    /* 150 */ {LeadWord,  ElixirCn,            ElixirEn,            {"elixir"}},
    /* 151 */ {LeadWord,  KingtigerCn,         KingtigerEn,         {"kingtiger"}},
    /* 152 */ {LeadWord,  KintellCn,           KintellEn,           {"kintell"}},
    /* 153 */ {LeadWord,  Mushkin,             Mushkin,             {"mushkin"}},
    /* 154 */ {LeadWord,  GSkillCn,            GSkillEn,            {"g.skill"}},
    /* 155 */ {LeadWord,  AeneonCn,            AeneonEn,            {"aeneon"}},
    /* 156 */ {LeadWord,  KretonCn,            KretonEn,            {"kreton"}},
    /* 157 */ {LeadWord,  ElpidaCn,            ElpidaEn,            {"elpida"}},
    /* 158 */ {LeadWord,  MicronCn,            MicronEn,            {"micron"}},
    /* 159 */ {LeadWord,  QimondaCn,           QimondaEn,           {"qimonda"}},
    /* 160 */ {LeadWord,  PowerquotientCn,     PowerquotientEn,     {"powerquotient"}},
    /* 161 */ {LeadWord,  GoldenmarsCn,        GoldenmarsEn,        {"goldenmars"}},
    /* 162 */ {LeadWord,  SmartmodularCn,      SmartmodularEn,      {"smartmodular"}},
    /* 163 */ {LeadWord,  GigaramCn,           None,                {"gigaram"}},
    /* 164 */ {LeadWord,  SharetronicCn,       None,                {"sharetronic"}},
    /* 165 */ {LeadWord,  LeadmaxCn,           None,                {"leadmax", "leadram"}},
    /* 166 */ {LeadWord,  KingstekCn,          None,                {"kingstek"}},
    /* 167 */ {LeadWord,  KukCn,               None,                {"kuk"}},
    /* 168 */ {LeadWord,  UnifosaCn,           UnifosaEn,           {"unifosa"}},
    /* 169 */ {LeadWord,  PscCn,               PscEn,               {"psc"}},
    /* 170 */ {LeadWord,  UmaxCn,              None,                {"umax"}},
    /* 171 */ {LeadWord,  TwinmosCn,           TwinmosEn,           {"twinmos"}},
    /* 172 */ {LeadWord,  RamexCn,             None,                {"ramex"}},
    /* 173 */ {LeadWord,  KeyramCn,            None,                {"keyram"}},
    /* 174 */ {LeadWord,  HexonCn,             None,                {"hexon"}},
    /* 175 */ {LeadWord,  SimonsCn,            None,                {"simons"}},
    /* 176 */ {LeadWord,  RamtekCn,            None,                {"ramtek"}},
    /* 177 */ {LeadWord,  FuhaoCn,             None,                {"fuhao"}},
    /* 178 */ {LeadWord,  HuaxinCn,            None,                {"huaxin"}},
    /* 179 */ {LeadWord,  LeadstonCn,          None,                {"leadston"}},
    /* 180 */ {LeadWord,  SupertalentCn,       None,                {"supertalent"}},
    /* 181 */ {LeadWord,  KamstonCn,           None,                {"kamston"}},
    /* 182 */ {LeadWord,  CrotalusCn,          None,                {"crotalus"}},
    /* 183 */ {LeadWord,  RamosCn,             None,                {"ramos"}},
    /* 184 */ {LeadWord,  PromosCn,            None,                {"promos"}},
    /* 185 */ {LeadWord,  JadestarCn,          None,                {"biaoxing"}},
    /* 186 */ {LeadWord,  HonnexCn,            None,                {"honnex"}},

    // Group I: peripheral makers.
    /* 187 */ {LeadWord,  CreativeCn,          CreativeEn,          {"creative"}},
    /* 188 */ {LeadWord,  PbdsCn,              None,                {"pbds"}},
    /* 189 */ {LeadWord,  PldsCn,              None,                {"plds"}},
    /* 190 */ {LeadWord,  PhilipsCn,           PhilipsEn,           {"philips"}},
    /* 191 */ {LeadWord,  LogitechCn,          LogitechEn,          {"logitech"}},
    /* 192 */ {LeadWord,  EpsonCn,             EpsonEn,             {"epson"}},
    /* 193 */ {LeadWord,  ShincoCn,            None,                {"shinco"}},
    /* 194 */ {LeadWord,  RicohCn,             None,                {"ricoh"}},

    // Group J: monitor and display makers.
    /* 195 */ {LeadWord,  ViewsonicCn,         ViewsonicEn,         {"viewsonic"}},
    /* 196 */ {LeadWord,  OptiquestCn,         OptiquestEn,         {"optiquest"}},
    /* 197 */ {LeadWord,  RelisysCn,           RelisysEn,           {"relisys"}},
    /* 198 */ {LeadWord,  TecoCn,              TecoEn,              {"teco"}},
    /* 199 */ {LeadWord,  TatungCn,            TatungEn,            {"tatung"}},
    /* 200 */ {LeadWord,  SceptreCn,           SceptreEn,           {"sceptre"}},
    /* 201 */ {LeadWord,  SiemensCn,           SiemensEn,           {"siemens"}},
    /* 202 */ {LeadWord,  SharpCn,             SharpEn,             {"sharp"}},
    /* 203 */ {LeadWord,  ProviewCn,           ProviewEn,           {"proview"}},
    /* 204 */ {LeadWord,  EmcCn,               EmcEn,               {"emc"}},
    /* 205 */ {LeadWord,  DaytekCn,            DaytekEn,            {"daytek"}},
    /* 206 */ {LeadWord,  DaytekCn,            DaewooEn,            {"daewoo"}},
    /* 207 */ {LeadWord,  DiamondCn,           DiamondEn,           {"diamond"}},
    /* 208 */ {LeadWord,  MagCn,               MagEn,               {"mag"}},
    /* 209 */ {LeadWord,  KtcCn,               KtcEn,               {"ktc"}},
    /* 210 */ {LeadWord,  IiyamaCn,            IiyamaEn,            {"iiyama"}},
    /* 211 */ {LeadWord,  HansolCn,            HansolEn,            {"hansol"}},
    /* 212 */ {LeadWord,  HpcCn,               HpcEn,               {"hpc"}},
    /* 213 */ {LeadWord,  HkcCn,               HkcEn,               {"hkc"}},
    /* 214 */ {LeadWord,  EnvisionCn,          EnvisionEn,          {"envision"}},
    /* 215 */ {LeadWord,  ChimeiCn,            ChimeiEn,            {"chimei"}},
    /* 216 */ {LeadWord,  GreatwallCn,         GreatwallEn,         {"greatwall"}},
    /* 217 */ {LeadWord,  BridgeCn,            BridgeEn,            {"bridge"}},
    /* 218 */ {LeadWord,  AuoCn,               AuoEn,               {"auo"}},
    /* 219 */ {LeadWord,  AocCn,               AocEn,               {"aoc"}},
    /* 220 */ {LeadWord,  AdiCn,               AdiEn,               {"adi"}},
    /* 221 */ {LeadWord,  CtxCn,               CtxEn,               {"ctx"}},
    /* 222 */ {LeadWord,  EizoCn,              EizoEn,              {"eizo"}},
    /* 223 */ {LeadWord,  AgneovoCn,           AgneovoEn,           {"agneovo"}},
    /* 224 */ {LeadWord,  DeltaCn,             DeltaEn,             {"delta"}},
    /* 225 */ {LeadWord,  HannsGCn,            HannsGEn,            {"hanns.g"}},
    /* 226 */ {LeadWord,  JeanCn,              JeanEn,              {"jean"}},
    /* 227 */ {LeadWord,  PrincetonCn,         PrincetonEn,         {"princeton"}},
    /* 228 */ {LeadWord,  TopviewCn,           TopviewEn,           {"topview"}},
    /* 229 */ {LeadWord,  XspedCn,             XspedEn,             {"xsped"}},
    /* 230 */ {LeadWord,  DigitalchinaCn,      DigitalchinaEn,      {"digitalchina"}},
    /* 231 */ {LeadWord,  XintianxiaCn,        None,                {"xintianxia"}},
    /* 232 */ {LeadWord,  CptCn,               None,                {"cpt"}},
    /* 233 */ {LeadWord,  AigoCn,              None,                {"aigo"}},
    /* 234 */ {LeadWord,  XocecoCn,            None,                {"xoceco", "prima"}},
    /* 235 */ {LeadWord,  BoeCn,               None,                {"boe"}},
    /* 236 */ {LeadWord,  MayaCn,              None,                {"maya"}},
    /* 237 */ {LeadWord,  SvaCn,               None,                {"sva"}},
    /* 238 */ {LeadWord,  SegCn,               None,                {"seg"}},
    /* 239 */ {LeadWord,  ChanghongCn,         None,                {"changhong"}},
    /* 240 */ {LeadWord,  NesoCn,              None,                {"neso"}},
    /* 241 */ {LeadWord,  TycoCn,              None,                {"tyco"}},
    /* 242 */ {LeadWord,  SotecCn,             None,                {"sotec"}},
    /* 243 */ {LeadWord,  MttCn,               None,                {"mtt"}},
    /* 244 */ {LeadWord,  ToppolyCn,           None,                {"toppoly"}},
    /* 245 */ {LeadWord,  ArtmediaCn,          None,                {"artmedia"}},
    /* 246 */ {LeadWord,  GuankeCn,            None,                {"guanke"}},
    /* 247 */ {LeadWord,  NvcCn,               None,                {"nvc"}},
    /* 248 */ {LeadWord,  UnisCn,              None,                {"unis"}},
    /* 249 */ {LeadWord,  VivaCn,              None,                {"viva"}},
    /* 250 */ {LeadWord,  WestinghouseCn,      None,                {"westinghouse"}},
    /* 251 */ {LeadWord,  LeadotCn,            None,                {"leadot"}},
    /* 252 */ {LeadWord,  BayiCn,              None,                {"bayi"}},
    /* 253 */ {LeadWord,  BigtideCn,           None,                {"bigtide"}},
    /* 254 */ {LeadWord,  ComemonCn,           None,                {"comemon"}},
    /* 255 */ {LeadWord,  NpsCn,               None,                {"nps"}},
    /* 256 */ {LeadWord,  CentronicCn,         None,                {"centronic"}},
    /* 257 */ {LeadWord,  HisenseCn,           None,                {"hisense"}},
    /* 258 */ {LeadWord,  LgpCn,               None,                {"lgp"}},
    /* 259 */ {LeadWord,  XinlanCn,            None,                {"xinlan", "xinlancomputer"}},
    /* 260 */ {LeadWord,  LangchaoCn,          None,                {"inspur"}},
    /* 261 */ {LeadWord,  AmoiCn,              None,                {"amoi"}},
    /* 262 */ {LeadWord,  MeleioCn,            None,                {"meleio"}},
    /* 263 */ {LeadWord,  InnoluxCn,           None,                {"innolux"}},
    /* 264 */ {LeadWord,  SkyworthCn,          None,                {"skyworth"}},
    /* 265 */ {LeadWord,  MuzeCn,              None,                {"muze"}},
    /* 266 */ {LeadWord,  XingxingCn,          None,                {"xingxing"}},
    /* 267 */ {LeadWord,  NovatekCn,           None,                {"novatek"}},
    /* 268 */ {LeadWord,  ItmCn,               None,                {"itm"}},
    /* 269 */ {LeadWord,  AwesomeCn,           None,                {"awesome"}},
    /* 270 */ {LeadWord,  KonkaCn,             None,                {"konka"}},
    /* 271 */ {LeadWord,  OptomaCn,            None,                {"optoma"}},
    /* 272 */ {LeadWord,  InfocusCn,           None,                {"infocus"}},
    /* 273 */ {LeadWord,  ImagicCn,            None,                {"imagic"}},
    /* 274 */ {LeadWord,  MicrotekCn,          None,                {"microtek"}},
    /* 275 */ {LeadWord,  XeroxCn,             None,                {"xerox"}},
    /* 276 */ {LeadWord,  KinkonCn,            None,                {"kinkon"}},
    /* 277 */ {LeadWord,  AgdCn,               None,                {"agd"}},
    /* 278 */ {LeadWord,  HisenseCn,           None,                {"hisence"}},
    /* 279 */ {LeadWord,  MiloCn,              None,                {"milo"}},
    /* 280 */ {LeadWord,  ZopoCn,              None,                {"zopo"}},
    /* 281 */ {LeadWord,  AmarkCn,             None,                {"amark"}},

    // Group K: sound-chip makers.
    /* 282 */ {LeadWord,  RealtekCn,           RealtekEn,           {"realtek"}},
    /* 283 */ {LeadWord,  YamahaCn,            YamahaEn,            {"yamaha"}},
    /* 284 */ {LeadWord,  CMediaCn,            CMediaEn,            {"c-media"}},
    /* 285 */ {LeadWord,  MediatekCn,          MediatekEn,          {"mediatek"}},
    /* 286 */ {LeadWord,  AztechCn,            AztechEn,            {"aztech"}},
    /* 287 */ {LeadWord,  SigmatelCn,          None,                {"sigmatel"}},

    // Group L: mainly network makers.
    /* 288 */ {LeadWord,  AttansicCn,          AttansicEn,          {"attansic"}},
    /* 289 */ {LeadWord,  AcardCn,             AcardEn,             {"acard"}},
    /* 290 */ {LeadWord,  AcctonCn,            AcctonEn,            {"accton"}},
    /* 291 */ {LeadWord,  ArgosyCn,            ArgosyEn,            {"argosy"}},
    /* 292 */ {LeadWord,  BelkinCn,            BelkinEn,            {"belkin"}},
    /* 293 */ {LeadWord,  EdimaxCn,            EdimaxEn,            {"edimax"}},
    /* 294 */ {LeadWord,  LantechCn,           LantechEn,           {"lantech"}},
    /* 295 */ {LeadWord,  RalinkCn,            RalinkEn,            {"ralink"}},
    /* 296 */ {LeadWord,  WinbondCn,           WinbondEn,           {"winbond"}},
    /* 297 */ {WholeText, AlliedTelesynCn,     AlliedTelesynEn,     {"allied telesyn"}},
    /* 298 */ {LeadWord,  BroadcomCn,          BroadcomEn,          {"broadcom"}},
    /* 299 */ {LeadWord,  MercuryCn,           MercuryEn,           {"mercury"}},
    /* 300 */ {LeadWord,  NetgearCn,           NetgearEn,           {"netgear"}},
    /* 301 */ {LeadWord,  ZyxelCn,             ZyxelEn,             {"zyxel"}},
    /* 302 */ {LeadWord,  InventecCn,          None,                {"inventec"}},
    /* 303 */ {LeadWord,  MotorolaCn,          None,                {"motorola"}},
    /* 304 */ {LeadWord,  SdmcCn,              None,                {"sdmc"}},
    /* 305 */ {LeadWord,  VcolorCn,            None,                {"vcolor"}},

    // Group M: chipset makers and the last row.
    /* 306 */ {LeadWord,  ViaCn,               ViaEn,               {"via"}},
    /* 307 */ {LeadWord,  SisCn,               SisEn,               {"sis"}},
    /* 308 */ {LeadWord,  Nec,                 Nec,                 {"_nec"}},
};

}  // namespace display_name_table
}  // namespace zentavo
