#include "platform/portable_code_page.h"

#include <iconv.h>

#include <algorithm>
#include <string_view>

namespace zentavo {
namespace {

// The string table: the same texts the DLL carries as its resource.
constexpr std::u16string_view kStringTable[kStringTableEntries] = {
#define DISPLAY_NAME(identifier, text) u"" text,
#include "res/display_names.inc"
#undef DISPLAY_NAME
};

const char* iconv_name(unsigned code_page) {
    switch (code_page) {
    case 936: return "CP936";
    case 65001: return "UTF-8";
    default: return "CP1252";
    }
}

// One character at a time, so that a character the code page lacks turns
// into the default character and the rest still converts.
std::string convert(std::u16string_view utf16, iconv_t to_code_page) {
    std::string out;
    for (char16_t c : utf16) {
        char in[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        char converted[8];
        char* in_ptr = in;
        char* out_ptr = converted;
        std::size_t in_left = sizeof in, out_left = sizeof converted;
        if (iconv(to_code_page, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
            iconv(to_code_page, nullptr, nullptr, nullptr, nullptr);
            out += '?';
        } else {
            out.append(converted, out_ptr);
        }
    }
    return out;
}

unsigned char upper_1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // à..þ, not ÷
    switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
    }
}

// Small letters of code page 936 whose capitals it also holds: the
// full-width Latin, Greek and Cyrillic alphabets and the small Roman numerals.
void upper_936_pair(unsigned char lead, unsigned char& trail) {
    struct Range { unsigned char lead, first, last; int shift; };
    static constexpr Range kRanges[] = {
        {0xA3, 0xE1, 0xFA, -0x20},  // ａ..ｚ
        {0xA6, 0xC1, 0xD8, -0x20},  // α..ω
        {0xA7, 0xD1, 0xF1, -0x30},  // а..я
        {0xA2, 0xA1, 0xAA, +0x50},  // ⅰ..ⅹ
    };
    for (const auto& r : kRanges)
        if (lead == r.lead && trail >= r.first && trail <= r.last) {
            trail = static_cast<unsigned char>(trail + r.shift);
            return;
        }
}

}  // namespace

PortableCodePage::PortableCodePage(unsigned code_page)
    : number_(code_page == 936 || code_page == 65001 ? code_page : 1252) {
    iconv_t to_code_page = iconv_open(iconv_name(number_), "UTF-16LE");
    names_.reserve(std::size(kStringTable));
    for (auto name : kStringTable)
        names_.push_back(to_code_page == reinterpret_cast<iconv_t>(-1) ? std::string()
                                                                      : convert(name, to_code_page));
    if (to_code_page != reinterpret_cast<iconv_t>(-1)) iconv_close(to_code_page);
    for (const std::string& name : names_)
        entries_.push_back(std::string_view(name).substr(0, std::min(name.size(), kLoadBufferSize - 1)));
}

void PortableCodePage::upper_case(char* text, std::size_t length) const {
    auto* bytes = reinterpret_cast<unsigned char*>(text);
    for (std::size_t i = 0; i < length; ++i) {
        if (number_ == 936 && bytes[i] >= 0x81 && bytes[i] <= 0xFE && i + 1 < length) {
            upper_936_pair(bytes[i], bytes[i + 1]);
            ++i;
        } else if (number_ == 1252) {
            bytes[i] = upper_1252(bytes[i]);
        } else {
            bytes[i] = static_cast<unsigned char>(text::ascii_upper(static_cast<char>(bytes[i])));
        }
    }
}

text::LeadBytes PortableCodePage::lead_bytes() const {
    text::LeadBytes lead;
    if (number_ == 936)
        for (unsigned b = 0x81; b <= 0xFE; ++b) lead.set(b);
    return lead;
}

}  // namespace zentavo
