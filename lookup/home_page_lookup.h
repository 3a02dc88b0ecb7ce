// GetVendorURL: a vendor key to the address of the vendor's web site.
#pragma once

#include <optional>
#include <string_view>

#include "lookup/display_names.h"
#include "lookup/home_page_table.h"

namespace zentavo {

// The address for `key` (any letter case) in the edition of `language`, a
// constant text of the library; nullopt when the result is the key as passed.
std::optional<std::string_view> find_home_page(std::string_view key, Language language);

}  // namespace zentavo
