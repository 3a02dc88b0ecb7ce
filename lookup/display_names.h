// Identifiers of the display names (res/display_names.inc) and how a name is
// read: from the string table, in the code page of the process.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/code_page.h"

namespace zentavo {

enum class Language : std::uint8_t { Chinese, English };

enum class Name : std::uint16_t {
#define DISPLAY_NAME(identifier, text) identifier,
#include "res/display_names.inc"
#undef DISPLAY_NAME
    None,  // no name: the row is not part of the English lookup
    Nec,   // the fixed text "NEC", the same in both languages, not in the string table
};

// Entry numbers of the string table count from 1 in list order.
constexpr unsigned string_table_entry(Name name) { return static_cast<unsigned>(name) + 1; }

// The names as written in the source (UTF-8), for checks at compile time.
inline constexpr std::string_view kNameSources[] = {
#define DISPLAY_NAME(identifier, text) text,
#include "res/display_names.inc"
#undef DISPLAY_NAME
};
static_assert(std::size(kNameSources) == static_cast<std::size_t>(Name::None));
static_assert(std::size(kNameSources) == kStringTableEntries);

inline constexpr std::string_view kNec = "NEC";

// A display name in the code page: from the string table, or the fixed "NEC".
inline std::string_view display_name_in(Name name, std::span<const std::string_view> string_table) {
    if (name == Name::Nec) return kNec;
    const unsigned entry = string_table_entry(name);
    return entry <= string_table.size() ? string_table[entry - 1] : std::string_view();
}
inline std::string_view load_display_name(Name name, const CodePage& code_page) {
    return display_name_in(name, code_page.string_table());
}

}  // namespace zentavo
