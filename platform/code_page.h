// The ANSI code page that the rules run in, as the platform provides it:
// display names read from the string table, the platform upper-casing and
// the lead-byte ranges of double-byte characters.
//
// windows_code_page.cpp reads them from Windows (LoadStringA on the library's
// own module, CharUpperBuffA, GetCPInfo); portable_code_page.cpp emulates a
// chosen code page so the rules can run and be tested anywhere.
#pragma once

#include <array>
#include <string_view>

#include "text/text.h"

namespace zentavo {

// Where a display name is loaded to, as LoadStringA is given it: a converted
// entry longer than this is cut at size() - 1 bytes.
using NameBuffer = std::array<char, 4096>;

class CodePage : public text::UpperCasing {
public:
    // String-table entry `entry` in this code page: characters the code page
    // cannot hold become its default character ("?"); a missing entry loads
    // as the empty text.  The view lives in `buffer` or in the code page.
    virtual std::string_view load_string(unsigned entry, NameBuffer& buffer) const = 0;

protected:
    ~CodePage() = default;
};

}  // namespace zentavo
