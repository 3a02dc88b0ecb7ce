// GetVendorPic_Cn / GetVendorPic_En: a display name to a logo key.
//
// Input: the text; after a NUL, one byte that picks where in a display-name
// result the text passed on to the logo lookup starts.
#include <algorithm>
#include <cstdint>
#include <string>

#include "export/entry_points.h"
#include "fuzz/fuzz_support.h"

namespace {

using fuzz::expect;
using zentavo::Language;

void check_logo(std::string_view text, std::string_view logo) {
    expect(logo.empty() || fuzz::is_logo_key(logo), "a logo result is a logo key or the empty text",
           {{"text", text}, {"logo", logo}});
}

void check_lookup(const zentavo::PortableCodePage& code_page, Language language, const std::string& text,
                  std::size_t offset) {
    fuzz::current_case() = std::string(language == Language::Chinese ? "GetVendorPic_Cn" : "GetVendorPic_En") +
                           " in code page " + std::to_string(code_page.number());
    auto logo_of = [&](const char* input, const char* own) {
        return fuzz::checked_result(zentavo::vendor_logo(input, language, code_page), own);
    };

    const std::string_view logo = logo_of(text.c_str(), text.c_str());
    check_logo(text, logo);
    expect(logo_of(text.c_str(), text.c_str()) == logo, "the same call gives the same bytes", {{"text", text}});
    expect(logo_of(nullptr, nullptr).empty(), "a null text reads as the empty text");

    // Hosts pass results straight back in: a logo key to the logo lookup, and
    // a display-name result (here from any byte of it on) to the logo lookup.
    expect(logo_of(logo.data(), nullptr) == logo_of(std::string(logo).c_str(), nullptr),
           "a logo key passed back in gives what a copy of it gives", {{"logo", logo}});
    for (int keep_rest : {0, 1}) {
        const char* name = zentavo::vendor_name(text.c_str(), keep_rest, language, code_page);
        const char* fed = name + std::min(offset, std::strlen(name));
        const std::string fed_copy = fed;
        const std::string_view from_result = logo_of(fed, nullptr);
        check_logo(fed_copy, from_result);
        expect(from_result == logo_of(fed_copy.c_str(), fed_copy.c_str()),
               "a display name passed on gives what a copy of it gives", {{"display name", fed_copy}});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::as_text(data, size);
    const std::string text = fuzz::take_text(input);
    const std::size_t offset = fuzz::take_integer<std::uint8_t>(input);
    for (const auto& code_page : fuzz::code_pages())
        for (Language language : {Language::Chinese, Language::English})
            check_lookup(code_page, language, text, offset);
    return 0;
}
