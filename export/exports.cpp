// The five entry points: read the arguments, run the export's rule list and
// hand back a result text that the library owns.
//
// No export fails and no exception leaves one.  When memory for a result
// cannot be had, the export returns the empty text.
#include <cstdint>
#include <new>
#include <string_view>

#include "export/thread_results.h"
#include "include/zentavo2.h"
#include "lookup/display_name_lookup.h"
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

const char* display_name(const char* maker_text, int keep_rest, Language language) noexcept {
    try {
        const std::string_view maker = read_maker_text(maker_text);
        NameBuffer buffer;
        return hand_back(find_display_name(maker, read_keep_rest(keep_rest), language,
                                           process_code_page(), buffer),
                         maker);
    } catch (...) {
        return kEmptyText;
    }
}

}  // namespace
}  // namespace zentavo

using zentavo::Language;

extern "C" {

const char* ZENTAVO2_CALL GetPCVendor_Cn(const char* MakerText, int KeepRest) {
    return zentavo::display_name(MakerText, KeepRest, Language::Chinese);
}

const char* ZENTAVO2_CALL GetPCVendor_En(const char* MakerText, int KeepRest) {
    return zentavo::display_name(MakerText, KeepRest, Language::English);
}

const char* ZENTAVO2_CALL GetVendorPic_Cn(const char*) { return zentavo::kEmptyText; }
const char* ZENTAVO2_CALL GetVendorPic_En(const char*) { return zentavo::kEmptyText; }
const char* ZENTAVO2_CALL GetVendorURL(const char*, int) { return zentavo::kEmptyText; }

}  // extern "C"
