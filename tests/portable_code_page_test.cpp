#include "platform/portable_code_page.h"

#include <gtest/gtest.h>

#include "lookup/display_names.h"

namespace zentavo {
namespace {

std::string load(const CodePage& cp, Name name) {
    return std::string(load_display_name(name, cp));
}

TEST(PortableCodePage, LoadsNamesAsLoadStringADoes) {
    const PortableCodePage cp936(936), cp1252(1252), utf8(65001);
    EXPECT_EQ(load(cp936, Name::AsustekCn), "\xBB\xAA\xCB\xB6");  // 华硕
    EXPECT_EQ(load(cp1252, Name::AsustekCn), "??");
    EXPECT_EQ(load(utf8, Name::AsustekCn), "华硕");
    EXPECT_EQ(load(cp1252, Name::WistronCn), "Wistron(?" "?)");
    EXPECT_EQ(load(cp936, Name::QdiCn), "\xC1\xAA\xCF\xEB QDI");  // 联想 QDI
    EXPECT_EQ(load(cp1252, Name::AsustekEn), "ASUSTeK");
    EXPECT_EQ(load(cp1252, Name::Nec), "NEC");
}

TEST(PortableCodePage, MissingEntryLoadsAsEmptyText) {
    const PortableCodePage cp(936);
    EXPECT_EQ(cp.load_string(0), "");
    EXPECT_EQ(cp.load_string(string_table_entry(Name::None)), "");
    EXPECT_EQ(cp.load_string(60000), "");
}

TEST(PortableCodePage, UpperCasesLettersTheCodePageHoldsInBothCases) {
    struct Case { unsigned cp; std::string_view text, upper; };
    for (const Case& c : std::initializer_list<Case>{
             {1252, "abc xyz 09", "ABC XYZ 09"},
             {1252, "\xE0\xE9\xFE\xF7\xFF\x9A\x9C\x9E\xDF", "\xC0\xC9\xDE\xF7\x9F\x8A\x8C\x8E\xDF"},
             {936, "ab\xA3\xE1\xA6\xC1\xA7\xD1\xA2\xA1", "AB\xA3\xC1\xA6\xA1\xA7\xA1\xA2\xF1"},
             {936, "\x81\x61z", "\x81\x61Z"},  // a second byte in the letter range stays
             {936, "\xBB\xAA\xCB\xB6", "\xBB\xAA\xCB\xB6"},
         }) {
        std::string text(c.text);
        PortableCodePage(c.cp).upper_case(text.data(), text.size());
        EXPECT_EQ(text, c.upper) << c.cp << ": " << c.text;
    }
}

TEST(PortableCodePage, LeadBytesOf936Only) {
    const auto lead936 = PortableCodePage(936).lead_bytes();
    EXPECT_FALSE(lead936[0x80]);
    EXPECT_TRUE(lead936[0x81]);
    EXPECT_TRUE(lead936[0xFE]);
    EXPECT_FALSE(lead936[0xFF]);
    EXPECT_EQ(lead936.count(), 0x7Eu);
    EXPECT_TRUE(PortableCodePage(1252).lead_bytes().none());
    EXPECT_TRUE(PortableCodePage(65001).lead_bytes().none());
}

}  // namespace
}  // namespace zentavo
