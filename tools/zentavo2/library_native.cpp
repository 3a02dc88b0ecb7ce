#include <iconv.h>
#include <langinfo.h>

#include <clocale>
#include <string_view>

#include "tools/zentavo2/library.h"

Library::Library()
    : url(&GetVendorURL), vendor_cn(&GetPCVendor_Cn), vendor_en(&GetPCVendor_En), pic_cn(&GetVendorPic_Cn),
      pic_en(&GetVendorPic_En) {
    std::setlocale(LC_ALL, "");  // the library and the terminal both use its charset
}

Library::~Library() = default;

std::string Library::to_utf8(const std::string& text) const {
    const char* charset = nl_langinfo(CODESET);
    if (std::string_view(charset) == "UTF-8") return text;
    iconv_t cd = iconv_open("UTF-8", charset);
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    std::string out(text.size() * 4, '\0');
    char* in = const_cast<char*>(text.data());
    char* to = out.data();
    std::size_t in_left = text.size(), out_left = out.size();
    while (in_left > 0 && iconv(cd, &in, &in_left, &to, &out_left) == static_cast<std::size_t>(-1)) {
        *to++ = '?', --out_left;  // a byte the charset does not know
        ++in, --in_left;
    }
    iconv_close(cd);
    out.resize(out.size() - out_left);
    return out;
}

std::string Library::for_terminal(const std::string& text) const { return text; }

std::size_t Library::columns(const std::string& text) const {
    if (std::string_view(nl_langinfo(CODESET)) != "UTF-8") return text.size();
    std::size_t n = 0;
    for (unsigned char c : text) n += c < 0x80 ? 1 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;  // CJK: two columns
    return n;
}
