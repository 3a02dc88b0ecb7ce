// Resolves maker strings as a host does and prints maker, Chinese name and
// English name.  Runs the rules in the UTF-8 code page, so Chinese names
// print as they are on a Linux terminal.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/display_name_lookup.h"
#include "platform/portable_code_page.h"

namespace {

// Terminal columns of a UTF-8 text: Chinese characters (three bytes) take two.
int columns(std::string_view utf8) {
    int n = 0;
    for (unsigned char c : utf8) n += c < 0x80 ? 1 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    return n;
}

void print_padded(std::string_view text, int width) {
    std::printf("%.*s%*s", static_cast<int>(text.size()), text.data(), std::max(0, width - columns(text)), "");
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zentavo;
    std::vector<std::string_view> makers(argv + 1, argv + argc);
    if (makers.empty())
        makers = {"ASUSTeK Computer INC.", "Dell Inc.", "Hewlett-Packard", "LENOVO",
                  "Gigabyte Technology Co., Ltd.", "Micro-Star International Co., Ltd",
                  "FUJITSU SIEMENS", "Kingston", "Samsung", "Western Digital",
                  "Hitachi-LG Data Storage", "Realtek Semiconductor Corp.", "AuthenticAMD",
                  "To Be Filled By O.E.M."};

    const PortableCodePage utf8(65001);
    print_padded("maker", 36), print_padded("Chinese", 26), std::printf("English\n");
    for (std::string_view maker : makers) {
        NameBuffer chinese_buffer, english_buffer;
        print_padded(maker, 36);
        print_padded(find_display_name(maker, false, Language::Chinese, utf8, chinese_buffer).str(), 26);
        std::printf("%s\n", find_display_name(maker, false, Language::English, utf8, english_buffer).str().c_str());
    }
}
