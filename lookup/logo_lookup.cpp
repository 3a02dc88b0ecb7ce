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

std::string_view load_key(const LogoKey& key, const CodePage& code_page, NameBuffer& buffer) {
    return key.name == Name::None ? key.literal : load_display_name(key.name, code_page, buffer);
}

bool holds(const LogoRow& row, Language language, std::string_view maker, const CodePage& code_page) {
    NameBuffer buffer;
    const std::string_view key = load_key(row.key(language), code_page, buffer);
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
        NameBuffer exception_buffer;
        return !text::contains(maker, load_key(row.exception(language), code_page, exception_buffer));
    }
    }
    return false;
}

}  // namespace

std::string_view find_logo_key(std::string_view maker, Language language, const CodePage& code_page) {
    for (const LogoRow& row : kRows) {
        const LogoKey& key = row.key(language);
        if (key.name == Name::None && key.literal.empty()) continue;  // no key in this language
        if (holds(row, language, maker, code_page)) return row.logo;
    }
    return "";
}

}  // namespace zentavo
