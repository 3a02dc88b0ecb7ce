// GetPCVendor_Cn / GetPCVendor_En: a raw maker text to a display name.
//
// Input: the maker text; after a NUL, one byte that picks KeepRest and one
// that picks where in a result the text passed back in starts.
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "export/entry_points.h"
#include "fuzz/fuzz_support.h"
#include "lookup/display_name_lookup.h"

namespace {

using fuzz::expect;
using zentavo::Language;

// The display names a lookup can give, each with the kinds of row giving it.
struct RowKinds {
    bool compound = false;
    bool other = false;
};
using Names = std::map<std::string, RowKinds, std::less<>>;

struct Lookup {
    const zentavo::PortableCodePage& code_page;
    Language language;
    Names names;
    const char* entry_point;
};

Names names_of(Language language, const zentavo::CodePage& code_page) {
    Names names;
    for (const zentavo::DisplayNameRow* row : zentavo::display_name_walk(language)) {
        RowKinds& kinds = names[std::string(zentavo::load_display_name(row->name(language), code_page))];
        (row->match == zentavo::Match::Compound ? kinds.compound : kinds.other) = true;
    }
    return names;
}

const std::vector<Lookup>& lookups() {
    static const std::vector<Lookup> all = [] {
        std::vector<Lookup> made;
        for (const auto& code_page : fuzz::code_pages()) {
            made.push_back({code_page, Language::Chinese, names_of(Language::Chinese, code_page), "GetPCVendor_Cn"});
            made.push_back({code_page, Language::English, names_of(Language::English, code_page), "GetPCVendor_En"});
        }
        return made;
    }();
    return all;
}

// KeepRest from one byte: its low six bits become the lowest byte, its top
// two pick what stands above (0, 256, -256, INT_MIN), so that 256 and 257 occur.
int keep_rest_from(std::uint8_t byte) {
    constexpr unsigned kHigh[] = {0, 0x100, 0xFFFFFF00u, 0x80000000u};
    return static_cast<int>(kHigh[byte >> 6] | (byte & 0x3Fu));
}

// A result is the maker text itself, or a display name of the lookup
// followed by nothing, by a blank and a suffix of the maker text (KeepRest),
// or, for a compound row, by what follows the head the name stands for.
void check_display_name(std::string_view maker, bool keep_rest, std::string_view result, const Names& names) {
    if (result == maker) return;
    const bool explained = std::ranges::any_of(names, [&](const auto& entry) {
        const auto& [name, kinds] = entry;
        if (name.empty() || !result.starts_with(name)) return false;
        const std::string_view rest = result.substr(name.size());
        if (kinds.other && (keep_rest ? rest.starts_with(' ') && maker.ends_with(rest.substr(1)) : rest.empty()))
            return true;
        return kinds.compound && rest.size() < maker.size() && maker.ends_with(rest);
    });
    expect(explained,
           keep_rest ? "the maker text, or a display name and (blank and) the rest of the maker text"
                     : "the maker text, or a display name (compound rows: and the rest of the maker text)",
           {{"maker", maker}, {"result", result}});
}

void check_lookup(const Lookup& lookup, const std::string& maker, int keep_rest, std::size_t offset) {
    fuzz::current_case() = std::string(lookup.entry_point) + " in code page " +
                           std::to_string(lookup.code_page.number()) + ", KeepRest " + std::to_string(keep_rest);
    auto name = [&](const char* text, int keep, const char* own) {
        return std::string(
            fuzz::checked_result(zentavo::vendor_name(text, keep, lookup.language, lookup.code_page), own));
    };
    const char* text = maker.c_str();
    const bool keeps = (static_cast<unsigned>(keep_rest) & 0xFFu) != 0;

    const std::string result = name(text, keep_rest, text);
    check_display_name(maker, keeps, result, lookup.names);
    expect(name(text, keep_rest, text) == result, "the same call gives the same bytes", {{"maker", maker}});
    expect(name(text, keeps ? 1 : 0, text) == result, "only the lowest byte of KeepRest counts", {{"maker", maker}});
    check_display_name(maker, !keeps, name(text, keeps ? 0 : 1, text), lookup.names);
    expect(name(nullptr, keep_rest, nullptr).empty(), "a null maker text reads as the empty text");

    // The lookup through the index answers as the plain walk of every row does.
    for (bool keep : {false, true}) {
        const auto indexed = zentavo::find_display_name(maker, keep, lookup.language, lookup.code_page);
        const auto walked = zentavo::find_display_name_by_walk(maker, keep, lookup.language, lookup.code_page);
        const std::string by_index = indexed ? indexed->str() : "(none)", by_walk = walked ? walked->str() : "(none)";
        expect(indexed && walked && by_index == by_walk, "the index finds what the walk of the rows finds",
               {{"maker", maker}, {"by index", by_index}, {"by walk", by_walk}});
    }

    // Hosts pass a result straight back in: to the same lookup (here from
    // any byte of it on), and on to the logo lookup.
    const char* stored = zentavo::vendor_name(text, keep_rest, lookup.language, lookup.code_page);
    const char* fed = stored + std::min(offset, std::strlen(stored));
    const std::string fed_copy = fed;
    const std::string again = name(fed, keep_rest, nullptr);
    expect(again == name(fed_copy.c_str(), keep_rest, fed_copy.c_str()),
           "a result passed back in gives what a copy of it gives", {{"passed back", fed_copy}, {"result", again}});
    check_display_name(fed_copy, keeps, again, lookup.names);

    stored = zentavo::vendor_name(text, keep_rest, lookup.language, lookup.code_page);
    const std::string_view logo =
        fuzz::checked_result(zentavo::vendor_logo(stored, lookup.language, lookup.code_page), nullptr);
    expect(logo.empty() || fuzz::is_logo_key(logo), "a display name leads to a logo key or the empty text",
           {{"display name", stored}, {"logo", logo}});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::as_text(data, size);
    const std::string maker = fuzz::take_text(input);
    const int keep_rest = keep_rest_from(fuzz::take_integer<std::uint8_t>(input));
    const std::size_t offset = fuzz::take_integer<std::uint8_t>(input);
    for (const Lookup& lookup : lookups()) check_lookup(lookup, maker, keep_rest, offset);
    return 0;
}
