// Resolves maker strings the way a host does and prints, for each, the
// Chinese and English display names, the logo key of each and the home page
// in both editions.  Runs the rules in the UTF-8 code page, so Chinese names
// print as they are on a Linux terminal.
//
//   zentavo2_demo ["ASUSTeK Computer INC." ...]     (none: a list of typical ones)
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/display_name_lookup.h"
#include "lookup/home_page_lookup.h"
#include "lookup/logo_lookup.h"
#include "platform/portable_code_page.h"

namespace {

using namespace zentavo;

// Terminal columns of a UTF-8 text: Chinese characters (three bytes) take two.
int columns(std::string_view utf8) {
    int n = 0;
    for (unsigned char c : utf8) n += c < 0x80 ? 1 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    return n;
}

std::string padded(std::string_view text, int width) {
    return std::string(text) + std::string(std::max(0, width - columns(text)), ' ');
}

void print_language(std::string_view maker, Language language, const CodePage& code_page) {
    NameBuffer buffer;
    const std::string name = find_display_name(maker, false, language, code_page, buffer)->str();
    const std::string_view logo = find_logo_key(name, language, code_page);
    const auto page = find_home_page(logo, language);
    std::printf("  %s %s logo %s home page %s\n", language == Language::Chinese ? "Chinese" : "English",
                padded(name, 20).c_str(), padded(logo.empty() ? "-" : logo, 11).c_str(),
                page ? std::string(*page).c_str() : "-");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> makers(argv + 1, argv + argc);
    if (makers.empty())
        makers = {"ASUSTeK Computer INC.", "Dell Inc.", "Hewlett-Packard", "LENOVO",
                  "Gigabyte Technology Co., Ltd.", "Micro-Star International Co., Ltd",
                  "FUJITSU SIEMENS", "Kingston", "Western Digital", "Hitachi-LG Data Storage",
                  "Realtek Semiconductor Corp.", "AuthenticAMD", "To Be Filled By O.E.M."};

    const PortableCodePage utf8(65001);
    for (std::string_view maker : makers) {
        std::printf("%.*s\n", static_cast<int>(maker.size()), maker.data());
        print_language(maker, Language::Chinese, utf8);
        print_language(maker, Language::English, utf8);
    }
}
