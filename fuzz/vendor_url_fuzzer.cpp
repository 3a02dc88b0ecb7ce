// GetVendorURL: a logo key (any letter case) to the vendor's home page.
//
// Input: the key; after a NUL, four bytes of the selector (little-endian,
// missing bytes 0) and one byte that picks where in a result the text passed
// back in starts.
#include <algorithm>
#include <cstdint>
#include <string>

#include "export/entry_points.h"
#include "fuzz/fuzz_support.h"
#include "lookup/home_page_table.h"
#include "text/text.h"

namespace {

using fuzz::expect;
using zentavo::HomePageRow;

bool is_address(std::string_view text, bool chinese_edition) {
    return std::ranges::any_of(zentavo::home_page_table::kRows, [&](const HomePageRow& row) {
        if (!chinese_edition) return row.international == text;
        return row.chinese_edition != HomePageRow::Chinese::MakerText && row.chinese == text;
    });
}

void check_home_page(std::string_view key, int selector, std::string_view result) {
    expect(result == key || is_address(result, selector == 1),
           "an address of the edition the selector picks, or the key as passed",
           {{"key", key}, {"result", result}});
}

std::string home_page(const char* key, int selector, const char* own) {
    return std::string(fuzz::checked_result(zentavo::vendor_home_page(key, selector), own));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::as_text(data, size);
    const std::string key = fuzz::take_text(input);
    const int selector = fuzz::take_integer<std::int32_t>(input);
    const std::size_t offset = fuzz::take_integer<std::uint8_t>(input);
    fuzz::current_case() = "GetVendorURL with selector " + std::to_string(selector);

    const std::string result = home_page(key.c_str(), selector, key.c_str());
    check_home_page(key, selector, result);
    expect(home_page(key.c_str(), selector, key.c_str()) == result, "the same call gives the same bytes",
           {{"key", key}});
    expect(home_page(key.c_str(), selector == 1 ? 1 : 0, key.c_str()) == result,
           "only the exact value 1 picks the Chinese edition", {{"key", key}});
    expect(home_page(nullptr, selector, nullptr).empty(), "a null key reads as the empty text");

    // The key's letter case does not count.
    using Fold = char (*)(char);
    for (Fold fold : {Fold(zentavo::text::ascii_upper), Fold(zentavo::text::ascii_lower)}) {
        const std::string folded = fuzz::ascii_folded(key, fold);
        const std::string folded_result = home_page(folded.c_str(), selector, folded.c_str());
        expect((folded_result == folded) == (result == key) && (result == key || folded_result == result),
               "the key's letter case does not count", {{"key", key}, {"result", result},
                                                         {"folded key", folded}, {"its result", folded_result}});
    }

    // Hosts pass a result straight back in (here from any byte of it on).
    const char* stored = zentavo::vendor_home_page(key.c_str(), selector);
    const char* fed = stored + std::min(offset, std::strlen(stored));
    const std::string fed_copy = fed;
    const std::string again = home_page(fed, selector, nullptr);
    expect(again == home_page(fed_copy.c_str(), selector, fed_copy.c_str()),
           "a result passed back in gives what a copy of it gives", {{"passed back", fed_copy}, {"result", again}});
    check_home_page(fed_copy, selector, again);

    // And on from the logo lookups of every code page.
    for (const auto& code_page : fuzz::code_pages())
        for (auto language : {zentavo::Language::Chinese, zentavo::Language::English}) {
            const char* logo = zentavo::vendor_logo(key.c_str(), language, code_page);
            check_home_page(logo, selector, home_page(logo, selector, nullptr));
        }
    return 0;
}
