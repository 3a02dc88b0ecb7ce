// Writes a libFuzzer dictionary of the words the rules look for: the keys of
// the display-name, logo and home-page tables, as written and in capitals,
// and every display name in each emulated code page.  Made from the tables
// at build time, so it follows them.
#include <cstdio>
#include <set>
#include <string>

#include "fuzz/fuzz_support.h"
#include "lookup/display_name_table.h"
#include "lookup/home_page_table.h"
#include "lookup/logo_table.h"
#include "text/text.h"

int main() {
    std::set<std::string> words;
    auto add = [&](std::string_view word) {
        if (word.empty()) return;
        words.emplace(word);
        words.insert(zentavo::text::ascii_upper(word));
    };
    for (const auto& row : zentavo::display_name_table::kRows)
        for (const auto& key : row.keys) add(key.text);
    for (const auto& row : zentavo::logo_table::kRows) {
        add(row.english.literal);
        add(row.logo);
    }
    for (const auto& row : zentavo::home_page_table::kRows) add(row.key);
    for (const auto& code_page : fuzz::code_pages())
        for (unsigned n = 0; n < static_cast<unsigned>(zentavo::Name::None); ++n)
            add(zentavo::load_display_name(static_cast<zentavo::Name>(n), code_page));

    for (const std::string& word : words) {
        std::printf("\"");
        for (unsigned char c : word)
            if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') std::putchar(c);
            else std::printf("\\x%02X", c);
        std::printf("\"\n");
    }
}
