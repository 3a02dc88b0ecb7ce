// The ANSI code page that the rules run in, as the platform provides it:
// display names read from the string table, the platform upper-casing and
// the lead-byte ranges of double-byte characters.
//
// windows_code_page.cpp reads them from Windows (LoadStringA on the library's
// own module, CharUpperBuffA, GetCPInfo); portable_code_page.cpp emulates a
// chosen code page so the rules can run and be tested anywhere.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "text/text.h"

namespace zentavo {

// Entries of the string table: one per display name in res/display_names.inc.
inline constexpr std::size_t kStringTableEntries = 0
#define DISPLAY_NAME(identifier, text) +1
#include "res/display_names.inc"
#undef DISPLAY_NAME
    ;

// LoadStringA reads an entry into a buffer of this size: a converted entry
// longer than that is cut at kLoadBufferSize - 1 bytes.
inline constexpr std::size_t kLoadBufferSize = 4096;

class CodePage : public text::UpperCasing {
public:
    // The whole string table in this code page, entry n at [n - 1], each entry
    // as LoadStringA gives it: characters the code page cannot hold become its
    // default character ("?").  Read once; the code page of a process stays.
    virtual std::span<const std::string_view> string_table() const = 0;

    // One entry; an entry the table does not hold loads as the empty text.
    std::string_view load_string(unsigned entry) const {
        const auto table = string_table();
        return entry >= 1 && entry <= table.size() ? table[entry - 1] : std::string_view();
    }

protected:
    ~CodePage() = default;
};

}  // namespace zentavo
