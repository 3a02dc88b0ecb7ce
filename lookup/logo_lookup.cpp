#include "lookup/logo_lookup.h"

#include <algorithm>

namespace zentavo {
namespace {

using logo_table::kRows;

static_assert(std::size(kRows) == 68);

constexpr bool is_capital_literal(const LogoRow& row) {
    return row.english.name == Name::None && std::all_of(row.english.literal.begin(), row.english.literal.end(),
                       [](char c) { return text::ascii_upper(c) == c; });
}
static_assert(std::all_of(std::begin(kRows), std::end(kRows),
                          [](const LogoRow& row) { return row.test != LogoTest::UpperBeginsWith || is_capital_literal(row); }),
              "upper-cased rows compare with capital literals");

constexpr std::size_t distinct_logo_keys() {
    std::size_t n = 0;
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (std::none_of(kRows, kRows + i, [&](const LogoRow& earlier) { return earlier.logo == kRows[i].logo; })) ++n;
    return n;
}
static_assert(distinct_logo_keys() == 64);
static_assert(std::all_of(std::begin(kRows), std::end(kRows), [](const LogoRow& row) {
    return row.test != LogoTest::Equals || (row.english.name == Name::None && !row.english.literal.empty());
}), "equals rows compare with literal keys, never with the empty text");

using Names = std::span<const std::string_view>;

std::string_view load_key(const LogoKey& key, Names names) {
    return key.name == Name::None ? key.literal : display_name_in(key.name, names);
}

bool holds(const LogoRow& row, Language language, std::string_view maker, Names names) {
    const std::string_view key = load_key(row.key(language), names);
    // Every test needs a key and compares the first bytes, as they stand or
    // upper-cased: most rows end here.
    if (key.empty() || maker.empty() ||
        (key[0] != maker[0] && text::ascii_upper(key[0]) != text::ascii_upper(maker[0])))
        return false;
    switch (row.test) {
    case LogoTest::Equals:
        return maker == key;
    case LogoTest::BeginsWith:
        return text::begins_with(maker, key);
    case LogoTest::UpperBeginsWith:
        return text::AsciiUppered(maker).begins_with(key);
    case LogoTest::BeginsWithEnglishIgnoringCase:
        return language == Language::English ? text::begins_with_ignoring_ascii_case(maker, key)
                                             : text::begins_with(maker, key);
    case LogoTest::BeginsWithUnlessContains: {
        if (!text::begins_with(maker, key)) return false;
        return !text::contains(maker, load_key(row.exception(language), names));
    }
    }
    return false;
}

}  // namespace

std::string_view find_logo_key(std::string_view maker, Language language, const CodePage& code_page) {
    const Names names = code_page.string_table();  // read once per call, not once per row
    for (const LogoRow& row : kRows) {
        const LogoKey& key = row.key(language);
        if (key.name == Name::None && key.literal.empty()) continue;  // no key in this language
        if (holds(row, language, maker, names)) return row.logo;
    }
    return "";
}

}  // namespace zentavo
