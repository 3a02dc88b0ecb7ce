#include "lookup/display_name_lookup.h"

#include <algorithm>

namespace zentavo {
namespace {

using display_name_table::kRows;
constexpr std::size_t kRowCount = std::size(kRows);

constexpr std::size_t count_rows(Language language) {
    return std::count_if(std::begin(kRows), std::end(kRows),
                         [&](const DisplayNameRow& row) { return row.in_lookup(language); });
}

constexpr const DisplayNameRow* row_with_key(std::string_view key) {
    for (const auto& row : kRows)
        for (const Key& k : row.keys)
            if (k.text == key) return &row;
    return nullptr;
}

// The Chinese lookup tests every row in table order.  The English lookup
// tests the rows that carry an English name, in table order except that the
// row of "microsoft" comes right after the row of "tsing".
template <Language language>
constexpr auto make_walk() {
    std::array<const DisplayNameRow*, count_rows(language)> walk{};
    std::size_t n = 0;
    const DisplayNameRow* moved = language == Language::English ? row_with_key("microsoft") : nullptr;
    for (const auto& row : kRows) {
        if (!row.in_lookup(language) || &row == moved) continue;
        walk[n++] = &row;
        if (moved && &row == row_with_key("tsing")) walk[n++] = moved;
    }
    return walk;
}
constexpr auto kChineseWalk = make_walk<Language::Chinese>();
constexpr auto kEnglishWalk = make_walk<Language::English>();

// --- What the table promises, checked when it is compiled. ---

static_assert(kRowCount == 308);
static_assert(kChineseWalk.size() == 308 && kEnglishWalk.size() == 195);
static_assert(kEnglishWalk[0] == row_with_key("fujitsu siemens") &&
              kEnglishWalk[1] == row_with_key("tsing") && kEnglishWalk[2] == row_with_key("microsoft"));

constexpr bool key_in(const Key& key, Language language) {
    return language == Language::English || !key.english_only;
}

// Compound rows stand at the head: four in Chinese, the first of them in English.
constexpr std::size_t leading_compound_rows(std::span<const DisplayNameRow* const> walk) {
    std::size_t n = 0;
    while (n < walk.size() && walk[n]->match == Match::Compound) ++n;
    return n;
}
static_assert(leading_compound_rows(kChineseWalk) == 4 && leading_compound_rows(kEnglishWalk) == 1);
static_assert(std::count_if(std::begin(kRows), std::end(kRows),
                            [](const auto& row) { return row.match == Match::Compound; }) == 4);

// The keys of the 113 rows without an English name: 116, found by the Chinese lookup alone.
constexpr std::size_t keys_without_english() {
    std::size_t n = 0;
    for (const auto& row : kRows)
        if (!row.in_lookup(Language::English)) n += row.keys.size();
    return n;
}
static_assert(kRowCount - kEnglishWalk.size() == 113 && keys_without_english() == 116);

constexpr bool keys_well_formed() {
    constexpr std::string_view allowed = "abcdefghijklmnopqrstuvwxyz3 .,-&()_";
    for (const auto& row : kRows)
        for (const Key& key : row.keys) {
            if (key.text.empty()) return false;
            for (char c : key.text)
                if (allowed.find(c) == std::string_view::npos) return false;
        }
    return true;
}
static_assert(keys_well_formed(), "keys are lower case: they meet the lower-cased text");

// Apart from the compound rows, no two rows of one lookup can match the same
// text, so the order of testing decides nothing beyond itself.
template <Language language>
constexpr bool rows_exclusive() {
    const std::span<const DisplayNameRow* const> walk =
        language == Language::Chinese ? std::span<const DisplayNameRow* const>(kChineseWalk) : kEnglishWalk;
    for (std::size_t i = 0; i < walk.size(); ++i)
        for (const Key& a : walk[i]->keys) {
            if (!key_in(a, language)) continue;
            for (std::size_t j = 0; j < walk.size(); ++j)
                for (const Key& b : walk[j]->keys) {
                    if (!key_in(b, language) || &a == &b) continue;
                    if (a.text == b.text) return false;  // keys distinct
                    const Match ma = walk[i]->match, mb = walk[j]->match;
                    if (ma == Match::Contains && mb == Match::LeadWord &&
                        b.text.find(a.text) != std::string_view::npos)
                        return false;
                    if (ma == Match::WholeText && mb == Match::LeadWord && a.text.starts_with(b.text) &&
                        (a.text.size() == b.text.size() || a.text[b.text.size()] == ' '))
                        return false;
                }
        }
    return true;
}
static_assert(rows_exclusive<Language::Chinese>() && rows_exclusive<Language::English>());

// --- The walk. ---

bool row_matches(const DisplayNameRow& row, Language language, text::AsciiLowered whole,
                 text::AsciiLowered lead_word) {
    for (const Key& key : row.keys) {
        if (!key_in(key, language)) continue;
        switch (row.match) {
        case Match::LeadWord: if (lead_word.equals(key.text)) return true; break;
        case Match::Contains: if (lead_word.contains(key.text)) return true; break;
        case Match::WholeText: if (whole.equals(key.text)) return true; break;
        case Match::Compound: break;
        }
    }
    return false;
}

}  // namespace

std::span<const DisplayNameRow* const> display_name_walk(Language language) {
    if (language == Language::Chinese) return kChineseWalk;
    return kEnglishWalk;
}

std::optional<text::Joined> find_display_name(std::string_view maker, bool keep_rest, Language language,
                               const CodePage& code_page, NameBuffer& buffer) {
    const auto walk = display_name_walk(language);
    const text::AsciiLowered lowered(maker);

    // Compound rows: the name takes the place of the key at the start, and the
    // remainder of the maker text follows whatever keep_rest says.
    for (const DisplayNameRow* row : walk) {
        if (row->match != Match::Compound) break;
        for (const Key& key : row->keys)
            if (key_in(key, language) && lowered.begins_with(key.text))
                return text::replace_first_ignoring_case(
                    maker, key.text, load_display_name(row->name(language), code_page, buffer), code_page);
    }

    // The lead word is split off at the first blank, unless the text begins
    // with one; lower-casing leaves blanks where they are.
    const std::size_t blank = text::position(maker, " ");
    const bool split = blank >= 2;
    const text::AsciiLowered lead_word = split ? lowered.first(blank - 1) : lowered;

    std::string_view result = maker;
    for (const DisplayNameRow* row : walk)
        if (row->match != Match::Compound && row_matches(*row, language, lowered, lead_word)) {
            result = load_display_name(row->name(language), code_page, buffer);
            break;
        }

    if (!keep_rest || result == maker) return text::Joined{result};
    text::Joined joined{result, " "};
    for (auto piece : split ? text::delete_range(maker, 1, static_cast<long long>(blank)) : text::Joined{maker})
        joined.append(piece);
    return joined;
}

}  // namespace zentavo
