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

constexpr std::span<const DisplayNameRow* const> walk_of(Language language) {
    if (language == Language::Chinese) return kChineseWalk;
    return kEnglishWalk;
}

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
    const auto walk = walk_of(language);
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
static_assert(std::none_of(std::begin(kRows), std::end(kRows), [](const DisplayNameRow& row) {
    return row.match == Match::WholeText && row.keys.begin()->text.find("asustek.") != std::string_view::npos;
}));

// --- The index. ---
//
// Since no two rows of one lookup can match the same text, the row a text
// matches does not depend on the order of testing, and the lead-word rows
// can be found by binary search among their keys, sorted at compile time.
// The few contains and whole-text rows are tested as they stand.

struct IndexedKey {
    std::string_view key;
    const DisplayNameRow* row;
    constexpr bool operator<(const IndexedKey& other) const { return key < other.key; }
};

template <Language language>
constexpr std::size_t count_lead_word_keys() {
    std::size_t n = 0;
    for (const DisplayNameRow* row : walk_of(language))
        if (row->match == Match::LeadWord)
            for (const Key& key : row->keys) n += key_in(key, language);
    return n;
}

template <Language language>
constexpr auto make_lead_word_index() {
    std::array<IndexedKey, count_lead_word_keys<language>()> index{};
    std::size_t n = 0;
    for (const DisplayNameRow* row : walk_of(language))
        if (row->match == Match::LeadWord)
            for (const Key& key : row->keys)
                if (key_in(key, language)) index[n++] = {key.text, row};
    std::sort(index.begin(), index.end());
    return index;
}
constexpr auto kChineseIndex = make_lead_word_index<Language::Chinese>();
constexpr auto kEnglishIndex = make_lead_word_index<Language::English>();

// The contains and whole-text rows, in walk order: tested as they stand.
template <Language language>
constexpr auto make_other_rows() {
    constexpr auto walk = walk_of(language);
    constexpr auto is_other = [](const DisplayNameRow* row) {
        return row->match == Match::Contains || row->match == Match::WholeText;
    };
    std::array<const DisplayNameRow*, std::count_if(walk.begin(), walk.end(), is_other)> others{};
    std::copy_if(walk.begin(), walk.end(), others.begin(), is_other);
    return others;
}
constexpr auto kChineseOthers = make_other_rows<Language::Chinese>();
constexpr auto kEnglishOthers = make_other_rows<Language::English>();
static_assert(kChineseOthers.size() == 6 && kEnglishOthers.size() == 4);

constexpr std::size_t kLongestLeadWordKey = std::max_element(kChineseIndex.begin(), kChineseIndex.end(), [](auto& a, auto& b) {
    return a.key.size() < b.key.size();
})->key.size();
static_assert(kLongestLeadWordKey == 16);  // "tongfangcomputer"

// --- The lookup. ---

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

// Every row after the compound ones, in order: the first that matches.
const DisplayNameRow* walk_rows(Language language, text::AsciiLowered whole, text::AsciiLowered lead_word) {
    for (const DisplayNameRow* row : display_name_walk(language))
        if (row->match != Match::Compound && row_matches(*row, language, whole, lead_word)) return row;
    return nullptr;
}

// The same row through the index.
const DisplayNameRow* find_row(Language language, text::AsciiLowered whole, text::AsciiLowered lead_word) {
    if (lead_word.size() <= kLongestLeadWordKey) {
        char lowered[kLongestLeadWordKey];
        for (std::size_t i = 0; i < lead_word.size(); ++i) lowered[i] = text::ascii_lower(lead_word.raw()[i]);
        const IndexedKey wanted{std::string_view(lowered, lead_word.size()), nullptr};
        const auto index = language == Language::Chinese ? std::span<const IndexedKey>(kChineseIndex) : kEnglishIndex;
        const auto found = std::lower_bound(index.begin(), index.end(), wanted);
        if (found != index.end() && found->key == wanted.key) return found->row;
    }
    const auto others = language == Language::Chinese ? std::span<const DisplayNameRow* const>(kChineseOthers)
                                                       : kEnglishOthers;
    for (const DisplayNameRow* row : others)
        if (row_matches(*row, language, whole, lead_word)) return row;
    return nullptr;
}

using RowFinder = const DisplayNameRow* (*)(Language, text::AsciiLowered, text::AsciiLowered);

std::optional<text::Joined> look_up(std::string_view maker, bool keep_rest, Language language,
                                    const CodePage& code_page, RowFinder find) {
    const text::AsciiLowered lowered(maker);

    // Compound rows: the name takes the place of the key at the start, and the
    // remainder of the maker text follows whatever keep_rest says.
    for (const DisplayNameRow* row : display_name_walk(language)) {
        if (row->match != Match::Compound) break;
        for (const Key& key : row->keys)
            if (key_in(key, language) && lowered.begins_with(key.text))
                return text::replace_first_ignoring_case(maker, key.text,
                                                         load_display_name(row->name(language), code_page), code_page);
    }

    // The lead word is split off at the first blank, unless the text begins
    // with one; lower-casing leaves blanks where they are.
    const std::size_t blank = text::position(maker, " ");
    const bool split = blank >= 2;
    const text::AsciiLowered lead_word = split ? lowered.first(blank - 1) : lowered;

    const DisplayNameRow* row = find(language, lowered, lead_word);
    const std::string_view result = row ? load_display_name(row->name(language), code_page) : maker;
    if (!keep_rest || result == maker) return text::Joined{result};
    text::Joined joined{result, " "};
    for (auto piece : split ? text::delete_range(maker, 1, static_cast<long long>(blank)) : text::Joined{maker})
        joined.append(piece);
    return joined;
}

}  // namespace

std::span<const DisplayNameRow* const> display_name_walk(Language language) { return walk_of(language); }

std::optional<text::Joined> find_display_name(std::string_view maker, bool keep_rest, Language language,
                                              const CodePage& code_page) {
    return look_up(maker, keep_rest, language, code_page, find_row);
}

std::optional<text::Joined> find_display_name_by_walk(std::string_view maker, bool keep_rest, Language language,
                                                      const CodePage& code_page) {
    return look_up(maker, keep_rest, language, code_page, walk_rows);
}

}  // namespace zentavo
