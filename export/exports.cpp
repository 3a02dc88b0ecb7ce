// The five entry points: read the arguments, run the export's rule list and
// hand back a result text that the library owns.
//
// No export fails; the library is built without exceptions.  When memory for
// a working copy or a result cannot be had, the export returns the empty text.
#include <cstdint>
#include <string_view>

#include "export/entry_points.h"
#include "export/thread_results.h"
#include "include/zentavo2.h"
#include "lookup/display_name_lookup.h"
#include "lookup/home_page_lookup.h"
#include "lookup/logo_lookup.h"
#include "platform/process_code_page.h"

namespace zentavo {
namespace {

constexpr const char* kEmptyText = "";

std::string_view read_maker_text(const char* maker_text) {
    return maker_text ? std::string_view(maker_text) : std::string_view();
}

// Only the lowest byte of the slot counts: 256 is false, 257 true.
bool read_keep_rest(int keep_rest) { return (static_cast<std::uint32_t>(keep_rest) & 0xFFu) != 0; }

// A built result goes into the calling thread's slots.
const char* hand_back(const text::Joined& result, std::string_view maker) noexcept {
    if (result.size() == 0) return kEmptyText;
    ResultSlots* slots = thread_results();
    const char* stored = slots ? slots->store(result, maker) : nullptr;
    return stored ? stored : kEmptyText;
}

}  // namespace

const char* vendor_name(const char* maker_text, int keep_rest, Language language, const CodePage& code_page) noexcept {
    const std::string_view maker = read_maker_text(maker_text);
    const auto result = find_display_name(maker, read_keep_rest(keep_rest), language, code_page);
    return result ? hand_back(*result, maker) : kEmptyText;
}

// Logo keys are constant texts: returned as they stand in the table.
const char* vendor_logo(const char* maker_text, Language language, const CodePage& code_page) noexcept {
    return find_logo_key(read_maker_text(maker_text), language, code_page).data();
}

// Only the exact value 1 selects the Chinese edition.  A key without an
// address comes back as a copy of the maker text, never the caller's pointer.
const char* vendor_home_page(const char* maker_text, int selector) noexcept {
    const std::string_view maker = read_maker_text(maker_text);
    const auto address = find_home_page(maker, selector == 1 ? Language::Chinese : Language::English);
    return address ? address->data() : hand_back(text::Joined{maker}, maker);
}

}  // namespace zentavo

using zentavo::Language;
using zentavo::process_code_page;

extern "C" {

const char* ZENTAVO2_CALL GetVendorURL(const char* MakerText, int Language) {
    return zentavo::vendor_home_page(MakerText, Language);
}

const char* ZENTAVO2_CALL GetPCVendor_Cn(const char* MakerText, int KeepRest) {
    return zentavo::vendor_name(MakerText, KeepRest, Language::Chinese, process_code_page());
}

const char* ZENTAVO2_CALL GetPCVendor_En(const char* MakerText, int KeepRest) {
    return zentavo::vendor_name(MakerText, KeepRest, Language::English, process_code_page());
}

const char* ZENTAVO2_CALL GetVendorPic_Cn(const char* MakerText) {
    return zentavo::vendor_logo(MakerText, Language::Chinese, process_code_page());
}

const char* ZENTAVO2_CALL GetVendorPic_En(const char* MakerText) {
    return zentavo::vendor_logo(MakerText, Language::English, process_code_page());
}

}  // extern "C"
