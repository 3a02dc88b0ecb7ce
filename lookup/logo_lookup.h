// GetVendorPic_Cn / GetVendorPic_En: a display name to a logo key.
#pragma once

#include <string_view>

#include "lookup/logo_table.h"

namespace zentavo {

// The logo key of the first row that holds for `maker`, or the empty text.
// Always a constant text of the library, NUL-terminated.
std::string_view find_logo_key(std::string_view maker, Language language, const CodePage& code_page);

}  // namespace zentavo
