// Test helper: a UTF-8 text as the bytes it has in an ANSI code page, every
// character the code page cannot hold turned into "?".
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

inline std::string in_code_page(std::string_view utf8, unsigned code_page) {
    const char* name = code_page == 936 ? "CP936" : code_page == 65001 ? "UTF-8" : "CP1252";
    iconv_t cd = iconv_open(name, "UTF-8");
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = 1;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xF0) n = 4;
        else if (lead >= 0xE0) n = 3;
        else if (lead >= 0xC0) n = 2;
        char in[4], converted[8];
        utf8.copy(in, n, i);
        char *in_ptr = in, *out_ptr = converted;
        std::size_t in_left = n, out_left = sizeof converted;
        if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            out += '?';
        } else {
            out.append(converted, out_ptr);
        }
        i += n;
    }
    iconv_close(cd);
    return out;
}
