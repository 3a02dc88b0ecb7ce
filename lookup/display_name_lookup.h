// GetPCVendor_Cn / GetPCVendor_En: a raw maker text to a display name.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "lookup/display_name_table.h"
#include "text/text.h"

namespace zentavo {

// The display name for `maker` in `language`, or the maker text itself when
// no row matches; with `keep_rest` the rest of the maker text follows the
// name.  The pieces borrow from `maker` and the code page.  nullopt only when
// a compound row finds no memory for its working copies.
std::optional<text::Joined> find_display_name(std::string_view maker, bool keep_rest, Language language,
                                              const CodePage& code_page);

// The same answer from the plain walk of every row in order, without the
// index: the reference the fast lookup is tested against.
std::optional<text::Joined> find_display_name_by_walk(std::string_view maker, bool keep_rest, Language language,
                                                      const CodePage& code_page);

// The rows that a language's lookup tests, in the order it tests them.
std::span<const DisplayNameRow* const> display_name_walk(Language language);

}  // namespace zentavo
